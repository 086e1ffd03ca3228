#include "properties/selector_lines.h"

#include "properties/name_list.h"

namespace korvix {

namespace {
constexpr std::string_view kGlobalVariablesHeader = "<Global Variables>";
constexpr const char* kMissingGroupStart = "No ";
constexpr const char* kMissingGroupEnd = " Found";
constexpr size_t kLineReadLimit = 99;

// Where the part that starts at `from` ends: before the next header.
size_t NextHeader(std::string_view list, size_t from) {
  const size_t next = list.find('<', from + 1);
  return next == std::string_view::npos ? list.size() : next;
}

std::string MissingGroupLine(std::string_view group) {
  if (group.starts_with('<')) group.remove_prefix(1);
  if (group.ends_with('>')) group.remove_suffix(1);
  return kMissingGroupStart + std::string(group) + kMissingGroupEnd;
}
}  // namespace

std::vector<std::string> SelectorLines(std::string_view namelist, bool braces, std::string_view group) {
  std::string_view part;
  if (!group.empty()) {
    const size_t start = namelist.find(group);
    if (start == std::string_view::npos) return {MissingGroupLine(group)};
    part = namelist.substr(start, NextHeader(namelist, start) - start);
  } else {
    const size_t globals = namelist.find(kGlobalVariablesHeader);
    size_t end = globals;
    if (globals != std::string_view::npos && braces) end = NextHeader(namelist, globals);
    part = namelist.substr(0, end);
  }
  std::vector<std::string> lines;
  while (!part.empty()) {
    const size_t end = part.find(kNameListLineEnd);
    lines.emplace_back(part.substr(0, end));
    part.remove_prefix(end == std::string_view::npos ? part.size() : end + 1);
  }
  return lines;
}

bool IsSelectorEntry(std::string_view line) { return line.starts_with(kNameListEntryStart); }

std::string SelectedLabel(std::string_view line, bool braces) {
  line = line.substr(0, kLineReadLimit);
  if (line.starts_with(kNameListEntryStart)) line.remove_prefix(1);
  return braces ? "{" + std::string(line) + "}" : std::string(line);
}

std::string SelectedFunction(std::string_view line) {
  const size_t close = line.rfind(')');
  return std::string(close == std::string_view::npos ? std::string_view() : line.substr(0, close + 1));
}

}  // namespace korvix
