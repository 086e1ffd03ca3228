#pragma once

#include "ui/list_editor_dialog.h"

namespace korvix {

// "Variable List": the Variables' labels and the buttons that raise the
// list editor's requests.
class CVariableListDlg final : public ListEditorDialog {
  Q_OBJECT

public:
  explicit CVariableListDlg(QWidget* mainwindow);
};

}  // namespace korvix
