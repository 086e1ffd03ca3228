#include "ui/conditional_list_dlg.h"

#include "automationedit/conditional_properties.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Conditional List";
constexpr char kExportText[] = "Export";
constexpr char kImportText[] = "Import";
}  // namespace

CConditionalListDlg::CConditionalListDlg(QWidget* mainwindow)
    : ListEditorDialog(mainwindow, kCaption, kConditionalHelpTopic) {
  AddRequestButton(kExportText, m_exportrequest);
  AddRequestButton(kImportText, m_importrequest);
}

}  // namespace korvix
