#pragma once

#include <curl/curl.h>

#include <atomic>
#include <string>

#include "platform/curl_library.h"

namespace korvix {

struct CurlTimeouts {
  long connectseconds = 20;
  // A transfer slower than one byte per second for this long is dead, and
  // so is a server that leaves a command this long without its reply.
  long stallseconds = 30;
};

// libcurl, loaded and set up once for the whole program by the first
// transfer, whichever thread comes first; null, with the reason in `error`,
// when it cannot be loaded.
const CurlLibrary* InitCurlOnce(std::string& error);

// Options every transfer of the program shares: its agent name, no signals
// (transfers run on worker threads), the time-outs, and `cancel` (may be
// null), watched during the transfer so that shutdown need not wait for it.
void ApplyCurlWorkerOptions(const CurlLibrary& lib, CURL* curl, const CurlTimeouts& timeouts,
                            const std::atomic<bool>* cancel);

}  // namespace korvix
