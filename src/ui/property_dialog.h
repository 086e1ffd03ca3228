#pragma once

#include <QDialog>
#include <QLayout>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/message_sink.h"
#include "properties/property_frame.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace korvix {

// The frame of every property dialog: the fields that a derived dialog lays
// into Body(), the buttons OK, Cancel and Delete at the right, F1 for the
// dialog's help page, and the focus rules of refused entries and of edits
// that open a selector. OK runs OnOK(), which ends the dialog through
// EndOk() once its checks pass.
class PropertyDialog : public QDialog {
  Q_OBJECT

public:
  // Set by Delete, which then closes the dialog as Cancel does.
  int m_delete = 0;
  // The edit whose selector is open, or that must not open it when it gets
  // the focus next.
  QWidget* m_selectorctl = nullptr;

  QPushButton* OkButton() const { return m_okbutton; }
  QPushButton* DeleteButton() const { return m_deletebutton; }

protected:
  PropertyDialog(QWidget* parent, MessageSink& messages, const char* caption, std::string helptopic);

  QVBoxLayout* Body() const { return m_body; }
  MessageSink& Messages() const { return m_messages; }

  virtual void OnOK() { EndOk(); }
  void EndOk() { QDialog::accept(); }

  // A field that a check refused gets the focus back, its text selected.
  // With `guard` the selector that the field opens on focus stays shut this
  // once, so the user can mend the text the selector would replace.
  void FocusField(QWidget* field, bool guard = false);

  // Whenever the user moves into `edit`, `selector` runs; a text it returns
  // replaces the edit's.
  void AddFocusSelector(QLineEdit* edit, std::function<std::optional<QString>()> selector);
  // A field that names an object or a variable: the ID Label Selector over
  // `namelist`.
  void AddLabelSelector(QLineEdit* edit, const std::string& namelist);
  // The math formula: the Math Conversion dialog, its target fixed to the
  // ID Label that `idlabel` holds at that moment.
  void AddFormulaSelector(QLineEdit* formula, QLineEdit* idlabel, const std::string& namelist);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void accept() final { OnOK(); }
  void OnDelete();
  void OnHelp();
  void OpenSelector(QLineEdit* edit);

  MessageSink& m_messages;
  std::string m_helptopic;
  QVBoxLayout* m_body;
  QPushButton* m_okbutton;
  QPushButton* m_deletebutton;
  std::vector<std::pair<QLineEdit*, std::function<std::optional<QString>()>>> m_selectors;
};

// Runs a property dialog; its fields come back into `fields` only with OK.
template <class Dialog, class Fields>
DialogOutcome RunPropertyDialog(Dialog& dialog, Fields& fields) {
  DialogOutcome outcome;
  outcome.ok = dialog.exec() == QDialog::Accepted;
  if (outcome.ok) fields = dialog.Fields();
  outcome.remove = dialog.m_delete != 0;
  return outcome;
}

// The five font sizes, largest first; index -1 shows none.
void FillFontSizeCombo(QComboBox* combo, int index);
// The character widths "1" to `maximum`; index -1 shows none.
void FillWidthCombo(QComboBox* combo, int maximum, int index);
// A button beside the fields that never takes Enter from OK.
QPushButton* AddSideButton(const char* text, QWidget* parent, QLayout* row);

}  // namespace korvix
