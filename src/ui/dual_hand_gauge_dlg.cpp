#include "ui/dual_hand_gauge_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
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
    : GaugeTextsDlg(parent, messages, kCaption, kDualHandGaugeHelpTopic, chooser, fields.texts, std::move(namelist)) {
  QVBoxLayout* middle = NewConversionColumn(fields.conversion, m_conversion);
  m_conversion.outputbase->setCurrentIndex(kDecimalIndex);
  m_conversion.outputbase->setEnabled(false);

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
  LayOut(middle, configuration, ConversionEdits(m_conversion));
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
  const OkCheck<ValueField> check = CheckDualHandGaugeFields(fields, NameList(), Messages());
  ShowGaugeTexts(m_texts, fields.texts);
  m_conversion.ShowTexts(fields.conversion);
  EndOrRefocus(check);
}

}  // namespace korvix
