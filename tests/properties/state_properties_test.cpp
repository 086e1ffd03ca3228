#include <gtest/gtest.h>

#include "ok_check_cases.h"
#include "properties/state_properties.h"

namespace korvix {
namespace {

using LampKind = PropertyKind<ScreenObjectKind::SignalLamp>;
using CounterKind = PropertyKind<ScreenObjectKind::EventCounter>;
using TimerKind = PropertyKind<ScreenObjectKind::EventTimer>;
using F = StateObjectField;

constexpr const char* kIllegal = "This field contains an illegal character.";
constexpr const char* kBraces = "Illegal use of the curly braces \"{ }\"";

TEST(StateObjectProperties, ALampConfirmedWithResetValueOnIsOnAtOnceAndOffSwitchesItOff) {
  SignalLampRecord record;
  SignalLampFields fields = LampKind::Load(record);
  fields.resetstate = 1;
  LampKind::Store(fields, record);
  EXPECT_EQ(record.state, 1);
  EXPECT_EQ(record.valuetext, "On");

  fields.resetstate = 0;
  LampKind::Store(fields, record);
  EXPECT_EQ(record.state, 0);
  EXPECT_EQ(record.valuetext, "Off");
}

TEST(StateObjectProperties, ACounterShowsItsResetValueAndItsButtonPartFollowsTheButtons) {
  EventCounterRecord record;
  record.valuetext = "917";
  EventCounterFields fields = CounterKind::Load(record);
  fields.resetvalue = "-12";
  fields.manualbuttons = 0;
  fields.titlewidth = 14;
  CounterKind::Store(fields, record);
  EXPECT_EQ(record.valuetext, "-12");
  EXPECT_EQ(record.buttonwidth, 1);
  EXPECT_EQ(record.titlewidth, 15);

  fields.manualbuttons = 1;
  CounterKind::Store(fields, record);
  EXPECT_EQ(record.buttonwidth, 3);
}

TEST(StateObjectProperties, ATimerStartsAfreshFromItsResetValueInItsFormat) {
  EventTimerRecord record;
  record.elapsedms = 777;
  record.manualbuttons = 0;
  EventTimerFields fields = TimerKind::Load(record);
  EXPECT_EQ(fields.resetvalue, "0:00:00.0");
  fields.timeformat = 1;  // "h:mm:ss"
  fields.resetvalue = "1:30";
  TimerKind::Store(fields, record);
  EXPECT_EQ(record.resetms, 5400000);
  EXPECT_EQ(record.valuetext, "1:30:00");
  EXPECT_EQ(record.elapsedms, 0);
  EXPECT_EQ(record.buttonwidth, 1);
  EXPECT_EQ(TimerKind::Load(record).resetvalue, "1:30:00");
}

TEST(StateObjectProperties, AFormatChangeRewritesTheResetValueUnlessItIsTooLarge) {
  EXPECT_EQ(ReformatTimerResetValue("0:01:30", 5), "90.0");
  EXPECT_EQ(ReformatTimerResetValue(" -1:30 s", 1), "1:30:00");
  EXPECT_EQ(ReformatTimerResetValue("", 3), "0:00:00.00");
  EXPECT_EQ(ReformatTimerResetValue("600:00:00", 4), "600:00:00");
}

using StateCase = OkCase<EventTimerFields, StateObjectField>;

class EventTimerCheck : public ::testing::TestWithParam<StateCase> {};

TEST_P(EventTimerCheck, RefusesInTheDialogsOrder) {
  RecordingMessageSink sink;
  EventTimerFields fields = TimerKind::Load(EventTimerRecord{});
  fields.idlabel = "Timer1";
  GetParam().change(fields);
  ExpectVerdict(GetParam(), CheckEventTimerFields(fields, sink), sink);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EventTimerCheck,
    ::testing::Values(StateCase{"Plain", [](auto& f) { f.resetvalue = "1:30"; }, std::nullopt},
                      StateCase{"Negative", [](auto& f) { f.resetvalue = "-1"; }, F::ResetValue,
                                "This field cannot be a negative number."},
                      StateCase{"Letter", [](auto& f) { f.resetvalue = "1m"; }, F::ResetValue, kIllegal},
                      StateCase{"TooLargeForTheTimer", [](auto& f) { f.resetvalue = "600:00:00"; }, F::ResetValue,
                                "The Reset Value can not exceed 596:31:23.647."},
                      StateCase{"LargestThatFits", [](auto& f) { f.resetvalue = "2147483.647"; }, std::nullopt},
                      StateCase{"OneMillisecondMore", [](auto& f) { f.resetvalue = "2147483.648"; }, F::ResetValue,
                                "The Reset Value can not exceed 596:31:23.647."},
                      StateCase{"TooLong", [](auto& f) { f.resetvalue = "000000000001"; }, F::ResetValue,
                                "Please enter no more than 11 characters."},
                      StateCase{"LabelBeforeTexts",
                                [](auto& f) {
                                  f.idlabel = " ";
                                  f.starttext = "{";
                                },
                                F::IdLabel, "Object must have an ID label."},
                      StateCase{"HaltTextBraces", [](auto& f) { f.halttext = "{a"; }, F::SecondText, kBraces},
                      StateCase{"ResetTextBeforeResetValue",
                                [](auto& f) {
                                  f.resettext = "}{";
                                  f.resetvalue = "-1";
                                },
                                F::ThirdText, kBraces}),
    RowName<StateCase>);

TEST(StateObjectProperties, ACountersResetValueIsAWholeNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"-15", nullptr}, {"1a", kIllegal}, {"1.5", "This field cannot contain a decimal point."}, {"1.a", kIllegal}};
  for (const auto& [resetvalue, message] : cases) {
    RecordingMessageSink sink;
    EventCounterFields fields = CounterKind::Load(EventCounterRecord{});
    fields.idlabel = "Count1";
    fields.resetvalue = resetvalue;
    const OkCheck<F> check = CheckEventCounterFields(fields, sink);
    if (!message) {
      EXPECT_TRUE(check.Accepted()) << resetvalue;
      continue;
    }
    EXPECT_EQ(check.focus, F::ResetValue) << resetvalue;
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].text, message);
  }
}

TEST(StateObjectProperties, ALampTrimsItsLabelAndTextsAndChecksTheirBraces) {
  RecordingMessageSink sink;
  SignalLampFields fields;
  fields.idlabel = " Lamp 1 ";
  fields.ontext = "  ON\r\n";
  fields.toggletext = "T{x";
  const OkCheck<F> check = CheckSignalLampFields(fields, sink);
  EXPECT_EQ(check.focus, F::ThirdText);
  EXPECT_EQ(fields.idlabel, "Lamp 1");
  EXPECT_EQ(fields.ontext, "ON\r\n") << "blanks are cut, line breaks are the user's";
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, kBraces);
}

}  // namespace
}  // namespace korvix
