#include "app/curl_http_fetcher.h"

#include <memory>

#include "platform/curl_library.h"

namespace korvix {

namespace {

constexpr char kAgentName[] = "Korvix";

struct Transfer {
  const FetchSink* sink;
  const std::atomic<bool>* cancel;
  bool stopped = false;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t bytes = size * count;
  if (!(*transfer->sink)(data, bytes)) {
    transfer->stopped = true;
    return 0;
  }
  return bytes;
}

int WatchCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* transfer = static_cast<Transfer*>(user);
  return transfer->cancel && transfer->cancel->load() ? 1 : 0;
}

}  // namespace

CurlHttpFetcher::CurlHttpFetcher(const std::atomic<bool>* cancel, FetchTimeouts timeouts)
    : m_cancel(cancel), m_timeouts(timeouts) {}

FetchResult CurlHttpFetcher::Fetch(const std::string& url, const FetchSink& sink) {
  std::string loaderror;
  const CurlLibrary* lib = LoadCurlLibrary(loaderror);
  if (lib == nullptr) return {FetchStatus::Failed, "libcurl could not be loaded: " + loaderror};
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(lib->easyinit(), lib->easycleanup);
  if (!curl) return {FetchStatus::Failed, "libcurl could not start a transfer"};
  Transfer transfer{&sink, m_cancel};
  CURL* h = curl.get();
  lib->easysetopt(h, CURLOPT_URL, url.c_str());
  lib->easysetopt(h, CURLOPT_USERAGENT, kAgentName);
  lib->easysetopt(h, CURLOPT_PROTOCOLS_STR, "https,http");
  lib->easysetopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  lib->easysetopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "https");
  lib->easysetopt(h, CURLOPT_MAXREDIRS, 5L);
  lib->easysetopt(h, CURLOPT_FAILONERROR, 1L);
  lib->easysetopt(h, CURLOPT_NOSIGNAL, 1L);
  lib->easysetopt(h, CURLOPT_CONNECTTIMEOUT, m_timeouts.connectseconds);
  lib->easysetopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  lib->easysetopt(h, CURLOPT_LOW_SPEED_TIME, m_timeouts.stallseconds);
  // The release page must never come from a cache.
  curl_slist* headers = lib->slistappend(nullptr, "Cache-Control: no-cache");
  headers = lib->slistappend(headers, "Pragma: no-cache");
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerlist(headers, lib->slistfreeall);
  lib->easysetopt(h, CURLOPT_HTTPHEADER, headerlist.get());
  lib->easysetopt(h, CURLOPT_WRITEFUNCTION, &WriteBody);
  lib->easysetopt(h, CURLOPT_WRITEDATA, &transfer);
  lib->easysetopt(h, CURLOPT_XFERINFOFUNCTION, &WatchCancel);
  lib->easysetopt(h, CURLOPT_XFERINFODATA, &transfer);
  lib->easysetopt(h, CURLOPT_NOPROGRESS, 0L);

  const CURLcode code = lib->easyperform(h);
  if (code == CURLE_OK) return {FetchStatus::Complete, {}};
  if (transfer.stopped) return {FetchStatus::Stopped, {}};
  if (code == CURLE_ABORTED_BY_CALLBACK) return {FetchStatus::Cancelled, {}};
  return {FetchStatus::Failed, lib->easystrerror(code)};
}

}  // namespace korvix
