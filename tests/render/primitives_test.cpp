#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "render/bevel.h"
#include "render/bezel.h"
#include "render/box3d.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;
using Draw = std::function<void(const ViewState&, DeviceContext&)>;

constexpr Rect kBox{10, 20, 110, 60};

const Draw kBoxUp = [](const ViewState& v, DeviceContext& dc) { Draw3DBox(v, kBox, dc, 0, kSchemeGray); };
const Draw kBoxPressed = [](const ViewState& v, DeviceContext& dc) { Draw3DBox(v, kBox, dc, 1, kSchemeBlue); };
const Draw kRaised = [](const ViewState& v, DeviceContext& dc) { DrawBevelRaised(v, 10, 20, 110, 60, dc); };
const Draw kSunken = [](const ViewState& v, DeviceContext& dc) {
  DrawBevelSunken(v, 10, 20, 110, 60, dc, Rgb(0, 255, 0));
};
const Draw kBezelUp = [](const ViewState& v, DeviceContext& dc) {
  Rect r{0, 0, 100, 100};
  DrawBezelRaised(v, r, dc);
};
const Draw kBezelDown = [](const ViewState& v, DeviceContext& dc) {
  Rect r{0, 0, 100, 100};
  DrawBezelSunken(v, r, dc);
};

// Every edge line is an L of two strokes.
std::size_t EdgeLines(const RecordingDeviceContext& dc) { return dc.Count(Op::Line) / 2; }

std::vector<int> LineGreys(const RecordingDeviceContext& dc) {
  std::vector<int> greys;
  const auto lines = dc.Only(Op::Line);
  for (std::size_t i = 0; i < lines.size(); i += 2) greys.push_back(RedOf(lines[i].pen.colour));
  return greys;
}

TEST(PrimitivesTest, EdgeLinesDoubleFromFontSizeTwo) {
  struct Case {
    const char* name;
    Draw draw;
    std::size_t thin;
    std::size_t thick;
  };
  for (const Case& c :
       {Case{"3-D box", kBoxUp, 5, 10}, Case{"raised bevel", kRaised, 4, 8}, Case{"sunken bevel", kSunken, 4, 8}}) {
    for (const int factor : {1, 2, 3}) {
      RecordingDeviceContext dc;
      c.draw(ViewState{factor}, dc);
      EXPECT_EQ(EdgeLines(dc), factor == 1 ? c.thin : c.thick) << c.name << " at factor " << factor;
      EXPECT_EQ(dc.Count(Op::Rectangle), 1u) << c.name;
    }
  }
}

TEST(PrimitivesTest, PressedGrayBoxIsDarkAtTheTopLeftAndLightAtTheBottomRight) {
  RecordingDeviceContext dc;
  Draw3DBox(ViewState{1}, kBox, dc, 1, kSchemeGray);
  EXPECT_EQ(dc.Only(Op::Rectangle).front().brush, SolidBrush(Grey(153)));
  EXPECT_EQ(LineGreys(dc), (std::vector<int>{153, 102, 51, 153, 204}));
}

TEST(PrimitivesTest, EdgeLinesRunInsideTheRectangleFromTheOutsideIn) {
  RecordingDeviceContext dc;
  Draw3DBox(ViewState{1}, kBox, dc, 0, kSchemeGray);
  const auto lines = dc.Only(Op::Line);
  ASSERT_EQ(lines.size(), 10u);
  // top-left at inset 0 and 2: up the left side, then across the top
  EXPECT_EQ(lines[0].from, (Point{10, 59}));
  EXPECT_EQ(lines[0].to, (Point{10, 20}));
  EXPECT_EQ(lines[1].to, (Point{110, 20}));
  EXPECT_EQ(lines[4].from, (Point{12, 57}));
  EXPECT_EQ(lines[5].to, (Point{108, 22}));
  // bottom-right at inset 1: along the bottom, then up the right side
  EXPECT_EQ(lines[8].from, (Point{12, 58}));
  EXPECT_EQ(lines[8].to, (Point{108, 58}));
  EXPECT_EQ(lines[9].to, (Point{108, 21}));
}

TEST(PrimitivesTest, BevelShadesAtFontSizeTwo) {
  RecordingDeviceContext raised;
  DrawBevelRaised(ViewState{2}, 0, 0, 50, 30, raised);
  EXPECT_EQ(raised.Only(Op::Rectangle).front().brush, SolidBrush(Grey(153)));
  EXPECT_EQ(LineGreys(raised), (std::vector<int>{255, 230, 204, 179, 51, 76, 102, 127}));

  RecordingDeviceContext sunken;
  DrawBevelSunken(ViewState{2}, 0, 0, 50, 30, sunken, Rgb(0, 255, 0));
  EXPECT_EQ(sunken.Only(Op::Rectangle).front().brush, SolidBrush(Rgb(0, 255, 0)));
  EXPECT_EQ(LineGreys(sunken), (std::vector<int>{127, 102, 76, 51, 179, 204, 230, 255}));
}

TEST(PrimitivesTest, BoxShadesByScheme) {
  EXPECT_EQ(BoxShadeColour(0, 0, kSchemeGray), Grey(255));
  EXPECT_EQ(BoxShadeColour(1, 14, kSchemeGray), Grey(230));
  EXPECT_EQ(BoxShadeColour(0, 11, kSchemeBlue), Rgb(89, 89, 179));
  EXPECT_EQ(BoxShadeColour(1, 3, kSchemeBlue), Rgb(102, 102, 153));
  // Scheme names are case-sensitive; anything but "BLUE" is grey.
  EXPECT_EQ(BoxShadeColour(0, 11, "blue"), Grey(179));

  RecordingDeviceContext dc;
  Draw3DBox(ViewState{2}, kBox, dc, 0, kSchemeBlue);
  EXPECT_EQ(dc.Only(Op::Rectangle).front().brush, SolidBrush(Rgb(51, 51, 153)));
  const auto lines = dc.Only(Op::Line);
  EXPECT_EQ(lines[2].pen.colour, Rgb(153, 153, 230));  // index 10, the second line
  EXPECT_EQ(lines[18].pen.colour, Rgb(38, 38, 127));   // index 14, the innermost
}

TEST(PrimitivesTest, EveryPrimitiveLeavesTheDeviceContextAsItFoundIt) {
  const Pen pen = SolidPen(5, Rgb(1, 2, 3));
  const Brush brush = SolidBrush(Rgb(4, 5, 6));
  for (const Draw& draw : {kBoxUp, kBoxPressed, kRaised, kSunken, kBezelUp, kBezelDown}) {
    for (const int factor : {1, 2}) {
      RecordingDeviceContext dc;
      dc.SelectPen(pen);
      dc.SelectBrush(brush);
      draw(ViewState{factor}, dc);
      EXPECT_EQ(dc.CurrentPen(), pen);
      EXPECT_EQ(dc.CurrentBrush(), brush);
      EXPECT_EQ(dc.SavedDepth(), 0u);
      // The face of a box or bevel is framed with the pen the caller had.
      for (const auto& face : dc.Only(Op::Rectangle)) EXPECT_EQ(face.pen, pen);
    }
  }
}

TEST(PrimitivesTest, BezelOnAHundredPixelSquareDrawsItsArcsAndHandsBackTheFace) {
  struct Case {
    bool raised;
    int factor;
    std::size_t arcs;
    int side;
  };
  for (const Case& c :
       {Case{true, 1, 60, 94}, Case{false, 1, 60, 98}, Case{true, 2, 120, 90}, Case{false, 3, 120, 94}}) {
    RecordingDeviceContext dc;
    Rect rect{0, 0, 100, 100};
    if (c.raised)
      DrawBezelRaised(ViewState{c.factor}, rect, dc);
    else
      DrawBezelSunken(ViewState{c.factor}, rect, dc);
    EXPECT_EQ(dc.Count(Op::Arc), c.arcs) << c.raised << c.factor;
    EXPECT_EQ(Width(rect), c.side) << c.raised << c.factor;
    EXPECT_EQ(Height(rect), c.side) << c.raised << c.factor;
    EXPECT_EQ(rect.left, (100 - c.side) / 2) << c.raised << c.factor;
  }
}

TEST(PrimitivesTest, RaisedBezelRingIsLightAtTheUpperLeftAndDarkAtTheLowerRight) {
  RecordingDeviceContext dc;
  Rect rect{0, 0, 100, 100};
  DrawBezelRaised(ViewState{1}, rect, dc);
  const auto arcs = dc.Only(Op::Arc);
  ASSERT_EQ(arcs.size(), 60u);

  // Outer ring: 40 arcs of 3 pixels on the square shrunk once.
  EXPECT_EQ(arcs[0].rect, (Rect{1, 1, 99, 99}));
  EXPECT_EQ(arcs[0].pen, SolidPen(3, Grey(255)));
  EXPECT_EQ(arcs[20].pen.colour, Grey(55));
  EXPECT_EQ(arcs[39].pen.colour, Grey(245));
  EXPECT_EQ(arcs[0].from, (Point{50 - 34, 50 - 34}));   // 45 degrees: upper left
  EXPECT_EQ(arcs[0].to.x, 50 - 39);                     // a step of 9 degrees on
  EXPECT_GT(arcs[0].to.y, arcs[0].from.y);              // counter-clockwise
  EXPECT_EQ(arcs[20].from, (Point{50 + 34, 50 + 34}));  // half-way: lower right
  EXPECT_EQ(arcs[39].to, arcs[0].from);

  // Inner ring: 20 arcs of 2 pixels, shrunk again.
  EXPECT_EQ(arcs[40].rect, (Rect{2, 2, 98, 98}));
  EXPECT_EQ(arcs[40].pen, SolidPen(2, Grey(204)));
  EXPECT_EQ(arcs[50].pen.colour, Grey(104));
}

TEST(PrimitivesTest, SunkenBezelStartsOnTheRectanglePassedIn) {
  RecordingDeviceContext dc;
  Rect rect{0, 0, 100, 100};
  DrawBezelSunken(ViewState{2}, rect, dc);
  const auto arcs = dc.Only(Op::Arc);
  ASSERT_EQ(arcs.size(), 120u);
  EXPECT_EQ(arcs[0].rect, (Rect{0, 0, 100, 100}));
  EXPECT_EQ(arcs[0].pen, SolidPen(2, Grey(102)));
  EXPECT_EQ(arcs[10].pen.colour, Grey(202));
  EXPECT_EQ(arcs[20].rect, (Rect{1, 1, 99, 99}));
  EXPECT_EQ(arcs[40].rect, (Rect{2, 2, 98, 98}));
  EXPECT_EQ(arcs[40].pen, SolidPen(2, Grey(51)));
  EXPECT_EQ(arcs[60].pen.colour, Grey(251));
  EXPECT_EQ(arcs[80].rect, (Rect{3, 3, 97, 97}));
  EXPECT_EQ(rect, (Rect{3, 3, 97, 97}));
}

}  // namespace
}  // namespace korvix
