#include "publishing/ftp_settings_trial.h"

#include <unistd.h>

#include "platform/private_folder.h"

namespace korvix {

namespace {

constexpr char kTestPage[] = "Korvix Web Log Test.";
constexpr char kNotCreated[] = "The web log test file could not be created.";
constexpr char kWriteFailed[] = "Error while writing to the web log test file";
constexpr char kFolderStart[] = "The FTP directory ";
constexpr char kFolderEnd[] = " could not be found or is not valid.";
constexpr char kNotUploaded[] = "The web log test file could not be uploaded to the FTP site.";
constexpr char kNotDeleted[] = "The web log test file could not be deleted from the FTP site.";
constexpr char kOpened[] = "Internet connection was successfully opened.";
constexpr char kNoConnection[] = "Internet connection could not be established.";

}  // namespace

WebLogTestReport RunWebLogTest(const FtpTarget& target, const std::string& folder, const LocalPageWriter& write,
                               const CurlTimeouts& timeouts) {
  std::string problem;
  const std::string privatefolder = EnsurePrivateFolder(folder.empty() ? PrivateTempFolderPath() : folder, problem);
  if (privatefolder.empty()) return {kNotCreated, MessageIcon::Exclamation};
  const std::string path = privatefolder + "/" + kWebLogTestFileName;
  const LocalPageStatus written = write(path, kTestPage);
  if (written == LocalPageStatus::NotCreated) return {kNotCreated, MessageIcon::Exclamation};
  if (written == LocalPageStatus::WriteFailed) {
    ::unlink(path.c_str());
    return {kWriteFailed, MessageIcon::Warning};
  }
  const FtpResult result = FtpUpload(target, path, kWebLogTestFileName, true, nullptr, timeouts);
  ::unlink(path.c_str());
  switch (result) {
    case FtpResult::Uploaded: return {kOpened, MessageIcon::Information};
    case FtpResult::FolderRefused: return {kFolderStart + target.folder + kFolderEnd, MessageIcon::Exclamation};
    case FtpResult::UploadRefused: return {kNotUploaded, MessageIcon::Exclamation};
    case FtpResult::DeleteRefused: return {kNotDeleted, MessageIcon::Exclamation};
    case FtpResult::NoConnection: break;
  }
  return {kNoConnection, MessageIcon::Exclamation};
}

}  // namespace korvix
