#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

// One check of a dialog's OK: the field it looks at, what it found wrong, and
// whether that field opens a selector on focus that must stay shut when the
// focus is put back.
template <class Field>
struct CheckStep {
  Field field;
  std::optional<std::string> problem;
  bool guard = false;
};

// The steps in the dialog's order: the first one that found a problem shows
// it and names the field; the later ones are not reported.
template <class Field>
OkCheck<Field> FirstRefusal(MessageSink& sink, std::initializer_list<CheckStep<Field>> steps) {
  for (const CheckStep<Field>& step : steps) {
    if (!ReportEntryProblem(sink, step.problem)) return {step.field, step.guard};
  }
  return {};
}

}  // namespace korvix
