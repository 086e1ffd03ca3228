#pragma once

#include "ui/list_editor_dialog.h"

namespace korvix {

// "Script List": the visible Scripts' labels, the list editor's requests
// and the text file's Export and Import.
class CScriptListDlg final : public ListEditorDialog {
  Q_OBJECT

public:
  explicit CScriptListDlg(QWidget* mainwindow);

  int m_exportrequest = 0;
  int m_importrequest = 0;
};

}  // namespace korvix
