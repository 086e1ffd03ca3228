#pragma once

#include <atomic>
#include <string>

#include "app/curl_worker.h"

namespace korvix {

struct FtpTarget {
  std::string address;
  std::string folder;  // empty: the login folder
  std::string user;    // empty: anonymous
  std::string password;
  int port = 21;  // cut to 16 bits; 0 is the FTP default
};

enum class FtpResult { Uploaded, NoConnection, FolderRefused, UploadRefused, DeleteRefused };

// Uploads the local file `localpath` as `remotename` into the target's folder
// in binary mode over a passive connection; `deleteafter` removes it again in
// the same session, which proves the account may both write and delete.
// Anything that is neither a refused folder, upload nor delete (a bad
// address, no server, a refused login, a cancel) counts as no connection.
FtpResult FtpUpload(const FtpTarget& target, const std::string& localpath, const std::string& remotename,
                    bool deleteafter, const std::atomic<bool>* cancel, const CurlTimeouts& timeouts = {});

}  // namespace korvix
