#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "page_fixture.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;
using Call = RecordingDeviceContext::Call;

class PageDrawingTest : public PageFixture, public ::testing::Test {
protected:
  // Which of the given labels were drawn, in drawing order; the other
  // texts of a drawing (scales, values) are left out.
  std::vector<std::string> Drawn(const std::vector<std::string>& labels) const {
    std::vector<std::string> texts;
    for (const Call& call : m_dc.calls) {
      if (call.op != Op::DrawText) continue;
      if (std::find(labels.begin(), labels.end(), call.text) == labels.end()) continue;
      if (texts.empty() || texts.back() != call.text) texts.push_back(call.text);
    }
    return texts;
  }

  std::size_t Handles() const {
    std::size_t count = 0;
    for (const Call& call : m_dc.Only(Op::FillRect))
      if (Width(call.rect) == 6 && Height(call.rect) == 6 && call.colour == Grey(0)) ++count;
    return count;
  }

  RecordingDeviceContext m_dc;
};

TEST_F(PageDrawingTest, ObjectsAreDrawnFrontToBackByLayerThenKindAndOtherPagesNever) {
  Add(m_doc.m_pushbuttons, 1, 0, 10, 10, "button at the back");
  Add(m_doc.m_dialgauges, 1, 2, 40, 10, "Dial1");
  Add(m_doc.m_textboxes, 1, 1, 80, 10, "text");
  Add(m_doc.m_signallamps, 1, 2, 120, 10, "Lamp1");
  const int chart = Add(m_doc.m_chartrecorders, 1, 2, 10, 200, "ChartRec1");
  // A recorder shows its data fields' labels, not its own.
  ChartRecorderRecord& recorder = m_doc.m_chartrecorders[chart];
  recorder.fields[recorder.fields.Add()].label = "ChartRec1";
  Add(m_doc.m_levelgauges, 2, 2, 10, 10, "Level on page 2");
  Add(m_doc.m_levelgauges, 1, 3, 160, 10, "Level1");
  // A stacking number beyond the page's layers belongs to none of them.
  const int stray = Add(m_doc.m_levelgauges, 1, 0, 200, 10, "stray");
  m_doc.m_levelgauges[stray].stacknum = 9;

  m_page.OnDraw(m_dc);
  EXPECT_EQ(Drawn({"button at the back", "Dial1", "text", "Lamp1", "ChartRec1", "Level on page 2", "Level1", "stray"}),
            (std::vector<std::string>{"Level1", "Dial1", "Lamp1", "ChartRec1", "text", "button at the back"}));
  EXPECT_EQ(PageObjectsFrontToBack(m_doc), (std::vector<ScreenObject>{{ScreenObjectKind::LevelGauge, 1},
                                                                      {ScreenObjectKind::DialGauge, 0},
                                                                      {ScreenObjectKind::SignalLamp, 0},
                                                                      {ScreenObjectKind::ChartRecorder, 0},
                                                                      {ScreenObjectKind::TextBox, 0},
                                                                      {ScreenObjectKind::PushButton, 0}}));
}

TEST_F(PageDrawingTest, EachDrawnObjectIsCutOutOfTheClipRegionRoundKindsByTheirEllipse) {
  const int dial = Add(m_doc.m_dialgauges, 1, 0, 10, 10, "Dial1");
  const int pivot = Add(m_doc.m_pivottrackers, 1, 1, 200, 10, "Pivot1");
  const int button = Add(m_doc.m_pushbuttons, 1, 2, 10, 300, "Start");
  m_page.OnDraw(m_dc);

  const auto regions = m_dc.Only(Op::SubtractClipRegion);
  ASSERT_EQ(regions.size(), 2u);
  // The Pivot Tracker cuts out what its drawing covered, all of it inside
  // its rectangle.
  const Rect pivotrect = m_page.m_geometry.ObjectRectPivotTracker(pivot);
  ASSERT_FALSE(regions[0].region.Shapes().empty());
  for (const auto& shape : regions[0].region.Shapes()) {
    EXPECT_GE(shape.bounds.left, pivotrect.left);
    EXPECT_GE(shape.bounds.top, pivotrect.top);
    EXPECT_LE(shape.bounds.right, pivotrect.right);
    EXPECT_LE(shape.bounds.bottom, pivotrect.bottom);
  }
  const auto& dialshape = regions[1].region.Shapes().at(0);
  EXPECT_EQ(dialshape.kind, Region::ShapeKind::Ellipse);
  EXPECT_EQ(dialshape.bounds, m_page.m_geometry.ObjectRectDialGauge(dial));
  const auto rects = m_dc.Only(Op::ExcludeClipRect);
  ASSERT_EQ(rects.size(), 1u);
  EXPECT_EQ(rects[0].rect, m_page.m_geometry.ObjectRectPushButton(button));
  EXPECT_TRUE(m_page.m_invalidrgn.IsEmpty());
}

TEST_F(PageDrawingTest, SelectedRoundKindsShowFourHandlesAndTheOthersEight) {
  const int dial = Add(m_doc.m_dialgauges, 1, 1, 10, 10, "Dial1");
  const int button = Add(m_doc.m_pushbuttons, 1, 0, 300, 10, "Start");
  m_page.m_runstates.At(ScreenObjectKind::DialGauge, dial).selected = 1;
  m_page.OnDraw(m_dc);
  EXPECT_EQ(Handles(), 4u);

  m_dc.calls.clear();
  m_page.m_runstates.At(ScreenObjectKind::DialGauge, dial).selected = 0;
  m_page.m_runstates.At(ScreenObjectKind::PushButton, button).selected = 1;
  m_page.OnDraw(m_dc);
  EXPECT_EQ(Handles(), 8u);
  // The tracker is left on the selected object drawn last.
  EXPECT_EQ(m_page.m_tracker.m_rect, m_page.m_geometry.ObjectRectPushButton(button));
  EXPECT_EQ(m_page.m_tracker.m_allhandles, 1);
}

TEST_F(PageDrawingTest, OnlyVisibleObjectsAreDrawnExceptOnceAfterAPageChange) {
  Add(m_doc.m_textboxes, 1, 0, 10, 10, "text");
  Add(m_doc.m_pushbuttons, 1, 1, 10, 100, "Start");
  m_dc.visible = false;
  m_page.OnDraw(m_dc);
  EXPECT_TRUE(m_dc.calls.empty());

  m_page.m_redrawall = 1;
  m_page.OnDraw(m_dc);
  EXPECT_EQ(Drawn({"text", "Start"}), (std::vector<std::string>{"Start", "text"}));
  EXPECT_EQ(m_page.m_redrawall, 0);

  m_dc.calls.clear();
  m_page.OnDraw(m_dc);
  EXPECT_TRUE(m_dc.calls.empty());
}

TEST_F(PageDrawingTest, AnOpenKeypadIsDrawnFirstAndClosedWhenItsPageIsNotShown) {
  const int here = Add(m_doc.m_inputwindows, 1, 0, 10, 10, "Input1");
  const int elsewhere = Add(m_doc.m_inputwindows, 2, 0, 10, 10, "Input2");
  const int nokeypad = Add(m_doc.m_inputwindows, 1, 1, 10, 200, "Input3");
  m_doc.m_inputwindows[nokeypad].keypadsize = 0;
  m_page.m_inputwindowstates[here].keypadopen = 1;
  m_page.m_inputwindowstates[elsewhere].keypadopen = 1;
  m_page.m_inputwindowstates[elsewhere].keypadkey = 3;
  m_page.m_inputwindowstates[nokeypad].keypadopen = 1;
  m_page.OnDraw(m_dc);

  const Rect keypad = m_page.m_geometry.ObjectRectInputWindowKeypad(here, m_window.clientrect);
  ASSERT_FALSE(m_dc.calls.empty());
  EXPECT_EQ(m_dc.calls.front().op, Op::Rectangle);
  EXPECT_EQ(m_dc.calls.front().rect, keypad);
  EXPECT_EQ(m_dc.Only(Op::ExcludeClipRect).front().rect, keypad);
  EXPECT_EQ(m_page.m_inputwindowstates[elsewhere].keypadopen, 0);
  EXPECT_EQ(m_page.m_inputwindowstates[elsewhere].keypadkey, 0);
  EXPECT_EQ(m_page.m_inputwindowstates[here].keypadopen, 1);
  EXPECT_EQ(m_page.m_inputwindowstates[nokeypad].keypadopen, 1);
  const auto frames = m_dc.Only(Op::Rectangle);
  EXPECT_EQ(std::count_if(frames.begin(), frames.end(), [&](const Call& c) { return c.rect == keypad; }), 1);
}

TEST_F(PageDrawingTest, ThePageBitmapIsDrawnLastAtTheScrollOffsetAndReadOnce) {
  m_doc.m_pages[1].bgbitmapfile = "back.bmp";
  bitmaps.emplace("back.bmp", Bitmap(300, 200, std::vector<std::uint32_t>(300 * 200, 0xFF102030u)));
  Add(m_doc.m_textboxes, 1, 0, 10, 10, "text");
  m_view.m_scrollx = 100;
  m_view.m_scrolly = 20;
  m_page.OnDraw(m_dc);
  m_page.OnDraw(m_dc);
  const auto drawn = m_dc.Only(Op::DrawBitmap);
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].from, (Point{-100, -20}));
  EXPECT_EQ(m_dc.calls.back().op, Op::DrawBitmap);
  EXPECT_EQ(loads, 1);

  // A file that does not load leaves the page without a picture.
  m_dc.calls.clear();
  m_doc.m_pages[1].bgbitmapfile = "missing.bmp";
  m_page.OnDraw(m_dc);
  EXPECT_EQ(m_dc.Count(Op::DrawBitmap), 0u);
}

TEST_F(PageDrawingTest, TheScrollExtentCoversObjectsAndBitmapAndIsPassedOnOnlyWhenItChanges) {
  const int box = Add(m_doc.m_textboxes, 1, 0, 400, 300, "text");
  m_page.OnDraw(m_dc);
  m_page.OnDraw(m_dc);
  const Rect rect = m_page.m_geometry.ObjectRectTextBox(box);
  ASSERT_EQ(m_window.extents.size(), 1u);
  EXPECT_EQ(m_window.extents[0], (Size{rect.right, rect.bottom}));

  m_doc.m_pages[1].bgbitmapfile = "wide.bmp";
  bitmaps.emplace("wide.bmp", Bitmap(2000, 10, std::vector<std::uint32_t>(20000, 0u)));
  m_page.OnDraw(m_dc);
  ASSERT_EQ(m_window.extents.size(), 2u);
  EXPECT_EQ(m_window.extents[1], (Size{2000, rect.bottom}));
}

TEST_F(PageDrawingTest, ErasingFillsWithThePageColourAndMakesPointerKindsDrawWhole) {
  m_doc.m_pages[1].bgcolor = Rgb(1, 2, 3);
  const int dial = Add(m_doc.m_dialgauges, 2, 0, 0, 0);
  m_doc.m_dialgauges[dial].valuetext = "75";
  m_page.m_runstates.Of<ScreenObjectKind::DialGauge>()[dial].uneditedtext = "70";
  const int vane = Add(m_doc.m_windvanes, 1, 0, 0, 0);
  m_doc.m_windvanes[vane].valuetext = "180";
  m_doc.m_chartrecorders.Add();
  m_page.m_runstates.ChartRecorders()[0].redrawtraces = 1;

  EXPECT_TRUE(m_page.OnEraseBkgnd(m_dc));
  ASSERT_EQ(m_dc.calls.size(), 1u);
  EXPECT_EQ(m_dc.calls[0].op, Op::FillRect);
  EXPECT_EQ(m_dc.calls[0].rect, m_window.clientrect);
  EXPECT_EQ(m_dc.calls[0].colour, Rgb(1, 2, 3));
  EXPECT_EQ(m_page.m_runstates.Of<ScreenObjectKind::DialGauge>()[dial].uneditedtext, "75");
  EXPECT_EQ(m_page.m_runstates.Of<ScreenObjectKind::WindVane>()[vane].uneditedtext, "180");
  EXPECT_EQ(m_page.m_runstates.ChartRecorders()[0].redrawtraces, 0);
}

TEST_F(PageDrawingTest, APageTheDocumentDoesNotHaveDrawsNothing) {
  Add(m_doc.m_textboxes, 1, 0, 10, 10, "text");
  m_doc.m_curpage = 7;
  m_page.OnDraw(m_dc);
  EXPECT_EQ(m_dc.Count(Op::DrawText), 0u);
  EXPECT_TRUE(m_page.OnEraseBkgnd(m_dc));
  EXPECT_EQ(m_dc.Only(Op::FillRect).back().colour, static_cast<Colour>(kDefaultPageColor));
}

}  // namespace
}  // namespace korvix
