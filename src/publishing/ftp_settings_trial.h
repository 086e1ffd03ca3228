#pragma once

#include <functional>
#include <string>

#include "platform/message_sink.h"
#include "publishing/ftp_upload.h"
#include "publishing/local_page_file.h"

namespace korvix {

constexpr char kWebLogTestFileName[] = "korvixweblogtestfile.html";

struct WebLogTestReport {
  std::string text;
  MessageIcon icon = MessageIcon::Exclamation;
};

// Writes the local test file; tests stand in a disk that fails.
using LocalPageWriter = std::function<LocalPageStatus(const std::string& path, const std::string& text)>;

// Tries FTP settings at once: a small page is written in `folder` (empty:
// the private temporary folder), uploaded into the target's folder and
// deleted there again in the same session. The local file is removed in
// every case. The report is the message to show.
WebLogTestReport RunWebLogTest(const FtpTarget& target, const std::string& folder = {},
                               const LocalPageWriter& write = &WriteLocalPage, const CurlTimeouts& timeouts = {});

}  // namespace korvix
