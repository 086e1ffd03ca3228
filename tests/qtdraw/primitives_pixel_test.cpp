#include <gtest/gtest.h>

#include <vector>

#include "canvas.h"
#include "render/bevel.h"
#include "render/bezel.h"
#include "render/box3d.h"

namespace korvix {
namespace {

class PrimitivesPixelTest : public Canvas {
protected:
  PrimitivesPixelTest() : Canvas(120, 120) {}

  // The grey levels across the left edge (inwards from x = left) and up the
  // bottom edge (inwards from y = bottom - 1), taken at the middle.
  std::vector<int> LeftColumns(const Rect& r, int count) const {
    std::vector<int> greys;
    for (int k = 0; k < count; ++k) greys.push_back(RedOf(At(r.left + k, (r.top + r.bottom) / 2)));
    return greys;
  }
  std::vector<int> BottomRows(const Rect& r, int count) const {
    std::vector<int> greys;
    for (int k = 0; k < count; ++k) greys.push_back(RedOf(At((r.left + r.right) / 2, r.bottom - 1 - k)));
    return greys;
  }
};

TEST_F(PrimitivesPixelTest, PressedGrayBoxAtFontSizeOne) {
  const Rect box{10, 10, 60, 40};
  Paint([&](QtDeviceContext& dc) { Draw3DBox(ViewState{1}, box, dc, 1, kSchemeGray); });
  EXPECT_EQ(InkBounds(), box);
  EXPECT_EQ(LeftColumns(box, 4), (std::vector<int>{153, 102, 51, 153}));
  EXPECT_EQ(BottomRows(box, 3), (std::vector<int>{153, 204, 153}));
  EXPECT_EQ(RedOf(At(box.left, box.top)), 153);  // the top line owns the corner
  EXPECT_EQ(RedOf(At(box.right - 1, box.top)), 153);
  EXPECT_EQ(At(35, 25), Grey(153));
}

TEST_F(PrimitivesPixelTest, BevelsAtFontSizeTwoHaveFourLinesEachSide) {
  const Rect bevel{10, 10, 60, 40};
  Paint([&](QtDeviceContext& dc) { DrawBevelRaised(ViewState{2}, 10, 10, 60, 40, dc); });
  EXPECT_EQ(LeftColumns(bevel, 5), (std::vector<int>{255, 230, 204, 179, 153}));
  EXPECT_EQ(BottomRows(bevel, 5), (std::vector<int>{51, 76, 102, 127, 153}));

  Paint([&](QtDeviceContext& dc) { DrawBevelSunken(ViewState{2}, 10, 10, 60, 40, dc, kRed); });
  EXPECT_EQ(LeftColumns(bevel, 4), (std::vector<int>{127, 102, 76, 51}));
  EXPECT_EQ(BottomRows(bevel, 4), (std::vector<int>{179, 204, 230, 255}));
  EXPECT_EQ(At(35, 25), kRed);
}

TEST_F(PrimitivesPixelTest, RaisedBezelIsBrightAtTheUpperLeftAndDarkAtTheLowerRight) {
  Rect face{10, 10, 110, 110};
  Paint([&](QtDeviceContext& dc) { DrawBezelRaised(ViewState{1}, face, dc); });
  EXPECT_EQ(face, (Rect{13, 13, 107, 107}));
  // Along the diagonal: the outer ring, then the inner ring over it.
  EXPECT_GE(RedOf(At(25, 25)), 245);
  EXPECT_LE(RedOf(At(94, 94)), 65);
  EXPECT_GE(RedOf(At(26, 26)), 184);
  EXPECT_LE(RedOf(At(93, 93)), 114);
  EXPECT_EQ(At(60, 60), kWhite);  // the face is the caller's
  EXPECT_EQ(At(10, 10), kWhite);  // outside the circle
}

}  // namespace
}  // namespace korvix
