#pragma once

#include <string>

#include "executors/outside_actions.h"
#include "platform/profile.h"

namespace korvix {

// Dials through a Hayes-compatible modem on the serial device that the
// profile names under "TelephoneModem", and hangs up by closing the call.
class ModemTelephone final : public TelephoneLine {
public:
  explicit ModemTelephone(Profile& profile) : m_profile(profile) {}
  ModemTelephone(const ModemTelephone&) = delete;
  ModemTelephone& operator=(const ModemTelephone&) = delete;
  ~ModemTelephone() override;
  std::string Dial(const std::string& number) override;
  void HangUp() override;

private:
  Profile& m_profile;
  int m_handle = -1;
};

constexpr const char* kTelephoneModemKey = "TelephoneModem";

}  // namespace korvix
