#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/modeless_editor_dialog.h"

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace korvix {

// The window of a list editor: the sorted labels under "Selection List",
// the buttons of "Modify" that raise the list editor's requests, and
// "Close". A double-click on a label asks for Edit.
class ListEditorDialog : public ModelessEditorDialog {
  Q_OBJECT

public:
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

protected:
  ListEditorDialog(QWidget* mainwindow, const char* caption, const char* helppage);

  // Export and Import of the list's text file, below "Modify".
  void AddTextFileButtons(int& exportrequest, int& importrequest);

private:
  void AddRequestButton(const char* text, int& flag);

  QListWidget* m_list;
  QPushButton* m_edit;
  QPushButton* m_delete;
  QPushButton* m_copy;
  QPushButton* m_paste;
  QVBoxLayout* m_side;
};

}  // namespace korvix
