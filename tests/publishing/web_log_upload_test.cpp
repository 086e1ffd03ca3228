#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "ftp_peer.h"
#include "platform/millisecond_clock.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "publishing/ftp_upload.h"
#include "publishing/local_page_file.h"
#include "publishing/web_log_upload.h"
#include "scratch_folder.h"

namespace korvix {
namespace {

constexpr char kLog[] = "n,value\r\n1,23.5\r\n2,23.6\r\n";

class WebLogUpload : public ::testing::Test {
protected:
  WebLogUpload() : peer(serverroot.Path()) {
    WriteFile(work / "log.csv", kLog);
    std::filesystem::create_directory(pages);
    std::filesystem::permissions(pages, std::filesystem::perms::owner_all);
    doc.m_ftpaddress = "127.0.0.1";
    doc.m_ftpport = peer.Port();
    doc.m_ftpuser = "full";
    doc.m_ftppassword = "secret";
    doc.m_ftpfolder = "www";
    progress.m_weblogpath = work / "log.csv";
    clock.now = 5000;
  }

  // Starts one upload the way the Run-Loop does and waits for its end.
  void RunOnce() {
    progress.m_weblogbusy.Set(1);
    progress.m_weblogreading.Set(1);
    FtpWebLogThread thread(sink, clock, pages, CurlTimeouts{5, 5});
    thread.Start(doc, progress);
    thread.Join();
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(progress.m_weblogbusy.Get(), 0);
    EXPECT_EQ(progress.m_weblogreading.Get(), 0);
    EXPECT_EQ(progress.m_weblogdone.Get(), 5000u);
  }

  std::string LocalPage() const { return ReadFile(pages + "/" + kWebLogLocalName); }

  ScratchFolder serverroot;
  ScratchFolder work;
  std::string pages = work / "pages";
  FtpPeer peer;
  CKorvixDoc doc;
  WebLogProgress progress;
  FakeMillisecondClock clock;
  RecordingMessageSink sink;
};

TEST_F(WebLogUpload, ServerFileIsTheLocalPageByteForByte) {
  for (const std::string folder : {"www", ""}) {
    SCOPED_TRACE(folder);
    doc.m_ftpfolder = folder;
    RunOnce();
    const std::string remote = folder.empty() ? serverroot / "WebLog.html" : serverroot / (folder + "/WebLog.html");
    ASSERT_TRUE(std::filesystem::exists(remote));
    EXPECT_EQ(ReadFile(remote), LocalPage());
    EXPECT_NE(LocalPage().find("<td>23.6</td>"), std::string::npos);
  }
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(std::filesystem::status(pages + "/" + kWebLogLocalName).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(WebLogUpload, FtpFailuresAreSilent) {
  struct Case {
    const char* name;
    const char* user;
    const char* password;
    const char* folder;
    bool closedport;
  };
  const std::vector<Case> cases = {
      {"missing folder", "full", "secret", "nowhere", false},
      {"no write permission", "nowrite", "secret", "www", false},
      {"bad password", "full", "wrong", "www", false},
      {"closed port", "full", "secret", "www", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    doc.m_ftpuser = c.user;
    doc.m_ftppassword = c.password;
    doc.m_ftpfolder = c.folder;
    if (c.closedport) doc.m_ftpport = ClosedLoopbackPort();
    RunOnce();
    EXPECT_FALSE(std::filesystem::exists(serverroot / "www/WebLog.html"));
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(WebLogUpload, FileFailuresAreReportedAndNothingIsSent) {
  struct Case {
    const char* name;
    std::string logpath;
    std::string message;
  };
  std::filesystem::create_directory(work / "folder.csv");
  const std::vector<Case> cases = {
      {"missing log", work / "missing.csv",
       "The data log file " + work / "missing.csv" + " could not be opened for FTP transfer."},
      {"log is a folder", work / "folder.csv", "Error while reading from data log file for FTP transfer."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sink.shown.clear();
    progress.m_weblogpath = c.logpath;
    RunOnce();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].caption, "Korvix");
    EXPECT_EQ(sink.shown[0].text, c.message);
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(std::filesystem::exists(serverroot / "www/WebLog.html"));
  }
  EXPECT_FALSE(std::filesystem::exists(work / "missing.csv"));
}

TEST_F(WebLogUpload, PageFolderOpenToOthersIsRefused) {
  std::filesystem::permissions(pages, std::filesystem::perms::all);
  RunOnce();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "The web log file could not be created.");
  EXPECT_FALSE(std::filesystem::exists(serverroot / "www/WebLog.html"));
}

TEST_F(WebLogUpload, EmptyLogMakesNoPage) {
  WriteFile(work / "log.csv", "");
  RunOnce();
  EXPECT_FALSE(std::filesystem::exists(pages + "/" + kWebLogLocalName));
  EXPECT_TRUE(sink.shown.empty());
}

// The upload hangs on a server that never reads it; an exit must not wait
// for the stall time-out, and a start meanwhile must leave the busy flag to
// the upload still running.
TEST(WebLogUploadStalled, ExitCancelsTheTransferAndAStartMeanwhileWaits) {
  ScratchFolder serverroot;
  ScratchFolder work;
  FtpPeer peer(serverroot.Path(), FtpPeerMode::Stall);
  std::string log = "n,value\r\n";
  while (log.size() < 4'000'000) log += "1,23.5\r\n";
  WriteFile(work / "log.csv", log);
  CKorvixDoc doc;
  WebLogProgress progress;
  doc.m_ftpaddress = "127.0.0.1";
  doc.m_ftpport = peer.Port();
  doc.m_ftpuser = "full";
  doc.m_ftppassword = "secret";
  doc.m_weblogrows = 100000;
  progress.m_weblogpath = work / "log.csv";
  FakeMillisecondClock clock;
  RecordingMessageSink sink;
  auto thread = std::make_unique<FtpWebLogThread>(sink, clock, work.Path(), CurlTimeouts{600, 600});
  progress.m_weblogbusy.Set(1);
  progress.m_weblogreading.Set(1);
  thread->Start(doc, progress);
  while (progress.m_weblogreading.Get() != 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));

  progress.m_weblogreading.Set(1);
  thread->Start(doc, progress);
  EXPECT_EQ(progress.m_weblogreading.Get(), 0);
  EXPECT_EQ(progress.m_weblogbusy.Get(), 1);
  EXPECT_TRUE(thread->IsRunning());

  auto ended = std::async(std::launch::async, [&] { thread.reset(); });
  ASSERT_EQ(ended.wait_for(std::chrono::seconds(20)), std::future_status::ready);
  EXPECT_EQ(progress.m_weblogbusy.Get(), 0);
  EXPECT_TRUE(sink.shown.empty());
}

// A server that takes the page and never gives the reply that ends the
// transfer holds the upload only as long as the limit without progress (a
// second here), not the minute libcurl would wait for a reply by itself. The
// failure is silent, and the next upload's interval counts from its end.
TEST(WebLogUploadUnanswered, EndsAtTheLimitAndTheNextIntervalCountsFromTheFailure) {
  constexpr long kLimitSeconds = 1;
  ScratchFolder serverroot;
  ScratchFolder work;
  FtpPeer peer(serverroot.Path(), FtpPeerMode::NoFinalReply);
  WriteFile(work / "log.csv", kLog);
  CKorvixDoc doc;
  WebLogProgress progress;
  doc.m_ftpaddress = "127.0.0.1";
  doc.m_ftpport = peer.Port();
  doc.m_ftpuser = "full";
  doc.m_ftppassword = "secret";
  doc.m_ftpfolder = "www";
  progress.m_weblogpath = work / "log.csv";
  MonotonicClock clock;
  RecordingMessageSink sink;
  FtpWebLogThread thread(sink, clock, work.Path(), CurlTimeouts{5, kLimitSeconds});
  progress.m_weblogbusy.Set(1);
  progress.m_weblogreading.Set(1);
  const uint32_t started = clock.Now();
  thread.Start(doc, progress);

  // Far short of libcurl's own minute; should it come to that, leaving the
  // test cancels the transfer.
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (thread.IsRunning() && std::chrono::steady_clock::now() < limit) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ASSERT_FALSE(thread.IsRunning());
  const uint32_t ended = clock.Now();
  EXPECT_EQ(ReadFile(serverroot / "www/WebLog.html"), ReadFile(work / kWebLogLocalName));
  EXPECT_EQ(progress.m_weblogbusy.Get(), 0);
  EXPECT_EQ(progress.m_weblogreading.Get(), 0);
  EXPECT_TRUE(sink.shown.empty());
  const uint32_t done = progress.m_weblogdone.Get();
  EXPECT_GE(done - started, static_cast<uint32_t>(kLimitSeconds * 1000));
  EXPECT_LE(done - started, ended - started);
}

TEST(FtpUpload, TestFileIsStoredAndDeletedInOneSession) {
  ScratchFolder serverroot;
  ScratchFolder work;
  FtpPeer peer(serverroot.Path());
  WriteFile(work / "t.html", "Korvix Web Log Test.");
  struct Case {
    const char* name;
    const char* address;
    const char* user;
    const char* folder;
    FtpResult result;
    bool leftover;
  };
  const std::vector<Case> cases = {
      {"success", "127.0.0.1", "full", "www", FtpResult::Uploaded, false},
      {"login folder", "127.0.0.1", "full", "", FtpResult::Uploaded, false},
      {"missing folder", "127.0.0.1", "full", "nowhere", FtpResult::FolderRefused, false},
      {"no write", "127.0.0.1", "nowrite", "www", FtpResult::UploadRefused, false},
      {"no delete", "127.0.0.1", "nodelete", "www", FtpResult::DeleteRefused, true},
      {"address with a path", "127.0.0.1/x", "full", "www", FtpResult::NoConnection, false},
      {"address with a user", "a@127.0.0.1", "full", "www", FtpResult::NoConnection, false},
      {"address with a blank", "127.0.0.1 ", "full", "www", FtpResult::NoConnection, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FtpTarget target{c.address, c.folder, c.user, "secret", peer.Port()};
    EXPECT_EQ(FtpUpload(target, work / "t.html", "korvixweblogtestfile.html", true, nullptr, {5, 5}), c.result);
    const std::string remote = serverroot / (std::string(c.folder) + "/korvixweblogtestfile.html");
    EXPECT_EQ(std::filesystem::exists(remote), c.leftover);
    std::filesystem::remove(remote);
  }
}

}  // namespace
}  // namespace korvix
