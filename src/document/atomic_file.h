#pragma once

#include <string>
#include <string_view>

namespace korvix {

// Where a failed atomic write stopped: before any byte could be written, or
// while writing, flushing or renaming (the old contents stay either way).
enum class AtomicWriteStage { Done, Create, Write };

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`, so `path` always holds either the old or the new
// contents. Returns an empty text on success, else why it failed; `stage`,
// when given, tells where.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicWriteStage* stage = nullptr);

}  // namespace korvix
