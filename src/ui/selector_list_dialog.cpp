#include "ui/selector_list_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_units.h"
#include "ui/help.h"
#include "ui/latin1.h"
#include "ui/tab_stop_delegate.h"

namespace korvix {

namespace {
constexpr const char* kCancelText = "Cancel";
constexpr const char* kSelectText = "Select";
}  // namespace

SelectorListDialog::SelectorListDialog(QWidget* parent, const SelectorLook& look, const std::vector<std::string>& lines)
    : QDialog(parent), m_helptopic(look.helptopic) {
  setWindowTitle(QString::fromLatin1(look.caption));

  auto* box = new QGroupBox(QString::fromLatin1(look.grouptitle));
  m_list = new QListWidget;
  m_list->setItemDelegate(new TabStopDelegate(DialogUnitsX(this, look.tabstop), m_list));
  for (const std::string& line : lines) m_list->addItem(ToQString(line));
  auto* inbox = new QVBoxLayout(box);
  inbox->addWidget(m_list);

  m_cancel = new QPushButton(QString::fromLatin1(kCancelText));
  m_cancel->setAutoDefault(false);
  m_select = new QPushButton(QString::fromLatin1(kSelectText));
  m_select->setDefault(true);
  m_select->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_cancel);
  buttons->addWidget(m_select);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box, 1);
  layout->addLayout(buttons);
  setFixedSize(DialogUnitsX(this, look.width), DialogUnitsY(this, look.height));

  connect(m_list, &QListWidget::itemSelectionChanged, this, &SelectorListDialog::OnSelectionChange);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_select, &QPushButton::clicked, this, &SelectorListDialog::OnSelect);
}

// A line that cannot be chosen does not stay selected, so the user never
// sees a selection that Select would refuse.
void SelectorListDialog::OnSelectionChange() {
  const QList<QListWidgetItem*> selected = m_list->selectedItems();
  if (selected.isEmpty()) {
    m_select->setEnabled(false);
  } else if (IsChoosable(FromQString(selected.first()->text()))) {
    m_select->setEnabled(true);
  } else {
    m_list->clearSelection();
  }
}

void SelectorListDialog::OnSelect() {
  const QList<QListWidgetItem*> selected = m_list->selectedItems();
  if (selected.isEmpty()) return;
  Choose(FromQString(selected.first()->text()));
  accept();
}

void SelectorListDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    m_cancel->setFocus(Qt::ShortcutFocusReason);
    ShowHelpTopic(m_helptopic);
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace korvix
