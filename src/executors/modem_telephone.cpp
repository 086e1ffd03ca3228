#include "executors/modem_telephone.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "platform/configuration_keys.h"

namespace korvix {
namespace {

constexpr const char* kNoModem = "No telephone modem is configured, so the number was not dialed:\r";
constexpr const char* kNoModemHint =
    "\rName the modem's serial device as TelephoneModem in the Configuration section of the profile.";
constexpr const char* kModemFailed = "The telephone modem could not dial:\r";
constexpr const char* kDialPrefix = "ATDT";
// The semicolon keeps the modem in command mode: the call rings, nothing
// answers it.
constexpr const char* kDialSuffix = ";\r";
constexpr const char* kHangUp = "ATH\r";

bool WriteAll(int handle, const std::string& text) {
  return ::write(handle, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

}  // namespace

ModemTelephone::~ModemTelephone() { HangUp(); }

std::string ModemTelephone::Dial(const std::string& number) {
  const std::string device = m_profile.GetProfileString(kConfigurationSection, kTelephoneModemKey, "");
  if (device.empty()) return kNoModem + number + kNoModemHint;
  HangUp();
  m_handle = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (m_handle < 0) return kModemFailed + device + "\r" + std::strerror(errno);
  termios settings{};
  if (::tcgetattr(m_handle, &settings) == 0) {
    ::cfmakeraw(&settings);
    ::cfsetspeed(&settings, B9600);
    ::tcsetattr(m_handle, TCSANOW, &settings);
  }
  if (!WriteAll(m_handle, kDialPrefix + number + kDialSuffix)) {
    const std::string failure = kModemFailed + device + "\r" + std::strerror(errno);
    ::close(m_handle);
    m_handle = -1;
    return failure;
  }
  return {};
}

void ModemTelephone::HangUp() {
  if (m_handle < 0) return;
  // A modem that cannot take the command any more has dropped the call.
  static_cast<void>(WriteAll(m_handle, kHangUp));
  ::close(m_handle);
  m_handle = -1;
}

}  // namespace korvix
