#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <string>

#include "document/project_file.h"
#include "fake_shell_dialogs.h"
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

// The quit ends the program from inside the run, so nothing after the event
// loop runs; the profile on disk must still hold the newest project first.
TEST(RunModeQuit, AQuitDuringARunKeepsTheRecentFileListOnDisk) {
  ScratchFolder folder;
  setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
  const std::string older = folder / "Older.kvx";
  const std::string running = folder / "Running.kvx";
  {
    CKorvixDoc doc;
    ASSERT_TRUE(SaveProjectFile(doc, older).ok);
    doc.m_autostartrunloop = 1;
    ASSERT_TRUE(SaveProjectFile(doc, running).ok);
  }
  const std::string profilepath = folder / "Korvix.ini";
  WriteFile(profilepath,
            "[Configuration]\nInfoVersion=15.3\nDemoVersion=8.1\nUpdateAvailable=NEVER\n"
            "[Recent File List]\nFile1=" +
                older + "\nFile2=" + running + "\n");

  IniProfile profile(profilepath);
  RecordingMessageSink messages;
  FakeWallClock clock;
  FakeShellDialogs dialogs;
  ShellEnvironment env;
  env.currentdir = folder.Path();
  env.homedir = folder.Path();
  env.datahome = folder / "data";
  env.executable = "/usr/bin/korvix";
  env.refreshdesktopcaches = false;
  auto app = std::make_unique<CKorvixApp>(profile, messages, clock, dialogs, env);
  ASSERT_TRUE(app->InitInstance({running}));
  CRunLoopUi& runloop = app->MainFrame()->findChild<CViewSubsystems*>()->RunLoop();
  int ended = 0;
  runloop.Pump().SetEnder([&ended] { ++ended; });

  QEventLoop waiting;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (runloop.Runtime().IsRunning() && runloop.Runtime().PassCount() > 3) QCoreApplication::exit(0);
  });
  check.start(20);
  QTimer::singleShot(20000, &waiting, [&] { runloop.OnRunLoopHalt(); });
  waiting.exec();
  check.stop();

  EXPECT_EQ(ended, 1);
  IniProfile ondisk(profilepath);
  EXPECT_EQ(ondisk.GetProfileString("Recent File List", "File1"), running);
  EXPECT_EQ(ondisk.GetProfileString("Recent File List", "File2"), older);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace korvix
