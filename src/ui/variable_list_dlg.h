#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/modeless_editor_dialog.h"

class QListWidget;
class QPushButton;

namespace korvix {

// "Variable List": the Variables' labels and the buttons that raise the
// list editor's requests.
class CVariableListDlg final : public ModelessEditorDialog {
  Q_OBJECT

public:
  explicit CVariableListDlg(QWidget* mainwindow);

  // Shows the lines in the order given and selects `selected`, if listed.
  void Fill(const std::vector<std::string>& lines, const std::optional<std::string>& selected);
  std::optional<std::string> SelectedLine() const;
  void SetEnables(bool selection, bool paste);

  int m_newrequest = 0;
  int m_editrequest = 0;
  int m_deleterequest = 0;
  int m_copyrequest = 0;
  int m_pasterequest = 0;

  QListWidget* List() const { return m_list; }

private:
  QListWidget* m_list;
  QPushButton* m_new;
  QPushButton* m_edit;
  QPushButton* m_delete;
  QPushButton* m_copy;
  QPushButton* m_paste;
};

}  // namespace korvix
