#include "comms/port_map.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/configuration_keys.h"

namespace korvix {

namespace {

const char kPortsSection[] = "Ports";
const char kDefaultComportKey[] = "DefaultComport";
const char kDefaultDevicePrefix[] = "/dev/ttyS";

// Natural order: runs of digits compare by value.
bool NaturalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const bool da = std::isdigit(static_cast<unsigned char>(a[i])) != 0;
    const bool db = std::isdigit(static_cast<unsigned char>(b[j])) != 0;
    if (da && db) {
      size_t ie = i, je = j;
      while (ie < a.size() && std::isdigit(static_cast<unsigned char>(a[ie]))) ++ie;
      while (je < b.size() && std::isdigit(static_cast<unsigned char>(b[je]))) ++je;
      std::string na = a.substr(i, ie - i), nb = b.substr(j, je - j);
      na.erase(0, std::min(na.find_first_not_of('0'), na.size()));
      nb.erase(0, std::min(nb.find_first_not_of('0'), nb.size()));
      if (na.size() != nb.size()) return na.size() < nb.size();
      if (na != nb) return na < nb;
      i = ie;
      j = je;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

// The kernel creates ttyS0 to ttyS31 whether or not a UART is fitted; sysfs
// reports the UART type, 0 meaning none. Without sysfs the node is listed.
bool HasUart(const std::filesystem::path& sys_root, const std::string& name) {
  std::ifstream in(sys_root / "class" / "tty" / name / "type");
  int type = 0;
  if (!(in >> type)) return true;
  return type != 0;
}

}  // namespace

std::string ComPortName(int n) { return "COM" + std::to_string(n + 1); }

std::string ComPortMapping(Profile& profile, int n) { return profile.GetProfileString(kPortsSection, ComPortName(n)); }

std::string ComPortDevicePath(Profile& profile, int n) {
  const std::string mapped = ComPortMapping(profile, n);
  if (!mapped.empty()) return mapped;
  return kDefaultDevicePrefix + std::to_string(n);
}

void MapComPort(Profile& profile, int n, const std::string& device) {
  if (device.empty())
    profile.DeleteProfileKey(kPortsSection, ComPortName(n));
  else
    profile.WriteProfileString(kPortsSection, ComPortName(n), device);
}

int DefaultComPort(Profile& profile) { return profile.GetProfileInt(kConfigurationSection, kDefaultComportKey, 0); }

std::vector<ComPortRow> ComPortRows(Profile& profile) {
  std::vector<ComPortRow> rows;
  for (int n = 0; n < kComPortCount; ++n) rows.push_back({n, ComPortName(n), ComPortDevicePath(profile, n)});
  return rows;
}

std::vector<std::string> FindSerialDevices(const std::string& dev_root, const std::string& sys_root) {
  namespace fs = std::filesystem;
  std::vector<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(dev_root, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const bool uart = name.rfind("ttyS", 0) == 0;
    if (!uart && name.rfind("ttyUSB", 0) != 0 && name.rfind("ttyACM", 0) != 0) continue;
    if (uart && !HasUart(sys_root, name)) continue;
    found.push_back(it->path().string());
  }
  std::sort(found.begin(), found.end(), NaturalLess);

  std::vector<std::string> byid;
  ec.clear();
  for (fs::directory_iterator it(fs::path(dev_root) / "serial" / "by-id", ec), end; !ec && it != end;
       it.increment(ec)) {
    byid.push_back(it->path().string());
  }
  std::sort(byid.begin(), byid.end(), NaturalLess);
  found.insert(found.end(), byid.begin(), byid.end());
  return found;
}

}  // namespace korvix
