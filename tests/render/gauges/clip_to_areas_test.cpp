#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/gauges/gauge_painting.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

bool Inside(const Rect& r, int x, int y) { return r.left <= x && x < r.right && r.top <= y && y < r.bottom; }

struct Case {
  std::string name;
  std::vector<Rect> areas;
  std::size_t most;  // cut-outs allowed
};

// What is cut out is exactly the part of the whole that no area covers,
// each pixel once, in few rectangles.
TEST(ClipToAreasTest, CutsOutExactlyWhatNoAreaCoversInFewRectangles) {
  constexpr Rect kWhole{10, 20, 70, 80};
  const std::vector<Case> cases{
      {"one area inside", {{30, 40, 50, 60}}, 4},
      {"two apart", {{12, 22, 20, 30}, {50, 60, 68, 78}}, 7},
      {"two overlapping and the value box", {{30, 25, 60, 55}, {20, 45, 45, 75}, {35, 60, 55, 66}}, 10},
      {"one reaching outside", {{0, 0, 40, 100}}, 1},
      {"one covering all", {{0, 0, 100, 100}}, 0},
      {"an empty one beside a real one", {{}, {30, 40, 50, 60}}, 4},
  };
  for (const Case& c : cases) {
    RecordingDeviceContext dc;
    ClipToAreas(dc, kWhole, c.areas);
    const auto cuts = dc.Only(RecordingDeviceContext::Op::ExcludeClipRect);
    EXPECT_LE(cuts.size(), c.most) << c.name;
    for (int y = kWhole.top; y < kWhole.bottom; ++y)
      for (int x = kWhole.left; x < kWhole.right; ++x) {
        int cutby = 0;
        for (const auto& cut : cuts) cutby += Inside(cut.rect, x, y) ? 1 : 0;
        bool covered = false;
        for (const Rect& area : c.areas) covered = covered || Inside(area, x, y);
        ASSERT_EQ(cutby, covered ? 0 : 1) << c.name << " at " << x << "," << y;
      }
    for (const auto& cut : cuts) EXPECT_TRUE(Inside(kWhole, cut.rect.left, cut.rect.top)) << c.name;
  }
}

}  // namespace
}  // namespace korvix
