#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "properties/name_list.h"
#include "values/value_refresh.h"

namespace korvix::testing {
namespace {

// Each piece of a name list followed by its line end.
std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + '\xA2';
  return text;
}

const std::string kGlobals =
    Lines({"<Global Variables>", "\trecdata", "\trawdata", "\tsystemtime", "\tsystemhour", "\tsystemmin", "\tsystemsec",
           "\tsystemdate", "\tsystemyear", "\tsystemmonth", "\tsystemday", "\tsystemdow"});

template <class List>
void AddLabelled(List& list, const std::string& label) {
  list[list.Add()].idlabel = label;
}

void AddVariable(CKorvixDoc& doc, const std::string& label, int format) {
  VariableRecord& variable = doc.m_variables[doc.m_variables.Add()];
  variable.idlabel = label;
  variable.valueformat = format;
}

TEST(BuildNameList, AnEmptyProjectListsOnlyTheGlobalVariables) { EXPECT_EQ(BuildNameList(CKorvixDoc()), kGlobals); }

TEST(BuildNameList, SortsEachGroupWithoutCase) {
  CKorvixDoc doc;
  for (const char* label : {"b2", "B1", "a3"}) AddLabelled(doc.m_datawindows, label);
  AddLabelled(doc.m_chartrecorders, "Chart");
  AddLabelled(doc.m_picontrollers, "Loop");
  EXPECT_EQ(BuildNameList(doc), Lines({"<Data Windows>", "\ta3", "\tB1", "\tb2", "<PI-Controllers>", "\tLoop"}) +
                                    kGlobals + Lines({"<Chart Recorders>", "\tChart"}));
}

TEST(BuildNameList, APivotTrackerBringsItsLampsAfterTheSignalLamps) {
  CKorvixDoc alone;
  AddLabelled(alone.m_pivottrackers, "North");
  EXPECT_EQ(BuildNameList(alone),
            Lines({"<Pivot Trackers>", "\tNorth", "<Signal Lamps>", "\tNorth.run", "\tNorth.sis", "\tNorth.water"}) +
                kGlobals);

  CKorvixDoc withlamps = alone;
  AddLabelled(withlamps.m_pivottrackers, "East");
  AddLabelled(withlamps.m_signallamps, "Pump");
  AddLabelled(withlamps.m_signallamps, "Alarm");
  EXPECT_EQ(BuildNameList(withlamps),
            Lines({"<Pivot Trackers>", "\tEast", "\tNorth", "<Signal Lamps>", "\tAlarm", "\tPump", "\tEast.run",
                   "\tEast.sis", "\tEast.water", "\tNorth.run", "\tNorth.sis", "\tNorth.water"}) +
                kGlobals);
}

TEST(BuildNameList, CounterAndTimerVariablesJoinTheirKinds) {
  CKorvixDoc doc;
  AddLabelled(doc.m_eventcounters, "cycles");
  AddVariable(doc, "Batches", kVariableCounter);
  AddVariable(doc, "total", kVariableNumber);
  AddVariable(doc, "Uptime", kVariableTimer);
  EXPECT_EQ(BuildNameList(doc), Lines({"<Event Counters>", "\tBatches", "\tcycles", "<Event Timers>", "\tUptime",
                                       "<Variables>", "\tBatches", "\ttotal", "\tUptime"}) +
                                    kGlobals);
}

TEST(BuildNameList, LeavesOutConditionalsAndTheirActionScripts) {
  CKorvixDoc doc;
  AddLabelled(doc.m_conditionals, "Alarm");
  AddLabelled(doc.m_scripts, "Alarm\xA0");
  EXPECT_EQ(BuildNameList(doc), kGlobals);

  AddLabelled(doc.m_scripts, "Startup");
  AddLabelled(doc.m_scripts, "");
  EXPECT_EQ(BuildNameList(doc), kGlobals + Lines({"<Scripts>", "\t", "\tStartup"}));
}

TEST(SortNameEntries, OrdersByLowerCaseBytesAndKeepsEqualNamesInPlace) {
  EXPECT_EQ(SortNameEntries(""), "");
  EXPECT_EQ(SortNameEntries(Lines({"\tb2", "\tB1", "\ta3"})), Lines({"\ta3", "\tB1", "\tb2"}));
  EXPECT_EQ(SortNameEntries(Lines({"\tTank", "\ttank", "\tTANK", "\tta"})),
            Lines({"\tta", "\tTank", "\ttank", "\tTANK"}));
  // Folding to lower case puts "_" (0x5F) before the letters and bytes
  // above 0x7F after them.
  EXPECT_EQ(SortNameEntries(Lines({"\t\xE9t\xE9", "\tZ", "\tA_", "\tAb"})),
            Lines({"\tA_", "\tAb", "\tZ", "\t\xE9t\xE9"}));
}

TEST(ChartRecorderNameOffers, OffersTheLoggableLabelsNotYetRecorded) {
  CKorvixDoc doc;
  AddVariable(doc, "Note", kVariableText);
  AddVariable(doc, "Flow", kVariableNumber);
  AddLabelled(doc.m_datawindows, "Level");
  AddLabelled(doc.m_textwindows, "Message");
  AddLabelled(doc.m_pivottrackers, "North");
  AddLabelled(doc.m_signallamps, "Pump");
  AddLabelled(doc.m_picontrollers, "Loop");
  AddLabelled(doc.m_buttonarrays, "Modes");
  AddLabelled(doc.m_scripts, "Start");
  AddLabelled(doc.m_chartrecorders, "Other");
  AddLabelled(doc.m_chartrecorders, "Chart");
  ChartRecorderRecord& chart = doc.m_chartrecorders[1];
  chart.fields[chart.fields.Add()].label = "le vel";
  chart.fields[chart.fields.Add()].label = "NORTH.RUN";

  EXPECT_EQ(ChartRecorderNameOffers(doc, 1),
            (std::vector<std::string>{"Flow", "North", "North.water", "North.sis", "Pump", "Loop"}));
  EXPECT_EQ(ChartRecorderNameOffers(doc, 0).size(), 8u);
}

}  // namespace
}  // namespace korvix::testing
