// Feeds arbitrary bytes to the module simulator's configuration reader, and
// has every module a configuration accepts answer a few commands.

#include <cstddef>
#include <cstdint>
#include <string>

#include "daqsim/module_bank.h"
#include "daqsim/sim_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const korvix::daqsim::ConfigResult result =
      korvix::daqsim::ParseConfig(std::string(reinterpret_cast<const char*>(data), size));
  if (!result.config) {
    return 0;
  }
  korvix::daqsim::ModuleBank bank(*result.config);
  for (int slot = 0; slot < korvix::daqsim::kModuleSlots; ++slot) {
    const char address = korvix::daqsim::AddressOf(slot);
    for (const char* command : {"RD", "RT", "SO 1.5", "X"}) {
      bank.CommandStarted(address);
      bank.CommandEnded(std::string(1, address) + command, false, 1234.5);
      bank.StreamChunk();
    }
  }
  return 0;
}
