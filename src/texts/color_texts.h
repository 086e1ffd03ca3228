#pragma once

// Colour texts: the "Color#RRGGBB" texts of the
// Scripts.txt and Conditionals.txt exports, and nine colour names.
// Colours are the 0x00BBGGRR integers the project file stores (red 0x0000FF).

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/message_sink.h"

namespace korvix {

// "Color#" and six uppercase hexadecimal digits, red first: 0x0000FF gives
// "Color#FF0000". Only the low 24 bits are written; the top byte of the
// value (never set in a colour the project stores) is ignored.
std::string FormatColorText(uint32_t colour);

// Reads a colour text back:
// 1. the names Black, White, Gray, Blue, Green, Cyan, Red, Magenta, Yellow,
//    compared in that order by LabelsEqual ("bl ack" is Black);
// 2. else exactly 12 bytes, "Color#" (case-sensitive) and six of
//    "0123456789ABCDEF" (uppercase only) give red + green*256 + blue*65536;
// 3. else the warning "Illegal Color Name" (warning icon) with the text
//    followed by " is not a valid color format. \rThis color will be replaced
//    with Black." goes to the sink (which closes an open popup box first),
//    and the result is 0 (black).
uint32_t ParseColorText(std::string_view text, MessageSink& sink);

}  // namespace korvix
