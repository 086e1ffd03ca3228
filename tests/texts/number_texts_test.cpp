#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "texts/number_texts.h"

namespace korvix {
namespace {

struct ParseCase {
  std::string text;
  int32_t value;
  int decimals;
  int overflow;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseNumberTextTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTextTest, YieldsValueDecimalsAndOverflow) {
  const ParseCase& c = GetParam();
  NumberTexts texts;
  texts.m_decimals = 99;  // the parse resets it
  EXPECT_EQ(texts.ParseNumberText(c.text), c.value);
  EXPECT_EQ(texts.m_decimals, c.decimals);
  EXPECT_EQ(texts.m_overflow, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberTextTest,
    ::testing::Values(
        // Range.
        ParseCase{"2147483647", 2147483647, 0, 0}, ParseCase{"-2147483647", -2147483647, 0, 0},
        ParseCase{"2147483648", 0, 0, 1}, ParseCase{"-2147483648", 0, 0, 1}, ParseCase{"99999999999999999999", 0, 0, 1},
        ParseCase{"0000000000000000000000000000012", 12, 0, 0},
        // Decimals.
        ParseCase{"12.50", 1250, 2, 0}, ParseCase{".5", 5, 1, 0}, ParseCase{"-.5", -5, 1, 0},
        ParseCase{"1.2.3", 123, 1, 0}, ParseCase{"10.0", 100, 1, 0}, ParseCase{"5", 5, 0, 0}, ParseCase{"5.", 5, 0, 0},
        ParseCase{"214748364.7", 2147483647, 1, 0}, ParseCase{"214748364.8", 0, 1, 1},
        // Refused texts: 0, overflow untouched.
        ParseCase{"12a", 0, 0, 0}, ParseCase{"1e3", 0, 0, 0}, ParseCase{" 5", 0, 0, 0}, ParseCase{"5 ", 0, 0, 0},
        ParseCase{"+5", 0, 0, 0}, ParseCase{"Error", 0, 0, 0}, ParseCase{"Overflow", 0, 0, 0},
        ParseCase{"99999999999x", 0, 0, 0}, ParseCase{"", 0, 0, 0},
        // Signs.
        ParseCase{"-", 0, 0, 0}, ParseCase{"-0", 0, 0, 0}, ParseCase{"-12", -12, 0, 0}, ParseCase{"1-2", 12, 0, 0},
        ParseCase{".", 0, 0, 0},
        // Time texts.
        ParseCase{"1:30", 5400, 0, 0}, ParseCase{"0:01:30", 90, 0, 0}, ParseCase{"1:00:00", 3600, 0, 0},
        ParseCase{"-1:30", -5400, 0, 0}, ParseCase{"1:", 360, 0, 0}, ParseCase{":", 0, 0, 0},
        ParseCase{"1:30.5", 54300, 1, 0}, ParseCase{"596523:14", 2147483640, 0, 0}, ParseCase{"596523:15", 0, 0, 1}));

TEST(ParseNumberText, OverflowIsNeverClearedByTheParser) {
  NumberTexts texts;
  EXPECT_EQ(texts.ParseNumberText("2147483648"), 0);
  EXPECT_EQ(texts.m_overflow, 1);
  EXPECT_EQ(texts.ParseNumberText("12"), 12);
  EXPECT_EQ(texts.m_overflow, 1);
}

struct FormatCase {
  int32_t n;
  int d;
  std::string text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.n << " with " << c.d; }

class FormatNumberTextTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTextTest, WritesTheScaledValue) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatNumberText(c.n, c.d), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumberTextTest,
    ::testing::Values(FormatCase{0, 2, "0.00"}, FormatCase{12345, 2, "123.45"}, FormatCase{5, 3, "0.005"},
                      FormatCase{0, 0, "0"}, FormatCase{-7, 1, "-0.7"}, FormatCase{1000, 2, "10.00"},
                      FormatCase{1, 0, "1"}, FormatCase{1, 1, "0.1"}, FormatCase{1, 2, "0.01"},
                      FormatCase{1250, 2, "12.50"}, FormatCase{2147483647, 0, "2147483647"},
                      FormatCase{-2147483647, 0, "-2147483647"}, FormatCase{-2147483647 - 1, 0, "-2147483648"},
                      FormatCase{2147483647, 10, "0.2147483647"}, FormatCase{5, 12, "0.000000000005"},
                      FormatCase{-5, 12, "-0.000000000005"}, FormatCase{100, 0, "100"}, FormatCase{100, 1, "10.0"},
                      FormatCase{7, -3, "7"}));

TEST(FormatNumberText, ClampsAHugeDecimalCount) {
  const std::string text = FormatNumberText(1, 2147483647);
  EXPECT_EQ(text.size(), (size_t{1} << 20) + 2);
  EXPECT_EQ(text.substr(0, 3), "0.0");
  EXPECT_EQ(text.back(), '1');
}

TEST(NumberTexts, ParseThenFormatRoundTrips) {
  for (const char* text : {"0", "12.50", "-0.5", "2147483647", "-2147483647", "0.005", "123.45", "-0.7", "0.00"}) {
    NumberTexts texts;
    const int32_t n = texts.ParseNumberText(text);
    EXPECT_EQ(FormatNumberText(n, texts.m_decimals), text);
  }
}

// Hexadecimal and binary texts.

struct BaseCase {
  std::string text;
  int32_t value;
  int overflow;
};

void PrintTo(const BaseCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseHexTextTest : public ::testing::TestWithParam<BaseCase> {};

TEST_P(ParseHexTextTest, Parses) {
  const BaseCase& c = GetParam();
  NumberTexts texts;
  texts.m_decimals = 3;
  EXPECT_EQ(texts.ParseHexText(c.text), c.value);
  EXPECT_EQ(texts.m_overflow, c.overflow);
  EXPECT_EQ(texts.m_decimals, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseHexTextTest,
                         ::testing::Values(BaseCase{"0", 0, 0}, BaseCase{"FF", 255, 0}, BaseCase{"ff", 255, 0},
                                           BaseCase{"00FF", 255, 0}, BaseCase{"7FFFFFFF", 2147483647, 0},
                                           BaseCase{"-7FFFFFFF", -2147483647, 0}, BaseCase{"80000000", 0, 1},
                                           BaseCase{"-80000000", 0, 1}, BaseCase{"FFFFFFFF", 0, 1},
                                           BaseCase{"000000000000007fffffff", 2147483647, 0}, BaseCase{"-1F", -31, 0},
                                           BaseCase{"", 0, 0}, BaseCase{"-", 0, 0}, BaseCase{"0x1F", 0, 0},
                                           BaseCase{" 1F", 0, 0}, BaseCase{"1F ", 0, 0}, BaseCase{"1.5", 0, 0},
                                           BaseCase{"G", 0, 0}, BaseCase{"FFFFFFFFFFG", 0, 0}));

class ParseBinaryTextTest : public ::testing::TestWithParam<BaseCase> {};

TEST_P(ParseBinaryTextTest, Parses) {
  const BaseCase& c = GetParam();
  NumberTexts texts;
  EXPECT_EQ(texts.ParseBinaryText(c.text), c.value);
  EXPECT_EQ(texts.m_overflow, c.overflow);
  EXPECT_EQ(texts.m_decimals, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseBinaryTextTest,
                         ::testing::Values(BaseCase{"0", 0, 0}, BaseCase{"1", 1, 0}, BaseCase{"101", 5, 0},
                                           BaseCase{"00000101", 5, 0}, BaseCase{"-101", -5, 0},
                                           BaseCase{std::string(31, '1'), 2147483647, 0},
                                           BaseCase{"1" + std::string(31, '0'), 0, 1},
                                           BaseCase{std::string(40, '1'), 0, 1}, BaseCase{"2", 0, 0},
                                           BaseCase{"10 1", 0, 0}, BaseCase{"", 0, 0}, BaseCase{"-", 0, 0}));

struct FormatBaseCase {
  int32_t n;
  int d;
  std::string hex;
  std::string binary;
};

void PrintTo(const FormatBaseCase& c, std::ostream* os) { *os << c.n << " with " << c.d; }

class FormatInBaseTest : public ::testing::TestWithParam<FormatBaseCase> {};

TEST_P(FormatInBaseTest, WritesHexAndBinary) {
  const FormatBaseCase& c = GetParam();
  EXPECT_EQ(FormatHexText(c.n, c.d), c.hex);
  EXPECT_EQ(FormatBinaryText(c.n, c.d), c.binary);
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatInBaseTest,
                         ::testing::Values(FormatBaseCase{0, 0, "0", "0"}, FormatBaseCase{5, 0, "5", "101"},
                                           FormatBaseCase{255, 0, "FF", "11111111"},
                                           FormatBaseCase{-31, 0, "-1F", "-11111"},
                                           FormatBaseCase{2147483647, 0, "7FFFFFFF", std::string(31, '1')},
                                           FormatBaseCase{-2147483647 - 1, 0, "-80000000", "-1" + std::string(31, '0')},
                                           // With decimals the whole part is written, truncated towards zero.
                                           FormatBaseCase{125, 1, "C", "1100"}, FormatBaseCase{-125, 1, "-C", "-1100"},
                                           FormatBaseCase{-5, 1, "0", "0"}, FormatBaseCase{2147483647, 10, "0", "0"},
                                           FormatBaseCase{2147483647, 400, "0", "0"},
                                           FormatBaseCase{255, -1, "FF", "11111111"}));

// The COM link pads the converted number to a width with leading zeros and a
// module reads it back: every value in range survives the round trip.
TEST(HexAndBinaryTexts, RoundTripWithPadding) {
  for (const int32_t n : {0, 1, 5, 10, 15, 16, 255, 256, 4095, 65535, 1000000, 2147483647, -1, -255, -2147483647}) {
    for (const size_t width : {0u, 4u, 8u, 12u, 40u}) {
      std::string hex = FormatHexText(n);
      std::string binary = FormatBinaryText(n);
      if (n >= 0) {  // signed texts are padded by the caller only when positive
        if (hex.size() < width) hex.insert(0, width - hex.size(), '0');
        if (binary.size() < width) binary.insert(0, width - binary.size(), '0');
      }
      NumberTexts texts;
      EXPECT_EQ(texts.ParseHexText(hex), n) << hex;
      EXPECT_EQ(texts.ParseBinaryText(binary), n) << binary;
      EXPECT_EQ(texts.m_overflow, 0);
    }
  }
  NumberTexts texts;
  EXPECT_EQ(texts.ParseHexText("000000FF"), 255);
  EXPECT_EQ(FormatHexText(texts.ParseHexText("00ff")), "FF");
  EXPECT_EQ(texts.ParseBinaryText("00000101"), 5);
  EXPECT_EQ(FormatBinaryText(texts.ParseBinaryText("00000101")), "101");
}

// The Data Window path of label reading: a hexadecimal or binary value text read
// as decimal text.
TEST(HexAndBinaryTexts, ReadAsDecimalText) {
  NumberTexts texts;
  EXPECT_EQ(FormatNumberText(texts.ParseHexText("3FF"), texts.m_decimals), "1023");
  EXPECT_EQ(FormatNumberText(texts.ParseBinaryText("1010"), texts.m_decimals), "10");
}

// Cleaning, padding and zero texts.

struct CleanCase {
  std::string text;
  NumberFormat format;
  std::optional<std::string> cleaned;
};

void PrintTo(const CleanCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" format " << static_cast<int>(c.format);
}

class CleanNumericTextTest : public ::testing::TestWithParam<CleanCase> {};

TEST_P(CleanNumericTextTest, KeepsWhatTheFormatAllows) {
  const CleanCase& c = GetParam();
  EXPECT_EQ(CleanNumericText(c.text, c.format), c.cleaned);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CleanNumericTextTest,
    ::testing::Values(
        CleanCase{"12.5", NumberFormat::Decimal, "12.5"}, CleanCase{"  23.5 C\r", NumberFormat::Decimal, "23.5"},
        CleanCase{"-12", NumberFormat::Decimal, "-12"}, CleanCase{"1-2", NumberFormat::Decimal, "12"},
        CleanCase{"--5", NumberFormat::Decimal, "-5"}, CleanCase{"1.2.3", NumberFormat::Decimal, "1.23"},
        CleanCase{"1e3", NumberFormat::Decimal, "13"}, CleanCase{"Value=7", NumberFormat::Decimal, "7"},
        CleanCase{"1:30", NumberFormat::Decimal, "130"}, CleanCase{"", NumberFormat::Decimal, std::nullopt},
        CleanCase{"abc", NumberFormat::Decimal, std::nullopt}, CleanCase{"-.", NumberFormat::Decimal, std::nullopt},
        CleanCase{"Error", NumberFormat::Decimal, std::nullopt}, CleanCase{"Error", NumberFormat::Hex, std::nullopt},
        CleanCase{"Overflow", NumberFormat::Hex, std::nullopt}, CleanCase{"0x1Fg", NumberFormat::Hex, "01F"},
        CleanCase{"-ff", NumberFormat::Hex, "-ff"}, CleanCase{"b1012", NumberFormat::Binary, "101"},
        CleanCase{"2", NumberFormat::Binary, std::nullopt}, CleanCase{"1:30 h", NumberFormat::Time, "1:30"},
        CleanCase{"-1:30", NumberFormat::Time, "1:30"}, CleanCase{"::", NumberFormat::Time, std::nullopt}));

struct PadCase {
  std::string text, limit1, limit2, padded;
};

void PrintTo(const PadCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" to \"" << c.limit1 << "\", \"" << c.limit2 << '"';
}

class PadNumberTextTest : public ::testing::TestWithParam<PadCase> {};

TEST_P(PadNumberTextTest, PadsToTheWiderLimit) {
  const PadCase& c = GetParam();
  EXPECT_EQ(PadNumberText(c.text, c.limit1, c.limit2), c.padded);
}

INSTANTIATE_TEST_SUITE_P(Cases, PadNumberTextTest,
                         ::testing::Values(PadCase{"5", "0", "100", "005"}, PadCase{"5", "100", "0", "005"},
                                           PadCase{"-5", "-100", "100", "-005"}, PadCase{"5", "-100", "10", "005"},
                                           PadCase{"1.50", "0.00", "10.00", "01.50"}, PadCase{"123", "0", "100", "123"},
                                           PadCase{"12345", "0", "100", "12345"}, PadCase{"5", "", "", "5"},
                                           PadCase{"", "0", "100", ""}, PadCase{"Error", "0", "100", "Error"},
                                           PadCase{"Overflow", "0", "100000000000", "Overflow"},
                                           PadCase{"1F", "00", "FFFF", "1F"}));

struct ZeroCase {
  std::string text, zero;
};

class ZeroTextLikeTest : public ::testing::TestWithParam<ZeroCase> {};

TEST_P(ZeroTextLikeTest, ShapesAZero) { EXPECT_EQ(ZeroTextLike(GetParam().text), GetParam().zero); }

INSTANTIATE_TEST_SUITE_P(Cases, ZeroTextLikeTest,
                         ::testing::Values(ZeroCase{"", "0"}, ZeroCase{"123", "0"}, ZeroCase{"12.50", "0.00"},
                                           ZeroCase{"0.0", "0.0"}, ZeroCase{".5", "0.0"}, ZeroCase{"5.", "0."},
                                           ZeroCase{"1.2.3", "0.0"}, ZeroCase{"-0.000", "0.000"},
                                           ZeroCase{"Error", "0"}));

}  // namespace
}  // namespace korvix
