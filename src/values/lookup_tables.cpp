#include "values/lookup_tables.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace korvix {
namespace {

// Files larger than this are no lookup table; reading stops there.
constexpr std::streamsize kMaxTableBytes = 1 << 20;

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string text(static_cast<size_t>(kMaxTableBytes), '\0');
  file.read(text.data(), kMaxTableBytes);
  text.resize(static_cast<size_t>(file.gcount()));
  return text;
}

std::optional<double> Number(const std::string& word) {
  if (word.empty() || word.find_first_not_of("-.0123456789") != std::string::npos) {
    return std::nullopt;
  }
  char* end = nullptr;
  const double value = std::strtod(word.c_str(), &end);
  if (end != word.c_str() + word.size()) return std::nullopt;
  return value;
}

}  // namespace

LookupTables::LookupTables() : m_reader(ReadFile) {}

const LookupTables::Table& LookupTables::Load(const std::string& path) {
  auto found = m_tables.find(path);
  if (found != m_tables.end()) return found->second;
  Table table;
  if (const std::optional<std::string> text = m_reader(path)) {
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line)) {
      std::replace_if(
          line.begin(), line.end(), [](char c) { return c == ',' || c == '\t' || c == '\r'; }, ' ');
      std::istringstream words(line);
      std::string input, output, rest;
      words >> input >> output;
      const std::optional<double> in = Number(input);
      const std::optional<double> out = Number(output);
      if (in && out && !(words >> rest)) table.emplace_back(*in, *out);
    }
    std::stable_sort(table.begin(), table.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  }
  return m_tables.emplace(path, std::move(table)).first->second;
}

std::optional<double> LookupTables::Lookup(const std::string& path, double value) {
  const Table& table = Load(path);
  if (table.empty() || value < table.front().first || value > table.back().first) {
    return std::nullopt;
  }
  const auto upper =
      std::lower_bound(table.begin(), table.end(), value, [](const auto& entry, double v) { return entry.first < v; });
  if (upper->first == value || upper == table.begin()) return upper->second;
  const auto lower = upper - 1;
  const double share = (value - lower->first) / (upper->first - lower->first);
  return lower->second + share * (upper->second - lower->second);
}

}  // namespace korvix
