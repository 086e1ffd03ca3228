#pragma once

#include "document/korvix_doc.h"

namespace korvix {

// Converts a freshly read project of an older version to today's meaning,
// and fixes values that no version may keep. Throws LoadError
// (OldVersionRefused) for an old file whose conversion this version does not
// know, rather than guess.
void ConvertOlderVersion(CKorvixDoc& doc);

}  // namespace korvix
