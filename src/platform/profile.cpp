#include "profile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/unique_file.h"

namespace korvix {

namespace {

bool MakeFolders(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return true;
}

}  // namespace

ProfileSections ParseProfileText(std::istream& in) {
  ProfileSections sections;
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      const auto close = line.find(']');
      if (close != std::string::npos) section = line.substr(1, close - 1);
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    sections[section][line.substr(0, eq)] = line.substr(eq + 1);
  }
  return sections;
}

int MemoryProfile::GetProfileInt(const std::string& section, const std::string& key, int fallback) {
  const std::string text = GetProfileString(section, key, "");
  if (text.empty()) return fallback;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (end == text.c_str() || value < INT32_MIN || value > INT32_MAX) return fallback;
  return static_cast<int>(value);
}

std::string MemoryProfile::GetProfileString(const std::string& section, const std::string& key,
                                            const std::string& fallback) {
  std::lock_guard guard(m_lock);
  const auto s = m_sections.find(section);
  if (s == m_sections.end()) return fallback;
  const auto k = s->second.find(key);
  return k == s->second.end() ? fallback : k->second;
}

void MemoryProfile::WriteProfileInt(const std::string& section, const std::string& key, int value) {
  WriteProfileString(section, key, std::to_string(value));
}

void MemoryProfile::WriteProfileString(const std::string& section, const std::string& key, const std::string& value) {
  std::lock_guard guard(m_lock);
  m_sections[section][key] = value;
  Changed(m_sections);
}

void MemoryProfile::DeleteProfileKey(const std::string& section, const std::string& key) {
  std::lock_guard guard(m_lock);
  const auto s = m_sections.find(section);
  if (s == m_sections.end() || s->second.erase(key) == 0) return;
  if (s->second.empty()) m_sections.erase(s);
  Changed(m_sections);
}

bool MemoryProfile::HasKey(const std::string& section, const std::string& key) {
  std::lock_guard guard(m_lock);
  const auto s = m_sections.find(section);
  return s != m_sections.end() && s->second.count(key) != 0;
}

void MemoryProfile::Replace(Sections sections) {
  std::lock_guard guard(m_lock);
  m_sections = std::move(sections);
}

IniProfile::IniProfile(std::string path) : m_path(std::move(path)) {
  std::ifstream in(m_path, std::ios::binary);
  if (in) Replace(ParseProfileText(in));
}

void IniProfile::Changed(const Sections& sections) {
  std::ostringstream text;
  for (const auto& [name, keys] : sections) {
    text << '[' << name << "]\n";
    for (const auto& [key, value] : keys) text << key << '=' << value << '\n';
    text << '\n';
  }
  const std::string body = text.str();
  // Settings are a convenience: a profile that cannot be written leaves the
  // values in memory for this run rather than stopping the program.
  if (!MakeFolders(m_path)) return;
  std::string temp;
  const int fd = CreateFileBeside(m_path, 0600, temp);
  if (fd < 0) return;
  const bool written = WriteAllBytes(fd, body) && fsync(fd) == 0;
  if (close(fd) != 0 || !written || std::rename(temp.c_str(), m_path.c_str()) != 0) std::remove(temp.c_str());
}

std::string DefaultProfilePath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (config && config[0] == '/') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home ? home : "") + "/.config";
  }
  return base + "/Korvix/Korvix.ini";
}

}  // namespace korvix
