#include "ui/action_slot_widget.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "properties/shared_checks.h"
#include "ui/action_dialogs.h"
#include "ui/function_selector_dlg.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"
#include "ui/math_conversion_dlg.h"
#include "ui/selector_fields.h"

namespace korvix {

namespace {

QString WithLineBreaks(std::string_view text) {
  QString shown = ToQString(std::string(text));
  shown.replace(QChar('\r'), QChar('\n'));
  return shown;
}

}  // namespace

ActionCombo::ActionCombo(std::function<void()> choose, QWidget* parent)
    : QComboBox(parent), m_choose(std::move(choose)) {}

void ActionCombo::showPopup() { RequestChoice(); }

// The focus that a window gets back when a dialog over it closes is not the
// user asking for a choice.
void ActionCombo::focusInEvent(QFocusEvent* event) {
  QComboBox::focusInEvent(event);
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) RequestChoice();
}

// Keys and the wheel would step through the actions without the selector,
// leaving the texts of the old action behind.
void ActionCombo::keyPressEvent(QKeyEvent* event) { event->ignore(); }

void ActionCombo::wheelEvent(QWheelEvent* event) { event->ignore(); }

// A click both focuses the combo and asks for its list; the selector opens
// once, from the event loop, after the focus has settled.
void ActionCombo::RequestChoice() {
  if (m_pending) return;
  m_pending = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_pending = false;
        m_choose();
      },
      Qt::QueuedConnection);
}

ActionSlotWidget::ActionSlotWidget(QWidget* dialog, QPushButton* ok, ActionNumbering numbering, const ActionSlot& slot,
                                   ActionSlotServices services)
    : QWidget(dialog), m_dialog(dialog), m_ok(ok), m_numbering(numbering), m_services(std::move(services)) {
  m_action = new ActionCombo([this] { ChooseAction(); }, this);
  for (const ActionInfo& info : ActionCodes())
    if (numbering == ActionNumbering::Array || info.controlcode >= 0)
      m_action->addItem(ToQString(std::string(info.combotext)));
  m_param = new Latin1LineEdit(static_cast<int>(kActionParamLimit), this);
  m_prompt = new QLabel(this);
  m_secondlabel = new QLabel(this);
  m_second = new Latin1LineEdit(static_cast<int>(kActionSecondLimit), this);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(m_action, 0, 0);
  grid->addWidget(m_param, 0, 1);
  grid->addWidget(m_prompt, 1, 0, 1, 2);
  grid->addWidget(m_secondlabel, 2, 0);
  grid->addWidget(m_second, 2, 1);
  grid->setColumnStretch(1, 1);
  SetSlot(slot);
}

ActionSlot ActionSlotWidget::Slot() const {
  ActionSlot slot = m_slot;
  slot.param = m_param->Text();
  slot.second = m_second->Text();
  return slot;
}

void ActionSlotWidget::SetSlot(const ActionSlot& slot) {
  m_slot = slot;
  m_action->setCurrentIndex(FindAction(slot.action, m_numbering) ? slot.action : -1);
  m_param->SetText(slot.param);
  m_second->SetText(slot.second);
  Relay();
}

void ActionSlotWidget::Relay() {
  const ActionSlotLayout& layout = Layout();
  const bool second = !layout.secondlabel.empty();
  m_param->setEnabled(layout.paramenabled);
  m_prompt->setText(WithLineBreaks(layout.prompt));
  m_prompt->setVisible(!second);
  m_secondlabel->setText(WithLineBreaks(layout.secondlabel));
  m_secondlabel->setVisible(second);
  m_second->setVisible(second);
}

void ActionSlotWidget::ChooseAction() {
  m_ok->setFocus(Qt::OtherFocusReason);
  CFunctionSelectorDlg selector(m_dialog, m_numbering == ActionNumbering::Array ? 1 : 0);
  if (selector.exec() != QDialog::Accepted) return;
  ActionSlot slot = Slot();
  slot.Choose(selector.m_action);
  SetSlot(slot);
}

std::function<std::optional<QString>()> ActionSlotWidget::ParameterOpener() {
  return [this]() -> std::optional<QString> {
    const ActionSlotLayout& layout = Layout();
    if (layout.subdialog != SlotSubDialog::None) {
      OpenSubDialog();
      return std::nullopt;
    }
    if (layout.selector != SlotSelector::Parameter) return std::nullopt;
    return ChooseTargetLabel(m_dialog, m_services.namelist, std::string(layout.group));
  };
}

std::function<std::optional<QString>()> ActionSlotWidget::SecondOpener() {
  return [this]() -> std::optional<QString> {
    const ActionSlotLayout& layout = Layout();
    if (layout.subdialog != SlotSubDialog::None) {
      OpenSubDialog();
      return std::nullopt;
    }
    if (layout.formula) {
      CMathConversionDlg conversion(m_dialog, m_services.messages, m_services.namelist, m_second->Text(),
                                    TrimEntry(m_param->Text()), 1);
      if (conversion.exec() != QDialog::Accepted) return std::nullopt;
      return ToQString(conversion.Formula());
    }
    if (layout.selector != SlotSelector::Second) return std::nullopt;
    return ChooseTargetLabel(m_dialog, m_services.namelist, std::string(layout.group));
  };
}

// The sub-dialog's OK changes the project at once, even though the holder's
// dialog may yet be cancelled and its texts lost.
void ActionSlotWidget::OpenSubDialog() {
  m_ok->setFocus(Qt::OtherFocusReason);
  ActionSlot slot = Slot();
  if (Layout().subdialog == SlotSubDialog::Email) {
    if (!EditEmailAction(m_dialog, m_services.messages, m_services.doc, m_services.reports, slot.param, slot.second))
      return;
  } else {
    PrintLabelAction label{slot.param, slot.second, slot.barcode, slot.fontsize, slot.barsize};
    if (!EditPrintLabelAction(m_dialog, m_services.messages, m_services.doc, label)) return;
    slot.param = label.printer;
    slot.second = label.text;
    slot.barcode = label.barcode;
    slot.fontsize = label.fontsize;
    slot.barsize = label.barsize;
  }
  SetSlot(slot);
  m_services.doc.SetModifiedFlag();
}

Latin1LineEdit* ActionSlotWidget::FieldEdit(SlotField field) const {
  return field == SlotField::Parameter ? m_param : m_second;
}

}  // namespace korvix
