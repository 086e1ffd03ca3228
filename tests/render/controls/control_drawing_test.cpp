#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "control_canvas.h"
#include "control_kinds.h"
#include "render/selection.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using KindAtFactor = std::tuple<int, int>;  // index into ControlKinds(), Font Size

class EveryControlTest : public ::testing::TestWithParam<KindAtFactor> {
protected:
  ControlKind Kind() const { return ControlKinds()[static_cast<std::size_t>(std::get<0>(GetParam()))]; }
  int Factor() const { return std::get<1>(GetParam()); }
};

TEST_P(EveryControlTest, PaintsItsWholeRectangleAndNothingOutside) {
  ControlCanvas canvas;
  canvas.view.SetFontFactor(Factor());
  const ControlKind kind = Kind();
  const int index = kind.add(canvas.doc, 10, 10);
  Rect rect;
  canvas.Paint([&](DrawingContext& c) {
    rect = kind.rect(c, index);
    kind.draw(c, index);
  });
  EXPECT_EQ(canvas.InkBounds(), rect);
}

TEST_P(EveryControlTest, PutsBackEverythingItSelected) {
  CKorvixDoc doc;
  ViewState view;
  view.SetFontFactor(Factor());
  ObjectRunStates states;
  ObjectGeometry geometry(doc, view, states);
  const ControlKind kind = Kind();
  const int index = kind.add(doc, 40, 30);
  RecordingDeviceContext dc;
  const Pen pen = SolidPen(3, Rgb(1, 2, 3));
  const Brush brush = SolidBrush(Rgb(4, 5, 6));
  const Font font{"Courier", 77};
  SelectedPen selectedpen(dc, pen);
  SelectedBrush selectedbrush(dc, brush);
  SelectedFont selectedfont(dc, font);
  SelectedTextColour textcolour(dc, Rgb(7, 8, 9));
  DrawingContext context{dc, doc, view, geometry, states};
  kind.draw(context, index);
  EXPECT_FALSE(dc.calls.empty());
  EXPECT_EQ(dc.CurrentPen(), pen);
  EXPECT_EQ(dc.CurrentBrush(), brush);
  EXPECT_EQ(dc.CurrentFont(), font);
  EXPECT_EQ(dc.CurrentTextColour(), Rgb(7, 8, 9));
  EXPECT_EQ(dc.SavedDepth(), 0u);
}

INSTANTIATE_TEST_SUITE_P(AtFontSizesOneAndThree, EveryControlTest,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(ControlKinds().size())),
                                            ::testing::Values(1, 3)),
                         [](const ::testing::TestParamInfo<KindAtFactor>& test) {
                           return ControlKinds()[static_cast<std::size_t>(std::get<0>(test.param))].name + "AtX" +
                                  std::to_string(std::get<1>(test.param));
                         });

}  // namespace
}  // namespace korvix
