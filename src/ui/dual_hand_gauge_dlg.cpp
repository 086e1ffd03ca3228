#include "ui/dual_hand_gauge_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "properties/mark_choices.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Dual Hand Gauge Properties";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kDialFactorLabel = "Dial Factor";
constexpr const char* kShowFactorText = "Show Factor";
constexpr const char* kSubMarksLabel = "Sub Marks";
constexpr const char* kShowValuesText = "Show Values";
constexpr int kDecimalIndex = 0;

}  // namespace

CDualHandGaugeDlg::CDualHandGaugeDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                                     const DualHandGaugeFields& fields, std::string namelist)
    : PropertyDialog(parent, messages, kCaption, kDualHandGaugeHelpTopic), m_namelist(std::move(namelist)) {
  auto* left = new QVBoxLayout;
  left->addWidget(AddGaugeScreenTextGroup(this, chooser, fields.texts, m_texts));
  left->addWidget(AddGaugeCommunicationsGroup(this, fields.texts, m_texts));
  left->addStretch(1);
  AddLabelSelector(m_texts.outputlabel, m_namelist);

  auto* middle = new QVBoxLayout;
  middle->addWidget(AddConversionGroup(this, fields.conversion, m_conversion));
  middle->addStretch(1);
  m_conversion.outputbase->setCurrentIndex(kDecimalIndex);
  m_conversion.outputbase->setEnabled(false);
  AddFormulaSelector(m_conversion.formula, m_texts.idlabel, m_namelist);

  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* form = new QFormLayout(configuration);
  m_dialfactor = NamesCombo(configuration, kDialFactorNames, fields.dialfactor);
  m_showfactor = new QCheckBox(kShowFactorText, configuration);
  m_showfactor->setChecked(fields.showfactor != 0);
  m_submarks = CountCombo(configuration, 1, kMostGaugeSubMarks, fields.submarks);
  m_showvalues = new QCheckBox(kShowValuesText, configuration);
  m_showvalues->setChecked(fields.showvalues != 0);
  form->addRow(kDialFactorLabel, m_dialfactor);
  form->addRow(m_showfactor);
  form->addRow(kSubMarksLabel, m_submarks);
  form->addRow(m_showvalues);
  auto* right = new QVBoxLayout;
  right->addWidget(configuration);
  right->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(middle);
  columns->addLayout(right);
  Body()->addLayout(columns);

  m_edits = {{ValueField::Title, m_texts.title},
             {ValueField::IdLabel, m_texts.idlabel},
             {ValueField::PollCommand, m_texts.pollcommand},
             {ValueField::OutputLabel, m_texts.outputlabel},
             {ValueField::Multiplier, m_conversion.multiplier},
             {ValueField::Offset, m_conversion.offset},
             {ValueField::LookupTable, m_conversion.lookuptable},
             {ValueField::Formula, m_conversion.formula}};
}

DualHandGaugeFields CDualHandGaugeDlg::Fields() const {
  DualHandGaugeFields fields;
  fields.texts = ReadGaugeTexts(m_texts);
  fields.conversion = m_conversion.Fields();
  fields.dialfactor = m_dialfactor->currentIndex();
  fields.showfactor = m_showfactor->isChecked() ? 1 : 0;
  fields.submarks = m_submarks->currentIndex();
  fields.showvalues = m_showvalues->isChecked() ? 1 : 0;
  return fields;
}

// The focus leaves the fields first, so that a refused selector field gets
// it back through the guard instead of opening its selector.
void CDualHandGaugeDlg::OnOK() {
  OkButton()->setFocus(Qt::OtherFocusReason);
  DualHandGaugeFields fields = Fields();
  const OkCheck<ValueField> check = CheckDualHandGaugeFields(fields, m_namelist, Messages());
  ShowGaugeTexts(m_texts, fields.texts);
  m_conversion.ShowTexts(fields.conversion);
  if (check.Accepted())
    EndOk();
  else
    FocusField(m_edits.at(*check.focus), check.guard);
}

}  // namespace korvix
