#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTextCursor>

#include <filesystem>

#include "app/command_ids.h"
#include "modal_driver.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/conditional_dlg.h"
#include "ui/conditional_list_dlg.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
#include "ui/script_configuration_dlg.h"
#include "ui/variable_list_dlg.h"
#include "ui/view_subsystems.h"

namespace korvix::testing {
namespace {

// The windows as a user sees them, when KORVIX_SHOT_DIR names a folder.
void Shot(QWidget& window, const char* name) {
  if (qEnvironmentVariableIsSet("KORVIX_SHOT_DIR"))
    window.grab().save(qEnvironmentVariable("KORVIX_SHOT_DIR") + "/" + name + ".png");
}

QPushButton* Button(QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString();
  return nullptr;
}

template <class Dialog>
Dialog* Open(QWidget& frame) {
  for (Dialog* dialog : frame.findChildren<Dialog*>())
    if (dialog->isVisible()) return dialog;
  return nullptr;
}

// The text files live in the current directory.
class ScratchDirectory {
public:
  ScratchDirectory()
      : m_previous(std::filesystem::current_path()),
        m_path(std::filesystem::temp_directory_path() / ("korvix_conditionals_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(m_path);
    std::filesystem::current_path(m_path);
  }
  ~ScratchDirectory() {
    std::filesystem::current_path(m_previous);
    std::filesystem::remove_all(m_path);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

private:
  std::filesystem::path m_previous;
  std::filesystem::path m_path;
};

class ConditionalEditorsUiTest : public ::testing::Test {
protected:
  void SetUp() override { frame.show(); }

  CConditionalEditorsUi& Editors() { return subsystems->ConditionalEditors(); }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& shown : messages.shown) captions.push_back(shown.caption);
    return captions;
  }

  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  BlockWatch mainwindow{frame};
};

TEST_F(ConditionalEditorsUiTest, TheCommandIsOfferedInEditModeOnly) {
  QAction* command = frame.CommandAction(ID_RUNLOOP_CONDITIONALS);
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->text(), "Conditionals");
  doc.m_lockon = 1;
  emit frame.TopMenu(kRunLoopMenu)->aboutToShow();
  EXPECT_FALSE(command->isEnabled());
  doc.m_lockon = 0;
  emit frame.TopMenu(kRunLoopMenu)->aboutToShow();
  EXPECT_TRUE(command->isEnabled());
}

TEST_F(ConditionalEditorsUiTest, NewOpensThePropertiesAndTheListSurvivesExportAndImport) {
  ScratchDirectory scratch;
  QPointer<CConditionalListDlg> list;
  QPointer<CConditionalDlg> properties;
  UserSteps user([&] {
    if (properties) properties->m_open = 0;
    if (list) list->m_open = 0;
  });
  user.Then([&] { return (list = Open<CConditionalListDlg>(frame)); },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              EXPECT_FALSE(Button(*list, "Edit")->isEnabled());
              Button(*list, "New")->click();
            });
  user.Then([&] { return (properties = Open<CConditionalDlg>(frame)); },
            [&] {
              EXPECT_EQ(properties->IdLabelEdit()->text(), "Conditional1");
              properties->ExpressionEdit()->setPlainText("{Tank}>80\nand {Pump}=1");
              Shot(*properties, "conditional_properties");
              Button(*properties, "Close")->click();
            });
  user.Then([&] { return !properties && list->List()->count() == 1; },
            [&] {
              EXPECT_EQ(list->SelectedLine(), "Conditional1");
              EXPECT_TRUE(Button(*list, "Edit")->isEnabled());
              Shot(*list, "conditional_list");
              Button(*list, "Export")->click();
            });
  user.Then([&] { return std::filesystem::exists("Conditionals.txt") && list->isEnabled(); },
            [&] { Button(*list, "Import")->click(); });
  user.Then([&] { return messages.shown.size() == 2 && list->isEnabled(); },
            [&] {
              EXPECT_EQ(list->List()->count(), 1);
              EXPECT_EQ(list->List()->item(0)->text(), "Conditional1");
              Button(*list, "Close")->click();
            });

  Editors().OnRunLoopConditionals();
  EXPECT_TRUE(user.Done());
  EXPECT_FALSE(mainwindow.blocked);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Export Conditional Configuration to File",
                                                  "Import Conditional Configuration from File"}));
  ASSERT_EQ(doc.m_conditionals.Count(), 1);
  EXPECT_EQ(doc.m_conditionals[0].expression, "{Tank} > 80\r\nAND {Pump} = 1");
  ASSERT_EQ(doc.m_scripts.Count(), 1);
  EXPECT_EQ(doc.m_scripts[0].idlabel, std::string("Conditional1") + kActionScriptMarker);
  EXPECT_TRUE(doc.IsModified());
}

// List, Properties, Script Configuration and Variable List open inside one
// another; the main window takes no input until the outermost is gone.
TEST_F(ConditionalEditorsUiTest, PropertiesInsertALabelAndShowTheStepsThatEditScriptAdded) {
  VariableRecord tank;
  tank.idlabel = "Tank";
  doc.m_variables.Add(tank);
  ConditionalRecord alarm;
  alarm.idlabel = "Alarm";
  alarm.expression = "{Tank} > 1";
  doc.m_conditionals.Add(alarm);
  ScriptRecord action;
  action.idlabel = std::string("Alarm") + kActionScriptMarker;
  doc.m_scripts.Add(action);

  ModalDriver<CIdLabelSelectorDlg> selector([](CIdLabelSelectorDlg& dialog) {
    auto* lines = dialog.findChild<QListWidget*>();
    lines->setCurrentItem(lines->findItems("\tTank", Qt::MatchExactly).value(0));
    Button(dialog, "Select")->click();
  });
  QPointer<CConditionalListDlg> list;
  QPointer<CConditionalDlg> properties;
  QPointer<CScriptConfigurationDlg> script;
  QPointer<CVariableListDlg> variables;
  UserSteps user([&] {
    for (QPointer<ModelessEditorDialog> open :
         {QPointer<ModelessEditorDialog>(variables), QPointer<ModelessEditorDialog>(script),
          QPointer<ModelessEditorDialog>(properties), QPointer<ModelessEditorDialog>(list)})
      if (open) open->m_open = 0;
    if (script) script->m_closerequest = 1;
  });
  user.Then([&] { return (list = Open<CConditionalListDlg>(frame)); }, [&] { DoubleClickLine(*list->List(), 0); });
  user.Then([&] { return (properties = Open<CConditionalDlg>(frame)); },
            [&] {
              properties->ExpressionEdit()->setPlainText("{Tank} > 80 AND x = 1");
              QTextCursor cursor = properties->ExpressionEdit()->textCursor();
              cursor.setPosition(16);
              cursor.setPosition(17, QTextCursor::KeepAnchor);
              properties->ExpressionEdit()->setTextCursor(cursor);
              Button(*properties, "Object ID Labels")->click();
              EXPECT_EQ(properties->ExpressionEdit()->toPlainText(), "{Tank} > 80 AND {Tank} = 1");
              EXPECT_EQ(properties->focusWidget(), properties->ExpressionEdit());
              Button(*properties, "Edit Script")->click();
            });
  user.Then([&] { return (script = Open<CScriptConfigurationDlg>(frame)); },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              auto* idlabel = script->findChild<Latin1LineEdit*>();
              ASSERT_NE(idlabel, nullptr);
              EXPECT_FALSE(idlabel->isEnabled());
              QListWidget* palette = script->Palette();
              palette->setCurrentItem(palette->findItems("\tShow Popup Box", Qt::MatchExactly).value(0));
            });
  user.Then([&] { return Button(*script, "Add Step")->isEnabled(); }, [&] { Button(*script, "Add Step")->click(); });
  user.Then([&] { return script->StepList()->count() == 1; }, [&] { Button(*script, "Variables")->click(); });
  user.Then([&] { return (variables = Open<CVariableListDlg>(frame)); },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              Button(*variables, "Close")->click();
            });
  user.Then([&] { return !variables; },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              Button(*script, "Close")->click();
            });
  user.Then([&] { return !script; },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              ASSERT_EQ(properties->StepList()->count(), 1);
              EXPECT_EQ(properties->StepList()->item(0)->text(), "<Show Popup Box>");
              Shot(*properties, "conditional_properties_steps");
              Button(*properties, "Close")->click();
            });
  user.Then([&] { return !properties; },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              EXPECT_EQ(list->SelectedLine(), "Alarm");
              Button(*list, "Close")->click();
            });

  Editors().OnRunLoopConditionals();
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(selector.served, 1);
  EXPECT_FALSE(mainwindow.blocked);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(doc.m_conditionals[0].expression, "{Tank} > 80 AND {Tank} = 1");
  ASSERT_EQ(doc.m_scripts.Count(), 1);
  EXPECT_EQ(doc.m_scripts[0].idlabel, std::string("Alarm") + kActionScriptMarker);
  EXPECT_EQ(doc.m_scripts[0].steps.Count(), 1);
}

}  // namespace
}  // namespace korvix::testing
