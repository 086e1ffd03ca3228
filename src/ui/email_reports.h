#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>

#include "document/settings_blocks.h"
#include "executors/outside_actions.h"
#include "platform/wall_clock.h"
#include "recording/curl_mail_transport.h"
#include "recording/email_sender.h"

namespace korvix {

// The view's e-mail reports: the project's mail settings, the local time
// and the mail sender, whose results are brought back to this thread as
// queued calls, the only place where the count of sends under way drops.
class CEmailReports final : public QObject, public EmailReporter {
  Q_OBJECT

public:
  CEmailReports(const EmailServerSettings& settings, PopupBox& popupbox, QWidget& mainwindow, WallClock& clock,
                CurlMailOptions options = {});
  ~CEmailReports() override;

  void SendEmailReport(const std::string& address, const std::string& message) override;
  int SendsInFlight() const override { return m_sender.m_sendsinflight; }

private:
  const EmailServerSettings& m_settings;
  WallClock& m_clock;
  QPointer<QWidget> m_mainwindow;
  std::unique_ptr<CurlMailTransport> m_transport;
  CEmailSender m_sender;
};

}  // namespace korvix
