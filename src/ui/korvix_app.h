#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/install_layout.h"
#include "app/recent_file_list.h"
#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "platform/profile.h"
#include "platform/wall_clock.h"
#include "ui/queued_message_sink.h"
#include "ui/shell_dialogs.h"

namespace korvix {

class CMainFrame;

// Where the program finds and puts things, taken from the system at start
// and replaced wholesale by tests.
struct ShellEnvironment {
  std::string currentdir;
  std::string homedir;
  std::string datahome;  // XDG data folder for the desktop entry
  std::string executable;
  HelpPlace help;
  std::string samplesfolder;
  std::string updatebaseurl;  // empty: no update checks
  std::string installerfile;
  // False where the desktop reads the entry installed with the program.
  bool writedesktopentry = true;
  bool refreshdesktopcaches = true;

  static ShellEnvironment FromSystem(const BuildTree& built);
};

// The application object: brings the program up in a fixed order, owns the
// main window and the open project, and ends the background update check
// on the way out.
class CKorvixApp final : public QObject {
  Q_OBJECT

public:
  using InstallerStarter = std::function<bool(const std::string& file, std::string& error)>;

  CKorvixApp(Profile& profile, MessageSink& messages, WallClock& clock, ShellDialogs& dialogs,
             ShellEnvironment environment);
  ~CKorvixApp() override;

  void InitApplication();
  // `arguments` without the program's name. False: end the program now,
  // with ExitCode().
  bool InitInstance(const std::vector<std::string>& arguments);
  int ExitInstance();
  int ExitCode() const { return m_exitcode; }

  void OnAppAbout();
  void OnHelpFiles();

  // File commands. The ones that can be refused return false when the user
  // cancelled or the file could not be written.
  void OnFileNew();
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  // Opens a project in place of the current one; reports a failure and
  // keeps what was open. False when it did not open.
  bool OpenDocumentFile(const std::string& path);
  // Asks whether to save a modified project; false means "stay".
  bool SaveModified();

  CMainFrame* MainFrame() const { return m_frame.get(); }
  CKorvixDoc& Document() { return *m_doc; }
  // True once a failed unlock has closed the project for good.
  bool Ending() const { return m_ending; }
  const RecentFileList& RecentFiles() const { return m_recentfiles; }
  // Blocks until a running update check has ended.
  void WaitForUpdateCheck();

  // How the downloaded installer is started; tests replace it.
  void SetInstallerStarter(InstallerStarter starter) { m_startinstaller = std::move(starter); }

private:
  bool RunUpdateGate();
  void StartUpdateCheck();
  void CreateMainFrame();
  void AddFileCommands();
  bool DoSave(const std::string& path);
  bool PassSecurityLock();
  void AfterProjectChange();
  void RememberRecent(const std::string& path);
  void WriteExitSettings();

  Profile& m_profile;
  MessageSink& m_messages;
  WallClock& m_clock;
  ShellDialogs& m_dialogs;
  ShellEnvironment m_env;
  QueuedMessageSink m_workermessages;
  InstallerStarter m_startinstaller;
  RecentFileList m_recentfiles;
  std::unique_ptr<CKorvixDoc> m_doc;
  std::unique_ptr<CMainFrame> m_frame;
  bool m_ending = false;
  bool m_recentloaded = false;
  std::atomic<bool> m_cancelupdate{false};
  std::thread m_updatethread;
  int m_exitcode = 0;
};

}  // namespace korvix
