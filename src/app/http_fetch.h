#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace korvix {

enum class FetchStatus {
  Complete,   // the whole body went to the sink
  Stopped,    // the sink asked for no more
  Failed,     // network, server or time-out failure
  Cancelled,  // the program is shutting down
};

struct FetchResult {
  FetchStatus status = FetchStatus::Failed;
  std::string error;  // why, when Failed
};

// Receives the body in pieces as it arrives; false stops the transfer.
using FetchSink = std::function<bool(const char* data, size_t size)>;

// Fetches one address, always fresh from the server. Implementations must
// give up on a server that stops answering, and answer an HTTP error status
// as Failed rather than hand its error page to the sink.
class HttpFetcher {
public:
  virtual ~HttpFetcher() = default;
  virtual FetchResult Fetch(const std::string& url, const FetchSink& sink) = 0;
};

}  // namespace korvix
