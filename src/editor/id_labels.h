#pragma once

#include <string>
#include <string_view>

#include "document/korvix_doc.h"

namespace korvix {

// The prefix followed by the smallest number from 1 up that gives a label
// no labelled screen object, Variable or Script carries. Labels compare
// byte for byte, case significant.
std::string MakeUniqueIdLabel(const CKorvixDoc& doc, std::string_view prefix);

// True when one of the items that MakeUniqueIdLabel searches carries it.
bool IdLabelTaken(const CKorvixDoc& doc, const std::string& label);

}  // namespace korvix
