#include "render/face_cache.h"

namespace korvix {

namespace {

constexpr std::size_t kBytesPerPixel = 4;

std::string WithBackground(const std::string& key, Colour background) {
  std::string full = key;
  full.append(reinterpret_cast<const char*>(&background), sizeof background);
  return full;
}

std::size_t BytesOf(const std::string& key, const OffscreenPicture* picture) {
  return key.size() + (picture != nullptr ? picture->Bytes() : 0);
}

}  // namespace

// A drawing the context could not keep is remembered too, so that it is not
// tried again at every paint.
bool FaceCache::Draw(DeviceContext& dc, const std::string& key, const Rect& rect, Colour background,
                     const std::function<void(DeviceContext&)>& draw) {
  std::string full = WithBackground(key, background);
  const Point origin{rect.left, rect.top};
  if (const auto found = m_index.find(full); found != m_index.end()) {
    Entry& entry = *found->second;
    entry.paint = m_paint;
    m_entries.splice(m_entries.begin(), m_entries, found->second);
    return entry.picture != nullptr && dc.DrawPicture(*entry.picture, origin);
  }
  if (IsEmpty(rect)) return false;
  if (!SeenBefore(full)) return false;
  const std::size_t estimate = static_cast<std::size_t>(Width(rect)) * Height(rect) * kBytesPerPixel;
  if (!MakeRoom(estimate + full.size())) return false;
  std::unique_ptr<OffscreenPicture> picture = dc.MakePicture(rect, background, draw);
  const bool drawn = picture != nullptr && dc.DrawPicture(*picture, origin);
  if (picture != nullptr && !drawn) return false;
  const std::size_t bytes = BytesOf(full, picture.get());
  if (!MakeRoom(bytes)) return drawn;
  m_bytes += bytes;
  m_entries.push_front({full, std::move(picture), m_paint});
  m_index.emplace(std::move(full), m_entries.begin());
  return drawn;
}

// A picture costs a drawing into it and a copy out, so one is made only for a
// drawing that has come round a second time; a value that changes at every
// paint is drawn directly and never fills the budget with its old pictures.
bool FaceCache::SeenBefore(const std::string& key) {
  constexpr std::size_t kSeenLimit = 8192;
  const std::size_t hash = std::hash<std::string>{}(key);
  if (m_seen.erase(hash) != 0) return true;
  if (m_seen.size() >= kSeenLimit) m_seen.clear();
  m_seen.insert(hash);
  return false;
}

bool FaceCache::MakeRoom(std::size_t bytes) {
  if (bytes > m_budget) return false;
  while (m_bytes + bytes > m_budget) {
    if (m_entries.empty() || m_entries.back().paint == m_paint) return false;
    m_bytes -= BytesOf(m_entries.back().key, m_entries.back().picture.get());
    m_index.erase(m_entries.back().key);
    m_entries.pop_back();
  }
  return true;
}

}  // namespace korvix
