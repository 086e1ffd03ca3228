#include <gtest/gtest.h>

#include <unistd.h>
#include <QPushButton>

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

#include "ftp_peer.h"
#include "platform/testing/recording_message_sink.h"
#include "scratch_folder.h"
#include "ui/web_logging_dlg.h"

namespace korvix {
namespace {

// The dialog's port stops at 99, so the server it tests must listen below
// 100: only root may open such a port.
TEST(WebLoggingFtp, TestButtonTriesARealServerAndLeavesNothingThere) {
  if (::geteuid() != 0) GTEST_SKIP() << "a server on a port below 100 needs root";
  ScratchFolder root;
  std::unique_ptr<FtpPeer> peer;
  for (int port = 99; port > 21 && !peer; --port) {
    try {
      peer = std::make_unique<FtpPeer>(root.Path(), FtpPeerMode::Normal, port);
    } catch (const std::runtime_error&) {
    }
  }
  if (!peer) GTEST_SKIP() << "no free port below 100";

  WebLogSettings settings;
  settings.m_ftpaddress = "127.0.0.1";
  settings.m_ftpuser = "full";
  settings.m_ftppassword = "secret";
  settings.m_ftpfolder = "www";
  settings.m_ftpport = peer->Port();
  RecordingMessageSink messages;
  CWebLoggingDlg dialog(
      nullptr, messages, [](QWidget*, int) { return std::optional<int>(); }, LoadWebLoggingFields(settings),
      [](const FtpTarget& target) { return RunWebLogTest(target); });
  dialog.show();
  dialog.TestButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Internet connection was successfully opened.");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
  EXPECT_FALSE(std::filesystem::exists(root / "www/korvixweblogtestfile.html"));
}

}  // namespace
}  // namespace korvix
