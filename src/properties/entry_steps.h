#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

// One check of a dialog's OK: the field it looks at, why it refuses it (no
// value: it passes) and whether that field's selector must stay shut when it
// gets the focus back.
template <class Field>
struct EntryStep {
  Field field;
  std::optional<std::string> problem;
  bool guard = false;
};

// `message` when `refused`: the checks that a dialog writes out itself.
inline std::optional<std::string> ProblemIf(bool refused, const char* message) {
  if (refused) return message;
  return std::nullopt;
}

// The first refusal of `steps`, in their order, shown as every property
// dialog shows it; the later steps are never reported.
template <class Field>
OkCheck<Field> FirstRefusal(MessageSink& sink, std::initializer_list<EntryStep<Field>> steps) {
  for (const EntryStep<Field>& step : steps)
    if (!ReportEntryProblem(sink, step.problem)) return {step.field, step.guard};
  return {};
}

}  // namespace korvix
