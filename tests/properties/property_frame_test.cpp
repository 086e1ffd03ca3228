#include "editor_fixture.h"

#include "properties/property_choices.h"
#include "properties/text_box_properties.h"
#include "properties/text_window_properties.h"

namespace korvix {
namespace {

constexpr DialogOutcome kOk{true, false};
constexpr DialogOutcome kCancel{false, false};
constexpr DialogOutcome kDelete{false, true};

// The editors as the page editor calls them: on a selected object whose
// frame the tracker shows.
class PropertyFrameTest : public EditorTest {
protected:
  PropertyFrame frame{doc, view, page, window, chartmemories};

  ScreenObject PlaceSelected(ScreenObjectKind kind) {
    const ScreenObject object = PlaceOne(kind);
    editor.SelectOnly(object);
    page.m_tracker.m_rect = editor.ObjectRect(object);
    window.invalidated.clear();
    return object;
  }

  template <ScreenObjectKind K>
  void Edit(int index, DialogOutcome outcome, std::function<void(typename PropertyKind<K>::Fields&)> change = {}) {
    EditProperties<K>(frame, index, [&](auto& fields) {
      if (change) change(fields);
      return outcome;
    });
  }
};

TEST_F(PropertyFrameTest, DeleteOfAMiddleRecordMovesTheLaterOnesDownWithTheirLayerAndSelection) {
  PlaceOne(ScreenObjectKind::TextBox);
  PlaceOne(ScreenObjectKind::TextBox);
  PlaceOne(ScreenObjectKind::TextBox);
  doc.m_textboxes[2].text = "last";
  const Rect last = editor.ObjectRect({ScreenObjectKind::TextBox, 2});
  const ScreenObject middle{ScreenObjectKind::TextBox, 1};
  editor.SelectOnly(middle);
  editor.ToggleSelected({ScreenObjectKind::TextBox, 2});
  page.m_tracker.m_rect = editor.ObjectRect(middle);
  const Rect tracker = page.m_tracker.m_rect;
  window.invalidated.clear();
  doc.SetModifiedFlag(false);

  Edit<ScreenObjectKind::TextBox>(middle.index, kDelete);

  ASSERT_EQ(doc.m_textboxes.Count(), 2);
  EXPECT_EQ(doc.m_textboxes[1].text, "last");
  EXPECT_EQ(doc.m_textboxes[1].stacknum, 1);
  EXPECT_EQ(page.m_runstates.At(ScreenObjectKind::TextBox, 1).selected, 1);
  EXPECT_EQ(doc.m_textboxes[0].stacknum, 0);
  EXPECT_EQ(editor.ObjectRect({ScreenObjectKind::TextBox, 1}), last);
  EXPECT_EQ(doc.m_pages[1].objectcount, 2);
  EXPECT_EQ(page.m_numselected, 1);
  ASSERT_EQ(window.invalidated.size(), 1u);
  EXPECT_EQ(window.invalidated[0].rect, tracker);
  EXPECT_TRUE(window.invalidated[0].erase);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(PropertyFrameTest, DeleteOfTheLastRecordLeavesTheOthersAsTheyWere) {
  PlaceOne(ScreenObjectKind::TextWindow);
  const std::string first = StoredBytes(doc, doc.m_textwindows[0]);
  const ScreenObject last = PlaceSelected(ScreenObjectKind::TextWindow);

  Edit<ScreenObjectKind::TextWindow>(last.index, kDelete);

  ASSERT_EQ(doc.m_textwindows.Count(), 1);
  EXPECT_EQ(StoredBytes(doc, doc.m_textwindows[0]), first);
  EXPECT_EQ(page.m_numselected, 0);
  EXPECT_EQ(doc.m_pages[1].objectcount, 1);
}

TEST_F(PropertyFrameTest, DeletingATextWindowReleasesItsLogColumn) {
  doc.m_logfieldcount = 6;
  doc.m_logcoltime = 5;
  const ScreenObject logged = PlaceSelected(ScreenObjectKind::TextWindow);
  const ScreenObject later = PlaceOne(ScreenObjectKind::TextWindow);
  VariableRecord variable;
  variable.logcolumn = 2;
  doc.m_variables.Add(variable);
  doc.m_textwindows[logged.index].logcolumn = 3;
  doc.m_textwindows[later.index].logcolumn = 4;

  Edit<ScreenObjectKind::TextWindow>(logged.index, kDelete);

  EXPECT_EQ(doc.m_textwindows[0].logcolumn, 3);
  EXPECT_EQ(doc.m_variables[0].logcolumn, 2);
  EXPECT_EQ(doc.m_logcoltime, 4);
  EXPECT_EQ(doc.m_logfieldcount, 5);
}

TEST_F(PropertyFrameTest, OkRedrawsTheOldPlaceErasedAndTheNewOneOverItAndTheTrackerFollows) {
  const ScreenObject box = PlaceSelected(ScreenObjectKind::TextBox);
  const Rect old = page.m_tracker.m_rect;
  doc.SetModifiedFlag(false);

  Edit<ScreenObjectKind::TextBox>(box.index, kOk, [](TextBoxFields& fields) { fields.fontsize = 0; });

  EXPECT_EQ(doc.m_textboxes[0].sizecode, 48);
  const Rect grown = editor.ObjectRect(box);
  EXPECT_NE(grown, old);
  ASSERT_EQ(window.invalidated.size(), 2u);
  EXPECT_EQ(window.invalidated[0].rect, old);
  EXPECT_TRUE(window.invalidated[0].erase);
  EXPECT_EQ(window.invalidated[1].rect, grown);
  EXPECT_FALSE(window.invalidated[1].erase);
  EXPECT_EQ(page.m_tracker.m_rect, grown);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(PropertyFrameTest, CancelWritesNothingAndLeavesTheModifiedFlag) {
  const ScreenObject box = PlaceSelected(ScreenObjectKind::TextBox);
  const std::string before = StoredBytes(doc, doc.m_textboxes[0]);
  for (bool modified : {false, true}) {
    doc.SetModifiedFlag(modified);
    Edit<ScreenObjectKind::TextBox>(box.index, kCancel, [](TextBoxFields& fields) {
      fields.text = "changed";
      fields.fontsize = 0;
    });
    EXPECT_EQ(StoredBytes(doc, doc.m_textboxes[0]), before);
    EXPECT_EQ(doc.IsModified(), modified);
  }
  EXPECT_TRUE(window.invalidated.empty());
  EXPECT_EQ(doc.m_textboxes.Count(), 1);
}

TEST_F(PropertyFrameTest, EverySizeCodeSurvivesOkWhenTheFontSizeIsNotTouched) {
  const ScreenObject box = PlaceSelected(ScreenObjectKind::TextBox);
  for (int sizecode : {48, 36, 28, 22, 16, 30}) {
    doc.m_textboxes[0].sizecode = sizecode;
    Edit<ScreenObjectKind::TextBox>(box.index, kOk);
    EXPECT_EQ(doc.m_textboxes[0].sizecode, sizecode);
  }
  // An odd size shows no entry until the user picks one.
  EXPECT_EQ(FontSizeIndex(30), -1);
  Edit<ScreenObjectKind::TextBox>(box.index, kOk, [](TextBoxFields& fields) { fields.fontsize = 3; });
  EXPECT_EQ(doc.m_textboxes[0].sizecode, 22);
}

}  // namespace
}  // namespace korvix
