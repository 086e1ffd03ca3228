#include "platform/unique_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <random>

namespace korvix {

namespace {

constexpr char kNameLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kRandomLength = 6;
// The ending tells our temporaries from a user's own NAME.backup and the like.
constexpr char kTemporaryEnding[] = ".tmp";
constexpr size_t kEndingLength = sizeof kTemporaryEnding - 1;
constexpr int kAttempts = 100;

bool IsNameLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

int CreateFileBeside(const std::string& path, mode_t mode, std::string& temp) {
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uniform_int_distribution<size_t> letter(0, sizeof kNameLetters - 2);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    temp = path + '.';
    for (size_t i = 0; i < kRandomLength; ++i) temp += kNameLetters[letter(random)];
    temp += kTemporaryEnding;
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool IsTemporaryName(const std::string& name, const std::string& base) {
  if (name.size() != base.size() + 1 + kRandomLength + kEndingLength || name.compare(0, base.size(), base) != 0 ||
      name[base.size()] != '.' || name.compare(name.size() - kEndingLength, kEndingLength, kTemporaryEnding) != 0) {
    return false;
  }
  for (size_t i = base.size() + 1; i < base.size() + 1 + kRandomLength; ++i) {
    if (!IsNameLetter(name[i])) return false;
  }
  return true;
}

bool WriteAllBytes(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace korvix
