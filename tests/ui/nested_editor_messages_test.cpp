#include <gtest/gtest.h>
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>

#include "document/automation_records.h"
#include "modal_driver.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "ui/conditional_dlg.h"
#include "ui/conditional_list_dlg.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
#include "ui/qt_message_sink.h"
#include "ui/script_configuration_dlg.h"
#include "ui/script_list_dlg.h"
#include "ui/view_subsystems.h"

namespace korvix::testing {
namespace {

template <class Dialog>
Dialog* Open(QWidget& frame) {
  for (Dialog* dialog : frame.findChildren<Dialog*>())
    if (dialog->isVisible()) return dialog;
  return nullptr;
}

QPushButton* CloseButton(QWidget& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == "Close") return button;
  ADD_FAILURE() << "no Close button";
  return nullptr;
}

// The program's own message boxes over the real editors: a Close that an
// editor nested in a list refuses is told over that editor, which is in
// front once the message is answered.
class NestedEditorMessagesTest : public ::testing::Test {
protected:
  NestedEditorMessagesTest() {
    for (const char* label : {"Alarm", "Spare"}) {
      ConditionalRecord conditional;
      conditional.idlabel = label;
      conditional.expression = "1 = 1";
      doc.m_conditionals.Add(conditional);
      ScriptRecord action;
      action.idlabel = std::string(label) + kActionScriptMarker;
      doc.m_scripts.Add(action);
    }
    for (const char* label : {"Fill", "Pump"}) {
      ScriptRecord script;
      script.idlabel = label;
      doc.m_scripts.Add(script);
    }
    messages.SetOwner(&frame);
    frame.show();
    frame.activateWindow();
  }

  struct Refusal {
    const char* what;
    // Opens the list editor; returns when it is closed.
    std::function<void()> openlist;
    std::function<ModelessEditorDialog*()> list;
    std::function<ModelessEditorDialog*()> nested;
    // Makes the nested editor's Close fail, and then pass.
    std::function<void(ModelessEditorDialog&)> spoil;
    std::function<void(ModelessEditorDialog&)> mend;
    const char* message;
  };

  void Check(const Refusal& refusal) {
    SCOPED_TRACE(refusal.what);
    QPointer<ModelessEditorDialog> list;
    QPointer<ModelessEditorDialog> nested;
    QPointer<QWidget> owner;
    QString text;
    ModalDriver<QMessageBox> boxes([&](QMessageBox& box) {
      owner = box.parentWidget();
      text = box.text();
      QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    UserSteps user([&] {
      if (nested) nested->m_open = 0;
      if (list) list->m_open = 0;
    });
    user.Then([&] { return (list = refusal.list()); }, [&] { DoubleClickLine(*list->findChild<QListWidget*>(), 0); });
    user.Then([&] { return (nested = refusal.nested()); },
              [&] {
                refusal.spoil(*nested);
                QTest::mouseClick(CloseButton(*nested), Qt::LeftButton);
              });
    user.Then([&] { return boxes.served == 1 && nested->isEnabled(); },
              [&] {
                QApplication::processEvents();
                EXPECT_EQ(owner.data(), nested.data());
                EXPECT_EQ(QApplication::activeWindow(), nested.data());
                EXPECT_TRUE(nested->isVisible());
                refusal.mend(*nested);
                QTest::mouseClick(CloseButton(*nested), Qt::LeftButton);
              });
    user.Then([&] { return !nested || !nested->isVisible(); },
              [&] { QTest::mouseClick(CloseButton(*list), Qt::LeftButton); });
    refusal.openlist();
    EXPECT_TRUE(user.Done());
    EXPECT_EQ(boxes.served, 1);
    EXPECT_EQ(text.toStdString(), refusal.message);
  }

  MemoryProfile profile;
  CKorvixDoc doc;
  // The frame's parts tell their messages until they go with it.
  QtMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
};

TEST_F(NestedEditorMessagesTest, ARefusedCloseIsToldOverTheNestedEditorWhichStaysInFront) {
  const auto conditionallabel = [](ModelessEditorDialog& dialog) -> QLineEdit& {
    return *static_cast<CConditionalDlg&>(dialog).IdLabelEdit();
  };
  const auto scriptlabel = [](ModelessEditorDialog& dialog) -> QLineEdit& {
    return *dialog.findChild<Latin1LineEdit*>();
  };
  const Refusal refusals[] = {
      {"the label of another Conditional", [&] { subsystems->ConditionalEditors().OnRunLoopConditionals(); },
       [&] { return Open<CConditionalListDlg>(frame); }, [&] { return Open<CConditionalDlg>(frame); },
       [&](ModelessEditorDialog& d) { conditionallabel(d).setText("Spare"); },
       [&](ModelessEditorDialog& d) { conditionallabel(d).setText("Alarm"); },
       "The ID Label \"Spare\" already exists. You \nmust rename the Conditional before continuing."},
      {"an empty expression", [&] { subsystems->ConditionalEditors().OnRunLoopConditionals(); },
       [&] { return Open<CConditionalListDlg>(frame); }, [&] { return Open<CConditionalDlg>(frame); },
       [](ModelessEditorDialog& d) { static_cast<CConditionalDlg&>(d).ExpressionEdit()->clear(); },
       [](ModelessEditorDialog& d) { static_cast<CConditionalDlg&>(d).ExpressionEdit()->setPlainText("1 = 1"); },
       "Conditional must contain an expression."},
      {"the label of another Script", [&] { subsystems->ScriptEditors().OnRunLoopScripts(); },
       [&] { return Open<CScriptListDlg>(frame); }, [&] { return Open<CScriptConfigurationDlg>(frame); },
       [&](ModelessEditorDialog& d) { scriptlabel(d).setText("Pump"); },
       [&](ModelessEditorDialog& d) { scriptlabel(d).setText("Fill"); },
       "The ID Label \"Pump\" already exists. You \nmust rename the Script before continuing."},
  };
  for (const Refusal& refusal : refusals) Check(refusal);
  EXPECT_EQ(doc.m_conditionals[0].idlabel, "Alarm");
  EXPECT_EQ(doc.m_conditionals[0].expression, "1 = 1");
}

}  // namespace
}  // namespace korvix::testing
