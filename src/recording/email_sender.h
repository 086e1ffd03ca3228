#pragma once

#include <functional>
#include <string>

#include "document/settings_blocks.h"
#include "platform/wall_clock.h"
#include "recording/mail_transport.h"
#include "recording/popup_box.h"

namespace korvix {

// The view's mail client: hands reports to the transport, counts the ones
// still under way and shows failures in the popup box. Everything here runs
// on one thread; the transport's results must be brought to it.
class CEmailSender {
public:
  // `transport` null: mail cannot go out at all. `minimised` says whether
  // the main window is minimised.
  CEmailSender(MailTransport* transport, PopupBox& popupbox, std::function<bool()> minimised);

  void SendEmailReport(const LocalDateTime& now, const EmailServerSettings& settings, const std::string& address,
                       const std::string& body);
  void OnEmailSendResult(bool failed, std::string text);
  void ShowSendEmailFailed(const std::string& text);

  int m_sendsinflight = 0;

private:
  MailTransport* m_transport;
  PopupBox& m_popupbox;
  std::function<bool()> m_minimised;
};

}  // namespace korvix
