#include "app/curl_worker.h"

namespace korvix {

namespace {

constexpr char kAgentName[] = "Korvix";

int WatchCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* cancel = static_cast<const std::atomic<bool>*>(user);
  return cancel != nullptr && cancel->load() ? 1 : 0;
}

}  // namespace

const CurlLibrary* InitCurlOnce(std::string& error) { return LoadCurlLibrary(error); }

void ApplyCurlWorkerOptions(const CurlLibrary& lib, CURL* curl, const CurlTimeouts& timeouts,
                            const std::atomic<bool>* cancel) {
  lib.easysetopt(curl, CURLOPT_USERAGENT, kAgentName);
  lib.easysetopt(curl, CURLOPT_NOSIGNAL, 1L);
  lib.easysetopt(curl, CURLOPT_CONNECTTIMEOUT, timeouts.connectseconds);
  lib.easysetopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  lib.easysetopt(curl, CURLOPT_LOW_SPEED_TIME, timeouts.stallseconds);
  // The speed check watches the data only; the replies around it (the login,
  // and the one that confirms the upload after the last byte) would each be
  // awaited for libcurl's own minute.
  lib.easysetopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeouts.stallseconds);
  lib.easysetopt(curl, CURLOPT_XFERINFOFUNCTION, &WatchCancel);
  lib.easysetopt(curl, CURLOPT_XFERINFODATA, cancel);
  lib.easysetopt(curl, CURLOPT_NOPROGRESS, 0L);
}

}  // namespace korvix
