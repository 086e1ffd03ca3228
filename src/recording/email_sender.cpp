#include "recording/email_sender.h"

#include <algorithm>

#include "recording/email_message.h"

namespace korvix {
namespace {

constexpr const char* kSendFailedTitle = "Send Email Failed";
constexpr const char* kComponentMissing = "Email ActiveX object can not be accessed.";
constexpr const char* kComponentError = "Error using email ActiveX object.\r";

int SecurityCode(int encryption) {
  switch (encryption) {
    case 1: return kMailSecurityStartTls;
    case 2: return kMailSecurityTls;
    default: return kMailSecurityNone;
  }
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

CEmailSender::CEmailSender(MailTransport* transport, PopupBox& popupbox, std::function<bool()> minimised)
    : m_transport(transport), m_popupbox(popupbox), m_minimised(std::move(minimised)) {}

void CEmailSender::SendEmailReport(const LocalDateTime& now, const EmailServerSettings& settings,
                                   const std::string& address, const std::string& body) {
  if (!m_transport) {
    ShowSendEmailFailed(kComponentMissing);
    return;
  }
  MailRequest request;
  request.server = settings.smtpserver;
  request.port = settings.smtpport;
  request.security = SecurityCode(settings.encryption);
  request.user = settings.smtpuser;
  request.password = settings.smtppassword;
  request.sender = WithoutLineBreaks(settings.senderemail);
  request.recipient = WithoutLineBreaks(address);
  request.message = BuildEmailMessage(now, settings, address, body);
  const MailSubmission submission = m_transport->Send(std::move(request));
  if (submission.accepted) {
    ++m_sendsinflight;
  } else if (submission.description.empty()) {
    ShowSendEmailFailed(kComponentMissing);
  } else {
    ShowSendEmailFailed(kComponentError + submission.description);
  }
}

void CEmailSender::OnEmailSendResult(bool failed, std::string text) {
  --m_sendsinflight;
  if (!failed) return;
  std::erase(text, '\n');
  std::replace(text.begin(), text.end(), '\r', ' ');
  ReplaceAll(text, "; ", ".\r");
  ShowSendEmailFailed(text);
}

void CEmailSender::ShowSendEmailFailed(const std::string& text) {
  if (m_popupbox.m_open && !m_popupbox.m_sticky) m_popupbox.Close();
  if (m_popupbox.m_open || (m_minimised && m_minimised())) return;
  m_popupbox.Show(kSendFailedTitle, text, "", true);
}

}  // namespace korvix
