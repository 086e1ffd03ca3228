#include "document/scrambler.h"

#include <array>
#include <cstddef>

namespace korvix {

namespace {

constexpr int kLetters = 26;
// Multipliers coprime to 26, so every table is a permutation.
constexpr std::array<int, 12> kMultipliers = {7, 11, 3, 17, 5, 19, 9, 23, 15, 21, 25, 1};

using Table = std::array<int, kLetters>;

Table SubstitutionFor(std::size_t length) {
  const int multiplier = kMultipliers[length % kMultipliers.size()];
  const int shift = 1 + static_cast<int>((length * 7) % (kLetters - 1));
  Table table{};
  for (int i = 0; i < kLetters; ++i) {
    table[static_cast<std::size_t>(i)] = (multiplier * i + shift) % kLetters;
  }
  return table;
}

Table Inverse(const Table& table) {
  Table inverse{};
  for (int i = 0; i < kLetters; ++i) {
    inverse[static_cast<std::size_t>(table[static_cast<std::size_t>(i)])] = i;
  }
  return inverse;
}

std::string Substitute(std::string_view text, const Table& table) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>('a' + table[static_cast<std::size_t>(c - 'a')]);
    } else if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>('A' + table[static_cast<std::size_t>(c - 'A')]);
    }
  }
  return result;
}

}  // namespace

std::string Scramble(std::string_view text) { return Substitute(text, SubstitutionFor(text.size())); }

std::string Descramble(std::string_view text) { return Substitute(text, Inverse(SubstitutionFor(text.size()))); }

}  // namespace korvix
