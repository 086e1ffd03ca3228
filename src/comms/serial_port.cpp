#include "comms/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace korvix {

namespace {

// A write that the driver cannot take within this time counts as a dead line.
constexpr int kWriteStallMs = 1000;

bool ApplyLineSettings(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;  // not a serial line
  cfmakeraw(&tio);
  tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
  tio.c_cflag |= CS8 | CREAD | CLOCAL;
  tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | IGNBRK | IGNPAR);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (cfsetispeed(&tio, B9600) != 0 || cfsetospeed(&tio, B9600) != 0) return false;
  if (tcsetattr(fd, TCSANOW, &tio) != 0) return false;

  // DTR and RTS stay low: modules powered from them must not see them toggle.
  // A pseudo-terminal has no modem lines, which is no failure.
  int lines = TIOCM_DTR | TIOCM_RTS;
  if (ioctl(fd, TIOCMBIC, &lines) != 0 && errno != ENOTTY && errno != EINVAL) return false;
  return true;
}

}  // namespace

PosixSerialPort::~PosixSerialPort() { Close(); }

bool PosixSerialPort::Open(const std::string& device) {
  Close();
  const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  // TIOCEXCL keeps out other users; the lock also keeps out another copy of
  // this program running as root, which TIOCEXCL lets through.
  if (!isatty(fd) || ioctl(fd, TIOCEXCL) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0 || !ApplyLineSettings(fd)) {
    close(fd);
    return false;
  }
  m_fd = fd;
  return true;
}

SerialRead PosixSerialPort::ReadByte(uint8_t& byte) {
  if (m_fd < 0) return SerialRead::Failed;
  const ssize_t n = read(m_fd, &byte, 1);
  if (n == 1) return SerialRead::Byte;
  if (n < 0 && errno != EAGAIN && errno != EINTR) return SerialRead::Failed;
  // A hung-up line reads as empty for ever; only poll tells it from silence.
  pollfd pfd{m_fd, POLLIN, 0};
  if (poll(&pfd, 1, 0) > 0 && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
    return SerialRead::Failed;
  }
  return SerialRead::Nothing;
}

bool PosixSerialPort::Write(const std::string& bytes) {
  if (m_fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(m_fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return false;
    pollfd pfd{m_fd, POLLOUT, 0};
    if (poll(&pfd, 1, kWriteStallMs) <= 0 || (pfd.revents & POLLOUT) == 0) return false;
  }
  return true;
}

bool PosixSerialPort::WaitReadable(std::chrono::microseconds timeout) {
  if (m_fd < 0) return true;
  if (timeout.count() < 0) timeout = std::chrono::microseconds(0);
  pollfd pfd{m_fd, POLLIN, 0};
  const timespec ts{static_cast<time_t>(timeout.count() / 1000000),
                    static_cast<long>(timeout.count() % 1000000) * 1000L};
  return ppoll(&pfd, 1, &ts, nullptr) > 0;
}

void PosixSerialPort::Purge() {
  if (m_fd >= 0) tcflush(m_fd, TCIOFLUSH);
}

void PosixSerialPort::Close() {
  if (m_fd < 0) return;
  // Exclusive use outlives the descriptor while anyone else holds the line
  // open (the simulator keeps its own end): hand it back for the next opener.
  ioctl(m_fd, TIOCNXCL);
  close(m_fd);
  m_fd = -1;
}

std::unique_ptr<SerialPort> MakePosixSerialPort() { return std::make_unique<PosixSerialPort>(); }

}  // namespace korvix
