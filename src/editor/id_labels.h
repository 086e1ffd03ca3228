#pragma once

#include <string>
#include <string_view>

#include "document/korvix_doc.h"

namespace korvix {

// Whether the Conditionals' labels block a number too. New Variables and
// Conditionals skip them, compared as ID Labels (blanks removed, case
// folded), since the run time looks labels up that way.
enum class ConditionalLabels { Ignored, Skipped };

// The prefix followed by the smallest number from 1 up that gives a label
// no labelled screen object, Variable or Script carries. Labels compare
// byte for byte, case significant.
std::string MakeUniqueIdLabel(const CKorvixDoc& doc, std::string_view prefix,
                              ConditionalLabels conditionals = ConditionalLabels::Ignored);

// True when one of the items that MakeUniqueIdLabel searches carries it.
bool IdLabelTaken(const CKorvixDoc& doc, const std::string& label);

}  // namespace korvix
