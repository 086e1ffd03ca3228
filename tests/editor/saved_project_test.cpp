#include "document/project_file.h"
#include "editor_fixture.h"

namespace korvix {
namespace {

using SavedProjectTest = EditorTest;

// A screen built with the editor's commands reopens as it was built.
TEST_F(SavedProjectTest, AMultiPageScreenOfEveryKindReopensAsBuilt) {
  ForEachKind([&](auto tag) { editor.Place(tag.value); });
  editor.SelectOnly({ScreenObjectKind::DialGauge, 0});
  editor.ToggleSelected({ScreenObjectKind::ChartRecorder, 0});
  editor.OnEditBringToFront();
  editor.OnEditCut();
  editor.OnPageAdd();
  editor.SetPageBackground(Rgb(10, 20, 30), "back.bmp");
  editor.OnEditPaste();
  editor.Nudge(3, 1);
  ForEachKind([&](auto tag) { editor.Place(tag.value); });

  const std::string stored = StoreProject(doc);
  CKorvixDoc reopened;
  ASSERT_EQ(LoadProject(stored, reopened).status, LoadStatus::Loaded);
  EXPECT_EQ(StoreProject(reopened), stored);
  EXPECT_EQ(reopened.m_pages.Count(), 2);
  EXPECT_EQ(reopened.m_pages[2].objectcount, kObjectKindCount + 2);
  EXPECT_EQ(reopened.m_pages[2].bgbitmapfile, "back.bmp");
  EXPECT_EQ(reopened.m_textboxes[0].page, 1);
  EXPECT_EQ(reopened.m_dialgauges[0].page, 2);
  EXPECT_EQ(reopened.m_dialgauges[0].x, 115);
  EXPECT_EQ(reopened.m_dialgauges[0].y, 85);
  EXPECT_EQ(reopened.m_dialgauges[1].x, 100);
  EXPECT_TRUE(StackingIsValid(reopened));
}

TEST_F(SavedProjectTest, AnotherProjectStartsWithAnEmptyClipboard) {
  editor.SelectOnly(PlaceOne(ScreenObjectKind::TextBox));
  editor.OnEditCopy();
  doc.TakeProject(CKorvixDoc{});
  editor.OnInitialUpdate();
  EXPECT_TRUE(editor.ClipboardEmpty());
  editor.OnEditPaste();
  EXPECT_EQ(doc.m_textboxes.Count(), 0);
  EXPECT_EQ(page.m_numselected, 0);
}

}  // namespace
}  // namespace korvix
