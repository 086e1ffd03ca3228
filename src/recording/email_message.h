#pragma once

#include <string>

#include "document/settings_blocks.h"
#include "platform/wall_clock.h"

namespace korvix {

// Removes every carriage return and line feed: a header field's value that
// comes from expanded label values must not open a header of its own.
std::string WithoutLineBreaks(std::string text);

// The whole report as it goes to the server: headers, the empty line, the
// body unchanged and the end-of-data mark.
std::string BuildEmailMessage(const LocalDateTime& now, const EmailServerSettings& settings, const std::string& address,
                              const std::string& body);

}  // namespace korvix
