#pragma once

#include <cstddef>

namespace korvix {

// Pixels a device context keeps aside to copy onto itself again, so that a
// drawing repeated unchanged costs one copy. Only the kind of context that
// made a picture can draw it.
class OffscreenPicture {
public:
  virtual ~OffscreenPicture() = default;
  virtual std::size_t Bytes() const = 0;
};

}  // namespace korvix
