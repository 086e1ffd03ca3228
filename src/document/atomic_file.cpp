#include "document/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace korvix {

namespace {

constexpr mode_t kNewFileMode = 0644;

std::string Failure(const std::string& path, const char* what)
{
    return "The project file " + path + " could not be saved (" + what + "): " + std::strerror(errno) + ".";
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::string WriteFileAtomically(const std::string& path, std::string_view bytes, AtomicWriteStage* stage)
{
    AtomicWriteStage ignored = AtomicWriteStage::Done;
    AtomicWriteStage& reached = stage ? *stage : ignored;
    reached = AtomicWriteStage::Create;
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return Failure(path, "temporary file");
    }
    reached = AtomicWriteStage::Write;
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : kNewFileMode;

    const auto abandon = [&](const char* what) {
        const std::string message = Failure(path, what);
        ::close(fd);
        ::unlink(temp.c_str());
        return message;
    };
    if (::fchmod(fd, mode) != 0) {
        return abandon("permissions");
    }
    if (!WriteAll(fd, bytes)) {
        return abandon("write");
    }
    if (::fsync(fd) != 0) {
        return abandon("flush");
    }
    if (::close(fd) != 0) {
        const std::string message = Failure(path, "close");
        ::unlink(temp.c_str());
        return message;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string message = Failure(path, "rename");
        ::unlink(temp.c_str());
        return message;
    }
    // Make the rename itself durable. The new contents are in place by now,
    // so a folder that can not be opened for this does not fail the save.
    const std::string folder = std::filesystem::path(path).parent_path().empty()
                                   ? std::string(".")
                                   : std::filesystem::path(path).parent_path().string();
    const int dirfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirfd >= 0) {
        const int synced = ::fsync(dirfd);
        ::close(dirfd);
        if (synced != 0) {
            return Failure(path, "flush folder");
        }
    }
    reached = AtomicWriteStage::Done;
    return {};
}

}  // namespace korvix
