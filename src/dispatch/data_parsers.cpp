#include "dispatch/data_parsers.h"

namespace korvix {

int RunDataParser(CKorvixDoc&, std::string&) { return 0; }

void ParseTransponderReport(const std::string&) {}

}  // namespace korvix
