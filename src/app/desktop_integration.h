#pragma once

#include <string>

namespace korvix {

inline constexpr char kProjectMimeType[] = "application/x-korvix-project";

// The desktop entry that opens projects with this program and the MIME type
// that makes "*.kvx" files projects, both for the current user only.
struct DesktopIntegration {
  std::string datahome;    // XDG data folder, see DefaultDataHome
  std::string executable;  // absolute path of the program
  // Let the desktop's caches learn of a change; tests turn it off.
  bool refreshcaches = true;

  std::string DesktopEntryPath() const;
  std::string MimePackagePath() const;
};

// The two files' texts, the same as installed and as written for one user.
std::string DesktopEntryText(const std::string& executable);
std::string MimePackageText();

// True when the desktop reads the entry installed with the program below
// `prefix`: it is there, and <prefix>/share is one of `xdgdatadirs` (null:
// the desktop's own default).
bool DesktopReadsInstalledEntry(const std::string& prefix, const char* xdgdatadirs);

// $XDG_DATA_HOME, else ~/.local/share.
std::string DefaultDataHome();

// The running program's own path.
std::string RunningExecutable();

// Writes both files when they are missing or differ, so that a start where
// nothing changed costs two small reads. Returns false with `error` set when
// a file could not be written.
bool InstallDesktopIntegration(const DesktopIntegration& where, std::string& error);

// Removes both files; files that are not there are no failure.
bool RemoveDesktopIntegration(const DesktopIntegration& where, std::string& error);

}  // namespace korvix
