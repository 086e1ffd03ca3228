#include <cctype>
#include <cerrno>
#include <cstring>

#include "comms/com_link.h"
#include "comms/port_map.h"
#include "platform/realtime_priority.h"

namespace korvix {

namespace {

const char kNoPortCaption[] = "Communications Error";
const char kNoPortText[] = "COM port has not been selected.";
const char kPortPrefix[] = "COM";
const char kCannotOpenPrefix[] = "Cannot open ";
const char kCannotOpenOn[] = " on ";
const char kNotRespondingText[] = " could not be accessed or is not responding.";
const char kSaturatedText[] = " is being saturated by continuous streaming data.";
const char kCollidingModule[] = ": module ";
const char kCollidingSilent[] = " has not answered for ";
const char kCollidingTalker[] = " seconds because module ";
const char kCollidingUnknownTalker[] = " seconds because another module";
const char kCollidingTail[] = " keeps talking over its commands.";

struct FailureText {
  int number;
  const char* caption;
  const char* text;
};

constexpr FailureText kFailureTexts[] = {
    {101, "Communications Error 101", kNotRespondingText}, {102, "Communications Error 102", kNotRespondingText},
    {103, "Communications Error 103", kNotRespondingText}, {104, "Communications Error 104", kNotRespondingText},
    {201, "Communications Error 201", kSaturatedText},     {202, "Communications Error 202", kNotRespondingText},
    {301, "Communications Error 301", kNotRespondingText}, {401, "Communications Error 401", kSaturatedText},
    {402, "Communications Error 402", kNotRespondingText},
};

}  // namespace

void ComLink::ReportFailure(Failure failure, RealtimePriority& priority) {
  priority.Drop();
  const int number = static_cast<int>(failure);
  for (const FailureText& entry : kFailureTexts) {
    if (entry.number != number) continue;
    const std::string port = FormatNumberText(m_ports.SelectedComPort() + 1, 0);
    m_sink.Show(entry.caption, kPortPrefix + port + entry.text, MessageIcon::Exclamation);
  }
  CloseComPort();
  m_lostport = m_ports.SelectedComPort();
  m_ports.ForgetComPort();
  m_halt.HaltRunLoop();
}

int ComLink::ReopenLostComPort() {
  m_reopenfailure.clear();
  if (m_lostport < 0) return -1;
  const int port = m_lostport;
  if (OpenComPort(port) == 1) {
    m_lostport = -1;
    return port;
  }
  const int error = errno;
  m_reopenfailure = kCannotOpenPrefix + ComPortName(port) + kCannotOpenOn + ComPortDevicePath(m_profile, port) + ": " +
                    std::strerror(error) + ".";
  return -1;
}

void ComLink::ReportCollisions(char address, char talker) {
  const std::string port = kPortPrefix + FormatNumberText(m_ports.SelectedComPort() + 1, 0);
  const std::string seconds = FormatNumberText(static_cast<int32_t>(CollisionWatch::kPatienceMs / 1000), 0);
  // A talker's first byte names its module only when it is a module address.
  const std::string by = std::isalnum(static_cast<unsigned char>(talker)) != 0
                             ? kCollidingTalker + std::string(1, talker)
                             : std::string(kCollidingUnknownTalker);
  m_sink.Show(kNoPortCaption, port + kCollidingModule + address + kCollidingSilent + seconds + by + kCollidingTail,
              MessageIcon::Exclamation);
}

void ComLink::ReportNoPort() {
  m_sink.Show(kNoPortCaption, m_reopenfailure.empty() ? kNoPortText : kNoPortText + ("\r" + m_reopenfailure),
              MessageIcon::Exclamation);
  m_reopenfailure.clear();
  m_halt.HaltRunLoop();
}

}  // namespace korvix
