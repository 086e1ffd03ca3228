#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "comms/serial_port.h"
#include "pty_pair.h"

namespace korvix::testing {
namespace {

TEST(SerialPort, RefusesWhatIsNotAFreeSerialLine) {
  PtyPair pty;
  PosixSerialPort port;
  EXPECT_FALSE(port.Open("/nonexistent/ttyUSB9"));
  EXPECT_FALSE(port.Open("/dev/null"));  // a device, but no serial line
  EXPECT_FALSE(port.IsOpen());

  ASSERT_TRUE(port.Open(pty.SlavePath()));
  PosixSerialPort second;
  EXPECT_FALSE(second.Open(pty.SlavePath()));  // exclusive
  port.Close();
  EXPECT_TRUE(second.Open(pty.SlavePath()));  // handed back on close
}

TEST(SerialPort, ReadsReturnAtOnceWithOneByteOrNone) {
  PtyPair pty;
  PosixSerialPort port;
  ASSERT_TRUE(port.Open(pty.SlavePath()));
  uint8_t byte = 0;
  EXPECT_EQ(port.ReadByte(byte), SerialRead::Nothing);
  EXPECT_FALSE(port.WaitReadable(std::chrono::milliseconds(5)));

  pty.Send(std::string("\0\xFF", 2));
  EXPECT_TRUE(port.WaitReadable(std::chrono::seconds(3)));
  ASSERT_EQ(port.ReadByte(byte), SerialRead::Byte);
  EXPECT_EQ(byte, 0);
  ASSERT_EQ(port.ReadByte(byte), SerialRead::Byte);
  EXPECT_EQ(byte, 0xFF);
  EXPECT_EQ(port.ReadByte(byte), SerialRead::Nothing);

  // Raw: a CR goes out as it is, no LF is added, nothing is echoed back.
  ASSERT_TRUE(port.Write("A1\r\n"));
  EXPECT_TRUE(pty.WaitForBytes(4));
  EXPECT_EQ(pty.Received(), "A1\r\n");
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(port.ReadByte(byte), SerialRead::Nothing);
}

TEST(SerialPort, AHungUpLineFailsReadsAndWrites) {
  PtyPair pty;
  PosixSerialPort port;
  ASSERT_TRUE(port.Open(pty.SlavePath()));
  pty.CloseMaster();
  uint8_t byte = 0;
  EXPECT_EQ(port.ReadByte(byte), SerialRead::Failed);
  EXPECT_FALSE(port.Write("A1\r"));
}

}  // namespace
}  // namespace korvix::testing
