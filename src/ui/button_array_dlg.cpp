#include "ui/button_array_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "properties/property_choices.h"
#include "ui/help.h"
#include "ui/latin1.h"
#include "ui/latin1_edits.h"
#include "ui/property_dialog.h"

namespace korvix {

namespace {

constexpr const char* kCaption = "Button Array Configuration";
constexpr const char* kInformation =
    "A Button Array is executed by a Conditional, Script, Pushbutton, or another Button Array. At which time, the "
    "active (pushed down) button will determine the course of action.";
constexpr const char* kExecuteLabel = "Execute if selection is changed";
constexpr const char* kIdLabelLabel = "Object ID Label";
constexpr const char* kFontSizeLabel = "Font/Frame Size";
constexpr const char* kListGroup = "Button List";
constexpr const char* kLeftMostLabel = "Left most button";
constexpr const char* kRightMostLabel = "Right most button";
constexpr const char* kModifyGroup = "Modify";
constexpr const char* kAddLabel = "Add Button";
constexpr const char* kEditLabel = "Edit Button";
constexpr const char* kDeleteLabel = "Delete Button";
constexpr const char* kMoveUpLabel = "Move Up";
constexpr const char* kMoveDownLabel = "Move Down";
constexpr const char* kCloseLabel = "Close";

}  // namespace

CButtonArrayDlg::CButtonArrayDlg(QWidget* mainwindow, MessageSink& messages, const ButtonArraySettings& settings)
    : ModelessEditorDialog(mainwindow), m_messages(messages), m_settings(settings) {
  setWindowTitle(kCaption);

  auto* information = new QLabel(kInformation, this);
  information->setWordWrap(true);
  m_executeonchange = new QCheckBox(kExecuteLabel, this);
  m_executeonchange->setChecked(settings.executeonchange != 0);
  m_idlabel = new Latin1LineEdit(kLabelFieldLimit, this);
  m_idlabel->SetText(settings.idlabel);
  m_fontsize = new QComboBox(this);
  FillFontSizeCombo(m_fontsize, settings.fontsize);
  auto* form = new QFormLayout;
  form->addRow(m_executeonchange);
  form->addRow(kIdLabelLabel, m_idlabel);
  form->addRow(kFontSizeLabel, m_fontsize);

  auto* listgroup = new QGroupBox(kListGroup, this);
  auto* listlayout = new QVBoxLayout(listgroup);
  m_list = new QListWidget(listgroup);
  listlayout->addWidget(new QLabel(kLeftMostLabel, listgroup));
  listlayout->addWidget(m_list, 1);
  listlayout->addWidget(new QLabel(kRightMostLabel, listgroup));

  auto* modify = new QGroupBox(kModifyGroup, this);
  auto* modifylayout = new QVBoxLayout(modify);
  m_addbutton = new QPushButton(kAddLabel, modify);
  m_editbutton = new QPushButton(kEditLabel, modify);
  m_deletebutton = new QPushButton(kDeleteLabel, modify);
  m_moveupbutton = new QPushButton(kMoveUpLabel, modify);
  m_movedownbutton = new QPushButton(kMoveDownLabel, modify);
  for (QPushButton* button : {m_addbutton, m_editbutton, m_deletebutton, m_moveupbutton, m_movedownbutton}) {
    button->setAutoDefault(false);
    modifylayout->addWidget(button);
  }
  modifylayout->addStretch(1);

  auto* lists = new QHBoxLayout;
  lists->addWidget(listgroup, 1);
  lists->addWidget(modify);

  m_closebutton = new QPushButton(kCloseLabel, this);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(m_closebutton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(information);
  layout->addLayout(form);
  layout->addLayout(lists, 1);
  layout->addLayout(bottom);

  ConnectRequest(m_addbutton, m_add);
  ConnectRequest(m_editbutton, m_edit);
  ConnectRequest(m_deletebutton, m_delete);
  ConnectRequest(m_moveupbutton, m_moveup);
  ConnectRequest(m_movedownbutton, m_movedown);
  ConnectDoubleClick(m_list, m_edit);
  SetCloseButton(m_closebutton);
  EnableControls();
}

void CButtonArrayDlg::FillButtonList(const std::vector<std::string>& titles, int select) {
  m_list->clear();
  for (const std::string& title : titles) m_list->addItem(ToQString(title));
  if (select >= 0 && select < m_list->count()) m_list->setCurrentRow(select);
}

int CButtonArrayDlg::CurrentLine() const {
  const QList<QListWidgetItem*> selected = m_list->selectedItems();
  return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

void CButtonArrayDlg::EnableControls() {
  const bool line = CurrentLine() >= 0;
  for (QPushButton* button : {m_editbutton, m_deletebutton, m_moveupbutton, m_movedownbutton}) button->setEnabled(line);
}

// F1 reaches the dialog from whichever field has the focus, since none of
// them takes it.
void CButtonArrayDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    m_closebutton->setFocus(Qt::ShortcutFocusReason);
    ShowHelpTopic(kButtonArrayHelpTopic);
    return;
  }
  ModelessEditorDialog::keyPressEvent(event);
}

void CButtonArrayDlg::OnOK() {
  ButtonArraySettings settings;
  settings.idlabel = m_idlabel->Text();
  settings.fontsize = m_fontsize->currentIndex();
  settings.executeonchange = m_executeonchange->isChecked() ? 1 : 0;
  const bool accepted = CheckButtonArraySettings(settings, m_messages);
  m_idlabel->SetText(settings.idlabel);
  if (!accepted) {
    m_idlabel->setFocus(Qt::OtherFocusReason);
    m_idlabel->selectAll();
    return;
  }
  m_settings = settings;
  m_apply = 1;
  m_open = 0;
}

}  // namespace korvix
