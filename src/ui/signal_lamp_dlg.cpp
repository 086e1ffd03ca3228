#include "ui/signal_lamp_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QSlider>
#include <array>

#include "properties/property_choices.h"
#include "ui/choice_controls.h"
#include "ui/latin1_edits.h"
#include "ui/state_dlg_parts.h"
#include "ui/value_groups.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Signal Lamp Properties";
constexpr const char* kLampColorLabel = "Lamp Color";
constexpr std::array<const char*, kLampColourChoices> kLampColourNames = {"red", "yellow", "green", "blue", "white"};
constexpr const char* kOffText = "Off";
constexpr const char* kOnText = "On";
constexpr const char* kManualText = "Allow manual operation";
constexpr const char* kFlashingGroup = "Flashing Rate";
constexpr const char* kTurnOnLabel = "Turn-On if a DAQ Module sends this";
constexpr const char* kTurnOffLabel = "Turn-Off if a DAQ Module sends this";
constexpr const char* kToggleLabel = "Toggle state if DAQ Module sends this";

}  // namespace

CSignalLampDlg::CSignalLampDlg(QWidget* parent, MessageSink& messages, const ColourChooser& chooser,
                               const SignalLampFields& fields)
    : PropertyDialog(parent, messages, kCaption, kSignalLampHelpTopic) {
  const ScreenTextControls screentext =
      NewScreenTextGroup(this, chooser, fields.title, fields.fontsize, fields.textcolor);
  m_title = screentext.title;
  m_fontsize = screentext.fontsize;
  m_textcolor = screentext.textcolor;
  Body()->addWidget(screentext.group);

  auto* configuration = new QGroupBox(kStateConfigurationGroup, this);
  auto* configform = new QFormLayout(configuration);
  m_idlabel = NewFieldEdit(kLabelFieldLimit, fields.idlabel, configuration);
  m_lampcolor = NamesCombo(configuration, kLampColourNames, fields.lampcolor);
  m_resetstate = NewRadioGroup(configuration, {kOffText, kOnText}, fields.resetstate);
  auto* resetrow = new QHBoxLayout;
  for (QAbstractButton* radio : m_resetstate->buttons()) resetrow->addWidget(radio);
  resetrow->addStretch(1);
  m_resetonrun = NewCheckBox(kResetOnRunText, fields.resetonrun, configuration);
  m_manualop = NewCheckBox(kManualText, fields.manualop, configuration);
  configform->addRow(kObjectIdLabel, m_idlabel);
  configform->addRow(kLampColorLabel, m_lampcolor);
  configform->addRow(kResetValueLabel, resetrow);
  configform->addRow(m_resetonrun);
  configform->addRow(m_manualop);
  Body()->addWidget(configuration);

  auto* flashing = new QGroupBox(kFlashingGroup, this);
  auto* flashlayout = new QHBoxLayout(flashing);
  m_flashrate = NewTrackBar(kMaxFlashRate, fields.flashrate, flashing);
  flashlayout->addWidget(m_flashrate);
  Body()->addWidget(flashing);

  const ConditionalTextControls texts = NewConditionalTextGroup(this, kTurnOnLabel, fields.ontext, kTurnOffLabel,
                                                                fields.offtext, kToggleLabel, fields.toggletext);
  m_ontext = texts.first;
  m_offtext = texts.second;
  m_toggletext = texts.third;
  Body()->addWidget(texts.group);
  Body()->addStretch(1);
}

SignalLampFields CSignalLampDlg::Fields() const {
  SignalLampFields fields;
  fields.title = m_title->Text();
  fields.fontsize = m_fontsize->currentIndex();
  fields.textcolor = m_textcolor->Colour();
  fields.idlabel = m_idlabel->Text();
  fields.lampcolor = m_lampcolor->currentIndex();
  fields.resetstate = m_resetstate->checkedId();
  fields.resetonrun = CheckState(m_resetonrun);
  fields.manualop = CheckState(m_manualop);
  fields.flashrate = m_flashrate->value();
  fields.ontext = m_ontext->Text();
  fields.offtext = m_offtext->Text();
  fields.toggletext = m_toggletext->Text();
  return fields;
}

void CSignalLampDlg::OnOK() {
  SignalLampFields fields = Fields();
  const OkCheck<StateObjectField> check = CheckSignalLampFields(fields, Messages());
  m_idlabel->SetText(fields.idlabel);
  m_ontext->SetText(fields.ontext);
  m_offtext->SetText(fields.offtext);
  m_toggletext->SetText(fields.toggletext);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus));
}

Latin1LineEdit* CSignalLampDlg::FieldEdit(StateObjectField field) const {
  switch (field) {
    // The lamp's reset value is a pair of radio buttons, which no check
    // refuses.
    case StateObjectField::Title:
    case StateObjectField::ResetValue: return m_title;
    case StateObjectField::IdLabel: return m_idlabel;
    case StateObjectField::FirstText: return m_ontext;
    case StateObjectField::SecondText: return m_offtext;
    case StateObjectField::ThirdText: return m_toggletext;
  }
  return m_title;
}

}  // namespace korvix
