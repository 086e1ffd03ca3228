#include "ui/slider_control_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "properties/mark_choices.h"
#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/control_dlg_parts.h"
#include "ui/latin1_edits.h"
#include "ui/value_groups.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Slider Control Properties";
constexpr const char* kMonitoringGroup = "Slider Monitoring";
constexpr const char* kContinuousText = "Continue to transmit new value while slider is being moved";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kTickMarksLabel = "Tick Marks";
constexpr const char* kShowValuesText = "Show Values";
constexpr const char* kTopValueLabel = "Top Value";
constexpr const char* kBottomValueLabel = "Bottom Value";
constexpr const char* kPrefixLabel = "When slider is moved, append new value to these characters and transmit";
constexpr int kFirstTickCount = 2;

}  // namespace

CSliderControlDlg::CSliderControlDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                                     const std::string& namelist, const SliderControlFields& fields)
    : ValueSenderDlg(parent, messages, kCaption, kSliderControlHelpTopic, chooser, {kStartWithValueText, kGetValueText},
                     fields) {
  auto* communications = new QGroupBox(kCommunicationsGroup, this);
  auto* commlayout = new QVBoxLayout(communications);
  m_responseexpected = NewCheckBox(kResponseExpectedText, fields.responseexpected, communications);
  m_continuoussend = NewCheckBox(kContinuousText, fields.continuoussend, communications);
  commlayout->addWidget(m_responseexpected);
  commlayout->addWidget(m_continuoussend);

  AddMonitoringGroup(kMonitoringGroup, fields, namelist);

  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* configform = new QFormLayout(configuration);
  m_tickmarks = CountCombo(configuration, kFirstTickCount, kMostTickMarks, fields.tickmarks);
  m_showvalues = NewCheckBox(kShowValuesText, fields.showvalues, configuration);
  m_topvalue = NewFieldEdit(kNumberFieldLimit, fields.topvalue, configuration);
  m_bottomvalue = NewFieldEdit(kNumberFieldLimit, fields.bottomvalue, configuration);
  m_sendprefix = NewFieldEdit(kPrefixFieldLimit, fields.sendprefix, configuration);
  configform->addRow(kTickMarksLabel, m_tickmarks);
  configform->addRow(m_showvalues);
  configform->addRow(kTopValueLabel, m_topvalue);
  configform->addRow(kBottomValueLabel, m_bottomvalue);
  auto* prefixrow = new QFormLayout;
  prefixrow->setRowWrapPolicy(QFormLayout::WrapAllRows);
  prefixrow->addRow(kPrefixLabel, m_sendprefix);
  configform->addRow(prefixrow);

  LayOut(communications, {configuration});
}

SliderControlFields CSliderControlDlg::Fields() const {
  SliderControlFields fields;
  ReadShared(fields);
  fields.continuoussend = CheckState(m_continuoussend);
  fields.tickmarks = m_tickmarks->currentIndex();
  fields.showvalues = CheckState(m_showvalues);
  fields.topvalue = m_topvalue->Text();
  fields.bottomvalue = m_bottomvalue->Text();
  fields.sendprefix = m_sendprefix->Text();
  return fields;
}

void CSliderControlDlg::OnOK() {
  SliderControlFields fields = Fields();
  const OkCheck<SliderControlField> check = CheckSliderControlFields(fields, Messages());
  ShowCleaned(fields);
  m_sendprefix->SetText(fields.sendprefix);
  m_topvalue->SetText(fields.topvalue);
  m_bottomvalue->SetText(fields.bottomvalue);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus), check.guard);
}

Latin1LineEdit* CSliderControlDlg::FieldEdit(SliderControlField field) const {
  switch (field) {
    case SliderControlField::Title: return m_title;
    case SliderControlField::StartValue: return m_startvalue;
    case SliderControlField::GetCommand: return m_getcommand;
    case SliderControlField::ResponseTo: return m_responseto;
    case SliderControlField::SendValueTo: return m_sendvalueto;
    case SliderControlField::TopValue: return m_topvalue;
    case SliderControlField::BottomValue: return m_bottomvalue;
    case SliderControlField::Prefix: return m_sendprefix;
  }
  return m_title;
}

}  // namespace korvix
