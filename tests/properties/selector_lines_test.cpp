#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "properties/selector_lines.h"

namespace korvix::testing {
namespace {

using Lines = std::vector<std::string>;

const std::string kList =
    "<Data Windows>\xA2\tTank1\xA2\tTank2\xA2<Variables>\xA2\tSpeed\xA2"
    "<Global Variables>\xA2\trecdata\xA2\trawdata\xA2<Chart Recorders>\xA2\tChart1\xA2"
    "<Scripts>\xA2\tStart\xA2";
const std::string kEmptyProject = "<Global Variables>\xA2\trecdata\xA2\trawdata\xA2";

TEST(SelectorLines, ThePartOfTheListFollowsBracesAndGroup) {
  const Lines objects = {"<Data Windows>", "\tTank1", "\tTank2", "<Variables>", "\tSpeed"};
  Lines withglobals = objects;
  withglobals.insert(withglobals.end(), {"<Global Variables>", "\trecdata", "\trawdata"});
  const struct {
    const std::string& list;
    bool braces;
    const char* group;
    Lines lines;
  } cases[] = {
      {kList, false, "", objects},
      {kList, true, "", withglobals},
      {kList, false, "<Scripts>", {"<Scripts>", "\tStart"}},
      {kList, true, "<Chart Recorders>", {"<Chart Recorders>", "\tChart1"}},
      {kList, false, "<Variables>", {"<Variables>", "\tSpeed"}},
      {kEmptyProject, false, "", {}},
      {kEmptyProject, true, "", {"<Global Variables>", "\trecdata", "\trawdata"}},
      {kEmptyProject, false, "<Scripts>", {"No Scripts Found"}},
      {kEmptyProject, true, "<Chart Recorders>", {"No Chart Recorders Found"}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SelectorLines(c.list, c.braces, c.group), c.lines) << c.braces << " " << c.group;
}

TEST(SelectorLines, OnlyEntriesAreChosenAndGiveTheirLabel) {
  EXPECT_TRUE(IsSelectorEntry("\tTank1"));
  for (const char* header : {"<Data Windows>", "No Scripts Found", ""}) EXPECT_FALSE(IsSelectorEntry(header));

  const std::string longlabel(120, 'x');
  const struct {
    std::string line;
    bool braces;
    std::string label;
  } cases[] = {
      {"\tTank1", false, "Tank1"},
      {"\trecdata", true, "{recdata}"},
      {"\tPump 2", true, "{Pump 2}"},
      {"\t" + longlabel, false, std::string(98, 'x')},
  };
  for (const auto& c : cases) EXPECT_EQ(SelectedLabel(c.line, c.braces), c.label) << c.line;
}

TEST(SelectorLines, FunctionLinesAreCutBackToTheirParenthesis) {
  EXPECT_EQ(SelectedFunction("$ABS(  )\tAbsolute value"), "$ABS(  )");
  EXPECT_EQ(SelectedFunction("$NRAD(  )\tNormalize Radians"), "$NRAD(  )");
  EXPECT_EQ(SelectedFunction("no parenthesis"), "");
}

}  // namespace
}  // namespace korvix::testing
