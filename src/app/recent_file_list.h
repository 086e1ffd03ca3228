#pragma once

#include <string>
#include <vector>

#include "platform/profile.h"

namespace korvix {

inline constexpr size_t kRecentFileCount = 4;

// The most recently opened projects, newest first, as the File menu lists
// them and the profile keeps them between runs.
class RecentFileList {
public:
  void Load(Profile& profile);
  void Save(Profile& profile) const;

  // Puts `path` first; an entry for the same file moves up rather than
  // appearing twice.
  void Add(const std::string& path);
  void Remove(const std::string& path);

  const std::vector<std::string>& Files() const { return m_files; }

private:
  std::vector<std::string> m_files;
};

// "File1" of the stored list.
std::string MostRecentFile(Profile& profile);

}  // namespace korvix
