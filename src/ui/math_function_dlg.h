#pragma once

#include <string>

#include "ui/selector_list_dialog.h"

namespace korvix {

// Picks one of the sixteen formula functions, each shown with what it does.
class CMathFunctionDlg final : public SelectorListDialog {
  Q_OBJECT

public:
  explicit CMathFunctionDlg(QWidget* parent);

  // The chosen function with room for its argument, as "$ABS(  )", after
  // Select.
  const std::string& Function() const { return m_function; }

private:
  bool IsChoosable(const std::string& line) const override;
  void Choose(const std::string& line) override;

  std::string m_function;
};

}  // namespace korvix
