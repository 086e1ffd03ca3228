#pragma once

#include <string>

#include "ui/selector_list_dialog.h"

namespace korvix {

// "Function Selector": picks one action for an action slot, in the full
// numbering (`withwaits` 1, Button Array sub buttons) or in the one without
// the waiting actions. Separator lines cannot be chosen, so Select, and
// with it Enter, does nothing until an action line is selected.
class CFunctionSelectorDlg final : public SelectorListDialog {
  Q_OBJECT

public:
  CFunctionSelectorDlg(QWidget* parent, int withwaits);

  // After Select: the chosen action's code, -1 for a line of no action.
  int m_action = -1;
  int m_withwaits;

private:
  bool IsChoosable(const std::string& line) const override;
  void Choose(const std::string& line) override;
};

}  // namespace korvix
