#pragma once

#include <pulse/simple.h>

namespace korvix {

// The entry points of the simple sound-server client that playing a sound
// needs. The client is loaded when the first sound plays, not with the
// program: it brings the sound server's client library and a dozen audio
// codecs, a megabyte of memory that a project without sounds would carry
// for nothing.
struct PulseLibrary {
  decltype(&pa_simple_new) simplenew;
  decltype(&pa_simple_write) simplewrite;
  decltype(&pa_simple_drain) simpledrain;
  decltype(&pa_simple_free) simplefree;
};

// Loads the client once; null when it is not installed.
const PulseLibrary* LoadPulseLibrary();

}  // namespace korvix
