#include "ui/conditional_list_dlg.h"

#include "automationedit/conditional_properties.h"

namespace korvix {

namespace {
constexpr char kCaption[] = "Conditional List";
}  // namespace

CConditionalListDlg::CConditionalListDlg(QWidget* mainwindow)
    : ListEditorDialog(mainwindow, kCaption, kConditionalHelpTopic) {
  AddTextFileButtons(m_exportrequest, m_importrequest);
}

}  // namespace korvix
