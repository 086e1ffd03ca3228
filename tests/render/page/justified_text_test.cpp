#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/justified_text.h"

namespace korvix {
namespace {

// Ten pixels a character.
int Measure(std::string_view text) { return static_cast<int>(text.size()) * 10; }

struct Line {
  std::string text;
  bool stretched;
  friend bool operator==(const Line&, const Line&) = default;
};

std::vector<Line> Layout(std::string_view text, int width) {
  std::vector<Line> lines;
  for (const JustifiedLine& line : LayoutJustifiedLines(text, width, Measure))
    lines.push_back({std::string(line.text), line.stretched});
  return lines;
}

TEST(JustifiedTextTest, LinesBrokenByWidthAreStretchedAndParagraphEndsAreNot) {
  EXPECT_EQ(Layout("tank level is high", 120), (std::vector<Line>{{"tank level", true}, {"is high", false}}));
  // Exactly the width still fits.
  EXPECT_EQ(Layout("tank level is", 130), (std::vector<Line>{{"tank level is", false}}));
  // The spaces at a break start no line.
  EXPECT_EQ(Layout("pump   on", 60), (std::vector<Line>{{"pump", false}, {"on", false}}));
}

TEST(JustifiedTextTest, CarriageReturnsEndParagraphsWithTheirLineFeeds) {
  EXPECT_EQ(Layout("alpha beta gamma\r\ndelta\r\rend", 110),
            (std::vector<Line>{{"alpha beta", true}, {"gamma", false}, {"delta", false}, {"", false}, {"end", false}}));
  EXPECT_EQ(Layout("", 100), (std::vector<Line>{{"", false}}));
}

TEST(JustifiedTextTest, AWordWiderThanTheBoxStaysWholeOnItsOwnUnstretchedLine) {
  EXPECT_EQ(Layout("a thermocouple reads", 80),
            (std::vector<Line>{{"a", false}, {"thermocouple", false}, {"reads", false}}));
  EXPECT_EQ(Layout("thermocouple", 50), (std::vector<Line>{{"thermocouple", false}}));
}

}  // namespace
}  // namespace korvix
