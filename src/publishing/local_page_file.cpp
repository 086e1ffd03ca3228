#include "publishing/local_page_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace korvix {

namespace {

constexpr auto kLockPatience = std::chrono::milliseconds(1000);
constexpr auto kLockRetryPause = std::chrono::milliseconds(10);

int OpenLocked(const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
      if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
      ::close(fd);
    }
    if (std::chrono::steady_clock::now() - start > kLockPatience) return -1;
    std::this_thread::sleep_for(kLockRetryPause);
  }
}

}  // namespace

LocalPageStatus WriteLocalPage(const std::string& path, const std::string& text) {
  const int fd = OpenLocked(path);
  if (fd < 0) return LocalPageStatus::NotCreated;
  bool written = ::ftruncate(fd, 0) == 0;
  for (std::size_t done = 0; written && done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      written = false;
    else
      done += static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) written = false;
  return written ? LocalPageStatus::Written : LocalPageStatus::WriteFailed;
}

}  // namespace korvix
