#include "recording/email_message.h"

#include <array>
#include <cstdio>

namespace korvix {
namespace {

constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kFixedHeaders =
    "X-Priority: 3 (Normal)\r\n"
    "MIME-Version: 1.0\r\n"
    "Content-type: text/plain; charset=US-ASCII\r\n"
    "Content-Transfer-Encoding: 7bit\r\n"
    "\r\n";
constexpr const char* kSubjectLine = "Subject: Korvix Report\r\n";
constexpr const char* kEndOfData = "\r\n.\r\n";

std::string DateLine(const LocalDateTime& now) {
  const int month = now.month >= 1 && now.month <= 12 ? now.month - 1 : 0;
  char line[64];
  std::snprintf(line, sizeof line, "Date: %02d %s %d %02d:%02d:%02d\r\n", now.day, kMonths[month], now.year, now.hour,
                now.minute, now.second);
  return line;
}

}  // namespace

std::string WithoutLineBreaks(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return text;
}

std::string BuildEmailMessage(const LocalDateTime& now, const EmailServerSettings& settings, const std::string& address,
                              const std::string& body) {
  std::string message = DateLine(now);
  message +=
      "From: " + WithoutLineBreaks(settings.sendername) + " <" + WithoutLineBreaks(settings.senderemail) + ">\r\n";
  message += "Reply-To: <" + WithoutLineBreaks(settings.replyto) + ">\r\n";
  message += kSubjectLine;
  message += "To: <" + WithoutLineBreaks(address) + ">\r\n";
  message += kFixedHeaders;
  message += body;
  message += kEndOfData;
  return message;
}

}  // namespace korvix
