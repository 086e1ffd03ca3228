#include "texts/label_texts.h"

namespace korvix {
namespace {

char FoldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool LabelsEqual(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  bool any = false;
  for (;;) {
    while (i < a.size() && a[i] == ' ') ++i;
    while (j < b.size() && b[j] == ' ') ++j;
    if (i == a.size() || j == b.size()) return any && i == a.size() && j == b.size();
    if (FoldCase(a[i]) != FoldCase(b[j])) return false;
    any = true;
    ++i;
    ++j;
  }
}

std::string ExpandCharCodes(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '[') {
      size_t j = i + 1;
      unsigned value = 0;
      size_t digits = 0;
      while (j < text.size() && digits < 4 && IsDigit(text[j])) {
        value = value * 10 + static_cast<unsigned>(text[j] - '0');
        ++digits;
        ++j;
      }
      if (digits >= 1 && digits <= 3 && value <= 255 && j < text.size() && text[j] == ']') {
        out.push_back(static_cast<char>(value));
        i = j + 1;
        continue;
      }
    }
    out.push_back(text[i]);
    ++i;
  }
  return out;
}

}  // namespace korvix
