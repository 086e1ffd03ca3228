#include <gtest/gtest.h>

#include <sys/stat.h>
#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

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
  // Short enough that a server that never answers ends the test soon, long
  // enough that a slow (sanitized, loaded) run never looks stalled.
  UpdateCheck() : fetcher(&cancel, FetchTimeouts{5, 3}) { clock.now.dayofyear = 200; }

  int Run() {
    UpdateCheckContext context{profile, fetcher, messages, clock, server.BaseUrl(), Installer(), cap};
    return UpdateCheckThread(context);
  }
  std::string Installer() const { return folder / "KorvixUpdate.exe"; }
  std::string Latest() { return profile.GetProfileString(kSection, "LatestVersion"); }
  size_t FilesInFolder() const {
    return static_cast<size_t>(
        std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()));
  }
  // A file of the download in the folder that holds some of its bytes.
  bool PartlyWritten() const {
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
      std::error_code ignored;
      if (entry.file_size(ignored) > 0) return true;
    }
    return false;
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
  size_t cap = kMaxInstallerBytes;
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

TEST_F(UpdateCheck, OversizedOrUnsafeDownloadIsRefusedAndLeavesNoFile) {
  struct DownloadCase {
    const char* name;
    LocalHttpServer::Response installer;
    mode_t foldermode;
  };
  const DownloadCase cases[] = {
      {"over the cap", {200, std::string(300000, 'x')}, 0700},
      {"endless", {.body = std::string(65536, 'x'), .endless = true}, 0700},
      {"empty", {200, ""}, 0700},
      {"folder others may write to", {200, "installer"}, 0777},
  };
  cap = 200000;
  for (const DownloadCase& c : cases) {
    messages.shown.clear();
    server.Serve("/software.html", {200, kPage});
    server.Serve("/setup.exe", c.installer);
    profile.WriteProfileString(kSection, "LatestVersion", "15.3");
    ASSERT_EQ(chmod(folder.Path().c_str(), c.foldermode), 0);
    EXPECT_EQ(Run(), 1) << c.name;
    EXPECT_EQ(FilesInFolder(), 0u) << c.name;
    ExpectProfileUntouched();
    ASSERT_EQ(messages.shown.size(), 1u) << c.name;
    EXPECT_EQ(messages.shown[0].text, "Error while downloading Korvix updates.");
  }
}

// The quit of a run cancels a download under way; what was written of it
// goes with the cancel.
TEST_F(UpdateCheck, DownloadCancelledMidwayLeavesNoFile) {
  server.Serve("/software.html", {200, kPage});
  server.Serve("/setup.exe", {.body = std::string(300000, 'x'), .holdafter = 100000});
  profile.WriteProfileString(kSection, "LatestVersion", "15.3");
  int result = -1;
  std::thread check([&] { result = Run(); });
  // Bounded, so that a download that never begins fails the test.
  bool begun = false;
  for (int tries = 0; tries < 2000 && !begun; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    begun = PartlyWritten();
  }
  cancel = true;
  check.join();
  ASSERT_TRUE(begun);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(FilesInFolder(), 0u);
  ExpectProfileUntouched();
  EXPECT_TRUE(messages.shown.empty());
}

TEST(InstallerAddress, OnlySecureOrLoopback) {
  const std::pair<const char*, bool> cases[] = {
      {"https://example.com/setup.exe", true},
      {"http://127.0.0.1:8123/setup.exe", true},
      {"http://localhost/setup.exe", true},
      {"http://[::1]:80/setup.exe", true},
      {"http://example.com/setup.exe", false},
      {"http://127.0.0.1.example.com/setup.exe", false},
      {"http://user@example.com@127.0.0.1/setup.exe", true},
      {"http://127.0.0.1@example.com/setup.exe", false},
      {"ftp://127.0.0.1/setup.exe", false},
      {"file:///tmp/setup.exe", false},
      {"https:///setup.exe", false},
      {"", false},
  };
  for (const auto& [url, trusted] : cases) EXPECT_EQ(InstallerAddressIsTrusted(url), trusted) << url;
}

TEST(WaitingInstaller, OnlyOurOwnPrivateFileIsStarted) {
  struct PlantCase {
    const char* name;
    std::function<void(const std::string& folder, const std::string& file)> plant;
    bool started;
  };
  const PlantCase cases[] = {
      {"our download", [](const std::string&, const std::string& file) { WriteFile(file, "installer"); }, true},
      {"missing", [](const std::string&, const std::string&) {}, false},
      {"empty", [](const std::string&, const std::string& file) { WriteFile(file, ""); }, false},
      {"link to a program",
       [](const std::string& folder, const std::string& file) {
         WriteFile(folder + "/planted", "installer");
         std::filesystem::create_symlink(folder + "/planted", file);
       },
       false},
      {"folder", [](const std::string&, const std::string& file) { std::filesystem::create_directory(file); }, false},
      {"fifo", [](const std::string&, const std::string& file) { mkfifo(file.c_str(), 0700); }, false},
      {"writable by others",
       [](const std::string&, const std::string& file) {
         WriteFile(file, "installer");
         chmod(file.c_str(), 0777);
       },
       false},
      {"in a shared folder",
       [](const std::string& folder, const std::string& file) {
         WriteFile(file, "installer");
         chmod(folder.c_str(), 01777);
       },
       false},
  };
  for (const PlantCase& c : cases) {
    ScratchFolder folder;
    const std::string file = folder / "KorvixUpdate.exe";
    c.plant(folder.Path(), file);
    std::string error;
    EXPECT_EQ(VerifyInstaller(file, error), c.started) << c.name;
    EXPECT_EQ(error.empty(), c.started) << c.name << ": " << error;
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

TEST(UpdatePlaces, PrivateFolderAndBaseAddressFromTheEnvironment) {
  const std::string oldcache = std::getenv("XDG_CACHE_HOME") ? std::getenv("XDG_CACHE_HOME") : "";
  const std::string oldhome = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_CACHE_HOME", "/var/cache/me/", 1);
  EXPECT_EQ(UpdateInstallerFile(), "/var/cache/me/korvix/KorvixUpdate.exe");
  unsetenv("XDG_CACHE_HOME");
  setenv("HOME", "/home/me", 1);
  EXPECT_EQ(UpdateInstallerFile(), "/home/me/.cache/korvix/KorvixUpdate.exe");
  unsetenv("HOME");
  EXPECT_EQ(UpdateInstallerFile(), "");
  if (!oldcache.empty()) setenv("XDG_CACHE_HOME", oldcache.c_str(), 1);
  if (!oldhome.empty()) setenv("HOME", oldhome.c_str(), 1);

  setenv("KORVIX_UPDATE_URL", "http://127.0.0.1:8123/", 1);
  EXPECT_EQ(UpdateBaseUrl(), "http://127.0.0.1:8123");
  unsetenv("KORVIX_UPDATE_URL");
}

}  // namespace
}  // namespace korvix
