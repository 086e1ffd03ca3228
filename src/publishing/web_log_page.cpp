#include "publishing/web_log_page.h"

#include <algorithm>
#include <array>
#include <vector>

#include "texts/color_texts.h"

namespace korvix {

namespace {

constexpr char kEol[] = "\r\n";

struct FontSizeRow {
  const char* data;
  const char* heading;
};
constexpr std::array<FontSizeRow, 10> kFontSizes{{{"8", "16"},
                                                  {"9", "17"},
                                                  {"10", "18"},
                                                  {"12", "20"},
                                                  {"14", "22"},
                                                  {"16", "24"},
                                                  {"18", "26"},
                                                  {"20", "28"},
                                                  {"24", "33"},
                                                  {"28", "38"}}};

// "#RRGGBB" from a stored 0x00BBGGRR colour.
std::string PageColour(int colour) { return FormatColorText(static_cast<uint32_t>(colour)).substr(5); }

std::string_view WithoutLineEnd(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// Cells come from outside (module replies, label values); on a public page
// they must stay text.
void AppendEscaped(std::string& out, std::string_view cell) {
  for (const char c : cell) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
}

void AppendRow(std::string& out, std::string_view line, const char* open, const char* cellopen, const char* cellclose) {
  out += open;
  out += cellopen;
  line = WithoutLineEnd(line);
  for (std::size_t start = 0;;) {
    const std::size_t comma = line.find(',', start);
    AppendEscaped(out, line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    out += cellclose;
    out += cellopen;
    start = comma + 1;
  }
  out += cellclose;
  out += "</tr>";
  out += kEol;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t lf = text.find('\n', start);
    const std::size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

}  // namespace

WebLogFontSizes WebLogFontSizesFor(int index) {
  if (index < 0 || index >= static_cast<int>(kFontSizes.size())) return {};
  return {kFontSizes[static_cast<std::size_t>(index)].data, kFontSizes[static_cast<std::size_t>(index)].heading};
}

int WebLogFieldCount(std::string_view header) {
  return static_cast<int>(std::count_if(header.begin(), header.end(), [](char c) { return c == ',' || c == '\r'; }));
}

uint64_t WebLogTailSize(int linelen, int fieldcount, int nth, int rows) {
  const uint64_t line = static_cast<uint64_t>(std::max(linelen, 0)) + static_cast<uint64_t>(std::max(fieldcount, 0));
  return line * static_cast<uint64_t>(std::max(nth, 1)) * static_cast<uint64_t>(std::max(rows, 10)) + 1;
}

int LongestLineLength(std::string_view text) {
  std::size_t longest = 0;
  for (const std::string_view line : SplitLines(text)) longest = std::max(longest, line.size());
  return static_cast<int>(std::min<std::size_t>(longest, INT32_MAX));
}

std::string SelectWebLogRows(std::string_view data, int nth, int rows) {
  const std::vector<std::string_view> lines = SplitLines(data);
  const std::size_t step = static_cast<std::size_t>(std::max(nth, 1));
  std::vector<std::string_view> kept;
  for (std::size_t back = lines.size(); back > 0 && static_cast<int>(kept.size()) < rows;) {
    kept.push_back(lines[back - 1]);
    back = back > step ? back - step : 0;
  }
  std::string out;
  for (auto line = kept.rbegin(); line != kept.rend(); ++line) out += *line;
  return out;
}

std::string BuildWebLogPage(const WebLogSettings& settings, std::string_view header, std::string_view rows) {
  const WebLogFontSizes sizes = WebLogFontSizesFor(settings.m_weblogfontsize);
  const std::string& title = settings.m_weblogtitle;
  std::string page;
  const auto line = [&page](const std::string& text) { page += text + kEol; };
  line("<html>");
  line("<head>");
  line("<title>" + title + "</title>");
  line("<meta name=ROBOTS content=NOINDEX>");
  line("</head>");
  line("");
  line("<body bgcolor=" + PageColour(settings.m_weblogbgcolor) + " text=" + PageColour(settings.m_weblogtextcolor) +
       ">");
  line("");
  line("<center>");
  line("<h2 style=font-size:" + sizes.heading + "px>" + title + "</h2>");
  line("");
  line("<table style=font-size:" + sizes.data + "px border=2 cellspacing=1 cellpadding=5>");
  const std::vector<std::string_view> datarows = SplitLines(rows);
  for (std::size_t i = 0; i < datarows.size(); ++i) {
    const bool titledue =
        i == 0 || (settings.m_weblogtitlerows > 0 && i % static_cast<std::size_t>(settings.m_weblogtitlerows) == 0);
    if (titledue) AppendRow(page, header, "<tr>", "<th>", "</th>");
    AppendRow(page, datarows[i], "<tr align=center>", "<td>", "</td>");
  }
  line("</table>");
  line("");
  line("</center>");
  line("</body>");
  line("</html>");
  return page;
}

}  // namespace korvix
