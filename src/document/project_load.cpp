#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "document/old_versions.h"
#include "document/project_file.h"
#include "document/project_reader.h"
#include "document/project_sections.h"

namespace korvix {

namespace {

constexpr char kNotAFileReason[] = "be opened: it is not a file";
constexpr char kTooLargeReason[] = "be opened: it is larger than 1 GiB, the most Korvix reads of a project file";
static_assert(kMaxProjectFileBytes == size_t{1} << 30, "the refusal names the bound");
constexpr size_t kGrowthStep = 1 << 16;

void ReadSections(std::string_view bytes, CKorvixDoc& fresh) {
  ArchiveReader in(bytes);
  ProjectReader reader(in, fresh);
  int sections = in.Int();
  if (sections < 0) {
    throw LoadError(LoadStatus::Damaged, kNegativeCountMessage);
  }
  for (int section = 1; section <= kSectionCount && sections > 0; ++section, --sections) {
    VisitSection(reader, fresh, section);
  }
  if (sections != 0 || in.Remaining() != 0) {
    throw LoadError(LoadStatus::NewerVersion, kNewerVersionMessage);
  }
}

}  // namespace

LoadResult LoadProject(std::string_view bytes, CKorvixDoc& doc) {
  CKorvixDoc fresh;
  try {
    ReadSections(bytes, fresh);
    ConvertOlderVersion(fresh);
  } catch (const LoadError& error) {
    if (error.Status() == LoadStatus::NewerVersion) {
      doc.m_loadfailed = true;
    }
    return {error.Status(), error.what()};
  }
  doc.TakeProject(std::move(fresh));
  return {};
}

LoadResult OpenProjectFile(const std::string& path, CKorvixDoc& doc) {
  const auto cannot = [&path](const std::string& what) {
    return LoadResult{LoadStatus::CannotOpen, "The project file " + path + " could not " + what + "."};
  };
  // Not blocking: a FIFO must not hold the open until a writer comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return cannot(std::string("be opened: ") + std::strerror(errno));
  }
  const std::unique_ptr<int, void (*)(int*)> closer(new int(fd), [](int* owned) {
    ::close(*owned);
    delete owned;
  });
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    return cannot(std::string("be opened: ") + std::strerror(errno));
  }
  if (!S_ISREG(info.st_mode)) {
    return cannot(kNotAFileReason);
  }
  if (static_cast<unsigned long long>(info.st_size) > kMaxProjectFileBytes) {
    return cannot(kTooLargeReason);
  }
  // The size read up front bounds the buffer; a file that grows meanwhile
  // is still read no further than the cap.
  std::string bytes(static_cast<size_t>(info.st_size), '\0');
  size_t got = 0;
  for (;;) {
    if (got == bytes.size()) {
      if (bytes.size() > kMaxProjectFileBytes) {
        return cannot(kTooLargeReason);
      }
      bytes.resize(std::min(bytes.size() + kGrowthStep, kMaxProjectFileBytes + 1));
    }
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0) {
      return cannot(std::string("be read: ") + std::strerror(errno));
    }
    if (n == 0) {
      break;
    }
    got += static_cast<size_t>(n);
  }
  bytes.resize(got);
  LoadResult result = LoadProject(bytes, doc);
  if (result.Ok()) {
    doc.SetPathName(path);
    doc.SetModifiedFlag(false);
  }
  return result;
}

}  // namespace korvix
