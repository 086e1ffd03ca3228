#include "ui/variable_list_dlg.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Variable List";
constexpr char kHelpPage[] = "LocalVariable.htm";
}  // namespace

CVariableListDlg::CVariableListDlg(QWidget* mainwindow) : ListEditorDialog(mainwindow, kCaption, kHelpPage) {}

}  // namespace korvix
