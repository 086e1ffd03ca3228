#include "app/update_check.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
// nothing behind and nobody else's file or link in the shared temporary
// folder is ever written through.
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
  const char* temp = std::getenv("TMPDIR");
  std::string folder = temp && temp[0] == '/' ? temp : "/tmp";
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder + kInstallerName;
}

int UpdateCheckThread(UpdateCheckContext& context) {
  const int today = context.clock.Now().dayofyear;

  std::string page;
  bool cut = false;
  const FetchResult read = context.fetcher.Fetch(
      context.baseurl + kReleasePagePath, [&page, &cut](const char* data, size_t size) {
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

  InstallerFile installer(context.installerfile);
  if (!installer.Created()) return 1;
  bool written = true;
  const FetchResult download = context.fetcher.Fetch(
      context.baseurl + kInstallerPath,
      [&installer, &written](const char* data, size_t size) { return written = installer.Write(data, size); });
  if (download.status == FetchStatus::Cancelled) return 1;
  if (download.status != FetchStatus::Complete || !written || !installer.Keep()) {
    context.messages.Show(kMessageCaption, kDownloadErrorText, MessageIcon::Exclamation);
    return 1;
  }
  profile.WriteProfileString(kConfigurationSection, kLatestVersionKey, release);
  profile.WriteProfileString(kConfigurationSection, kUpdateAvailableKey, kUpdateAvailableTrue);
  profile.WriteProfileInt(kConfigurationSection, kLastUpdateDayKey, today);
  return 0;
}

}  // namespace korvix
