#pragma once

#include <string>

#include "automation/action_codes.h"

namespace korvix::testing {

// A slot holding `action` with its texts and the print settings a freshly
// chosen action has.
inline ActionSlot MakeSlot(int action, std::string param, std::string second = {}) {
  ActionSlot slot;
  slot.action = action;
  slot.param = std::move(param);
  slot.second = std::move(second);
  return slot;
}

}  // namespace korvix::testing
