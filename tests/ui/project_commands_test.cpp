#include <gtest/gtest.h>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "document/project_file.h"
#include "fake_shell_dialogs.h"
#include "platform/profile.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "scratch_folder.h"
#include "ui/korvix_app.h"
#include "ui/main_frame.h"

namespace korvix {
namespace {

class ProjectCommands : public ::testing::Test {
protected:
  ProjectCommands() {
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
    clock.now.dayofyear = 200;
    profile.WriteProfileInt("Configuration", "LastUpdateDay", 200);
    profile.WriteProfileString("Configuration", "InfoVersion", "15.3");
    env.currentdir = folder / "install";
    env.homedir = folder / "home";
    env.datahome = folder / "data";
    env.executable = "/usr/bin/korvix";
    env.refreshdesktopcaches = false;
    env.samplesfolder = folder / "share/korvix/samples";
    std::filesystem::create_directories(env.currentdir);
    std::filesystem::create_directories(env.samplesfolder);
    std::filesystem::create_directories(env.homedir);
  }

  // A project with `textboxes` Text Boxes and the given lock.
  std::string MakeProject(const std::string& path, int textboxes, int lockon = 0, const std::string& password = "") {
    CKorvixDoc doc;
    for (int i = 0; i < textboxes; ++i) doc.m_textboxes.Add();
    doc.m_lockon = lockon;
    doc.m_lockpassword = password;
    EXPECT_TRUE(SaveProjectFile(doc, path).ok);
    return path;
  }

  int TextBoxesIn(const std::string& path) {
    CKorvixDoc doc;
    EXPECT_TRUE(OpenProjectFile(path, doc).Ok()) << path;
    return doc.m_textboxes.Count();
  }

  std::unique_ptr<CKorvixApp> Start(const std::vector<std::string>& arguments) {
    auto app = std::make_unique<CKorvixApp>(profile, messages, clock, dialogs, env);
    started = app->InitInstance(arguments);
    return app;
  }

  void Modify(CKorvixApp& app) {
    app.Document().m_textboxes.Add();
    app.Document().SetModifiedFlag();
  }

  ScratchFolder folder;
  MemoryProfile profile;
  RecordingMessageSink messages;
  FakeWallClock clock;
  FakeShellDialogs dialogs;
  ShellEnvironment env;
  bool started = false;
};

TEST_F(ProjectCommands, OpenModifySaveAndReopenThroughTheWindow) {
  const std::string path = MakeProject(folder / "home/plant.kvx", 2);
  {
    auto app = Start({path});
    ASSERT_TRUE(started);
    EXPECT_EQ(app->MainFrame()->windowTitle(), QStringLiteral("plant.kvx - Korvix"));
    EXPECT_EQ(app->Document().m_textboxes.Count(), 2);
    Modify(*app);
    app->MainFrame()->CommandAction(ID_FILE_SAVE)->trigger();
    EXPECT_FALSE(app->Document().IsModified());
    app->ExitInstance();
  }
  EXPECT_EQ(TextBoxesIn(path), 3);
  EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), path);

  auto app = Start({});  // the most recent project comes back
  EXPECT_EQ(app->Document().GetPathName(), path);
  EXPECT_EQ(app->Document().m_textboxes.Count(), 3);
  EXPECT_TRUE(messages.shown.empty());
}

// A file may be named like markup or like Qt's place of the modified mark.
TEST_F(ProjectCommands, TheTitleShowsTheProjectsNameAsItIs) {
  const std::string path = MakeProject(folder / "home/Tank [*] &amp; <b>1.kvx", 1);
  auto app = Start({path});
  ASSERT_TRUE(started);
  app->MainFrame()->show();
  ASSERT_NE(app->MainFrame()->windowHandle(), nullptr);
  EXPECT_EQ(app->MainFrame()->windowHandle()->title(), QStringLiteral("Tank [*] &amp; <b>1.kvx - Korvix"));
}

TEST_F(ProjectCommands, ClosingAModifiedProjectAsksFirst) {
  const std::string path = MakeProject(folder / "home/plant.kvx", 1);
  struct CloseCase {
    SaveChoice choice;
    bool closes;
    int saved;
  };
  for (const CloseCase c : {CloseCase{SaveChoice::Cancel, false, 1}, CloseCase{SaveChoice::Discard, true, 1},
                            CloseCase{SaveChoice::Save, true, 2}}) {
    auto app = Start({path});
    Modify(*app);
    dialogs.savechoices = {c.choice};
    const int asked = dialogs.savequestions;
    app->MainFrame()->close();
    EXPECT_EQ(dialogs.savequestions, asked + 1);
    EXPECT_EQ(dialogs.lastprojectname, "plant.kvx");
    EXPECT_EQ(app->MainFrame()->isVisible(), !c.closes);
    EXPECT_EQ(TextBoxesIn(path), c.saved);
    MakeProject(path, 1);
  }
  auto app = Start({path});  // unmodified: no question
  const int asked = dialogs.savequestions;
  app->MainFrame()->close();
  EXPECT_EQ(dialogs.savequestions, asked);
  EXPECT_FALSE(app->MainFrame()->isVisible());
}

TEST_F(ProjectCommands, NewAndOpenAskBeforeDroppingChanges) {
  const std::string path = MakeProject(folder / "home/other.kvx", 4);
  auto app = Start({});
  Modify(*app);
  dialogs.savechoices = {SaveChoice::Cancel};
  app->MainFrame()->CommandAction(ID_FILE_NEW)->trigger();
  EXPECT_EQ(app->Document().m_textboxes.Count(), 1);
  dialogs.savechoices = {SaveChoice::Discard};
  dialogs.openanswers = {path};
  app->MainFrame()->CommandAction(ID_FILE_OPEN)->trigger();
  EXPECT_EQ(app->Document().m_textboxes.Count(), 4);
  EXPECT_EQ(app->RecentFiles().Files().front(), path);
}

TEST_F(ProjectCommands, UntitledSaveAsksForANameAndAddsTheExtension) {
  auto app = Start({});
  Modify(*app);
  dialogs.saveanswers = {""};  // cancelled: nothing written, still modified
  EXPECT_FALSE(app->OnFileSave());
  EXPECT_TRUE(app->Document().IsModified());
  EXPECT_EQ(dialogs.lastsuggested, folder / "home/Untitled.kvx");

  dialogs.saveanswers = {folder / "home/line3"};
  app->MainFrame()->CommandAction(ID_FILE_SAVE)->trigger();
  EXPECT_EQ(app->Document().GetPathName(), folder / "home/line3.kvx");
  EXPECT_EQ(TextBoxesIn(folder / "home/line3.kvx"), 1);
  EXPECT_EQ(app->MainFrame()->windowTitle(), QStringLiteral("line3.kvx - Korvix"));
}

TEST_F(ProjectCommands, SaveThatFailsIsReportedAndKeepsTheChanges) {
  auto app = Start({});
  Modify(*app);
  dialogs.saveanswers = {folder / "missing/folder/x.kvx"};
  EXPECT_FALSE(app->OnFileSaveAs());
  EXPECT_TRUE(app->Document().IsModified());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, "File Access Error");
  const std::string& text = messages.shown[0].text;
  const size_t said = text.find("could not be saved");
  ASSERT_NE(said, std::string::npos) << text;
  EXPECT_EQ(text.find("could not be saved", said + 1), std::string::npos) << text;
  EXPECT_NE(text.find(std::strerror(ENOENT)), std::string::npos) << text;
}

TEST_F(ProjectCommands, SampleProjectIsNeverModifiedAndSavesBelowHome) {
  const std::string sample = MakeProject(env.samplesfolder + "/Tank.kvx", 1);
  auto app = Start({sample});
  Modify(*app);
  EXPECT_FALSE(app->Document().IsModified());
  dialogs.saveanswers = {folder / "home/Tank.kvx"};
  app->MainFrame()->CommandAction(ID_FILE_SAVE)->trigger();
  EXPECT_EQ(dialogs.lastsuggested, folder / "home/Tank.kvx");
  EXPECT_EQ(TextBoxesIn(sample), 1);
  EXPECT_EQ(TextBoxesIn(folder / "home/Tank.kvx"), 2);
}

TEST_F(ProjectCommands, BadCommandLineFileLeavesAnEmptyProjectRunning) {
  WriteFile(folder / "home/notes.kvx", "PK");
  std::filesystem::create_directories(folder / "home/folder.kvx");
  for (const std::string& bad : {folder / "home/missing.kvx", folder / "home/notes.kvx", folder / "home/folder.kvx"}) {
    messages.shown.clear();
    auto app = Start({bad});
    EXPECT_TRUE(started) << bad;
    EXPECT_TRUE(app->MainFrame()->isVisible());
    EXPECT_EQ(app->Document().GetPathName(), "");
    EXPECT_EQ(app->Document().m_textboxes.Count(), 0);
    ASSERT_EQ(messages.shown.size(), 1u) << bad;
    EXPECT_NE(messages.shown[0].text.find(bad), std::string::npos) << messages.shown[0].text;
  }
}

TEST_F(ProjectCommands, FirstProjectOrder) {
  const std::string demo = MakeProject(env.samplesfolder + "/Demo.kvx", 5);
  const std::string named = MakeProject(folder / "home/named.kvx", 6);
  const std::string recent = MakeProject(folder / "home/recent.kvx", 7);
  profile.WriteProfileString("Recent File List", "File1", recent);
  EXPECT_EQ(Start({"../home/named.kvx"})->Document().GetPathName(), named);  // relative to the current folder
  EXPECT_EQ(Start({})->Document().GetPathName(), demo);
  EXPECT_EQ(Start({})->Document().GetPathName(), recent);
}

TEST_F(ProjectCommands, LockedProjectNeedsItsPassword) {
  const std::string path = MakeProject(folder / "home/locked.kvx", 3, 1, "Valve7");
  dialogs.passwords = {"Valve7"};
  auto app = Start({path});
  EXPECT_TRUE(started);
  EXPECT_EQ(app->Document().m_textboxes.Count(), 3);

  for (const bool typed : {true, false}) {
    messages.shown.clear();
    dialogs.passwords.clear();
    if (typed) dialogs.passwords = {"valve7"};
    auto refused = Start({path});
    EXPECT_FALSE(started);
    EXPECT_TRUE(refused->Ending());
    EXPECT_EQ(refused->Document().m_textboxes.Count(), 0);
    EXPECT_EQ(refused->Document().GetPathName(), "");
    EXPECT_FALSE(refused->MainFrame()->isVisible());
    EXPECT_EQ(messages.shown.size(), typed ? 1u : 0u);
  }
}

TEST_F(ProjectCommands, BarsFollowTheProjectAndAreStoredInIt) {
  CKorvixDoc doc;
  doc.m_showstatusbar = 0;
  const std::string path = folder / "home/bars.kvx";
  ASSERT_TRUE(SaveProjectFile(doc, path).ok);
  auto app = Start({path});
  EXPECT_FALSE(app->MainFrame()->statusBar()->isVisible());
  EXPECT_TRUE(app->MainFrame()->ToolBar()->isVisible());
  app->MainFrame()->CommandAction(ID_VIEW_TOOLBAR)->trigger();
  EXPECT_EQ(app->Document().m_showtoolbar, 0);
  EXPECT_TRUE(app->Document().IsModified());
  app->OnFileSave();
  auto again = Start({path});
  EXPECT_FALSE(again->MainFrame()->ToolBar()->isVisible());
}

}  // namespace
}  // namespace korvix
