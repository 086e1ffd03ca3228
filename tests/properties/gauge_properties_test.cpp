#include <gtest/gtest.h>

#include <functional>

#include "platform/testing/recording_message_sink.h"
#include "properties/gauge_properties.h"
#include "properties/mark_choices.h"

namespace korvix {
namespace {

using DialKind = PropertyKind<ScreenObjectKind::DialGauge>;
using LevelKind = PropertyKind<ScreenObjectKind::LevelGauge>;

constexpr const char* kBaseMismatch =
    "This field contains a character which \rdoes not match the Data Conversion type.";
constexpr const char* kRightEmpty = "Right Value must contain a number.";
constexpr const char* kLeftEmpty = "Left Value must contain a number.";
constexpr const char* kRightLeftEqual = "Left Value cannot equal Right Value.";
constexpr const char* kWarning = "The Warning Level must be between Left Value and Right Value.";

struct GaugeCase {
  const char* name;
  ScreenObjectKind kind;
  std::function<void(GaugeFields&)> change;
  std::optional<ValueField> focus;
  const char* message;  // nullptr: nothing shown
  bool guard = false;
};

GaugeFields DialFields(ScreenObjectKind kind) {
  if (kind == ScreenObjectKind::LevelGauge) {
    LevelGaugeRecord record;
    record.idlabel = "Level1";
    return LevelKind::Load(record);
  }
  DialGaugeRecord record;
  record.idlabel = "Dial1";
  return DialKind::Load(record);
}

class GaugeCheck : public ::testing::TestWithParam<GaugeCase> {};

TEST_P(GaugeCheck, RefusesTheFirstFaultWithTheKindsWording) {
  RecordingMessageSink sink;
  GaugeFields fields = DialFields(GetParam().kind);
  GetParam().change(fields);

  const OkCheck<ValueField> check = CheckGaugeFields(fields, WordingOf(GetParam().kind), "", sink);

  EXPECT_EQ(check.focus, GetParam().focus);
  EXPECT_EQ(check.guard, GetParam().guard);
  if (!GetParam().message) {
    EXPECT_TRUE(sink.shown.empty());
    return;
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Entry Error");
  EXPECT_EQ(sink.shown[0].text, GetParam().message);
}

const auto Ends = [](const char* end, const char* start, const char* warning = "") {
  return [=](GaugeFields& f) {
    f.scaleend = end;
    f.scalestart = start;
    f.warnlevel = warning;
  };
};

constexpr auto kDial = ScreenObjectKind::DialGauge;

INSTANTIATE_TEST_SUITE_P(
    Cases, GaugeCheck,
    ::testing::Values(
        GaugeCase{"Defaults", kDial, [](GaugeFields&) {}, std::nullopt, nullptr},
        GaugeCase{"LevelDefaults", ScreenObjectKind::LevelGauge, [](GaugeFields&) {}, std::nullopt, nullptr},
        GaugeCase{"TargetWithBraces", kDial, [](GaugeFields& f) { f.texts.outputlabel = "{Tank1}"; },
                  ValueField::OutputLabel, "This field does not support variables.", true},
        GaugeCase{"TargetIsItself", kDial, [](GaugeFields& f) { f.texts.outputlabel = " dial 1 "; },
                  ValueField::OutputLabel, "Can not send output value to itself.", true},
        GaugeCase{"MultiplierAfterTarget",
                  kDial,
                  [](GaugeFields& f) {
                    f.texts.outputlabel = "Dial1";
                    f.conversion.multiplier = "0";
                  },
                  ValueField::OutputLabel, "Can not send output value to itself.", true},
        GaugeCase{"MultiplierZero", kDial, [](GaugeFields& f) { f.conversion.multiplier = "0"; },
                  ValueField::Multiplier, "The Multiplier can not equal zero."},
        GaugeCase{"OffsetLetter", kDial, [](GaugeFields& f) { f.conversion.offset = "o"; }, ValueField::Offset,
                  "This field contains an illegal character."},
        GaugeCase{"RightEmpty", kDial, Ends("", "0"), ValueField::ScaleEnd, kRightEmpty},
        GaugeCase{"LeftBlanks", kDial, Ends("100", "  "), ValueField::ScaleStart, kLeftEmpty},
        GaugeCase{"EqualTexts", kDial, Ends("5", "5"), ValueField::ScaleEnd, kRightLeftEqual},
        GaugeCase{"VerticalWording", ScreenObjectKind::VerticalGauge, Ends("", "0"), ValueField::ScaleEnd,
                  "Top Value must contain a number."},
        GaugeCase{"LevelWording", ScreenObjectKind::LevelGauge, Ends("7", "7"), ValueField::ScaleEnd,
                  "Top Value cannot equal Bottom Value."},
        GaugeCase{"LevelBottomEmpty", ScreenObjectKind::LevelGauge, Ends("7", ""), ValueField::ScaleStart,
                  "Bottom Value must contain a number."},
        GaugeCase{"BinaryTwo",
                  kDial,
                  [](GaugeFields& f) {
                    f.conversion.outputbase = 2;
                    Ends("101", "2")(f);
                  },
                  ValueField::ScaleStart, kBaseMismatch},
        GaugeCase{"DecimalHexDigit", kDial, Ends("1f", "0"), ValueField::ScaleEnd, kBaseMismatch},
        GaugeCase{"WarningCharacter", kDial, Ends("100", "0", "8x"), ValueField::WarnLevel, kBaseMismatch},
        // Texts that differ but read as no number, or as the same number.
        GaugeCase{"LoneMinus", kDial, Ends("-", "0"), ValueField::ScaleEnd, kRightEmpty},
        GaugeCase{"LonePoint", kDial, Ends("100", "."), ValueField::ScaleStart, kLeftEmpty},
        GaugeCase{"NineHexDigits",
                  kDial,
                  [](GaugeFields& f) {
                    f.conversion.outputbase = 1;
                    Ends("FFFFFFFFF", "0")(f);
                  },
                  ValueField::ScaleEnd, kRightEmpty},
        GaugeCase{"SameAtOneDecimal", kDial, Ends("100", "100.0"), ValueField::ScaleEnd, kRightLeftEqual},
        GaugeCase{"MinusZero", kDial, Ends("0", "-0"), ValueField::ScaleEnd, kRightLeftEqual},
        GaugeCase{"CutToTheOffsetsDecimals", kDial, Ends("100", "100.4"), ValueField::ScaleEnd, kRightLeftEqual},
        GaugeCase{"FinerOffsetTellsThemApart",
                  kDial,
                  [](GaugeFields& f) {
                    f.conversion.offset = "0.0";
                    Ends("100", "100.4", "100.2")(f);
                  },
                  std::nullopt, nullptr},
        // The Warning Level may sit at the start of the scale but not at its end.
        GaugeCase{"WarningAtEnd", kDial, Ends("200", "0", "200"), ValueField::WarnLevel, kWarning},
        GaugeCase{"WarningAtStart", kDial, Ends("200", "0", "0"), std::nullopt, nullptr},
        GaugeCase{"WarningBelow", kDial, Ends("200", "0", "-1"), ValueField::WarnLevel, kWarning},
        GaugeCase{"ReversedAtEnd", kDial, Ends("0", "200", "0"), ValueField::WarnLevel, kWarning},
        GaugeCase{"ReversedAtStart", kDial, Ends("0", "200", "200"), std::nullopt, nullptr},
        GaugeCase{"WarningNoNumber", kDial, Ends("200", "0", "-"), ValueField::WarnLevel, kWarning},
        GaugeCase{"WarningEmpty", kDial, Ends("200", "0", ""), std::nullopt, nullptr},
        GaugeCase{"VerticalWarning", ScreenObjectKind::VerticalGauge, Ends("100", "0", "100"), ValueField::WarnLevel,
                  "The Warning Level must be between Top Value and Bottom Value."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(GaugeProperties, ScaleValuesLoseTheirBlanksAndHexDigitsAreStoredInUpperCase) {
  RecordingMessageSink sink;
  GaugeFields fields = DialFields(kDial);
  fields.conversion.outputbase = 1;
  fields.scaleend = "ff";
  fields.scalestart = "1 0";
  fields.warnlevel = " a0 ";

  ASSERT_TRUE(CheckGaugeFields(fields, WordingOf(kDial), "", sink).Accepted());
  DialGaugeRecord record;
  DialKind::Store(fields, record);

  EXPECT_EQ(record.scaleend, "FF");
  EXPECT_EQ(record.scalestart, "10");
  EXPECT_EQ(record.warnlevel, "A0");
  EXPECT_EQ(record.outputbase, 1);
  EXPECT_EQ(record.valuetext, "10");
}

TEST(GaugeProperties, TickMarksNoneTurnsSubMarksOffAndStoresOneAndZero) {
  const SubMarksState off = SubMarksFollowTicks(0, 4);
  EXPECT_FALSE(off.enabled);
  EXPECT_EQ(off.index, 0);
  const SubMarksState on = SubMarksFollowTicks(3, 4);
  EXPECT_TRUE(on.enabled);
  EXPECT_EQ(on.index, 4);

  DialGaugeRecord record;
  GaugeFields fields = DialKind::Load(record);
  EXPECT_EQ(fields.tickmarks, 8);
  fields.tickmarks = 0;
  fields.submarks = off.index;
  DialKind::Store(fields, record);
  EXPECT_EQ(record.tickmarks, 1);
  EXPECT_EQ(record.submarks, 0);
}

TEST(GaugeProperties, OddStoredChoicesShowNoEntryAndSurvive) {
  DialGaugeRecord record;
  record.tickmarks = 40;
  record.submarks = 25;
  record.outputbase = 7;
  const GaugeFields fields = DialKind::Load(record);
  EXPECT_EQ(fields.tickmarks, -1);
  EXPECT_EQ(fields.submarks, -1);
  EXPECT_EQ(fields.conversion.outputbase, -1);

  DialKind::Store(fields, record);
  EXPECT_EQ(record.tickmarks, 40);
  EXPECT_EQ(record.submarks, 25);
  EXPECT_EQ(record.outputbase, 7);
}

}  // namespace
}  // namespace korvix
