#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "livelink/link_frames.h"

namespace korvix {
namespace {

TEST(LinkFrames, FieldsRoundTripWithTheirEscapes) {
  const std::vector<std::string> fields = {"DATA", "a%b\tc", "23.5\r\n", "", "\xE9"};
  const std::string frame = EncodeLinkFrame(fields);
  EXPECT_EQ(frame, "DATA\ta%25b%09c\t23.5%0D%0A\t\t\xE9\n");
  EXPECT_EQ(DecodeLinkFrame(frame.substr(0, frame.size() - 1)), fields);
}

TEST(LinkFrames, DecodingToleratesCrAndRefusesBrokenEscapes) {
  const std::vector<std::pair<std::string, bool>> cases = {{"TERMINATE\r", true}, {"a%2", false}, {"a%", false},
                                                           {"a%zz", false},       {"a%0a", true}, {"", true}};
  for (const auto& [line, readable] : cases) {
    SCOPED_TRACE(line);
    EXPECT_EQ(DecodeLinkFrame(line).has_value(), readable);
  }
  EXPECT_EQ(DecodeLinkFrame("TERMINATE\r")->at(0), "TERMINATE");
}

TEST(LinkFrames, SplitterHandsOutWholeLinesAndStopsAtAnOverlongOne) {
  LinkFrameSplitter splitter;
  const std::string input = "ONE\nTW";
  splitter.Append(input.data(), input.size());
  EXPECT_EQ(splitter.Next(), "ONE");
  EXPECT_EQ(splitter.Next(), std::nullopt);
  splitter.Append("O\n", 2);
  EXPECT_EQ(splitter.Next(), "TWO");

  const std::string fits(kMaxLinkFrame - 1, 'x');
  splitter.Append((fits + "\n").data(), fits.size() + 1);
  EXPECT_EQ(splitter.Next(), fits);
  const std::string endless(kMaxLinkFrame, 'y');
  splitter.Append(endless.data(), endless.size());
  EXPECT_EQ(splitter.Next(), std::nullopt);
  EXPECT_TRUE(splitter.Overlong());
  splitter.Append("\nOK\n", 4);
  EXPECT_EQ(splitter.Next(), std::nullopt);
}

}  // namespace
}  // namespace korvix
