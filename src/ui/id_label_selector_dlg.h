#pragma once

#include <string>

#include "ui/selector_list_dialog.h"

namespace korvix {

// Picks one ID Label from a name list. With `braces` the label comes back in
// curly braces and the global variables are offered; a `group` header such
// as "<Scripts>" offers that group alone.
class CIdLabelSelectorDlg final : public SelectorListDialog {
  Q_OBJECT

public:
  CIdLabelSelectorDlg(QWidget* parent, std::string namelist, int braces, std::string group = {});

  // The chosen label, after Select.
  const std::string& Label() const { return m_label; }

private:
  bool IsChoosable(const std::string& line) const override;
  void Choose(const std::string& line) override;
  void ShrinkToLines();

  std::string m_namelist;
  std::string m_label;
  int m_braces;
  std::string m_group;
};

}  // namespace korvix
