#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "comms/port_map.h"
#include "platform/profile.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

TEST(PortMap, MapsPortsToDevicesThroughTheProfile) {
  MemoryProfile profile;
  EXPECT_EQ(ComPortName(0), "COM1");
  EXPECT_EQ(ComPortDevicePath(profile, 0), "/dev/ttyS0");
  EXPECT_EQ(ComPortDevicePath(profile, 8), "/dev/ttyS8");
  MapComPort(profile, 2, "/dev/ttyUSB0");
  EXPECT_EQ(profile.GetProfileString("Ports", "COM3"), "/dev/ttyUSB0");
  EXPECT_EQ(ComPortDevicePath(profile, 2), "/dev/ttyUSB0");

  const std::vector<ComPortRow> rows = ComPortRows(profile);
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[0].name, "COM1");
  EXPECT_EQ(rows[2].device, "/dev/ttyUSB0");
  EXPECT_EQ(rows[8].name, "COM9");
  EXPECT_EQ(rows[8].device, "/dev/ttyS8");

  EXPECT_EQ(DefaultComPort(profile), 0);
  profile.WriteProfileInt("Configuration", "DefaultComport", 4);
  EXPECT_EQ(DefaultComPort(profile), 4);
}

TEST(PortMap, FindsTheSerialDevicesPresent) {
  const fs::path root = fs::temp_directory_path() / ("korvix-ports-" + std::to_string(getpid()));
  const fs::path dev = root / "dev";
  const fs::path sys = root / "sys";
  fs::create_directories(dev / "serial" / "by-id");
  for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyS10", "ttyUSB1", "ttyACM0", "tty0", "null", "ttyprintk"}) {
    std::ofstream(dev / name).put('\n');
  }
  std::ofstream(dev / "serial" / "by-id" / "usb-Maker_Adapter-if00").put('\n');
  // ttyS0 and ttyS10 have a UART, ttyS1 none, ttyS2 nothing known in sysfs.
  for (const auto& [name, type] : {std::pair{"ttyS0", "4"}, {"ttyS1", "0"}, {"ttyS10", "4"}}) {
    fs::create_directories(sys / "class" / "tty" / name);
    std::ofstream(sys / "class" / "tty" / name / "type") << type << "\n";
  }

  const std::vector<std::string> found = FindSerialDevices(dev.string(), sys.string());
  const std::vector<std::string> expected = {
      (dev / "ttyACM0").string(), (dev / "ttyS0").string(),
      (dev / "ttyS2").string(),   (dev / "ttyS10").string(),
      (dev / "ttyUSB1").string(), (dev / "serial" / "by-id" / "usb-Maker_Adapter-if00").string()};
  EXPECT_EQ(found, expected);
  fs::remove_all(root);

  EXPECT_TRUE(FindSerialDevices((root / "missing").string(), sys.string()).empty());
}

}  // namespace
}  // namespace korvix
