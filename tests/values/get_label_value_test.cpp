#include <gtest/gtest.h>

#include <tuple>

#include "values_fixture.h"

namespace korvix::testing {
namespace {

class GetLabelValueTest : public ValuesFixture, public ::testing::Test {};

TEST_F(GetLabelValueTest, AVariableWinsOverADataWindowOfTheSameLabel) {
  Add(doc.m_datawindows, "Tank").valuetext = "12";
  Add(doc.m_variables, "tank ").valuetext = "7";
  EXPECT_EQ(Read("Tank"), "7");
}

TEST_F(GetLabelValueTest, NumberBasesAndEmptyValuesReadAsTheirObjectShowsThem) {
  struct Case {
    const char* value;
    int outputbase;
    bool zeroIfEmpty;
    const char* expected;
  } cases[] = {
      {"FF", 1, false, "255"}, {"Error", 1, false, "Error"}, {"Overflow", 2, false, "Overflow"},
      {"101", 2, false, "5"},  {"12.5", 0, false, "12.5"},   {"", 1, true, "0.00"},
      {"", 0, false, ""},
  };
  DataWindowRecord& window = Add(doc.m_datawindows, "DW");
  window.offset = "1.25";
  LevelGaugeRecord& level = Add(doc.m_levelgauges, "Level");
  level.offset = "1.25";
  for (const Case& c : cases) {
    window.valuetext = level.valuetext = c.value;
    window.outputbase = level.outputbase = c.outputbase;
    EXPECT_EQ(Read("DW", c.zeroIfEmpty), c.expected) << c.value;
    EXPECT_EQ(Read("Level", c.zeroIfEmpty), c.expected) << c.value;
  }
  DialGaugeRecord& dial = Add(doc.m_dialgauges, "Dial");
  dial.valuetext = "";
  EXPECT_EQ(Read("Dial", true), "");
  dial.valuetext = "1A";
  dial.outputbase = 1;
  EXPECT_EQ(Read("Dial"), "26");
  PIControllerRecord& pi = Add(doc.m_picontrollers, "PI");
  pi.valuetext = "";
  pi.offset = "0.0";
  EXPECT_EQ(Read("PI", true), "0.0");
}

TEST_F(GetLabelValueTest, EveryKindThatBearsALabelGivesItsShownText) {
  Add(doc.m_textwindows, "Msg").valuetext = "Motor Running";
  Add(doc.m_inputwindows, "Entry").valuetext = "42";
  Add(doc.m_windvanes, "Wind").valuetext = "270";
  Add(doc.m_signallamps, "Lamp").valuetext = "On";
  Add(doc.m_eventcounters, "Count").valuetext = "17";
  Add(doc.m_eventtimers, "Timer").valuetext = "0:01:30.0";
  Add(doc.m_pivottrackers, "Pivot");
  state.Pivot(0) = {"123.4", "On", "Off", "Fault"};
  ButtonArrayRecord& array = Add(doc.m_buttonarrays, "Modes");
  for (ButtonArrayButton& button : array.buttons) button.isdown = 0;
  array.buttons[2].isdown = 1;
  Add(doc.m_buttonarrays, "NoneLit");
  for (ButtonArrayButton& button : doc.m_buttonarrays[1].buttons) button.isdown = 0;

  const std::pair<const char*, const char*> reads[] = {
      {"Msg", "Motor Running"}, {"Entry", "42"},        {"Wind", "270"},    {"Lamp", "On"},
      {"Count", "17"},          {"Timer", "0:01:30.0"}, {"Pivot", "123.4"}, {"Pivot.run", "On"},
      {"Pivot.water", "Off"},   {"PIVOT.SIS", "Fault"}, {"Modes", "C"},     {"NoneLit", ""},
  };
  for (const auto& [label, expected] : reads) EXPECT_EQ(Read(label), expected) << label;
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(GetLabelValueTest, ReservedNamesReadTheClockAndTheLastReply) {
  LocalDateTime last;
  last.year = 2026;
  last.month = 12;
  last.day = 31;
  last.hour = 23;
  last.minute = 59;
  last.second = 58;
  last.millisecond = 870;
  last.dayofweek = 4;  // Thursday
  state.m_clock.Set(last);
  state.m_recdata = "A123";
  state.m_rawdata = "123";
  const std::pair<const char*, const char*> reads[] = {
      {"systemyear", "2026"},     {"systemdate", "12/31/26"}, {"systemmonth", "12"}, {"systemday", "31"},
      {"systemtime", "23:59:58"}, {"systemhour", "23"},       {"systemmin", "59"},   {"System Sec", "58"},
      {"systemdow", "5"},         {"recdata", "A123"},        {"RawData", "123"},
  };
  for (const auto& [label, expected] : reads) EXPECT_EQ(Read(label), expected) << label;
  EXPECT_EQ(state.m_clock.m_timetext, "23:59:58.87");
}

TEST_F(GetLabelValueTest, AnUnknownLabelHaltsTheRunLoopWithTheIllegalOperationMessage) {
  EXPECT_EQ(Read("Ghost"), "Error");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Illegal Operation");
  EXPECT_EQ(sink.shown[0].text,
            "An attempt to use Object ID Label \r\"Ghost\" which does not exist. \rKorvix will now "
            "exit Run-Loop.");
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(hooks.halts, 1);
}

TEST_F(GetLabelValueTest, OutsideTheRunLoopAnUnknownLabelIsQuietlyAnErrorAndAnEmptyOneEmpty) {
  hooks.running = false;
  EXPECT_EQ(Read("Ghost"), "Error");
  EXPECT_EQ(Read(""), "");
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(hooks.halts, 0);
}

TEST_F(GetLabelValueTest, AnOutsideReaderGetsKnownValuesAndNoHaltForUnknownOnes) {
  Add(doc.m_variables, "Count").valuetext = "7";
  state.m_recdata = "A1";
  const std::tuple<const char*, bool, const char*> reads[] = {
      {"count", true, "7"}, {"recdata", true, "A1"}, {"Ghost", false, ""}, {"", false, ""}};
  for (const auto& [label, known, expected] : reads) {
    std::string out = "stale";
    EXPECT_EQ(values.FindLabelValueQuietly(out, label), known) << label;
    EXPECT_EQ(out, expected) << label;
  }
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(hooks.halts, 0);
}

}  // namespace
}  // namespace korvix::testing
