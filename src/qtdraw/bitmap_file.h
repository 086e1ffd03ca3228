#pragma once

#include <optional>
#include <string>

#include "render/bitmap.h"

namespace korvix {

// Reads a .bmp file, palette-based or not, by the name a project holds: a
// relative name is taken from the current directory, and "\" separates
// folders as "/" does, since projects come from a system that writes it.
BitmapRead ReadBitmapFile(const std::string& path);

// The picture alone; no value when the file is missing or is not a readable
// bitmap.
std::optional<Bitmap> LoadBitmapFile(const std::string& path);

}  // namespace korvix
