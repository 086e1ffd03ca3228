#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include <deque>
#include <functional>

#include "modal_driver.h"
#include "modeless_editor_fixture.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/button_array_dlg.h"
#include "ui/button_properties_dlg.h"
#include "ui/email_dlg.h"
#include "ui/function_selector_dlg.h"
#include "ui/input_window_dlg.h"
#include "ui/korvix_view.h"
#include "ui/latin1_edits.h"
#include "ui/main_frame.h"
#include "ui/push_button_dlg.h"
#include "ui/view_subsystems.h"

namespace korvix::testing {
namespace {

ActionSlot MakeSlot(int action, std::string param, std::string second = {}) {
  ActionSlot slot;
  slot.action = action;
  slot.param = std::move(param);
  slot.second = std::move(second);
  return slot;
}

QPushButton* ButtonNamed(QWidget& dialog, const QString& text) {
  for (auto* button : dialog.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

// Serves the modal dialogs of one type in turn, each with the next step;
// one still open after its step is cancelled.
template <class Dialog>
class Serve {
public:
  explicit Serve(std::deque<std::function<void(Dialog&)>> steps)
      : m_steps(std::move(steps)), m_driver([this](Dialog& dialog) {
          ASSERT_FALSE(m_steps.empty());
          auto step = std::move(m_steps.front());
          m_steps.pop_front();
          // Focus reaches the fields of the active window only.
          dialog.activateWindow();
          QApplication::processEvents();
          step(dialog);
          if (dialog.isVisible()) dialog.reject();
        }) {}

  bool Done() const { return m_steps.empty(); }

private:
  std::deque<std::function<void(Dialog&)>> m_steps;
  ModalDriver<Dialog> m_driver;
};

// The program with one object of `kind` placed, opened by a right click.
class ActionPropertiesTest : public ::testing::Test {
protected:
  void Place(ScreenObjectKind kind) {
    frame.show();
    frame.CommandAction(PlaceCommand(kind))->trigger();
    m_kind = kind;
    doc.SetModifiedFlag(false);
  }

  void RightClick() {
    const Rect rect = subsystems->PageEditor().Editor().ObjectRect({m_kind, 0});
    const QPointF inside((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    QWidget* viewport = frame.View()->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, inside, viewport->mapToGlobal(inside), Qt::RightButton, Qt::RightButton,
                      {});
    QApplication::sendEvent(viewport, &press);
  }

  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const auto& shown : messages.shown) texts.push_back(shown.text);
    return texts;
  }

  MemoryProfile profile;
  CKorvixDoc doc;
  RecordingMessageSink messages;
  CMainFrame frame{profile};
  CViewSubsystems* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  ScreenObjectKind m_kind = ScreenObjectKind::TextBox;
};

// Picks the line `name` of the Function Selector, after trying a separator.
std::function<void(CFunctionSelectorDlg&)> Pick(const QString& name, bool* separatorcleared = nullptr) {
  return [name, separatorcleared](CFunctionSelectorDlg& selector) {
    auto* list = selector.findChild<QListWidget*>();
    QPushButton* select = ButtonNamed(selector, "Select");
    list->setCurrentRow(0);
    if (separatorcleared) *separatorcleared = list->selectedItems().isEmpty() && !select->isEnabled();
    list->setCurrentItem(list->findItems("\t" + name, Qt::MatchExactly).value(0));
    if (select->isEnabled()) select->click();
  };
}

TEST_F(ActionPropertiesTest, InputWindowChoosesItsActionAndStoresWhatPassedTheChecks) {
  Place(ScreenObjectKind::InputWindow);
  doc.m_inputwindows[0].action = 0;
  doc.m_inputwindows[0].actiontext = "AS1";
  bool separatorcleared = false;
  std::string kept;
  Serve<CFunctionSelectorDlg> selector({
      [](CFunctionSelectorDlg& dialog) {
        // Cancel leaves the slot as it was.
        EXPECT_EQ(dialog.m_withwaits, 0);
      },
      Pick("Halt Run-Loop", &separatorcleared),
      Pick("Goto Page Number"),
  });
  Serve<CInputWindowDlg> input({[&](CInputWindowDlg& dialog) {
    ActionSlotWidget& slot = *dialog.m_slot;
    slot.m_action->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    kept = slot.m_param->Text();
    slot.m_param->SetText("typed");
    slot.m_action->showPopup();
    QApplication::processEvents();
    EXPECT_EQ(slot.m_action->currentText(), "Halt Run-Loop");
    EXPECT_FALSE(slot.m_param->isEnabled());
    EXPECT_TRUE(slot.m_second->isHidden());
    EXPECT_EQ(slot.m_param->Text(), "");
    slot.m_action->showPopup();
    QApplication::processEvents();
    slot.m_param->SetText("1a");
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.focusWidget(), slot.m_param);
    ASSERT_TRUE(dialog.isVisible());
    slot.m_param->SetText(" 3 ");
    dialog.m_keypad->setCurrentIndex(5);
    dialog.m_titlewidth->setCurrentIndex(9);
    dialog.m_resetvalue->SetText("7");
    dialog.OkButton()->click();
  }});

  RightClick();

  EXPECT_TRUE(selector.Done());
  EXPECT_TRUE(input.Done());
  EXPECT_EQ(kept, "AS1");
  EXPECT_TRUE(separatorcleared);
  EXPECT_EQ(Shown(), std::vector<std::string>{"This field must be a positive integer."});
  const InputWindowRecord& record = doc.m_inputwindows[0];
  EXPECT_EQ(record.action, 20);
  EXPECT_EQ(record.actiontext, "3");
  EXPECT_EQ(record.labelfontsize, 120);
  EXPECT_EQ(record.keypadsize, 0);
  EXPECT_EQ(record.titlewidth, 10);
  EXPECT_EQ(record.valuetext, "7");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ActionPropertiesTest, EmailOkMarksTheProjectModifiedThoughTheInputWindowIsCancelled) {
  Place(ScreenObjectKind::InputWindow);
  doc.m_inputwindows[0].action = 25;
  Serve<CEmailDlg> email({[](CEmailDlg& dialog) {
    dialog.m_address->SetText("ops@example.com");
    dialog.m_text->SetText("Tank low\r\nCheck pump");
    dialog.OkButton()->click();
  }});
  std::string address;
  std::string message;
  Serve<CInputWindowDlg> input({[&](CInputWindowDlg& dialog) {
    dialog.m_slot->m_second->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    address = dialog.m_slot->Slot().param;
    message = dialog.m_slot->Slot().second;
    dialog.reject();
  }});

  RightClick();

  EXPECT_TRUE(email.Done());
  EXPECT_EQ(address, "ops@example.com");
  EXPECT_EQ(message, "Tank low\r\nCheck pump");
  EXPECT_EQ(doc.m_inputwindows[0].actiontext, "");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ActionPropertiesTest, PushButtonRefusesEachFunctionOnItsOwnFieldsAndStoresBlanksEmpty) {
  Place(ScreenObjectKind::PushButton);
  Serve<CPushButtonDlg> push({[](CPushButtonDlg& dialog) {
    dialog.m_press->SetSlot(MakeSlot(34, "PI1", "5"));
    dialog.m_release->SetSlot(MakeSlot(18, "in.txt", "{a"));
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.focusWidget(), dialog.m_release->m_second);
    dialog.m_release->SetSlot(MakeSlot(0, "AS1", "   "));
    dialog.m_pressholds->setChecked(true);
    dialog.m_title->SetText("Start");
    dialog.OkButton()->click();
  }});

  RightClick();

  EXPECT_TRUE(push.Done());
  EXPECT_EQ(Shown(), std::vector<std::string>{"Illegal use of the curly braces \"{ }\""});
  const PushButtonRecord& record = doc.m_pushbuttons[0];
  EXPECT_EQ(record.title, "Start");
  EXPECT_EQ(record.pressaction, 34);
  EXPECT_EQ(record.presssecond, "5");
  EXPECT_EQ(record.pressholds, 1);
  EXPECT_EQ(record.releaseaction, 0);
  EXPECT_EQ(record.releaseparam, "AS1");
  EXPECT_EQ(record.releasesecond, "");
}

TEST_F(ActionPropertiesTest, ANewPressActionEmptiesThePressTextsAndLeavesTheRelease) {
  Place(ScreenObjectKind::PushButton);
  Serve<CFunctionSelectorDlg> selector({Pick("Send Email")});
  Serve<CPushButtonDlg> push({[](CPushButtonDlg& dialog) {
    dialog.m_press->SetSlot(MakeSlot(0, "AS1", "Tank1"));
    dialog.m_release->SetSlot(MakeSlot(0, "AS0", "Tank2"));
    dialog.m_press->m_action->showPopup();
    QApplication::processEvents();
    dialog.OkButton()->click();
  }});

  RightClick();

  EXPECT_TRUE(selector.Done());
  const PushButtonRecord& record = doc.m_pushbuttons[0];
  EXPECT_EQ(record.pressaction, 25);
  EXPECT_EQ(record.pressparam, "");
  EXPECT_EQ(record.presssecond, "");
  EXPECT_EQ(record.pressfontsize, 120);
  EXPECT_EQ(record.pressbarsize, 10);
  EXPECT_EQ(record.releaseaction, 0);
  EXPECT_EQ(record.releaseparam, "AS0");
  EXPECT_EQ(record.releasesecond, "Tank2");
}

CButtonArrayDlg* ShownConfiguration() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<CButtonArrayDlg*>(widget); dialog && dialog->isVisible()) return dialog;
  return nullptr;
}

class ButtonArrayConfigurationTest : public ActionPropertiesTest {
protected:
  void SetUp() override { Place(ScreenObjectKind::ButtonArray); }

  void Then(std::function<bool(CButtonArrayDlg&)> ready, std::function<void(CButtonArrayDlg&)> act) {
    user.Then([ready] { return ShownConfiguration() && ready(*ShownConfiguration()); },
              [act] { act(*ShownConfiguration()); });
  }

  // The buttons that act on a line follow the selection on the loop's next
  // pass, so the click waits for that.
  void SelectThenClick(std::function<bool(CButtonArrayDlg&)> ready, int row, QPushButton* CButtonArrayDlg::*button) {
    Then(std::move(ready), [row](auto& d) { d.m_list->setCurrentRow(row); });
    Then([button](auto& d) { return (d.*button)->isEnabled(); }, [button](auto& d) { (d.*button)->click(); });
  }

  std::vector<QString> Lines(CButtonArrayDlg& dialog) {
    std::vector<QString> lines;
    for (int row = 0; row < dialog.m_list->count(); ++row) lines.push_back(dialog.m_list->item(row)->text());
    return lines;
  }

  UserSteps user{[] {
    if (CButtonArrayDlg* dialog = ShownConfiguration()) dialog->m_open = 0;
  }};
};

TEST_F(ButtonArrayConfigurationTest, RequestsRefillTheListAndCloseWaitsForAGoodLabel) {
  doc.m_buttonarrays[0].buttons[0].isdown = 0;
  doc.m_buttonarrays[0].buttons[2].isdown = 1;
  Serve<CButtonPropertiesDlg> buttons({
      [](CButtonPropertiesDlg& dialog) {
        EXPECT_EQ(dialog.m_title->Text(), "A");
        dialog.m_title->SetText(" Go ");
        dialog.m_slot->SetSlot(MakeSlot(32, "1:5"));
        dialog.OkButton()->click();
        EXPECT_EQ(dialog.focusWidget(), dialog.m_slot->m_param);
        dialog.m_slot->m_param->SetText("1:05");
        dialog.OkButton()->click();
      },
      [](CButtonPropertiesDlg& dialog) { EXPECT_EQ(dialog.m_title->Text(), "E"); },
  });
  Then([](auto& d) { return d.m_list->count() == 4 && !d.m_editbutton->isEnabled(); },
       [](auto& d) { d.m_list->setCurrentRow(1); });
  Then([](auto& d) { return d.m_moveupbutton->isEnabled(); }, [](auto& d) { d.m_moveupbutton->click(); });
  Then(
      [&](auto& d) {
        return Lines(d) == std::vector<QString>{"B", "A", "C", "D"} && d.CurrentLine() == 0;
      },
      [](auto& d) { DoubleClickLine(*d.m_list, 1); });
  Then([&](auto& d) { return Lines(d)[1] == "Go" && d.CurrentLine() == 1; }, [](auto& d) { d.m_addbutton->click(); });
  SelectThenClick([&](auto& d) { return buttons.Done() && d.m_list->count() == 4; }, 0,
                  &CButtonArrayDlg::m_deletebutton);
  SelectThenClick([](auto& d) { return d.m_list->count() == 3 && d.CurrentLine() < 0; }, 0,
                  &CButtonArrayDlg::m_deletebutton);
  SelectThenClick([](auto& d) { return d.m_list->count() == 2; }, 0, &CButtonArrayDlg::m_deletebutton);
  Then([&](auto&) { return messages.shown.size() == 2; },
       [](auto& d) {
         d.m_idlabel->SetText("a,b");
         d.m_fontsize->setCurrentIndex(0);
         d.m_closebutton->click();
       });
  Then([&](auto& d) { return messages.shown.size() == 3 && d.focusWidget() == d.m_idlabel; },
       [](auto& d) {
         d.m_idlabel->SetText(" Modes ");
         d.m_list->setCurrentRow(1);
       });
  Then([](auto& d) { return d.m_moveupbutton->isEnabled(); }, [](auto& d) { d.m_moveupbutton->click(); });
  // The request moved the focus to "Close", which Enter now presses.
  Then([&](auto& d) { return Lines(d) == std::vector<QString>{"D", "C"}; }, [](auto& d) { PressEnter(d); });

  RightClick();

  EXPECT_TRUE(user.Done());
  EXPECT_EQ(ShownConfiguration(), nullptr);
  EXPECT_EQ(Shown(), (std::vector<std::string>{
                         "This field must be a valid time such as \rSeconds, Hrs:Min, or Hrs:Min:Sec.",
                         "A Button Array must have at least 2 buttons.",
                         "ID label cannot contain commas, curly braces, \rparentheses, or relational operators."}));
  EXPECT_EQ(messages.shown[1].caption, "Entry Error");
  const ButtonArrayRecord& array = doc.m_buttonarrays[0];
  EXPECT_EQ(array.idlabel, "Modes");
  EXPECT_EQ(array.sizecode, 48);
  ASSERT_EQ(array.buttons.Count(), 2);
  EXPECT_EQ(array.buttons[0].title, "D");
  EXPECT_EQ(array.buttons[1].title, "C");
  EXPECT_EQ(array.buttons[0].isdown, 1);
  EXPECT_EQ(array.buttons[1].isdown, 0);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ButtonArrayConfigurationTest, EscapeKeepsSubButtonEditsButNotTheArraysSettings) {
  const std::string label = doc.m_buttonarrays[0].idlabel;
  Serve<CButtonPropertiesDlg> buttons({[](CButtonPropertiesDlg& dialog) {
    dialog.m_title->SetText("Stop");
    dialog.OkButton()->click();
  }});
  SelectThenClick([](auto& d) { return d.m_list->count() == 4; }, 3, &CButtonArrayDlg::m_editbutton);
  Then([&](auto& d) { return Lines(d)[3] == "Stop"; },
       [](auto& d) {
         d.m_idlabel->SetText("Other");
         d.m_executeonchange->setChecked(true);
         d.reject();
       });

  RightClick();

  EXPECT_TRUE(user.Done());
  const ButtonArrayRecord& array = doc.m_buttonarrays[0];
  EXPECT_EQ(array.idlabel, label);
  EXPECT_EQ(array.executeonchange, 0);
  EXPECT_EQ(array.buttons[3].title, "Stop");
  EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace korvix::testing
