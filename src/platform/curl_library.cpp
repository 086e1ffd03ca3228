#include "platform/curl_library.h"

#include <dlfcn.h>

#include <mutex>

#include "platform/dynamic_symbol.h"

namespace korvix {

namespace {

constexpr char kCurlSoname[] = "libcurl.so.4";

struct Loaded {
  CurlLibrary library{};
  bool ok = false;
  std::string error;
};

Loaded Load() {
  Loaded loaded;
  void* handle = dlopen(kCurlSoname, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    loaded.error = reason != nullptr ? reason : kCurlSoname;
    return loaded;
  }
  CurlLibrary& l = loaded.library;
  loaded.ok = ResolveSymbol(handle, "curl_global_init", l.globalinit) &&
              ResolveSymbol(handle, "curl_easy_init", l.easyinit) &&
              ResolveSymbol(handle, "curl_easy_cleanup", l.easycleanup) &&
              ResolveSymbol(handle, "curl_easy_setopt", l.easysetopt) &&
              ResolveSymbol(handle, "curl_easy_perform", l.easyperform) &&
              ResolveSymbol(handle, "curl_easy_reset", l.easyreset) &&
              ResolveSymbol(handle, "curl_easy_strerror", l.easystrerror) &&
              ResolveSymbol(handle, "curl_slist_append", l.slistappend) &&
              ResolveSymbol(handle, "curl_slist_free_all", l.slistfreeall);
  if (!loaded.ok) {
    loaded.error = std::string(kCurlSoname) + " lacks an entry point";
    return loaded;
  }
  if (l.globalinit(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    loaded.ok = false;
    loaded.error = "libcurl could not be initialised";
  }
  return loaded;
}

}  // namespace

const CurlLibrary* LoadCurlLibrary(std::string& error) {
  static std::once_flag once;
  static Loaded loaded;
  std::call_once(once, [] { loaded = Load(); });
  error = loaded.error;
  return loaded.ok ? &loaded.library : nullptr;
}

}  // namespace korvix
