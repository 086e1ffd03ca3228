#include "ui/script_list_dlg.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Script List";
constexpr char kHelpPage[] = "Script.htm";
constexpr char kExportText[] = "Export";
constexpr char kImportText[] = "Import";
}  // namespace

CScriptListDlg::CScriptListDlg(QWidget* mainwindow) : ListEditorDialog(mainwindow, kCaption, kHelpPage) {
  AddRequestButton(kExportText, m_exportrequest);
  AddRequestButton(kImportText, m_importrequest);
}

}  // namespace korvix
