#include "properties/value_fields.h"

#include <algorithm>
#include <iterator>

namespace korvix {

namespace {

constexpr int kBaseCount = static_cast<int>(kBaseNames.size());

}  // namespace

int BaseIndex(int base) { return base >= 0 && base < kBaseCount ? base : -1; }

int BaseFromIndex(int index, int current) { return index >= 0 && index < kBaseCount ? index : current; }

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return c != ' '; });
  return kept;
}

std::string ScaleEntry(std::string_view text) {
  std::string kept = WithoutBlanks(text);
  // ASCII only: a Latin-1 letter is refused by the base's character set
  // anyway, and must reach that check as typed.
  for (char& c : kept)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return kept;
}

}  // namespace korvix
