#include <gtest/gtest.h>

#include "render/selection.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

TEST(SelectionTest, EachSelectionPutsBackWhatWasSelectedBefore) {
  RecordingDeviceContext dc;
  const Pen pen = dc.CurrentPen();
  const Font font = dc.CurrentFont();
  {
    SelectedPen selectedpen(dc, SolidPen(2, Grey(9)));
    SelectedFont selectedfont(dc, Font{std::string(kFaceTimesNewRoman), 50});
    SelectedTextColour textcolour(dc, Grey(8));
    SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
    SelectedBackgroundColour background(dc, Grey(7));
    dc.TextOut({0, 0}, "in");
    EXPECT_EQ(dc.CurrentPen(), SolidPen(2, Grey(9)));
    EXPECT_EQ(dc.CurrentTextColour(), Grey(8));
    EXPECT_EQ(dc.SetBackgroundMode(BackgroundMode::Transparent), BackgroundMode::Transparent);
    EXPECT_EQ(dc.SetBackgroundColour(Grey(7)), Grey(7));
  }
  EXPECT_EQ(dc.CurrentPen(), pen);
  EXPECT_EQ(dc.CurrentFont(), font);
  EXPECT_EQ(dc.CurrentTextColour(), Grey(0));
  EXPECT_EQ(dc.SetBackgroundMode(BackgroundMode::Opaque), BackgroundMode::Opaque);
  EXPECT_EQ(dc.SetBackgroundColour(Grey(255)), Grey(255));
  EXPECT_EQ(dc.Only(RecordingDeviceContext::Op::TextOut).front().font.face, kFaceTimesNewRoman);
}

TEST(SelectionTest, SavedStateRestoresEverythingAtOnce) {
  RecordingDeviceContext dc;
  {
    SavedState saved(dc);
    dc.SelectPen(NullPen());
    dc.SelectBrush(NullBrush());
    EXPECT_EQ(dc.SavedDepth(), 1u);
  }
  EXPECT_EQ(dc.SavedDepth(), 0u);
  EXPECT_EQ(dc.CurrentPen(), Pen{});
  EXPECT_EQ(dc.CurrentBrush(), Brush{});
}

}  // namespace
}  // namespace korvix
