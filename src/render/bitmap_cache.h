#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "render/bitmap.h"

namespace korvix {

// The decoded bitmaps of page backgrounds and Image Boxes by file name, each
// file read once. The loader comes from the side that can decode files.
class BitmapCache {
public:
  // No value when the file is missing or is no readable bitmap.
  using Loader = std::function<std::optional<Bitmap>(const std::string& file)>;

  explicit BitmapCache(Loader loader) : m_loader(std::move(loader)) {}

  // Null for an empty name and for a file that did not load; a failed file is
  // not tried again until Clear.
  const Bitmap* Get(const std::string& file);

  // Forgets every bitmap, so that the next use reads the files again (a
  // project was opened, a file was chosen anew).
  void Clear() { m_bitmaps.clear(); }
  // Forgets one file, which was chosen anew and may have changed since.
  void Forget(const std::string& file);

private:
  Loader m_loader;
  std::map<std::string, std::optional<Bitmap>, std::less<>> m_bitmaps;
};

}  // namespace korvix
