#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <sys/stat.h>

#include "app/curl_http_fetcher.h"
#include "app/update_check.h"
#include "local_http_server.h"
#include "platform/profile.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "scratch_folder.h"

namespace korvix {
namespace {

constexpr char kSection[] = "Configuration";
constexpr char kPage[] = "<html><body>\n<p>Latest: <b>Korvix 15.4</b> for DAQ Modules</p>\n</body></html>\n";

TEST(ReleaseText, FromTheFirstMarkerLine) {
  const std::pair<const char*, const char*> cases[] = {
      {kPage, "15.4"},
      {"<b>Korvix 15.4", "15.4"},
      {"<b>Korvix 15.4\r\nmore", "15.4"},
      {"x<b>Korvix 16.0 beta</b><b>Korvix 17", "16.0 beta"},
      {"<b>Korvix 15.4<\n<b>Korvix 16.0<", "15.4"},
      {"<b>Korvix \n<b>Korvix 16.0<", ""},  // later lines are not looked at
      {"<b>Korvix", ""},
      {"<b>Korvix<", ""},
      {"<b>Korvix15.4<", "5.4"},
      {"<B>Korvix 15.4<", ""},
      {"", ""},
      {"no release here\n", ""},
  };
  for (const auto& [page, expected] : cases) EXPECT_EQ(ParseReleaseText(page), expected) << page;
}

class UpdateCheck : public ::testing::Test {
protected:
  UpdateCheck() : fetcher(&cancel, FetchTimeouts{2, 1}) { clock.now.dayofyear = 200; }

  int Run() {
    UpdateCheckContext context{profile, fetcher, messages, clock, server.BaseUrl(), Installer()};
    return UpdateCheckThread(context);
  }
  std::string Installer() const { return folder / "KorvixUpdate.exe"; }
  std::string Latest() { return profile.GetProfileString(kSection, "LatestVersion"); }
  size_t FilesInFolder() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder.Path()),
                                             std::filesystem::directory_iterator()));
  }
  void ExpectProfileUntouched() {
    EXPECT_EQ(Latest(), "15.3");
    EXPECT_FALSE(profile.HasKey(kSection, "LastUpdateDay"));
    EXPECT_FALSE(profile.HasKey(kSection, "UpdateAvailable"));
  }

  LocalHttpServer server;
  ScratchFolder folder;
  MemoryProfile profile;
  FakeWallClock clock;
  RecordingMessageSink messages;
  std::atomic<bool> cancel{false};
  CurlHttpFetcher fetcher;
};

TEST_F(UpdateCheck, FirstCheckRecordsABaselineAndDownloadsNothing) {
  server.Serve("/software.html", {200, kPage});
  server.Serve("/setup.exe", {200, "installer"});
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(Latest(), "15.4");
  EXPECT_EQ(profile.GetProfileInt(kSection, "LastUpdateDay"), 200);
  EXPECT_EQ(server.Requests("/setup.exe"), 0);
  EXPECT_EQ(FilesInFolder(), 0u);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(server.LastUserAgent(), "Korvix");
}

TEST_F(UpdateCheck, SameReleaseOnlyRecordsTheDay) {
  server.Serve("/software.html", {200, kPage});
  profile.WriteProfileString(kSection, "LatestVersion", "15.4");
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(profile.GetProfileInt(kSection, "LastUpdateDay"), 200);
  EXPECT_EQ(server.Requests("/setup.exe"), 0);
  EXPECT_FALSE(profile.HasKey(kSection, "UpdateAvailable"));
}

TEST_F(UpdateCheck, NewReleaseDownloadsTheInstallerAndSaysSo) {
  std::string installer(200000, '\0');
  for (size_t i = 0; i < installer.size(); ++i) installer[i] = static_cast<char>(i * 7);
  server.Serve("/software.html", {200, kPage});
  server.Serve("/setup.exe", {200, installer});
  profile.WriteProfileString(kSection, "LatestVersion", "15.3");
  // A file or link left in the shared folder is replaced, never written through.
  const std::string victim = folder / "victim";
  WriteFile(victim, "keep");
  std::filesystem::create_symlink(victim, Installer());

  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(ReadFile(Installer()), installer);
  EXPECT_FALSE(std::filesystem::is_symlink(Installer()));
  EXPECT_EQ(ReadFile(victim), "keep");
  struct stat info {};
  ASSERT_EQ(stat(Installer().c_str(), &info), 0);
  EXPECT_TRUE(info.st_mode & S_IXUSR);
  EXPECT_EQ(Latest(), "15.4");
  EXPECT_EQ(profile.GetProfileString(kSection, "UpdateAvailable"), "TRUE");
  EXPECT_EQ(profile.GetProfileInt(kSection, "LastUpdateDay"), 200);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UpdateCheck, BrokenDownloadLeavesNoFileAndNoProfileChange) {
  const LocalHttpServer::Response broken[] = {
      {200, std::string(300000, 'x'), 100000, false},  // connection drops midway
      {404, "not here", std::string::npos, false},
      {500, "", std::string::npos, false},
  };
  for (const auto& response : broken) {
    messages.shown.clear();
    server.Serve("/software.html", {200, kPage});
    server.Serve("/setup.exe", response);
    profile.WriteProfileString(kSection, "LatestVersion", "15.3");
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(FilesInFolder(), 0u) << response.status;
    ExpectProfileUntouched();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Error while downloading Korvix updates.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
  }
}

TEST_F(UpdateCheck, UselessReleasePageChangesNothing) {
  struct PageCase {
    LocalHttpServer::Response page;
    bool reported;
  };
  std::string huge(3 << 20, 'a');
  for (size_t i = 80; i < huge.size(); i += 81) huge[i] = '\n';
  const PageCase cases[] = {
      {{200, ""}, false},
      {{200, "<html><b>Other 16.0</b></html>\n"}, false},
      {{200, "<b>Korvix </b>\n"}, false},
      {{200, huge + "<b>Korvix 16.0</b>\n"}, false},  // past what is ever read
      {{404, kPage}, true},
      {{200, kPage, 10, false}, true},
  };
  for (const PageCase& c : cases) {
    messages.shown.clear();
    server.Serve("/software.html", c.page);
    profile.WriteProfileString(kSection, "LatestVersion", "15.3");
    EXPECT_EQ(Run(), 1);
    ExpectProfileUntouched();
    EXPECT_EQ(server.Requests("/setup.exe"), 0);
    ASSERT_EQ(messages.shown.size(), c.reported ? 1u : 0u) << c.page.status << " " << c.page.body.size();
    if (c.reported) {
      EXPECT_EQ(messages.shown[0].text, "Error while checking for Korvix updates.");
    }
  }
}

TEST_F(UpdateCheck, HugePageWithTheMarkerOnTopIsReadOnlyThatFar) {
  server.Serve("/software.html", {200, std::string(kPage) + std::string(8 << 20, 'z')});
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(Latest(), "15.4");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(UpdateCheck, ServerThatNeverAnswersTimesOut) {
  server.Serve("/software.html", {200, kPage, std::string::npos, true});
  profile.WriteProfileString(kSection, "LatestVersion", "15.3");
  EXPECT_EQ(Run(), 1);
  ExpectProfileUntouched();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Error while checking for Korvix updates.");
}

TEST_F(UpdateCheck, ShutdownCancelsQuietly) {
  server.Serve("/software.html", {200, kPage, std::string::npos, true});
  profile.WriteProfileString(kSection, "LatestVersion", "15.3");
  cancel = true;
  EXPECT_EQ(Run(), 1);
  ExpectProfileUntouched();
  EXPECT_TRUE(messages.shown.empty());
}

TEST(UpdatePlaces, TemporaryFolderAndBaseAddressFromTheEnvironment) {
  const std::string oldtemp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
  setenv("TMPDIR", "/var/scratch/", 1);
  EXPECT_EQ(UpdateInstallerFile(), "/var/scratch/KorvixUpdate.exe");
  unsetenv("TMPDIR");
  EXPECT_EQ(UpdateInstallerFile(), "/tmp/KorvixUpdate.exe");
  if (!oldtemp.empty()) setenv("TMPDIR", oldtemp.c_str(), 1);

  setenv("KORVIX_UPDATE_URL", "http://127.0.0.1:8123/", 1);
  EXPECT_EQ(UpdateBaseUrl(), "http://127.0.0.1:8123");
  unsetenv("KORVIX_UPDATE_URL");
}

}  // namespace
}  // namespace korvix
