#include "app/desktop_integration.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "app/process_start.h"
#include "platform/unique_file.h"

namespace korvix {

namespace {

constexpr char kDesktopEntryFile[] = "/applications/korvix.desktop";
constexpr char kMimePackageFile[] = "/mime/packages/korvix.xml";
constexpr char kMimeCacheTool[] = "update-mime-database";
constexpr char kDesktopCacheTool[] = "update-desktop-database";
constexpr char kDefaultDataDirs[] = "/usr/local/share/:/usr/share/";

// Quoting of an Exec key: the path in double quotes with the reserved
// characters escaped, and "%" doubled because it starts field codes.
std::string QuoteExec(const std::string& path) {
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return quoted + "\"";
}

bool ReadWhole(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream body;
  body << in.rdbuf();
  text = body.str();
  return true;
}

bool MakeFoldersFor(const std::string& path, std::string& error) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) {
      error = folder + ": " + std::strerror(errno);
      return false;
    }
  }
  return true;
}

// Returns true when the file had to be written; `error` is set on failure.
bool WriteWhenDifferent(const std::string& path, const std::string& text, std::string& error) {
  std::string current;
  if (ReadWhole(path, current) && current == text) return false;
  if (!MakeFoldersFor(path, error)) return false;
  std::string temp;
  const int fd = CreateFileBeside(path, 0644, temp);
  if (fd < 0) {
    error = path + ": " + std::strerror(errno);
    return false;
  }
  const bool written = WriteAllBytes(fd, text);
  if (close(fd) != 0 || !written || std::rename(temp.c_str(), path.c_str()) != 0) {
    error = path + ": " + std::strerror(errno);
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

bool RemoveIfThere(const std::string& path, std::string& error) {
  if (unlink(path.c_str()) == 0) return true;
  if (errno == ENOENT) return false;
  error = path + ": " + std::strerror(errno);
  return false;
}

std::string FindOnPath(const std::string& tool) {
  const char* path = std::getenv("PATH");
  std::stringstream folders(path ? path : "/usr/bin:/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (folder.empty()) continue;
    const std::string candidate = folder + "/" + tool;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

// The caches only speed up what the files already say, so a missing tool is
// no failure; one that cannot be started is.
void RefreshCache(const std::string& tool, const std::string& folder, std::string& error) {
  const std::string program = FindOnPath(tool);
  if (program.empty()) return;
  std::string why;
  if (!StartDetachedProcess(program, {folder}, why) && error.empty()) error = tool + ": " + why;
}

void RefreshCaches(const DesktopIntegration& where, std::string& error) {
  if (!where.refreshcaches) return;
  RefreshCache(kMimeCacheTool, where.datahome + "/mime", error);
  RefreshCache(kDesktopCacheTool, where.datahome + "/applications", error);
}

}  // namespace

std::string DesktopEntryText(const std::string& executable) {
  std::ostringstream text;
  text << "[Desktop Entry]\n"
       << "Type=Application\n"
       << "Name=Korvix\n"
       << "Comment=Operator screens for DAQ Modules\n"
       << "Exec=" << QuoteExec(executable) << " %f\n"
       << "Icon=korvix\n"
       << "Keywords=DAQ;HMI;operator;serial;\n"
       << "MimeType=" << kProjectMimeType << ";\n"
       << "Terminal=false\n"
       << "Categories=Development;Engineering;\n";
  return text.str();
}

std::string MimePackageText() {
  std::ostringstream text;
  text << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
       << "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
       << "  <mime-type type=\"" << kProjectMimeType << "\">\n"
       << "    <comment>Korvix project</comment>\n"
       << "    <glob pattern=\"*.kvx\"/>\n"
       << "  </mime-type>\n"
       << "</mime-info>\n";
  return text.str();
}

bool DesktopReadsInstalledEntry(const std::string& prefix, const char* xdgdatadirs) {
  struct stat info {};
  const std::string share = prefix + "/share";
  if (stat((share + kDesktopEntryFile).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::stringstream folders(xdgdatadirs && *xdgdatadirs ? xdgdatadirs : kDefaultDataDirs);
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (folder == share) return true;
  }
  return false;
}

std::string DesktopIntegration::DesktopEntryPath() const { return datahome + kDesktopEntryFile; }
std::string DesktopIntegration::MimePackagePath() const { return datahome + kMimePackageFile; }

std::string DefaultDataHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return data;
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.local/share";
}

std::string RunningExecutable() {
  std::vector<char> buffer(4096);
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string();
}

bool InstallDesktopIntegration(const DesktopIntegration& where, std::string& error) {
  error.clear();
  bool changed = WriteWhenDifferent(where.MimePackagePath(), MimePackageText(), error);
  if (error.empty()) changed |= WriteWhenDifferent(where.DesktopEntryPath(), DesktopEntryText(where.executable), error);
  if (changed) RefreshCaches(where, error);
  return error.empty();
}

bool RemoveDesktopIntegration(const DesktopIntegration& where, std::string& error) {
  error.clear();
  bool changed = RemoveIfThere(where.DesktopEntryPath(), error);
  changed |= RemoveIfThere(where.MimePackagePath(), error);
  if (changed) RefreshCaches(where, error);
  return error.empty();
}

}  // namespace korvix
