#include "ui/korvix_app.h"

#include <QStyle>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/command_ids.h"
#include "app/command_line.h"
#include "app/curl_http_fetcher.h"
#include "app/desktop_integration.h"
#include "app/first_project.h"
#include "app/init_application.h"
#include "app/new_in_version.h"
#include "app/process_start.h"
#include "app/update_check.h"
#include "app/update_gate.h"
#include "document/project_file.h"
#include "ui/help.h"
#include "ui/main_frame.h"
#include "ui/view_subsystems.h"

namespace korvix {

namespace {

constexpr char kHelpFilesText[] = "&Help Files";
constexpr char kAboutText[] = "&About Korvix...";
constexpr char kFileAccessCaption[] = "File Access Error";
constexpr char kInstallerStartFailed[] = "The downloaded Korvix update could not be started.\r";

bool StartInstaller(const std::string& file, std::string& error) { return StartDetachedProcess(file, {}, error); }

}  // namespace

ShellEnvironment ShellEnvironment::FromSystem(const BuildTree& built) {
  ShellEnvironment env;
  std::error_code ignored;
  env.currentdir = std::filesystem::current_path(ignored).string();
  const char* home = std::getenv("HOME");
  env.homedir = home ? home : "";
  env.datahome = DefaultDataHome();
  env.executable = RunningExecutable();
  const InstallLayout layout = LayoutOf(env.executable, built);
  env.help = layout.help;
  env.samplesfolder = layout.samplesfolder;
  env.writedesktopentry = !layout.installed || !DesktopReadsInstalledEntry(layout.prefix, std::getenv("XDG_DATA_DIRS"));
  env.updatebaseurl = UpdateBaseUrl();
  env.installerfile = UpdateInstallerFile();
  return env;
}

CKorvixApp::CKorvixApp(Profile& profile, MessageSink& messages, WallClock& clock, ShellDialogs& dialogs,
                       ShellEnvironment environment)
    : m_profile(profile),
      m_messages(messages),
      m_clock(clock),
      m_dialogs(dialogs),
      m_env(std::move(environment)),
      m_workermessages(this, messages),
      m_startinstaller(&StartInstaller) {
  SetHelpFolder(m_env.help);
}

CKorvixApp::~CKorvixApp() {
  m_cancelupdate = true;
  WaitForUpdateCheck();
}

void CKorvixApp::InitApplication() { korvix::InitApplication(m_profile); }

bool CKorvixApp::InitInstance(const std::vector<std::string>& arguments) {
  const CommandLineInfo command = ParseCommandLine(arguments);
  const DesktopIntegration desktop{m_env.datahome, m_env.executable, m_env.refreshdesktopcaches};
  std::string error;
  if (command.action != CommandLineInfo::Action::Run) {
    const bool done = command.action == CommandLineInfo::Action::RegServer ? InstallDesktopIntegration(desktop, error)
                                                                           : RemoveDesktopIntegration(desktop, error);
    if (!done) std::cerr << "korvix: " << error << '\n';
    m_exitcode = done ? 0 : 1;
    return false;
  }

  m_recentfiles.Load(m_profile);
  m_recentloaded = true;
  if (!RunUpdateGate()) return false;

  // Opening projects from the file manager is this program's job where no
  // installed entry does it; a failure costs only that convenience, so it is
  // told but does not stop the start.
  if (m_env.writedesktopentry && !InstallDesktopIntegration(desktop, error)) std::cerr << "korvix: " << error << '\n';

  CreateMainFrame();
  OnFileNew();
  m_frame->InsertStartupMenuItems();
  m_frame->show();

  if (TakeNewInVersionTurn(m_profile)) m_dialogs.ShowNewInVersion(m_frame.get());
  const std::string first = ChooseFirstProject(m_profile, command.filename, m_env.samplesfolder);
  if (!first.empty()) OpenDocumentFile(first);
  return !m_ending;
}

bool CKorvixApp::RunUpdateGate() {
  switch (DecideUpdateGate(m_profile, m_clock.Now().dayofyear)) {
    case UpdateGate::OfferInstall: {
      if (!m_dialogs.OfferUpdate(nullptr)) return true;
      AcceptUpdate(m_profile);
      std::string error;
      // Only a file that this user's own download can have left is run.
      if (VerifyInstaller(m_env.installerfile, error) && m_startinstaller(m_env.installerfile, error)) return false;
      // Ending now would leave the user with neither the update nor the
      // program.
      m_messages.Show(kFileAccessCaption, kInstallerStartFailed + error, MessageIcon::Exclamation);
      return true;
    }
    case UpdateGate::StartCheck: StartUpdateCheck(); return true;
    case UpdateGate::None: return true;
  }
  return true;
}

void CKorvixApp::StartUpdateCheck() {
  if (m_env.updatebaseurl.empty() || m_env.installerfile.empty() || m_updatethread.joinable()) return;
  m_updatethread = std::thread([this] {
    CurlHttpFetcher fetcher(&m_cancelupdate);
    UpdateCheckContext context{m_profile, fetcher, m_workermessages, m_clock, m_env.updatebaseurl, m_env.installerfile};
    UpdateCheckThread(context);
  });
}

void CKorvixApp::WaitForUpdateCheck() {
  if (m_updatethread.joinable()) m_updatethread.join();
}

void CKorvixApp::CreateMainFrame() {
  m_doc = std::make_unique<CKorvixDoc>();
  m_doc->SetSamplesFolder(m_env.samplesfolder);
  m_frame = std::make_unique<CMainFrame>(m_profile);
  AddFileCommands();
  auto* subsystems = new CViewSubsystems(*m_frame, *m_doc, m_profile, m_messages, [this] { OnFileSave(); });
  // A quit during a run ends the program from inside the Run-Loop, past
  // ExitInstance; what the user set up is kept all the same.
  subsystems->RunLoop().Pump().SetBeforeEnd([this] {
    m_cancelupdate = true;
    // The cancelled download removes its partial file as it unwinds, which
    // the immediate end that follows would not let it do.
    WaitForUpdateCheck();
    WriteExitSettings();
  });
  m_frame->AddCommand(kHelpMenu, ID_HELP_FILES, kHelpFilesText, [this] { OnHelpFiles(); });
  m_frame->AddSeparator(kHelpMenu);
  m_frame->AddCommand(kHelpMenu, ID_APP_ABOUT, kAboutText, [this] { OnAppAbout(); });
  m_frame->AddToolBarButton(ID_APP_ABOUT, QStyle::SP_MessageBoxQuestion);
}

void CKorvixApp::OnAppAbout() { m_dialogs.ShowAbout(m_frame.get(), kProgramVersionText); }

void CKorvixApp::OnHelpFiles() { ShowHelpTopic(""); }

int CKorvixApp::ExitInstance() {
  m_cancelupdate = true;
  WaitForUpdateCheck();
  WriteExitSettings();
  return 0;
}

void CKorvixApp::WriteExitSettings() {
  if (m_recentloaded) m_recentfiles.Save(m_profile);
}

}  // namespace korvix
