#include "document/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "platform/unique_file.h"

namespace korvix {

namespace {

// What any program creates: the user's umask decides what others may read.
constexpr mode_t kNewFileMode = 0666;
constexpr int kMaxLinkDepth = 40;
// A temporary this old belongs to no save still running.
constexpr time_t kStaleTemporarySeconds = 24 * 60 * 60;

std::string Failure(const std::string& path, const char* what, int error) {
  return "The project file " + path + " could not be saved (" + what + "): " + std::strerror(error) + ".";
}

// Saving through a link updates the file it points to and keeps the link.
std::string ResolveLinks(const std::string& path) {
  std::filesystem::path current = path;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    std::error_code failure;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, failure))) {
      break;
    }
    const std::filesystem::path target = std::filesystem::read_symlink(current, failure);
    if (failure) {
      break;
    }
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return current.string();
}

std::string FolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

// Temporaries that a killed save left behind are swept on the next save of
// the same file. Only our own, old ones: a save running in another instance
// right now must keep its file.
void RemoveStaleTemporaries(const std::string& path) {
  const std::string base = std::filesystem::path(path).filename().string();
  const std::string folder = FolderOf(path);
  const time_t cutoff = std::time(nullptr) - kStaleTemporarySeconds;
  std::error_code failure;
  for (const auto& entry : std::filesystem::directory_iterator(folder, failure)) {
    const std::string name = entry.path().filename().string();
    if (!IsTemporaryName(name, base)) {
      continue;
    }
    struct stat info {};
    const std::string stale = folder + "/" + name;
    if (::lstat(stale.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        info.st_mtime < cutoff) {
      ::unlink(stale.c_str());
    }
  }
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicWriteStage* stage) {
  AtomicWriteStage ignored = AtomicWriteStage::Done;
  AtomicWriteStage& reached = stage ? *stage : ignored;
  reached = AtomicWriteStage::Create;
  const std::string target = ResolveLinks(path);
  std::string temp;
  const int fd = CreateFileBeside(target, kNewFileMode, temp);
  if (fd < 0) {
    return Failure(path, "temporary file", errno);
  }
  reached = AtomicWriteStage::Write;
  const auto abandon = [&](const char* what, bool open) {
    const int error = errno;
    if (open) {
      ::close(fd);
    }
    ::unlink(temp.c_str());
    return Failure(path, what, error);
  };
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && ::fchmod(fd, existing.st_mode & 07777) != 0) {
    return abandon("permissions", true);
  }
  if (!WriteAllBytes(fd, bytes)) {
    return abandon("write", true);
  }
  if (::fsync(fd) != 0) {
    return abandon("flush", true);
  }
  if (::close(fd) != 0) {
    return abandon("close", false);
  }
  if (std::rename(temp.c_str(), target.c_str()) != 0) {
    return abandon("rename", false);
  }
  // Make the rename itself durable. The new contents are in place by now,
  // so a folder that can not be opened for this does not fail the save.
  const int dirfd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY);
  if (dirfd >= 0) {
    const int synced = ::fsync(dirfd);
    const int error = errno;
    ::close(dirfd);
    if (synced != 0) {
      return Failure(path, "flush folder", error);
    }
  }
  RemoveStaleTemporaries(target);
  reached = AtomicWriteStage::Done;
  return {};
}

}  // namespace korvix
