#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "document/korvix_doc.h"
#include "document/load_result.h"

namespace korvix {

// The program version that stored files carry.
constexpr const char* kProgramVersionText = "15.61";

// The bytes of the project file for `doc`. Marks the document as stored by
// this version (file version, double size factors).
std::string StoreProject(CKorvixDoc& doc);

// Reads a project file's bytes. On success the project replaces the one in
// `doc` (its path name and installation folder stay); on any failure `doc`
// keeps the project it held, and a newer-version refusal sets its
// load-failed flag.
LoadResult LoadProject(std::string_view bytes, CKorvixDoc& doc);

struct SaveResult {
  bool ok = true;
  std::string message;
};

// Save: stores the project beside `path` and renames it over `path` once it
// is safely on disk; then the document takes the path and is unmodified.
SaveResult SaveProjectFile(CKorvixDoc& doc, const std::string& path);

// Texts have no length in the file but their own 4-byte one, so no size
// follows from the capacities alone: every list at its limit stores about
// 93 MiB with its 13 million texts empty, and this bound leaves room for
// such a project with texts of some 70 characters each. A larger file (or a
// device that never ends) is refused before it is read into memory.
inline constexpr size_t kMaxProjectFileBytes = size_t{1} << 30;

// Open: reads `path` and loads it; a FIFO, folder or device is refused as
// not a file. On success the document takes the path and is unmodified.

LoadResult OpenProjectFile(const std::string& path, CKorvixDoc& doc);

}  // namespace korvix
