#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMenu>
#include <filesystem>

#include "fake_shell_dialogs.h"
#include "local_http_server.h"
#include "platform/profile.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "scratch_folder.h"
#include "ui/help.h"
#include "ui/help_window.h"
#include "ui/korvix_app.h"
#include "ui/main_frame.h"

namespace korvix {
namespace {

constexpr char kSection[] = "Configuration";
constexpr char kPage[] = "<p><b>Korvix 15.4</b></p>\n";

class KorvixApp : public ::testing::Test {
protected:
  KorvixApp() {
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    clock.now.dayofyear = 200;
    profile.WriteProfileInt(kSection, "LastUpdateDay", 200);
    env.currentdir = folder / "work";
    env.homedir = folder / "home";
    env.datahome = folder / "data";
    env.executable = "/usr/bin/korvix";
    env.help = {folder / "help", folder.Path()};
    env.samplesfolder = folder / "samples";
    env.updatebaseurl = server.BaseUrl();
    env.installerfile = folder / "KorvixUpdate.exe";
    env.refreshdesktopcaches = false;
    std::filesystem::create_directories(env.currentdir);
  }

  std::unique_ptr<CKorvixApp> MakeApp() {
    auto app = std::make_unique<CKorvixApp>(profile, messages, clock, dialogs, env);
    app->SetInstallerStarter([this](const std::string& file, std::string& error) {
      started.push_back(file);
      error = "no such program";
      return installerstarts;
    });
    return app;
  }

  ScratchFolder folder;
  LocalHttpServer server;
  MemoryProfile profile;
  RecordingMessageSink messages;
  FakeWallClock clock;
  FakeShellDialogs dialogs;
  ShellEnvironment env;
  std::vector<std::string> started;
  bool installerstarts = true;
};

TEST_F(KorvixApp, RegisterSwitchesInAnyCaseEndWithoutAWindow) {
  const std::pair<const char*, bool> cases[] = {
      {"/RegServer", true}, {"-unregserver", false}, {"-REGSERVER", true}, {"/UnRegServer", false}};
  for (const auto& [argument, installed] : cases) {
    auto app = MakeApp();
    EXPECT_FALSE(app->InitInstance({argument})) << argument;
    EXPECT_EQ(app->ExitCode(), 0);
    EXPECT_EQ(app->MainFrame(), nullptr);
    EXPECT_EQ(std::filesystem::exists(folder / "data/applications/korvix.desktop"), installed) << argument;
    EXPECT_EQ(std::filesystem::exists(folder / "data/mime/packages/korvix.xml"), installed) << argument;
  }
  EXPECT_EQ(dialogs.newinversion, 0);
  EXPECT_FALSE(profile.HasKey(kSection, "InfoVersion"));
}

TEST_F(KorvixApp, EndingWithoutAWindowKeepsTheRecentFiles) {
  profile.WriteProfileString("Recent File List", "File1", "/p/a.kvx");
  auto app = MakeApp();
  EXPECT_FALSE(app->InitInstance({"-RegServer"}));
  app->ExitInstance();
  EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), "/p/a.kvx");
}

TEST_F(KorvixApp, NormalStartShowsTheWindowAndEnsuresTheDesktopEntry) {
  auto app = MakeApp();
  app->InitApplication();
  ASSERT_TRUE(app->InitInstance({}));
  ASSERT_NE(app->MainFrame(), nullptr);
  EXPECT_TRUE(app->MainFrame()->isVisible());
  EXPECT_TRUE(std::filesystem::exists(folder / "data/applications/korvix.desktop"));
  EXPECT_EQ(profile.GetProfileInt(kSection, "TransmitTimeout"), 60000);
  EXPECT_EQ(app->MainFrame()->CommandAction(ID_APP_ABOUT)->data().toInt(), 57664);
  EXPECT_EQ(app->MainFrame()->CommandAction(ID_HELP_FILES)->data().toInt(), 32034);
  app->MainFrame()->CommandAction(ID_APP_ABOUT)->trigger();
  EXPECT_EQ(dialogs.abouts, 1);
  // No help installed: the help window says so, and nothing else happens.
  app->MainFrame()->CommandAction(ID_HELP_FILES)->trigger();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(HelpWindow().isVisible());
  EXPECT_TRUE(HelpWindow().Browser()->toPlainText().contains(QString::fromStdString(env.help.folder)));
  HelpWindow().close();
  EXPECT_EQ(app->ExitInstance(), 0);
}

TEST_F(KorvixApp, AnInstalledEntryTheDesktopReadsIsNotWrittenAgainForTheUser) {
  env.writedesktopentry = false;
  auto app = MakeApp();
  app->InitApplication();
  ASSERT_TRUE(app->InitInstance({}));
  EXPECT_FALSE(std::filesystem::exists(folder / "data/applications/korvix.desktop"));
  EXPECT_FALSE(std::filesystem::exists(folder / "data/mime/packages/korvix.xml"));
  EXPECT_EQ(app->ExitInstance(), 0);
}

TEST_F(KorvixApp, NewInThisVersionOncePerRelease) {
  for (int start = 0; start < 2; ++start) {
    auto app = MakeApp();
    ASSERT_TRUE(app->InitInstance({}));
  }
  EXPECT_EQ(dialogs.newinversion, 1);
  EXPECT_EQ(profile.GetProfileString(kSection, "InfoVersion"), "15.3");
  profile.WriteProfileString(kSection, "InfoVersion", "15.2");
  ASSERT_TRUE(MakeApp()->InitInstance({}));
  EXPECT_EQ(dialogs.newinversion, 2);
}

TEST_F(KorvixApp, NeverMeansNoPromptAndNoCheck) {
  server.Serve("/software.html", {200, kPage});
  profile.WriteProfileString(kSection, "UpdateAvailable", "NEVER");
  profile.WriteProfileInt(kSection, "LastUpdateDay", 0);
  clock.now.dayofyear = 300;
  auto app = MakeApp();
  ASSERT_TRUE(app->InitInstance({}));
  app->WaitForUpdateCheck();
  EXPECT_EQ(dialogs.offers, 0);
  EXPECT_EQ(server.Requests("/software.html"), 0);
}

TEST_F(KorvixApp, WaitingInstallerIsOfferedUntilInstalled) {
  server.Serve("/software.html", {200, kPage});
  profile.WriteProfileString(kSection, "UpdateAvailable", "TRUE");
  profile.WriteProfileInt(kSection, "LastUpdateDay", 0);
  clock.now.dayofyear = 300;

  dialogs.installanswer = false;  // "Not Now": the program runs, no check starts
  {
    auto app = MakeApp();
    ASSERT_TRUE(app->InitInstance({}));
    app->WaitForUpdateCheck();
    EXPECT_EQ(profile.GetProfileString(kSection, "UpdateAvailable"), "TRUE");
  }
  EXPECT_EQ(server.Requests("/software.html"), 0);

  dialogs.installanswer = true;  // "Install": the installer starts, the program ends
  WriteFile(env.installerfile, "installer");
  auto app = MakeApp();
  EXPECT_FALSE(app->InitInstance({}));
  EXPECT_EQ(app->MainFrame(), nullptr);
  EXPECT_EQ(dialogs.offers, 2);
  EXPECT_EQ(profile.GetProfileString(kSection, "UpdateAvailable"), "FALSE");
  EXPECT_EQ(started, std::vector<std::string>{env.installerfile});
}

TEST_F(KorvixApp, PlantedInstallerIsNotRunButReported) {
  WriteFile(folder / "planted", "installer");
  std::filesystem::create_symlink(folder / "planted", env.installerfile);
  profile.WriteProfileString(kSection, "UpdateAvailable", "TRUE");
  dialogs.installanswer = true;
  auto app = MakeApp();
  EXPECT_TRUE(app->InitInstance({}));
  EXPECT_TRUE(started.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "File Access Error");
  EXPECT_NE(messages.shown[0].text.find("not a regular file"), std::string::npos);
}

TEST_F(KorvixApp, InstallerThatCannotStartIsReportedAndTheProgramRuns) {
  WriteFile(env.installerfile, "installer");
  profile.WriteProfileString(kSection, "UpdateAvailable", "TRUE");
  dialogs.installanswer = true;
  installerstarts = false;
  auto app = MakeApp();
  EXPECT_TRUE(app->InitInstance({}));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "File Access Error");
  EXPECT_NE(messages.shown[0].text.find("no such program"), std::string::npos);
}

TEST_F(KorvixApp, TwoWeeksAcrossTheYearEndStartsACheckInTheBackground) {
  server.Serve("/software.html", {200, kPage});
  profile.WriteProfileInt(kSection, "LastUpdateDay", 360);
  clock.now.dayofyear = 5;
  auto app = MakeApp();
  ASSERT_TRUE(app->InitInstance({}));
  app->WaitForUpdateCheck();
  EXPECT_EQ(server.Requests("/software.html"), 1);
  EXPECT_EQ(profile.GetProfileString(kSection, "LatestVersion"), "15.4");
  EXPECT_EQ(profile.GetProfileInt(kSection, "LastUpdateDay"), 5);
  EXPECT_EQ(server.Requests("/setup.exe"), 0);
}

TEST_F(KorvixApp, CheckFailureIsShownOnTheInterfaceThread) {
  profile.WriteProfileInt(kSection, "LastUpdateDay", 100);  // nothing served: 404
  auto app = MakeApp();
  ASSERT_TRUE(app->InitInstance({}));
  app->WaitForUpdateCheck();
  EXPECT_TRUE(messages.shown.empty());  // not from the worker itself
  QCoreApplication::processEvents();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Error while checking for Korvix updates.");
  EXPECT_EQ(profile.GetProfileInt(kSection, "LastUpdateDay"), 100);
}

}  // namespace
}  // namespace korvix
