#include "app/project_paths.h"

#include <filesystem>

namespace korvix {

namespace {
constexpr char kProjectExtension[] = ".kvx";
constexpr char kUntitled[] = "Untitled";
}  // namespace

std::string AbsoluteProjectPath(const std::string& path, const std::string& currentdir) {
  if (path.empty()) return {};
  const std::filesystem::path given(path);
  const std::filesystem::path full = given.is_absolute() ? given : std::filesystem::path(currentdir) / given;
  return full.lexically_normal().string();
}

bool IsSamplesProject(const std::string& path, const std::string& samplesfolder) {
  if (path.empty() || samplesfolder.empty()) return false;
  // A folder named with a closing slash is the same folder.
  const std::filesystem::path samples =
      std::filesystem::path(AbsoluteProjectPath(samplesfolder + "/.", "/")).parent_path();
  return std::filesystem::path(AbsoluteProjectPath(path, "/")).parent_path() == samples;
}

std::string SaveAsSuggestion(const std::string& path, const std::string& samplesfolder, const std::string& homedir) {
  if (path.empty()) return (std::filesystem::path(homedir) / (std::string(kUntitled) + kProjectExtension)).string();
  if (IsSamplesProject(path, samplesfolder))
    return (std::filesystem::path(homedir) / std::filesystem::path(path).filename()).string();
  return path;
}

std::string WithProjectExtension(const std::string& path) {
  if (path.empty() || std::filesystem::path(path).has_extension()) return path;
  return path + kProjectExtension;
}

std::string ProjectTitle(const std::string& path) {
  return path.empty() ? kUntitled : std::filesystem::path(path).filename().string();
}

}  // namespace korvix
