#pragma once

#include <optional>
#include <string>

#include "platform/message_sink.h"

namespace korvix {

// Shows a refused entry's message the way every property dialog does. True
// when there was nothing to show.
bool ReportEntryProblem(MessageSink& sink, const std::optional<std::string>& problem);

// Where a property dialog's OK stops: no field when every check passed, else
// the field that gets the focus back, and whether the selector that field
// opens on focus must stay shut this once.
template <class Field>
struct OkCheck {
  std::optional<Field> focus;
  bool guard = false;

  bool Accepted() const { return !focus; }
};

}  // namespace korvix
