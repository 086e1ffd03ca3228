#include "app/curl_http_fetcher.h"

#include <curl/curl.h>
#include <memory>

namespace korvix {

namespace {

struct Transfer {
  const FetchSink* sink;
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

}  // namespace

CurlHttpFetcher::CurlHttpFetcher(const std::atomic<bool>* cancel, FetchTimeouts timeouts)
    : m_cancel(cancel), m_timeouts(timeouts) {
  InitCurlOnce();
}

FetchResult CurlHttpFetcher::Fetch(const std::string& url, const FetchSink& sink) {
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) return {FetchStatus::Failed, "libcurl could not start a transfer"};
  Transfer transfer{&sink};
  CURL* h = curl.get();
  ApplyCurlWorkerOptions(h, m_timeouts, m_cancel);
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "https,http");
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "https");
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L);
  // The release page must never come from a cache.
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  headers = curl_slist_append(headers, "Pragma: no-cache");
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerlist(headers, &curl_slist_free_all);
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, headerlist.get());
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &WriteBody);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &transfer);

  const CURLcode code = curl_easy_perform(h);
  if (code == CURLE_OK) return {FetchStatus::Complete, {}};
  if (transfer.stopped) return {FetchStatus::Stopped, {}};
  if (code == CURLE_ABORTED_BY_CALLBACK) return {FetchStatus::Cancelled, {}};
  return {FetchStatus::Failed, curl_easy_strerror(code)};
}

}  // namespace korvix
