#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ftp_peer.h"
#include "publishing/ftp_settings_trial.h"
#include "scratch_folder.h"

namespace korvix {
namespace {

TEST(FtpSettingsTrial, EveryOutcomeHasItsMessageAndLeavesNoFileBehind) {
  ScratchFolder serverroot;
  ScratchFolder local;
  FtpPeer peer(serverroot.Path());
  const int closedport = ClosedLoopbackPort();
  const LocalPageWriter failing = [](const std::string& path, const std::string&) {
    WriteFile(path, "Korvix");
    return LocalPageStatus::WriteFailed;
  };
  struct Case {
    const char* name;
    const char* user;
    std::string folder;
    int port;
    LocalPageWriter write;
    std::string message;
    MessageIcon icon;
  };
  const std::vector<Case> cases = {
      {"success", "full", "www", peer.Port(), &WriteLocalPage, "Internet connection was successfully opened.",
       MessageIcon::Information},
      {"login folder", "full", "", peer.Port(), &WriteLocalPage, "Internet connection was successfully opened.",
       MessageIcon::Information},
      {"missing folder", "full", "nowhere", peer.Port(), &WriteLocalPage,
       "The FTP directory nowhere could not be found or is not valid.", MessageIcon::Exclamation},
      {"no write", "nowrite", "www", peer.Port(), &WriteLocalPage,
       "The web log test file could not be uploaded to the FTP site.", MessageIcon::Exclamation},
      {"no delete", "nodelete", "www", peer.Port(), &WriteLocalPage,
       "The web log test file could not be deleted from the FTP site.", MessageIcon::Exclamation},
      {"no connection", "full", "www", closedport, &WriteLocalPage, "Internet connection could not be established.",
       MessageIcon::Exclamation},
      {"write failure", "full", "www", peer.Port(), failing, "Error while writing to the web log test file",
       MessageIcon::Warning},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WebLogTestReport report =
        RunWebLogTest(FtpTarget{"127.0.0.1", c.folder, c.user, "secret", c.port}, local.Path(), c.write, {5, 5});
    EXPECT_EQ(report.text, c.message);
    EXPECT_EQ(report.icon, c.icon);
    EXPECT_FALSE(std::filesystem::exists(local / kWebLogTestFileName));
    const std::string remote = serverroot / (c.folder + "/" + kWebLogTestFileName);
    if (std::string(c.name) == "no delete") {
      EXPECT_EQ(ReadFile(remote), "Korvix Web Log Test.");
      std::filesystem::remove(remote);
    }
    EXPECT_FALSE(std::filesystem::exists(remote));
  }
}

TEST(FtpSettingsTrial, ALockedLocalFileIsNotCreated) {
  ScratchFolder local;
  WriteFile(local / kWebLogTestFileName, "");
  const int holder = ::open((local / kWebLogTestFileName).c_str(), O_RDONLY);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  const WebLogTestReport report = RunWebLogTest(FtpTarget{"127.0.0.1", "", "", "", ClosedLoopbackPort()}, local.Path());
  ::close(holder);
  EXPECT_EQ(report.text, "The web log test file could not be created.");
  EXPECT_EQ(report.icon, MessageIcon::Exclamation);
}

}  // namespace
}  // namespace korvix
