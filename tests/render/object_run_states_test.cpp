#include <gtest/gtest.h>

#include "render/object_run_states.h"

namespace korvix {
namespace {

ScreenObjectKind KindAt(int k) { return static_cast<ScreenObjectKind>(k); }

TEST(ObjectRunStates, ARemovalMovesTheLaterStatesOfItsKindOnly) {
  for (int k = 0; k < kObjectKindCount; ++k) {
    SCOPED_TRACE(k);
    ObjectRunStates states;
    for (int other = 0; other < kObjectKindCount; ++other) {
      for (int i = 0; i < 3; ++i) states.At(KindAt(other), i).screenrect = {other, i, 0, 0};
    }
    states.At(KindAt(k), 2).selected = 1;
    states.Remove(KindAt(k), 0);
    EXPECT_EQ(states.At(KindAt(k), 0).screenrect, (Rect{k, 1, 0, 0}));
    EXPECT_EQ(states.At(KindAt(k), 1).selected, 1);
    // The place the last one left starts afresh.
    EXPECT_EQ(states.At(KindAt(k), 2).screenrect, Rect{});
    EXPECT_EQ(states.At(KindAt(k), 2).selected, 0);
    const int other = (k + 1) % kObjectKindCount;
    EXPECT_EQ(states.At(KindAt(other), 0).screenrect, (Rect{other, 0, 0, 0}));
  }
}

TEST(ObjectRunStates, OnlyTheNeedleKindsKeepADrawnValue) {
  ObjectRunStates states;
  for (int k = 0; k < kObjectKindCount; ++k) {
    const ScreenObjectKind kind = KindAt(k);
    std::string* drawn = states.DrawnValue(kind, 0);
    ASSERT_EQ(drawn != nullptr, IsNeedleKind(kind)) << k;
    if (drawn != nullptr) {
      EXPECT_EQ(*drawn, "0") << k;
    }
  }
  states.Of<ScreenObjectKind::WindVane>()[1].uneditedtext = "270";
  EXPECT_EQ(*states.DrawnValue(ScreenObjectKind::WindVane, 1), "270");
}

TEST(ObjectRunStates, ClearStartsEveryObjectAndVariableAfresh) {
  ObjectRunStates states;
  states.At(ScreenObjectKind::TextBox, 4).selected = 1;
  states.Of<ScreenObjectKind::DataWindow>()[0].ddelink = 1;
  states.Of<ScreenObjectKind::DialGauge>()[0].uneditedtext = "75";
  states.Variables()[2].ddelast = "7";
  states.Clear();
  EXPECT_EQ(states.At(ScreenObjectKind::TextBox, 4).selected, 0);
  EXPECT_EQ(states.Of<ScreenObjectKind::DataWindow>()[0].ddelink, 0);
  EXPECT_EQ(states.Of<ScreenObjectKind::DialGauge>()[0].uneditedtext, "0");
  EXPECT_EQ(states.Variables()[2].ddelast, "");
}

}  // namespace
}  // namespace korvix
