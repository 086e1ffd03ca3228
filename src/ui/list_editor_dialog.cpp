#include "ui/list_editor_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help.h"
#include "ui/latin1.h"

namespace korvix {

namespace {
constexpr char kSelectionGroup[] = "Selection List";
constexpr char kModifyGroup[] = "Modify";
constexpr char kNewText[] = "New";
constexpr char kEditText[] = "Edit";
constexpr char kDeleteText[] = "Delete";
constexpr char kCopyText[] = "Copy";
constexpr char kPasteText[] = "Paste";
constexpr char kCloseText[] = "Close";
constexpr char kExportText[] = "Export";
constexpr char kImportText[] = "Import";
}  // namespace

ListEditorDialog::ListEditorDialog(QWidget* mainwindow, const char* caption, const char* helppage)
    : ModelessEditorDialog(mainwindow),
      m_list(new QListWidget),
      m_edit(new QPushButton(kEditText)),
      m_delete(new QPushButton(kDeleteText)),
      m_copy(new QPushButton(kCopyText)),
      m_paste(new QPushButton(kPasteText)),
      m_side(new QVBoxLayout) {
  setWindowTitle(caption);
  auto* selection = new QGroupBox(kSelectionGroup);
  (new QVBoxLayout(selection))->addWidget(m_list);
  auto* modify = new QGroupBox(kModifyGroup);
  auto* buttons = new QVBoxLayout(modify);
  auto* newbutton = new QPushButton(kNewText);
  for (QPushButton* button : {newbutton, m_edit, m_delete, m_copy, m_paste}) buttons->addWidget(button);
  m_side->addWidget(modify);
  m_side->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addWidget(selection, 1);
  columns->addLayout(m_side);
  auto* close = new QPushButton(kCloseText);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(close, 0, Qt::AlignRight);

  ConnectRequest(newbutton, m_newrequest);
  ConnectRequest(m_edit, m_editrequest);
  ConnectRequest(m_delete, m_deleterequest);
  ConnectRequest(m_copy, m_copyrequest);
  ConnectRequest(m_paste, m_pasterequest);
  ConnectDoubleClick(m_list, m_editrequest);
  SetCloseButton(close);
  AddHelpKey(this, helppage);
}

void ListEditorDialog::AddTextFileButtons(int& exportrequest, int& importrequest) {
  AddRequestButton(kExportText, exportrequest);
  AddRequestButton(kImportText, importrequest);
}

void ListEditorDialog::AddRequestButton(const char* text, int& flag) {
  auto* button = new QPushButton(text);
  m_side->insertWidget(m_side->count() - 1, button);
  ConnectRequest(button, flag);
}

void ListEditorDialog::Fill(const std::vector<std::string>& lines, const std::optional<std::string>& selected) {
  m_list->clear();
  int row = -1;
  for (const std::string& line : lines) {
    if (row < 0 && selected && line == *selected) row = m_list->count();
    m_list->addItem(ToQString(line));
  }
  m_list->setCurrentRow(row);
  if (row < 0) m_list->clearSelection();
}

std::optional<std::string> ListEditorDialog::SelectedLine() const {
  const QList<QListWidgetItem*> items = m_list->selectedItems();
  if (items.isEmpty()) return std::nullopt;
  return FromQString(items.front()->text());
}

void ListEditorDialog::SetEnables(bool selection, bool paste) {
  m_edit->setEnabled(selection);
  m_delete->setEnabled(selection);
  m_copy->setEnabled(selection);
  m_paste->setEnabled(paste);
}

}  // namespace korvix
