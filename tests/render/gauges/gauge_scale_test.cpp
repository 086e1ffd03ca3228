#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "render/gauges/gauge_scale.h"

namespace korvix {
namespace {

struct ParseCase {
  const char* text;
  int base;
  int decimals;
  std::optional<std::int64_t> expected;
};

TEST(GaugeScaleTest, ValueTextsReadInTheOutputBaseAtTheOffsetsResolution) {
  const ParseCase cases[] = {
      {"12.34", kBaseDec, 1, 123},     {"12.34", kBaseDec, 3, 12340}, {"-7", kBaseDec, 0, -7},
      {" 5 ", kBaseDec, 0, 5},         {"1:30", kBaseDec, 0, 5400},   {"ff", kBaseHex, 0, 255},
      {"FF", kBaseHex, 2, 25500},      {"-10", kBaseHex, 0, -16},     {"101", kBaseBin, 0, 5},
      {"Error", kBaseDec, 0, {}},      {"Overflow", kBaseDec, 0, {}}, {"Error", kBaseHex, 0, {}},
      {"", kBaseDec, 0, {}},           {"-", kBaseDec, 0, {}},        {"12a", kBaseDec, 0, {}},
      {"2147483648", kBaseDec, 0, {}}, {"12", kBaseBin, 0, {}},       {"1.5", kBaseHex, 0, {}},
  };
  for (const ParseCase& c : cases)
    EXPECT_EQ(ParseGaugeText(c.text, c.base, c.decimals), c.expected) << c.text << " base " << c.base;
  EXPECT_EQ(OffsetDecimals("0.00"), 2);
  EXPECT_EQ(OffsetDecimals("5"), 0);
}

TEST(GaugeScaleTest, PositionsArePinnedToTheScaleEndsAndAZeroSpanNeverDivides) {
  EXPECT_DOUBLE_EQ(ScaleFraction(25, 0, 100), 0.25);
  EXPECT_DOUBLE_EQ(ScaleFraction(-5, 0, 100), 0.0);
  EXPECT_DOUBLE_EQ(ScaleFraction(500, 0, 100), 1.0);
  EXPECT_DOUBLE_EQ(ScaleFraction(25, 100, 0), 0.75);
  EXPECT_DOUBLE_EQ(ScaleFraction(150, 100, 0), 0.0);
  EXPECT_DOUBLE_EQ(ScaleFraction(50, 50, 50), 0.0);

  ScaleGaugeRecord record;
  record.scalestart = "1.5";
  record.scaleend = "3.5";
  record.offset = "0.0";
  EXPECT_DOUBLE_EQ(*ScalePosition(ScaleOf(record), "2.0"), 0.25);
  EXPECT_DOUBLE_EQ(*ScalePosition(ScaleOf(record), "2.09"), 0.25);  // below the resolution
  EXPECT_FALSE(ScalePosition(ScaleOf(record), "Error"));
  record.scaleend = "1.5";
  EXPECT_DOUBLE_EQ(*ScalePosition(ScaleOf(record), "9"), 0.0);
}

ScaleGaugeRecord ScaleRecord(std::string start, std::string end, int base = kBaseDec) {
  ScaleGaugeRecord record;
  record.outputbase = base;
  record.scalestart = std::move(start);
  record.scaleend = std::move(end);
  return record;
}

TEST(GaugeScaleTest, WarningZoneAndTickLabelsFollowTheScale) {
  DialGaugeRecord dial;
  EXPECT_DOUBLE_EQ(*WarningPosition(dial), 0.875);
  std::string labels;
  for (int k = 0; k < dial.tickmarks; ++k) labels += TickLabel(dial, k, dial.tickmarks) + " ";
  EXPECT_EQ(labels, "0 25 50 75 100 125 150 175 200 ");
  dial.warnlevel = "";
  EXPECT_FALSE(WarningPosition(dial));

  EXPECT_EQ(TickLabel(ScaleRecord("0", "FF", kBaseHex), 1, 2), "FF");
  EXPECT_EQ(TickLabel(ScaleRecord("0", "1.0"), 1, 4), "0.3");
}

TEST(GaugeScaleTest, DialsSweepFromLowerLeftToLowerRightAndMetersOverTheTop) {
  EXPECT_DOUBLE_EQ(DialAngle(0), 225);
  EXPECT_DOUBLE_EQ(DialAngle(0.5), 90);
  EXPECT_DOUBLE_EQ(DialAngle(1), -45);
  EXPECT_DOUBLE_EQ(DialAngle(2), -45);
  EXPECT_DOUBLE_EQ(MeterAngle(0.5), 90);
  EXPECT_GT(MeterAngle(0), 90);
  EXPECT_LT(MeterAngle(1), 90);
}

TEST(GaugeScaleTest, DirectionsWrapRoundTheCompassInsteadOfPinning) {
  DualHandGaugeRecord dual;  // dial factor 10
  const auto hands = DualHandBearings(dual, "345");
  ASSERT_TRUE(hands);
  EXPECT_NEAR(hands->longhand, 162.0, 1e-9);
  EXPECT_NEAR(hands->shorthand, 124.2, 1e-9);
  EXPECT_NEAR(DualHandBearings(dual, "-10")->longhand, 324.0, 1e-9);
  EXPECT_FALSE(DualHandBearings(dual, "Overflow"));

  WindVaneRecord vane;
  EXPECT_NEAR(*WindVaneBearing(vane, "90"), 90.0, 1e-9);
  EXPECT_NEAR(*WindVaneBearing(vane, "370"), 10.0, 1e-9);
  EXPECT_NEAR(*WindVaneBearing(vane, "-90"), 270.0, 1e-9);
  vane.zerodata = "100";
  vane.fulldata = "200";
  EXPECT_NEAR(*WindVaneBearing(vane, "125"), 90.0, 1e-9);
  vane.fulldata = "100.0";
  EXPECT_FALSE(WindVaneBearing(vane, "125"));
  EXPECT_FALSE(WindVaneBearing(WindVaneRecord{}, "Error"));

  EXPECT_NEAR(*PivotArmBearing("450"), 90.0, 1e-9);
  EXPECT_FALSE(PivotArmBearing(""));
}

}  // namespace
}  // namespace korvix
