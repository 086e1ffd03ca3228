#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "canvas.h"
#include "render/selection.h"

namespace korvix {
namespace {

class DeviceContextTest : public Canvas {};

TEST_F(DeviceContextTest, RectangleFillsAndFramesInsideItsRightAndBottomEdges) {
  Paint([](QtDeviceContext& dc) {
    dc.SelectBrush(SolidBrush(kRed));
    dc.Rectangle({10, 10, 20, 15});
  });
  EXPECT_EQ(InkBounds(), (Rect{10, 10, 20, 15}));
  for (const Point p : {Point{10, 10}, Point{19, 10}, Point{10, 14}, Point{19, 14}, Point{15, 14}})
    EXPECT_EQ(At(p.x, p.y), kBlack) << p.x << "," << p.y;
  EXPECT_EQ(At(11, 11), kRed);
  EXPECT_EQ(At(18, 13), kRed);
}

TEST_F(DeviceContextTest, RectangleWithNullPenOrNullBrushPaintsOnlyTheOther) {
  Paint([](QtDeviceContext& dc) {
    {
      SelectedPen pen(dc, NullPen());
      SelectedBrush brush(dc, SolidBrush(kRed));
      dc.Rectangle({2, 2, 8, 8});
    }
    SelectedBrush brush(dc, NullBrush());
    dc.Rectangle({20, 2, 26, 8});
  });
  EXPECT_EQ(At(2, 2), kRed);
  EXPECT_EQ(At(7, 7), kRed);
  EXPECT_EQ(At(8, 7), kWhite);
  EXPECT_EQ(At(20, 2), kBlack);
  EXPECT_EQ(At(22, 4), kWhite);
}

TEST_F(DeviceContextTest, WidePensStayInsideOnlyWhenInsideFrame) {
  struct Case {
    PenStyle style;
    Rect ink;
  };
  for (const Case& c : {Case{PenStyle::InsideFrame, {10, 10, 30, 30}}, Case{PenStyle::Solid, {9, 9, 31, 31}}}) {
    m_image.fill(Qt::white);
    Paint([&](QtDeviceContext& dc) {
      dc.SelectPen({c.style, 3, kBlue});
      dc.SelectBrush(SolidBrush(kRed));
      dc.Rectangle({10, 10, 30, 30});
    });
    EXPECT_EQ(InkBounds(), c.ink);
    EXPECT_EQ(At(c.ink.left + 2, 20), kBlue);
    EXPECT_EQ(At(c.ink.left + 3, 20), kRed);
    EXPECT_EQ(At(c.ink.right - 3, 20), kBlue);
    EXPECT_EQ(At(c.ink.right - 4, 20), kRed);
  }
}

TEST_F(DeviceContextTest, LineToLeavesItsEndPointUnpainted) {
  struct Case {
    Point from;
    Point to;
    Point last;  // the last pixel painted
  };
  const std::vector<Case> cases = {
      {{5, 5}, {15, 5}, {14, 5}},     // right
      {{15, 8}, {5, 8}, {6, 8}},      // left
      {{5, 10}, {5, 20}, {5, 19}},    // down
      {{8, 20}, {8, 10}, {8, 11}},    // up
      {{20, 5}, {30, 10}, {29, 10}},  // shallow diagonal
      {{20, 20}, {25, 30}, {25, 29}},
  };
  for (const Case& c : cases) {
    m_image.fill(Qt::white);
    Paint([&](QtDeviceContext& dc) {
      dc.MoveTo(c.from);
      dc.LineTo(c.to);
    });
    EXPECT_EQ(At(c.from.x, c.from.y), kBlack) << c.to.x << "," << c.to.y;
    EXPECT_EQ(At(c.last.x, c.last.y), kBlack) << c.to.x << "," << c.to.y;
    EXPECT_EQ(At(c.to.x, c.to.y), kWhite) << c.to.x << "," << c.to.y;
  }
}

TEST_F(DeviceContextTest, PolylineJoinsSegmentsAndLeavesOnlyTheLastPointOut) {
  Paint([](QtDeviceContext& dc) {
    const Point points[] = {{5, 5}, {15, 5}, {15, 15}};
    dc.Polyline(points);
  });
  EXPECT_EQ(At(15, 5), kBlack);
  EXPECT_EQ(At(15, 14), kBlack);
  EXPECT_EQ(At(15, 15), kWhite);
}

TEST_F(DeviceContextTest, FiguresAreNotAntialiased) {
  Paint([](QtDeviceContext& dc) {
    dc.SelectBrush(SolidBrush(kRed));
    dc.Ellipse({2, 2, 30, 22});
    dc.SelectPen(InsideFramePen(3, kBlue));
    dc.Ellipse({32, 2, 62, 30});
    dc.SelectPen(SolidPen(2, kBlue));
    dc.Arc({4, 24, 40, 46}, {22, 24}, {4, 35});
    dc.MoveTo({40, 40});
    dc.LineTo({60, 33});
    const Point triangle[] = {{44, 32}, {60, 44}, {46, 46}};
    dc.Polygon(triangle);
  });
  EXPECT_EQ(Colours(), (std::set<Colour>{kWhite, kBlack, kRed, kBlue}));
}

TEST_F(DeviceContextTest, EllipseFillsItsBoundsExceptRightAndBottom) {
  for (const Pen& pen : {SolidPen(1, kBlue), InsideFramePen(4, kBlue)}) {
    m_image.fill(Qt::white);
    Paint([&](QtDeviceContext& dc) {
      dc.SelectPen(pen);
      dc.Ellipse({10, 6, 40, 30});
    });
    EXPECT_EQ(InkBounds(), (Rect{10, 6, 40, 30})) << pen.width;
    EXPECT_EQ(At(10, 6), kWhite);  // corners show what lies behind
  }
}

TEST_F(DeviceContextTest, ArcRunsCounterClockwiseFromStartToEnd) {
  // From the top of the circle to its left side: the upper-left quarter only.
  Paint([](QtDeviceContext& dc) { dc.Arc({10, 10, 41, 41}, {25, 0}, {0, 25}); });
  const Rect ink = InkBounds();
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.right, 27);
  EXPECT_LE(ink.bottom, 27);
  EXPECT_GT(Width(ink), 12);
  EXPECT_GT(Height(ink), 12);
}

TEST_F(DeviceContextTest, ExcludedRectangleIsNeitherPaintedNorVisible) {
  bool inside = true;
  bool overlapping = false;
  Paint([&](QtDeviceContext& dc) {
    dc.ExcludeClipRect({10, 10, 20, 20});
    inside = dc.RectVisible({12, 12, 18, 18});
    overlapping = dc.RectVisible({18, 18, 25, 25});
    dc.FillRect({0, 0, 64, 48}, kRed);
  });
  EXPECT_FALSE(inside);
  EXPECT_TRUE(overlapping);
  EXPECT_EQ(At(10, 10), kWhite);
  EXPECT_EQ(At(19, 19), kWhite);
  EXPECT_EQ(At(20, 19), kRed);
  EXPECT_EQ(At(9, 10), kRed);
}

TEST_F(DeviceContextTest, SubtractedEllipseLeavesTheCornersOfItsSquarePaintable) {
  Paint([](QtDeviceContext& dc) {
    dc.SubtractClipRegion(Region::FromEllipse({10, 10, 31, 31}));
    dc.FillRect({0, 0, 64, 48}, kRed);
  });
  EXPECT_EQ(At(20, 20), kWhite);
  EXPECT_EQ(At(10, 20), kWhite);
  EXPECT_EQ(At(30, 20), kWhite);
  EXPECT_EQ(At(31, 20), kRed);
  EXPECT_EQ(At(10, 10), kRed);
  EXPECT_EQ(At(30, 30), kRed);
}

TEST_F(DeviceContextTest, EllipticRegionCoversThePixelsOfTheEllipseDrawnOnTheSameBounds) {
  for (const Rect bounds : {Rect{10, 10, 31, 31}, Rect{5, 3, 60, 40}, Rect{20, 20, 24, 23}}) {
    m_image.fill(Qt::white);
    Paint([&](QtDeviceContext& dc) {
      dc.SelectPen(SolidPen(1, kRed));
      dc.SelectBrush(SolidBrush(kRed));
      dc.Ellipse(bounds);
    });
    const QImage drawn = m_image;
    m_image.fill(Qt::white);
    Paint([&](QtDeviceContext& dc) {
      dc.SubtractClipRegion(Region::FromEllipse(bounds));
      dc.FillRect({0, 0, 64, 48}, kRed);
    });
    int differing = 0;  // pixels where the two pictures agree
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 64; ++x) differing += (drawn.pixel(x, y) == m_image.pixel(x, y)) ? 1 : 0;
    EXPECT_EQ(differing, 0) << Width(bounds);
  }
}

TEST_F(DeviceContextTest, SubtractedUnionRemovesEveryShape) {
  Region region = Region::FromRect({0, 0, 10, 10});
  region.Add(Region::FromPolygon({{30, 0}, {50, 0}, {30, 20}}));
  Paint([&](QtDeviceContext& dc) {
    dc.SubtractClipRegion(region);
    dc.FillRect({0, 0, 64, 48}, kRed);
  });
  EXPECT_EQ(At(5, 5), kWhite);
  EXPECT_EQ(At(32, 2), kWhite);
  EXPECT_EQ(At(48, 15), kRed);
  EXPECT_EQ(At(15, 15), kRed);
}

TEST_F(DeviceContextTest, RestoreStateBringsBackClipAndSelections) {
  Pen pen;
  Pen inner;
  Paint([&](QtDeviceContext& dc) {
    dc.SaveState();
    dc.SelectPen(SolidPen(2, kRed));
    dc.ExcludeClipRect({0, 0, 64, 48});
    dc.SaveState();
    inner = dc.SelectPen(SolidPen(3, kBlue));
    dc.RestoreState();
    dc.RestoreState();
    pen = dc.SelectPen(SolidPen(1, kBlack));
    dc.FillRect({0, 0, 64, 48}, kRed);
  });
  EXPECT_EQ(inner, SolidPen(2, kRed));
  EXPECT_EQ(pen, SolidPen(1, kBlack));
  EXPECT_EQ(At(30, 30), kRed);
}

TEST_F(DeviceContextTest, ExclusionsMadeAfterARestoreKeepThoseFromBeforeTheSave) {
  Paint([](QtDeviceContext& dc) {
    dc.ExcludeClipRect({0, 0, 10, 10});
    dc.SaveState();
    dc.ExcludeClipRect({20, 0, 30, 10});
    dc.RestoreState();
    dc.SubtractClipRegion(Region::FromEllipse({40, 0, 50, 10}));
    dc.FillRect({0, 0, 64, 48}, kRed);
  });
  EXPECT_EQ(At(5, 5), kWhite);
  EXPECT_EQ(At(25, 5), kRed);
  EXPECT_EQ(At(45, 5), kWhite);
  EXPECT_EQ(At(40, 0), kRed);
}

// Drawing inside the saved state makes the clip region with its cut-out;
// once restored, that cut-out and its region are gone, whatever is cut next.
TEST_F(DeviceContextTest, ACutOutTakenBackByARestoreNoLongerClips) {
  Paint([](QtDeviceContext& dc) {
    dc.ExcludeClipRect({0, 0, 10, 10});
    dc.SaveState();
    dc.ExcludeClipRect({20, 0, 30, 10});
    dc.FillRect({0, 20, 64, 30}, kBlue);
    dc.RestoreState();
    dc.ExcludeClipRect({40, 0, 50, 10});
    dc.FillRect({0, 0, 64, 10}, kRed);
  });
  EXPECT_EQ(At(5, 5), kWhite);
  EXPECT_EQ(At(25, 5), kRed);
  EXPECT_EQ(At(45, 5), kWhite);
  EXPECT_EQ(At(35, 5), kRed);
  EXPECT_EQ(At(25, 25), kBlue);
}

// A checkerboard of cut-outs makes a clip region of many rectangles, and
// taking them back one save at a time leaves each level as it was.
TEST_F(DeviceContextTest, ManyCutOutsClipExactlyAndComeBackLevelByLevel) {
  std::vector<bool> visible;
  Paint([&visible](QtDeviceContext& dc) {
    dc.SaveState();
    for (int row = 0; row < 6; ++row)
      for (int column = row % 2; column < 8; column += 2)
        dc.ExcludeClipRect({column * 8, row * 8, column * 8 + 8, row * 8 + 8});
    dc.FillRect({0, 0, 64, 24}, kBlue);
    visible = {dc.RectVisible({1, 1, 7, 7}), dc.RectVisible({9, 1, 15, 7})};
    dc.RestoreState();
    dc.FillRect({0, 24, 64, 48}, kRed);
  });
  EXPECT_EQ(visible, (std::vector<bool>{false, true}));
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 8; ++column)
      EXPECT_EQ(At(column * 8 + 4, row * 8 + 4), (row + column) % 2 == 0 ? kWhite : kBlue) << row << "," << column;
  EXPECT_EQ(At(4, 28), kRed);
  EXPECT_EQ(At(12, 28), kRed);
}

// Under a clip region of several rectangles each figure leaves exactly the
// pixels it leaves unclipped, where the region lets it.
TEST_F(DeviceContextTest, FiguresUnderARaggedClipKeepTheirPixelsInsideIt) {
  const std::vector<Rect> cuts{{0, 0, 20, 14}, {40, 0, 64, 20}, {10, 30, 30, 48}, {28, 18, 36, 26}};
  const std::vector<Point> trace{{2, 40}, {12, 40}, {12, 8}, {30, 30}, {30, 44}, {60, 44}, {50, 4}};
  const std::vector<std::function<void(QtDeviceContext&)>> figures{
      [](QtDeviceContext& dc) {
        SelectedPen pen(dc, SolidPen(1, kBlue));
        SelectedBrush brush(dc, SolidBrush(kRed));
        dc.Ellipse({4, 2, 60, 46});
      },
      [&trace](QtDeviceContext& dc) {
        SelectedPen pen(dc, SolidPen(1, kBlue));
        dc.Polyline(trace);
        dc.FillRect({0, 0, 3, 3}, kBlack);
      },
  };
  for (std::size_t i = 0; i < figures.size(); ++i) {
    m_image.fill(Qt::white);
    Paint(figures[i]);
    const QImage whole = m_image;
    m_image.fill(Qt::white);
    Paint([&](QtDeviceContext& dc) {
      for (const Rect& cut : cuts) dc.ExcludeClipRect(cut);
      figures[i](dc);
    });
    for (int y = 0; y < m_image.height(); ++y)
      for (int x = 0; x < m_image.width(); ++x) {
        const bool cut = std::any_of(cuts.begin(), cuts.end(), [&](const Rect& r) {
          return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
        });
        ASSERT_EQ(m_image.pixel(x, y), cut ? qRgb(255, 255, 255) : whole.pixel(x, y))
            << "figure " << i << " at " << x << "," << y;
      }
  }
}

TEST_F(DeviceContextTest, ClipAreaGivenAtTheStartLimitsPaintingAndVisibility) {
  bool outside = true;
  {
    QtDeviceContext dc(m_image, QRegion(0, 0, 10, 10));
    outside = dc.RectVisible({20, 20, 30, 30});
    dc.FillRect({0, 0, 64, 48}, kRed);
  }
  EXPECT_FALSE(outside);
  EXPECT_EQ(InkBounds(), (Rect{0, 0, 10, 10}));
}

// Text wholly outside the clip area is skipped; what follows it is not.
TEST_F(DeviceContextTest, ASlantedLineAfterTextOutsideTheClipAreaIsDrawn) {
  {
    QtDeviceContext dc(m_image, QRegion(0, 0, 32, 48));
    dc.FillRect({0, 40, 8, 48}, kRed);
    dc.DrawText("Hidden", {40, 0, 64, 12}, TextFormat::SingleLine);
    SelectedPen pen(dc, SolidPen(1, kBlack));
    dc.MoveTo({0, 0});
    dc.LineTo({20, 20});
  }
  EXPECT_EQ(At(5, 5), kBlack);
  EXPECT_EQ(At(19, 19), kBlack);
  EXPECT_EQ(InkBounds(), (Rect{0, 0, 20, 48}));
}

TEST_F(DeviceContextTest, FocusRectInvertsDotsOfTheBorderAndErasesWhenDrawnTwice) {
  Paint([](QtDeviceContext& dc) { dc.DrawFocusRect({10, 10, 30, 20}); });
  EXPECT_EQ(InkBounds(), (Rect{10, 10, 30, 20}));
  EXPECT_EQ(At(10, 10), kBlack);
  EXPECT_EQ(At(11, 10), kWhite);
  EXPECT_EQ(At(20, 15), kWhite);
  Paint([](QtDeviceContext& dc) { dc.DrawFocusRect({10, 10, 30, 20}); });
  EXPECT_EQ(InkBounds(), Rect{});
}

TEST_F(DeviceContextTest, SetPixelPaintsOnePixel) {
  Paint([](QtDeviceContext& dc) { dc.SetPixel({7, 9}, kBlue); });
  EXPECT_EQ(InkBounds(), (Rect{7, 9, 8, 10}));
  EXPECT_EQ(At(7, 9), kBlue);
}

TEST_F(DeviceContextTest, ALineFromFarOutsidePaintsWhatItWouldDrawnWhole) {
  const Rect window{0, 0, 64, 48};
  struct Case {
    Point from;
    Point to;
  };
  const std::vector<Case> cases = {
      {{-1200, -30}, {50, 40}},  // shallow, from far left into the window
      {{20, 10}, {1190, 47}},    // out through the right edge
      {{-1100, 5}, {1100, 44}},  // across the whole window
      {{30, -1000}, {40, 60}},   // steep, from far above
      {{-1100, 100}, {1100, 100}},
  };
  for (const Case& c : cases) {
    m_image.fill(Qt::white);
    Paint([&](QtDeviceContext& dc) {
      dc.MoveTo(c.from);
      dc.LineTo(c.to);
    });
    // The same line on an image large enough to hold all of it.
    const Point origin{-1200, -1000};
    QImage whole(2400, 1200, QImage::Format_RGB32);
    whole.fill(Qt::white);
    {
      QtDeviceContext dc(whole, origin, QRegion(origin.x, origin.y, whole.width(), whole.height()));
      dc.MoveTo(c.from);
      dc.LineTo(c.to);
    }
    EXPECT_EQ(m_image, whole.copy(-origin.x, -origin.y, Width(window), Height(window)))
        << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
  }
}

TEST_F(DeviceContextTest, ALayerKeepsItsPixelsBetweenPaintsUntilItNoLongerFits) {
  std::unique_ptr<OffscreenPicture> layer;
  const Rect area{10, 10, 30, 20};
  const auto paint = [&](const Rect& rect, const std::function<void(DeviceContext&)>& draw) {
    bool wasfresh = false;
    m_image.fill(Qt::white);
    Paint([&](QtDeviceContext& dc) {
      EXPECT_TRUE(dc.DrawOnLayer(layer, rect, [&](DeviceContext& on, bool fresh) {
        wasfresh = fresh;
        draw(on);
      }));
    });
    return wasfresh;
  };
  EXPECT_TRUE(paint(area, [&](DeviceContext& dc) { dc.FillRect(area, kRed); }));
  // What the first paint left comes back under the second one's drawing.
  EXPECT_FALSE(paint(area, [](DeviceContext& dc) { dc.SetPixel({12, 12}, kBlue); }));
  EXPECT_EQ(InkBounds(), area);
  EXPECT_EQ(At(11, 11), kRed);
  EXPECT_EQ(At(12, 12), kBlue);
  // The layer draws in page coordinates wherever the area lies.
  EXPECT_FALSE(paint(Offset(area, 20, 20), [](DeviceContext&) {}));
  EXPECT_EQ(At(32, 32), kBlue);
  EXPECT_TRUE(paint({10, 10, 31, 20}, [](DeviceContext&) {}));

  // The layer is drawn within the clip region and nowhere else.
  m_image.fill(Qt::white);
  Paint([&](QtDeviceContext& dc) {
    dc.ExcludeClipRect({10, 10, 20, 20});
    dc.DrawOnLayer(layer, {10, 10, 31, 20}, [](DeviceContext& on, bool) { on.FillRect({10, 10, 31, 20}, kRed); });
  });
  EXPECT_EQ(InkBounds(), (Rect{20, 10, 31, 20}));
}

}  // namespace
}  // namespace korvix
