#include <gtest/gtest.h>

#include "action_slots.h"
#include "platform/testing/recording_message_sink.h"
#include "properties/input_window_properties.h"

namespace korvix {
namespace {

using InputWindowKind = PropertyKind<ScreenObjectKind::InputWindow>;

TEST(InputWindowProperties, KeypadNoneAndWidthsRoundTripAndOkShowsTheResetValue) {
  InputWindowRecord record;
  record.keypadsize = 0;
  record.titlewidth = 15;
  record.valuetext = "typed at run time";
  record.resetvalue = "12";
  InputWindowFields fields = InputWindowKind::Load(record);
  EXPECT_EQ(fields.keypad, kNoKeypadIndex);
  EXPECT_EQ(fields.titlewidth, 14);

  InputWindowKind::Store(fields, record);
  EXPECT_EQ(record.keypadsize, 0);
  EXPECT_EQ(record.titlewidth, 15);
  EXPECT_EQ(record.valuetext, "12");

  fields.keypad = 1;
  fields.titlewidth = 0;
  InputWindowKind::Store(fields, record);
  EXPECT_EQ(record.keypadsize, 36);
  EXPECT_EQ(record.titlewidth, 1);
}

TEST(InputWindowProperties, AKeypadSizeTheListLacksShowsNoEntryAndIsKept) {
  for (const int odd : {-3, 30}) {
    InputWindowRecord record;
    record.keypadsize = odd;
    const InputWindowFields fields = InputWindowKind::Load(record);
    EXPECT_EQ(fields.keypad, odd < 0 ? kNoKeypadIndex : -1);
    InputWindowKind::Store(fields, record);
    EXPECT_EQ(record.keypadsize, odd < 0 ? 0 : odd);
  }
}

TEST(InputWindowProperties, TheActionAndItsPrintSettingsGoBackIntoTheRecord) {
  InputWindowRecord record;
  InputWindowFields fields = InputWindowKind::Load(record);
  fields.slot = {26, "Zebra", "Lot {Lot}", 240, "12345", 20};
  InputWindowKind::Store(fields, record);
  EXPECT_EQ(record.action, 26);
  EXPECT_EQ(record.actiontext, "Zebra");
  EXPECT_EQ(record.actiontext2, "Lot {Lot}");
  EXPECT_EQ(record.labelfontsize, 240);
  EXPECT_EQ(record.labelbarcode, "12345");
  EXPECT_EQ(record.labelbarsize, 20);
  EXPECT_EQ(InputWindowKind::Load(record).slot.barcode, "12345");
}

struct InputCheckCase {
  const char* name;
  std::string idlabel;
  int action;
  std::string param;
  std::string second;
  std::optional<InputWindowField> focus;
  bool guard;
};

class InputWindowCheck : public ::testing::TestWithParam<InputCheckCase> {};

TEST_P(InputWindowCheck, RefusesInStepOrder) {
  const InputCheckCase& c = GetParam();
  RecordingMessageSink sink;
  InputWindowFields fields;
  fields.idlabel = c.idlabel;
  fields.slot.action = c.action;
  fields.slot.param = c.param;
  fields.slot.second = c.second;
  const OkCheck<InputWindowField> check = CheckInputWindowFields(fields, "", sink);
  EXPECT_EQ(check.focus, c.focus);
  EXPECT_EQ(check.guard, c.guard);
  EXPECT_EQ(sink.shown.size(), c.focus ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InputWindowCheck,
    ::testing::Values(InputCheckCase{"LabelFirst", "12", 34, "{a", "x", InputWindowField::IdLabel, false},
                      InputCheckCase{"ParameterBraces", "In1", 34, "{a", "x", InputWindowField::Parameter, true},
                      InputCheckCase{"SetPointInteger", "In1", 34, "PI1", "x", InputWindowField::Second, true},
                      InputCheckCase{"GotoPage", "In1", 20, "1a", "", InputWindowField::Parameter, true},
                      InputCheckCase{"TransmitReplyBraces", "In1", 0, "C1", "}", InputWindowField::Second, true},
                      InputCheckCase{"Accepted", " In 1 ", 20, " 0 ", "", std::nullopt, false},
                      InputCheckCase{"NoActionAccepted", "In1", -1, "", "", std::nullopt, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(InputWindowCheck, TrimsTheLabelAndBothTextsAsTheDialogShowsThem) {
  RecordingMessageSink sink;
  InputWindowFields fields;
  fields.idlabel = "  In 1 ";
  fields.slot = testing::MakeSlot(0, "  C1 ", " Tank1  ");
  EXPECT_TRUE(CheckInputWindowFields(fields, "", sink).Accepted());
  EXPECT_EQ(fields.idlabel, "In 1");
  EXPECT_EQ(fields.slot.param, "C1");
  EXPECT_EQ(fields.slot.second, "Tank1");
}

}  // namespace
}  // namespace korvix
