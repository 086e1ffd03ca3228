#include "ui/property_editors_ui.h"

#include "ui/text_box_dlg.h"
#include "ui/text_window_dlg.h"

namespace korvix {

CPropertyEditors::CPropertyEditors(QWidget* parent, PropertyFrame frame, MessageSink& messages, ColourChooser chooser)
    : m_parent(parent), m_frame(frame), m_messages(messages), m_chooser(std::move(chooser)) {}

void CPropertyEditors::EditTextBoxProperties(int index) {
  EditProperties<ScreenObjectKind::TextBox>(m_frame, index, [this](TextBoxFields& fields) {
    CTextBoxDlg dialog(m_parent, m_messages, m_chooser, fields);
    return RunPropertyDialog(dialog, fields);
  });
}

void CPropertyEditors::EditTextWindowProperties(int index) {
  EditProperties<ScreenObjectKind::TextWindow>(m_frame, index, [this](TextWindowFields& fields) {
    CTextWindowDlg dialog(m_parent, m_messages, m_chooser, fields);
    return RunPropertyDialog(dialog, fields);
  });
}

}  // namespace korvix
