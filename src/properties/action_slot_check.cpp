#include "properties/action_slot_check.h"

#include "properties/data_exchange.h"
#include "properties/entry_report.h"
#include "properties/entry_validation.h"

namespace korvix {

std::optional<SlotField> CheckActionSlotLengths(const ActionSlot& slot, MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(slot.param, static_cast<int>(kActionParamLimit))))
    return SlotField::Parameter;
  if (!ReportEntryProblem(sink, TextLengthProblem(slot.second, static_cast<int>(kActionSecondLimit))))
    return SlotField::Second;
  return std::nullopt;
}

// The holders order these checks differently only where no action has two
// of them, so one order serves them all.
std::optional<SlotField> CheckActionSlotTexts(const ActionSlot& slot, ActionNumbering numbering,
                                              const std::string& namelist, MessageSink& sink) {
  const ActionInfo* info = FindAction(slot.action, numbering);
  if (info == nullptr) return std::nullopt;
  const auto action = static_cast<ArrayAction>(info->arraycode);
  const auto is = [action](std::initializer_list<ArrayAction> actions) {
    for (ArrayAction candidate : actions)
      if (candidate == action) return true;
    return false;
  };
  if (is({ArrayAction::TransmitCommand, ArrayAction::ReadFromFile, ArrayAction::WriteToFile,
          ArrayAction::SetPIController}) &&
      !CheckBraceNames(sink, slot.second))
    return SlotField::Second;
  if (is({ArrayAction::PauseMilliseconds}) && !CheckPositiveInteger(sink, slot.param)) return SlotField::Parameter;
  if (is({ArrayAction::MathConversion}) && !CheckMathFormula(sink, slot.second, namelist)) return SlotField::Second;
  if (is({ArrayAction::WriteToFile}) && !WarnUnbracedLabels(sink, slot.second, namelist, false))
    return SlotField::Second;
  if (is({ArrayAction::GotoPageNumber}) && !CheckPositiveInteger(sink, slot.param)) return SlotField::Parameter;
  if (is({ArrayAction::PauseHrsMinSec}) && !CheckTimeText(sink, slot.param)) return SlotField::Parameter;
  if (is({ArrayAction::SetPIController}) && !CheckInteger(sink, slot.second)) return SlotField::Second;
  return std::nullopt;
}

}  // namespace korvix
