#include "ui/data_window_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "properties/property_choices.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Data Window Properties";
constexpr const char* kScreenTextGroup = "Screen Text";
constexpr const char* kCommunicationsGroup = "Communications";
constexpr const char* kAlarmGroup = "Alarm Colors";
constexpr const char* kTextAttributesGroup = "Text Attributes";
constexpr const char* kPrefixLabel = "Prefix";
constexpr const char* kSuffixLabel = "Suffix";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kPollLabel = "Data Polling Command";
constexpr const char* kHighTripLabel = "High Trip Level";
constexpr const char* kLowTripLabel = "Low Trip Level";
constexpr const char* kColorLabel = "Color";
constexpr const char* kOnLabel = "on";
constexpr const char* kFontSizeLabel = "Font Size";
constexpr const char* kFontColorLabel = "Font Color";
constexpr const char* kPrefixWidthLabel = "Prefix Window Width";
constexpr const char* kSuffixWidthLabel = "Suffix Window Width";

// One alarm row: the level, then "Color", the text colour, "on" and the
// background colour.
void AddAlarmRow(QGridLayout* grid, int row, const char* label, Latin1LineEdit* level, ColourSwatch* text,
                 ColourSwatch* background) {
  QWidget* parent = grid->parentWidget();
  grid->addWidget(new QLabel(label, parent), row, 0);
  grid->addWidget(level, row, 1);
  grid->addWidget(new QLabel(kColorLabel, parent), row, 2);
  grid->addWidget(text, row, 3);
  grid->addWidget(new QLabel(kOnLabel, parent), row, 4);
  grid->addWidget(background, row, 5);
}

}  // namespace

CDataWindowDlg::CDataWindowDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                               const DataWindowFields& fields, std::string namelist)
    : PropertyDialog(parent, messages, kCaption, kDataWindowHelpTopic), m_namelist(std::move(namelist)) {
  auto* screentext = new QGroupBox(kScreenTextGroup, this);
  auto* screenform = new QFormLayout(screentext);
  m_prefix = WideEdit(kLabelFieldLimit, screentext);
  m_suffix = WideEdit(kLabelFieldLimit, screentext);
  screenform->addRow(kPrefixLabel, m_prefix);
  screenform->addRow(kSuffixLabel, m_suffix);

  auto* communications = new QGroupBox(kCommunicationsGroup, this);
  auto* commsform = new QFormLayout(communications);
  m_idlabel = WideEdit(kLabelFieldLimit, communications);
  m_pollcommand = WideEdit(kCommandFieldLimit, communications);
  commsform->addRow(kIdLabelLabel, m_idlabel);
  commsform->addRow(kPollLabel, m_pollcommand);

  auto* left = new QVBoxLayout;
  left->addWidget(screentext);
  left->addWidget(communications);
  left->addWidget(AddConversionGroup(this, fields.conversion, m_conversion));
  AddFormulaSelector(m_conversion.formula, m_idlabel, m_namelist);

  auto* alarms = new QGroupBox(kAlarmGroup, this);
  auto* alarmgrid = new QGridLayout(alarms);
  m_hightrip = NumberEdit(kNumberFieldLimit, alarms);
  m_hightextcolor = new ColourSwatch(chooser, alarms);
  m_hightextcolor->SetColour(fields.hightextcolor);
  m_highbgcolor = new ColourSwatch(chooser, alarms);
  m_highbgcolor->SetColour(fields.highbgcolor);
  m_lowtrip = NumberEdit(kNumberFieldLimit, alarms);
  m_lowtextcolor = new ColourSwatch(chooser, alarms);
  m_lowtextcolor->SetColour(fields.lowtextcolor);
  m_lowbgcolor = new ColourSwatch(chooser, alarms);
  m_lowbgcolor->SetColour(fields.lowbgcolor);
  AddAlarmRow(alarmgrid, 0, kHighTripLabel, m_hightrip, m_hightextcolor, m_highbgcolor);
  AddAlarmRow(alarmgrid, 1, kLowTripLabel, m_lowtrip, m_lowtextcolor, m_lowbgcolor);

  auto* attributes = new QGroupBox(kTextAttributesGroup, this);
  auto* attributeform = new QFormLayout(attributes);
  m_fontsize = new QComboBox(attributes);
  FillFontSizeCombo(m_fontsize, fields.fontsize);
  m_fontcolor = new ColourSwatch(chooser, attributes);
  m_fontcolor->SetColour(fields.fontcolor);
  m_prefixwidth = new QComboBox(attributes);
  FillWidthCombo(m_prefixwidth, kDataWindowMaxPrefixWidth, fields.prefixwidth);
  m_suffixwidth = new QComboBox(attributes);
  FillWidthCombo(m_suffixwidth, kDataWindowMaxSuffixWidth, fields.suffixwidth);
  attributeform->addRow(kFontSizeLabel, m_fontsize);
  attributeform->addRow(kFontColorLabel, m_fontcolor);
  attributeform->addRow(kPrefixWidthLabel, m_prefixwidth);
  attributeform->addRow(kSuffixWidthLabel, m_suffixwidth);

  auto* right = new QVBoxLayout;
  right->addWidget(alarms);
  right->addWidget(attributes);
  right->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  Body()->addLayout(columns);

  m_prefix->SetText(fields.prefix);
  m_suffix->SetText(fields.suffix);
  m_idlabel->SetText(fields.idlabel);
  m_pollcommand->SetText(fields.pollcommand);
  m_hightrip->SetText(fields.hightrip);
  m_lowtrip->SetText(fields.lowtrip);
  m_edits = {{ValueField::Prefix, m_prefix},
             {ValueField::Suffix, m_suffix},
             {ValueField::IdLabel, m_idlabel},
             {ValueField::PollCommand, m_pollcommand},
             {ValueField::Multiplier, m_conversion.multiplier},
             {ValueField::Offset, m_conversion.offset},
             {ValueField::LookupTable, m_conversion.lookuptable},
             {ValueField::Formula, m_conversion.formula},
             {ValueField::HighTrip, m_hightrip},
             {ValueField::LowTrip, m_lowtrip}};
}

DataWindowFields CDataWindowDlg::Fields() const {
  DataWindowFields fields;
  fields.prefix = m_prefix->Text();
  fields.suffix = m_suffix->Text();
  fields.idlabel = m_idlabel->Text();
  fields.pollcommand = m_pollcommand->Text();
  fields.conversion = m_conversion.Fields();
  fields.hightrip = m_hightrip->Text();
  fields.hightextcolor = m_hightextcolor->Colour();
  fields.highbgcolor = m_highbgcolor->Colour();
  fields.lowtrip = m_lowtrip->Text();
  fields.lowtextcolor = m_lowtextcolor->Colour();
  fields.lowbgcolor = m_lowbgcolor->Colour();
  fields.fontsize = m_fontsize->currentIndex();
  fields.fontcolor = m_fontcolor->Colour();
  fields.prefixwidth = m_prefixwidth->currentIndex();
  fields.suffixwidth = m_suffixwidth->currentIndex();
  return fields;
}

void CDataWindowDlg::OnOK() {
  DataWindowFields fields = Fields();
  const OkCheck<ValueField> check = CheckDataWindowFields(fields, m_namelist, Messages());
  m_idlabel->SetText(fields.idlabel);
  m_pollcommand->SetText(fields.pollcommand);
  m_conversion.ShowTexts(fields.conversion);
  if (check.Accepted())
    EndOk();
  else
    FocusField(m_edits.at(*check.focus), check.guard);
}

}  // namespace korvix
