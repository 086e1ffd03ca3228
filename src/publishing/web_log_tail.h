#pragma once

#include <cstdint>
#include <string>

namespace korvix {

enum class WebLogTailStatus { Read, Empty, OpenFailed, ReadFailed };

struct WebLogTail {
  WebLogTailStatus status = WebLogTailStatus::Read;
  std::string header;  // up to and including its LF
  std::string data;    // whole lines after the header, the cut line dropped
  uint64_t bytesread = 0;
};

// Reads the header and the newest rows of the data log, holding the log's
// lock against the writer while it reads; a lock held elsewhere is tried
// again for up to a second. The file is never created or written.
// `linelen` is the longest line seen so far, raised by what is read here.
WebLogTail ReadWebLogTail(const std::string& path, int nth, int rows, int& linelen);

}  // namespace korvix
