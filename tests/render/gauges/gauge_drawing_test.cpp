#include <gtest/gtest.h>

#include <QPainter>

#include <string>
#include <tuple>
#include <vector>

#include "gauge_kinds.h"
#include "render/selection.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

constexpr int kX = 20;
constexpr int kY = 30;

// Values below, inside and above every default scale (0 to 100 or 200).
constexpr const char* kBelow = "-50";
constexpr const char* kInside = "37";
constexpr const char* kAbove = "5000";

class GaugeDrawingTest : public ::testing::TestWithParam<std::tuple<std::size_t, int>> {
protected:
  GaugeKind Kind() const { return AllGaugeKinds()[std::get<0>(GetParam())]; }
  int Factor() const { return std::get<1>(GetParam()); }

  // A fresh canvas with one object of the kind drawn whole at value.
  QImage DrawWhole(const std::string& value, Rect* rect = nullptr) {
    GaugeCanvas canvas(Factor());
    const GaugeKind kind = Kind();
    const int index = kind.add(canvas, kX, kY);
    kind.setvalue(canvas, index, value);
    kind.forget(canvas, index);
    canvas.Draw([&](DrawingContext& c) { kind.draw(canvas, c, index); });
    if (rect != nullptr) *rect = kind.rect(canvas, index);
    return canvas.m_image;
  }

  static Rect Bounds(const QImage& image, Colour colour) {
    GaugeCanvas probe(1, image.width(), image.height());
    probe.m_image = image;
    return probe.BoundsOf(colour);
  }
};

// The round kinds, cut out of the page by their ellipse.
class RoundGaugeTest : public GaugeDrawingTest {};
// The kinds whose value change repaints only needle and value.
class PointerGaugeTest : public GaugeDrawingTest {};

bool Inside(const Rect& inner, const Rect& outer) {
  return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
         inner.bottom <= outer.bottom;
}

TEST_P(GaugeDrawingTest, NeedleMovesWithTheValueAndStaysInsideTheObject) {
  Rect rect;
  const Rect below = Bounds(DrawWhole(kBelow, &rect), Kind().needle);
  const Rect inside = Bounds(DrawWhole(kInside), Kind().needle);
  const Rect above = Bounds(DrawWhole(kAbove), Kind().needle);
  for (const Rect& needle : {inside, above}) {
    ASSERT_FALSE(IsEmpty(needle));
    EXPECT_TRUE(Inside(needle, rect));
  }
  EXPECT_TRUE(IsEmpty(below) || Inside(below, rect));
  EXPECT_NE(inside, below);
  EXPECT_NE(inside, above);
  if (Kind().pinned) {
    // Beyond either end of the scale is at that end: a bar is empty below.
    EXPECT_EQ(below, Bounds(DrawWhole("0"), Kind().needle));
    EXPECT_EQ(above, Bounds(DrawWhole("200"), Kind().needle));
  } else {
    EXPECT_FALSE(IsEmpty(below));
  }
}

TEST_P(GaugeDrawingTest, ErrorAndOverflowShowTheirTextAndNoNeedle) {
  const QImage blank = DrawWhole("");
  for (const char* text : {"Error", "Overflow"}) {
    const QImage image = DrawWhole(text);
    EXPECT_TRUE(IsEmpty(Bounds(image, Kind().needle))) << text;
    EXPECT_NE(image, blank) << text;
  }
}

TEST_P(RoundGaugeTest, PaintsNothingOutsideItsEllipse) {
  GaugeCanvas canvas(Factor());
  const GaugeKind kind = Kind();
  const int index = kind.add(canvas, kX, kY);
  kind.setvalue(canvas, index, kInside);
  kind.forget(canvas, index);
  const Rect rect = kind.rect(canvas, index);
  Region cut = Region::FromEllipse(rect);
  if (kind.name == "PivotTracker") {
    canvas.Draw([&](DrawingContext& c) { kind.draw(canvas, c, index); });
    cut = canvas.m_invalidrgn;
    canvas.Clear();
    kind.forget(canvas, index);
  }
  canvas.Draw([&](DrawingContext& c) { kind.draw(canvas, c, index); }, cut);
  EXPECT_TRUE(IsEmpty(canvas.InkBounds()));
}

TEST_P(PointerGaugeTest, PartialRedrawAfterAValueChangeEqualsAWholeDrawing) {
  const GaugeKind kind = Kind();
  for (const auto& [from, to] : {std::pair{kInside, "90"}, std::pair{"Error", kInside}, std::pair{kInside, kAbove}}) {
    GaugeCanvas canvas(Factor());
    const int index = kind.add(canvas, kX, kY);
    kind.setvalue(canvas, index, from);
    kind.forget(canvas, index);
    canvas.Draw([&](DrawingContext& c) { kind.draw(canvas, c, index); });
    kind.setvalue(canvas, index, to);
    canvas.Draw([&](DrawingContext& c) { kind.draw(canvas, c, index); });
    EXPECT_EQ(canvas.m_image, DrawWhole(to)) << from << " to " << to;
  }
}

TEST_P(PointerGaugeTest, PartialRedrawLeavesTheFrameAlone) {
  const GaugeKind kind = Kind();
  GaugeCanvas canvas(Factor());
  const int index = kind.add(canvas, kX, kY);
  kind.setvalue(canvas, index, kInside);
  kind.forget(canvas, index);
  canvas.Draw([&](DrawingContext& c) { kind.draw(canvas, c, index); });
  const Rect rect = kind.rect(canvas, index);
  const Point mark{(rect.left + rect.right) / 2, rect.top + 1};
  {
    QPainter painter(&canvas.m_image);
    painter.fillRect(mark.x, mark.y, 1, 1, Qt::magenta);
  }
  kind.setvalue(canvas, index, "60");
  canvas.Draw([&](DrawingContext& c) { kind.draw(canvas, c, index); });
  EXPECT_EQ(canvas.At(mark.x, mark.y), Rgb(255, 0, 255));
}

TEST_P(GaugeDrawingTest, ObjectSnappedToNothingPaintsNothing) {
  GaugeCanvas canvas(Factor());
  const GaugeKind kind = Kind();
  const int index = kind.add(canvas, kX, kY);
  kind.shrink(canvas, index);
  kind.setvalue(canvas, index, kInside);
  canvas.Draw([&](DrawingContext& c) { kind.draw(canvas, c, index); });
  EXPECT_TRUE(IsEmpty(kind.rect(canvas, index)));
  EXPECT_TRUE(IsEmpty(canvas.InkBounds()));
}

TEST_P(GaugeDrawingTest, EveryDrawingPutsTheDeviceContextBack) {
  const GaugeKind kind = Kind();
  GaugeCanvas canvas(Factor());
  const int index = kind.add(canvas, kX, kY);
  RecordingDeviceContext dc;
  DrawingContext context{dc, canvas.m_doc, canvas.m_view, canvas.m_geometry, canvas.m_states};
  for (const char* value : {kInside, "80"}) {  // whole, then partial
    kind.setvalue(canvas, index, value);
    kind.draw(canvas, context, index);
    EXPECT_EQ(dc.CurrentPen(), Pen{});
    EXPECT_EQ(dc.CurrentBrush(), Brush{});
    EXPECT_EQ(dc.CurrentFont(), Font{});
    EXPECT_EQ(dc.CurrentTextColour(), Grey(0));
    EXPECT_EQ(dc.SavedDepth(), 0u);
    EXPECT_EQ(dc.SetBackgroundMode(BackgroundMode::Opaque), BackgroundMode::Opaque);
  }
}

std::string CaseName(const ::testing::TestParamInfo<GaugeDrawingTest::ParamType>& info) {
  return AllGaugeKinds()[std::get<0>(info.param)].name + "AtFontSize" + std::to_string(std::get<1>(info.param));
}

template <class Keep>
std::vector<std::size_t> KindsWhere(Keep keep) {
  std::vector<std::size_t> indices;
  const auto kinds = AllGaugeKinds();
  for (std::size_t k = 0; k < kinds.size(); ++k)
    if (keep(kinds[k])) indices.push_back(k);
  return indices;
}

template <class Keep>
auto AtFontSizes1And3(Keep keep) {
  return ::testing::Combine(::testing::ValuesIn(KindsWhere(keep)), ::testing::Values(1, 3));
}

INSTANTIATE_TEST_SUITE_P(Kinds, GaugeDrawingTest, AtFontSizes1And3([](const GaugeKind&) { return true; }), CaseName);
INSTANTIATE_TEST_SUITE_P(Kinds, RoundGaugeTest, AtFontSizes1And3([](const GaugeKind& k) { return k.round; }), CaseName);
INSTANTIATE_TEST_SUITE_P(Kinds, PointerGaugeTest, AtFontSizes1And3([](const GaugeKind& k) { return k.pointer; }),
                         CaseName);

TEST(GaugeDrawingEdgeTest, ZeroSpanScaleDrawsItsNeedleAtTheStart) {
  GaugeCanvas canvas(1);
  const int index = detail::Place(canvas.m_doc.m_dialgauges, kX, kY);
  DialGaugeRecord& dial = canvas.m_doc.m_dialgauges[index];
  dial.scalestart = dial.scaleend = dial.warnlevel = "50";
  dial.valuetext = canvas.m_states.Of<ScreenObjectKind::DialGauge>()[index].uneditedtext = "70";
  canvas.Draw([&](DrawingContext& c) { DrawDialGauge(c, index); });
  const Rect needle = canvas.BoundsOf(kNeedleColour);
  ASSERT_FALSE(IsEmpty(needle));
  const Rect rect = canvas.m_geometry.ObjectRectDialGauge(index);
  // The start of a dial's scale is at its lower left.
  EXPECT_LT(needle.left, (rect.left + rect.right) / 2);
  EXPECT_GT(needle.bottom, (rect.top + rect.bottom) / 2);
}

TEST(GaugeDrawingEdgeTest, LevelGaugeMarksTheExtremesItHasSeen) {
  for (const int showminmax : {1, 0}) {
    GaugeCanvas canvas(1);
    const int index = detail::Place(canvas.m_doc.m_levelgauges, kX, kY);
    LevelGaugeRecord& level = canvas.m_doc.m_levelgauges[index];
    canvas.Draw([&](DrawingContext& c) { DrawLevelGauge(c, index); });
    EXPECT_TRUE(IsEmpty(canvas.BoundsOf(kNeedleColour))) << "none seen yet";
    level.showminmax = showminmax;
    level.minseen = 20;
    level.maxseen = 80;
    canvas.Draw([&](DrawingContext& c) { DrawLevelGauge(c, index); });
    const Rect marks = canvas.BoundsOf(kNeedleColour);
    const Rect rect = canvas.m_geometry.ObjectRectLevelGauge(index);
    if (!showminmax) {
      EXPECT_TRUE(IsEmpty(marks));
      continue;
    }
    // 80 lies far above 20: the marks span most of the tank's height.
    EXPECT_GT(Height(marks), Height(rect) / 3);
    EXPECT_TRUE(Inside(marks, rect));
  }
}

TEST(GaugeDrawingEdgeTest, PivotTrackerLampChangeRedrawsToTheWholeDrawing) {
  GaugeCanvas canvas(2);
  const int index = detail::Place(canvas.m_doc.m_pivottrackers, kX, kY);
  canvas.Draw([&](DrawingContext& c) { DrawPivotTracker(c, index, canvas.m_trackers, canvas.m_invalidrgn); });
  canvas.m_trackers[index].lamps[PivotTrackerState::kWater] = PivotTrackerState::kLampOn;
  canvas.Draw([&](DrawingContext& c) { DrawPivotTracker(c, index, canvas.m_trackers, canvas.m_invalidrgn); });

  GaugeCanvas whole(2);
  detail::Place(whole.m_doc.m_pivottrackers, kX, kY);
  whole.m_trackers[index].lamps[PivotTrackerState::kWater] = PivotTrackerState::kLampOn;
  whole.m_trackers.ForgetDrawn();
  whole.Draw([&](DrawingContext& c) { DrawPivotTracker(c, index, whole.m_trackers, whole.m_invalidrgn); });
  EXPECT_EQ(canvas.m_image, whole.m_image);
  EXPECT_FALSE(IsEmpty(whole.BoundsOf(static_cast<Colour>(PivotTrackerRecord{}.wateroncolor))));
}

}  // namespace
}  // namespace korvix
