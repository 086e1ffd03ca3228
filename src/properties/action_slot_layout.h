#pragma once

#include <string_view>

#include "automation/action_codes.h"

namespace korvix {

// Which field of an action slot opens the ID Label Selector on focus.
enum class SlotSelector { None, Parameter, Second };
// The dialog that either field of an action slot opens on focus instead.
enum class SlotSubDialog { None, Email, PrintLabel };

// How an action slot lays itself out for one action: a prompt or
// information line below the parameter, or a label beside a second field.
// Prompt texts use "\r" for their line break.
struct ActionSlotLayout {
  std::string_view prompt;       // empty: no prompt line
  std::string_view secondlabel;  // empty: the second field and its label are hidden
  bool paramenabled = true;
  SlotSelector selector = SlotSelector::None;
  std::string_view group;  // the selector's group header; empty offers every label
  bool formula = false;    // the second field opens the Math Conversion dialog
  SlotSubDialog subdialog = SlotSubDialog::None;
};

// The layout of a stored code; a code outside its numbering (-1 included)
// gets the parameter enabled and no prompt, second field or selector.
const ActionSlotLayout& LayoutOfAction(int code, ActionNumbering numbering);

}  // namespace korvix
