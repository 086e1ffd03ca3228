#pragma once

#include <atomic>

#include "app/curl_worker.h"
#include "app/http_fetch.h"

namespace korvix {

using FetchTimeouts = CurlTimeouts;

// Fetches through libcurl with the program's worker options; redirects may only
// lead to secure addresses. `cancel` (may be null) is watched during the
// transfer so that shutdown need not wait for a slow download.
class CurlHttpFetcher final : public HttpFetcher {
public:
  explicit CurlHttpFetcher(const std::atomic<bool>* cancel = nullptr, FetchTimeouts timeouts = {});
  FetchResult Fetch(const std::string& url, const FetchSink& sink) override;

private:
  const std::atomic<bool>* m_cancel;
  FetchTimeouts m_timeouts;
};

}  // namespace korvix
