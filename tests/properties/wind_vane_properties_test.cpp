#include <gtest/gtest.h>

#include <functional>

#include "platform/testing/recording_message_sink.h"
#include "properties/dual_hand_gauge_properties.h"
#include "properties/wind_vane_properties.h"

namespace korvix {
namespace {

using WindVaneKind = PropertyKind<ScreenObjectKind::WindVane>;

constexpr const char* kFullEmpty = "360-Deg Data must contain a number.";
constexpr const char* kZeroEmpty = "0-Deg Data must contain a number.";
constexpr const char* kEqual = "360-Deg Data cannot equal 0-Deg Data.";

struct VaneCase {
  const char* name;
  std::string fulldata;
  std::string zerodata;
  std::optional<ValueField> focus;
  const char* message;  // nullptr: nothing shown
};

class WindVaneCheck : public ::testing::TestWithParam<VaneCase> {};

TEST_P(WindVaneCheck, DegDataMustReadAsTwoDifferentNumbers) {
  RecordingMessageSink sink;
  WindVaneRecord record;
  record.idlabel = "WindVane1";
  WindVaneFields fields = WindVaneKind::Load(record);
  fields.fulldata = GetParam().fulldata;
  fields.zerodata = GetParam().zerodata;

  const OkCheck<ValueField> check = CheckWindVaneFields(fields, sink);

  EXPECT_EQ(check.focus, GetParam().focus);
  EXPECT_FALSE(check.guard);
  if (!GetParam().message) {
    EXPECT_TRUE(sink.shown.empty());
    return;
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindVaneCheck,
                         ::testing::Values(VaneCase{"Defaults", "360", "0", std::nullopt, nullptr},
                                           VaneCase{"FullEmpty", "", "0", ValueField::FullData, kFullEmpty},
                                           VaneCase{"ZeroBlank", "360", " ", ValueField::ZeroData, kZeroEmpty},
                                           VaneCase{"SameText", "360", "360", ValueField::FullData, kEqual},
                                           VaneCase{"SameNumber", "360", "360.0", ValueField::FullData, kEqual},
                                           VaneCase{"Letter", "36O", "0", ValueField::FullData,
                                                    "This field contains an illegal character."},
                                           VaneCase{"ZeroLetter", "360", "n", ValueField::ZeroData,
                                                    "This field contains an illegal character."},
                                           VaneCase{"LoneMinus", "360", "-", ValueField::ZeroData, kZeroEmpty},
                                           VaneCase{"Reversed", "-180", "180", std::nullopt, nullptr}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(WindVaneProperties, BlanksLeaveTheDegDataAndOkPointsTheVaneNorth) {
  RecordingMessageSink sink;
  WindVaneRecord record;
  record.idlabel = "WindVane1";
  record.valuetext = "270";
  WindVaneFields fields = WindVaneKind::Load(record);
  fields.fulldata = "3 60";
  fields.texts.outputlabel = "{Vane}";
  const OkCheck<ValueField> refused = CheckWindVaneFields(fields, sink);
  EXPECT_EQ(refused.focus, ValueField::OutputLabel);
  EXPECT_TRUE(refused.guard);

  fields.texts.outputlabel = " Tank1 ";
  ASSERT_TRUE(CheckWindVaneFields(fields, sink).Accepted());
  WindVaneKind::Store(fields, record);
  EXPECT_EQ(record.fulldata, "360");
  EXPECT_EQ(record.outputlabel, "Tank1");
  EXPECT_EQ(record.valuetext, "0");
}

TEST(WindVaneProperties, TickMarksMapOntoTheirCountsAndAnOddOneIsKept) {
  WindVaneRecord record;
  WindVaneFields fields = WindVaneKind::Load(record);
  EXPECT_EQ(fields.tickmarks, 2);
  fields.tickmarks = 3;
  WindVaneKind::Store(fields, record);
  EXPECT_EQ(record.tickmarks, 16);

  record.tickmarks = 12;
  fields = WindVaneKind::Load(record);
  EXPECT_EQ(fields.tickmarks, -1);
  WindVaneKind::Store(fields, record);
  EXPECT_EQ(record.tickmarks, 12);
}

struct DualHandCase {
  const char* name;
  std::function<void(DualHandGaugeFields&)> change;
  std::optional<ValueField> focus;
  const char* message;  // nullptr: nothing shown
  bool guard = false;
};

class DualHandCheck : public ::testing::TestWithParam<DualHandCase> {};

TEST_P(DualHandCheck, RefusesTheFirstFaultInFieldOrder) {
  RecordingMessageSink sink;
  DualHandGaugeRecord record;
  record.idlabel = "DHGauge1";
  DualHandGaugeFields fields = PropertyKind<ScreenObjectKind::DualHandGauge>::Load(record);
  GetParam().change(fields);

  const OkCheck<ValueField> check = CheckDualHandGaugeFields(fields, "", sink);

  EXPECT_EQ(check.focus, GetParam().focus);
  EXPECT_EQ(check.guard, GetParam().guard);
  if (!GetParam().message) {
    EXPECT_TRUE(sink.shown.empty());
    return;
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DualHandCheck,
    ::testing::Values(DualHandCase{"Defaults", [](DualHandGaugeFields&) {}, std::nullopt, nullptr},
                      DualHandCase{"FormulaBeforeTarget",
                                   [](DualHandGaugeFields& f) {
                                     f.conversion.formula = "$abs(2)";
                                     f.texts.outputlabel = "DHGauge1";
                                   },
                                   ValueField::Formula, "The math formula contains an illegal string: \"$abs\"", true},
                      DualHandCase{"TargetIsItself", [](DualHandGaugeFields& f) { f.texts.outputlabel = "dhgauge 1"; },
                                   ValueField::OutputLabel, "Can not send output value to itself.", true},
                      DualHandCase{"OffsetComma", [](DualHandGaugeFields& f) { f.conversion.offset = "0,5"; },
                                   ValueField::Offset, "This field contains an illegal character."}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace korvix
