#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "render/device_context.h"

namespace korvix {

// Pictures of objects as they were last drawn, so that a repaint which finds
// an object unchanged copies its picture instead of drawing it again. A key
// names everything a drawing depends on; a changed object has a new key and
// its old picture is never shown again. The pictures together stay within a
// budget of bytes: those drawn least recently go first, but never one that
// the current paint has drawn, so a page larger than the budget keeps what
// fits and draws the rest directly rather than making pictures in turn.
class FaceCache {
public:
  static constexpr std::size_t kDefaultBudget = std::size_t{32} << 20;

  explicit FaceCache(std::size_t budget = kDefaultBudget) : m_budget(budget) {}

  // Starts a paint: the pictures drawn so far become the first to go.
  void StartPaint() { ++m_paint; }

  // Draws the picture kept under key (with the background it was made over)
  // at rect's top-left corner, first making it with draw when there is none.
  // False when nothing was drawn: the context keeps no pictures, cannot keep
  // this drawing or has no room for it; the caller draws directly.
  bool Draw(DeviceContext& dc, const std::string& key, const Rect& rect, Colour background,
            const std::function<void(DeviceContext&)>& draw);

  // The pictures' pixels and their keys.
  std::size_t Bytes() const { return m_bytes; }
  std::size_t Count() const { return m_entries.size(); }

private:
  struct Entry {
    std::string key;
    std::unique_ptr<OffscreenPicture> picture;
    std::uint64_t paint = 0;
  };

  bool SeenBefore(const std::string& key);
  bool MakeRoom(std::size_t bytes);

  std::size_t m_budget;
  std::size_t m_bytes = 0;
  std::uint64_t m_paint = 0;
  std::list<Entry> m_entries;  // most recently drawn first
  std::unordered_map<std::string, std::list<Entry>::iterator> m_index;
  std::unordered_set<std::size_t> m_seen;  // keys drawn directly once
};

}  // namespace korvix
