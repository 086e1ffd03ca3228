#pragma once

#include <string>
#include <vector>

#include "platform/message_sink.h"
#include "properties/button_array_properties.h"
#include "ui/modeless_editor_dialog.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;

namespace korvix {

class Latin1LineEdit;

// "Button Array Configuration": the array's ID Label, size and execute
// flag, which "Close" hands back once the label passes its check, and the
// list of its sub buttons, whose buttons only raise requests for the view
// function to serve at once.
class CButtonArrayDlg final : public ModelessEditorDialog {
  Q_OBJECT

public:
  CButtonArrayDlg(QWidget* mainwindow, MessageSink& messages, const ButtonArraySettings& settings);

  // The settings as "Close" accepted them.
  const ButtonArraySettings& Settings() const { return m_settings; }

  // The sub-button titles in order, `select` selected (-1: none).
  void FillButtonList(const std::vector<std::string>& titles, int select);
  // The selected line, -1 when none.
  int CurrentLine() const;
  // The buttons that act on a line are enabled while one is selected.
  void EnableControls();

  void accept() override { OnOK(); }

  int m_apply = 0;
  int m_add = 0;
  int m_delete = 0;
  int m_edit = 0;
  int m_movedown = 0;
  int m_moveup = 0;

  QCheckBox* m_executeonchange;
  Latin1LineEdit* m_idlabel;
  QComboBox* m_fontsize;
  QListWidget* m_list;
  QPushButton* m_addbutton;
  QPushButton* m_editbutton;
  QPushButton* m_deletebutton;
  QPushButton* m_moveupbutton;
  QPushButton* m_movedownbutton;
  QPushButton* m_closebutton;

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  void OnOK();

  MessageSink& m_messages;
  ButtonArraySettings m_settings;
};

}  // namespace korvix
