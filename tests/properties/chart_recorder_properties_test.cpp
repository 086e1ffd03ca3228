#include "properties/chart_recorder_properties.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace korvix
