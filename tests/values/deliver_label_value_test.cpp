#include <gtest/gtest.h>

#include "values_fixture.h"

namespace korvix::testing {
namespace {

class DeliverLabelValueTest : public ValuesFixture, public ::testing::Test {};

TEST_F(DeliverLabelValueTest, EveryRecordWithTheLabelTakesTheValueAsItsKindStoresIt) {
  doc.m_curpage = 2;
  Add(doc.m_variables, "Level1");
  Add(doc.m_datawindows, "Level1").page = 2;
  Add(doc.m_datawindows, "Other").valuetext = "untouched";
  Add(doc.m_datawindows, "level 1").page = 1;
  Add(doc.m_textwindows, "Level1").page = 2;
  Add(doc.m_inputwindows, "Level1").page = 2;
  Add(doc.m_levelgauges, "Level1").page = 2;
  Add(doc.m_dialgauges, "Level1").page = 2;
  Add(doc.m_windvanes, "Level1").page = 2;
  Add(doc.m_pivottrackers, "Level1").page = 2;
  Add(doc.m_eventcounters, "Level1").page = 2;
  EventTimerRecord& timer = Add(doc.m_eventtimers, "Level1");
  timer.page = 2;
  timer.timeformat = 1;
  Add(doc.m_picontrollers, "Level1").page = 2;

  values.DeliverLabelValue("LEVEL1", " 90 C");

  EXPECT_EQ(doc.m_variables[0].valuetext, " 90 C");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "90");
  EXPECT_EQ(doc.m_datawindows[1].valuetext, "untouched");
  EXPECT_EQ(doc.m_datawindows[2].valuetext, "90");
  EXPECT_EQ(doc.m_textwindows[0].valuetext, " 90 C");
  EXPECT_EQ(doc.m_inputwindows[0].valuetext, "90");
  EXPECT_EQ(doc.m_levelgauges[0].valuetext, "90");
  EXPECT_EQ(doc.m_dialgauges[0].valuetext, "90");
  EXPECT_EQ(doc.m_windvanes[0].valuetext, "90");
  EXPECT_EQ(state.Pivot(0).position, " 90 C");
  EXPECT_EQ(doc.m_eventcounters[0].valuetext, "90");
  EXPECT_EQ(doc.m_eventtimers[0].valuetext, "0:01:30");
  EXPECT_EQ(doc.m_eventtimers[0].elapsedms, 90000);
  EXPECT_EQ(doc.m_picontrollers[0].valuetext, "90");

  const std::vector<std::pair<ScreenObjectKind, int>> invalidated = {
      {ScreenObjectKind::DataWindow, 0},   {ScreenObjectKind::TextWindow, 0},   {ScreenObjectKind::InputWindow, 0},
      {ScreenObjectKind::LevelGauge, 0},   {ScreenObjectKind::DialGauge, 0},    {ScreenObjectKind::WindVane, 0},
      {ScreenObjectKind::PivotTracker, 0}, {ScreenObjectKind::EventCounter, 0}, {ScreenObjectKind::EventTimer, 0},
      {ScreenObjectKind::PIController, 0}};
  EXPECT_EQ(hooks.invalidated, invalidated);  // the window on page 1 is not redrawn
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"SetButtonArray LEVEL1= 90 C"});
}

TEST_F(DeliverLabelValueTest, TextsThatHoldNoNumberShowErrorWhereANumberIsNeeded) {
  Add(doc.m_datawindows, "X");
  Add(doc.m_inputwindows, "X");
  Add(doc.m_eventcounters, "X");
  Add(doc.m_textwindows, "X");
  values.DeliverLabelValue("X", "Motor Running");
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "Error");
  EXPECT_EQ(doc.m_inputwindows[0].valuetext, "Error");
  EXPECT_EQ(doc.m_eventcounters[0].valuetext, "Error");
  EXPECT_EQ(doc.m_textwindows[0].valuetext, "Motor Running");
  values.DeliverLabelValue("X", "Overflow");
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "Overflow");
  EXPECT_EQ(doc.m_eventcounters[0].valuetext, "Overflow");
}

TEST_F(DeliverLabelValueTest, ATimerVariableKeepsItsValueAsADuration) {
  VariableRecord& timer = Add(doc.m_variables, "Elapsed");
  timer.valueformat = kVariableTimer;
  timer.decimals = 2;
  VariableRecord& number = Add(doc.m_variables, "Elapsed");
  number.decimals = 2;
  values.DeliverLabelValue("Elapsed", "90");
  EXPECT_EQ(doc.m_variables[0].valuetext, "0:01:30.00");
  EXPECT_EQ(doc.m_variables[1].valuetext, "90");
  values.DeliverLabelValue("Elapsed", "Error");
  EXPECT_EQ(doc.m_variables[0].valuetext, "Error");
  values.DeliverLabelValue("Elapsed", "9999999:00:00");
  EXPECT_EQ(doc.m_variables[0].valuetext, "Overflow");
}

TEST_F(DeliverLabelValueTest, AnEmptyLabelChangesNothing) {
  Add(doc.m_variables, "A");
  values.DeliverLabelValue("", "5");
  EXPECT_EQ(doc.m_variables[0].valuetext, "0");
  EXPECT_TRUE(hooks.calls.empty());
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(DeliverLabelValueTest, TheConditionalLabelFiresTriggersInsteadOfStoring) {
  Add(doc.m_variables, "Conditional");
  SignalLampRecord& lamp = Add(doc.m_signallamps, "Lamp");
  lamp.ontext = "PUMP ON";
  lamp.offtext = "PUMP OFF";
  lamp.toggletext = "{Key}";
  Add(doc.m_variables, "Key").valuetext = "PUMP ON";
  EventCounterRecord& counter = Add(doc.m_eventcounters, "Count");
  counter.inctext = "PUMP ON";
  counter.resettext = "RESET";
  EventTimerRecord& timer = Add(doc.m_eventtimers, "Run");
  timer.starttext = "PUMP ON";
  timer.halttext = "PUMP OFF";
  ConditionalRecord& watch = AddConditional("Watch", "{recdata} = A1");
  state.m_recdata = "A1";

  values.DeliverLabelValue("Conditionals", "  PUMP ON ");

  EXPECT_EQ(hooks.calls,
            (std::vector<std::string>{"TurnOnLamp 0", "ToggleLamp 0", "IncrementCounter 0", "StartTimer 0"}));
  EXPECT_EQ(doc.m_variables[0].valuetext, "0");
  EXPECT_EQ(hooks.scriptsrun, std::vector<std::string>{"Watch" + std::string(1, kActionScriptMarker)});
  EXPECT_EQ(watch.armed, 0);
  hooks.calls.clear();
  values.DeliverLabelValue("conditional", "PUMP OFF");
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"TurnOffLamp 0", "StopTimer 0"}));
}

TEST_F(DeliverLabelValueTest, AConditionalWhoseScriptFeedsItsOwnLabelEndsWithinThePass) {
  ConditionalRecord& loop = AddConditional("Loop", "{X} = 1");
  Add(doc.m_variables, "X");
  int starts = 0;
  hooks.onscript = [&](const std::string&) {
    ++starts;
    values.DeliverLabelValue("X", "0");
    values.DeliverLabelValue("X", "1");
  };
  values.DeliverLabelValue("X", "1");
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(loop.actionstarted, 1);  // looked at again by the next pass
  EXPECT_EQ(doc.m_variables[0].valuetext, "1");
}

TEST_F(DeliverLabelValueTest, GaugesThatSendTheirValueToEachOtherStopAtTheDepthLimit) {
  Add(doc.m_dialgauges, "A").outputlabel = "B";
  Add(doc.m_dialgauges, "B").outputlabel = "A";
  Add(doc.m_metergauges, "B").outputlabel = "C";
  Add(doc.m_variables, "C");
  values.DeliverLabelValue("A", "5");
  EXPECT_EQ(doc.m_dialgauges[1].valuetext, "5");
  EXPECT_EQ(doc.m_variables[0].valuetext, "5");
  EXPECT_GT(values.DeliveryCuts(), 0);
}

TEST_F(DeliverLabelValueTest, RecordsAndConditionalsChangedBetweenDeliveriesAreFound) {
  Add(doc.m_datawindows, "X");
  values.DeliverLabelValue("X", "1");
  Add(doc.m_datawindows, "X");  // a new record while running
  AddConditional("Watch", "{X} = 2");
  values.DeliverLabelValue("X", "2");
  EXPECT_EQ(doc.m_datawindows[1].valuetext, "2");
  EXPECT_EQ(hooks.scriptsrun.size(), 1u);

  doc.m_datawindows[0].idlabel = "Y";  // a rename: never delivered to under its old name
  values.DeliverLabelValue("X", "3");
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "2");
  EXPECT_EQ(doc.m_datawindows[1].valuetext, "3");
  replies.ClearPendingReplies();  // the Run-Loop's start
  values.DeliverLabelValue("Y", "4");
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "4");

  hooks.running = false;  // edit mode: every change counts at once
  doc.m_datawindows[1].idlabel = "Z";
  doc.m_conditionals[0].expression = "{Z} = 5";
  doc.m_conditionals[0].armed = 1;
  values.DeliverLabelValue("Z", "5");
  EXPECT_EQ(doc.m_datawindows[1].valuetext, "5");
  EXPECT_EQ(hooks.scriptsrun.size(), 2u);
  EXPECT_EQ(Read("Z"), "5");
}

TEST_F(DeliverLabelValueTest, SetMessageColoursRecoloursTheWindowsOfTheLabel) {
  Add(doc.m_datawindows, "Msg");
  Add(doc.m_textwindows, "Msg");
  values.SetMessageColours("msg", Rgb(255, 0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(doc.m_datawindows[0].runcolor1, Rgb(255, 0, 0));
  EXPECT_EQ(doc.m_datawindows[0].runcolor2, Rgb(0, 0, 0));
  EXPECT_EQ(doc.m_textwindows[0].curtextcolor, Rgb(255, 0, 0));
  EXPECT_EQ(doc.m_textwindows[0].curbgcolor, Rgb(0, 0, 0));
  EXPECT_EQ(hooks.invalidated.size(), 2u);
  values.SetMessageColours("Msg", Rgb(255, 0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(hooks.invalidated.size(), 2u);  // unchanged colours draw nothing
}

}  // namespace
}  // namespace korvix::testing
