#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "platform/testing/recording_message_sink.h"
#include "texts/color_texts.h"

namespace korvix {
namespace {

const std::string kWarningTail = " is not a valid color format. \rThis color will be replaced with Black.";

struct NameCase {
  std::string name;
  uint32_t value;
  std::string text;  // FormatColorText of the value
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class ColorNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ColorNameTest, ReadsTheNameAndItsColorTextBothWays) {
  const NameCase& c = GetParam();
  RecordingMessageSink sink;
  EXPECT_EQ(ParseColorText(c.name, sink), c.value);
  EXPECT_EQ(FormatColorText(c.value), c.text);
  EXPECT_EQ(ParseColorText(c.text, sink), c.value);
  std::string lower = c.name;
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  EXPECT_EQ(ParseColorText(lower, sink), c.value);
  std::string upper = c.name;
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  EXPECT_EQ(ParseColorText(" " + upper.substr(0, 2) + " " + upper.substr(2) + " ", sink), c.value);
  EXPECT_TRUE(sink.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColorNameTest,
    ::testing::Values(NameCase{"Black", 0x000000, "Color#000000"}, NameCase{"White", 0xFFFFFF, "Color#FFFFFF"},
                      NameCase{"Gray", 0xC0C0C0, "Color#C0C0C0"}, NameCase{"Blue", 0xFF0000, "Color#0000FF"},
                      NameCase{"Green", 0x00FF00, "Color#00FF00"}, NameCase{"Cyan", 0xFFFF00, "Color#00FFFF"},
                      NameCase{"Red", 0x0000FF, "Color#FF0000"}, NameCase{"Magenta", 0xFF00FF, "Color#FF00FF"},
                      NameCase{"Yellow", 0x00FFFF, "Color#FFFF00"}));

TEST(FormatColorText, WritesRedFirst) {
  EXPECT_EQ(FormatColorText(0xFF0000), "Color#0000FF");
  EXPECT_EQ(FormatColorText(0x0000FF), "Color#FF0000");
  EXPECT_EQ(FormatColorText(0), "Color#000000");
  EXPECT_EQ(FormatColorText(0x123456), "Color#563412");
  EXPECT_EQ(FormatColorText(0x00ABCDEF), "Color#EFCDAB");
  EXPECT_EQ(FormatColorText(0xFF123456), "Color#563412");  // the top byte is ignored
}

TEST(ParseColorText, ReadsColorTexts) {
  RecordingMessageSink sink;
  EXPECT_EQ(ParseColorText("Color#FF0000", sink), 0x0000FFu);
  EXPECT_EQ(ParseColorText("Color#0000FF", sink), 0xFF0000u);
  EXPECT_EQ(ParseColorText("Color#563412", sink), 0x123456u);
  EXPECT_EQ(ParseColorText("Color#A0B0C0", sink), 0xC0B0A0u);
  EXPECT_TRUE(sink.shown.empty());
}

TEST(ParseColorText, EveryFormattedColorReadsBack) {
  RecordingMessageSink sink;
  for (uint32_t colour = 0; colour <= 0xFFFFFF; colour += 0x010203) {
    EXPECT_EQ(ParseColorText(FormatColorText(colour), sink), colour);
  }
  for (const uint32_t colour : {0x000000u, 0xFFFFFFu, 0x0F0F0Fu, 0xF0F0F0u, 0x00FFFFu}) {
    EXPECT_EQ(ParseColorText(FormatColorText(colour), sink), colour);
  }
  EXPECT_TRUE(sink.shown.empty());
}

struct IllegalCase {
  std::string text;
};

void PrintTo(const IllegalCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class IllegalColorTest : public ::testing::TestWithParam<IllegalCase> {};

TEST_P(IllegalColorTest, WarnsAndGivesBlack) {
  RecordingMessageSink sink;
  int popups_closed = 0;
  sink.SetPopupCloser([&] { ++popups_closed; });
  EXPECT_EQ(ParseColorText(GetParam().text, sink), 0u);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Illegal Color Name");
  EXPECT_EQ(sink.shown[0].text, GetParam().text + kWarningTail);
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(popups_closed, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, IllegalColorTest,
                         ::testing::Values(IllegalCase{"Purple"}, IllegalCase{"Color#ff0000"},
                                           IllegalCase{" Color#FF0000"}, IllegalCase{"Color#FF0000 "},
                                           IllegalCase{"color#FF0000"}, IllegalCase{"Color#FF000"},
                                           IllegalCase{"Color#FF00000"}, IllegalCase{"Color#FF00G0"},
                                           IllegalCase{"Color FF0000"}, IllegalCase{"#FF0000"}, IllegalCase{""},
                                           IllegalCase{"   "}, IllegalCase{"Grey"}, IllegalCase{"Blacks"},
                                           IllegalCase{"Color#-F0000"}, IllegalCase{"Color#+F0000"}));

TEST(ParseColorText, NamesIgnoreBlanksAndCase) {
  RecordingMessageSink sink;
  EXPECT_EQ(ParseColorText("black", sink), 0u);
  EXPECT_EQ(ParseColorText("BLACK", sink), 0u);
  EXPECT_EQ(ParseColorText("Bl ack", sink), 0u);
  EXPECT_EQ(ParseColorText("  r E d  ", sink), 0x0000FFu);
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(ParseColorText("Purple", sink), 0u);
  EXPECT_EQ(sink.shown.size(), 1u);
}

}  // namespace
}  // namespace korvix
