#pragma once

#include <QComboBox>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "automation/action_codes.h"
#include "document/korvix_doc.h"
#include "executors/outside_actions.h"
#include "platform/message_sink.h"
#include "properties/action_slot_check.h"
#include "properties/action_slot_layout.h"

class QLabel;
class QPushButton;

namespace korvix {

class Latin1LineEdit;

// An action combo that never drops its list: a click or the focus asks for
// the Function Selector instead, once per gesture.
class ActionCombo final : public QComboBox {
  Q_OBJECT

public:
  ActionCombo(std::function<void()> choose, QWidget* parent);
  void showPopup() override;

protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  void RequestChoice();

  std::function<void()> m_choose;
  bool m_pending = false;
};

// What an action slot's sub-dialogs need: the project that their OK marks
// modified at once, the mail reports that "Test" sends through, and the
// name list of the selectors and checks.
struct ActionSlotServices {
  MessageSink& messages;
  CKorvixDoc& doc;
  EmailReporter& reports;
  std::string namelist;
};

// The controls of one action slot: the action combo with the parameter
// beside it, and below them the prompt or information line, or the second
// field with its label, as the action wants them. The dialog that holds it
// hands the two openers to its focus selectors, so a refused entry's guard
// keeps them shut as it does any selector.
class ActionSlotWidget final : public QWidget {
  Q_OBJECT

public:
  ActionSlotWidget(QWidget* dialog, QPushButton* ok, ActionNumbering numbering, const ActionSlot& slot,
                   ActionSlotServices services);

  // The texts as the controls hold them, with the action and the print
  // settings.
  ActionSlot Slot() const;
  // Shows `slot` and lays the controls out for its action.
  void SetSlot(const ActionSlot& slot);

  // What the parameter and the second field open when the user moves into
  // them; a text returned replaces the field's.
  std::function<std::optional<QString>()> ParameterOpener();
  std::function<std::optional<QString>()> SecondOpener();

  Latin1LineEdit* FieldEdit(SlotField field) const;

  ActionCombo* m_action;
  Latin1LineEdit* m_param;
  QLabel* m_prompt;
  QLabel* m_secondlabel;
  Latin1LineEdit* m_second;

private:
  const ActionSlotLayout& Layout() const { return LayoutOfAction(m_slot.action, m_numbering); }
  void Relay();
  void ChooseAction();
  void OpenSubDialog();

  QWidget* m_dialog;
  QPushButton* m_ok;
  ActionNumbering m_numbering;
  ActionSlotServices m_services;
  // The action and print settings; the texts live in the edits.
  ActionSlot m_slot;
};

}  // namespace korvix
