#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>
#include <string>

namespace korvix {

// Edits for the 8-bit texts of the project: a character beyond Latin-1
// could not be stored, so it is refused as it is typed or pasted instead of
// turning into "?" later. A length limit only stops typing: a longer text
// that a project file brought is shown whole, for the dialog to refuse on
// OK rather than cut behind the user's back.
class Latin1Validator final : public QValidator {
public:
  Latin1Validator(int limit, QObject* parent) : QValidator(parent), m_limit(limit), m_ceiling(limit) {}
  State validate(QString& input, int& pos) const override;
  // The text the edit now holds; deleting from an over-long text lowers the
  // ceiling again, down to the limit.
  void Follow(const QString& text);

private:
  int m_limit;  // 0: none
  int m_ceiling;
};

bool IsLatin1(const QString& text);

// One line; `limit` 0 is none.
class Latin1LineEdit final : public QLineEdit {
  Q_OBJECT

public:
  explicit Latin1LineEdit(int limit = 0, QWidget* parent = nullptr);
  void SetText(const std::string& text);
  std::string Text() const;

private:
  Latin1Validator* m_validator;
};

// Several lines, Enter starting a new one; the stored "\r\n" line breaks
// are "\n" while shown.
class Latin1TextEdit final : public QPlainTextEdit {
  Q_OBJECT

public:
  explicit Latin1TextEdit(QWidget* parent = nullptr);
  void SetText(const std::string& text);
  std::string Text() const;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace korvix
