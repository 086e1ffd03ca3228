#include "app/update_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "app/profile_keys.h"

#ifndef KORVIX_UPDATE_BASE_URL
#define KORVIX_UPDATE_BASE_URL ""
#endif

namespace korvix {

namespace {

constexpr char kReleaseMarker[] = "<b>Korvix";
constexpr size_t kReleaseOffset = sizeof(kReleaseMarker);  // the marker and one more
constexpr char kUpdateUrlVariable[] = "KORVIX_UPDATE_URL";
constexpr char kInstallerName[] = "/KorvixUpdate.exe";
constexpr char kInstallerFolderName[] = "/korvix";
constexpr char kNotPrivateFolder[] = "its folder is not private to this user";
constexpr char kNotRegularFile[] = "it is not a regular file";
constexpr char kOtherOwner[] = "it belongs to another user";
constexpr char kWritableByOthers[] = "others may write to it";
constexpr char kEmptyInstaller[] = "it is empty";
constexpr char kTooLargeInstaller[] = "it is larger than an installer can be";
constexpr char kMessageCaption[] = "Korvix";
constexpr char kCheckErrorText[] = "Error while checking for Korvix updates.";
constexpr char kDownloadErrorText[] = "Error while downloading Korvix updates.";
// The release line stands near the top of the page; a page is never read
// further than this.
constexpr size_t kMaxReleasePageBytes = 1 << 20;

std::string CompleteLines(const std::string& body, bool cut) {
  if (!cut) return body;
  const size_t end = body.rfind('\n');
  return end == std::string::npos ? std::string() : body.substr(0, end + 1);
}

// Writes into a fresh private file beside the installer and renames it into
// place only once the download is complete, so a broken transfer leaves
// nothing behind and no file or link already there is ever written through.
class InstallerFile {
public:
  explicit InstallerFile(const std::string& path) : m_path(path), m_temp(path + ".XXXXXX") {
    m_fd = mkstemp(m_temp.data());
  }
  ~InstallerFile() {
    if (m_fd >= 0) close(m_fd);
    if (!m_kept) unlink(m_temp.c_str());
  }
  bool Created() const { return m_fd >= 0; }
  bool Write(const char* data, size_t size) {
    while (size > 0) {
      const ssize_t written = write(m_fd, data, size);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      data += written;
      size -= static_cast<size_t>(written);
    }
    return true;
  }
  bool Keep() {
    const int fd = m_fd;
    m_fd = -1;
    const bool ok = fsync(fd) == 0 && fchmod(fd, 0700) == 0;
    if (close(fd) != 0 || !ok) return false;
    if (rename(m_temp.c_str(), m_path.c_str()) != 0) return false;
    m_kept = true;
    return true;
  }

private:
  std::string m_path;
  std::string m_temp;
  int m_fd = -1;
  bool m_kept = false;
};

std::string FolderOf(const std::string& file) {
  const size_t slash = file.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string("/") : file.substr(0, slash);
}

bool IsPrivateFolder(const std::string& folder, std::string& error) {
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0) {
    error = std::strerror(errno);
    return false;
  }
  if (!S_ISDIR(info.st_mode) || info.st_uid != geteuid() || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    error = kNotPrivateFolder;
    return false;
  }
  return true;
}

std::string HostOf(const std::string& url) {
  const size_t start = url.find("://");
  if (start == std::string::npos) return {};
  const size_t begin = start + 3;
  const size_t end = url.find_first_of("/?#", begin);
  std::string authority = url.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
  const size_t at = authority.rfind('@');
  if (at != std::string::npos) authority.erase(0, at + 1);
  if (!authority.empty() && authority[0] == '[') {
    const size_t close = authority.find(']');
    return close == std::string::npos ? std::string() : authority.substr(0, close + 1);
  }
  return authority.substr(0, authority.find(':'));
}

}  // namespace

std::string ParseReleaseText(const std::string& page) {
  size_t begin = 0;
  while (begin < page.size()) {
    size_t end = page.find('\n', begin);
    if (end == std::string::npos) end = page.size();
    std::string line = page.substr(begin, end - begin);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t match = line.find(kReleaseMarker);
    if (match != std::string::npos) {
      const size_t start = match + kReleaseOffset;
      if (start >= line.size()) return {};
      const size_t stop = line.find('<', start);
      return line.substr(start, stop == std::string::npos ? std::string::npos : stop - start);
    }
    begin = end + 1;
  }
  return {};
}

std::string UpdateBaseUrl() {
  const char* configured = std::getenv(kUpdateUrlVariable);
  std::string base = configured && configured[0] ? configured : KORVIX_UPDATE_BASE_URL;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base;
}

std::string UpdateInstallerFile() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const char* home = std::getenv("HOME");
  std::string folder;
  if (cache && cache[0] == '/') {
    folder = cache;
  } else if (home && home[0] == '/') {
    folder = std::string(home) + "/.cache";
  } else {
    return {};
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder + kInstallerFolderName + kInstallerName;
}

bool PrepareInstallerFolder(const std::string& installerfile, std::string& error) {
  const std::string folder = FolderOf(installerfile);
  std::error_code failure;
  std::filesystem::create_directories(FolderOf(folder), failure);
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    error = std::strerror(errno);
    return false;
  }
  return IsPrivateFolder(folder, error);
}

bool InstallerAddressIsTrusted(const std::string& url) {
  const auto startswith = [&url](const char* prefix) { return url.rfind(prefix, 0) == 0; };
  if (startswith("https://")) return !HostOf(url).empty();
  if (!startswith("http://")) return false;
  const std::string host = HostOf(url);
  return host == "127.0.0.1" || host == "localhost" || host == "[::1]";
}

bool VerifyInstaller(const std::string& installerfile, std::string& error) {
  if (!IsPrivateFolder(FolderOf(installerfile), error)) return false;
  const int fd = open(installerfile.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = errno == ELOOP ? kNotRegularFile : std::strerror(errno);
    return false;
  }
  struct stat info {};
  const bool statted = fstat(fd, &info) == 0;
  const int staterror = errno;
  close(fd);
  if (!statted) {
    error = std::strerror(staterror);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    error = kNotRegularFile;
  } else if (info.st_uid != geteuid()) {
    error = kOtherOwner;
  } else if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    error = kWritableByOthers;
  } else if (info.st_size == 0) {
    error = kEmptyInstaller;
  } else if (static_cast<unsigned long long>(info.st_size) > kMaxInstallerBytes) {
    error = kTooLargeInstaller;
  } else {
    return true;
  }
  return false;
}

int UpdateCheckThread(UpdateCheckContext& context) {
  const int today = context.clock.Now().dayofyear;

  std::string page;
  bool cut = false;
  const FetchResult read =
      context.fetcher.Fetch(context.baseurl + kReleasePagePath, [&page, &cut](const char* data, size_t size) {
        const size_t room = kMaxReleasePageBytes - page.size();
        page.append(data, std::min(size, room));
        if (size >= room) {
          cut = true;
          return false;
        }
        // Stop as soon as a whole line holds the marker; the rest is not read.
        const size_t match = page.find(kReleaseMarker);
        return match == std::string::npos || page.find('\n', match) == std::string::npos;
      });
  if (read.status == FetchStatus::Cancelled) return 1;
  if (read.status == FetchStatus::Failed) {
    context.messages.Show(kMessageCaption, kCheckErrorText, MessageIcon::Exclamation);
    return 1;
  }
  const std::string release = ParseReleaseText(CompleteLines(page, cut));
  if (release.empty()) return 1;

  Profile& profile = context.profile;
  std::string latest = profile.GetProfileString(kConfigurationSection, kLatestVersionKey);
  if (latest.empty()) {
    profile.WriteProfileString(kConfigurationSection, kLatestVersionKey, release);
    latest = release;
  }
  if (latest == release) {
    profile.WriteProfileInt(kConfigurationSection, kLastUpdateDayKey, today);
    return 1;
  }

  const std::string address = context.baseurl + kInstallerPath;
  std::string unused;
  if (!InstallerAddressIsTrusted(address) || !PrepareInstallerFolder(context.installerfile, unused)) {
    context.messages.Show(kMessageCaption, kDownloadErrorText, MessageIcon::Exclamation);
    return 1;
  }
  InstallerFile installer(context.installerfile);
  if (!installer.Created()) {
    context.messages.Show(kMessageCaption, kDownloadErrorText, MessageIcon::Exclamation);
    return 1;
  }
  bool written = true;
  size_t total = 0;
  const FetchResult download = context.fetcher.Fetch(address, [&](const char* data, size_t size) {
    total += size;
    return written = total <= context.maxinstallerbytes && installer.Write(data, size);
  });
  if (download.status == FetchStatus::Cancelled) return 1;
  if (download.status != FetchStatus::Complete || !written || total == 0 || !installer.Keep()) {
    context.messages.Show(kMessageCaption, kDownloadErrorText, MessageIcon::Exclamation);
    return 1;
  }
  profile.WriteProfileString(kConfigurationSection, kLatestVersionKey, release);
  profile.WriteProfileString(kConfigurationSection, kUpdateAvailableKey, kUpdateAvailableTrue);
  profile.WriteProfileInt(kConfigurationSection, kLastUpdateDayKey, today);
  return 0;
}

}  // namespace korvix
