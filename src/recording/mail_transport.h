#pragma once

#include <functional>
#include <string>

namespace korvix {

// Security codes of a mail request.
inline constexpr int kMailSecurityNone = 0;
inline constexpr int kMailSecurityStartTls = 2;
inline constexpr int kMailSecurityTls = 3;

struct MailRequest {
  std::string server;
  int port = 0;  // 0: the mode's usual port, 25, 587 or 465
  int security = kMailSecurityNone;
  std::string user;  // "": no login
  std::string password;
  std::string sender;
  std::string recipient;
  std::string message;  // the whole message, ending in the end-of-data mark
};

// What a transport says at once when it is handed a message.
struct MailSubmission {
  bool accepted = false;
  std::string description;  // why it was not, "" when it cannot say
};

// Delivers mail in the background. Every accepted request is answered
// exactly once through the result handler the transport was made with,
// possibly on another thread.
class MailTransport {
public:
  using ResultHandler = std::function<void(bool failed, const std::string& text)>;
  virtual ~MailTransport() = default;
  virtual MailSubmission Send(MailRequest request) = 0;
};

}  // namespace korvix
