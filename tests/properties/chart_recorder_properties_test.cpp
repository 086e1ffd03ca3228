#include "properties/chart_recorder_properties.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

using Lines = std::vector<std::string>;

TEST(ChartRecorderFieldsTest, AddedFieldsAreRedAtTenUnitsCentredAndTenAtMost) {
  ChartRecorderRecord r;
  r.vdivisions = 8;
  ASSERT_TRUE(AddChartField(r, "Tank1"));
  EXPECT_EQ(r.fields[0].colour, kColorRed);
  EXPECT_EQ(r.fields[0].unitdiv, "10.0");
  EXPECT_EQ(r.fields[0].position, "4.00");
  for (int n = 1; n < 10; ++n) ASSERT_TRUE(AddChartField(r, "Field" + std::to_string(n)));
  EXPECT_FALSE(AddChartField(r, "Eleventh"));
  EXPECT_EQ(r.fields.Count(), 10);
}

TEST(ChartRecorderFieldsTest, RemoveAndMoveKeepTheDisplayOrderCompact) {
  ChartRecorderRecord r;
  for (const char* label : {"A", "B", "C", "D"}) AddChartField(r, label);
  ASSERT_TRUE(MoveChartField(r, 3, -1));
  EXPECT_EQ(ChartFieldLines(r), (Lines{"A", "B", "D", "C"}));
  EXPECT_FALSE(MoveChartField(r, 0, -1));
  EXPECT_FALSE(MoveChartField(r, 3, 1));
  ASSERT_TRUE(RemoveChartField(r, 1));
  EXPECT_EQ(ChartFieldLines(r), (Lines{"A", "D", "C"}));
  EXPECT_EQ(r.fields[2].label, "D");  // the array keeps its own order
  EXPECT_FALSE(RemoveChartField(r, 3));
}

TEST(ChartRecorderSettingsTest, CloseStoresTheChoicesAndPlacesTheCursorsOfTheModeOn) {
  ChartRecorderRecord r;
  r.cursornone = 0;
  r.cursortime = 1;
  ChartRecorderSettings s = LoadChartRecorderSettings(r);
  EXPECT_EQ(s.hdivsel, 4);
  EXPECT_EQ(s.vdivsel, 3);
  EXPECT_EQ(s.fontsize, 2);
  s.hdivsel = 9;
  s.vdivsel = 0;
  s.fontsize = 4;
  s.plotfile = "  plot.txt ";
  s.spanunit = 1;
  s.span = 30;
  s.scanrate = 1000;
  s.autostart = 0;
  StoreChartRecorderSettings(s, r);
  EXPECT_EQ(r.hdivisions, 20);
  EXPECT_EQ(r.vdivisions, 2);
  EXPECT_EQ(r.sizecode, 16);
  EXPECT_EQ(r.plotfile, "plot.txt");
  EXPECT_EQ((std::vector<int>{r.spanunit, r.span, r.scanrate, r.autostart}), (std::vector<int>{1, 30, 1000, 0}));
  EXPECT_EQ((Lines{r.cursor1, r.cursor2, r.delta}), (Lines{"7.00", "13.00", "6.00"}));
}

TEST(ChartRecorderSettingsTest, ARecorderGrowsToHoldALegendCardPerField) {
  ChartRecorderRecord r;
  for (const char* label : {"A", "B", "C"}) AddChartField(r, label);
  // trunc(1.5 x 45) + 3 x trunc(2.1 x 45) = 67 + 3 x 94
  EXPECT_DOUBLE_EQ(ChartRecorderHeightFactor(r, 300, 45), 349.0 / 45);
  EXPECT_DOUBLE_EQ(ChartRecorderHeightFactor(r, 349, 45), r.heightfactor);
}

struct EntryCase {
  const char* name;
  std::string plotfile;
  std::string scanrate;
  std::string span;
  std::string idlabel;
  std::optional<ChartRecorderEntry> focus;
  const char* message;  // nullptr: nothing shown
};

class ChartRecorderEntryCheck : public ::testing::TestWithParam<EntryCase> {};

TEST_P(ChartRecorderEntryCheck, RefusesInFieldOrder) {
  RecordingMessageSink sink;
  ChartRecorderSettings settings;
  settings.plotfile = GetParam().plotfile;
  settings.idlabel = GetParam().idlabel;

  const OkCheck<ChartRecorderEntry> check =
      CheckChartRecorderEntries(settings, GetParam().scanrate, GetParam().span, sink);

  EXPECT_EQ(check.focus, GetParam().focus);
  if (!GetParam().message) {
    EXPECT_TRUE(sink.shown.empty());
    return;
  }
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartRecorderEntryCheck,
    ::testing::Values(EntryCase{"Plain", "Rec.txt", "10", "9999", "ChartRec", std::nullopt, nullptr},
                      EntryCase{"LongPlotFileFirst", std::string(71, 'p'), "x", "0", "", ChartRecorderEntry::PlotFile,
                                "Please enter no more than 70 characters."},
                      EntryCase{"NegativeScanRate", "Rec.txt", "-50", "24", "ChartRec", ChartRecorderEntry::ScanRate,
                                "Please enter a positive integer."},
                      EntryCase{"ScanRateTooFast", "Rec.txt", "9", "24", "ChartRec", ChartRecorderEntry::ScanRate,
                                "Please enter an integer between 10 and 9999999."},
                      EntryCase{"SpanNoNumber", "Rec.txt", "50", "1.5", "ChartRec", ChartRecorderEntry::Span,
                                "Please enter an integer."},
                      EntryCase{"SpanZero", "Rec.txt", "50", "0", "ChartRec", ChartRecorderEntry::Span,
                                "Please enter an integer between 1 and 9999."},
                      EntryCase{"EmptyLabel", "Rec.txt", "50", "24", "  ", ChartRecorderEntry::IdLabel,
                                "Object must have an ID label."},
                      EntryCase{"UnpairedBraceInPlotFile", "{Tank.txt", "50", "24", "ChartRec",
                                ChartRecorderEntry::PlotFile, "Illegal use of the curly braces \"{ }\""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ChartRecorderEntryCheck, AcceptedNumbersAndTrimmedLabelGoIntoTheSettings) {
  RecordingMessageSink sink;
  ChartRecorderSettings settings;
  settings.idlabel = " ChartRec2 ";
  ASSERT_TRUE(CheckChartRecorderEntries(settings, " 250 ", "+12", sink).Accepted());
  EXPECT_EQ(settings.scanrate, 250u);
  EXPECT_EQ(settings.span, 12);
  EXPECT_EQ(settings.idlabel, "ChartRec2");
}

TEST(ChartFieldColourTest, TheSwatchFollowsTheSelectionAndAPickedColourGoesToTheField) {
  ChartRecorderRecord r;
  for (const char* label : {"A", "B"}) AddChartField(r, label);
  r.fields[1].colour = 0x00FF00;
  int remembered = -1;
  int colour = 0;

  EXPECT_FALSE(FollowChartFieldColour(r, 1, remembered, colour));
  EXPECT_EQ(colour, 0x00FF00);
  EXPECT_EQ(remembered, 1);

  colour = 0x123456;  // picked in the swatch
  EXPECT_TRUE(FollowChartFieldColour(r, 1, remembered, colour));
  EXPECT_EQ(r.fields[1].colour, 0x123456);
  EXPECT_FALSE(FollowChartFieldColour(r, 1, remembered, colour));

  EXPECT_FALSE(FollowChartFieldColour(r, 0, remembered, colour));
  EXPECT_EQ(colour, kColorRed);
  EXPECT_EQ(r.fields[1].colour, 0x123456);

  EXPECT_FALSE(FollowChartFieldColour(r, -1, remembered, colour));
  EXPECT_EQ(remembered, -1);
}

}  // namespace
}  // namespace korvix
