#include <gtest/gtest.h>

#include <vector>

#include "render/editor_grid.h"
#include "render/object_tracker.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

// A resize or move the way the tracking loop hands it over: the rectangle
// as the mouse left it.
Rect Adjusted(CObjectTracker& tracker, int handle, Rect rect) {
  tracker.AdjustRect(handle, rect);
  return rect;
}

TEST(ObjectTrackerTest, MovingSnapsTheTopLeftCornerAndKeepsTheSize) {
  CObjectTracker tracker;
  tracker.m_gridstep = 10;
  EXPECT_EQ(Adjusted(tracker, kHandleMiddle, {15, 34, 58, 71}), (Rect{10, 30, 53, 67}));
  EXPECT_EQ(Adjusted(tracker, kHandleMiddle, {16, 36, 59, 73}), (Rect{20, 40, 63, 77}));
}

TEST(ObjectTrackerTest, ResizingSnapsEveryEdgeAndNeverGoesUnderTwentyPixels) {
  CObjectTracker tracker;
  tracker.m_gridstep = 10;
  EXPECT_EQ(Adjusted(tracker, kHandleBottomRight, {10, 10, 64, 46}), (Rect{10, 10, 60, 50}));
  EXPECT_EQ(Adjusted(tracker, kHandleRight, {100, 100, 103, 140}), (Rect{100, 100, 120, 140}));
  EXPECT_EQ(Adjusted(tracker, kHandleTop, {100, 135, 140, 140}), (Rect{100, 120, 140, 140}));
  // A grid of 0 is treated as one pixel.
  tracker.m_gridstep = 0;
  EXPECT_EQ(Adjusted(tracker, kHandleBottomRight, {3, 4, 57, 61}), (Rect{3, 4, 57, 61}));
}

TEST(ObjectTrackerTest, ProportionModesMoveTheEdgeThatBelongsToTheHandle) {
  struct Case {
    int proportion;
    int handle;
    Rect dragged;
    Rect expected;
  };
  const Rect start{100, 100, 160, 140};
  const std::vector<Case> cases{
      // Square: the top-left handle changes the top, the bottom handle the left.
      {1, kHandleTopLeft, {80, 90, 160, 140}, {80, 60, 160, 140}},
      {1, kHandleLeft, {80, 100, 160, 140}, {80, 60, 160, 140}},
      {1, kHandleTopRight, {100, 90, 170, 140}, {100, 90, 150, 140}},
      {1, kHandleBottomRight, {100, 100, 170, 130}, {100, 100, 170, 170}},
      {1, kHandleBottom, {100, 100, 160, 150}, {110, 100, 160, 150}},
      {1, kHandleBottomLeft, {90, 100, 160, 150}, {110, 100, 160, 150}},
      // Twice as wide as high, the edges across on multiples of 20.
      {2, kHandleRight, {100, 100, 175, 140}, {100, 100, 180, 140}},
      {2, kHandleTop, {100, 120, 160, 140}, {100, 120, 140, 140}},
      {2, kHandleBottomLeft, {52, 100, 160, 150}, {60, 100, 160, 150}},
      {2, kHandleTopLeft, {52, 100, 160, 140}, {60, 90, 160, 140}},
      {0, kHandleBottomRight, {100, 100, 176, 144}, {100, 100, 180, 140}},
  };
  for (const Case& c : cases) {
    CObjectTracker tracker;
    tracker.m_gridstep = 10;
    tracker.m_proportion = c.proportion;
    tracker.m_rect = start;
    EXPECT_EQ(Adjusted(tracker, c.handle, c.dragged), c.expected) << "mode " << c.proportion << " handle " << c.handle;
  }
}

TEST(ObjectTrackerTest, TwoToOneObjectsMoveOnTheOrdinaryGrid) {
  CObjectTracker tracker;
  tracker.m_gridstep = 10;
  tracker.m_proportion = CObjectTracker::kProportionTwoToOne;
  EXPECT_EQ(Adjusted(tracker, kHandleMiddle, {34, 34, 114, 74}), (Rect{30, 30, 110, 70}));
  EXPECT_EQ(Adjusted(tracker, kHandleRight, {40, 30, 114, 70}), (Rect{40, 30, 120, 70}));
}

TEST(ObjectTrackerTest, RoundKindsShowOnlyTheSideHandles) {
  CObjectTracker tracker;
  tracker.m_rect = {100, 100, 200, 160};
  EXPECT_EQ(tracker.GetHandleMask(), 255u);
  EXPECT_EQ(tracker.HitTest({101, 101}), kHandleTopLeft);
  EXPECT_EQ(tracker.HitTest({198, 158}), kHandleBottomRight);
  EXPECT_EQ(tracker.HitTest({150, 101}), kHandleTop);
  EXPECT_EQ(tracker.HitTest({101, 130}), kHandleLeft);
  EXPECT_EQ(tracker.HitTest({150, 130}), kHandleMiddle);
  EXPECT_EQ(tracker.HitTest({200, 130}), kHitNothing);

  tracker.m_allhandles = 0;
  EXPECT_EQ(tracker.GetHandleMask(), 240u);
  EXPECT_EQ(tracker.HitTest({101, 101}), kHandleMiddle);
  EXPECT_EQ(tracker.HitTest({198, 130}), kHandleRight);

  RecordingDeviceContext dc;
  tracker.Draw(dc);
  const auto handles = dc.Only(RecordingDeviceContext::Op::FillRect);
  ASSERT_EQ(handles.size(), 4u);
  EXPECT_EQ(handles[0].rect, (Rect{147, 100, 153, 106}));  // top, centred
  EXPECT_EQ(handles[1].rect, (Rect{194, 127, 200, 133}));  // right, inside the edge
  EXPECT_EQ(handles[0].colour, Grey(0));
}

TEST(EditorGridTest, CoordinatesGoToTheNearestLineAndAnExactHalfRoundsDown) {
  ViewState view;
  view.SetFontFactor(2);
  struct Case {
    int v;
    int snapped;
  };
  for (const Case& c : {Case{15, 10}, Case{16, 20}, Case{24, 20}, Case{-4, 0}, Case{-16, -10}, Case{0, 0}})
    EXPECT_EQ(SnapToGrid(view, c.v), c.snapped) << c.v;
  EXPECT_EQ(RectCenter({10, 20, 31, 41}), (Point{20, 30}));
}

}  // namespace
}  // namespace korvix
