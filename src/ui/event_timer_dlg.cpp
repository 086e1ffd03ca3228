#include "ui/event_timer_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <array>

#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/latin1_edits.h"
#include "ui/state_dlg_parts.h"
#include "ui/value_groups.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Event Timer Properties";
constexpr const char* kTimeFormatLabel = "Time Format";
constexpr const char* kManualText = "Show manual operate buttons";
constexpr const char* kStartLabel = "Start Timer if a DAQ Module sends this";
constexpr const char* kHaltLabel = "Halt Timer if a DAQ Module sends this";
constexpr const char* kResetLabel = "Reset Timer if a DAQ Module sends this";
constexpr const char* kNoteCaption = "Important Note";
constexpr const char* kNoteText =
    "If the Reset Value is non zero, the Timer will \rstart from this value and count down to zero.";
constexpr std::array<const char*, kTimeFormatChoices> kTimeFormatNames = {
    "h:mm", "h:mm:ss", "h:mm:ss.d", "h:mm:ss.dd", "seconds", "seconds.d", "seconds.dd"};

}  // namespace

CEventTimerDlg::CEventTimerDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                               const EventTimerFields& fields)
    : PropertyDialog(parent, messages, kCaption, kEventTimerHelpTopic) {
  const ScreenTextControls screentext =
      NewScreenTextGroup(this, chooser, fields.title, fields.fontsize, fields.textcolor);
  m_title = screentext.title;
  m_fontsize = screentext.fontsize;
  m_textcolor = screentext.textcolor;
  m_titlewidth = AddTitleWidthRow(screentext, fields.titlewidth);
  Body()->addWidget(screentext.group);

  const ResetConfigurationControls configuration = NewResetConfigurationGroup(
      this, fields.idlabel, kTimerResetLimit, fields.resetvalue, fields.resetonrun, kManualText, fields.manualbuttons);
  m_idlabel = configuration.idlabel;
  m_resetvalue = configuration.resetvalue;
  m_resetvalue->installEventFilter(this);
  m_resetonrun = configuration.resetonrun;
  m_manualbuttons = configuration.manualbuttons;
  // The format is read before the reset value it formats, in the tab order
  // too.
  m_timeformat = NamesCombo(configuration.group, kTimeFormatNames, fields.timeformat);
  configuration.form->insertRow(1, kTimeFormatLabel, m_timeformat);
  setTabOrder(m_idlabel, m_timeformat);
  Body()->addWidget(configuration.group);

  const ConditionalTextControls texts = NewConditionalTextGroup(this, kStartLabel, fields.starttext, kHaltLabel,
                                                                fields.halttext, kResetLabel, fields.resettext);
  m_starttext = texts.first;
  m_halttext = texts.second;
  m_resettext = texts.third;
  Body()->addWidget(texts.group);
  Body()->addStretch(1);

  connect(m_timeformat, &QComboBox::currentIndexChanged, this, &CEventTimerDlg::OnTimeFormatChange);
}

EventTimerFields CEventTimerDlg::Fields() const {
  EventTimerFields fields;
  fields.title = m_title->Text();
  fields.fontsize = m_fontsize->currentIndex();
  fields.textcolor = m_textcolor->Colour();
  fields.idlabel = m_idlabel->Text();
  fields.titlewidth = m_titlewidth->currentIndex();
  fields.timeformat = m_timeformat->currentIndex();
  fields.resetvalue = m_resetvalue->Text();
  fields.resetonrun = CheckState(m_resetonrun);
  fields.manualbuttons = CheckState(m_manualbuttons);
  fields.starttext = m_starttext->Text();
  fields.halttext = m_halttext->Text();
  fields.resettext = m_resettext->Text();
  return fields;
}

void CEventTimerDlg::OnTimeFormatChange(int timeformat) {
  if (timeformat < 0) return;
  m_resetvalue->SetText(ReformatTimerResetValue(m_resetvalue->Text(), timeformat));
}

// The note is shown from the event loop: a message box opened inside the
// focus change would leave the field half focused beneath it.
bool CEventTimerDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_resetvalue && event->type() == QEvent::FocusIn && !m_noteshown) {
    m_noteshown = true;
    QMetaObject::invokeMethod(this, &CEventTimerDlg::ShowResetNote, Qt::QueuedConnection);
  }
  return PropertyDialog::eventFilter(watched, event);
}

void CEventTimerDlg::ShowResetNote() {
  Messages().Show(kNoteCaption, kNoteText, MessageIcon::Information);
  m_resetvalue->setFocus(Qt::OtherFocusReason);
}

void CEventTimerDlg::OnOK() {
  EventTimerFields fields = Fields();
  const OkCheck<StateObjectField> check = CheckEventTimerFields(fields, Messages());
  m_idlabel->SetText(fields.idlabel);
  m_starttext->SetText(fields.starttext);
  m_halttext->SetText(fields.halttext);
  m_resettext->SetText(fields.resettext);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus));
}

Latin1LineEdit* CEventTimerDlg::FieldEdit(StateObjectField field) const {
  switch (field) {
    case StateObjectField::Title: return m_title;
    case StateObjectField::IdLabel: return m_idlabel;
    case StateObjectField::ResetValue: return m_resetvalue;
    case StateObjectField::FirstText: return m_starttext;
    case StateObjectField::SecondText: return m_halttext;
    case StateObjectField::ThirdText: return m_resettext;
  }
  return m_title;
}

}  // namespace korvix
