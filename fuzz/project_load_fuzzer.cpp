// Feeds arbitrary bytes to the project loader. Whatever loads must store and
// load again to the very same bytes.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/project_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  korvix::CKorvixDoc doc;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!korvix::LoadProject(bytes, doc).Ok()) {
    return 0;
  }
  const std::string stored = korvix::StoreProject(doc);
  korvix::CKorvixDoc again;
  if (!korvix::LoadProject(stored, again).Ok() || korvix::StoreProject(again) != stored) {
    __builtin_trap();
  }
  return 0;
}
