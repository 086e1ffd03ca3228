#include "ui/slider_control_dlg.h"

#include <QButtonGroup>
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
    : PropertyDialog(parent, messages, kCaption, kSliderControlHelpTopic) {
  const ScreenTextControls screentext =
      NewScreenTextGroup(this, chooser, fields.title, fields.fontsize, fields.textcolor);
  m_title = screentext.title;
  m_fontsize = screentext.fontsize;
  m_textcolor = screentext.textcolor;

  const InitializationControls init =
      NewInitializationGroup(this, {kStartWithValueText, kGetValueText}, fields.initmode, fields.startvalue,
                             fields.getcommand, fields.valuetype);
  m_initmode = init.initmode;
  m_startvalue = init.startvalue;
  m_getcommand = init.getcommand;
  m_valuetype = init.valuetype;

  auto* communications = new QGroupBox(kCommunicationsGroup, this);
  auto* commlayout = new QVBoxLayout(communications);
  m_responseexpected = NewCheckBox(kResponseExpectedText, fields.responseexpected, communications);
  m_continuoussend = NewCheckBox(kContinuousText, fields.continuoussend, communications);
  commlayout->addWidget(m_responseexpected);
  commlayout->addWidget(m_continuoussend);

  const MonitoringControls monitoring =
      NewMonitoringGroup(this, kMonitoringGroup, fields.responseto, fields.sendvalueto);
  m_responseto = monitoring.responseto;
  m_sendvalueto = monitoring.sendvalueto;
  AddLabelSelector(m_responseto, namelist);
  AddLabelSelector(m_sendvalueto, namelist);

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

  auto* left = new QVBoxLayout;
  left->addWidget(screentext.group);
  left->addWidget(init.group);
  left->addWidget(communications);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(monitoring.group);
  right->addWidget(configuration);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  Body()->addLayout(columns);

  connect(m_initmode, &QButtonGroup::idClicked, this, &CSliderControlDlg::EnableControls);
  connect(m_responseexpected, &QCheckBox::clicked, this, &CSliderControlDlg::EnableControls);
  EnableControls();
}

SliderControlFields CSliderControlDlg::Fields() const {
  SliderControlFields fields;
  fields.title = m_title->Text();
  fields.fontsize = m_fontsize->currentIndex();
  fields.textcolor = m_textcolor->Colour();
  fields.initmode = m_initmode->checkedId();
  fields.startvalue = m_startvalue->Text();
  fields.getcommand = m_getcommand->Text();
  fields.valuetype = m_valuetype->currentIndex();
  fields.responseexpected = CheckState(m_responseexpected);
  fields.continuoussend = CheckState(m_continuoussend);
  fields.responseto = m_responseto->Text();
  fields.sendvalueto = m_sendvalueto->Text();
  fields.tickmarks = m_tickmarks->currentIndex();
  fields.showvalues = CheckState(m_showvalues);
  fields.topvalue = m_topvalue->Text();
  fields.bottomvalue = m_bottomvalue->Text();
  fields.sendprefix = m_sendprefix->Text();
  return fields;
}

void CSliderControlDlg::EnableControls() {
  const int initmode = m_initmode->checkedId();
  m_responseto->setEnabled(m_responseexpected->isChecked());
  m_startvalue->setEnabled(initmode == kStartWithValue);
  m_getcommand->setEnabled(initmode == kGetValueFromModule);
}

void CSliderControlDlg::OnOK() {
  SliderControlFields fields = Fields();
  const OkCheck<SliderControlField> check = CheckSliderControlFields(fields, Messages());
  m_responseto->SetText(fields.responseto);
  m_sendvalueto->SetText(fields.sendvalueto);
  m_startvalue->SetText(fields.startvalue);
  m_getcommand->SetText(fields.getcommand);
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
