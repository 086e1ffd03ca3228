#include <gtest/gtest.h>

#include <array>
#include <string>

#include "texts/number_texts.h"

namespace korvix {
namespace {

struct MilliCase {
  std::string text;
  int32_t ms;
  int overflow;
};

void PrintTo(const MilliCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseMilliTextTest : public ::testing::TestWithParam<MilliCase> {};

TEST_P(ParseMilliTextTest, YieldsMilliseconds) {
  const MilliCase& c = GetParam();
  NumberTexts texts;
  texts.m_decimals = 7;
  EXPECT_EQ(texts.ParseMilliText(c.text), c.ms);
  EXPECT_EQ(texts.m_overflow, c.overflow);
  EXPECT_EQ(texts.m_decimals, 7);  // not touched
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseMilliTextTest,
    ::testing::Values(MilliCase{"1:30", 5400000, 0},                                // Hrs:Min
                      MilliCase{"0:01:30", 90000, 0},                               // Hrs:Min:Sec
                      MilliCase{"1:00:00", 3600000, 0}, MilliCase{"90", 90000, 0},  // seconds
                      MilliCase{"1.5", 1500, 0}, MilliCase{".5", 500, 0},           // decimals only
                      MilliCase{"1.25", 1250, 0}, MilliCase{"1.250", 1250, 0},
                      MilliCase{"1.2345", 12345, 0},  // more than 3 decimals: not scaled
                      MilliCase{"5.", 5000, 0},       // a final "." stops the reading
                      MilliCase{"0:01:30.5", 90500, 0}, MilliCase{" 1:30 ", 5400000, 0},   // trimmed
                      MilliCase{"", 0, 0}, MilliCase{"   ", 0, 0}, MilliCase{"-5", 0, 0},  // negative: 0
                      MilliCase{"-1:30", 0, 0}, MilliCase{"1:30a", 0, 0},                  // other characters: 0
                      MilliCase{"1 30", 0, 0}, MilliCase{"Error", 0, 0}, MilliCase{"2147483.647", 2147483647, 0},
                      MilliCase{"596:31:23.647", 2147483647, 0},
                      MilliCase{"2147483.648", 0, 1},  // more than an int holds
                      MilliCase{"2147484", 0, 1}, MilliCase{"99999999999999999999", 0, 1},
                      MilliCase{"35791:23", 0, 1}));

TEST(FormatDuration, TimeFormatNames) {
  EXPECT_EQ(static_cast<int>(TimeFormat::HMm), 0);
  EXPECT_EQ(static_cast<int>(TimeFormat::SecondsDd), 6);
}

struct DurationCase {
  int32_t ms;
  std::array<std::string, 7> texts;  // formats 0 to 6
};

void PrintTo(const DurationCase& c, std::ostream* os) { *os << c.ms << " ms"; }

class FormatDurationTest : public ::testing::TestWithParam<DurationCase> {};

TEST_P(FormatDurationTest, WritesEachOfTheSevenFormats) {
  const DurationCase& c = GetParam();
  for (int format = 0; format < 7; ++format) {
    EXPECT_EQ(FormatDuration(c.ms, format), c.texts[static_cast<size_t>(format)]) << "format " << format;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatDurationTest,
    ::testing::Values(
        //                   h:mm      h:mm:ss    h:mm:ss.d    h:mm:ss.dd    s     s.d     s.dd
        DurationCase{0, {"0:00", "0:00:00", "0:00:00.0", "0:00:00.00", "0", "0.0", "0.00"}},
        DurationCase{5400000, {"1:30", "1:30:00", "1:30:00.0", "1:30:00.00", "5400", "5400.0", "5400.00"}},
        DurationCase{90000, {"0:01", "0:01:30", "0:01:30.0", "0:01:30.00", "90", "90.0", "90.00"}},
        DurationCase{1234567, {"0:20", "0:20:34", "0:20:34.5", "0:20:34.56", "1234", "1234.5", "1234.56"}},
        DurationCase{59999, {"0:00", "0:00:59", "0:00:59.9", "0:00:59.99", "59", "59.9", "59.99"}},
        DurationCase{5, {"0:00", "0:00:00", "0:00:00.0", "0:00:00.00", "0", "0.0", "0.00"}},
        DurationCase{36000000, {"10:00", "10:00:00", "10:00:00.0", "10:00:00.00", "36000", "36000.0", "36000.00"}},
        DurationCase{2147483647,
                     {"596:31", "596:31:23", "596:31:23.6", "596:31:23.64", "2147483", "2147483.6", "2147483.64"}},
        DurationCase{-90000, {"-0:01", "-0:01:30", "-0:01:30.0", "-0:01:30.00", "-90", "-90.0", "-90.00"}},
        DurationCase{
            -2147483647 - 1,
            {"-596:31", "-596:31:23", "-596:31:23.6", "-596:31:23.64", "-2147483", "-2147483.6", "-2147483.64"}}));

TEST(FormatDuration, AnUnknownFormatIsHoursMinutesSeconds) {
  EXPECT_EQ(FormatDuration(5400000, 7), "1:30:00");
  EXPECT_EQ(FormatDuration(5400000, -1), "1:30:00");
  EXPECT_EQ(FormatDuration(5400000, 2147483647), "1:30:00");
  EXPECT_EQ(FormatDuration(5400000, TimeFormat::HMmSs), "1:30:00");
}

// Event Timer texts at their edges.
TEST(Durations, EventTimerResetValue) {
  NumberTexts texts;
  const int32_t ms = texts.ParseMilliText("1:30");
  EXPECT_EQ(ms, 5400000);
  EXPECT_EQ(FormatDuration(ms, TimeFormat::HMmSs), "1:30:00");
  EXPECT_EQ(FormatDuration(texts.ParseMilliText("0:01:30"), TimeFormat::SecondsD), "90.0");
}

TEST(Durations, EveryFormatReadsBackToItsResolution) {
  for (const int32_t ms : {0, 90000, 1234567, 5400000, 36000000, 2147483647}) {
    for (int format = 1; format < 7; ++format) {
      NumberTexts texts;
      const int32_t back = texts.ParseMilliText(FormatDuration(ms, format));
      const int32_t resolution = format == 1 || format == 4 ? 1000 : format == 2 || format == 5 ? 100 : 10;
      EXPECT_EQ(back, ms / resolution * resolution) << ms << " format " << format;
      EXPECT_EQ(texts.m_overflow, 0);
    }
    NumberTexts texts;  // h:mm reads back as Hrs:Min
    EXPECT_EQ(texts.ParseMilliText(FormatDuration(ms, 0)), ms / 60000 * 60000);
  }
}

}  // namespace
}  // namespace korvix
