#include "ui/function_selector_dlg.h"

#include <QListWidget>

#include "automation/action_codes.h"
#include "properties/function_selector_lines.h"

namespace korvix {

namespace {
constexpr SelectorLook kLook = {"Function Selector", "Available Functions", "Function.htm", 133, 260, 5};
}  // namespace

CFunctionSelectorDlg::CFunctionSelectorDlg(QWidget* parent, int withwaits)
    : SelectorListDialog(parent, kLook, FunctionSelectorLines(withwaits != 0)), m_withwaits(withwaits) {
  // The separators run a little past the list's width; only the names matter.
  List()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

bool CFunctionSelectorDlg::IsChoosable(const std::string& line) const { return !line.empty() && line[0] == '\t'; }

void CFunctionSelectorDlg::Choose(const std::string& line) { m_action = ActionCodeFromName(line, m_withwaits != 0); }

}  // namespace korvix
