#pragma once

#include <string>

#include "document/korvix_doc.h"

namespace korvix {

// Data Parsers are kept in the project but not applied: no parser consumes
// received input, so this always returns 0 and leaves the buffer alone.
int RunDataParser(CKorvixDoc& doc, std::string& rxbuffer);

// Radio position reports ("$GPTLL" lines) are taken without effect.
void ParseTransponderReport(const std::string& line);

}  // namespace korvix
