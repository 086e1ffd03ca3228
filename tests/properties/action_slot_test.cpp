#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "platform/testing/recording_message_sink.h"
#include "properties/action_slot_check.h"
#include "properties/action_slot_layout.h"
#include "properties/function_selector_lines.h"

namespace korvix {
namespace {

struct LayoutCase {
  int code;
  ActionNumbering numbering;
  const char* prompt;
  const char* secondlabel;
  bool paramenabled;
  SlotSelector selector;
  const char* group;
  bool formula;
  SlotSubDialog subdialog;
};

constexpr auto kControl = ActionNumbering::Control;
constexpr auto kArray = ActionNumbering::Array;
constexpr auto kNone = SlotSelector::None;
constexpr auto kParam = SlotSelector::Parameter;
constexpr auto kSecond = SlotSelector::Second;
constexpr auto kNoDialog = SlotSubDialog::None;

class ActionSlotLayoutTable : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ActionSlotLayoutTable, LaysOutTheSlotForTheAction) {
  const LayoutCase& c = GetParam();
  const ActionSlotLayout& layout = LayoutOfAction(c.code, c.numbering);
  EXPECT_EQ(layout.prompt, c.prompt);
  EXPECT_EQ(layout.secondlabel, c.secondlabel);
  EXPECT_EQ(layout.paramenabled, c.paramenabled);
  EXPECT_EQ(layout.selector, c.selector);
  EXPECT_EQ(layout.group, c.group);
  EXPECT_EQ(layout.formula, c.formula);
  EXPECT_EQ(layout.subdialog, c.subdialog);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ActionSlotLayoutTable,
    ::testing::Values(LayoutCase{0, kControl, "", "Send the response to \rthis object or variable:", true, kSecond, "",
                                 false, kNoDialog},
                      LayoutCase{14, kControl,
                                 "Use the Data Logging dialog box to \rselect the data fields to log to file.", "",
                                 false, kNone, "", false, kNoDialog},
                      LayoutCase{15, kControl, "", "Use this mathematical \rformula to set value:", true, kParam, "",
                                 true, kNoDialog},
                      LayoutCase{25, kControl, "", "Click at right to pull up \rthe Email setup box:", true, kNone, "",
                                 false, SlotSubDialog::Email},
                      LayoutCase{26, kControl, "", "Click at right to pull up \rthe Label setup box:", true, kNone, "",
                                 false, SlotSubDialog::PrintLabel},
                      LayoutCase{27, kControl, "", "Execute this Script if a \rmodule didn't respond:", true, kSecond,
                                 "<Scripts>", false, kNoDialog},
                      LayoutCase{28, kControl, "This function will halt the main \rrun-loop and return to edit mode.",
                                 "", false, kNone, "", false, kNoDialog},
                      LayoutCase{29, kControl, "This function will force the \rKorvix program to shut down.", "", false,
                                 kNone, "", false, kNoDialog},
                      LayoutCase{30, kControl, "This function will minimize the \rKorvix window but keep it running.",
                                 "", false, kNone, "", false, kNoDialog},
                      LayoutCase{31, kControl, "This function will restore the \rKorvix window to its' original size.",
                                 "", false, kNone, "", false, kNoDialog},
                      LayoutCase{35, kControl,
                                 "This function will save the project \rand any variables that do not reset.", "",
                                 false, kNone, "", false, kNoDialog},
                      LayoutCase{1, kArray, "Type in the data string to \rwait for via the COM port.", "", true, kNone,
                                 "", false, kNoDialog},
                      LayoutCase{2, kArray, "Type in the time to pause \rlisted in milliseconds.", "", true, kNone, "",
                                 false, kNoDialog},
                      LayoutCase{5, kArray, "Type in the ID Label \rof the Script sequence.", "", true, kParam,
                                 "<Scripts>", false, kNoDialog},
                      LayoutCase{11, kArray, "Type in the ID Label \rof the Button Array.", "", true, kParam,
                                 "<Button Arrays>", false, kNoDialog},
                      LayoutCase{32, kArray, "Type in the time to pause, listed in \rSeconds, Hrs:Min, or Hrs:Min:Sec.",
                                 "", true, kNone, "", false, kNoDialog},
                      // No action, or one outside the numbering: the parameter alone.
                      LayoutCase{-1, kControl, "", "", true, kNone, "", false, kNoDialog},
                      LayoutCase{36, kControl, "", "", true, kNone, "", false, kNoDialog}));

TEST(FunctionSelectorLines, GroupsTheActionsByTopicBetweenSeparators) {
  const std::string bar = kFunctionSeparator;
  ASSERT_EQ(bar.size(), 43u);
  const std::vector<std::string> withwaits = {bar,
                                              "\tTransmit Command",
                                              "\tPing DAQ Modules",
                                              "\tWait for this Data",
                                              "\tPause Milliseconds",
                                              "\tPause Hrs:Min:Sec",
                                              bar,
                                              "\tPlay Sound File",
                                              "\tDial Telephone",
                                              "\tSend Email",
                                              "\tPrint Label",
                                              bar,
                                              "\tGoto Page Number",
                                              "\tMath Conversion",
                                              "\tRun a Program",
                                              bar,
                                              "\tLog Data to File",
                                              "\tRead from File",
                                              "\tWrite to File",
                                              bar,
                                              "\tRun a Script",
                                              "\tHalt a Script",
                                              "\tWait Script End",
                                              bar,
                                              "\tRun Button Array",
                                              "\tHalt Button Array",
                                              "\tWait Button Array",
                                              "\tSet Button Array",
                                              bar,
                                              "\tTurn On Lamp",
                                              "\tTurn Off Lamp",
                                              "\tToggle Lamp",
                                              bar,
                                              "\tIncrement Counter",
                                              "\tDecrement Counter",
                                              "\tReset Counter",
                                              bar,
                                              "\tStart Event Timer",
                                              "\tHalt Event Timer",
                                              "\tReset Event Timer",
                                              bar,
                                              "\tStart PI-Controller",
                                              "\tHalt PI-Controller",
                                              "\tSet PI-Controller",
                                              bar,
                                              "\tStart Chart Recorder",
                                              "\tHalt Chart Recorder",
                                              bar,
                                              "\tMinimize Window",
                                              "\tRestore Window",
                                              "\tSave Project",
                                              "\tHalt Run-Loop",
                                              "\tQuit Program",
                                              bar};
  EXPECT_EQ(FunctionSelectorLines(true), withwaits);

  std::vector<std::string> withoutwaits = withwaits;
  for (const char* wait : {"\tWait for this Data", "\tPause Milliseconds", "\tPause Hrs:Min:Sec", "\tWait Script End",
                           "\tWait Button Array"})
    std::erase(withoutwaits, wait);
  EXPECT_EQ(FunctionSelectorLines(false), withoutwaits);
}

// Every action line names exactly one action of its numbering, each once.
TEST(FunctionSelectorLines, EveryActionLineGivesItsCode) {
  for (const bool withwaits : {true, false}) {
    std::vector<int> codes;
    for (const std::string& line : FunctionSelectorLines(withwaits)) {
      const int code = ActionCodeFromName(line, withwaits);
      EXPECT_EQ(code < 0, line[0] != '\t') << line;
      if (code >= 0) codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    std::vector<int> all(static_cast<size_t>(withwaits ? kArrayActionCount : kControlActionCount));
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(codes, all);
  }
}

struct CheckCase {
  const char* name;
  ArrayAction action;
  std::string param;
  std::string second;
  std::deque<MessageResult> answers;
  std::optional<SlotField> focus;
  const char* message;  // nullptr: nothing shown
};

class ActionSlotChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ActionSlotChecks, RefuseOnTheirField) {
  const CheckCase& c = GetParam();
  RecordingMessageSink sink;
  sink.answers = c.answers;
  ActionSlot slot;
  slot.action = static_cast<int>(c.action);
  slot.param = c.param;
  slot.second = c.second;
  const std::string namelist = "<Variables>\xA2\tTank1\xA2";

  EXPECT_EQ(CheckActionSlotTexts(slot, ActionNumbering::Array, namelist, sink), c.focus);
  if (c.message == nullptr) {
    EXPECT_TRUE(sink.shown.empty() || sink.shown.back().caption == "Possible Entry Error");
  } else {
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Actions, ActionSlotChecks,
    ::testing::Values(
        CheckCase{"PauseHmsOneDigitSeconds",
                  ArrayAction::PauseHrsMinSec,
                  "1:5",
                  "",
                  {},
                  SlotField::Parameter,
                  "This field must be a valid time such as \rSeconds, Hrs:Min, or Hrs:Min:Sec."},
        CheckCase{"PauseHmsAccepted", ArrayAction::PauseHrsMinSec, "1:05", "", {}, std::nullopt, nullptr},
        CheckCase{"PauseMsLetters",
                  ArrayAction::PauseMilliseconds,
                  "5s",
                  "",
                  {},
                  SlotField::Parameter,
                  "This field must be a positive integer."},
        CheckCase{"SetPIBracesFirst",
                  ArrayAction::SetPIController,
                  "PI1",
                  "{a",
                  {},
                  SlotField::Second,
                  "Illegal use of the curly braces \"{ }\""},
        CheckCase{"SetPIInteger",
                  ArrayAction::SetPIController,
                  "PI1",
                  "5a",
                  {},
                  SlotField::Second,
                  "This field must be an integer."},
        CheckCase{"SetPIAccepted", ArrayAction::SetPIController, "PI1", "-5", {}, std::nullopt, nullptr},
        CheckCase{"GotoLetters",
                  ArrayAction::GotoPageNumber,
                  "1a",
                  "",
                  {},
                  SlotField::Parameter,
                  "This field must be a positive integer."},
        CheckCase{"GotoZero", ArrayAction::GotoPageNumber, "0", "", {}, std::nullopt, nullptr},
        CheckCase{"MathFormula",
                  ArrayAction::MathConversion,
                  "Tank1",
                  "Tank1*2",
                  {},
                  SlotField::Second,
                  "The math formula contains the ID label \"Tank1\". \rIf intending to use the value of this "
                  "object, enclose \rit in curly braces like this {Tank1}."},
        CheckCase{"WriteGoBack",
                  ArrayAction::WriteToFile,
                  "log.txt",
                  "level Tank1",
                  {MessageResult::Yes},
                  SlotField::Second,
                  nullptr},
        CheckCase{"WriteGoOn",
                  ArrayAction::WriteToFile,
                  "log.txt",
                  "level Tank1",
                  {MessageResult::No},
                  std::nullopt,
                  nullptr},
        CheckCase{"ReadBraces",
                  ArrayAction::ReadFromFile,
                  "in.txt",
                  "{Tank1",
                  {},
                  SlotField::Second,
                  "Illegal use of the curly braces \"{ }\""},
        // Only the actions that use their second text check it.
        CheckCase{"RunProgramIgnoresSecond", ArrayAction::RunProgram, "ls", "{", {}, std::nullopt, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ActionSlotChecks, AControlCodeIsCheckedAsItsOwnAction) {
  RecordingMessageSink sink;
  ActionSlot slot;
  slot.action = 20;  // "Goto Page Number" without waits, "Run a Program" with them
  slot.param = "x";
  EXPECT_EQ(CheckActionSlotTexts(slot, ActionNumbering::Control, "", sink), SlotField::Parameter);
  EXPECT_EQ(CheckActionSlotTexts(slot, ActionNumbering::Array, "", sink), std::nullopt);
}

TEST(ActionSlotChecks, OverLongTextsAreRefusedOnTheirField) {
  RecordingMessageSink sink;
  ActionSlot slot;
  slot.second = std::string(1001, 'x');
  EXPECT_EQ(CheckActionSlotLengths(slot, sink), SlotField::Second);
  slot.param = std::string(113, 'x');
  EXPECT_EQ(CheckActionSlotLengths(slot, sink), SlotField::Parameter);
  EXPECT_EQ(sink.shown.size(), 2u);
  slot.param.resize(112);
  slot.second.resize(1000);
  EXPECT_EQ(CheckActionSlotLengths(slot, sink), std::nullopt);
}

}  // namespace
}  // namespace korvix
