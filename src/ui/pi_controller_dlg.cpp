#include "ui/pi_controller_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <array>

#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/latin1_edits.h"
#include "ui/value_groups.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "PI Controller Properties";
constexpr const char* kCommunicationsGroup = "Communications";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kPollCommandLabel = "Sensor Polling Command";
constexpr const char* kSensorToLabel = "Send sensor data to this Screen Object";
constexpr const char* kFormatGroup = "Kp/Ki  Format";
constexpr const char* kDecPointLabel = "Dec Point";
constexpr std::array<const char*, kKpKiFormatChoices> kDecPointNames = {"0", "0.0", "0.00"};
constexpr const char* kLockText = "Lock Settings";
constexpr const char* kConversionGroup = "Sensor Data Conversion";
constexpr const char* kMultiplierLabel = "Multiplier";
constexpr const char* kOffsetLabel = "Offset";
constexpr const char* kLookupTableLabel = "Lookup Table";
constexpr const char* kFormulaLabel = "Math Formula";
constexpr const char* kPositiveGroup = "Positive Correction";
constexpr const char* kNegativeGroup = "Negative Correction";
constexpr const char* kMaxLabel = "Max Value";
constexpr const char* kMinLabel = "Min Value";
constexpr const char* kAppendLabel = "Append value to these characters when transmitting";

struct CorrectionControls {
  QGroupBox* group;
  Latin1LineEdit* max;
  Latin1LineEdit* min;
  Latin1LineEdit* prefix;
};

CorrectionControls NewCorrectionGroup(QWidget* parent, const char* caption, const std::string& max,
                                      const std::string& min, const std::string& prefix) {
  CorrectionControls controls;
  controls.group = new QGroupBox(caption, parent);
  auto* layout = new QFormLayout(controls.group);
  controls.max = NewFieldEdit(kNumberFieldLimit, max, controls.group);
  controls.min = NewFieldEdit(kNumberFieldLimit, min, controls.group);
  controls.prefix = NewFieldEdit(kPrefixFieldLimit, prefix, controls.group);
  layout->addRow(kMaxLabel, controls.max);
  layout->addRow(kMinLabel, controls.min);
  auto* prefixrow = new QFormLayout;
  prefixrow->setRowWrapPolicy(QFormLayout::WrapAllRows);
  prefixrow->addRow(kAppendLabel, controls.prefix);
  layout->addRow(prefixrow);
  return controls;
}

}  // namespace

CPIControllerDlg::CPIControllerDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                                   const std::string& namelist, const PIControllerFields& fields)
    : PropertyDialog(parent, messages, kCaption, kPIControllerHelpTopic), m_namelist(namelist) {
  const ScreenTextControls screentext =
      NewScreenTextGroup(this, chooser, fields.title, fields.fontsize, fields.textcolor);
  m_title = screentext.title;
  m_fontsize = screentext.fontsize;
  m_textcolor = screentext.textcolor;

  auto* communications = new QGroupBox(kCommunicationsGroup, this);
  auto* commform = new QFormLayout(communications);
  commform->setRowWrapPolicy(QFormLayout::WrapAllRows);
  m_idlabel = NewFieldEdit(kLabelFieldLimit, fields.idlabel, communications);
  m_pollcommand = NewFieldEdit(kCommandFieldLimit, fields.pollcommand, communications);
  m_sensorto = NewFieldEdit(kLabelFieldLimit, fields.sensorto, communications);
  commform->addRow(kIdLabelLabel, m_idlabel);
  commform->addRow(kPollCommandLabel, m_pollcommand);
  commform->addRow(kSensorToLabel, m_sensorto);
  AddLabelSelector(m_sensorto, namelist);

  auto* format = new QGroupBox(kFormatGroup, this);
  auto* formatform = new QFormLayout(format);
  m_kpkiformat = NamesCombo(format, kDecPointNames, fields.kpkiformat);
  m_locksettings = NewCheckBox(kLockText, fields.locksettings, format);
  formatform->addRow(kDecPointLabel, m_kpkiformat);
  formatform->addRow(m_locksettings);

  auto* conversion = new QGroupBox(kConversionGroup, this);
  auto* conversionform = new QFormLayout(conversion);
  m_multiplier = NewFieldEdit(kNumberFieldLimit, fields.multiplier, conversion);
  m_offset = NewFieldEdit(kNumberFieldLimit, fields.offset, conversion);
  m_lookuptable = NewFieldEdit(kLabelFieldLimit, fields.lookuptable, conversion);
  m_formula = NewFieldEdit(kFormulaFieldLimit, fields.formula, conversion);
  conversionform->addRow(kMultiplierLabel, m_multiplier);
  conversionform->addRow(kOffsetLabel, m_offset);
  conversionform->addRow(kLookupTableLabel, m_lookuptable);
  conversionform->addRow(kFormulaLabel, m_formula);
  AddFormulaSelector(m_formula, m_idlabel, namelist);

  const CorrectionControls positive =
      NewCorrectionGroup(this, kPositiveGroup, fields.posmax, fields.posmin, fields.posprefix);
  m_posmax = positive.max;
  m_posmin = positive.min;
  m_posprefix = positive.prefix;
  const CorrectionControls negative =
      NewCorrectionGroup(this, kNegativeGroup, fields.negmax, fields.negmin, fields.negprefix);
  m_negmax = negative.max;
  m_negmin = negative.min;
  m_negprefix = negative.prefix;

  auto* left = new QVBoxLayout;
  left->addWidget(screentext.group);
  left->addWidget(communications);
  left->addWidget(format);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(conversion);
  right->addWidget(positive.group);
  right->addWidget(negative.group);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  Body()->addLayout(columns);
}

PIControllerFields CPIControllerDlg::Fields() const {
  PIControllerFields fields;
  fields.title = m_title->Text();
  fields.fontsize = m_fontsize->currentIndex();
  fields.textcolor = m_textcolor->Colour();
  fields.idlabel = m_idlabel->Text();
  fields.pollcommand = m_pollcommand->Text();
  fields.sensorto = m_sensorto->Text();
  fields.kpkiformat = m_kpkiformat->currentIndex();
  fields.locksettings = CheckState(m_locksettings);
  fields.multiplier = m_multiplier->Text();
  fields.offset = m_offset->Text();
  fields.lookuptable = m_lookuptable->Text();
  fields.formula = m_formula->Text();
  fields.posmax = m_posmax->Text();
  fields.posmin = m_posmin->Text();
  fields.posprefix = m_posprefix->Text();
  fields.negmax = m_negmax->Text();
  fields.negmin = m_negmin->Text();
  fields.negprefix = m_negprefix->Text();
  return fields;
}

void CPIControllerDlg::OnOK() {
  PIControllerFields fields = Fields();
  const OkCheck<PIControllerField> check = CheckPIControllerFields(fields, m_namelist, Messages());
  m_idlabel->SetText(fields.idlabel);
  m_pollcommand->SetText(fields.pollcommand);
  m_lookuptable->SetText(fields.lookuptable);
  m_formula->SetText(fields.formula);
  m_sensorto->SetText(fields.sensorto);
  m_posprefix->SetText(fields.posprefix);
  m_negprefix->SetText(fields.negprefix);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus), check.guard);
}

Latin1LineEdit* CPIControllerDlg::FieldEdit(PIControllerField field) const {
  switch (field) {
    case PIControllerField::Title: return m_title;
    case PIControllerField::IdLabel: return m_idlabel;
    case PIControllerField::PollCommand: return m_pollcommand;
    case PIControllerField::SensorTo: return m_sensorto;
    case PIControllerField::Multiplier: return m_multiplier;
    case PIControllerField::Offset: return m_offset;
    case PIControllerField::LookupTable: return m_lookuptable;
    case PIControllerField::Formula: return m_formula;
    case PIControllerField::PosMax: return m_posmax;
    case PIControllerField::PosMin: return m_posmin;
    case PIControllerField::PosPrefix: return m_posprefix;
    case PIControllerField::NegMax: return m_negmax;
    case PIControllerField::NegMin: return m_negmin;
    case PIControllerField::NegPrefix: return m_negprefix;
  }
  return m_title;
}

}  // namespace korvix
