#include "automationedit/script_step_lines.h"

#include <gtest/gtest.h>

#include "automation/step_codes.h"
#include "automationedit/step_palette.h"

namespace korvix {
namespace {

ScriptStep Step(int code, std::string param1 = {}, std::string param2 = {}) {
  ScriptStep step;
  step.code = code;
  step.param1 = std::move(param1);
  step.param2 = std::move(param2);
  return step;
}

TEST(ScriptStepLines, OneLinePerStepWithItsTextsByTheirPresence) {
  const struct {
    ScriptStep step;
    int depth;
    std::string line;
  } cases[] = {
      {Step(kStepIf, "{a} > 1"), 1, "\t<IF> , {a} > 1"},
      {Step(kStepExitScript), 0, "<Exit Script>"},
      {Step(kStepPauseMilliseconds, "500"), 2, "\t\t<Pause Milliseconds> , 500"},
      // The first text's separator stays when only the second is set.
      {Step(kStepTransmitCommand, "", "Discard"), 0, "<Transmit Command> , , Discard"},
      {Step(kStepShowMessage, "Tank\r\nlow", "TW1"), 0, "<Show Message> , Tank low , TW1"},
      {Step(kStepShowPopupBox, "a   b \r\n  c", "x,  y"), 0, "<Show Popup Box> , a b c , x, y"},
      // A bare line feed is no line break of the project's texts.
      {Step(kStepWaitForData, "a\nb"), 0, "<Wait for this Data> , a\nb"},
      {Step(999, "x"), 0, "<> , x"},
  };
  for (const auto& c : cases) EXPECT_EQ(RenderScriptStepLine(c.step, c.depth), c.line) << c.line;
}

TEST(ScriptStepLines, TheListIndentsEachStepByItsDepthAndTakesAnyBytes) {
  ScriptStepList steps;
  const std::string wide(5000, static_cast<char>(0xFF));
  for (const ScriptStep& step : {Step(kStepLoop), Step(kStepIf, wide), Step(kStepElse), Step(kStepEndIf),
                                 Step(kStepEndLoop), Step(kStepEndLoop)})
    steps.Add(step);
  const std::vector<std::string> lines = RenderScriptStepLines(steps);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1], "\t<IF> , " + wide);
  EXPECT_EQ(lines[2], "\t<Else>");
  EXPECT_EQ(lines[5], "<End Loop>");
  std::vector<int> depths;
  for (const std::string& line : lines) depths.push_back(static_cast<int>(line.find_first_not_of('\t')));
  EXPECT_EQ(depths, (std::vector<int>{0, 1, 1, 1, 0, 0}));
}

TEST(StepPalette, FiftyOneStepKindsInFourteenSeparatedGroups) {
  const std::vector<std::string> lines = StepPaletteLines();
  int steps = 0;
  int separators = 0;
  for (const std::string& line : lines) {
    if (line == std::string(36, '-')) {
      ++separators;
      EXPECT_EQ(StepCodeFromName(line), -1);
    } else {
      ++steps;
      EXPECT_EQ(line.front(), '\t');
      EXPECT_GE(StepCodeFromName(line), 0) << line;
    }
  }
  EXPECT_EQ(steps, 51);
  EXPECT_EQ(separators, 14);
  EXPECT_EQ(lines[1], "\tIF");
  EXPECT_EQ(lines[9], "\tTransmit Command");
  EXPECT_EQ(lines[lines.size() - 2], "\tQuit Program");
}

}  // namespace
}  // namespace korvix
