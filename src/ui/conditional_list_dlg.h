#pragma once

#include "ui/list_editor_dialog.h"

namespace korvix {

// "Conditional List": the Conditionals' labels, the list editor's requests
// and the text file's Export and Import.
class CConditionalListDlg final : public ListEditorDialog {
  Q_OBJECT

public:
  explicit CConditionalListDlg(QWidget* mainwindow);

  int m_exportrequest = 0;
  int m_importrequest = 0;
};

}  // namespace korvix
