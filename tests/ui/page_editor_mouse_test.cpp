#include "page_editor_fixture.h"

#include <QScrollBar>

namespace korvix {
namespace {

class PageEditorMouseTest : public PageEditorUiTest {
protected:
  // Three Signal Lamps side by side, each clear of the others.
  void PlaceThreeLamps() {
    for (int i = 0; i < 3; ++i) {
      Place(ScreenObjectKind::SignalLamp);
      doc.m_signallamps[i].x = 100 + 150 * i;
      doc.m_signallamps[i].y = 100;
    }
  }
  ScreenObject Lamp(int i) { return {ScreenObjectKind::SignalLamp, i}; }
  int Selected(int i) { return page.m_runstates.At(ScreenObjectKind::SignalLamp, i).selected; }
};

TEST_F(PageEditorMouseTest, ShiftClickDeselectsAndCtrlClickAdds) {
  PlaceThreeLamps();
  Click(Inside(RectOf(Lamp(0))));
  Click(Inside(RectOf(Lamp(1))), Qt::ControlModifier);
  EXPECT_EQ(page.m_numselected, 2);
  EXPECT_EQ(Selected(0), 1);
  EXPECT_EQ(Selected(1), 1);
  Click(Inside(RectOf(Lamp(0))), Qt::ShiftModifier);
  EXPECT_EQ(page.m_numselected, 1);
  EXPECT_EQ(Selected(0), 0);
  EXPECT_EQ(Selected(1), 1);
  // A click beside every object with Shift held keeps the selection.
  Click({900, 600}, Qt::ShiftModifier);
  EXPECT_EQ(page.m_numselected, 1);
  Click({900, 600});
  EXPECT_EQ(page.m_numselected, 0);
}

TEST_F(PageEditorMouseTest, AClickOnOneOfSeveralSelectedArmsAGroupDrag) {
  PlaceThreeLamps();
  Click(Inside(RectOf(Lamp(0))));
  Click(Inside(RectOf(Lamp(1))), Qt::ControlModifier);
  const QPoint from = Inside(RectOf(Lamp(1)));
  Press(from);
  EXPECT_EQ(View().m_dragstate, 1);
  EXPECT_EQ(page.m_numselected, 2);
  MoveTo(from + QPoint(33, 18));
  EXPECT_EQ(View().m_dragstate, kDragMoved);
  EXPECT_EQ(ui->Mouse().Feedback().size(), 2u);
  Release(from + QPoint(33, 18));
  EXPECT_EQ(View().m_dragstate, 0);
  // The offset on the grid of 5: 33 to 35 and 18 to 20, give or take where
  // the press itself snapped.
  const int dx = doc.m_signallamps[0].x - 100;
  const int dy = doc.m_signallamps[0].y - 100;
  EXPECT_EQ(dx % 5, 0);
  EXPECT_EQ(dy % 5, 0);
  EXPECT_NEAR(dx, 33, 5);
  EXPECT_NEAR(dy, 18, 5);
  EXPECT_EQ(doc.m_signallamps[1].x - 250, dx);
  EXPECT_EQ(doc.m_signallamps[2].x, 400);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(PageEditorMouseTest, APlainClickOnAnUnselectedObjectSelectsItAlone) {
  PlaceThreeLamps();
  Click(Inside(RectOf(Lamp(0))));
  Click(Inside(RectOf(Lamp(1))), Qt::ControlModifier);
  Click(Inside(RectOf(Lamp(2))));
  EXPECT_EQ(page.m_numselected, 1);
  EXPECT_EQ(Selected(0), 0);
  EXPECT_EQ(Selected(1), 0);
  EXPECT_EQ(Selected(2), 1);
  EXPECT_EQ(View().m_dragstate, 0);
}

TEST_F(PageEditorMouseTest, WithTheLockOnAClickSelectsButNeitherMovesNorResizes) {
  PlaceThreeLamps();
  doc.m_lockon = 1;
  const Rect before = RectOf(Lamp(0));
  Drag(Inside(before), Inside(before) + QPoint(60, 40));
  EXPECT_EQ(Selected(0), 1);
  EXPECT_EQ(RectOf(Lamp(0)), before);
  Drag(BottomRightHandle(before), BottomRightHandle(before) + QPoint(60, 40));
  EXPECT_EQ(RectOf(Lamp(0)), before);
  Click(Inside(RectOf(Lamp(1))), Qt::ControlModifier);
  Drag(Inside(RectOf(Lamp(1))), Inside(RectOf(Lamp(1))) + QPoint(60, 40));
  EXPECT_EQ(doc.m_signallamps[1].x, 250);
  EXPECT_EQ(View().m_dragstate, 0);

  doc.m_lockpermissions[0] = 1;
  Click(Inside(RectOf(Lamp(2))));
  Drag(Inside(RectOf(Lamp(2))), Inside(RectOf(Lamp(2))) + QPoint(60, 40));
  EXPECT_EQ(doc.m_signallamps[2].x, 460);
}

TEST_F(PageEditorMouseTest, AfterResizingAMeterGaugeATextBoxIsFreeAgain) {
  const ScreenObject meter = Place(ScreenObjectKind::MeterGauge);
  const ScreenObject box = Place(ScreenObjectKind::TextBox);
  doc.m_textboxes[box.index].y = 400;
  const Rect m = RectOf(meter);
  Click(Inside(m));
  Drag(BottomRightHandle(m), BottomRightHandle(m) + QPoint(40, 5));
  const Rect grown = RectOf(meter);
  EXPECT_EQ(Width(grown), 2 * Height(grown));
  EXPECT_GT(Width(grown), Width(m));

  const Rect b = RectOf(box);
  Click(Inside(b));
  Drag(BottomRightHandle(b), BottomRightHandle(b) + QPoint(50, 10));
  const Rect resized = RectOf(box);
  EXPECT_EQ(Width(resized), Width(b) + 50);
  EXPECT_EQ(Height(resized), Height(b) + 10);
  EXPECT_EQ(resized.left, b.left);
  EXPECT_EQ(resized.top, b.top);
}

TEST_F(PageEditorMouseTest, NoResizeGoesUnderTheKindsMinimum) {
  struct Case {
    ScreenObjectKind kind;
    int minwidth;
    int minheight;
  };
  // Cell 16 x 45 for size code 28 at Font Size X 1.
  const Case cases[] = {
      {ScreenObjectKind::DialGauge, 225, 225},
      {ScreenObjectKind::MeterGauge, 180, 90},
      {ScreenObjectKind::TextBox, 20, 20},
      {ScreenObjectKind::PushButton, 20, 20},
  };
  for (const Case& c : cases) {
    const ScreenObject object = Place(c.kind);
    const Rect r = RectOf(object);
    Click(Inside(r));
    const QPoint handle = ShowsAllHandles(c.kind) ? BottomRightHandle(r) : RightHandle(r);
    Drag(handle, handle - QPoint(500, 500));
    const Rect shrunk = RectOf(object);
    EXPECT_GE(Width(shrunk), c.minwidth) << static_cast<int>(c.kind);
    EXPECT_GE(Height(shrunk), c.minheight) << static_cast<int>(c.kind);
    Trigger(ID_EDIT_CLEAR);
  }
}

TEST_F(PageEditorMouseTest, ADoubleClickIsAPressAndALostFocusEndsADrag) {
  PlaceThreeLamps();
  Mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, Inside(RectOf(Lamp(0))));
  Release(Inside(RectOf(Lamp(0))));
  EXPECT_EQ(Selected(0), 1);

  const QPoint from = Inside(RectOf(Lamp(0)));
  Press(from);
  MoveTo(from + QPoint(80, 80));
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  QApplication::focusWidget()->clearFocus();
  Release(from + QPoint(80, 80));
  EXPECT_EQ(doc.m_signallamps[0].x, 100);
  EXPECT_FALSE(ui->Mouse().Tracking());
}

TEST_F(PageEditorMouseTest, ArrowKeysNudgeTheSelection) {
  PlaceThreeLamps();
  Click(Inside(RectOf(Lamp(0))));
  Click(Inside(RectOf(Lamp(2))), Qt::ControlModifier);
  Key(Qt::Key_Right);
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(doc.m_signallamps[0].x, 105);
  EXPECT_EQ(doc.m_signallamps[0].y, 110);
  EXPECT_EQ(doc.m_signallamps[2].x, 405);
  EXPECT_EQ(doc.m_signallamps[1].x, 250);
}

// The keys that move a selection scroll the page while nothing is selected,
// and only then.
TEST_F(PageEditorMouseTest, ArrowKeysScrollThePageWithoutASelection) {
  PlaceThreeLamps();
  doc.m_signallamps[1].y = 3000;
  frame.View()->SetPageExtent(QSize(1500, 4000));
  QScrollBar* scroll = frame.View()->verticalScrollBar();
  Click(Inside(RectOf(Lamp(0))));
  Key(Qt::Key_Down);
  EXPECT_EQ(scroll->value(), 0);
  EXPECT_EQ(doc.m_signallamps[0].y, 105);

  Click({900, 600});
  ASSERT_EQ(page.m_numselected, 0);
  Key(Qt::Key_Down);
  EXPECT_GT(scroll->value(), 0);
  EXPECT_EQ(doc.m_signallamps[0].y, 105);
}

}  // namespace
}  // namespace korvix
