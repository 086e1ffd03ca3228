#include "editor_fixture.h"

#include "properties/control_properties.h"
#include "properties/pi_controller_properties.h"
#include "properties/pivot_tracker_properties.h"
#include "properties/state_properties.h"

namespace korvix {
namespace {

constexpr DialogOutcome kOk{true, false};
constexpr DialogOutcome kDelete{false, true};

// The Delete buttons of the logged kinds, over a page whose data log has
// ten columns.
class LoggedObjectDeletesTest : public EditorTest {
protected:
  PropertyFrame frame{doc, view, page, window, chartmemories};

  void SetUp() override { doc.m_logfieldcount = 10; }

  ScreenObject PlaceSelected(ScreenObjectKind kind) {
    const ScreenObject object = PlaceOne(kind);
    editor.SelectOnly(object);
    page.m_tracker.m_rect = editor.ObjectRect(object);
    return object;
  }

  template <ScreenObjectKind K>
  void Press(int index, DialogOutcome outcome) {
    EditProperties<K>(frame, index, [&](auto&) { return outcome; });
  }

  template <ScreenObjectKind K>
  void DeleteLoggedIn3() {
    const ScreenObject object = PlaceSelected(K);
    ListOf<K>(doc)[object.index].logcolumn = 3;
    Press<K>(object.index, kDelete);
    EXPECT_EQ(ListOf<K>(doc).Count(), 0);
  }

  // A Variable logged in `column`, to see the columns above a freed one
  // move down.
  int AddVariableIn(int column) {
    VariableRecord variable;
    variable.logcolumn = column;
    doc.m_variables.Add(variable);
    return doc.m_variables.Count() - 1;
  }
};

TEST_F(LoggedObjectDeletesTest, EachStateObjectAndTheControllerFreesItsColumn) {
  const int above = AddVariableIn(8);
  DeleteLoggedIn3<ScreenObjectKind::SignalLamp>();
  EXPECT_EQ(doc.m_variables[above].logcolumn, 7);
  DeleteLoggedIn3<ScreenObjectKind::EventCounter>();
  DeleteLoggedIn3<ScreenObjectKind::EventTimer>();
  DeleteLoggedIn3<ScreenObjectKind::PIController>();
  EXPECT_EQ(doc.m_variables[above].logcolumn, 4);
  EXPECT_EQ(doc.m_logfieldcount, 6);
}

TEST_F(LoggedObjectDeletesTest, ATrackerFreesExactlyItsFourColumns) {
  const ScreenObject tracker = PlaceSelected(ScreenObjectKind::PivotTracker);
  PivotTrackerRecord& record = doc.m_pivottrackers[tracker.index];
  record.logcolumn = 2;
  record.logcolumnrun = 5;
  record.logcolumnwater = 7;
  record.logcolumnsis = 9;
  std::vector<int> others;
  for (int column : {0, 1, 3, 4, 6, 8}) others.push_back(AddVariableIn(column));

  Press<ScreenObjectKind::PivotTracker>(tracker.index, kDelete);

  EXPECT_EQ(doc.m_pivottrackers.Count(), 0);
  EXPECT_EQ(doc.m_logfieldcount, 6);
  std::vector<int> columns;
  for (int variable : others) columns.push_back(doc.m_variables[variable].logcolumn);
  EXPECT_EQ(columns, (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST_F(LoggedObjectDeletesTest, OkKeepsTheColumnsAndMarksTheProjectModified) {
  const ScreenObject lamp = PlaceSelected(ScreenObjectKind::SignalLamp);
  doc.m_signallamps[lamp.index].logcolumn = 4;
  doc.m_signallamps[lamp.index].resetstate = 1;
  doc.SetModifiedFlag(false);

  Press<ScreenObjectKind::SignalLamp>(lamp.index, kOk);

  EXPECT_EQ(doc.m_signallamps[lamp.index].logcolumn, 4);
  EXPECT_EQ(doc.m_signallamps[lamp.index].valuetext, "On");
  EXPECT_EQ(doc.m_logfieldcount, 10);
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(LoggedObjectDeletesTest, ControlsHaveNoColumnToFree) {
  const ScreenObject rocker = PlaceSelected(ScreenObjectKind::RockerSwitch);
  const ScreenObject slider = PlaceOne(ScreenObjectKind::SliderControl);
  Press<ScreenObjectKind::RockerSwitch>(rocker.index, kDelete);
  Press<ScreenObjectKind::SliderControl>(slider.index, kDelete);
  EXPECT_EQ(doc.m_rockerswitches.Count(), 0);
  EXPECT_EQ(doc.m_slidercontrols.Count(), 0);
  EXPECT_EQ(doc.m_logfieldcount, 10);
}

}  // namespace
}  // namespace korvix
