#include "platform/text_mem_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace korvix {

namespace {

constexpr const char* kFileAccessCaption = "File Access Error";
constexpr const char* kUnexpectedEndText = "Unexpected end of m_memfile.";
constexpr uint32_t kOpenRetryMs = 1000;
constexpr uint32_t kOpenRetryPauseMs = 5;
constexpr std::size_t kBlockSize = 64 * 1024;
constexpr int64_t kTooLargeSize = int64_t{1} << 31;
constexpr char kEsc = 27;

std::string CouldNotOpen(const std::string& name) { return "The file " + name + " could not be opened."; }
std::string TooLarge(const std::string& name) { return "The file " + name + " is too large to load into memory."; }
std::string ReadError(const std::string& name) { return "Error while reading from file " + name; }

bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsWhite(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsWhite(text.back())) text.remove_suffix(1);
  return text;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
    result.append(text, start, at - start);
    result.append(to);
    start = at + from.size();
  }
  result.append(text, start, std::string::npos);
  text = std::move(result);
}

std::string FinishField(std::string_view gathered) {
  std::string field(Trim(gathered));
  if (field.find(kEsc) == std::string::npos) return field;
  ReplaceAll(field, std::string_view(&kEsc, 1), "\r\n");
  ReplaceAll(field, " \r\n", "\r\n");
  ReplaceAll(field, "\r\n ", "\r\n");
  return field;
}

// A lock another opener holds may be let go soon; nothing else clears by
// waiting, so only that is retried.
bool WorthRetrying(int error) { return error == EWOULDBLOCK || error == EAGAIN || error == EINTR; }

int OpenLocked(const std::string& name, MissingFile missing, int& error) {
  const int create = missing == MissingFile::Create ? O_CREAT : 0;
  const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC | create, 0666);
  if (fd < 0) {
    error = errno;
    return -1;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error = errno;
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

void TextMemFile::Empty() {
  m_data.clear();
  m_data.shrink_to_fit();
  m_position = 0;
  m_endreported = false;
}

void TextMemFile::Assign(std::string bytes) {
  Empty();
  m_data = std::move(bytes);
}

bool TextMemFile::LoadTextFile(const std::string& name, MissingFile missing) {
  Empty();
  const uint32_t first = m_clock.Now();
  int error = 0;
  int fd = OpenLocked(name, missing, error);
  while (fd < 0 && WorthRetrying(error) && ElapsedMs(m_clock.Now(), first) <= kOpenRetryMs) {
    m_clock.SleepMs(kOpenRetryPauseMs);
    fd = OpenLocked(name, missing, error);
  }
  if (fd < 0) {
    m_sink.Show(kFileAccessCaption, CouldNotOpen(name), MessageIcon::Exclamation);
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    m_sink.Show(kFileAccessCaption, ReadError(name), MessageIcon::Exclamation);
    return false;
  }
  if (static_cast<int64_t>(info.st_size) >= kTooLargeSize) {
    ::close(fd);
    m_sink.Show(kFileAccessCaption, TooLarge(name), MessageIcon::Exclamation);
    return false;
  }
  m_data.reserve(static_cast<std::size_t>(info.st_size));
  std::string block(kBlockSize, '\0');
  for (;;) {
    const ssize_t got = ::read(fd, block.data(), block.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 || static_cast<int64_t>(m_data.size()) + got >= kTooLargeSize) {
      ::close(fd);
      Empty();
      m_sink.Show(kFileAccessCaption, ReadError(name), MessageIcon::Exclamation);
      return false;
    }
    if (got == 0) break;
    m_data.append(block.data(), static_cast<std::size_t>(got));
  }
  ::close(fd);
  m_position = 0;
  return true;
}

std::string TextMemFile::ReadMemFileLine() {
  if (AtEnd()) {
    if (!m_endreported) {
      m_endreported = true;
      m_sink.Show(kFileAccessCaption, kUnexpectedEndText, MessageIcon::Exclamation);
    }
    return std::string(kEndOfLineMark);
  }
  const std::size_t start = m_position;
  while (m_position < m_data.size()) {
    const char c = m_data[m_position++];
    if (c == ',' || c == '\r') {
      return FinishField(std::string_view(m_data).substr(start, m_position - 1 - start));
    }
    if (c == '\n') return std::string(kEndOfLineMark);
  }
  return FinishField(std::string_view(m_data).substr(start));
}

}  // namespace korvix
