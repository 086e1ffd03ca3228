#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvix {

// Longest frame a peer may send, its LF included.
constexpr std::size_t kMaxLinkFrame = 4096;

// One frame: the fields separated by TAB and ended by LF, with "%", TAB, CR
// and LF inside a field written as %25, %09, %0D and %0A.
std::string EncodeLinkFrame(const std::vector<std::string>& fields);

// The fields of one line without its LF (a CR before it is ignored); nothing
// when a "%" is not followed by two hexadecimal digits.
std::optional<std::vector<std::string>> DecodeLinkFrame(std::string_view line);

// Cuts a byte stream into frames. A frame longer than kMaxLinkFrame makes the
// whole stream unreadable from there on.
class LinkFrameSplitter {
public:
  void Append(const char* data, std::size_t size) { m_buffer.append(data, size); }
  // The next complete line without its LF, if one is there.
  std::optional<std::string> Next();
  bool Overlong() const { return m_overlong; }

private:
  std::string m_buffer;
  std::size_t m_scanned = 0;
  bool m_overlong = false;
};

}  // namespace korvix
