#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/command_ids.h"
#include "automation/step_codes.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/color_select.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
#include "ui/script_conditional_dlg.h"
#include "ui/script_configuration_dlg.h"
#include "ui/script_list_dlg.h"
#include "ui/script_step_dlg.h"
#include "ui/script_step_list.h"
#include "ui/view_subsystems.h"

namespace korvix::testing {
namespace {

template <class Dialog>
Dialog* Shown() {
  return qobject_cast<Dialog*>(QApplication::activeModalWidget());
}

template <class Dialog>
Dialog* Open(QWidget& frame) {
  for (Dialog* dialog : frame.findChildren<Dialog*>())
    if (dialog->isVisible()) return dialog;
  return nullptr;
}

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

void PressOn(QWidget& widget) {
  const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
  QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &press);
}

void PressKey(QWidget& window, Qt::Key key) {
  QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class ScriptEditorsUiTest : public ::testing::Test {
protected:
  void SetUp() override { frame.show(); }

  CScriptEditorsUi& Editors() { return subsystems->ScriptEditors(); }
  int AddScript(const std::string& label, std::initializer_list<int> codes) {
    ScriptRecord script;
    script.idlabel = label;
    for (const int code : codes) script.steps.Add(NewScriptStep(code));
    return doc.m_scripts.Add(std::move(script));
  }
  // Closes whatever is open when a step never comes due.
  std::function<void()> GiveUp() {
    return [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      if (auto* list = Open<CScriptListDlg>(frame)) list->m_open = 0;
      if (auto* configuration = Open<CScriptConfigurationDlg>(frame)) configuration->m_open = 0;
    };
  }

  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  BlockWatch mainwindow{frame};
};

TEST_F(ScriptEditorsUiTest, TheListCreatesEditsExportsAndImportsScripts) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("korvix_script_list_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const QString previous = QDir::currentPath();
  QDir::setCurrent(QString::fromStdString(folder.string()));

  CScriptListDlg* list = nullptr;
  CScriptConfigurationDlg* configuration = nullptr;
  int configurations = 0;
  UserSteps user(GiveUp());
  user.Then([&] { return (list = Open<CScriptListDlg>(frame)) != nullptr; },
            [&] {
              EXPECT_TRUE(mainwindow.blocked);
              Button(*list, "New")->click();
            });
  const auto configurationopen = [&] {
    configuration = Open<CScriptConfigurationDlg>(frame);
    return configuration != nullptr;
  };
  user.Then(configurationopen, [&] {
    ++configurations;
    EXPECT_TRUE(mainwindow.blocked);
    EXPECT_EQ(configuration->IdLabel(), "Script1");
    Shot(*configuration, "script_configuration_new");
    Button(*configuration, "Close")->click();
  });
  user.Then([&] { return !Open<CScriptConfigurationDlg>(frame) && list->List()->count() == 1; },
            [&] {
              EXPECT_TRUE(mainwindow.blocked) << "the list is still open";
              EXPECT_EQ(list->List()->item(0)->text(), "Script1");
              EXPECT_EQ(list->SelectedLine(), "Script1");
              Shot(*list, "script_list");
              DoubleClickLine(*list->List(), 0);
            });
  user.Then(configurationopen, [&] {
    ++configurations;
    configuration->ShowIdLabel("Fill");
    PressKey(*configuration, Qt::Key_Escape);
  });
  user.Then([&] { return !Open<CScriptConfigurationDlg>(frame) && list->SelectedLine() == "Fill"; },
            [&] { Button(*list, "Export")->click(); });
  user.Then([&] { return std::filesystem::exists(folder / "Scripts.txt") && list->isEnabled(); },
            [&] {
              EXPECT_EQ(FileBytes(folder / "Scripts.txt"), "\r\nFill\r\n\r\n");
              std::ofstream(folder / "Scripts.txt", std::ios::binary) << "\r\nTank\r\n\r\n\r\nPump\r\n\r\n";
              Button(*list, "Import")->click();
            });
  user.Then([&] { return list->List()->count() == 2 && list->isEnabled(); }, [&] { list->m_open = 0; });

  frame.CommandAction(ID_RUNLOOP_SCRIPTS)->trigger();
  QDir::setCurrent(previous);
  std::filesystem::remove_all(folder);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(configurations, 2);
  EXPECT_FALSE(mainwindow.blocked);
  ASSERT_EQ(doc.m_scripts.Count(), 2);
  EXPECT_EQ(doc.m_scripts[0].idlabel, "Tank");
  EXPECT_EQ(doc.m_scripts[1].idlabel, "Pump");
  ASSERT_EQ(messages.shown.size(), 2u) << "the export and import questions";
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoDefaultNo);
}

TEST_F(ScriptEditorsUiTest, TheConfigurationAddsMovesKeepsItsSizeAndClosesOnEnter) {
  const int script = AddScript("Fill", {kStepPauseMilliseconds, kStepWaitForData});
  profile.WriteProfileInt("ScriptViewDimensions", "Width", 900);
  profile.WriteProfileInt("ScriptViewDimensions", "Height", 480);
  CScriptConfigurationDlg* dialog = nullptr;
  QPushButton* moveup = nullptr;
  UserSteps user(GiveUp());
  user.Then([&] { return (dialog = Open<CScriptConfigurationDlg>(frame)) != nullptr; },
            [&] {
              EXPECT_EQ(dialog->size(), QSize(900, 480));
              EXPECT_EQ(dialog->minimumSize(), QSize(720, 480));
              dialog->resize(100, 100);
              EXPECT_EQ(dialog->size(), QSize(720, 480));
              EXPECT_TRUE(dialog->isEnabled());
              EXPECT_EQ(dialog->Palette()->count(), 65);
              DoubleClickLine(*dialog->Palette(), 8);
              EXPECT_EQ(dialog->m_addstep, 0) << "a separator adds nothing";
              DoubleClickLine(*dialog->Palette(), 9);
            });
  user.Then([&] { return dialog->StepList()->count() == 3; },
            [&] {
              EXPECT_EQ(dialog->StepList()->item(2)->text(), "<Transmit Command> , , Discard");
              EXPECT_EQ(dialog->SelectedStep(), 2);
              EXPECT_EQ(dialog->focusWidget(), Button(*dialog, "Close"));
              moveup = Button(*dialog, "Move Up");
              moveup->setFocus();
              moveup->click();
            });
  user.Then([&] { return dialog->SelectedStep() == 1; },
            [&] {
              EXPECT_EQ(dialog->focusWidget(), moveup);
              EXPECT_EQ(doc.m_scripts[script].steps[1].code, kStepTransmitCommand);
              dialog->ClearPaletteSelection();
            });
  user.Then([&] { return !Button(*dialog, "Add Step")->isEnabled(); }, [&] { dialog->Palette()->setCurrentRow(0); });
  user.Then([&] { return dialog->PaletteLine().empty(); },
            [&] {
              dialog->Palette()->setCurrentRow(1);
              dialog->resize(800, 500);
            });
  user.Then([&] { return Button(*dialog, "Add Step")->isEnabled(); },
            [&] {
              QPushButton* add = Button(*dialog, "Add Step");
              add->setFocus();
              add->click();
              EXPECT_EQ(dialog->focusWidget(), Button(*dialog, "Close"));
            });
  user.Then([&] { return dialog->StepList()->count() == 4; },
            [&] {
              EXPECT_EQ(dialog->StepList()->item(2)->text(), "<IF>");
              EXPECT_EQ(dialog->StepList()->item(3)->text(), "\t<Wait for this Data>");
              Shot(*dialog, "script_configuration");
              PressEnter(*dialog);
            });
  user.Then([&] { return !messages.shown.empty(); },
            [&] {
              EXPECT_EQ(messages.shown.back().text,
                        "<IF> function without a subsequent \r<End IF> function in this grouping level.");
              EXPECT_EQ(dialog->SelectedStep(), 2);
              EXPECT_TRUE(dialog->PaletteLine().empty());
              dialog->StepList()->setCurrentRow(2);
              Button(*dialog, "Delete Step")->click();
            });
  user.Then([&] { return dialog->StepList()->count() == 3; },
            [&] {
              EXPECT_FALSE(dialog->SelectedStep());
              Button(*dialog, "Close")->setFocus();
              PressEnter(*dialog);
            });

  Editors().EditScriptConfiguration(script);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(doc.m_scripts[script].steps.Count(), 3);
  EXPECT_EQ(profile.GetProfileInt("ScriptViewDimensions", "Width"), 800);
  EXPECT_EQ(profile.GetProfileInt("ScriptViewDimensions", "Height"), 500);
  EXPECT_FALSE(mainwindow.blocked);
}

TEST_F(ScriptEditorsUiTest, AnActionScriptOpensWithItsLabelLocked) {
  const std::string label = std::string(70, 'A') + kActionScriptMarker;
  const int script = AddScript(label, {kStepExitScript});
  CScriptConfigurationDlg* dialog = nullptr;
  UserSteps user(GiveUp());
  user.Then([&] { return (dialog = Open<CScriptConfigurationDlg>(frame)) != nullptr; },
            [&] {
              EXPECT_FALSE(dialog->findChild<Latin1LineEdit*>()->isEnabled());
              EXPECT_EQ(dialog->focusWidget(), dialog->StepList());
              dialog->StepList()->setCurrentRow(0);
            });
  user.Then([&] { return Button(*dialog, "Move Up")->isEnabled(); },
            [&] {
              EXPECT_FALSE(Button(*dialog, "Edit Step")->isEnabled());
              PressKey(*dialog, Qt::Key_Escape);
            });
  Editors().EditScriptConfiguration(script);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(doc.m_scripts[script].idlabel, label);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ScriptEditorsUiTest, StepDialogsOpenTheirSelectorOnceColourOnlyMessagesAndDelete) {
  AddScript("Fill", {});
  VariableRecord level;
  level.idlabel = "Level";
  doc.m_variables.Add(level);
  const int script = AddScript("Main", {kStepShowMessage, 4, kStepTransmitCommand});
  CScriptConfigurationDlg* dialog = nullptr;
  int selectors = 0;
  int pickers = 0;
  UserSteps user(GiveUp());
  // Edit Step answers once the loop's pass has seen the selection.
  const auto edit = [&](int row, UserSteps::Ready ready) {
    user.Then(std::move(ready), [&, row] { dialog->StepList()->setCurrentRow(row); });
    user.Then([&, row] { return dialog->SelectedStep() == row && Button(*dialog, "Edit Step")->isEnabled(); },
              [&] { Button(*dialog, "Edit Step")->click(); });
  };
  edit(1, [&] { return (dialog = Open<CScriptConfigurationDlg>(frame)) != nullptr; });
  user.Then([&] { return Shown<CScriptStepDlg>(); },
            [&] {
              CScriptStepDlg& step = *Shown<CScriptStepDlg>();
              EXPECT_FALSE(step.FirstColour()->isEnabled());
              PressOn(*step.FirstColour());
              step.activateWindow();
            });
  user.Then([&] { return Shown<CScriptStepDlg>()->isActiveWindow(); },
            [&] { Shown<CScriptStepDlg>()->FirstField()->setFocus(Qt::MouseFocusReason); });
  user.Then([&] { return Shown<CIdLabelSelectorDlg>(); },
            [&] {
              ++selectors;
              QStringList lines;
              for (QListWidgetItem* item :
                   Shown<CIdLabelSelectorDlg>()->findChild<QListWidget*>()->findItems("*", Qt::MatchWildcard))
                lines << item->text().trimmed();
              EXPECT_TRUE(lines.contains("Fill"));
              EXPECT_FALSE(lines.contains("Level")) << "only the Scripts are offered";
              Shown<CIdLabelSelectorDlg>()->reject();
            });
  user.Then(
      [&] {
        return Shown<CScriptStepDlg>() &&
               Shown<CScriptStepDlg>()->focusWidget() == Shown<CScriptStepDlg>()->FirstField();
      },
      [&] { Shown<CScriptStepDlg>()->FirstField()->setText("Fill"); });
  user.Then([&] { return Shown<CScriptStepDlg>() != nullptr; },
            [&] {
              Shot(*Shown<CScriptStepDlg>(), "script_step_start");
              Shown<CScriptStepDlg>()->OkButton()->click();
            });
  edit(0, [&] { return !Shown<CScriptStepDlg>() && dialog->StepList()->item(1)->text() == "<Start a Script> , Fill"; });
  user.Then([&] { return Shown<CScriptStepDlg>(); },
            [&] {
              CScriptStepDlg& step = *Shown<CScriptStepDlg>();
              EXPECT_TRUE(step.FirstColour()->isEnabled());
              Shot(step, "script_step_message");
              QTimer::singleShot(0, [&] { PressOn(*Shown<CScriptStepDlg>()->FirstColour()); });
            });
  user.Then([&] { return Shown<CColorSelect>(); },
            [&] {
              ++pickers;
              Shown<CColorSelect>()->reject();
            });
  user.Then([&] { return Shown<CScriptStepDlg>(); }, [&] { Shown<CScriptStepDlg>()->reject(); });
  edit(2, [&] { return !Shown<CScriptStepDlg>(); });
  user.Then([&] { return Shown<CScriptStepDlg>(); }, [&] { Shown<CScriptStepDlg>()->DeleteButton()->click(); });
  user.Then([&] { return !Shown<CScriptStepDlg>() && dialog->StepList()->count() == 2; },
            [&] {
              EXPECT_FALSE(dialog->SelectedStep());
              dialog->m_open = 0;
            });

  Editors().EditScriptConfiguration(script);
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(selectors, 1);
  EXPECT_EQ(pickers, 1);
  EXPECT_EQ(doc.m_scripts[script].steps.Count(), 2);
  EXPECT_EQ(doc.m_scripts[script].steps[1].param1, "Fill");
}

TEST_F(ScriptEditorsUiTest, AConditionalStepStoresItsNormalisedExpression) {
  const int script = AddScript("Main", {kStepExitLoopIf});
  UserSteps user(GiveUp());
  user.Then([&] { return Shown<CScriptConditionalDlg>(); },
            [&] {
              CScriptConditionalDlg& dialog = *Shown<CScriptConditionalDlg>();
              EXPECT_FALSE(dialog.DeleteButton()->isVisible());
              dialog.ExpressionField()->setPlainText("{a}>=1 and\n{b}<>2");
              Shot(dialog, "script_conditional");
              dialog.OkButton()->click();
            });
  EXPECT_TRUE(Editors().EditScriptStep(script, 0));
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(doc.m_scripts[script].steps[0].param1, "{a} >= 1 AND\r\n{b} <> 2");
  EXPECT_TRUE(doc.IsModified());
}

TEST(ScriptStepListTest, ARefillKeepsTheTopLineInView) {
  QWidget dialog;
  QListWidget* list = NewTabbedList(&dialog, 10);
  (new QVBoxLayout(&dialog))->addWidget(list);
  dialog.resize(300, 200);
  dialog.show();
  std::vector<std::string> lines;
  for (int i = 0; i < 100; ++i) lines.push_back("<Exit Script> , " + std::to_string(i));
  FillScriptStepList(*list, lines, -1);
  list->scrollToItem(list->item(50), QAbstractItemView::PositionAtTop);
  const int top = list->indexAt(QPoint(2, 2)).row();
  ASSERT_GT(top, 40);
  lines.push_back("<Exit Script>");
  FillScriptStepList(*list, lines, -1);
  EXPECT_EQ(list->indexAt(QPoint(2, 2)).row(), top);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  FillScriptStepList(*list, lines, top + 1);
  EXPECT_EQ(list->indexAt(QPoint(2, 2)).row(), top);
  EXPECT_EQ(list->currentRow(), top + 1);
}

}  // namespace
}  // namespace korvix::testing
