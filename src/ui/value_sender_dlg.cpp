#include "ui/value_sender_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "properties/control_properties.h"
#include "ui/choice_controls.h"
#include "ui/control_dlg_parts.h"
#include "ui/latin1_edits.h"

namespace korvix {

template <class Fields>
ValueSenderDlg::ValueSenderDlg(QWidget* parent, MessageSink& messages, const char* caption, const char* helptopic,
                               const ColourChooser& chooser, std::initializer_list<const char*> initmodes,
                               const Fields& fields)
    : PropertyDialog(parent, messages, caption, helptopic) {
  const ScreenTextControls screentext =
      NewScreenTextGroup(this, chooser, fields.title, fields.fontsize, fields.textcolor);
  m_screentext = screentext.group;
  m_title = screentext.title;
  m_fontsize = screentext.fontsize;
  m_textcolor = screentext.textcolor;

  const InitializationControls init =
      NewInitializationGroup(this, initmodes, fields.initmode, fields.startvalue, fields.getcommand, fields.valuetype);
  m_initialization = init.group;
  m_initmode = init.initmode;
  m_startvalue = init.startvalue;
  m_getcommand = init.getcommand;
  m_valuetype = init.valuetype;
}

template <class Fields>
void ValueSenderDlg::AddMonitoringGroup(const char* caption, const Fields& fields, const std::string& namelist) {
  const MonitoringControls monitoring = NewMonitoringGroup(this, caption, fields.responseto, fields.sendvalueto);
  m_monitoring = monitoring.group;
  m_responseto = monitoring.responseto;
  m_sendvalueto = monitoring.sendvalueto;
  AddLabelSelector(m_responseto, namelist);
  AddLabelSelector(m_sendvalueto, namelist);
}

void ValueSenderDlg::LayOut(QGroupBox* communications, std::initializer_list<QWidget*> right) {
  auto* left = new QVBoxLayout;
  left->addWidget(m_screentext);
  left->addWidget(m_initialization);
  left->addWidget(communications);
  left->addStretch(1);
  auto* rightcolumn = new QVBoxLayout;
  rightcolumn->addWidget(m_monitoring);
  for (QWidget* widget : right) rightcolumn->addWidget(widget);
  rightcolumn->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(rightcolumn);
  Body()->addLayout(columns);

  connect(m_initmode, &QButtonGroup::idClicked, this, &ValueSenderDlg::EnableControls);
  connect(m_responseexpected, &QCheckBox::clicked, this, &ValueSenderDlg::EnableControls);
  EnableControls();
}

template <class Fields>
void ValueSenderDlg::ReadShared(Fields& fields) const {
  fields.title = m_title->Text();
  fields.fontsize = m_fontsize->currentIndex();
  fields.textcolor = m_textcolor->Colour();
  fields.initmode = m_initmode->checkedId();
  fields.startvalue = m_startvalue->Text();
  fields.getcommand = m_getcommand->Text();
  fields.valuetype = m_valuetype->currentIndex();
  fields.responseexpected = CheckState(m_responseexpected);
  fields.responseto = m_responseto->Text();
  fields.sendvalueto = m_sendvalueto->Text();
}

template <class Fields>
void ValueSenderDlg::ShowCleaned(const Fields& fields) {
  m_responseto->SetText(fields.responseto);
  m_sendvalueto->SetText(fields.sendvalueto);
  m_startvalue->SetText(fields.startvalue);
  m_getcommand->SetText(fields.getcommand);
}

// The Slider Control offers no "No value used" radio, so its value type
// stays enabled whichever start is chosen.
void ValueSenderDlg::EnableControls() {
  const int initmode = m_initmode->checkedId();
  m_responseto->setEnabled(m_responseexpected->isChecked());
  m_startvalue->setEnabled(initmode == kStartWithValue);
  m_getcommand->setEnabled(initmode == kGetValueFromModule);
  m_valuetype->setEnabled(initmode != kNoValueUsed);
}

template ValueSenderDlg::ValueSenderDlg(QWidget*, MessageSink&, const char*, const char*, const ColourChooser&,
                                        std::initializer_list<const char*>, const RockerSwitchFields&);
template ValueSenderDlg::ValueSenderDlg(QWidget*, MessageSink&, const char*, const char*, const ColourChooser&,
                                        std::initializer_list<const char*>, const SliderControlFields&);
template void ValueSenderDlg::AddMonitoringGroup(const char*, const RockerSwitchFields&, const std::string&);
template void ValueSenderDlg::AddMonitoringGroup(const char*, const SliderControlFields&, const std::string&);
template void ValueSenderDlg::ReadShared(RockerSwitchFields&) const;
template void ValueSenderDlg::ReadShared(SliderControlFields&) const;
template void ValueSenderDlg::ShowCleaned(const RockerSwitchFields&);
template void ValueSenderDlg::ShowCleaned(const SliderControlFields&);

}  // namespace korvix
