#pragma once

#include <string>
#include <string_view>

#include "document/korvix_doc.h"

namespace korvix {

// A label unique within one automation list, compared as ID Labels are
// (blanks removed, case folded): the label itself when no record but the
// left-out one has it, else the label followed by the smallest free number
// from 1 up, appended as it stands (Tank1 gives Tank11). The spelling is
// kept. `leaveout` is the record being edited, or any index beyond the live
// records for a paste.
std::string MakeUniqueLabel(const VariableList& variables, std::string_view label, int leaveout);
// Hidden action Scripts count.
std::string MakeUniqueLabel(const ScriptList& scripts, std::string_view label, int leaveout);
std::string MakeUniqueLabel(const ConditionalList& conditionals, std::string_view label, int leaveout);

}  // namespace korvix
