#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "document/korvix_doc.h"
#include "document/project_file.h"
#include "document/project_sections.h"
#include "document/project_writer.h"

namespace korvix {
namespace {

TEST(RecordList, RemovingMovesTheLaterRecordsDownAndDropsTheCount) {
  CKorvixDoc doc;
  for (const char* label : {"A", "B", "C"}) {
    doc.m_variables[doc.m_variables.Add()].idlabel = label;
  }
  doc.m_variables.Remove(0);
  ASSERT_EQ(doc.m_variables.Count(), 2);
  EXPECT_EQ(doc.m_variables[0].idlabel, "B");
  EXPECT_EQ(doc.m_variables[1].idlabel, "C");
  EXPECT_THROW(doc.m_variables.Remove(2), std::out_of_range);
}

TEST(RecordList, ANewRecordAfterARemovedOneStartsFromTheDefaults) {
  CKorvixDoc doc;
  DataWindowRecord& first = doc.m_datawindows[doc.m_datawindows.Add()];
  first.prefix = "stale";
  first.logcolumn = 12;
  doc.m_datawindows.Remove(0);

  const DataWindowRecord& fresh = doc.m_datawindows[doc.m_datawindows.Add()];
  EXPECT_EQ(fresh.prefix, "TITLE");
  EXPECT_EQ(fresh.logcolumn, -1);
}

TEST(RecordList, RefusesToGrowBeyondItsLimitAndKeepsSpareSlotsApart) {
  ChartRecorderList charts;
  for (int i = 0; i < kMaxChartRecorders; ++i) {
    ASSERT_EQ(charts.Add(), i);
  }
  EXPECT_EQ(charts.Add(), -1);
  EXPECT_EQ(charts.Count(), kMaxChartRecorders);
  EXPECT_EQ(ChartRecorderList::kCapacity, 110);

  charts.Spare(99).idlabel = "copied";
  EXPECT_EQ(charts.Spare(99).idlabel, "copied");
  EXPECT_THROW(charts.Spare(100), std::out_of_range);
  EXPECT_EQ(ScriptList::kCapacity, 2001);
  EXPECT_EQ(ScriptStepList::kCapacity, 1001);
}

TEST(Records, NewObjectsCarryTheirKindsDefaults) {
  const ButtonArrayRecord array;
  ASSERT_EQ(array.buttons.Count(), 4);
  EXPECT_EQ(array.buttons[0].title, "A");
  EXPECT_EQ(array.buttons[3].title, "D");
  EXPECT_EQ(array.buttons[0].isdown, 1);
  EXPECT_EQ(array.buttons[1].isdown, 0);

  EXPECT_EQ(DialGaugeRecord().scaleend, "200");
  EXPECT_EQ(MeterGaugeRecord().heightfactor, 2.8);
  EXPECT_EQ(VerticalGaugeRecord().widthfactor, 4.0);
  EXPECT_EQ(HorizontalGaugeRecord().heightfactor, 1.75);
  EXPECT_EQ(DataWindowRecord().highbgcolor, Rgb(255, 0, 0));
  EXPECT_EQ(TextBoxRecord().sizecode, 28);
  EXPECT_EQ(ScriptStep().color1, 0xFF0000);
}

// Stored field counts per record, in the file's terms.
TEST(Records, EachRecordStoresItsFieldCount) {
  CKorvixDoc doc;
  struct Case {
    const char* kind;
    int stored;
    int expected;
  };
  DataWindowRecord dw;
  PushButtonRecord pb;
  ConditionalRecord co;
  TextWindowRecord tw;
  ScriptRecord sc;
  ScriptStep st;
  RockerSwitchRecord rs;
  SliderControlRecord sl;
  EventCounterRecord ec;
  TextBoxRecord tb;
  ButtonArrayRecord ba;
  ButtonArrayButton bb;
  LevelGaugeRecord lg;
  EventTimerRecord et;
  SignalLampRecord lamp;
  ChartRecorderRecord cr;
  ChartRecorderField cf;
  InputWindowRecord iw;
  DialGaugeRecord dg;
  WindVaneRecord wv;
  PivotTrackerRecord pt;
  VariableRecord va;
  ImageBoxRecord ib;
  DualHandGaugeRecord dh;
  PIControllerRecord pi;
  DataParserRecord dp;
  DataParserStep ds;
  PageRecord pg;
  HeaderBlock header{doc};
  const Case cases[] = {
      {"header", StoredFieldCount(doc, header), 55},
      {"Data Window", StoredFieldCount(doc, dw), 35},
      {"Push Button", StoredFieldCount(doc, pb), 31},
      {"Conditional", StoredFieldCount(doc, co), 16},
      {"Text Window", StoredFieldCount(doc, tw), 21},
      {"Script", StoredFieldCount(doc, sc), 5},
      {"Script step", StoredFieldCount(doc, st), 14},
      {"Rocker Switch", StoredFieldCount(doc, rs), 30},
      {"Slider Control", StoredFieldCount(doc, sl), 27},
      {"Event Counter", StoredFieldCount(doc, ec), 24},
      {"Text Box", StoredFieldCount(doc, tb), 13},
      {"Button Array", StoredFieldCount(doc, ba), 14},
      {"Button Array button", StoredFieldCount(doc, bb), 10},
      {"Level Gauge", StoredFieldCount(doc, lg), 32},
      {"Event Timer", StoredFieldCount(doc, et), 28},
      {"data log", StoredFieldCount(doc, static_cast<DataLogSettings&>(doc)), 23},
      {"security", StoredFieldCount(doc, static_cast<SecuritySettings&>(doc)), 7},
      {"Run-Loop initialization", StoredFieldCount(doc, static_cast<RunLoopSettings&>(doc)), 5},
      {"Signal Lamp", StoredFieldCount(doc, lamp), 23},
      {"Chart Recorder", StoredFieldCount(doc, cr), 44},
      {"Chart Recorder field", StoredFieldCount(doc, cf), 9},
      {"Input Window", StoredFieldCount(doc, iw), 24},
      {"web log", StoredFieldCount(doc, static_cast<WebLogSettings&>(doc)), 13},
      {"Dial Gauge", StoredFieldCount(doc, dg), 26},
      {"Wind Vane", StoredFieldCount(doc, wv), 19},
      {"radio", StoredFieldCount(doc, doc.m_radio), 6},
      {"Pivot Tracker", StoredFieldCount(doc, pt), 31},
      {"e-mail server", StoredFieldCount(doc, doc.m_emailserver), 8},
      {"Variable", StoredFieldCount(doc, va), 7},
      {"Image Box", StoredFieldCount(doc, ib), 9},
      {"Dual Hand Gauge", StoredFieldCount(doc, dh), 23},
      {"PI-Controller", StoredFieldCount(doc, pi), 27},
      {"Data Parser", StoredFieldCount(doc, dp), 5},
      {"Data Parser step", StoredFieldCount(doc, ds), 4},
      {"page", StoredFieldCount(doc, pg), 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.stored, c.expected) << c.kind;
  }
}

TEST(Document, DeleteContentsRestoresTheProjectDefaultsAndKeepsThePath) {
  CKorvixDoc doc;
  doc.SetPathName("/home/user/plant.kvx");
  doc.m_textboxes.Add();
  doc.m_replytimeout = 10;
  doc.m_datalogfile = "other.txt";
  doc.DeleteContents();
  EXPECT_EQ(doc.m_textboxes.Count(), 0);
  EXPECT_EQ(doc.m_pages.Count(), 1);
  EXPECT_EQ(doc.m_replytimeout, 2500);
  EXPECT_EQ(doc.m_datalogfile, "DataLog.txt");
  EXPECT_EQ(doc.GetPathName(), "/home/user/plant.kvx");
}

TEST(Document, AProjectInTheInstalledSamplesFolderIsNeverMarkedModified) {
  CKorvixDoc doc;
  doc.SetSamplesFolder("/opt/korvix/share/korvix/samples");
  doc.SetPathName("/opt/korvix/share/korvix/samples/Demo.kvx");
  doc.SetModifiedFlag(true);
  EXPECT_FALSE(doc.IsModified());

  // Only the project's own folder counts, whatever the current directory.
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path("/");
  doc.SetPathName("/home/user/samples/Demo.kvx");
  doc.SetModifiedFlag(true);
  std::filesystem::current_path(here);
  EXPECT_TRUE(doc.IsModified());
}

TEST(Document, SavingIsAtomicAndLeavesNoTemporaryFileBehind) {
  const auto folder = std::filesystem::temp_directory_path() / ("korvix_document_save_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "plant.kvx").string();

  CKorvixDoc doc;
  doc.m_projectnote = "first";
  ASSERT_TRUE(SaveProjectFile(doc, path).ok);
  doc.m_projectnote = "second";
  doc.SetModifiedFlag(true);
  ASSERT_TRUE(SaveProjectFile(doc, path).ok);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);

  CKorvixDoc loaded;
  ASSERT_TRUE(OpenProjectFile(path, loaded).Ok());
  EXPECT_EQ(loaded.m_projectnote, "second");
  EXPECT_EQ(loaded.GetPathName(), path);

  const SaveResult refused = SaveProjectFile(doc, (folder / "missing" / "x.kvx").string());
  EXPECT_FALSE(refused.ok);
  EXPECT_NE(refused.message.find("could not be saved"), std::string::npos);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace korvix
