#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "expressions/label_reader.h"

namespace korvix {

// Replaces each ID Label in curly braces by its current value text and then
// each decimal character code in square brackets by its character. A "{"
// without a "}" after it stays as it is. Inserted values are never scanned
// again, so a value that holds braces or brackets arrives unchanged.
std::string ExpandLabelRefs(std::string_view text, LabelReader& reader, bool zeroIfEmpty = false);

// A label as labels compare: every blank removed, ASCII letters upper case.
std::string LabelKey(std::string_view label);

// The labels written in curly braces, in order of appearance.
std::vector<std::string> ReferencedLabels(std::string_view text);

}  // namespace korvix
