#include <gtest/gtest.h>

#include <vector>

#include "page_fixture.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;

class PageSelectionTest : public PageFixture, public ::testing::Test {
protected:
  // One selected Text Box whose tracker lies on {100, 100, 200, 160}.
  void SelectOneBox() {
    const int box = Add(m_doc.m_textboxes, 1, 0, 100, 100);
    m_page.m_runstates.At(ScreenObjectKind::TextBox, box).selected = 1;
    m_doc.m_textboxes[box].heightfactor = 60.0 / 45;
    m_doc.m_textboxes[box].widthfactor = 100.0 / 16;
    m_page.m_numselected = 1;
    m_page.m_tracker.m_rect = m_page.m_geometry.ObjectRectTextBox(box);
    ASSERT_EQ(m_page.m_tracker.m_rect, (Rect{100, 100, 200, 160}));
  }
};

TEST_F(PageSelectionTest, EachHandleSetsTheSizingCursorOfItsDirection) {
  SelectOneBox();
  struct Case {
    Point point;
    Cursor cursor;
  };
  for (const Case& c :
       {Case{{198, 130}, Cursor::SizeWE}, Case{{101, 130}, Cursor::SizeWE}, Case{{150, 101}, Cursor::SizeNS},
        Case{{150, 158}, Cursor::SizeNS}, Case{{198, 101}, Cursor::SizeNESW}, Case{{101, 158}, Cursor::SizeNESW},
        Case{{101, 101}, Cursor::SizeNWSE}, Case{{198, 158}, Cursor::SizeNWSE}}) {
    m_window.cursors.clear();
    EXPECT_EQ(m_page.TrackerCursor(c.point), 1) << c.point.x << "," << c.point.y;
    EXPECT_EQ(m_window.cursors, std::vector<Cursor>{c.cursor}) << c.point.x << "," << c.point.y;
  }
  m_window.cursors.clear();
  EXPECT_EQ(m_page.TrackerCursor({150, 130}), 0);
  EXPECT_EQ(m_page.TrackerCursor({300, 300}), 0);
  EXPECT_TRUE(m_window.cursors.empty());
}

TEST_F(PageSelectionTest, NoSizingCursorUnlessExactlyOneObjectMayBeSized) {
  SelectOneBox();
  m_page.m_numselected = 2;
  EXPECT_EQ(m_page.TrackerCursor({101, 101}), 0);

  m_page.m_numselected = 1;
  m_doc.m_lockon = 1;
  EXPECT_EQ(m_page.TrackerCursor({101, 101}), 0);
  EXPECT_FALSE(m_page.OnSetCursor({101, 101}));
  m_doc.m_lockpermissions[0] = 1;
  EXPECT_EQ(m_page.TrackerCursor({101, 101}), 1);
}

TEST_F(PageSelectionTest, TheFrontObjectUnderTheMouseDecidesTheCursor) {
  SelectOneBox();
  EXPECT_TRUE(m_page.OnSetCursor({101, 101}));
  EXPECT_EQ(m_window.cursors.back(), Cursor::SizeNWSE);
  EXPECT_FALSE(m_page.OnSetCursor({150, 130}));  // the middle: the window's own cursor

  // An unselected object in front hides the handle below it.
  Add(m_doc.m_pushbuttons, 1, 1, 90, 90);
  EXPECT_FALSE(m_page.OnSetCursor({101, 101}));

  // While objects are dragged the move cursor shows everywhere.
  m_window.cursors.clear();
  m_view.m_dragstate = 1;
  EXPECT_TRUE(m_page.OnSetCursor({500, 400}));
  EXPECT_EQ(m_window.cursors, std::vector<Cursor>{Cursor::Move});
}

TEST_F(PageSelectionTest, AnImageBoxNeverShowsASizingCursor) {
  const int image = Add(m_doc.m_imageboxes, 1, 0, 100, 100);
  m_page.m_runstates.At(ScreenObjectKind::ImageBox, image).selected = 1;
  m_page.m_numselected = 1;
  m_page.m_tracker.m_rect = m_page.m_geometry.ObjectRectImageBox(image);
  EXPECT_EQ(m_page.TrackerCursor({101, 101}), 1);
  m_window.cursors.clear();
  EXPECT_FALSE(m_page.OnSetCursor({101, 101}));
  EXPECT_TRUE(m_window.cursors.empty());
}

TEST_F(PageSelectionTest, DeselectAllClearsEveryPageAndRepaintsWhereTheObjectsWere) {
  const int box = Add(m_doc.m_textboxes, 1, 0, 10, 10);
  const int dial = Add(m_doc.m_dialgauges, 2, 0, 50, 50);
  Add(m_doc.m_pushbuttons, 1, 1, 300, 10);
  m_page.m_runstates.At(ScreenObjectKind::TextBox, box).selected = 1;
  m_page.m_runstates.At(ScreenObjectKind::DialGauge, dial).selected = 1;
  m_page.m_numselected = 2;
  m_page.DeselectAll();
  EXPECT_EQ(m_window.invalidated,
            (std::vector<FakeViewWindow::Invalidation>{{m_page.m_geometry.ObjectRectTextBox(box), true},
                                                       {m_page.m_geometry.ObjectRectDialGauge(dial), true}}));
  EXPECT_EQ(m_page.m_runstates.At(ScreenObjectKind::TextBox, box).selected, 0);
  EXPECT_EQ(m_page.m_runstates.At(ScreenObjectKind::DialGauge, dial).selected, 0);
  EXPECT_EQ(m_page.m_numselected, 0);
}

TEST_F(PageSelectionTest, CancellingADragErasesItsFeedbackAndBringsTheCachedRectanglesUpToDate) {
  const int box = Add(m_doc.m_textboxes, 1, 0, 10, 10);
  const int lamp = Add(m_doc.m_signallamps, 1, 1, 100, 10);
  Add(m_doc.m_pushbuttons, 1, 2, 300, 10);
  m_page.m_runstates.At(ScreenObjectKind::TextBox, box).selected = 1;
  m_page.m_runstates.At(ScreenObjectKind::SignalLamp, lamp).selected = 1;
  // Where the drag feedback left them.
  m_page.m_runstates.At(ScreenObjectKind::TextBox, box).screenrect = {30, 30, 60, 60};
  m_page.m_runstates.At(ScreenObjectKind::SignalLamp, lamp).screenrect = {130, 30, 160, 60};
  m_view.m_dragstate = 0xFF;

  RecordingDeviceContext dc;
  m_page.CancelDragFeedback(dc);
  const auto focus = dc.Only(Op::DrawFocusRect);
  ASSERT_EQ(focus.size(), 2u);
  EXPECT_EQ(focus[0].rect, (Rect{30, 30, 60, 60}));
  EXPECT_EQ(focus[1].rect, (Rect{130, 30, 160, 60}));
  EXPECT_EQ(m_view.m_dragstate, 0);
  EXPECT_EQ(m_window.cursors, std::vector<Cursor>{Cursor::Arrow});
  EXPECT_EQ(m_page.m_runstates.At(ScreenObjectKind::TextBox, box).screenrect, m_page.m_geometry.ObjectRectTextBox(box));
  EXPECT_EQ(m_page.m_runstates.At(ScreenObjectKind::SignalLamp, lamp).screenrect,
            m_page.m_geometry.ObjectRectSignalLamp(lamp));
}

}  // namespace
}  // namespace korvix
