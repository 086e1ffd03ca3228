#pragma once

#include <optional>
#include <string>

#include "render/bitmap.h"

namespace korvix {

// Reads a .bmp file, palette-based or not; no value when the file is missing
// or is not a readable bitmap.
std::optional<Bitmap> LoadBitmapFile(const std::string& path);

}  // namespace korvix
