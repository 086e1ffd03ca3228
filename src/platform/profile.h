#pragma once

#include <istream>
#include <map>
#include <mutex>
#include <string>

namespace korvix {

// Section name to key to value.
using ProfileSections = std::map<std::string, std::map<std::string, std::string>>;

// The application's settings store: sections of keys holding ints or texts.
// A missing int reads as the given default (0 unless told), a missing text as
// the given default (empty unless told).
class Profile {
public:
  virtual ~Profile() = default;
  virtual int GetProfileInt(const std::string& section, const std::string& key, int fallback = 0) = 0;
  virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                       const std::string& fallback = "") = 0;
  virtual void WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
  virtual void WriteProfileString(const std::string& section, const std::string& key, const std::string& value) = 0;
  virtual void DeleteProfileKey(const std::string& section, const std::string& key) = 0;
};

// Keys and values held in memory; safe to share between the interface thread
// and a worker thread.
class MemoryProfile : public Profile {
public:
  int GetProfileInt(const std::string& section, const std::string& key, int fallback = 0) override;
  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& fallback = "") override;
  void WriteProfileInt(const std::string& section, const std::string& key, int value) override;
  void WriteProfileString(const std::string& section, const std::string& key, const std::string& value) override;
  void DeleteProfileKey(const std::string& section, const std::string& key) override;

  bool HasKey(const std::string& section, const std::string& key);

protected:
  using Sections = ProfileSections;
  // Called with the lock held after every change.
  virtual void Changed(const Sections&) {}
  void Replace(Sections sections);

private:
  std::mutex m_lock;
  Sections m_sections;
};

// Reads a profile file's text: what an INI writer of ours produces, and what
// a user's editor may add (blank lines, comments, CR LF line ends).
ProfileSections ParseProfileText(std::istream& in);

// An INI file, read once when opened and rewritten atomically after every
// change, so that a crash never leaves half a profile behind.
class IniProfile final : public MemoryProfile {
public:
  explicit IniProfile(std::string path);
  const std::string& Path() const { return m_path; }

protected:
  void Changed(const Sections& sections) override;

private:
  std::string m_path;
};

// $XDG_CONFIG_HOME/Korvix/Korvix.ini, else ~/.config/Korvix/Korvix.ini.
std::string DefaultProfilePath();

}  // namespace korvix
