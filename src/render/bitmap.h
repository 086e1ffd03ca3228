#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "render/colour.h"

namespace korvix {

// A decoded picture: width x height pixels, rows top-down, each a 0xFFRRGGBB
// word, the layout a screen surface takes as it is, so drawing a page
// background costs no conversion.
class Bitmap {
public:
  Bitmap(int width, int height, std::vector<std::uint32_t> pixels)
      : m_width(width), m_height(height), m_pixels(std::move(pixels)) {}

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  const std::uint32_t* Pixels() const { return m_pixels.data(); }

  Colour ColourAt(int x, int y) const {
    const std::uint32_t argb = m_pixels[static_cast<std::size_t>(y) * m_width + x];
    return Rgb(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
               static_cast<int>(argb & 0xFF));
  }

private:
  int m_width;
  int m_height;
  std::vector<std::uint32_t> m_pixels;
};

// Why a bitmap file gave no picture.
enum class BitmapFault { Missing, NotBitmap };

// A bitmap file's picture, or why there is none.
struct BitmapRead {
  std::optional<Bitmap> bitmap;
  BitmapFault fault = BitmapFault::NotBitmap;
};

}  // namespace korvix
