#include "app/recent_file_list.h"

#include <algorithm>

namespace korvix {

namespace {

constexpr char kRecentFileSection[] = "Recent File List";
constexpr char kRecentFileKeyStem[] = "File";

std::string KeyOf(size_t index) { return kRecentFileKeyStem + std::to_string(index + 1); }

}  // namespace

void RecentFileList::Load(Profile& profile) {
  m_files.clear();
  for (size_t i = 0; i < kRecentFileCount; ++i) {
    const std::string path = profile.GetProfileString(kRecentFileSection, KeyOf(i));
    if (!path.empty() && std::find(m_files.begin(), m_files.end(), path) == m_files.end()) m_files.push_back(path);
  }
}

void RecentFileList::Save(Profile& profile) const {
  for (size_t i = 0; i < kRecentFileCount; ++i) {
    if (i < m_files.size())
      profile.WriteProfileString(kRecentFileSection, KeyOf(i), m_files[i]);
    else
      profile.DeleteProfileKey(kRecentFileSection, KeyOf(i));
  }
}

void RecentFileList::Add(const std::string& path) {
  if (path.empty()) return;
  Remove(path);
  m_files.insert(m_files.begin(), path);
  if (m_files.size() > kRecentFileCount) m_files.resize(kRecentFileCount);
}

void RecentFileList::Remove(const std::string& path) {
  m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
}

std::string MostRecentFile(Profile& profile) { return profile.GetProfileString(kRecentFileSection, KeyOf(0)); }

}  // namespace korvix
