#include <gtest/gtest.h>

#include <deque>

#include "action_slots.h"
#include "editor/button_arrays.h"
#include "platform/testing/recording_message_sink.h"
#include "properties/button_array_configuration.h"

namespace korvix {
namespace {

// An array of four sub buttons "A" to "D" whose Button Properties dialog
// answers from a queue: each answer edits the fields it is given or not.
class ButtonArrayConfigurationTest : public ::testing::Test {
protected:
  using Answer = std::function<DialogOutcome(ArrayButtonFields&)>;

  void SetUp() override {
    doc.m_buttonarrays.Add();
    doc.SetModifiedFlag(false);
  }

  ButtonArrayRecord& Array() { return doc.m_buttonarrays[0]; }

  static DialogOutcome Ok(ArrayButtonFields&) { return {true, false}; }
  static DialogOutcome Cancel(ArrayButtonFields&) { return {}; }
  static DialogOutcome Remove(ArrayButtonFields&) { return {false, true}; }

  CKorvixDoc doc;
  std::vector<std::string> refused;
  std::deque<Answer> answers;
  ButtonArrayConfiguration config{
      doc, 0, [this](const std::string& caption, const std::string& text) { refused.push_back(caption + ": " + text); },
      [this](ArrayButtonFields& fields) {
        Answer answer = answers.front();
        answers.pop_front();
        return answer(fields);
      }};
};

TEST_F(ButtonArrayConfigurationTest, AddEditsTheNewButtonAndSelectsIt) {
  answers = {[](ArrayButtonFields& fields) {
    EXPECT_EQ(fields.title, "E");
    EXPECT_EQ(fields.slot.fontsize, 120);
    fields.title = "Fill";
    fields.slot = testing::MakeSlot(32, "1:30");
    return DialogOutcome{true, false};
  }};
  EXPECT_EQ(config.Add(), 4);
  EXPECT_EQ(config.Titles(), (std::vector<std::string>{"A", "B", "C", "D", "Fill"}));
  EXPECT_EQ(Array().buttons[4].action, 32);
  EXPECT_EQ(Array().buttons[4].param, "1:30");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(ButtonArrayConfigurationTest, AddThenCancelOrDeleteKeepsTheFormerButtons) {
  answers = {Cancel, Remove};
  EXPECT_EQ(config.Add(), std::nullopt);
  EXPECT_EQ(config.Add(), -1);
  EXPECT_EQ(config.Titles(), (std::vector<std::string>{"A", "B", "C", "D"}));
  EXPECT_TRUE(refused.empty());
}

TEST_F(ButtonArrayConfigurationTest, AddIsRefusedAtAHundredButtons) {
  while (!Array().buttons.IsFull()) AddButtonToArray(doc, 0);
  EXPECT_EQ(Array().buttons[26].title, "[");
  EXPECT_EQ(Array().buttons[99].title, "\xA4");
  EXPECT_EQ(config.Add(), std::nullopt);
  EXPECT_EQ(refused, std::vector<std::string>{"Over Limit: A Button Array can not contain more than 100 sub buttons."});
  EXPECT_EQ(Array().buttons.Count(), 100);
}

TEST_F(ButtonArrayConfigurationTest, DeleteIsRefusedAtTwoButtonsFromTheListAndFromTheDialog) {
  EXPECT_EQ(config.Delete(0), -1);
  EXPECT_EQ(config.Delete(2), -1);
  EXPECT_EQ(config.Titles(), (std::vector<std::string>{"B", "C"}));
  answers = {Remove};
  EXPECT_EQ(config.Delete(0), std::nullopt);
  EXPECT_EQ(config.Edit(1), std::nullopt);
  EXPECT_EQ(config.Titles(), (std::vector<std::string>{"B", "C"}));
  const std::string message = "Entry Error: A Button Array must have at least 2 buttons.";
  EXPECT_EQ(refused, (std::vector<std::string>{message, message}));
}

TEST_F(ButtonArrayConfigurationTest, EditKeepsTheLineUnlessTheButtonWentAway) {
  answers = {Ok, Cancel, Remove};
  EXPECT_EQ(config.Edit(2), 2);
  EXPECT_EQ(config.Edit(2), std::nullopt);
  EXPECT_EQ(config.Edit(2), -1);
  EXPECT_EQ(config.Titles(), (std::vector<std::string>{"A", "B", "D"}));
}

TEST_F(ButtonArrayConfigurationTest, MovesSwapEveryFieldAndStopAtTheEnds) {
  ButtonArrayButton& b = Array().buttons[1];
  b = {{1, 2, 3, 4}, "Pump", Rgb(1, 2, 3), 30, "Zebra", 1, "Lot", 240, "123", 20};
  const std::vector<std::string> before = config.Titles();
  EXPECT_EQ(config.MoveUp(0), std::nullopt);
  EXPECT_EQ(config.MoveDown(3), std::nullopt);
  EXPECT_EQ(config.Titles(), before);
  EXPECT_FALSE(doc.IsModified());

  EXPECT_EQ(config.MoveDown(1), 2);
  const ButtonArrayButton& moved = Array().buttons[2];
  EXPECT_EQ(moved.placement, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(moved.title, "Pump");
  EXPECT_EQ(moved.textcolor, Rgb(1, 2, 3));
  EXPECT_EQ(moved.action, 30);
  EXPECT_EQ(moved.param, "Zebra");
  EXPECT_EQ(moved.isdown, 1);
  EXPECT_EQ(moved.second, "Lot");
  EXPECT_EQ(moved.fontsize, 240);
  EXPECT_EQ(moved.barcode, "123");
  EXPECT_EQ(moved.barsize, 20);
  EXPECT_EQ(Array().buttons[1].title, "C");
  EXPECT_EQ(config.MoveUp(2), 1);
  EXPECT_EQ(config.Titles(), before);
  EXPECT_TRUE(doc.IsModified());
}

// Esc: the sub buttons as edited, the array's own settings as they were.
TEST_F(ButtonArrayConfigurationTest, FinishingPushesTheFirstButtonDownAndAppliesOnlyAcceptedSettings) {
  Array().idlabel = "Modes";
  Array().buttons[0].isdown = 0;
  Array().buttons[2].isdown = 1;
  answers = {[](ArrayButtonFields& fields) {
    fields.title = "Auto";
    return DialogOutcome{true, false};
  }};
  config.Edit(3);
  config.Finish(std::nullopt);
  EXPECT_EQ(Array().idlabel, "Modes");
  EXPECT_EQ(Array().buttons[3].title, "Auto");
  for (int i = 0; i < Array().buttons.Count(); ++i) EXPECT_EQ(Array().buttons[i].isdown, i == 0 ? 1 : 0);

  config.Finish(ButtonArraySettings{"Pumps", 0, 1});
  EXPECT_EQ(Array().idlabel, "Pumps");
  EXPECT_EQ(Array().sizecode, 48);
  EXPECT_EQ(Array().executeonchange, 1);
}

TEST(ButtonArraySettings, CloseTrimsTheLabelAndRefusesABadOne) {
  RecordingMessageSink sink;
  ButtonArraySettings settings{"  Pump 1 ", 2, 0};
  EXPECT_TRUE(CheckButtonArraySettings(settings, sink));
  EXPECT_EQ(settings.idlabel, "Pump 1");
  settings.idlabel = "a,b";
  EXPECT_FALSE(CheckButtonArraySettings(settings, sink));
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST(ArrayButtonFields, TheButtonDialogChecksWithWaitsAndTrimsTheTitle) {
  RecordingMessageSink sink;
  ArrayButtonFields fields{" Go ", 0, testing::MakeSlot(32, "1:5")};
  EXPECT_EQ(CheckArrayButtonFields(fields, "", sink).focus, ArrayButtonField::Parameter);
  EXPECT_EQ(fields.title, "Go");
  fields.slot = testing::MakeSlot(2, "{a");
  EXPECT_EQ(CheckArrayButtonFields(fields, "", sink).focus, ArrayButtonField::Parameter);
  fields.slot = testing::MakeSlot(2, "250");
  EXPECT_TRUE(CheckArrayButtonFields(fields, "", sink).Accepted());
  EXPECT_EQ(sink.shown.size(), 2u);
}

}  // namespace
}  // namespace korvix
