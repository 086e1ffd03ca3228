#include <gtest/gtest.h>

#include "ok_check_cases.h"
#include "properties/control_properties.h"

namespace korvix {
namespace {

using RockerKind = PropertyKind<ScreenObjectKind::RockerSwitch>;
using SliderKind = PropertyKind<ScreenObjectKind::SliderControl>;
using RockerCase = OkCase<RockerSwitchFields, RockerSwitchField>;
using SliderCase = OkCase<SliderControlFields, SliderControlField>;
using RF = RockerSwitchField;
using SF = SliderControlField;

constexpr const char* kDecimal = "This field cannot contain a decimal point.";
constexpr const char* kValueType = "This field contains a character which \rdoes not match the Value Type.";
constexpr const char* kVariables = "This field does not support variables.";
constexpr const char* kEndsEqual = "Top Value cannot equal Bottom Value.";
constexpr const char* kTopNumber = "Top Value must contain a number.";
constexpr const char* kBottomNumber = "Bottom Value must contain a number.";

class RockerSwitchCheck : public ::testing::TestWithParam<RockerCase> {};

TEST_P(RockerSwitchCheck, RefusesInTheDialogsOrder) {
  RecordingMessageSink sink;
  RockerSwitchFields fields = RockerKind::Load(RockerSwitchRecord{});
  GetParam().change(fields);
  ExpectVerdict(GetParam(), CheckRockerSwitchFields(fields, sink), sink);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RockerSwitchCheck,
    ::testing::Values(RockerCase{"Defaults", [](auto&) {}, std::nullopt},
                      RockerCase{"LimitWithPoint", [](auto& f) { f.uplimit = "1.5"; }, RF::UpLimit, kDecimal},
                      RockerCase{"BinaryLimitWithTwo",
                                 [](auto& f) {
                                   f.valuetype = 2;
                                   f.startvalue = "1";
                                   f.downlimit = "102";
                                 },
                                 RF::DownLimit, kValueType},
                      RockerCase{"PointNamedBeforeType",
                                 [](auto& f) {
                                   f.valuetype = 2;
                                   f.startvalue = "2.1";
                                 },
                                 RF::StartValue, kDecimal},
                      RockerCase{"HexEitherCase",
                                 [](auto& f) {
                                   f.valuetype = 1;
                                   f.startvalue = "fF";
                                   f.uplimit = "-Ab";
                                 },
                                 std::nullopt},
                      RockerCase{"NoValueUsedSkipsTheStartValue",
                                 [](auto& f) {
                                   f.initmode = kNoValueUsed;
                                   f.startvalue = "x.y";
                                 },
                                 std::nullopt},
                      RockerCase{"NoValueUsedStillChecksLimits",
                                 [](auto& f) {
                                   f.initmode = kNoValueUsed;
                                   f.downlimit = "ten";
                                 },
                                 RF::DownLimit, kValueType},
                      RockerCase{"BracesInCommandFirst",
                                 [](auto& f) {
                                   f.getcommand = "{a}";
                                   f.uplimit = "1.5";
                                 },
                                 RF::GetCommand, kVariables},
                      RockerCase{"BracesInDownPrefix", [](auto& f) { f.downprefix = "D{"; }, RF::DownPrefix,
                                 kVariables},
                      RockerCase{"BracesInTargetKeepItsSelectorShut", [](auto& f) { f.sendvalueto = "{Tank}"; },
                                 RF::SendValueTo, kVariables, true},
                      RockerCase{"LongPrefix", [](auto& f) { f.upprefix = "ABCDEF"; }, RF::UpPrefix,
                                 "Please enter no more than 5 characters."}),
    RowName<RockerCase>);

TEST(RockerSwitchProperties, OkCleansTheTextsItShowsBack) {
  RecordingMessageSink sink;
  RockerSwitchFields fields;
  fields.startvalue = " 1 0 ";
  fields.getcommand = " G 1";
  fields.upprefix = "U P";
  fields.responseto = "  Tank 1 ";
  fields.initmode = kStartWithValue;
  EXPECT_TRUE(CheckRockerSwitchFields(fields, sink).Accepted());
  EXPECT_EQ(fields.startvalue, "10");
  EXPECT_EQ(fields.getcommand, "G1");
  EXPECT_EQ(fields.upprefix, "UP");
  EXPECT_EQ(fields.responseto, "Tank 1");
}

class SliderControlCheck : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SliderControlCheck, RefusesInTheDialogsOrder) {
  RecordingMessageSink sink;
  SliderControlFields fields = SliderKind::Load(SliderControlRecord{});
  GetParam().change(fields);
  ExpectVerdict(GetParam(), CheckSliderControlFields(fields, sink), sink);
}

const auto Ends = [](int valuetype, std::string top, std::string bottom) {
  return [=](SliderControlFields& f) {
    f.valuetype = valuetype;
    f.startvalue = "1";
    f.topvalue = top;
    f.bottomvalue = bottom;
  };
};

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderControlCheck,
    ::testing::Values(SliderCase{"Defaults", [](auto&) {}, std::nullopt},
                      SliderCase{"HexEndsEqualOnceUpperCased", Ends(1, "ff", "FF"), SF::TopValue, kEndsEqual},
                      SliderCase{"MinusFiveToFive", Ends(0, "-5", "5"), std::nullopt},
                      SliderCase{"EmptyTop", Ends(0, " ", "5"), SF::TopValue, kTopNumber},
                      SliderCase{"EmptyBottom", Ends(0, "5", ""), SF::BottomValue, kBottomNumber},
                      SliderCase{"EqualAsNumbers", Ends(0, "5", "05"), SF::TopValue, kEndsEqual},
                      SliderCase{"ZeroAndMinusZero", Ends(0, "0", "-0"), SF::TopValue, kEndsEqual},
                      SliderCase{"HexEqualAsNumbers", Ends(1, "FF", "0ff"), SF::TopValue, kEndsEqual},
                      SliderCase{"SignAlone", Ends(0, "100", "-"), SF::BottomValue, kBottomNumber},
                      SliderCase{"NineHexDigits", Ends(1, "123456789", "0"), SF::TopValue, kTopNumber},
                      SliderCase{"TopWithPoint", Ends(0, "1.5", "0"), SF::TopValue, kDecimal},
                      SliderCase{"BinaryBottom", Ends(2, "11", "2"), SF::BottomValue, kValueType},
                      SliderCase{"GetValueSkipsTheStartValue",
                                 [](auto& f) {
                                   f.initmode = kGetValueFromModule;
                                   f.startvalue = "?";
                                 },
                                 std::nullopt},
                      SliderCase{"BracesInPrefix", [](auto& f) { f.sendprefix = "S}"; }, SF::Prefix, kVariables},
                      SliderCase{"BracesInResponseTarget", [](auto& f) { f.responseto = "{x}"; }, SF::ResponseTo,
                                 kVariables, true}),
    RowName<SliderCase>);

TEST(SliderControlProperties, EndsAreStoredUpperCasedAndOkMovesTheValueToTheBottom) {
  RecordingMessageSink sink;
  SliderControlRecord record;
  record.valuetype = 1;
  record.topvalue = "FF";
  record.bottomvalue = "10";
  record.valuetext = "3C";
  SliderControlFields fields = SliderKind::Load(record);
  fields.topvalue = " f f";
  ASSERT_TRUE(CheckSliderControlFields(fields, sink).Accepted());
  SliderKind::Store(fields, record);
  EXPECT_EQ(record.topvalue, "FF");
  EXPECT_EQ(record.valuetext, "10");

  // Even when nothing changed.
  record.valuetext = "20";
  SliderKind::Store(SliderKind::Load(record), record);
  EXPECT_EQ(record.valuetext, "10");
}

TEST(SliderControlProperties, TickMarksAreStoredAsTheEntryPlusOne) {
  SliderControlRecord record;
  for (const auto& [entry, stored] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{20, 21}}) {
    SliderControlFields fields = SliderKind::Load(record);
    fields.tickmarks = entry;
    SliderKind::Store(fields, record);
    EXPECT_EQ(record.tickmarks, stored);
    EXPECT_EQ(SliderKind::Load(record).tickmarks, entry);
  }
  // A count the list does not offer shows no entry and is kept.
  record.tickmarks = 40;
  EXPECT_EQ(SliderKind::Load(record).tickmarks, -1);
  SliderKind::Store(SliderKind::Load(record), record);
  EXPECT_EQ(record.tickmarks, 40);
}

}  // namespace
}  // namespace korvix
