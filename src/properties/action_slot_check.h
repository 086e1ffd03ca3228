#pragma once

#include <optional>
#include <string>

#include "automation/action_codes.h"
#include "platform/message_sink.h"

namespace korvix {

enum class SlotField { Parameter, Second };

// Texts longer than their fields, as an old project file may hold; shown
// and refused like every other entry.
std::optional<SlotField> CheckActionSlotLengths(const ActionSlot& slot, MessageSink& sink);

// The checks on OK that an action asks of its slot's texts, once the
// parameter's own label references have passed: the field that a refusal
// puts the focus on, or no value when the slot may be stored. A "Write to
// File" text naming an ID Label without braces asks whether to go back.
std::optional<SlotField> CheckActionSlotTexts(const ActionSlot& slot, ActionNumbering numbering,
                                              const std::string& namelist, MessageSink& sink);

}  // namespace korvix
