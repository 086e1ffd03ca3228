#include "publishing/web_log_tail.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "publishing/web_log_page.h"

namespace korvix {

namespace {

constexpr auto kLockPatience = std::chrono::milliseconds(1000);
constexpr auto kLockRetryPause = std::chrono::milliseconds(10);
constexpr std::size_t kReadBlock = 64 * 1024;

int OpenLocked(const std::string& path) {
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      if (errno != EINTR && std::chrono::steady_clock::now() - start > kLockPatience) return -1;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      return fd;
    } else {
      ::close(fd);
      if (std::chrono::steady_clock::now() - start > kLockPatience) return -1;
    }
    std::this_thread::sleep_for(kLockRetryPause);
  }
}

class Reader {
public:
  explicit Reader(int fd) : m_fd(fd) {}
  ~Reader() { ::close(m_fd); }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // Reads until `stop` is in the buffer or the file ends; false on an error.
  bool ReadUntil(std::string& out, char stop, uint64_t& count) {
    char c = 0;
    for (;;) {
      const ssize_t n = ::read(m_fd, &c, 1);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      if (n == 0) return true;
      ++count;
      out += c;
      if (c == stop) return true;
    }
  }

  bool ReadToEnd(std::string& out, uint64_t& count) {
    std::string block(kReadBlock, '\0');
    for (;;) {
      const ssize_t n = ::read(m_fd, block.data(), block.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      if (n == 0) return true;
      count += static_cast<uint64_t>(n);
      out.append(block.data(), static_cast<std::size_t>(n));
    }
  }

  bool Seek(uint64_t position) { return ::lseek(m_fd, static_cast<off_t>(position), SEEK_SET) >= 0; }

  int Fd() const { return m_fd; }

private:
  int m_fd;
};

}  // namespace

WebLogTail ReadWebLogTail(const std::string& path, int nth, int rows, int& linelen) {
  WebLogTail tail;
  const int fd = OpenLocked(path);
  if (fd < 0) {
    tail.status = WebLogTailStatus::OpenFailed;
    return tail;
  }
  Reader reader(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    tail.status = WebLogTailStatus::ReadFailed;
    return tail;
  }
  if (S_ISREG(info.st_mode) && info.st_size == 0) {
    tail.status = WebLogTailStatus::Empty;
    return tail;
  }
  if (!reader.ReadUntil(tail.header, '\n', tail.bytesread)) {
    tail.status = WebLogTailStatus::ReadFailed;
    return tail;
  }
  const int fields = WebLogFieldCount(tail.header);
  linelen = std::max(linelen, 9 * fields);
  const uint64_t size = static_cast<uint64_t>(std::max<off_t>(info.st_size, 0));
  const uint64_t headerend = tail.bytesread;
  const uint64_t tailsize = WebLogTailSize(linelen, fields, nth, rows);
  if (size > tailsize && size - tailsize > headerend) {
    std::string cut;
    if (!reader.Seek(size - tailsize) || !reader.ReadUntil(cut, '\n', tail.bytesread)) {
      tail.status = WebLogTailStatus::ReadFailed;
      return tail;
    }
  }
  if (!reader.ReadToEnd(tail.data, tail.bytesread)) {
    tail.status = WebLogTailStatus::ReadFailed;
    return tail;
  }
  // A header without LF is all the file holds.
  if (tail.header.empty() || tail.header.back() != '\n') tail.data.clear();
  linelen = std::max(linelen, LongestLineLength(tail.data));
  return tail;
}

}  // namespace korvix
