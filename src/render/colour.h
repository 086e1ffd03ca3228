#pragma once

#include <cstdint>

namespace korvix {

// Stored as the project file holds it: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr Colour Grey(int level) { return Rgb(level, level, level); }

constexpr int RedOf(Colour colour) { return static_cast<int>(colour & 0xFF); }
constexpr int GreenOf(Colour colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int BlueOf(Colour colour) { return static_cast<int>((colour >> 16) & 0xFF); }

}  // namespace korvix
