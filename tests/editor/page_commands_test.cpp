#include "editor_fixture.h"

namespace korvix {
namespace {

using PageCommandsTest = EditorTest;

TEST_F(PageCommandsTest, AddGoesToTheNewLastPage) {
  AddPage();
  EXPECT_EQ(doc.m_pages.Count(), 2);
  EXPECT_EQ(doc.m_curpage, 2);
  EXPECT_EQ(page.m_redrawall, 1);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(PageCommandsTest, TheHundredAndFirstPageIsRefused) {
  while (!doc.m_pages.IsFull()) AddPage();
  editor.OnPageAdd();
  EXPECT_EQ(doc.m_pages.Count(), kMaxPages);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Over Limit");
  EXPECT_EQ(messages.shown[0].text, "Korvix can not contain more than 100 pages.");
}

TEST_F(PageCommandsTest, NavigationStopsAtTheEndsAndRedrawsEverything) {
  AddPage();
  AddPage();
  struct Step {
    void (CPageEditor::*command)();
    int page;
  };
  const Step steps[] = {{&CPageEditor::OnPageFirst, 1}, {&CPageEditor::OnPagePrevious, 1},
                        {&CPageEditor::OnPageNext, 2},  {&CPageEditor::OnPageLast, 3},
                        {&CPageEditor::OnPageNext, 3},  {&CPageEditor::OnPagePrevious, 2}};
  for (const Step& step : steps) {
    page.m_redrawall = 0;
    const int from = doc.m_curpage;
    (editor.*step.command)();
    EXPECT_EQ(doc.m_curpage, step.page);
    EXPECT_EQ(page.m_redrawall, from != step.page ? 1 : 0);
  }
}

TEST_F(PageCommandsTest, LeavingAPageEndsItsSelection) {
  editor.SelectOnly(PlaceOne(ScreenObjectKind::TextBox));
  AddPage();
  editor.OnEditDelete();
  EXPECT_EQ(doc.m_textboxes.Count(), 1);
  EXPECT_EQ(page.m_numselected, 0);
}

TEST_F(PageCommandsTest, DeleteTakesItsObjectsWithItAndRenumbersLaterPages) {
  PlaceOne(ScreenObjectKind::TextBox);
  AddPage();
  const ScreenObject level = PlaceOne(ScreenObjectKind::LevelGauge);
  doc.m_levelgauges[level.index].logcolumn = 0;
  doc.m_logcoldate = 1;
  doc.m_logfieldcount = 2;
  PlaceOne(ScreenObjectKind::ChartRecorder);
  AddPage();
  PlaceOne(ScreenObjectKind::DialGauge);
  editor.GoToPage(2);
  editor.OnPageDelete();
  EXPECT_EQ(doc.m_pages.Count(), 2);
  EXPECT_EQ(doc.m_curpage, 2);
  EXPECT_EQ(doc.m_levelgauges.Count(), 0);
  EXPECT_EQ(doc.m_chartrecorders.Count(), 0);
  EXPECT_EQ(doc.m_logcoldate, 0);
  EXPECT_EQ(doc.m_logfieldcount, 1);
  EXPECT_EQ(chartmemories.removals, (std::vector<std::pair<int, int>>{{0, 1}}));
  EXPECT_EQ(doc.m_dialgauges[0].page, 2);
  EXPECT_EQ(doc.m_textboxes[0].page, 1);
}

TEST_F(PageCommandsTest, DeletingTheLastPageLeavesOneEmptyPage) {
  doc.m_pages[1].bgcolor = Rgb(9, 9, 9);
  PlaceOne(ScreenObjectKind::TextBox);
  editor.OnPageDelete();
  ASSERT_EQ(doc.m_pages.Count(), 1);
  EXPECT_EQ(doc.m_curpage, 1);
  EXPECT_EQ(doc.m_pages[1].objectcount, 0);
  EXPECT_EQ(doc.m_pages[1].bgcolor, PageRecord{}.bgcolor);
  EXPECT_EQ(doc.m_textboxes.Count(), 0);
}

TEST_F(PageCommandsTest, MoveCarriesThePagesObjects) {
  PlaceOne(ScreenObjectKind::TextBox);  // page 1
  AddPage();
  doc.m_pages[2].bgcolor = Rgb(2, 2, 2);
  PlaceOne(ScreenObjectKind::PushButton);  // page 2
  AddPage();
  PlaceOne(ScreenObjectKind::SignalLamp);  // page 3
  editor.GoToPage(1);
  editor.MovePage(3);
  EXPECT_EQ(doc.m_curpage, 3);
  EXPECT_EQ(doc.m_textboxes[0].page, 3);
  EXPECT_EQ(doc.m_pushbuttons[0].page, 1);
  EXPECT_EQ(doc.m_signallamps[0].page, 2);
  EXPECT_EQ(doc.m_pages[1].bgcolor, Rgb(2, 2, 2));
  editor.MovePage(1);
  EXPECT_EQ(doc.m_textboxes[0].page, 1);
  EXPECT_EQ(doc.m_pushbuttons[0].page, 2);
  EXPECT_EQ(doc.m_signallamps[0].page, 3);
  EXPECT_EQ(doc.m_pages[2].bgcolor, Rgb(2, 2, 2));
}

TEST_F(PageCommandsTest, BackgroundColourAndBitmap) {
  editor.SetPageBackground(Rgb(0, 128, 0), "plant.bmp");
  EXPECT_EQ(doc.m_pages[1].bgcolor, Rgb(0, 128, 0));
  EXPECT_EQ(doc.m_pages[1].bgbitmapfile, "plant.bmp");
  EXPECT_EQ(page.m_redrawall, 1);
  EXPECT_TRUE(doc.IsModified());
}

// A loaded project may name a page that it does not hold.
TEST_F(PageCommandsTest, ACurrentPageOutsideTheProjectIsBroughtBack) {
  doc.m_curpage = 7;
  editor.OnPlaceTextBox();
  EXPECT_EQ(doc.m_curpage, 1);
  EXPECT_EQ(doc.m_textboxes[0].page, 1);
}

}  // namespace
}  // namespace korvix
