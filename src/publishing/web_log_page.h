#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/settings_blocks.h"

namespace korvix {

// The pixel sizes of the page's table and heading for a font-size index;
// both empty outside 0 to 9.
struct WebLogFontSizes {
  std::string data;
  std::string heading;
};
WebLogFontSizes WebLogFontSizesFor(int index);

// Fields of the header line: its commas and CR bytes.
int WebLogFieldCount(std::string_view header);

// Bytes from the end of the log that hold the rows the page needs, judged by
// the longest line seen so far. Settings below their meaningful range count
// as their least; the product cannot overflow.
uint64_t WebLogTailSize(int linelen, int fieldcount, int nth, int rows);

// The longest line of `text` in bytes, its CR LF included; a last line
// without LF counts up to the end of the text.
int LongestLineLength(std::string_view text);

// The rows of the page, oldest first: walking back from the last line, keep
// one and pass over nth - 1, until `rows` are kept. A last line without CR LF
// is a row like any other.
std::string SelectWebLogRows(std::string_view data, int nth, int rows);

// The whole page for a header line and the selected rows.
std::string BuildWebLogPage(const WebLogSettings& settings, std::string_view header, std::string_view rows);

}  // namespace korvix
