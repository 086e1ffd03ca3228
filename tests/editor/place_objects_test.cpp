#include "editor_fixture.h"

namespace korvix {
namespace {

using PlaceTest = EditorTest;

TEST_F(PlaceTest, SameKindInTheSamePlaceStepsAsideByTen) {
  editor.OnPlaceTextBox();
  editor.OnPlaceTextBox();
  editor.OnPlaceTextBox();
  ASSERT_EQ(doc.m_textboxes.Count(), 3);
  EXPECT_EQ(doc.m_textboxes[0].x, 100);
  EXPECT_EQ(doc.m_textboxes[0].y, 80);
  EXPECT_EQ(doc.m_textboxes[1].x, 110);
  EXPECT_EQ(doc.m_textboxes[1].y, 90);
  EXPECT_EQ(doc.m_textboxes[2].x, 120);
  EXPECT_EQ(doc.m_textboxes[2].y, 100);
}

TEST_F(PlaceTest, AnObjectOfTheKindOnAnotherPagePushesTooButOtherKindsDoNot) {
  editor.OnPlaceTextBox();
  editor.OnPlaceDataWindow();
  AddPage();
  editor.OnPlaceTextBox();
  editor.OnPlacePushButton();
  EXPECT_EQ(doc.m_textboxes[1].page, 2);
  EXPECT_EQ(doc.m_textboxes[1].x, 110);
  EXPECT_EQ(doc.m_textboxes[1].y, 90);
  EXPECT_EQ(doc.m_pushbuttons[0].x, 100);
  EXPECT_EQ(doc.m_pushbuttons[0].y, 80);
}

TEST_F(PlaceTest, LandsRelativeToTheScrolledAndZoomedPage) {
  view.SetFontFactor(2);
  view.m_scrollx = 300;
  view.m_scrolly = 200;
  editor.OnPlaceDialGauge();
  editor.OnPlaceChartRecorder();
  EXPECT_EQ(doc.m_dialgauges[0].x, 250);
  EXPECT_EQ(doc.m_dialgauges[0].y, 180);
  EXPECT_EQ(doc.m_chartrecorders[0].x, 200);
  EXPECT_EQ(doc.m_chartrecorders[0].y, 140);
}

// The newest object is the front-most layer of its page.
TEST_F(PlaceTest, TakesThePagesObjectCountAsItsStackingNumber) {
  editor.OnPlaceTextBox();
  editor.OnPlaceDialGauge();
  editor.OnPlaceChartRecorder();
  EXPECT_EQ(doc.m_textboxes[0].stacknum, 0);
  EXPECT_EQ(doc.m_dialgauges[0].stacknum, 1);
  EXPECT_EQ(doc.m_chartrecorders[0].stacknum, 2);
  EXPECT_EQ(doc.m_pages[1].objectcount, 3);
  const Rect dial = editor.ObjectRect({ScreenObjectKind::DialGauge, 0});
  const ScreenObject front = editor.HitTest({dial.left + 1, dial.top + 1});
  EXPECT_EQ(front.kind, ScreenObjectKind::ChartRecorder);
}

TEST_F(PlaceTest, LeavesNothingSelectedMarksModifiedAndInvalidatesWithoutErasing) {
  const ScreenObject first = PlaceOne(ScreenObjectKind::SignalLamp);
  editor.SelectOnly(first);
  window.invalidated.clear();
  editor.OnPlaceSignalLamp();
  EXPECT_EQ(page.m_numselected, 0);
  EXPECT_EQ(page.m_runstates.At(ScreenObjectKind::SignalLamp, 0).selected, 0);
  EXPECT_TRUE(doc.IsModified());
  ASSERT_FALSE(window.invalidated.empty());
  EXPECT_EQ(window.invalidated.front().rect, editor.ObjectRect({ScreenObjectKind::SignalLamp, 1}));
  EXPECT_FALSE(window.invalidated.front().erase);
}

TEST_F(PlaceTest, LabelledKindsGetTheirPrefixAndTheChartItsPlotFile) {
  editor.OnPlaceLevelGauge();
  editor.OnPlaceLevelGauge();
  editor.OnPlaceChartRecorder();
  editor.OnPlacePIController();
  editor.OnPlaceTextBox();
  EXPECT_EQ(doc.m_levelgauges[0].idlabel, "Level1");
  EXPECT_EQ(doc.m_levelgauges[1].idlabel, "Level2");
  EXPECT_EQ(doc.m_chartrecorders[0].idlabel, "ChartRec1");
  EXPECT_EQ(doc.m_chartrecorders[0].plotfile, "ChartRec1.txt");
  EXPECT_EQ(doc.m_picontrollers[0].idlabel, "Controller1");
}

TEST_F(PlaceTest, AVariableNamedLikeTheFirstLabelMovesItOn) {
  VariableRecord variable;
  variable.idlabel = "Level1";
  doc.m_variables.Add(variable);
  editor.OnPlaceLevelGauge();
  EXPECT_EQ(doc.m_levelgauges[0].idlabel, "Level2");
}

TEST_F(PlaceTest, PageAndZoomDependentDefaults) {
  doc.m_pages[1].bgcolor = Rgb(1, 2, 3);
  view.SetFontFactor(3);
  editor.OnPlaceTextBox();
  editor.OnPlaceImageBox();
  EXPECT_EQ(doc.m_textboxes[0].bgcolor, Rgb(1, 2, 3));
  EXPECT_EQ(doc.m_imageboxes[0].width, 240);
  EXPECT_EQ(doc.m_imageboxes[0].height, 300);
}

// A removed object's fields never reach the next one placed in its slot.
TEST_F(PlaceTest, ANewObjectStartsFromAFreshRecord) {
  const ScreenObject first = PlaceOne(ScreenObjectKind::DataWindow);
  doc.m_datawindows[0].prefix = "PUMP";
  doc.m_datawindows[0].pollcommand = "A1";
  doc.m_datawindows.Spare(0).prefix = "STALE";
  editor.SelectOnly(first);
  editor.OnEditDelete();
  editor.OnPlaceDataWindow();
  const DataWindowRecord fresh;
  EXPECT_EQ(doc.m_datawindows[0].prefix, fresh.prefix);
  EXPECT_EQ(doc.m_datawindows[0].pollcommand, "");
  EXPECT_EQ(doc.m_datawindows[0].idlabel, "DataWindow1");
}

TEST_F(PlaceTest, AtTheLimitOnlyTheMessage) {
  struct Case {
    ScreenObjectKind kind;
    const char* message;
  };
  const Case cases[] = {
      {ScreenObjectKind::DataWindow, "Korvix can not contain more than 2000 Data Windows."},
      {ScreenObjectKind::PIController, "Korvix can not contain more than 100 PI-Controllers."},
      {ScreenObjectKind::ChartRecorder, "Korvix can not contain more than 10 Chart Recorders."},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    VisitKind(c.kind, [&](auto tag) {
      auto& list = ListOf<decltype(tag)::value>(doc);
      while (list.Count() < list.kLimit - 1) {
        RecordOf<decltype(tag)::value> record;
        record.stacknum = doc.m_pages[1].objectcount++;
        list.Add(record);
      }
      editor.Place(c.kind);
      ASSERT_TRUE(list.IsFull());
      ASSERT_TRUE(messages.shown.empty());
      const int objects = doc.m_pages[1].objectcount;
      doc.SetModifiedFlag(false);
      editor.Place(c.kind);
      EXPECT_EQ(list.Count(), list.kLimit);
      EXPECT_EQ(doc.m_pages[1].objectcount, objects);
      EXPECT_FALSE(doc.IsModified());
      ASSERT_EQ(messages.shown.size(), 1u);
      EXPECT_EQ(messages.shown[0].caption, "Over Limit");
      EXPECT_EQ(messages.shown[0].text, c.message);
      EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    });
  }
}

TEST_F(PlaceTest, AShownPopupClosesBeforeTheLimitMessage) {
  int closed = 0;
  messages.SetPopupCloser([&] { ++closed; });
  for (int i = 0; i < kMaxChartRecorders; ++i) editor.OnPlaceChartRecorder();
  EXPECT_EQ(closed, 0);
  editor.OnPlaceChartRecorder();
  EXPECT_EQ(closed, 1);
}

TEST_F(PlaceTest, EveryKindGoesOnTheCurrentPageUnselected) {
  AddPage();
  ForEachKind([&](auto tag) {
    const ScreenObject placed = PlaceOne(tag.value);
    EXPECT_EQ(page.m_runstates.At(placed.kind, placed.index).selected, 0);
    EXPECT_EQ(ListOf<decltype(tag)::value>(doc)[placed.index].page, 2);
  });
  EXPECT_EQ(doc.m_pages[2].objectcount, kObjectKindCount);
  EXPECT_EQ(doc.m_pages[1].objectcount, 0);
}

}  // namespace
}  // namespace korvix
