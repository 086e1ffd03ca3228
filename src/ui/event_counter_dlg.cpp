#include "ui/event_counter_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/latin1_edits.h"
#include "ui/state_dlg_parts.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Event Counter Properties";
constexpr const char* kManualText = "Show manual edit buttons";
constexpr const char* kIncrementLabel = "Increment if a DAQ Module sends this";
constexpr const char* kDecrementLabel = "Decrement if a DAQ Module sends this";
constexpr const char* kResetLabel = "Reset if a DAQ Module sends this";

}  // namespace

CEventCounterDlg::CEventCounterDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                                   const EventCounterFields& fields)
    : PropertyDialog(parent, messages, kCaption, kEventCounterHelpTopic) {
  const ScreenTextControls screentext =
      NewScreenTextGroup(this, chooser, fields.title, fields.fontsize, fields.textcolor);
  m_title = screentext.title;
  m_fontsize = screentext.fontsize;
  m_textcolor = screentext.textcolor;
  m_titlewidth = AddTitleWidthRow(screentext, fields.titlewidth);
  Body()->addWidget(screentext.group);

  const ResetConfigurationControls configuration = NewResetConfigurationGroup(
      this, fields.idlabel, kNumberFieldLimit, fields.resetvalue, fields.resetonrun, kManualText, fields.manualbuttons);
  m_idlabel = configuration.idlabel;
  m_resetvalue = configuration.resetvalue;
  m_resetonrun = configuration.resetonrun;
  m_manualbuttons = configuration.manualbuttons;
  Body()->addWidget(configuration.group);

  const ConditionalTextControls texts = NewConditionalTextGroup(this, kIncrementLabel, fields.inctext, kDecrementLabel,
                                                                fields.dectext, kResetLabel, fields.resettext);
  m_inctext = texts.first;
  m_dectext = texts.second;
  m_resettext = texts.third;
  Body()->addWidget(texts.group);
  Body()->addStretch(1);
}

EventCounterFields CEventCounterDlg::Fields() const {
  EventCounterFields fields;
  fields.title = m_title->Text();
  fields.fontsize = m_fontsize->currentIndex();
  fields.textcolor = m_textcolor->Colour();
  fields.idlabel = m_idlabel->Text();
  fields.titlewidth = m_titlewidth->currentIndex();
  fields.resetvalue = m_resetvalue->Text();
  fields.resetonrun = CheckState(m_resetonrun);
  fields.manualbuttons = CheckState(m_manualbuttons);
  fields.inctext = m_inctext->Text();
  fields.dectext = m_dectext->Text();
  fields.resettext = m_resettext->Text();
  return fields;
}

void CEventCounterDlg::OnOK() {
  EventCounterFields fields = Fields();
  const OkCheck<StateObjectField> check = CheckEventCounterFields(fields, Messages());
  m_idlabel->SetText(fields.idlabel);
  m_inctext->SetText(fields.inctext);
  m_dectext->SetText(fields.dectext);
  m_resettext->SetText(fields.resettext);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus));
}

Latin1LineEdit* CEventCounterDlg::FieldEdit(StateObjectField field) const {
  switch (field) {
    case StateObjectField::Title: return m_title;
    case StateObjectField::IdLabel: return m_idlabel;
    case StateObjectField::ResetValue: return m_resetvalue;
    case StateObjectField::FirstText: return m_inctext;
    case StateObjectField::SecondText: return m_dectext;
    case StateObjectField::ThirdText: return m_resettext;
  }
  return m_title;
}

}  // namespace korvix
