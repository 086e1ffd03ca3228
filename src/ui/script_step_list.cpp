#include "ui/script_step_list.h"

#include <QListWidget>
#include <QScrollBar>

#include "ui/dialog_units.h"
#include "ui/latin1.h"
#include "ui/tab_stop_delegate.h"

namespace korvix {

QListWidget* NewTabbedList(QWidget* dialog, int tabunits) {
  auto* list = new QListWidget(dialog);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setItemDelegate(new TabStopDelegate(DialogUnitsX(dialog, tabunits), list));
  return list;
}

void FillScriptStepList(QListWidget& list, const std::vector<std::string>& lines, int select) {
  const int top = list.verticalScrollBar()->value();
  list.clear();
  for (const std::string& line : lines) list.addItem(ToQString(line));
  // Laid out now, so that the scroll range already fits the new lines.
  list.doItemsLayout();
  list.verticalScrollBar()->setValue(top);
  if (select >= 0 && select < list.count()) {
    list.setCurrentRow(select, QItemSelectionModel::ClearAndSelect);
  } else {
    list.setCurrentRow(-1);
    list.clearSelection();
  }
}

}  // namespace korvix
