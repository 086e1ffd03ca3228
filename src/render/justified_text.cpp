#include "render/justified_text.h"

namespace korvix {

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The lines of one paragraph, which holds no line break.
void LayoutParagraph(std::string_view paragraph, int width, const std::function<int(std::string_view)>& measure,
                     std::vector<JustifiedLine>& lines) {
  std::size_t start = 0;
  for (;;) {
    // End of the first word, leading spaces included.
    std::size_t end = paragraph.find_first_not_of(' ', start);
    end = end == std::string_view::npos ? paragraph.size() : paragraph.find(' ', end);
    if (end == std::string_view::npos) end = paragraph.size();
    bool brokeforwidth = false;
    while (end < paragraph.size()) {
      const std::size_t wordstart = paragraph.find_first_not_of(' ', end);
      if (wordstart == std::string_view::npos) {
        end = paragraph.size();
        break;
      }
      std::size_t wordend = paragraph.find(' ', wordstart);
      if (wordend == std::string_view::npos) wordend = paragraph.size();
      if (measure(paragraph.substr(start, wordend - start)) > width) {
        brokeforwidth = true;
        break;
      }
      end = wordend;
    }
    const std::string_view line = paragraph.substr(start, end - start);
    lines.push_back({line, brokeforwidth && line.find(' ') != std::string_view::npos});
    if (!brokeforwidth) return;
    start = paragraph.find_first_not_of(' ', end);
  }
}

}  // namespace

std::vector<JustifiedLine> LayoutJustifiedLines(std::string_view text, int width,
                                                const std::function<int(std::string_view)>& measure) {
  std::vector<JustifiedLine> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = start;
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    LayoutParagraph(text.substr(start, end - start), width, measure, lines);
    if (end == text.size()) return lines;
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
}

}  // namespace korvix
