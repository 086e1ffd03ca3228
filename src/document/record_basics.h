#pragma once

#include <array>
#include <cstdint>

namespace korvix {

// Raw bytes that a record carries through the project file unchanged.
using Block16 = std::array<std::uint8_t, 16>;
using Block8 = std::array<std::uint8_t, 8>;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Colour values are 0x00BBGGRR.
constexpr int Rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }

constexpr int kColorBlack = Rgb(0, 0, 0);
constexpr int kColorWhite = Rgb(255, 255, 255);
constexpr int kColorRed = Rgb(255, 0, 0);
constexpr int kColorYellow = Rgb(255, 255, 0);
constexpr int kColorBlue = Rgb(0, 0, 255);
constexpr int kColorSilver = Rgb(192, 192, 192);
constexpr int kColorNavy = Rgb(0, 0, 128);

constexpr int kDefaultSizeCode = 28;
constexpr const char* kDefaultTitle = "TITLE";
constexpr const char* kDefaultUnits = "UNITS";
constexpr const char* kDefaultMultiplier = "1.000";
constexpr int kNoLogColumn = -1;
constexpr int kDefaultPageColor = kColorWhite;

}  // namespace korvix
