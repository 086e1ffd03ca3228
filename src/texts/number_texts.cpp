#include "texts/number_texts.h"

#include <algorithm>
#include <limits>

namespace korvix {
namespace {

constexpr uint64_t kMaxValue = 2147483647;  // the largest scaled integer
// Accumulators stop growing here: above kMaxValue, so the verdict "out of
// range" stands, and small enough that one more step (x 10 + 9, x 60, x 1000)
// cannot overflow 64 bits.
constexpr uint64_t kSaturated = uint64_t{1} << 32;
constexpr int kMaxDecimals = 1 << 20;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsOneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

bool AllOneOf(std::string_view text, std::string_view set) {
  return std::all_of(text.begin(), text.end(), [set](char c) { return IsOneOf(c, set); });
}

int ClampToInt(size_t count) { return static_cast<int>(std::min<size_t>(count, std::numeric_limits<int>::max())); }

void Saturate(uint64_t& acc) { acc = std::min(acc, kSaturated); }

// The value of a digit in the given base, or -1.
int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9')
    v = c - '0';
  else if (c >= 'A' && c <= 'F')
    v = c - 'A' + 10;
  else if (c >= 'a' && c <= 'f')
    v = c - 'a' + 10;
  return v < base ? v : -1;
}

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

uint64_t Magnitude(int64_t n) { return n < 0 ? static_cast<uint64_t>(-n) : static_cast<uint64_t>(n); }

std::string TwoDigits(uint64_t n) {
  return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

// The whole part of n / 10^d, truncated towards zero.
int64_t WholePart(int32_t n, int d) {
  int64_t whole = n;
  for (int i = 0; i < d && whole != 0; ++i) whole /= 10;
  return whole;
}

std::string FormatInBase(int32_t n, int d, unsigned base) {
  const int64_t whole = WholePart(n, d);
  uint64_t mag = Magnitude(whole);
  std::string digits;
  do {
    digits.push_back("0123456789ABCDEF"[mag % base]);
    mag /= base;
  } while (mag != 0);
  if (whole < 0) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace

int32_t NumberTexts::ParseNumberText(std::string_view text) {
  m_decimals = 0;
  if (text.empty()) return 0;

  size_t i = 0;
  const bool negative = text[0] == '-';
  if (negative) i = 1;
  uint64_t acc = 0;
  size_t colons = 0;
  // Any character outside "-:.0123456789" refuses the whole text; checked in
  // the same pass, as recorders parse every sample of their window.
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      acc = acc * 10 + static_cast<uint64_t>(c - '0');
    } else if (c == '.') {
      m_decimals = ClampToInt(text.size() - i - 1);
    } else if (c == ':') {
      ++colons;
      acc *= 6;
      if (i + 1 < text.size() && IsDigit(text[i + 1])) {
        ++i;
        acc += static_cast<uint64_t>(text[i] - '0');
      }
    } else if (c != '-') {  // a "-" after the first character is skipped
      m_decimals = 0;
      return 0;
    }
    Saturate(acc);
  }
  if (colons == 1) acc *= 60;
  if (acc > kMaxValue) {
    m_overflow = 1;
    return 0;
  }
  const auto value = static_cast<int32_t>(acc);
  return negative ? -value : value;
}

int32_t NumberTexts::ParseMilliText(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return 0;
  if (text[0] == '-') return 0;
  if (!AllOneOf(text, ":.0123456789")) return 0;

  uint64_t acc = 0;
  size_t colons = 0;
  size_t decimals = 0;
  bool point = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      acc = acc * 10 + static_cast<uint64_t>(c - '0');
      if (point) ++decimals;
    } else if (c == '.') {
      point = true;
      decimals = 0;
    } else {  // ':'
      ++colons;
      acc *= 6;
      if (i + 1 < text.size() && IsDigit(text[i + 1])) {
        ++i;
        acc += static_cast<uint64_t>(text[i] - '0');
        if (point) ++decimals;
      }
    }
    Saturate(acc);
  }
  if (colons == 1) acc *= 60;
  for (size_t d = decimals; d < 3; ++d) acc *= 10;
  if (acc > kMaxValue) {
    m_overflow = 1;
    return 0;
  }
  return static_cast<int32_t>(acc);
}

namespace {

int32_t ParseInBase(std::string_view text, int base, int& overflow) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  if (i == text.size()) return 0;
  uint64_t acc = 0;
  for (; i < text.size(); ++i) {
    const int v = DigitValue(text[i], base);
    if (v < 0) return 0;  // refused before any overflow is reported
    acc = acc * static_cast<uint64_t>(base) + static_cast<uint64_t>(v);
    Saturate(acc);
  }
  if (acc > kMaxValue) {
    overflow = 1;
    return 0;
  }
  const auto value = static_cast<int32_t>(acc);
  return negative ? -value : value;
}

}  // namespace

int32_t NumberTexts::ParseHexText(std::string_view text) {
  m_decimals = 0;
  return ParseInBase(text, 16, m_overflow);
}

int32_t NumberTexts::ParseBinaryText(std::string_view text) {
  m_decimals = 0;
  return ParseInBase(text, 2, m_overflow);
}

std::string FormatNumberText(int32_t n, int d) {
  const size_t decimals = static_cast<size_t>(std::clamp(d, 0, kMaxDecimals));
  uint64_t mag = Magnitude(n);
  std::string t(10, '0');
  for (size_t i = 10; i-- > 0 && mag != 0; mag /= 10) t[i] = static_cast<char>('0' + mag % 10);
  if (t.size() < decimals + 1) t.insert(0, decimals + 1 - t.size(), '0');
  if (decimals != 0) t.insert(t.size() - decimals, 1, '.');
  size_t start = 0;
  while (t.size() - start > 1 && t[start] == '0' && t[start + 1] != '.') ++start;
  std::string result = n < 0 ? "-" : "";
  result.append(t, start, std::string::npos);
  return result;
}

std::string FormatHexText(int32_t n, int d) { return FormatInBase(n, d, 16); }

std::string FormatBinaryText(int32_t n, int d) { return FormatInBase(n, d, 2); }

std::string FormatDuration(int32_t ms, int format) {
  switch (format) {
    case 4: return FormatNumberText(ms / 1000, 0);
    case 5: return FormatNumberText(ms / 100, 1);
    case 6: return FormatNumberText(ms / 10, 2);
    case 0:
    case 1:
    case 2:
    case 3: break;
    default: format = 1; break;
  }
  const uint64_t mag = Magnitude(ms);
  std::string text = ms < 0 ? "-" : "";
  if (format == 0) {
    const uint64_t minutes = mag / 60000;
    return text + std::to_string(minutes / 60) + ":" + TwoDigits(minutes % 60);
  }
  const uint64_t seconds = mag / 1000;
  text += std::to_string(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60);
  if (format == 2) text += "." + std::string(1, static_cast<char>('0' + mag / 100 % 10));
  if (format == 3) text += "." + TwoDigits(mag / 10 % 100);
  return text;
}

std::optional<std::string> CleanNumericText(std::string_view text, NumberFormat format) {
  if (text == "Error" || text == "Overflow") return std::nullopt;
  std::string_view allowed = "-.0123456789";
  std::string_view digits = "0123456789";
  switch (format) {
    case NumberFormat::Decimal: break;
    case NumberFormat::Hex:
      allowed = "-.0123456789abcdefABCDEF";
      digits = "0123456789abcdefABCDEF";
      break;
    case NumberFormat::Binary:
      allowed = "-.01";
      digits = "01";
      break;
    case NumberFormat::Time: allowed = ":.0123456789"; break;
  }
  std::string out;
  bool point = false;
  bool digit = false;
  for (const char c : text) {
    if (!IsOneOf(c, allowed)) continue;
    if (c == '-') {
      if (out.empty()) out.push_back(c);
      continue;
    }
    if (c == '.') {
      if (!point) out.push_back(c);
      point = true;
      continue;
    }
    if (IsOneOf(c, digits)) digit = true;
    out.push_back(c);
  }
  if (!digit) return std::nullopt;
  return out;
}

std::string PadNumberText(std::string_view text, std::string_view limit1, std::string_view limit2) {
  if (text.empty() || !AllOneOf(text, "-.0123456789")) return std::string(text);
  auto width = [](std::string_view s) { return s.size() - (!s.empty() && s[0] == '-' ? 1 : 0); };
  const size_t wanted = std::max(width(limit1), width(limit2));
  const bool negative = text[0] == '-';
  const std::string_view body = text.substr(negative ? 1 : 0);
  if (body.size() >= wanted) return std::string(text);
  std::string out = negative ? "-" : "";
  out.append(wanted - body.size(), '0');
  out.append(body);
  return out;
}

std::string ZeroTextLike(std::string_view text) {
  const size_t point = text.rfind('.');
  if (point == std::string_view::npos) return "0";
  return "0." + std::string(text.size() - point - 1, '0');
}

}  // namespace korvix
