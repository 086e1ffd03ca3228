#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "app/command_ids.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/cpu_usage_dlg.h"
#include "ui/data_polling_dlg.h"
#include "ui/id_label_selector_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
#include "ui/run_loop_init_dlg.h"
#include "ui/variable_dlg.h"
#include "ui/variable_list_dlg.h"
#include "ui/view_subsystems.h"

namespace korvix::testing {
namespace {

template <class Dialog>
Dialog* Shown() {
  return qobject_cast<Dialog*>(QApplication::activeModalWidget());
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

void PressKey(QWidget& window, Qt::Key key) {
  QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
}

class RunLoopSettingsUiTest : public ::testing::Test {
protected:
  void SetUp() override { frame.show(); }

  CRunLoopSettingsUi& Settings() { return subsystems->RunLoopSettings(); }

  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
};

TEST_F(RunLoopSettingsUiTest, TheCommandsAreOfferedInEditModeOnly) {
  const auto enabled = [&] {
    emit frame.TopMenu(kRunLoopMenu)->aboutToShow();
    bool all = true;
    for (CommandId id : {ID_RUNLOOP_INITIALIZATION, ID_RUNLOOP_POLLING_SETUP, ID_RUNLOOP_CPU_USAGE,
                         ID_RUNLOOP_VARIABLES, ID_RUNLOOP_SCRIPTS})
      all = all && frame.CommandAction(id) && frame.CommandAction(id)->isEnabled();
    return all;
  };
  EXPECT_TRUE(enabled());
  doc.m_lockon = 1;
  EXPECT_FALSE(enabled());
  doc.m_lockon = 0;
  EXPECT_EQ(frame.CommandAction(ID_RUNLOOP_VARIABLES)->text(), "Variables");
  EXPECT_EQ(frame.CommandAction(ID_RUNLOOP_SCRIPTS)->text(), "Scripts");
  EXPECT_EQ(frame.CommandAction(ID_RUNLOOP_INITIALIZATION)->text(), "Initialization");
  EXPECT_EQ(frame.CommandAction(ID_RUNLOOP_POLLING_SETUP)->text(), "Polling Setup");
  EXPECT_EQ(frame.CommandAction(ID_RUNLOOP_CPU_USAGE)->text(), "CPU Usage");
}

TEST_F(RunLoopSettingsUiTest, VariableListAddsEditsAndDeletesThroughItsProperties) {
  CVariableListDlg* list = nullptr;
  UserSteps user([&] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    if (list) list->m_open = 0;
  });
  user.Then([&] { return (list = frame.findChild<CVariableListDlg*>()) && list->isVisible(); },
            [&] { Button(*list, "New")->click(); });
  user.Then([&] { return Shown<CVariableDlg>(); },
            [&] {
              CVariableDlg& properties = *Shown<CVariableDlg>();
              EXPECT_EQ(properties.IdLabelEdit()->text(), "Variable1");
              EXPECT_TRUE(properties.DecimalsCombo()->isEnabled());
              properties.FormatCombo()->setCurrentIndex(3);
              emit properties.FormatCombo()->activated(3);
              EXPECT_FALSE(properties.DecimalsCombo()->isEnabled());
              EXPECT_EQ(properties.DecimalsCombo()->currentIndex(), 2);
              properties.IdLabelEdit()->setText("Stopwatch");
              Shot(properties, "variable_properties");
              properties.OkButton()->click();
            });
  user.Then([&] { return !Shown<CVariableDlg>() && list->List()->count() == 1; },
            [&] {
              EXPECT_EQ(list->SelectedLine(), "Stopwatch");
              Shot(*list, "variable_list");
              Button(*list, "Delete")->click();
            });
  user.Then([&] { return list->List()->count() == 0; }, [&] { list->m_open = 0; });

  Settings().OnRunLoopVariables();
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(doc.m_variables.Count(), 0);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RunLoopSettingsUiTest, VariablePropertiesStoreATimerAndItsRestartedValue) {
  VariableRecord tank;
  tank.idlabel = "Tank";
  tank.valuetext = "17";
  doc.m_variables.Add(tank);
  QTimer::singleShot(0, [&] {
    CVariableDlg& properties = *Shown<CVariableDlg>();
    properties.FormatCombo()->setCurrentIndex(3);
    emit properties.FormatCombo()->activated(3);
    properties.OkButton()->click();
  });
  Settings().EditVariableProperties(0);
  EXPECT_EQ(doc.m_variables[0].valueformat, 3);
  EXPECT_EQ(doc.m_variables[0].decimals, 2);
  EXPECT_EQ(doc.m_variables[0].valuetext, "0:00:00.00");
}

TEST_F(RunLoopSettingsUiTest, InitializationOpensTheScriptSelectorOnceAndStoresOnOk) {
  ScriptRecord fill;
  fill.idlabel = "Fill";
  doc.m_scripts.Add(fill);
  doc.m_runinitscript = "Typed";
  int selectors = 0;
  UserSteps user([&] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  user.Then([&] { return Shown<CRunLoopInitDlg>(); },
            [&] {
              CRunLoopInitDlg& dialog = *Shown<CRunLoopInitDlg>();
              Shot(dialog, "run_loop_initialization");
              dialog.activateWindow();
              dialog.InitCommandsEdit()->setFocus(Qt::TabFocusReason);
            });
  user.Then([&] { return Shown<CRunLoopInitDlg>()->isActiveWindow(); },
            [&] { Shown<CRunLoopInitDlg>()->StartScriptEdit()->setFocus(Qt::MouseFocusReason); });
  user.Then([&] { return Shown<CIdLabelSelectorDlg>(); },
            [&] {
              ++selectors;
              QListWidget* lines = Shown<CIdLabelSelectorDlg>()->findChild<QListWidget*>();
              ASSERT_NE(lines, nullptr);
              bool listsfill = false;
              for (int i = 0; i < lines->count(); ++i) listsfill = listsfill || lines->item(i)->text().contains("Fill");
              EXPECT_TRUE(listsfill);
              Shown<CIdLabelSelectorDlg>()->reject();
            });
  user.Then([&] { return Shown<CRunLoopInitDlg>() && !Shown<CIdLabelSelectorDlg>(); },
            [&] {
              CRunLoopInitDlg& dialog = *Shown<CRunLoopInitDlg>();
              EXPECT_EQ(dialog.StartScriptEdit()->text(), "Typed");
              dialog.InitCommandsEdit()->setPlainText("A RD\n\n B RS");
              dialog.OkButton()->click();
            });

  Settings().OnRunLoopInitialization();
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(selectors, 1);
  EXPECT_EQ(doc.m_runinitsend, "ARD\r\nBRS\r\n");
  EXPECT_EQ(doc.m_runinitscript, "Typed");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(RunLoopSettingsUiTest, PollingRefusesAZeroWaitAndPutsTheFocusBack) {
  UserSteps user([&] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  user.Then([&] { return Shown<CDataPollingDlg>(); },
            [&] {
              CDataPollingDlg& dialog = *Shown<CDataPollingDlg>();
              Shot(dialog, "data_polling");
              dialog.FieldEdit(PollingField::Wait)->setText("0");
              dialog.OkButton()->click();
              ASSERT_EQ(messages.shown.size(), 1u);
              EXPECT_EQ(messages.shown[0].text, "Please enter an integer between 1 and 10000000.");
              EXPECT_EQ(dialog.focusWidget(), dialog.FieldEdit(PollingField::Wait));
              EXPECT_TRUE(dialog.isVisible());
              dialog.UseDefaultButton()->click();
              EXPECT_EQ(dialog.FieldEdit(PollingField::Wait)->text(), "2500");
              dialog.reject();
            });
  doc.m_replytimeout = 700;
  Settings().OnRunLoopPollingSetup();
  EXPECT_TRUE(user.Done());
  EXPECT_EQ(doc.m_replytimeout, 700);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(RunLoopSettingsUiTest, CpuUsageStoresOnOkButNotOnEscape) {
  struct Case {
    bool ok;
    int stored;
  } cases[] = {{false, 0}, {true, 1}};
  for (const Case& c : cases) {
    doc.m_reducedcpu = 0;
    QTimer::singleShot(0, [&] {
      CCpuUsageDlg& dialog = *Shown<CCpuUsageDlg>();
      if (c.ok) Shot(dialog, "cpu_usage");
      dialog.ReducedBox()->setChecked(true);
      if (c.ok)
        Button(dialog, "OK")->click();
      else
        PressKey(dialog, Qt::Key_Escape);
    });
    Settings().OnRunLoopCpuUsage();
    EXPECT_EQ(doc.m_reducedcpu, c.stored);
    EXPECT_EQ(doc.IsModified(), c.ok);
  }
}

}  // namespace
}  // namespace korvix::testing
