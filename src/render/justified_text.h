#pragma once

#include <functional>
#include <string_view>
#include <vector>

namespace korvix {

struct JustifiedLine {
  std::string_view text;
  bool stretched;  // spread over the full width through its spaces
};

// Lays a text out in lines for justified drawing. A line ends at a carriage
// return (a line feed after it belongs to the break), at the end of the
// text, or, once it holds a space, before the word that would make it wider
// than width; the spaces at such a break start no line. Lines ended by width
// are stretched, unless they hold no space; a word wider than width stays
// whole on its own line.
std::vector<JustifiedLine> LayoutJustifiedLines(std::string_view text, int width,
                                                const std::function<int(std::string_view)>& measure);

}  // namespace korvix
