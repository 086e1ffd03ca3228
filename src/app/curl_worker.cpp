#include "app/curl_worker.h"

#include <mutex>

namespace korvix {

namespace {

constexpr char kAgentName[] = "Korvix";

int WatchCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* cancel = static_cast<const std::atomic<bool>*>(user);
  return cancel != nullptr && cancel->load() ? 1 : 0;
}

}  // namespace

void InitCurlOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

void ApplyCurlWorkerOptions(CURL* curl, const CurlTimeouts& timeouts, const std::atomic<bool>* cancel) {
  curl_easy_setopt(curl, CURLOPT_USERAGENT, kAgentName);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, timeouts.connectseconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, timeouts.stallseconds);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &WatchCancel);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, cancel);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

}  // namespace korvix
