// Feeds arbitrary bytes to the profile reader, as a damaged or hand-edited
// profile file would.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  const korvix::ProfileSections sections = korvix::ParseProfileText(in);
  for (const auto& [name, keys] : sections) {
    for (const auto& [key, value] : keys) {
      if (key.find('\n') != std::string::npos || value.find('\n') != std::string::npos) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
