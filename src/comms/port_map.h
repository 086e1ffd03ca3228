#pragma once

#include <string>
#include <vector>

#include "platform/profile.h"

namespace korvix {

// Ports are numbered as the project stores them: 0 is "COM1".
constexpr int kComPortCount = 9;

// "COM" + (n + 1).
std::string ComPortName(int n);

// The device behind a port: the profile's mapping, else /dev/ttyS(n).
std::string ComPortDevicePath(Profile& profile, int n);
// An empty device gives the port its default back.
void MapComPort(Profile& profile, int n, const std::string& device);
// The device the profile maps the port to; empty when it keeps the default.
std::string ComPortMapping(Profile& profile, int n);

// The port the program opens when the project names none (0 when unset).
int DefaultComPort(Profile& profile);

// What Port Selection lists: COM1 to COM9 with their devices, and the serial
// devices present on the machine.
struct ComPortRow {
  int port;
  std::string name;
  std::string device;
};
std::vector<ComPortRow> ComPortRows(Profile& profile);

// ttyS* (those with a UART behind them, when sysfs tells), ttyUSB*, ttyACM*
// and serial/by-id/* below dev_root, in natural order (ttyS2 before ttyS10).
std::vector<std::string> FindSerialDevices(const std::string& dev_root = "/dev", const std::string& sys_root = "/sys");

}  // namespace korvix
