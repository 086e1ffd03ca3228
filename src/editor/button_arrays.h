#pragma once

#include "document/korvix_doc.h"

namespace korvix {

// Appends one sub button to Button Array `index`, captioned with the next
// letter after the last. False, and nothing changed, when the array holds
// its 100 buttons already.
bool AddButtonToArray(CKorvixDoc& doc, int index);

}  // namespace korvix
