#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace korvix {

struct SelectorLook {
  const char* caption;
  const char* grouptitle;
  const char* helptopic;
  int width;  // dialog units
  int height;
  int tabstop;
};

// What the selectors share: a framed list whose lines hold TABs, "Cancel"
// and a default "Select" that is enabled only while a line that can be
// chosen is selected, and F1 for the help page.
class SelectorListDialog : public QDialog {
  Q_OBJECT

protected:
  SelectorListDialog(QWidget* parent, const SelectorLook& look, const std::vector<std::string>& lines);

  QListWidget* List() const { return m_list; }

  virtual bool IsChoosable(const std::string& line) const = 0;
  // Keeps the result of the chosen line; the dialog then closes with Select.
  virtual void Choose(const std::string& line) = 0;

  void keyPressEvent(QKeyEvent* event) override;

private:
  void OnSelectionChange();
  void OnSelect();

  std::string m_helptopic;
  QListWidget* m_list;
  QPushButton* m_cancel;
  QPushButton* m_select;
};

}  // namespace korvix
