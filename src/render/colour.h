#pragma once

#include <cstdint>

// Rgb comes with the records, whose colour fields hold the same values.
#include "document/record_basics.h"

namespace korvix {

// 0x00BBGGRR, red in the low byte, as the project file holds it.
using Colour = std::uint32_t;

constexpr Colour Grey(int level) { return static_cast<Colour>(Rgb(level, level, level)); }

constexpr int RedOf(Colour colour) { return static_cast<int>(colour & 0xFF); }
constexpr int GreenOf(Colour colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int BlueOf(Colour colour) { return static_cast<int>((colour >> 16) & 0xFF); }

}  // namespace korvix
