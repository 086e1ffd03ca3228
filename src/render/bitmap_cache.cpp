#include "render/bitmap_cache.h"

namespace korvix {

const Bitmap* BitmapCache::Get(const std::string& file) {
  if (file.empty()) return nullptr;
  auto found = m_bitmaps.find(file);
  if (found == m_bitmaps.end()) found = m_bitmaps.emplace(file, m_loader(file)).first;
  return found->second ? &*found->second : nullptr;
}

void BitmapCache::Forget(const std::string& file) {
  if (const auto found = m_bitmaps.find(file); found != m_bitmaps.end()) m_bitmaps.erase(found);
}

}  // namespace korvix
