#include "editor_fixture.h"

namespace korvix {
namespace {

using EditCommandsTest = EditorTest;

TEST_F(EditCommandsTest, DeleteHandsOverEveryColumnAndRenumbersTheOthers) {
  doc.m_logfieldcount = 7;
  doc.m_logcoltime = 6;
  const ScreenObject dw = PlaceOne(ScreenObjectKind::DataWindow);
  const ScreenObject pivot = PlaceOne(ScreenObjectKind::PivotTracker);
  const ScreenObject lamp = PlaceOne(ScreenObjectKind::SignalLamp);
  VariableRecord variable;
  variable.logcolumn = 5;
  doc.m_variables.Add(variable);
  doc.m_datawindows[dw.index].logcolumn = 1;
  PivotTrackerRecord& p = doc.m_pivottrackers[pivot.index];
  p.logcolumn = 2;
  p.logcolumnrun = -1;
  p.logcolumnwater = 3;
  p.logcolumnsis = 0;
  doc.m_signallamps[lamp.index].logcolumn = 4;

  editor.SelectOnly(dw);
  editor.ToggleSelected(pivot);
  editor.OnEditDelete();

  // Columns 1, 2, 3 and 0 went; each field was read after the removals
  // before it had renumbered it.
  EXPECT_EQ(doc.m_signallamps[0].logcolumn, 0);
  EXPECT_EQ(doc.m_variables[0].logcolumn, 1);
  EXPECT_EQ(doc.m_logcoltime, 2);
  EXPECT_EQ(doc.m_logfieldcount, 3);
  EXPECT_EQ(doc.m_datawindows.Count(), 0);
  EXPECT_EQ(doc.m_pivottrackers.Count(), 0);
  EXPECT_EQ(page.m_numselected, 0);
}

TEST_F(EditCommandsTest, DeleteClosesTheStackingGapOfItsPageOnly) {
  PlaceOne(ScreenObjectKind::TextBox);
  const ScreenObject middle = PlaceOne(ScreenObjectKind::DialGauge);
  PlaceOne(ScreenObjectKind::PushButton);
  AddPage();
  PlaceOne(ScreenObjectKind::TextBox);
  PlaceOne(ScreenObjectKind::TextBox);
  editor.GoToPage(1);
  editor.SelectOnly(middle);
  editor.OnEditDelete();
  EXPECT_EQ(doc.m_pages[1].objectcount, 2);
  EXPECT_EQ(doc.m_pushbuttons[0].stacknum, 1);
  EXPECT_EQ(doc.m_pages[2].objectcount, 2);
  EXPECT_EQ(doc.m_textboxes[2].stacknum, 1);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditCommandsTest, DeletingAChartRecorderMovesTheLaterMemoriesDown) {
  for (int i = 0; i < 4; ++i) PlaceOne(ScreenObjectKind::ChartRecorder);
  editor.SelectOnly({ScreenObjectKind::ChartRecorder, 1});
  editor.OnEditDelete();
  EXPECT_EQ(chartmemories.removals, (std::vector<std::pair<int, int>>{{1, 4}}));
  EXPECT_EQ(doc.m_chartrecorders[1].idlabel, "ChartRec3");
}

// The view's run-time states sit beside the records by index, so a delete
// must move them with their records and a paste must not inherit another's.
TEST_F(EditCommandsTest, RunTimeStatesFollowTheirRecordsThroughDeleteAndPaste) {
  auto& gauges = page.m_runstates.Of<ScreenObjectKind::DialGauge>();
  for (int i = 0; i < 3; ++i) {
    PlaceOne(ScreenObjectKind::DialGauge);
    gauges[i].uneditedtext = std::to_string(10 * (i + 1));
  }
  gauges[2].ddelink = 1;
  gauges[2].ddelast = "30";
  editor.SelectOnly({ScreenObjectKind::DialGauge, 0});
  editor.OnEditDelete();
  ASSERT_EQ(doc.m_dialgauges.Count(), 2);
  EXPECT_EQ(gauges[0].uneditedtext, "20");
  EXPECT_EQ(gauges[1].uneditedtext, "30");
  EXPECT_EQ(gauges[1].ddelink, 1);
  EXPECT_EQ(gauges[0].ddelink, 0);

  editor.SelectOnly({ScreenObjectKind::DialGauge, 1});
  editor.OnEditCopy();
  editor.OnEditPaste();
  ASSERT_EQ(doc.m_dialgauges.Count(), 3);
  EXPECT_EQ(gauges[2].selected, 1);
  EXPECT_EQ(gauges[2].ddelink, 0);
  EXPECT_EQ(gauges[2].ddelast, "");
  EXPECT_EQ(gauges[2].uneditedtext, "0");
  EXPECT_EQ(gauges[1].selected, 0);
  EXPECT_EQ(gauges[1].ddelink, 1);
  EXPECT_EQ(page.m_numselected, 1);
}

// Cut and paste give back the very record that the project file stores.
TEST_F(EditCommandsTest, CutAndPasteRoundTripOfEveryKind) {
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    auto& list = ListOf<K>(doc);
    const ScreenObject placed = PlaceOne(K);
    list[placed.index].x = 37;
    list[placed.index].y = 41;
    const std::string before = StoredBytes(doc, list[placed.index]);
    editor.SelectOnly(placed);
    editor.OnEditCut();
    EXPECT_EQ(list.Count(), 0) << KindIndex(K);
    EXPECT_EQ(doc.m_pages[1].objectcount, 0);
    editor.OnEditPaste();
    ASSERT_EQ(list.Count(), 1) << KindIndex(K);
    EXPECT_EQ(StoredBytes(doc, list[0]), before) << KindIndex(K);
    EXPECT_EQ(page.m_runstates.At(K, 0).selected, 1);
    EXPECT_EQ(page.m_numselected, 1);
    EXPECT_TRUE(StackingIsValid(doc));
    editor.OnEditDelete();
  });
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EditCommandsTest, PasteGoesInFrontOnTheCurrentPageKeepingItsOrder) {
  const ScreenObject back = PlaceOne(ScreenObjectKind::MeterGauge);
  const ScreenObject front = PlaceOne(ScreenObjectKind::TextBox);
  editor.SelectOnly(back);
  editor.ToggleSelected(front);
  editor.OnEditCopy();
  AddPage();
  PlaceOne(ScreenObjectKind::EventTimer);
  editor.OnEditPaste();
  EXPECT_EQ(doc.m_metergauges[1].page, 2);
  EXPECT_EQ(doc.m_metergauges[1].stacknum, 1);
  EXPECT_EQ(doc.m_textboxes[1].page, 2);
  EXPECT_EQ(doc.m_textboxes[1].stacknum, 2);
  EXPECT_EQ(doc.m_pages[2].objectcount, 3);
  EXPECT_EQ(page.m_numselected, 2);
}

// A copy is another object: it takes a free label and no data-log column.
TEST_F(EditCommandsTest, ACopyGetsItsOwnLabelAndNoColumn) {
  const ScreenObject dw = PlaceOne(ScreenObjectKind::DataWindow);
  doc.m_datawindows[0].logcolumn = 0;
  editor.SelectOnly(dw);
  editor.OnEditCopy();
  editor.OnEditPaste();
  ASSERT_EQ(doc.m_datawindows.Count(), 2);
  EXPECT_EQ(doc.m_datawindows[1].idlabel, "DataWindow2");
  EXPECT_EQ(doc.m_datawindows[1].logcolumn, kNoLogColumn);
  EXPECT_EQ(doc.m_datawindows[0].logcolumn, 0);
}

TEST_F(EditCommandsTest, APasteThatWouldPassALimitIsRefusedWhole) {
  const ScreenObject box = PlaceOne(ScreenObjectKind::TextBox);
  for (int i = 0; i < kMaxChartRecorders - 1; ++i) PlaceOne(ScreenObjectKind::ChartRecorder);
  editor.SelectOnly({ScreenObjectKind::ChartRecorder, 0});
  editor.ToggleSelected({ScreenObjectKind::ChartRecorder, 1});
  editor.ToggleSelected(box);
  editor.OnEditCopy();
  doc.SetModifiedFlag(false);
  editor.OnEditPaste();
  EXPECT_EQ(doc.m_chartrecorders.Count(), kMaxChartRecorders - 1);
  EXPECT_EQ(doc.m_textboxes.Count(), 1);
  EXPECT_FALSE(doc.IsModified());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Over Limit");
  EXPECT_EQ(messages.shown[0].text, "Korvix can not contain more than 10 Chart Recorders.");
}

TEST_F(EditCommandsTest, ChartRecordersCarryTheirSamplesThroughTheClipboard) {
  PlaceOne(ScreenObjectKind::ChartRecorder);
  const ScreenObject second = PlaceOne(ScreenObjectKind::ChartRecorder);
  editor.SelectOnly(second);
  editor.OnEditCopy();
  EXPECT_EQ(chartmemories.transfers, (std::vector<std::pair<int, int>>{{1, 10}}));
  editor.OnEditPaste();
  EXPECT_EQ(chartmemories.transfers.back(), (std::pair<int, int>{10, 2}));
}

TEST_F(EditCommandsTest, ASelectionTooBigForTheClipboardIsNotCut) {
  for (int i = 0; i <= kClipboardSlots; ++i) PlaceOne(ScreenObjectKind::PushButton);
  for (int i = 0; i <= kClipboardSlots; ++i) editor.ToggleSelected({ScreenObjectKind::PushButton, i});
  editor.OnEditCut();
  EXPECT_EQ(doc.m_pushbuttons.Count(), kClipboardSlots + 1);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "Over Limit");
  EXPECT_TRUE(editor.ClipboardEmpty());
}

TEST_F(EditCommandsTest, BringToFrontAndSendToBackKeepTheOthersInOrder) {
  const ScreenObject a = PlaceOne(ScreenObjectKind::TextBox);
  const ScreenObject b = PlaceOne(ScreenObjectKind::DialGauge);
  const ScreenObject c = PlaceOne(ScreenObjectKind::TextBox);
  const ScreenObject d = PlaceOne(ScreenObjectKind::SignalLamp);
  editor.SelectOnly(a);
  editor.ToggleSelected(b);
  editor.OnEditBringToFront();
  EXPECT_EQ(doc.m_textboxes[c.index].stacknum, 0);
  EXPECT_EQ(doc.m_signallamps[d.index].stacknum, 1);
  EXPECT_EQ(doc.m_textboxes[a.index].stacknum, 2);
  EXPECT_EQ(doc.m_dialgauges[b.index].stacknum, 3);
  editor.SelectOnly(d);
  editor.OnEditSendToBack();
  EXPECT_EQ(doc.m_signallamps[d.index].stacknum, 0);
  EXPECT_EQ(doc.m_textboxes[c.index].stacknum, 1);
  EXPECT_EQ(doc.m_dialgauges[b.index].stacknum, 3);
}

TEST_F(EditCommandsTest, ArrowKeysNudgeByStepsOfTheGridUnlessLocked) {
  const ScreenObject box = PlaceOne(ScreenObjectKind::TextBox);
  editor.SelectOnly(box);
  editor.Nudge(1, -2);
  EXPECT_EQ(doc.m_textboxes[0].x, 105);
  EXPECT_EQ(doc.m_textboxes[0].y, 70);
  editor.Nudge(-100, 0);
  EXPECT_EQ(doc.m_textboxes[0].x, 0);
  doc.m_lockon = 1;
  editor.Nudge(1, 1);
  EXPECT_EQ(doc.m_textboxes[0].x, 0);
  doc.m_lockpermissions[0] = 1;
  editor.Nudge(1, 1);
  EXPECT_EQ(doc.m_textboxes[0].x, 5);
}

TEST_F(EditCommandsTest, TheGroupMoveStoresTheGridOffsetAtTheRelease) {
  view.SetFontFactor(2);
  const ScreenObject a = PlaceOne(ScreenObjectKind::TextBox);
  const ScreenObject b = PlaceOne(ScreenObjectKind::PushButton);
  editor.SelectOnly(a);
  editor.ToggleSelected(b);
  editor.BeginGroupDrag({203, 164});  // snaps to (200, 160)
  EXPECT_EQ(view.m_dragstate, 1);
  const std::vector<Rect> feedback = editor.GroupDragFeedback({236, 147});
  EXPECT_EQ(view.m_dragstate, kDragMoved);
  ASSERT_EQ(feedback.size(), 2u);
  EXPECT_EQ(feedback[0], Offset(page.m_runstates.At(ScreenObjectKind::TextBox, 0).screenrect, 40, -10));
  EXPECT_EQ(doc.m_textboxes[0].x, 100);
  editor.EndGroupDrag({236, 147});
  EXPECT_EQ(view.m_dragstate, 0);
  EXPECT_EQ(doc.m_textboxes[0].x, 120);
  EXPECT_EQ(doc.m_textboxes[0].y, 75);
  EXPECT_EQ(doc.m_pushbuttons[0].x, 120);
  EXPECT_EQ(doc.m_pushbuttons[0].y, 75);
}

TEST_F(EditCommandsTest, AReleaseWithoutAMoveMovesNothing) {
  const ScreenObject a = PlaceOne(ScreenObjectKind::TextBox);
  editor.SelectOnly(a);
  doc.SetModifiedFlag(false);
  editor.BeginGroupDrag({10, 10});
  editor.EndGroupDrag({90, 90});
  EXPECT_EQ(doc.m_textboxes[0].x, 100);
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace korvix
