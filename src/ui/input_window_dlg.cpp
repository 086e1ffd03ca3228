#include "ui/input_window_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "properties/property_choices.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Input Window Properties";
constexpr const char* kScreenTextGroup = "Screen Text";
constexpr const char* kConfigurationGroup = "Configuration";
constexpr const char* kFunctionGroup = "When a new value is entered, execute this Function";
constexpr const char* kTitleLabel = "Title";
constexpr const char* kSizeLabel = "Size";
constexpr const char* kColorLabel = "Color";
constexpr const char* kTitleWidthLabel = "Title Width";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kKeypadLabel = "Keypad Size";
constexpr const char* kResetValueLabel = "Reset Value";
constexpr const char* kResetOnRunLabel = "Reset when start/stop run loop";

}  // namespace

CInputWindowDlg::CInputWindowDlg(QWidget* parent, const ColourChooser& chooser, const InputWindowFields& fields,
                                 ActionSlotServices services)
    : PropertyDialog(parent, services.messages, kCaption, kInputWindowHelpTopic), m_namelist(services.namelist) {
  auto* screentext = new QGroupBox(kScreenTextGroup, this);
  auto* screenform = new QFormLayout(screentext);
  m_title = new Latin1LineEdit(kLabelFieldLimit, screentext);
  m_title->SetText(fields.title);
  m_fontsize = new QComboBox(screentext);
  FillFontSizeCombo(m_fontsize, fields.fontsize);
  m_inputcolor = new ColourSwatch(chooser, screentext);
  m_inputcolor->SetColour(fields.inputcolor);
  m_titlewidth = new QComboBox(screentext);
  FillWidthCombo(m_titlewidth, kInputWindowMaxTitleWidth, fields.titlewidth);
  screenform->addRow(kTitleLabel, m_title);
  screenform->addRow(kSizeLabel, m_fontsize);
  screenform->addRow(kColorLabel, m_inputcolor);
  screenform->addRow(kTitleWidthLabel, m_titlewidth);
  Body()->addWidget(screentext);

  auto* configuration = new QGroupBox(kConfigurationGroup, this);
  auto* configform = new QFormLayout(configuration);
  m_idlabel = new Latin1LineEdit(kLabelFieldLimit, configuration);
  m_idlabel->SetText(fields.idlabel);
  m_keypad = new QComboBox(configuration);
  for (const char* name : kFontSizeNames) m_keypad->addItem(name);
  m_keypad->addItem(kNoKeypadName);
  m_keypad->setCurrentIndex(fields.keypad);
  m_resetvalue = new Latin1LineEdit(kResetValueLimit, configuration);
  m_resetvalue->SetText(fields.resetvalue);
  m_resetonrun = new QCheckBox(kResetOnRunLabel, configuration);
  m_resetonrun->setChecked(fields.resetonrun != 0);
  configform->addRow(kIdLabelLabel, m_idlabel);
  configform->addRow(kKeypadLabel, m_keypad);
  configform->addRow(kResetValueLabel, m_resetvalue);
  configform->addRow(m_resetonrun);
  Body()->addWidget(configuration);

  auto* function = new QGroupBox(kFunctionGroup, this);
  auto* functionlayout = new QVBoxLayout(function);
  m_slot = new ActionSlotWidget(this, OkButton(), ActionNumbering::Control, fields.slot, std::move(services));
  functionlayout->addWidget(m_slot);
  Body()->addWidget(function);
  Body()->addStretch(1);
  AddFocusSelector(m_slot->m_param, m_slot->ParameterOpener());
  AddFocusSelector(m_slot->m_second, m_slot->SecondOpener());
}

InputWindowFields CInputWindowDlg::Fields() const {
  InputWindowFields fields;
  fields.title = m_title->Text();
  fields.fontsize = m_fontsize->currentIndex();
  fields.inputcolor = m_inputcolor->Colour();
  fields.titlewidth = m_titlewidth->currentIndex();
  fields.idlabel = m_idlabel->Text();
  fields.keypad = m_keypad->currentIndex();
  fields.resetvalue = m_resetvalue->Text();
  fields.resetonrun = m_resetonrun->isChecked() ? 1 : 0;
  fields.slot = m_slot->Slot();
  return fields;
}

void CInputWindowDlg::OnOK() {
  InputWindowFields fields = Fields();
  const OkCheck<InputWindowField> check = CheckInputWindowFields(fields, m_namelist, Messages());
  m_idlabel->SetText(fields.idlabel);
  m_slot->SetSlot(fields.slot);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus), check.guard);
}

QWidget* CInputWindowDlg::FieldEdit(InputWindowField field) const {
  switch (field) {
    case InputWindowField::Title: return m_title;
    case InputWindowField::IdLabel: return m_idlabel;
    case InputWindowField::ResetValue: return m_resetvalue;
    case InputWindowField::Parameter: return m_slot->FieldEdit(SlotField::Parameter);
    case InputWindowField::Second: return m_slot->FieldEdit(SlotField::Second);
  }
  return m_idlabel;
}

}  // namespace korvix
