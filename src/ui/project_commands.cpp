// The File menu's work on the open project: new, open, save, the recent
// files, the save question, and the security lock after a load.
#include <QCoreApplication>
#include <QStyle>
#include <filesystem>

#include "app/command_ids.h"
#include "app/project_paths.h"
#include "document/project_file.h"
#include "platform/message_sink.h"
#include "ui/korvix_app.h"
#include "ui/korvix_view.h"
#include "ui/latin1.h"
#include "ui/main_frame.h"

namespace korvix {

namespace {

constexpr char kNewText[] = "&New";
constexpr char kOpenText[] = "&Open...";
constexpr char kSaveText[] = "&Save";
constexpr char kSaveAsText[] = "Save &As...";
constexpr char kTitleSuffix[] = " - Korvix";
constexpr char kProgramCaption[] = "Korvix";
constexpr char kFileAccessCaption[] = "File Access Error";
constexpr char kNotLoaded[] = "The project file %s could not be loaded.\r%s";
constexpr char kWrongPassword[] = "The password is not correct.\rKorvix will now close.";

std::string Fill(const char* pattern, const std::string& first, const std::string& second = {}) {
  std::string text = pattern;
  const size_t a = text.find("%s");
  if (a != std::string::npos) text.replace(a, 2, first);
  const size_t b = text.find("%s", a == std::string::npos ? 0 : a + first.size());
  if (b != std::string::npos) text.replace(b, 2, second);
  return text;
}

}  // namespace

void CKorvixApp::AddFileCommands() {
  m_frame->AddCommand(
      kFileMenu, ID_FILE_NEW, kNewText, [this] { OnFileNew(); }, QKeySequence::New);
  m_frame->AddCommand(
      kFileMenu, ID_FILE_OPEN, kOpenText, [this] { OnFileOpen(); }, QKeySequence::Open);
  m_frame->AddCommand(
      kFileMenu, ID_FILE_SAVE, kSaveText, [this] { OnFileSave(); }, QKeySequence::Save);
  m_frame->AddCommand(kFileMenu, ID_FILE_SAVE_AS, kSaveAsText, [this] { OnFileSaveAs(); });
  m_frame->AddSeparator(kFileMenu);
  m_frame->AddToolBarButton(ID_FILE_NEW, QStyle::SP_FileIcon);
  m_frame->AddToolBarButton(ID_FILE_OPEN, QStyle::SP_DialogOpenButton);
  m_frame->AddToolBarButton(ID_FILE_SAVE, QStyle::SP_DialogSaveButton);
  m_frame->SetRecentFiles(m_recentfiles.Files());
  m_frame->SetRecentFileHandler([this](const std::string& path) {
    if (SaveModified()) OpenDocumentFile(path);
  });
  m_frame->SetCloseGuard([this] { return m_ending || SaveModified(); });

  // The bars belong to the project: switching one is a change to it.
  connect(m_frame.get(), &CMainFrame::ToolBarToggled, this, [this](bool shown) {
    m_doc->m_showtoolbar = shown ? 1 : 0;
    m_doc->SetModifiedFlag();
  });
  connect(m_frame.get(), &CMainFrame::StatusBarToggled, this, [this](bool shown) {
    m_doc->m_showstatusbar = shown ? 1 : 0;
    m_doc->SetModifiedFlag();
  });
  m_frame->View()->AddInitialUpdateStep([this] {
    m_frame->SetToolBarShown(m_doc->m_showtoolbar != 0);
    m_frame->SetStatusBarShown(m_doc->m_showstatusbar != 0);
  });
}

void CKorvixApp::OnFileNew() {
  if (!SaveModified()) return;
  m_doc->DeleteContents();
  m_doc->SetPathName({});
  AfterProjectChange();
}

void CKorvixApp::OnFileOpen() {
  if (!SaveModified()) return;
  const std::string current = m_doc->GetPathName();
  const std::string folder = current.empty() ? m_env.currentdir : std::filesystem::path(current).parent_path().string();
  const std::string chosen = m_dialogs.AskOpenFileName(m_frame.get(), folder);
  if (!chosen.empty()) OpenDocumentFile(chosen);
}

bool CKorvixApp::OpenDocumentFile(const std::string& given) {
  const std::string path = AbsoluteProjectPath(given, m_env.currentdir);
  const LoadResult result = OpenProjectFile(path, *m_doc);
  if (!result.Ok()) {
    // The loader's own reasons do not name the file; the newer-version
    // refusal stands as it is.
    if (result.status == LoadStatus::NewerVersion)
      m_messages.Show(kProgramCaption, result.message, MessageIcon::Exclamation);
    else if (result.status == LoadStatus::CannotOpen)
      m_messages.Show(kFileAccessCaption, result.message, MessageIcon::Exclamation);
    else
      m_messages.Show(kFileAccessCaption, Fill(kNotLoaded, path, result.message), MessageIcon::Exclamation);
    if (result.status == LoadStatus::CannotOpen) {
      m_recentfiles.Remove(path);
      m_frame->SetRecentFiles(m_recentfiles.Files());
    }
    return false;
  }
  if (!PassSecurityLock()) return false;
  RememberRecent(path);
  AfterProjectChange();
  return true;
}

bool CKorvixApp::PassSecurityLock() {
  if (m_doc->m_lockon == 0) return true;
  std::string password;
  const bool answered = m_dialogs.AskPassword(m_frame.get(), password);
  if (answered && password == m_doc->m_lockpassword) return true;
  if (answered) m_messages.Show(kEntryErrorCaption, kWrongPassword, MessageIcon::Exclamation);
  // A locked project that nobody may see: close it and end the program.
  m_doc->DeleteContents();
  m_doc->SetPathName({});
  m_ending = true;
  AfterProjectChange();
  m_frame->close();
  QCoreApplication::exit(0);
  return false;
}

bool CKorvixApp::OnFileSave() {
  const std::string path = m_doc->GetPathName();
  if (path.empty() || IsSamplesProject(path, m_env.samplesfolder)) return OnFileSaveAs();
  return DoSave(path);
}

bool CKorvixApp::OnFileSaveAs() {
  const std::string suggested = SaveAsSuggestion(m_doc->GetPathName(), m_env.samplesfolder, m_env.homedir);
  const std::string chosen = WithProjectExtension(m_dialogs.AskSaveFileName(m_frame.get(), suggested));
  if (chosen.empty()) return false;
  return DoSave(AbsoluteProjectPath(chosen, m_env.currentdir));
}

bool CKorvixApp::DoSave(const std::string& path) {
  const SaveResult result = SaveProjectFile(*m_doc, path);
  if (!result.ok) {
    // The store's message names the file and the system's reason already.
    m_messages.Show(kFileAccessCaption, result.message, MessageIcon::Exclamation);
    return false;
  }
  RememberRecent(path);
  m_frame->setWindowTitle(ToWindowTitle(ProjectTitle(path) + kTitleSuffix));
  return true;
}

bool CKorvixApp::SaveModified() {
  if (!m_doc || !m_doc->IsModified()) return true;
  switch (m_dialogs.AskSaveChanges(m_frame.get(), ProjectTitle(m_doc->GetPathName()))) {
    case SaveChoice::Save: return OnFileSave();
    case SaveChoice::Discard: return true;
    case SaveChoice::Cancel: return false;
  }
  return false;
}

void CKorvixApp::AfterProjectChange() {
  m_frame->setWindowTitle(ToWindowTitle(ProjectTitle(m_doc->GetPathName()) + kTitleSuffix));
  m_frame->View()->OnInitialUpdate();
}

void CKorvixApp::RememberRecent(const std::string& path) {
  m_recentfiles.Add(path);
  m_frame->SetRecentFiles(m_recentfiles.Files());
}

}  // namespace korvix
