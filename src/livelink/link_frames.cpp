#include "livelink/link_frames.h"

namespace korvix {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string EncodeLinkFrame(const std::vector<std::string>& fields) {
  std::string frame;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) frame += '\t';
    for (const char c : fields[i]) {
      switch (c) {
        case '%': frame += "%25"; break;
        case '\t': frame += "%09"; break;
        case '\r': frame += "%0D"; break;
        case '\n': frame += "%0A"; break;
        default: frame += c;
      }
    }
  }
  frame += '\n';
  return frame;
}

std::optional<std::vector<std::string>> DecodeLinkFrame(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      fields.emplace_back();
    } else if (c == '%') {
      if (i + 2 >= line.size()) return std::nullopt;
      const int high = HexValue(line[i + 1]);
      const int low = HexValue(line[i + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      fields.back() += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::optional<std::string> LinkFrameSplitter::Next() {
  if (m_overlong) return std::nullopt;
  const std::size_t lf = m_buffer.find('\n', m_scanned);
  if (lf == std::string::npos) {
    m_scanned = m_buffer.size();
    if (m_buffer.size() >= kMaxLinkFrame) m_overlong = true;
    return std::nullopt;
  }
  if (lf + 1 > kMaxLinkFrame) {
    m_overlong = true;
    return std::nullopt;
  }
  std::string line = m_buffer.substr(0, lf);
  m_buffer.erase(0, lf + 1);
  m_scanned = 0;
  return line;
}

}  // namespace korvix
