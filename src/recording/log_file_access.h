#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvix {

// The few file operations the data log needs, each returning 0 or an errno
// value, so that tests can stand in a disk that fills up half way.
class LogFileAccess {
public:
  virtual ~LogFileAccess() = default;

  // Opens `path` for writing, creating it when missing and keeping its
  // contents, held exclusively against every other exclusive opener (another
  // thread of ours included) until Close. EWOULDBLOCK while someone holds it.
  virtual int OpenExclusive(const std::string& path, int& handle) = 0;
  virtual int SeekEnd(int handle, int64_t& position) = 0;
  // Writes what it can; `written` tells how much even on failure.
  virtual int Write(int handle, const char* data, std::size_t size, std::size_t& written) = 0;
  virtual int Truncate(int handle, int64_t length) = 0;
  virtual int Sync(int handle) = 0;
  virtual int Close(int handle) = 0;
};

// Files on the local system, held with flock: the lock belongs to the open
// file, so a second open in this very process is refused as well.
class PosixLogFileAccess final : public LogFileAccess {
public:
  int OpenExclusive(const std::string& path, int& handle) override;
  int SeekEnd(int handle, int64_t& position) override;
  int Write(int handle, const char* data, std::size_t size, std::size_t& written) override;
  int Truncate(int handle, int64_t length) override;
  int Sync(int handle) override;
  int Close(int handle) override;
};

// A write that failed because the disk (or the user's quota) is full.
bool IsDiskFull(int error);

}  // namespace korvix
