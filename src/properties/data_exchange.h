#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvix {

// The property dialogs read integers and bounded texts with their own
// parsing: a spin box or a cut-off edit would change what the user or the
// project file gave without a word.

// A whole number with an optional sign and blanks around it, within int.
std::optional<int> ParseIntegerEntry(std::string_view text);

std::optional<std::string> IntegerEntryProblem(std::string_view text);
// No sign: a count or a size.
std::optional<std::string> PositiveIntegerEntryProblem(std::string_view text);
std::optional<std::string> IntegerRangeProblem(std::string_view text, int minimum, int maximum);
// A text longer than its field allows, as an old project file may hold,
// is refused here rather than cut.
std::optional<std::string> TextLengthProblem(std::string_view text, int limit);

}  // namespace korvix
