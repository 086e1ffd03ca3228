#include <gtest/gtest.h>

#include "ui/latin1.h"

namespace korvix {
namespace {

TEST(Latin1, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(FromQString(ToQString(all)), all);
}

TEST(Latin1, StoredLineBreaksBecomeNewlines) {
  EXPECT_EQ(ToDisplayText("a\rb\r\nc\n"), QStringLiteral("a\nb\nc\n"));
  EXPECT_EQ(ToDisplayText(""), QString());
}

}  // namespace
}  // namespace korvix
