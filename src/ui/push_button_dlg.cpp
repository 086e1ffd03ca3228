#include "ui/push_button_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "properties/property_choices.h"
#include "ui/latin1_edits.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Push Button Properties";
constexpr const char* kScreenTextGroup = "Screen Text";
constexpr const char* kPressGroup = "Press-Button Function";
constexpr const char* kReleaseGroup = "Release-Button Function";
constexpr const char* kTitleLabel = "Title";
constexpr const char* kSizeLabel = "Size";
constexpr const char* kColorLabel = "Color";
constexpr const char* kHoldsLabel = "Remain depressed until function has completed";

}  // namespace

CPushButtonDlg::CPushButtonDlg(QWidget* parent, const ColourChooser& chooser, const PushButtonFields& fields,
                               const ActionSlotServices& services)
    : PropertyDialog(parent, services.messages, kCaption, kPushButtonHelpTopic), m_namelist(services.namelist) {
  auto* screentext = new QGroupBox(kScreenTextGroup, this);
  auto* screenform = new QFormLayout(screentext);
  m_title = new Latin1LineEdit(kLabelFieldLimit, screentext);
  m_title->SetText(fields.title);
  m_fontsize = new QComboBox(screentext);
  FillFontSizeCombo(m_fontsize, fields.fontsize);
  m_textcolor = new ColourSwatch(chooser, screentext);
  m_textcolor->SetColour(fields.textcolor);
  screenform->addRow(kTitleLabel, m_title);
  screenform->addRow(kSizeLabel, m_fontsize);
  screenform->addRow(kColorLabel, m_textcolor);
  Body()->addWidget(screentext);

  const auto function = [&](const char* caption, const ActionSlot& slot, int holds, QCheckBox*& holdsbox) {
    auto* group = new QGroupBox(caption, this);
    auto* layout = new QVBoxLayout(group);
    auto* widget = new ActionSlotWidget(this, OkButton(), ActionNumbering::Control, slot, services);
    holdsbox = new QCheckBox(kHoldsLabel, group);
    holdsbox->setChecked(holds != 0);
    layout->addWidget(widget);
    layout->addWidget(holdsbox);
    Body()->addWidget(group);
    AddFocusSelector(widget->m_param, widget->ParameterOpener());
    AddFocusSelector(widget->m_second, widget->SecondOpener());
    return widget;
  };
  m_press = function(kPressGroup, fields.press, fields.pressholds, m_pressholds);
  m_release = function(kReleaseGroup, fields.release, fields.releaseholds, m_releaseholds);
  Body()->addStretch(1);
}

PushButtonFields CPushButtonDlg::Fields() const {
  PushButtonFields fields;
  fields.title = m_title->Text();
  fields.fontsize = m_fontsize->currentIndex();
  fields.textcolor = m_textcolor->Colour();
  fields.press = m_press->Slot();
  fields.pressholds = m_pressholds->isChecked() ? 1 : 0;
  fields.release = m_release->Slot();
  fields.releaseholds = m_releaseholds->isChecked() ? 1 : 0;
  return fields;
}

void CPushButtonDlg::OnOK() {
  OkButton()->setFocus(Qt::OtherFocusReason);
  PushButtonFields fields = Fields();
  const OkCheck<PushButtonField> check = CheckPushButtonFields(fields, m_namelist, Messages());
  m_press->SetSlot(fields.press);
  m_release->SetSlot(fields.release);
  if (check.Accepted())
    EndOk();
  else
    FocusField(FieldEdit(*check.focus), check.guard);
}

QWidget* CPushButtonDlg::FieldEdit(PushButtonField field) const {
  switch (field) {
    case PushButtonField::Title: return m_title;
    case PushButtonField::PressParameter: return m_press->FieldEdit(SlotField::Parameter);
    case PushButtonField::PressSecond: return m_press->FieldEdit(SlotField::Second);
    case PushButtonField::ReleaseParameter: return m_release->FieldEdit(SlotField::Parameter);
    case PushButtonField::ReleaseSecond: return m_release->FieldEdit(SlotField::Second);
  }
  return m_title;
}

}  // namespace korvix
