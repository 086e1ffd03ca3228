#include "automation/action_codes.h"

#include <gtest/gtest.h>

namespace korvix {
namespace {

TEST(ActionCodes, NamesGiveTheCodeOfTheirNumbering) {
  EXPECT_EQ(ActionCodeFromName("\t\tToggle Lamp", true), 17);
  EXPECT_EQ(ActionCodeFromName("\t\tToggle Lamp", false), 13);
  EXPECT_EQ(ActionCodeFromName("toggle lamp", true), -1);
  EXPECT_EQ(ActionCodeFromName("Pause Hrs:Min:Sec", true), 32);
  EXPECT_EQ(ActionCodeFromName("Pause Hrs:Min:Sec", false), -1);
  EXPECT_EQ(ActionCodeFromName("Save Project", true), 40);
  EXPECT_EQ(ActionCodeFromName("Save Project", false), 35);
  EXPECT_EQ(ActionCodeFromName("-------------------------------------------", true), -1);
}

TEST(ActionCodes, TheShortNumberingLeavesOutExactlyTheWaits) {
  int control = 0;
  for (const ActionInfo& info : ActionCodes()) {
    if (info.controlcode < 0) continue;
    EXPECT_EQ(info.controlcode, control++) << info.selectorname;
    EXPECT_EQ(ArrayActionFromControl(info.controlcode), info.arraycode);
  }
  EXPECT_EQ(control, kControlActionCount);
  EXPECT_EQ(ArrayActionFromControl(36), -1);
  EXPECT_EQ(ArrayActionFromControl(-1), -1);
  EXPECT_EQ(FindAction(41, ActionNumbering::Array), nullptr);
  EXPECT_EQ(FindAction(-1, ActionNumbering::Array), nullptr);
  EXPECT_EQ(FindAction(36, ActionNumbering::Control), nullptr);
}

TEST(ActionCodes, ChoosingAnActionStartsTheSlotAfresh) {
  ActionSlot slot;
  slot.Choose(30);
  slot.param = "printer";
  slot.second = "label";
  slot.barcode = "123";
  slot.fontsize = 240;
  slot.barsize = 20;
  slot.Choose(30);
  EXPECT_EQ(slot.action, 30);
  EXPECT_EQ(slot.param, "");
  EXPECT_EQ(slot.second, "");
  EXPECT_EQ(slot.barcode, "");
  EXPECT_EQ(slot.fontsize, 120);
  EXPECT_EQ(slot.barsize, 10);
}

}  // namespace
}  // namespace korvix
