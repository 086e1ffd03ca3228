#include "ui/reference_text_dialog.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialog_units.h"

namespace korvix {

ReferenceTextDialog::ReferenceTextDialog(QWidget* parent, const char* caption, int width, int height)
    : QDialog(parent), m_width(DialogUnitsX(this, width)), m_height(DialogUnitsY(this, height)) {
  setWindowTitle(QString::fromLatin1(caption));
}

void ReferenceTextDialog::FitHeight() {
  const int needed =
      layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(m_width) : layout()->totalSizeHint().height();
  const int width = std::max(m_width, layout()->totalMinimumSize().width());
  setFixedSize(width, std::max(m_height, needed));
}

// Plain text throughout: the operator texts hold "<" and ">".
QLabel* ReferenceTextDialog::Text(const char* text, bool wrap) {
  auto* label = new QLabel(QString::fromLatin1(text));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(wrap);
  return label;
}

QGroupBox* ReferenceTextDialog::Group(const char* title, std::initializer_list<const char*> lines, bool wrap) {
  auto* group = new QGroupBox(QString::fromLatin1(title));
  auto* layout = new QVBoxLayout(group);
  for (const char* line : lines) layout->addWidget(Text(line, wrap));
  return group;
}

// With no button to press, Enter closes as Escape does; nothing else, F1
// included, does anything here.
void ReferenceTextDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace korvix
