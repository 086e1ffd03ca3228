#pragma once

#include <curl/curl.h>

#include <string>

namespace korvix {

// The libcurl entry points that transfers use. libcurl is loaded when the
// first transfer starts, not with the program: it brings TLS and directory
// libraries whose start-up costs megabytes of memory that a program which
// never checks for updates would carry for nothing.
struct CurlLibrary {
  decltype(&curl_global_init) globalinit;
  decltype(&curl_easy_init) easyinit;
  decltype(&curl_easy_cleanup) easycleanup;
  decltype(&curl_easy_setopt) easysetopt;
  decltype(&curl_easy_perform) easyperform;
  decltype(&curl_easy_reset) easyreset;
  decltype(&curl_easy_strerror) easystrerror;
  decltype(&curl_slist_append) slistappend;
  decltype(&curl_slist_free_all) slistfreeall;
};

// Loads and initialises libcurl once; null, with the reason in error, when
// it cannot be loaded.
const CurlLibrary* LoadCurlLibrary(std::string& error);

}  // namespace korvix
