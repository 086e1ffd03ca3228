#include <gtest/gtest.h>

#include "ok_check_cases.h"
#include "properties/pivot_tracker_properties.h"

namespace korvix {
namespace {

using PivotKind = PropertyKind<ScreenObjectKind::PivotTracker>;
using PivotCase = OkCase<PivotTrackerFields, PivotTrackerField>;
using F = PivotTrackerField;

constexpr const char* kIllegal = "This field contains an illegal character.";
constexpr const char* kLabelNumber = "ID label must end with a number between 1 and 99.";

class PivotTrackerCheck : public ::testing::TestWithParam<PivotCase> {};

TEST_P(PivotTrackerCheck, RefusesInTheDialogsOrder) {
  RecordingMessageSink sink;
  PivotTrackerFields fields = PivotKind::Load(PivotTrackerRecord{});
  fields.idlabel = "Pivot1";
  GetParam().change(fields);
  ExpectVerdict(GetParam(), CheckPivotTrackerFields(fields, sink), sink);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PivotTrackerCheck,
    ::testing::Values(PivotCase{"Defaults", [](auto&) {}, std::nullopt},
                      PivotCase{"NoTrailingDigit", [](auto& f) { f.idlabel = "Pivot"; }, F::IdLabel, kLabelNumber},
                      PivotCase{"ZeroPasses", [](auto& f) { f.idlabel = "Pivot0"; }, std::nullopt},
                      PivotCase{"DigitsOnlyIsNoLabel", [](auto& f) { f.idlabel = "12"; }, F::IdLabel,
                                "ID label must contain at least one non-numerical character."},
                      PivotCase{"OwnTarget", [](auto& f) { f.signalto = " pivot 1"; }, F::SignalTo,
                                "Can not send Signal Strength value to itself.", true},
                      PivotCase{"BracesInSource", [](auto& f) { f.sisfrom = "{Sis}"; }, F::SisFrom,
                                "This field does not support variables.", true},
                      PivotCase{"WesternLongitude", [](auto& f) { f.centerlon = "-97.5"; }, std::nullopt},
                      PivotCase{"LongitudeWithLetter", [](auto& f) { f.centerlon = "W97"; }, F::Lon, kIllegal},
                      PivotCase{"LatitudeWithBlank", [](auto& f) { f.centerlat = "40 1"; }, F::Lat, kIllegal},
                      PivotCase{"JumpPageDigitsOnly", [](auto& f) { f.jumppage = "2a"; }, F::JumpPage, kIllegal},
                      PivotCase{"RangeBeforeEverything",
                                [](auto& f) {
                                  f.idlabel = "";
                                  f.cwlimit = "361";
                                },
                                F::CwLimit, "Please enter an integer between 0 and 360."},
                      PivotCase{"CcwNotANumber", [](auto& f) { f.ccwlimit = "9x"; }, F::CcwLimit,
                                "Please enter an integer."},
                      PivotCase{"LongLatitude", [](auto& f) { f.centerlat = "12345678901234"; }, F::Lat,
                                "Please enter no more than 13 characters."}),
    RowName<PivotCase>);

TEST(PivotTrackerProperties, TickMarksShowOneAsNoneAndStoreNoneAsZero) {
  PivotTrackerRecord record;
  for (int stored : {0, 1}) {
    record.tickmarks = stored;
    PivotTrackerFields fields = PivotKind::Load(record);
    EXPECT_EQ(fields.tickmarks, 0);
    PivotKind::Store(fields, record);
    EXPECT_EQ(record.tickmarks, 0);
  }
  PivotTrackerFields fields = PivotKind::Load(record);
  fields.tickmarks = 19;  // "20"
  fields.submarks = 19;
  PivotKind::Store(fields, record);
  EXPECT_EQ(record.tickmarks, 20);
  EXPECT_EQ(record.submarks, 19);
  EXPECT_EQ(PivotKind::Load(record).tickmarks, 19);
}

TEST(PivotTrackerProperties, TheLimitsComeBackAsNumbers) {
  PivotTrackerRecord record;
  PivotTrackerFields fields = PivotKind::Load(record);
  EXPECT_EQ(fields.cwlimit, "360");
  fields.cwlimit = " 270 ";
  fields.ccwlimit = "+15";
  PivotKind::Store(fields, record);
  EXPECT_EQ(record.cwlimit, 270);
  EXPECT_EQ(record.ccwlimit, 15);
}

}  // namespace
}  // namespace korvix
