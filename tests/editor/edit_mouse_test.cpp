#include "editor/edit_mouse.h"
#include "editor/resize_rules.h"
#include "editor_fixture.h"

namespace korvix {
namespace {

class EditMouseTest : public EditorTest, public ::testing::WithParamInterface<int> {
protected:
  PropertyEditors editors;
  CEditMouse mouse{doc, view, page, window, editor, editors};

  void Drag(Point from, Point to) {
    mouse.OnLButtonDown(0, from);
    mouse.OnMouseMove(to);
    mouse.OnLButtonUp(to);
  }

  // The handle that sizes an object from its lower right, or from its
  // right side for the kinds sized by their sides only.
  static Point SizingHandle(ScreenObject object, const Rect& r) {
    if (ShowsAllHandles(object.kind)) return {r.right - 2, r.bottom - 2};
    return {r.right - 2, (r.top + r.bottom) / 2};
  }
};

// At every Font Size, for every kind: the size fields a resize stores give
// the tracked rectangle back, and no resize goes under the kind's minimum.
TEST_P(EditMouseTest, ResizingEveryKindStoresItsRectangleAndKeepsItsMinimum) {
  view.SetFontFactor(GetParam());
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    const ScreenObject object = PlaceOne(K);
    const Rect before = editor.ObjectRect(object);
    const ResizeRule rule = ResizeRuleOf(doc, view, object);
    const Point handle = SizingHandle(object, before);

    Drag(handle, {handle.x + 60, handle.y + 45});
    const Rect grown = editor.ObjectRect(object);
    if (!rule.resizable) {
      EXPECT_EQ(Width(grown), Width(before)) << KindIndex(K);
      EXPECT_EQ(Height(grown), Height(before)) << KindIndex(K);
    } else {
      EXPECT_GT(Height(grown), Height(before)) << KindIndex(K);
      if (rule.proportion == CObjectTracker::kProportionSquare) {
        EXPECT_EQ(Width(grown), Height(grown)) << KindIndex(K);
      }
      if (rule.proportion == CObjectTracker::kProportionTwoToOne) {
        EXPECT_EQ(Width(grown), 2 * Height(grown)) << KindIndex(K);
      }
      EXPECT_EQ(grown.left, before.left) << KindIndex(K);
      EXPECT_EQ(grown.top, before.top) << KindIndex(K);
    }

    const Point larger = SizingHandle(object, grown);
    Drag(larger, {larger.x - 3000, larger.y - 3000});
    const Rect shrunk = editor.ObjectRect(object);
    EXPECT_GE(Width(shrunk), rule.minimum.cx) << KindIndex(K);
    EXPECT_GE(Height(shrunk), rule.minimum.cy) << KindIndex(K);
    editor.OnEditDelete();
  });
}

INSTANTIATE_TEST_SUITE_P(FontSizes, EditMouseTest, ::testing::Values(1, 2, 3));

using EditMouseBasicsTest = EditorTest;

TEST_F(EditMouseBasicsTest, AMoveStoresThePositionOnTheGridInPageUnits) {
  PropertyEditors editors;
  CEditMouse mouse{doc, view, page, window, editor, editors};
  view.SetFontFactor(2);
  view.m_scrollx = 40;
  const ScreenObject box = PlaceOne(ScreenObjectKind::TextBox);  // at (120, 80)
  const Rect r = editor.ObjectRect(box);
  mouse.OnLButtonDown(0, {r.left + 30, r.top + 12});
  EXPECT_TRUE(mouse.Tracking());
  mouse.OnMouseMove({r.left + 30 + 23, r.top + 12 + 7});
  ASSERT_EQ(mouse.Feedback().size(), 1u);
  mouse.OnLButtonUp({r.left + 30 + 23, r.top + 12 + 7});
  EXPECT_FALSE(mouse.Tracking());
  // Left 200 + 23 snaps to 220 on the grid of 10; 160 + 7 to 170.
  EXPECT_EQ(doc.m_textboxes[0].x, (220 + 40) / 2);
  EXPECT_EQ(doc.m_textboxes[0].y, 170 / 2);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(page.m_tracker.m_proportion, CObjectTracker::kProportionFree);
}

TEST_F(EditMouseBasicsTest, ALostFocusEndsAPressWithoutStoringIt) {
  PropertyEditors editors;
  CEditMouse mouse{doc, view, page, window, editor, editors};
  const ScreenObject a = PlaceOne(ScreenObjectKind::TextBox);
  const ScreenObject b = PlaceOne(ScreenObjectKind::LevelGauge);
  doc.m_levelgauges[b.index].x = 400;
  const Rect ra = editor.ObjectRect(a);
  mouse.OnLButtonDown(0, {ra.left + 5, ra.top + 5});
  mouse.OnMouseMove({ra.left + 105, ra.top + 105});
  mouse.OnKillFocus();
  mouse.OnLButtonUp({ra.left + 105, ra.top + 105});
  EXPECT_EQ(doc.m_textboxes[0].x, 100);

  editor.ToggleSelected(b);
  mouse.OnLButtonDown(0, {ra.left + 5, ra.top + 5});
  EXPECT_EQ(view.m_dragstate, 1);
  mouse.OnMouseMove({ra.left + 105, ra.top + 105});
  mouse.OnKillFocus();
  EXPECT_EQ(view.m_dragstate, 0);
  EXPECT_TRUE(mouse.Feedback().empty());
  EXPECT_EQ(doc.m_textboxes[0].x, 100);
  EXPECT_EQ(doc.m_levelgauges[0].x, 400);
}

struct RecordingEditors final : PropertyEditors {
  std::vector<std::pair<std::string, int>> opened;
  void OpenPropertyEditor(ScreenObjectKind kind, int i) override {
    VisitKind(kind, [&](auto tag) { opened.emplace_back(std::string(KindTraits<decltype(tag)::value>::kName), i); });
  }
  void EditPageBackground() override { opened.emplace_back("Page Background", -1); }
};

TEST_F(EditMouseBasicsTest, TheRightButtonOpensTheEditorOfTheObjectUnderIt) {
  RecordingEditors editors;
  CEditMouse mouse{doc, view, page, window, editor, editors};
  PlaceOne(ScreenObjectKind::DialGauge);
  const ScreenObject dial = PlaceOne(ScreenObjectKind::DialGauge);
  const ScreenObject chart = PlaceOne(ScreenObjectKind::ChartRecorder);
  doc.m_chartrecorders[chart.index].x = 600;
  const Rect r = editor.ObjectRect(dial);
  mouse.OnRButtonDown({r.left + 3, r.top + 3});
  EXPECT_EQ(page.m_numselected, 1);
  EXPECT_TRUE(editor.IsSelected(dial));
  mouse.OnRButtonDown({900, 690});
  const Rect c = editor.ObjectRect(chart);
  mouse.OnRButtonDown({c.left + 3, c.top + 3});
  mouse.OnEditProperties();
  doc.m_lockon = 1;
  mouse.OnRButtonDown({r.left + 3, r.top + 3});
  mouse.OnEditProperties();
  EXPECT_EQ(editors.opened,
            (std::vector<std::pair<std::string, int>>{
                {"Dial Gauge", 1}, {"Page Background", -1}, {"Chart Recorder", 0}, {"Chart Recorder", 0}}));
}

TEST_F(EditMouseBasicsTest, ARightPressDuringAGroupDragCancelsIt) {
  RecordingEditors editors;
  CEditMouse mouse{doc, view, page, window, editor, editors};
  const ScreenObject a = PlaceOne(ScreenObjectKind::DialGauge);
  const ScreenObject b = PlaceOne(ScreenObjectKind::TextBox);
  editor.SelectOnly(a);
  editor.ToggleSelected(b);
  const Rect r = editor.ObjectRect(a);
  mouse.OnLButtonDown(0, {r.left + 3, r.top + 3});
  mouse.OnMouseMove({r.left + 50, r.top + 50});
  mouse.OnRButtonDown({r.left + 50, r.top + 50});
  EXPECT_EQ(view.m_dragstate, 0);
  EXPECT_TRUE(editors.opened.empty());
  mouse.OnLButtonUp({r.left + 50, r.top + 50});
  EXPECT_EQ(doc.m_dialgauges[0].x, 100);
}

// A Button Array is configured in its modeless editor, from either gesture.
TEST_F(EditMouseBasicsTest, AButtonArrayOpensItsConfiguration) {
  RecordingEditors editors;
  CEditMouse mouse{doc, view, page, window, editor, editors};
  const ScreenObject array = PlaceOne(ScreenObjectKind::ButtonArray);
  const Rect r = editor.ObjectRect(array);
  mouse.OnRButtonDown({r.left + 3, r.top + 3});
  mouse.OnEditProperties();
  EXPECT_EQ(editors.opened, (std::vector<std::pair<std::string, int>>{{"Button Array", 0}, {"Button Array", 0}}));
}

}  // namespace
}  // namespace korvix
