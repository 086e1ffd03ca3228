#pragma once

#include <curl/curl.h>

#include <atomic>

namespace korvix {

struct CurlTimeouts {
  long connectseconds = 20;
  // A transfer slower than one byte per second for this long is dead.
  long stallseconds = 30;
};

// libcurl's global set-up, done once for the whole program before the first
// transfer, whichever thread comes first.
void InitCurlOnce();

// Options every transfer of the program shares: its agent name, no signals
// (transfers run on worker threads), the time-outs, and `cancel` (may be
// null), watched during the transfer so that shutdown need not wait for it.
void ApplyCurlWorkerOptions(CURL* curl, const CurlTimeouts& timeouts, const std::atomic<bool>* cancel);

}  // namespace korvix
