// Every parser takes any byte string (empty, 1 MB, NUL bytes, bytes above
// 0x7F) and yields its defined result; run under ASan and UBSan too.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/testing/recording_message_sink.h"
#include "texts/color_texts.h"
#include "texts/label_texts.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

using namespace std::string_literals;

constexpr size_t kMegabyte = 1 << 20;

TEST(BadInput, MegabyteOfDigitsOverflows) {
  const std::string nines(kMegabyte, '9');
  NumberTexts texts;
  EXPECT_EQ(texts.ParseNumberText(nines), 0);
  EXPECT_EQ(texts.m_overflow, 1);
  texts.m_overflow = 0;
  EXPECT_EQ(texts.ParseNumberText("-" + nines), 0);
  EXPECT_EQ(texts.m_overflow, 1);
  texts.m_overflow = 0;
  EXPECT_EQ(texts.ParseMilliText(nines), 0);
  EXPECT_EQ(texts.m_overflow, 1);
  texts.m_overflow = 0;
  EXPECT_EQ(texts.ParseHexText(std::string(kMegabyte, 'F')), 0);
  EXPECT_EQ(texts.m_overflow, 1);
  texts.m_overflow = 0;
  EXPECT_EQ(texts.ParseBinaryText(std::string(kMegabyte, '1')), 0);
  EXPECT_EQ(texts.m_overflow, 1);
}

TEST(BadInput, MegabyteOfZerosIsZero) {
  const std::string zeros(kMegabyte, '0');
  NumberTexts texts;
  EXPECT_EQ(texts.ParseNumberText(zeros + "42"), 42);
  EXPECT_EQ(texts.ParseMilliText(zeros + "42"), 42000);
  EXPECT_EQ(texts.ParseHexText(zeros + "2A"), 42);
  EXPECT_EQ(texts.ParseBinaryText(zeros + "101010"), 42);
  EXPECT_EQ(texts.m_overflow, 0);
}

TEST(BadInput, MegabyteOfDecimals) {
  NumberTexts texts;
  const std::string text = "0." + std::string(kMegabyte, '0') + "5";
  EXPECT_EQ(texts.ParseNumberText(text), 5);
  EXPECT_EQ(texts.m_decimals, static_cast<int>(kMegabyte) + 1);
  EXPECT_EQ(texts.m_overflow, 0);
  // FormatNumberText caps the decimal count at 1048576.
  const std::string formatted = FormatNumberText(5, texts.m_decimals);
  EXPECT_EQ(formatted.size(), kMegabyte + 2);
  EXPECT_EQ(ZeroTextLike(text).size(), kMegabyte + 3);
}

TEST(BadInput, MegabyteOfColonsAndPoints) {
  NumberTexts texts;
  EXPECT_EQ(texts.ParseNumberText(std::string(kMegabyte, ':')), 0);
  EXPECT_EQ(texts.ParseNumberText(std::string(kMegabyte, '.')), 0);
  EXPECT_EQ(texts.ParseNumberText(std::string(kMegabyte, '-')), 0);
  EXPECT_EQ(texts.ParseMilliText(std::string(kMegabyte, ':')), 0);
  EXPECT_EQ(texts.ParseMilliText(std::string(kMegabyte, '.')), 0);
  EXPECT_EQ(texts.m_overflow, 0);
  std::string clock;
  while (clock.size() < kMegabyte) clock += "1:";
  EXPECT_EQ(texts.ParseNumberText(clock), 0);
  EXPECT_EQ(texts.m_overflow, 1);
  texts.m_overflow = 0;
  EXPECT_EQ(texts.ParseMilliText(clock), 0);
  EXPECT_EQ(texts.m_overflow, 1);
}

TEST(BadInput, MegabyteTextsAreRefusedOrPassed) {
  const std::string blanks(kMegabyte, ' ');
  const std::string letters(kMegabyte, 'x');
  const std::string high(kMegabyte, '\xFF');
  NumberTexts texts;
  for (const std::string* text : {&blanks, &letters, &high}) {
    EXPECT_EQ(texts.ParseNumberText(*text), 0);
    EXPECT_EQ(texts.ParseMilliText(*text), 0);
    EXPECT_EQ(texts.ParseHexText(*text), 0);
    EXPECT_EQ(texts.ParseBinaryText(*text), 0);
    EXPECT_FALSE(CleanNumericText(*text).has_value());
    EXPECT_EQ(PadNumberText(*text, "000", "0"), *text);
    EXPECT_EQ(ZeroTextLike(*text), "0");
    EXPECT_EQ(ExpandCharCodes(*text), *text);
  }
  EXPECT_EQ(texts.m_overflow, 0);
  EXPECT_FALSE(LabelsEqual(blanks, blanks));
  EXPECT_TRUE(LabelsEqual(letters, std::string(kMegabyte, 'X')));
  EXPECT_TRUE(LabelsEqual(letters + blanks, blanks + letters));
  EXPECT_FALSE(LabelsEqual(letters, letters + "x"));
}

TEST(BadInput, MegabyteOfCharacterCodes) {
  std::string codes;
  while (codes.size() < kMegabyte) codes += "[65]";
  const std::string expanded = ExpandCharCodes(codes);
  EXPECT_EQ(expanded, std::string(codes.size() / 4, 'A'));
  const std::string open(kMegabyte, '[');
  EXPECT_EQ(ExpandCharCodes(open), open);
  EXPECT_EQ(ExpandCharCodes(open + "0]"), std::string(kMegabyte - 1, '[') + "\0"s);
}

TEST(BadInput, MegabyteColorTextWarns) {
  RecordingMessageSink sink;
  const std::string text = "Color#" + std::string(kMegabyte, 'F');
  EXPECT_EQ(ParseColorText(text, sink), 0u);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, text + " is not a valid color format. \rThis color will be replaced with Black.");
  EXPECT_EQ(ParseColorText(std::string(kMegabyte, ' ') + "Red", sink), 0x0000FFu);
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST(BadInput, NulAndHighBytes) {
  NumberTexts texts;
  const std::vector<std::string> cases = {"\0"s,
                                          "12\0"s,
                                          "\0"s + "12",
                                          "1\0002"s,
                                          "\x80"s,
                                          "1\xB2"s,
                                          "\xFF\xFE"s,
                                          "12\xC2\xA0"s,
                                          "1:\x80"s,
                                          "1.\0"s,
                                          "-\0"s,
                                          "\xAD"
                                          "5"s};
  for (const std::string& text : cases) {
    EXPECT_EQ(texts.ParseNumberText(text), 0);
    EXPECT_EQ(texts.m_decimals, 0);
    EXPECT_EQ(texts.ParseMilliText(text), 0);
    EXPECT_EQ(texts.ParseHexText(text), 0);
    EXPECT_EQ(texts.ParseBinaryText(text), 0);
    EXPECT_EQ(PadNumberText(text, "0000", ""), text);
    EXPECT_EQ(ExpandCharCodes(text), text);
  }
  EXPECT_EQ(texts.m_overflow, 0);
  EXPECT_EQ(CleanNumericText("\x00"
                             "1\xB2"
                             "2\xFF"s),
            "12");
  EXPECT_EQ(CleanNumericText("\xB9\xB2"), std::nullopt);  // superscript digits are not digits
  EXPECT_FALSE(LabelsEqual("\0"s, ""));
  EXPECT_TRUE(LabelsEqual("\0"s, "\0"s));
  RecordingMessageSink sink;
  EXPECT_EQ(ParseColorText("Color#\0\0\0\0\0\0"s, sink), 0u);
  EXPECT_EQ(ParseColorText("Red\0"s, sink), 0u);
  EXPECT_EQ(ParseColorText("Color#FF00\xC0\xC0", sink), 0u);
  ASSERT_EQ(sink.shown.size(), 3u);
  EXPECT_EQ(sink.shown[0].text, "Color#\0\0\0\0\0\0"s +
                                    " is not a valid color format. \rThis color will be "
                                    "replaced with Black.");
}

// Random byte strings over the characters that matter: no crash, no
// sanitizer report, and results inside their contracts.
TEST(BadInput, RandomBytes) {
  std::mt19937 random(20261210);
  const std::string alphabet = "0123456789-:.[] xAFaf\0\x80\xFF\r"s;
  for (int round = 0; round < 20000; ++round) {
    std::string text(random() % 24, '\0');
    for (char& c : text) {
      c = random() % 4 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
    }
    NumberTexts texts;
    const int32_t n = texts.ParseNumberText(text);
    EXPECT_NE(n, INT32_MIN);
    EXPECT_GE(texts.m_decimals, 0);
    if (texts.m_overflow) {
      EXPECT_EQ(n, 0);
    }
    FormatNumberText(n, texts.m_decimals);
    EXPECT_GE(texts.ParseMilliText(text), 0);
    EXPECT_NE(texts.ParseHexText(text), INT32_MIN);
    EXPECT_NE(texts.ParseBinaryText(text), INT32_MIN);
    CleanNumericText(text, static_cast<NumberFormat>(round % 4));
    PadNumberText(text, text, "00000");
    ZeroTextLike(text);
    EXPECT_LE(ExpandCharCodes(text).size(), text.size());
    LabelsEqual(text, "Red");
    RecordingMessageSink sink;
    ParseColorText(text, sink);
    EXPECT_LE(sink.shown.size(), 1u);
    FormatDuration(static_cast<int32_t>(random()), static_cast<int>(random() % 9) - 1);
    FormatHexText(static_cast<int32_t>(random()), static_cast<int>(random() % 14) - 2);
    FormatBinaryText(static_cast<int32_t>(random()), static_cast<int>(random() % 14) - 2);
  }
}

}  // namespace
}  // namespace korvix
