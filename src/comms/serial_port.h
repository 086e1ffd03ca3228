#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace korvix {

enum class SerialRead { Byte, Nothing, Failed };

// One serial line, opened raw at 9600 8N1. Reads never block: each returns at
// once with one byte or none, so every wait above this layer is a polling
// loop with its own time limit.
class SerialPort {
public:
  virtual ~SerialPort() = default;

  // False for a missing device, one that is not a serial line, one that is
  // already open elsewhere, or one that refuses the line settings.
  virtual bool Open(const std::string& device) = 0;
  virtual bool IsOpen() const = 0;

  // Failed when the device went away (unplugged adapter, closed far end).
  virtual SerialRead ReadByte(uint8_t& byte) = 0;
  // The whole text or false.
  virtual bool Write(const std::string& bytes) = 0;
  // Sleeps until a byte may be read or the time is up; true when woken by
  // the line (a byte, or the device going away), so a caller can read at once.
  virtual bool WaitReadable(std::chrono::microseconds timeout) = 0;
  // Discards what is queued in both directions.
  virtual void Purge() = 0;
  virtual void Close() = 0;
  // A descriptor that polls readable with the line, so that an event loop
  // can wake for the port; -1 when there is none.
  virtual int Descriptor() const { return -1; }
};

// The termios implementation for ttyS, ttyUSB, ttyACM and pseudo-terminals.
class PosixSerialPort final : public SerialPort {
public:
  ~PosixSerialPort() override;
  bool Open(const std::string& device) override;
  bool IsOpen() const override { return m_fd >= 0; }
  SerialRead ReadByte(uint8_t& byte) override;
  bool Write(const std::string& bytes) override;
  bool WaitReadable(std::chrono::microseconds timeout) override;
  void Purge() override;
  void Close() override;
  int Descriptor() const override { return m_fd; }

private:
  int m_fd = -1;
};

using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;
std::unique_ptr<SerialPort> MakePosixSerialPort();

}  // namespace korvix
