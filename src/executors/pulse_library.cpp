#include "executors/pulse_library.h"

#include <mutex>

#include "platform/dynamic_symbol.h"

namespace korvix {

namespace {

constexpr char kPulseSimpleSoname[] = "libpulse-simple.so.0";

bool Load(PulseLibrary& library) {
  void* handle = dlopen(kPulseSimpleSoname, RTLD_NOW | RTLD_LOCAL);
  return handle != nullptr && ResolveSymbol(handle, "pa_simple_new", library.simplenew) &&
         ResolveSymbol(handle, "pa_simple_write", library.simplewrite) &&
         ResolveSymbol(handle, "pa_simple_drain", library.simpledrain) &&
         ResolveSymbol(handle, "pa_simple_free", library.simplefree);
}

}  // namespace

const PulseLibrary* LoadPulseLibrary() {
  static std::once_flag once;
  static PulseLibrary library{};
  static bool loaded = false;
  std::call_once(once, [] { loaded = Load(library); });
  return loaded ? &library : nullptr;
}

}  // namespace korvix
