#include "comms/com_link.h"
#include "comms/realtime_priority.h"

namespace korvix {

namespace {

const char kNoPortCaption[] = "Communications Error";
const char kNoPortText[] = "COM port has not been selected.";
const char kPortPrefix[] = "COM";
const char kNotRespondingText[] = " could not be accessed or is not responding.";
const char kSaturatedText[] = " is being saturated by continuous streaming data.";

struct FailureText {
  int number;
  const char* caption;
  const char* text;
};

constexpr FailureText kFailureTexts[] = {
    {101, "Communications Error 101", kNotRespondingText},
    {102, "Communications Error 102", kNotRespondingText},
    {103, "Communications Error 103", kNotRespondingText},
    {104, "Communications Error 104", kNotRespondingText},
    {201, "Communications Error 201", kSaturatedText},
    {202, "Communications Error 202", kNotRespondingText},
    {301, "Communications Error 301", kNotRespondingText},
    {401, "Communications Error 401", kSaturatedText},
    {402, "Communications Error 402", kNotRespondingText},
};

}  // namespace

void ComLink::ReportFailure(Failure failure, RealtimePriority& priority) {
  priority.Drop();
  const int number = static_cast<int>(failure);
  for (const FailureText& entry : kFailureTexts) {
    if (entry.number != number) continue;
    const std::string port = FormatNumberText(m_host.SelectedComPort() + 1, 0);
    m_sink.Show(entry.caption, kPortPrefix + port + entry.text, MessageIcon::Exclamation);
  }
  CloseComPort();
  m_host.ForgetComPort();
  m_host.HaltRunLoop();
}

void ComLink::ReportNoPort() {
  m_sink.Show(kNoPortCaption, kNoPortText, MessageIcon::Exclamation);
  m_host.HaltRunLoop();
}

}  // namespace korvix
