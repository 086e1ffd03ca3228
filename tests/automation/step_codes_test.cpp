#include "automation/step_codes.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace korvix {
namespace {

TEST(StepCodes, NamesAndOlderNamesGiveTheirCodes) {
  struct Case {
    const char* text;
    int code;
  };
  const std::vector<Case> cases = {
      {"\t\t<Show Message", 3},
      {"show message", -1},
      {"Send Text Message", 3},
      {"<Pause Hrs:Min:Sec>", 33},
      {"Pause for this long", 2},
      {"Run EXE Program", 22},
      {"Ping Data Modules", 32},
      {"End Loop", 106},
      {" IF", -1},
      {"-------------------------------------------", -1},
      {"<Else IF>>>", 101},
  };
  for (const Case& c : cases) EXPECT_EQ(StepCodeFromName(c.text), c.code) << c.text;
}

TEST(StepCodes, EveryCodeRoundTripsThroughItsName) {
  std::set<int> codes;
  for (const StepCodeInfo& info : StepCodes()) {
    codes.insert(info.code);
    EXPECT_EQ(StepCodeFromName(StepNameFromCode(info.code)), info.code);
  }
  EXPECT_EQ(codes.size(), 51u);
  EXPECT_EQ(*codes.begin(), 0);
  EXPECT_EQ(*codes.rbegin(), 106);
  EXPECT_EQ(StepNameFromCode(44), "");
  EXPECT_EQ(StepNameFromCode(-1), "");
  EXPECT_EQ(StepNameFromCode(99), "");
}

TEST(StepCodes, StepsWithoutFieldsCannotBeOpened) {
  for (int code : {34, 35, 36, 37, 42, 43, 102, 103, 106, 44}) EXPECT_FALSE(StepHasFields(code)) << code;
  for (int code : {0, 19, 41, 100, 104, 105}) EXPECT_TRUE(StepHasFields(code)) << code;
}

ScriptStepList StepsOf(const std::vector<int>& codes) {
  ScriptStepList steps;
  for (int code : codes) steps.Add(NewScriptStep(code));
  return steps;
}

TEST(StepCodes, DepthsFollowTheNesting) {
  EXPECT_EQ(ComputeStepDepths(StepsOf({100, 0, 102, 0, 103, 104, 105, 106})),
            (std::vector<int>{0, 1, 0, 1, 0, 0, 1, 0}));
  EXPECT_EQ(ComputeStepDepths(StepsOf({103, 0, 100, 101, 0, 103})), (std::vector<int>{0, 0, 0, 0, 1, 0}));
}

TEST(StepCodes, NewStepsTakeTheEditorDefaults) {
  const ScriptStep transmit = NewScriptStep(0);
  EXPECT_EQ(transmit.param2, "Discard");
  EXPECT_EQ(transmit.color1, 0xFF0000);
  EXPECT_EQ(transmit.color2, 0xC0C0C0);
  EXPECT_EQ(transmit.fontsize, 120);
  EXPECT_EQ(transmit.barsize, 10);
  EXPECT_EQ(NewScriptStep(3).param2, "");
}

TEST(StepCodes, SharedStepsNameTheSameAction) {
  for (const StepCodeInfo& info : StepCodes()) {
    if (info.code >= 100) {
      EXPECT_EQ(info.arrayaction, -1);
    }
  }
  EXPECT_EQ(FindStepCode(27)->arrayaction, 29);  // Send Email
  EXPECT_EQ(FindStepCode(42)->arrayaction, 40);  // Save Project
  EXPECT_EQ(FindStepCode(41)->arrayaction, -1);  // Show Popup Box: Scripts only
}

}  // namespace
}  // namespace korvix
