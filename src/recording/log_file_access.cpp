#include "recording/log_file_access.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace korvix {

int PosixLogFileAccess::OpenExclusive(const std::string& path, int& handle) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    ::close(fd);
    return error;
  }
  handle = fd;
  return 0;
}

int PosixLogFileAccess::SeekEnd(int handle, int64_t& position) {
  const off_t end = ::lseek(handle, 0, SEEK_END);
  if (end < 0) return errno;
  position = end;
  return 0;
}

int PosixLogFileAccess::Write(int handle, const char* data, std::size_t size, std::size_t& written) {
  written = 0;
  while (written < size) {
    const ssize_t n = ::write(handle, data + written, size - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return ENOSPC;
    written += static_cast<std::size_t>(n);
  }
  return 0;
}

int PosixLogFileAccess::Truncate(int handle, int64_t length) {
  if (::ftruncate(handle, length) != 0) return errno;
  // Writes go on at the end again, wherever the cut left it.
  return ::lseek(handle, length, SEEK_SET) < 0 ? errno : 0;
}

int PosixLogFileAccess::Sync(int handle) { return ::fsync(handle) != 0 ? errno : 0; }

int PosixLogFileAccess::Close(int handle) { return ::close(handle) != 0 ? errno : 0; }

bool IsDiskFull(int error) { return error == ENOSPC || error == EDQUOT; }

}  // namespace korvix
