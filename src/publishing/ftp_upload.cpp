#include "publishing/ftp_upload.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <memory>

namespace korvix {

namespace {

constexpr long kDefaultFtpPort = 21;

// Bytes that would change the meaning of the URL built around the address.
bool UsableAddress(const std::string& address) {
  if (address.empty()) return false;
  for (const char c : address) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte == 0x7F) return false;
    if (c == '/' || c == '@' || c == '?' || c == '#' || c == '%') return false;
  }
  return true;
}

std::string PercentEncoded(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~';
    if (plain) {
      out += c;
    } else {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    }
  }
  return out;
}

size_t ReadLocal(char* buffer, size_t size, size_t count, void* user) {
  const int fd = *static_cast<int*>(user);
  for (;;) {
    const ssize_t n = ::read(fd, buffer, size * count);
    if (n >= 0) return static_cast<size_t>(n);
    if (errno != EINTR) return CURL_READFUNC_ABORT;
  }
}

struct FdCloser {
  void operator()(int* fd) const {
    ::close(*fd);
    delete fd;
  }
};

}  // namespace

FtpResult FtpUpload(const FtpTarget& target, const std::string& localpath, const std::string& remotename,
                    bool deleteafter, const std::atomic<bool>* cancel, const CurlTimeouts& timeouts) {
  if (!UsableAddress(target.address)) return FtpResult::NoConnection;
  const int fd = ::open(localpath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return FtpResult::NoConnection;
  const std::unique_ptr<int, FdCloser> local(new int(fd));
  struct stat info {};
  if (::fstat(fd, &info) != 0) return FtpResult::NoConnection;

  std::string loaderror;
  const CurlLibrary* lib = InitCurlOnce(loaderror);
  if (lib == nullptr) return FtpResult::NoConnection;
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(lib->easyinit(), lib->easycleanup);
  if (!curl) return FtpResult::NoConnection;
  CURL* h = curl.get();
  long port = static_cast<uint16_t>(target.port);
  if (port == 0) port = kDefaultFtpPort;
  std::string url = "ftp://" + target.address + ":" + std::to_string(port) + "/";
  if (!target.folder.empty()) url += PercentEncoded(target.folder) + "/";
  url += PercentEncoded(remotename);

  ApplyCurlWorkerOptions(*lib, h, timeouts, cancel);
  lib->easysetopt(h, CURLOPT_URL, url.c_str());
  lib->easysetopt(h, CURLOPT_PROTOCOLS_STR, "ftp");
  if (!target.user.empty()) {
    lib->easysetopt(h, CURLOPT_USERNAME, target.user.c_str());
    lib->easysetopt(h, CURLOPT_PASSWORD, target.password.c_str());
  }
  lib->easysetopt(h, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
  lib->easysetopt(h, CURLOPT_FTP_USE_EPSV, 1L);
  lib->easysetopt(h, CURLOPT_TRANSFERTEXT, 0L);
  lib->easysetopt(h, CURLOPT_UPLOAD, 1L);
  lib->easysetopt(h, CURLOPT_READFUNCTION, &ReadLocal);
  lib->easysetopt(h, CURLOPT_READDATA, local.get());
  lib->easysetopt(h, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(info.st_size));
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> postquote(nullptr, lib->slistfreeall);
  if (deleteafter) {
    postquote.reset(lib->slistappend(nullptr, ("DELE " + remotename).c_str()));
    lib->easysetopt(h, CURLOPT_POSTQUOTE, postquote.get());
  }

  switch (lib->easyperform(h)) {
    case CURLE_OK: return FtpResult::Uploaded;
    case CURLE_REMOTE_ACCESS_DENIED: return FtpResult::FolderRefused;
    case CURLE_UPLOAD_FAILED: return FtpResult::UploadRefused;
    case CURLE_QUOTE_ERROR: return FtpResult::DeleteRefused;
    default: return FtpResult::NoConnection;
  }
}

}  // namespace korvix
