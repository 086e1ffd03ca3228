#pragma once

#include <dlfcn.h>

namespace korvix {

// Points `function` at the entry point `name` of a library opened with
// dlopen; false when the library lacks it.
template <class Function>
bool ResolveSymbol(void* handle, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  return function != nullptr;
}

}  // namespace korvix
