#include <gtest/gtest.h>

#include "action_slots.h"
#include "platform/testing/recording_message_sink.h"
#include "properties/push_button_properties.h"

namespace korvix {
namespace {

using PushButtonKind = PropertyKind<ScreenObjectKind::PushButton>;

TEST(PushButtonProperties, BothFunctionsRoundTripAndASecondTextOfBlanksIsStoredEmpty) {
  PushButtonRecord record;
  record.sizecode = 22;
  record.pressaction = 26;
  record.pressparam = "Zebra";
  record.presssecond = "Lot";
  record.pressfontsize = 240;
  record.pressbarcode = "123";
  record.pressbarsize = 20;
  record.pressholds = 1;
  record.releaseaction = 0;
  record.releaseparam = "C1";
  PushButtonFields fields = PushButtonKind::Load(record);
  EXPECT_EQ(fields.fontsize, 3);
  EXPECT_EQ(fields.press.barcode, "123");
  fields.release.second = "   ";

  PushButtonKind::Store(fields, record);

  EXPECT_EQ(record.sizecode, 22);
  EXPECT_EQ(record.pressaction, 26);
  EXPECT_EQ(record.presssecond, "Lot");
  EXPECT_EQ(record.pressfontsize, 240);
  EXPECT_EQ(record.pressbarsize, 20);
  EXPECT_EQ(record.pressholds, 1);
  EXPECT_EQ(record.releaseparam, "C1");
  EXPECT_EQ(record.releasesecond, "");
}

struct PushCheckCase {
  const char* name;
  int pressaction;
  std::string pressparam;
  std::string presssecond;
  int releaseaction;
  std::string releaseparam;
  std::string releasesecond;
  std::optional<PushButtonField> focus;
};

class PushButtonCheck : public ::testing::TestWithParam<PushCheckCase> {};

TEST_P(PushButtonCheck, RefusesOnTheFieldOfItsOwnFunction) {
  const PushCheckCase& c = GetParam();
  RecordingMessageSink sink;
  PushButtonFields fields;
  fields.press = testing::MakeSlot(c.pressaction, c.pressparam, c.presssecond);
  fields.release = testing::MakeSlot(c.releaseaction, c.releaseparam, c.releasesecond);
  const OkCheck<PushButtonField> check = CheckPushButtonFields(fields, "", sink);
  EXPECT_EQ(check.focus, c.focus);
  EXPECT_EQ(sink.shown.size(), c.focus ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Functions, PushButtonCheck,
    ::testing::Values(PushCheckCase{"PressSetPoint", 34, "PI1", "5a", 0, "", "", PushButtonField::PressSecond},
                      PushCheckCase{"ReleaseSetPoint", 0, "", "", 34, "PI1", "5a", PushButtonField::ReleaseSecond},
                      // Both parameters' braces come before either function's checks.
                      PushCheckCase{"ReleaseParameterBeforePressSecond", 34, "PI1", "5a", 0, "{", "",
                                    PushButtonField::ReleaseParameter},
                      PushCheckCase{"ReleaseReadFromFile", 34, "PI1", "5", 18, "in.txt", "{a",
                                    PushButtonField::ReleaseSecond},
                      PushCheckCase{"PressGoto", 20, "x", "", 20, "y", "", PushButtonField::PressParameter},
                      PushCheckCase{"Accepted", 20, "2", "   ", 28, "", "", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace korvix
