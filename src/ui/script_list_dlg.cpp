#include "ui/script_list_dlg.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Script List";
constexpr char kHelpPage[] = "Script.htm";
}  // namespace

CScriptListDlg::CScriptListDlg(QWidget* mainwindow) : ListEditorDialog(mainwindow, kCaption, kHelpPage) {
  AddTextFileButtons(m_exportrequest, m_importrequest);
}

}  // namespace korvix
