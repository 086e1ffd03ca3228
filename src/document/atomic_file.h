#pragma once

#include <string>
#include <string_view>

namespace korvix {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`, so `path` always holds either the old or the new
// contents. Returns an empty text on success, else why it failed.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace korvix
