#include "ui/latin1_edits.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <algorithm>

#include "ui/latin1.h"

namespace korvix {

bool IsLatin1(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QValidator::State Latin1Validator::validate(QString& input, int&) const {
  if (!IsLatin1(input)) return Invalid;
  if (m_limit > 0 && input.size() > m_ceiling) return Invalid;
  return Acceptable;
}

void Latin1Validator::Follow(const QString& text) { m_ceiling = std::max(m_limit, static_cast<int>(text.size())); }

Latin1LineEdit::Latin1LineEdit(int limit, QWidget* parent)
    : QLineEdit(parent), m_validator(new Latin1Validator(limit, this)) {
  setValidator(m_validator);
  connect(this, &QLineEdit::textChanged, m_validator, &Latin1Validator::Follow);
}

// The ceiling rises before the text arrives: an edit that starts out
// refused by its validator would let every later keystroke through.
void Latin1LineEdit::SetText(const std::string& text) {
  const QString shown = ToQString(text);
  m_validator->Follow(shown);
  setText(shown);
}

std::string Latin1LineEdit::Text() const { return FromQString(text()); }

Latin1TextEdit::Latin1TextEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setTabChangesFocus(true);
}

void Latin1TextEdit::SetText(const std::string& text) { setPlainText(ToDisplayText(text)); }

std::string Latin1TextEdit::Text() const { return FromDisplayText(toPlainText()); }

void Latin1TextEdit::keyPressEvent(QKeyEvent* event) {
  if (!IsLatin1(event->text())) {
    event->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void Latin1TextEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (!IsLatin1(event->commitString())) {
    event->accept();
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

bool Latin1TextEdit::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText() && IsLatin1(source->text());
}

void Latin1TextEdit::insertFromMimeData(const QMimeData* source) {
  if (canInsertFromMimeData(source)) insertPlainText(source->text());
}

}  // namespace korvix
