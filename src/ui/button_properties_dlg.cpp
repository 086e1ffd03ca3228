#include "ui/button_properties_dlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "properties/property_choices.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Button Properties";
constexpr const char* kTextGroup = "Text Attributes";
constexpr const char* kFunctionGroup = "Button Function";
constexpr const char* kTitleLabel = "Title";
constexpr const char* kColorLabel = "Color";

}  // namespace

CButtonPropertiesDlg::CButtonPropertiesDlg(QWidget* parent, const ColourChooser& chooser,
                                           const ArrayButtonFields& fields, const ActionSlotServices& services)
    : PropertyDialog(parent, services.messages, kCaption, kButtonArrayHelpTopic), m_namelist(services.namelist) {
  auto* text = new QGroupBox(kTextGroup, this);
  auto* textform = new QFormLayout(text);
  m_title = new Latin1LineEdit(kLabelFieldLimit, text);
  m_title->SetText(fields.title);
  m_textcolor = new ColourSwatch(chooser, text);
  m_textcolor->SetColour(fields.textcolor);
  textform->addRow(kTitleLabel, m_title);
  textform->addRow(kColorLabel, m_textcolor);
  Body()->addWidget(text);

  auto* function = new QGroupBox(kFunctionGroup, this);
  auto* functionlayout = new QVBoxLayout(function);
  m_slot = new ActionSlotWidget(this, OkButton(), ActionNumbering::Array, fields.slot, services);
  functionlayout->addWidget(m_slot);
  Body()->addWidget(function);
  Body()->addStretch(1);
  AddFocusSelector(m_slot->m_param, m_slot->ParameterOpener());
  AddFocusSelector(m_slot->m_second, m_slot->SecondOpener());
}

ArrayButtonFields CButtonPropertiesDlg::Fields() const {
  return {m_title->Text(), m_textcolor->Colour(), m_slot->Slot()};
}

void CButtonPropertiesDlg::OnOK() {
  OkButton()->setFocus(Qt::OtherFocusReason);
  ArrayButtonFields fields = Fields();
  const OkCheck<ArrayButtonField> check = CheckArrayButtonFields(fields, m_namelist, Messages());
  m_title->SetText(fields.title);
  m_slot->SetSlot(fields.slot);
  if (check.Accepted()) {
    EndOk();
    return;
  }
  if (*check.focus == ArrayButtonField::Title)
    FocusField(m_title);
  else
    FocusField(
        m_slot->FieldEdit(*check.focus == ArrayButtonField::Parameter ? SlotField::Parameter : SlotField::Second),
        check.guard);
}

}  // namespace korvix
