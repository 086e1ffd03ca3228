#include "ui/email_reports.h"

namespace korvix {

CEmailReports::CEmailReports(const EmailServerSettings& settings, PopupBox& popupbox, QWidget& mainwindow,
                             WallClock& clock, CurlMailOptions options)
    : m_settings(settings),
      m_clock(clock),
      m_mainwindow(&mainwindow),
      m_transport(std::make_unique<CurlMailTransport>(
          [this](bool failed, const std::string& text) {
            QMetaObject::invokeMethod(
                this, [this, failed, text] { m_sender.OnEmailSendResult(failed, text); }, Qt::QueuedConnection);
          },
          std::move(options))),
      m_sender(m_transport.get(), popupbox, [this] { return m_mainwindow && m_mainwindow->isMinimized(); }) {}

// The worker must be gone before the results it could still post lose their
// receiver.
CEmailReports::~CEmailReports() { m_transport.reset(); }

void CEmailReports::SendEmailReport(const std::string& address, const std::string& message) {
  m_sender.SendEmailReport(m_clock.Now(), m_settings, address, message);
}

}  // namespace korvix
