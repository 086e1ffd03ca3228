#include "platform/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace korvix {

namespace {

std::string EnvFolder(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return {};
  std::string folder = value;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

std::string EnsurePrivateFolder(const std::string& path, std::string& error) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    error = path + ": " + std::strerror(errno);
    return {};
  }
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) {
    error = path + ": " + std::strerror(errno);
    return {};
  }
  if (!S_ISDIR(info.st_mode)) {
    error = path + ": not a folder of its own";
    return {};
  }
  if (info.st_uid != ::getuid()) {
    error = path + ": belongs to another user";
    return {};
  }
  if ((info.st_mode & 077) != 0) {
    error = path + ": open to other users";
    return {};
  }
  return path;
}

std::string PrivateTempFolderPath() {
  std::string temp = EnvFolder("TMPDIR");
  if (temp.empty()) temp = "/tmp";
  return temp + "/korvix-" + std::to_string(::getuid());
}

std::string PrivateRuntimeFolderPath() {
  const std::string runtime = EnvFolder("XDG_RUNTIME_DIR");
  return runtime.empty() ? PrivateTempFolderPath() : runtime + "/korvix";
}

}  // namespace korvix
