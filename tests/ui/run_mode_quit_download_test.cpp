#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>

#include "document/project_file.h"
#include "fake_shell_dialogs.h"
#include "local_http_server.h"
#include "platform/profile.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "scratch_folder.h"
#include "ui/korvix_app.h"
#include "ui/main_frame.h"
#include "ui/view_subsystems.h"

// A program of its own: once the event loops were left, Qt starts no other
// loop in this process.
namespace korvix {
namespace {

constexpr char kSection[] = "Configuration";

// Files in `folder` that hold some bytes; none when it is missing.
int FilesWithBytes(const std::string& folder) {
  std::error_code missing;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder, missing)) {
    std::error_code gone;
    if (entry.file_size(gone) > 0) ++count;
  }
  return count;
}

// The quit ends the program from inside the run, where no unwinding
// follows: the update download under way must be cancelled and its partial
// file gone by the time the program ends.
TEST(RunModeQuit, ADownloadUnderWayLeavesNoPartialFile) {
  ScratchFolder folder;
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
  const std::string running = folder / "Running.kvx";
  {
    CKorvixDoc doc;
    doc.m_autostartrunloop = 1;
    ASSERT_TRUE(SaveProjectFile(doc, running).ok);
  }
  LocalHttpServer server;
  server.Serve("/software.html", {200, "<p><b>Korvix 15.4</b></p>\n"});
  server.Serve("/setup.exe", {.body = std::string(300000, 'x'), .holdafter = 100000});

  MemoryProfile profile;
  profile.WriteProfileString(kSection, "LatestVersion", "15.3");
  profile.WriteProfileInt(kSection, "LastUpdateDay", 100);
  RecordingMessageSink messages;
  FakeWallClock clock;
  clock.now.dayofyear = 200;
  FakeShellDialogs dialogs;
  ShellEnvironment env;
  env.currentdir = folder.Path();
  env.homedir = folder.Path();
  env.datahome = folder / "data";
  env.executable = "/usr/bin/korvix";
  env.updatebaseurl = server.BaseUrl();
  const std::string cache = folder / "cache";
  env.installerfile = cache + "/KorvixUpdate.exe";
  env.refreshdesktopcaches = false;
  auto app = std::make_unique<CKorvixApp>(profile, messages, clock, dialogs, env);
  ASSERT_TRUE(app->InitInstance({running}));
  CRunLoopUi& runloop = app->MainFrame()->findChild<CViewSubsystems*>()->RunLoop();
  int ended = 0;
  int leftatend = -1;
  runloop.Pump().SetEnder([&] {
    ++ended;
    leftatend = FilesWithBytes(cache);
  });

  QEventLoop waiting;
  QTimer check;
  bool downloading = false;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (downloading || !runloop.Runtime().IsRunning() || FilesWithBytes(cache) == 0) return;
    downloading = true;
    QCoreApplication::exit(0);
  });
  check.start(20);
  QTimer::singleShot(20000, &waiting, [&] {
    runloop.OnRunLoopHalt();
    waiting.quit();
  });
  waiting.exec();
  check.stop();

  ASSERT_TRUE(downloading);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(leftatend, 0);
  EXPECT_EQ(profile.GetProfileString(kSection, "LatestVersion"), "15.3");
  EXPECT_FALSE(profile.HasKey(kSection, "UpdateAvailable"));
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace korvix
