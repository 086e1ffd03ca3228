#include <QMenu>

#include "page_editor_fixture.h"

namespace korvix {
namespace {

using PageEditorMenusTest = PageEditorUiTest;

TEST_F(PageEditorMenusTest, PlaceObjectHoldsEveryKindWithThePivotTrackerAtItsPlace) {
  QMenu* menu = frame.TopMenu(kPlaceObjectMenu);
  EXPECT_TRUE(menu->menuAction()->isVisible());
  int kinds = 0;
  for (QAction* action : menu->actions()) kinds += action->isSeparator() ? 0 : 1;
  EXPECT_EQ(kinds, kObjectKindCount);
  QAction* pivot = frame.CommandAction(PlaceCommand(ScreenObjectKind::PivotTracker));
  ASSERT_NE(pivot, nullptr);
  EXPECT_EQ(menu->actions().indexOf(pivot), 14);
  EXPECT_EQ(pivot->data().toInt(), 32112);
  EXPECT_EQ(frame.CommandAction(PlaceCommand(ScreenObjectKind::ChartRecorder))->text(), "Chart Recorder");
  pivot->trigger();
  EXPECT_EQ(doc.m_pivottrackers.Count(), 1);
  EXPECT_EQ(doc.m_pivottrackers[0].idlabel, "Pivot1");
}

TEST_F(PageEditorMenusTest, PlacingFromTheMenuFollowsTheScrolledZoomedPage) {
  Place(ScreenObjectKind::TextBox);
  Place(ScreenObjectKind::TextBox);
  EXPECT_EQ(doc.m_textboxes[1].x, 110);
  EXPECT_EQ(doc.m_textboxes[1].y, 90);
  View().SetFontFactor(2);
  View().m_scrollx = 300;
  View().m_scrolly = 200;
  Place(ScreenObjectKind::DialGauge);
  EXPECT_EQ(doc.m_dialgauges[0].x, 250);
  EXPECT_EQ(doc.m_dialgauges[0].y, 180);
}

TEST_F(PageEditorMenusTest, TheEleventhChartRecorderIsRefusedWithItsMessage) {
  for (int i = 0; i < kMaxChartRecorders; ++i) Place(ScreenObjectKind::ChartRecorder);
  Place(ScreenObjectKind::ChartRecorder);
  EXPECT_EQ(doc.m_chartrecorders.Count(), kMaxChartRecorders);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Over Limit");
  EXPECT_EQ(messages.shown[0].text, "Korvix can not contain more than 10 Chart Recorders.");
}

TEST_F(PageEditorMenusTest, EditCommandsFollowTheSelectionAndTheLock) {
  const ScreenObject dial = Place(ScreenObjectKind::DialGauge);
  EXPECT_FALSE(frame.CommandAction(ID_EDIT_CUT)->isEnabled());
  EXPECT_FALSE(frame.CommandAction(ID_EDIT_PASTE)->isEnabled());
  Click(Inside(RectOf(dial)));
  EXPECT_TRUE(frame.CommandAction(ID_EDIT_CUT)->isEnabled());
  EXPECT_TRUE(frame.CommandAction(ID_EDIT_PROPERTIES)->isEnabled());
  Trigger(ID_EDIT_CUT);
  EXPECT_EQ(doc.m_dialgauges.Count(), 0);
  EXPECT_TRUE(frame.CommandAction(ID_EDIT_PASTE)->isEnabled());
  doc.m_lockon = 1;
  ui->UpdateCommands();
  EXPECT_FALSE(frame.CommandAction(ID_EDIT_PASTE)->isEnabled());
  EXPECT_FALSE(frame.CommandAction(PlaceCommand(ScreenObjectKind::TextBox))->isEnabled());
  Trigger(ID_EDIT_PASTE);
  EXPECT_EQ(doc.m_dialgauges.Count(), 0);
  doc.m_lockon = 0;
  ui->UpdateCommands();
  Trigger(ID_EDIT_PASTE);
  ASSERT_EQ(doc.m_dialgauges.Count(), 1);
  EXPECT_EQ(doc.m_dialgauges[0].idlabel, "Dial1");
}

TEST_F(PageEditorMenusTest, BringToFrontDecidesWhichOverlappingObjectAClickHits) {
  const ScreenObject dial = Place(ScreenObjectKind::DialGauge);
  Place(ScreenObjectKind::TextBox);  // in front, over the dial's corner
  const QPoint corner(RectOf(dial).left + 4, RectOf(dial).top + 4);
  Click(corner);
  EXPECT_EQ(page.m_runstates.At(ScreenObjectKind::TextBox, 0).selected, 1);
  Trigger(ID_EDIT_SEND_TO_BACK);
  Click(corner);
  EXPECT_EQ(page.m_runstates.At(ScreenObjectKind::DialGauge, 0).selected, 1);
  EXPECT_EQ(doc.m_dialgauges[0].stacknum, 1);
}

TEST_F(PageEditorMenusTest, PageMenuAddsMovesNavigatesAndAsksBeforeDeleting) {
  Place(ScreenObjectKind::TextBox);
  Trigger(ID_PAGE_ADD);
  EXPECT_EQ(doc.m_curpage, 2);
  EXPECT_EQ(page.m_redrawall, 1);
  Place(ScreenObjectKind::PushButton);
  chosenposition = 1;
  Trigger(ID_PAGE_MOVE);
  EXPECT_EQ(doc.m_curpage, 1);
  EXPECT_EQ(doc.m_pushbuttons[0].page, 1);
  EXPECT_EQ(doc.m_textboxes[0].page, 2);
  Trigger(ID_PAGE_LAST);
  EXPECT_EQ(doc.m_curpage, 2);
  EXPECT_FALSE(frame.CommandAction(ID_PAGE_NEXT)->isEnabled());

  messages.answers.push_back(MessageResult::No);
  Trigger(ID_PAGE_DELETE);
  EXPECT_EQ(doc.m_pages.Count(), 2);
  EXPECT_EQ(messages.shown.back().buttons, MessageButtons::YesNo);
  Trigger(ID_PAGE_DELETE);  // an empty queue answers Yes
  EXPECT_EQ(doc.m_pages.Count(), 1);
  EXPECT_EQ(doc.m_textboxes.Count(), 0);
  Trigger(ID_PAGE_DELETE);
  EXPECT_EQ(doc.m_pages.Count(), 1);
  EXPECT_EQ(doc.m_pages[1].objectcount, 0);
}

TEST_F(PageEditorMenusTest, ANewOrOpenedProjectEndsTheSelectionAndTheClipboard) {
  const ScreenObject box = Place(ScreenObjectKind::TextBox);
  Click(Inside(RectOf(box)));
  Trigger(ID_EDIT_COPY);
  doc.TakeProject(CKorvixDoc{});
  frame.View()->OnInitialUpdate();
  EXPECT_EQ(page.m_numselected, 0);
  EXPECT_FALSE(frame.CommandAction(ID_EDIT_PASTE)->isEnabled());
  EXPECT_FALSE(frame.CommandAction(ID_EDIT_COPY)->isEnabled());
}

}  // namespace
}  // namespace korvix
