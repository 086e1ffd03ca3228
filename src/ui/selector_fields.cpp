#include "ui/selector_fields.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "ui/global_variables_dlg.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/latin1.h"
#include "ui/math_function_dlg.h"

namespace korvix {

namespace {

struct FieldState {
  int length = 0;
  int selstart = 0;
  int selend = 0;
};

FieldState StateOf(QWidget* field) {
  if (auto* line = qobject_cast<QLineEdit*>(field)) {
    if (!line->hasSelectedText())
      return {static_cast<int>(line->text().size()), line->cursorPosition(), line->cursorPosition()};
    return {static_cast<int>(line->text().size()), line->selectionStart(), line->selectionEnd()};
  }
  auto* text = qobject_cast<QPlainTextEdit*>(field);
  const QTextCursor cursor = text->textCursor();
  return {text->document()->characterCount() - 1, cursor.selectionStart(), cursor.selectionEnd()};
}

void Insert(QWidget* field, SelectorInsertion kind, const std::string& chosen) {
  const FieldState state = StateOf(field);
  field->setFocus(Qt::OtherFocusReason);
  ApplyFieldChange(field, PlanSelectorInsertion(kind, state.length, state.selstart, state.selend, chosen));
}

}  // namespace

// A line edit takes the text whole, beyond its typing limit if need be, so
// that the dialog's OK reports the length rather than a part vanishing.
void ApplyFieldChange(QWidget* field, const FieldChange& change) {
  const QString text = ToQString(change.text);
  if (auto* line = qobject_cast<QLineEdit*>(field)) {
    QString whole = line->text();
    whole.replace(change.from, change.to - change.from, text);
    line->setText(whole);
    line->setCursorPosition(change.caret);
    return;
  }
  auto* edit = qobject_cast<QPlainTextEdit*>(field);
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(change.from);
  cursor.setPosition(change.to, QTextCursor::KeepAnchor);
  cursor.insertText(text);
  cursor.setPosition(change.caret);
  edit->setTextCursor(cursor);
}

bool InsertLabelReference(QWidget* field, const std::string& namelist) {
  CIdLabelSelectorDlg selector(field->window(), namelist, 1);
  if (selector.exec() != QDialog::Accepted) return false;
  Insert(field, SelectorInsertion::LabelReference, selector.Label());
  return true;
}

std::optional<QString> ChooseTargetLabel(QWidget* parent, const std::string& namelist, const std::string& group) {
  CIdLabelSelectorDlg selector(parent, namelist, 0, group);
  if (selector.exec() != QDialog::Accepted) return std::nullopt;
  return ToQString(selector.Label());
}

void OfferTargetLabel(QWidget* field, const std::string& namelist, const std::string& group) {
  if (const std::optional<QString> label = ChooseTargetLabel(field->window(), namelist, group)) {
    const FieldState state = StateOf(field);
    ApplyFieldChange(field, PlanSelectorInsertion(SelectorInsertion::TargetLabel, state.length, state.selstart,
                                                  state.selend, FromQString(*label)));
  }
}

void InsertMathFunction(QWidget* field) {
  CMathFunctionDlg selector(field->window());
  if (selector.exec() == QDialog::Accepted) Insert(field, SelectorInsertion::MathFunction, selector.Function());
}

void ShowGlobalVariables(QWidget* parent, QWidget* next) {
  CGlobalVariablesDlg reference(parent);
  reference.exec();
  next->setFocus(Qt::OtherFocusReason);
}

}  // namespace korvix
