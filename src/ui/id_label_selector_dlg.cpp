#include "ui/id_label_selector_dlg.h"

#include <QLayout>
#include <QListWidget>

#include "properties/selector_lines.h"

namespace korvix {

namespace {
constexpr SelectorLook kLook = {"ID Label Selector", "ID Labels", "IDLabels.htm", 133, 260, 12};
}  // namespace

CIdLabelSelectorDlg::CIdLabelSelectorDlg(QWidget* parent, std::string namelist, int braces, std::string group)
    : SelectorListDialog(parent, kLook, SelectorLines(namelist, braces != 0, group)),
      m_namelist(std::move(namelist)),
      m_braces(braces),
      m_group(std::move(group)) {
  List()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ShrinkToLines();
}

// A short list would leave an empty well under its lines; the dialog loses
// that height instead.
void CIdLabelSelectorDlg::ShrinkToLines() {
  const int lines = List()->count();
  const int row = lines > 0 ? List()->sizeHintForRow(0) : fontMetrics().height();
  List()->setFixedHeight(row * lines + 1 + 2 * List()->frameWidth());
  const int fitted = layout()->totalSizeHint().height();
  if (fitted < height()) {
    setFixedHeight(fitted);
  } else {
    List()->setMinimumHeight(0);
    List()->setMaximumHeight(QWIDGETSIZE_MAX);
  }
}

bool CIdLabelSelectorDlg::IsChoosable(const std::string& line) const { return IsSelectorEntry(line); }

void CIdLabelSelectorDlg::Choose(const std::string& line) { m_label = SelectedLabel(line, m_braces != 0); }

}  // namespace korvix
