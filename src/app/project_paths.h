#pragma once

#include <string>

namespace korvix {

// `path` made absolute against `currentdir` and tidied, so that one project
// has one name in the recent-file list.
std::string AbsoluteProjectPath(const std::string& path, const std::string& currentdir);

// True when `path` lies in the folder of the shipped samples.
bool IsSamplesProject(const std::string& path, const std::string& samplesfolder);

// The name Save As proposes: the project's own path, except that a shipped
// sample goes below the user's home folder so the original stays intact;
// "Untitled.kvx" there for a project never saved.
std::string SaveAsSuggestion(const std::string& path, const std::string& samplesfolder, const std::string& homedir);

// A chosen file name without any extension gets the project extension.
std::string WithProjectExtension(const std::string& path);

// The file name without its folder, as titles and questions show it.
std::string ProjectTitle(const std::string& path);

}  // namespace korvix
