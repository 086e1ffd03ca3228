#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording/email_message.h"
#include "recording/email_sender.h"

namespace korvix {
namespace {

LocalDateTime At(int year, int month, int day, int hour, int minute, int second) {
  LocalDateTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  return t;
}

EmailServerSettings Settings() {
  EmailServerSettings s;
  s.smtpserver = "mail.test.invalid";
  s.smtpport = 25;
  s.smtpuser = "plant";
  s.smtppassword = "secret";
  s.sendername = "Plant 7";
  s.senderemail = "plant@test.invalid";
  s.replyto = "office@test.invalid";
  return s;
}

TEST(EmailMessage, IsBuiltByteForByte) {
  const std::string body = "Tank 1 at 12.5\r\nPump \xE9 on";
  EXPECT_EQ(BuildEmailMessage(At(2026, 3, 7, 9, 5, 3), Settings(), "op@test.invalid", body),
            "Date: 07 Mar 2026 09:05:03\r\n"
            "From: Plant 7 <plant@test.invalid>\r\n"
            "Reply-To: <office@test.invalid>\r\n"
            "Subject: Korvix Report\r\n"
            "To: <op@test.invalid>\r\n"
            "X-Priority: 3 (Normal)\r\n"
            "MIME-Version: 1.0\r\n"
            "Content-type: text/plain; charset=US-ASCII\r\n"
            "Content-Transfer-Encoding: 7bit\r\n"
            "\r\n"
            "Tank 1 at 12.5\r\nPump \xE9 on\r\n.\r\n");
}

TEST(EmailMessage, DateLineNamesEveryMonth) {
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int month = 1; month <= 12; ++month) {
    const std::string message = BuildEmailMessage(At(2031, month, 28, 23, 59, 0), {}, "", "");
    EXPECT_EQ(message.substr(0, message.find("\r\n")), std::string("Date: 28 ") + months[month - 1] + " 2031 23:59:00");
  }
}

TEST(EmailMessage, HeaderFieldsLoseTheirLineBreaks) {
  EmailServerSettings settings;
  settings.senderemail = "a@b.c";
  const std::string message = BuildEmailMessage(At(2026, 1, 1, 0, 0, 0), settings, "a@b.c\r\nBcc: x@y.z", "body");
  EXPECT_NE(message.find("From:  <a@b.c>\r\n"), std::string::npos);
  EXPECT_NE(message.find("To: <a@b.cBcc: x@y.z>\r\n"), std::string::npos);
  EXPECT_EQ(message.find("\r\nBcc:"), std::string::npos);
}

class FakeTransport final : public MailTransport {
public:
  std::vector<MailRequest> sent;
  MailSubmission answer{true, ""};
  MailSubmission Send(MailRequest request) override {
    sent.push_back(std::move(request));
    return answer;
  }
};

class RecordingPopupWindow final : public PopupWindow {
public:
  void Create(const std::string&, const std::string&, const std::string&) override {}
  void Destroy() override {}
};

class EmailSenderTest : public ::testing::Test {
protected:
  void Send(int encryption = 0) {
    EmailServerSettings settings = Settings();
    settings.encryption = encryption;
    m_sender.SendEmailReport(At(2026, 3, 7, 9, 5, 3), settings, "op@test.invalid\n", "hello");
  }

  FakeTransport m_transport;
  RecordingPopupWindow m_window;
  PopupBox m_popup{m_window};
  bool m_minimised = false;
  CEmailSender m_sender{&m_transport, m_popup, [this] { return m_minimised; }};
};

TEST_F(EmailSenderTest, HandsTheSettingsOverAndCountsTheSendUntilItsResult) {
  const int encryptions[] = {0, 1, 2, 7};
  const int codes[] = {0, 2, 3, 0};
  for (int i = 0; i < 4; ++i) Send(encryptions[i]);
  ASSERT_EQ(m_transport.sent.size(), 4u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(m_transport.sent[i].security, codes[i]) << encryptions[i];
  const MailRequest& request = m_transport.sent.front();
  EXPECT_EQ(request.server, "mail.test.invalid");
  EXPECT_EQ(request.port, 25);
  EXPECT_EQ(request.user, "plant");
  EXPECT_EQ(request.password, "secret");
  EXPECT_EQ(request.sender, "plant@test.invalid");
  EXPECT_EQ(request.recipient, "op@test.invalid");
  EXPECT_TRUE(request.message.ends_with("\r\n\r\nhello\r\n.\r\n"));
  EXPECT_EQ(m_sender.m_sendsinflight, 4);
  m_sender.OnEmailSendResult(false, "");
  EXPECT_EQ(m_sender.m_sendsinflight, 3);
  EXPECT_EQ(m_popup.m_open, 0);
}

TEST_F(EmailSenderTest, FailureTextsBecomeThePopupsLines) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"550 Server refused; try later", "550 Server refused.\rtry later"},
      {"line one\r\nline two", "line one line two"},
      {"a;b ;  c", "a;b .\r c"},
  };
  for (const Case& c : cases) {
    Send();
    m_sender.OnEmailSendResult(true, c.text);
    EXPECT_EQ(m_popup.m_title, "Send Email Failed");
    EXPECT_EQ(m_popup.m_message, c.shown);
    EXPECT_EQ(m_popup.m_helptopic, "");
    m_popup.OnClosedByUser();
  }
  EXPECT_EQ(m_sender.m_sendsinflight, 0);
}

TEST_F(EmailSenderTest, AFailurePopupStaysUntilClosedAndIsNotShownWhileMinimised) {
  m_popup.Show("Tank", "Level high");
  Send();
  Send();
  m_sender.OnEmailSendResult(true, "first");
  EXPECT_EQ(m_popup.m_message, "first");
  EXPECT_EQ(m_popup.m_sticky, 1);
  m_sender.OnEmailSendResult(true, "second");
  EXPECT_EQ(m_popup.m_message, "first");
  EXPECT_FALSE(m_popup.Show("Tank", "Level high"));

  m_popup.OnClosedByUser();
  m_popup.Show("Tank", "Level high");
  m_minimised = true;
  Send();
  m_sender.OnEmailSendResult(true, "third");
  EXPECT_EQ(m_popup.m_open, 0);
  EXPECT_EQ(m_sender.m_sendsinflight, 0);
}

TEST_F(EmailSenderTest, ARefusedHandOverIsSaidAndNotCounted) {
  struct Case {
    MailSubmission answer;
    std::string shown;
  };
  const Case cases[] = {
      {{false, ""}, "Email ActiveX object can not be accessed."},
      {{false, "queue full"}, "Error using email ActiveX object.\rqueue full"},
  };
  for (const Case& c : cases) {
    m_transport.answer = c.answer;
    Send();
    EXPECT_EQ(m_popup.m_message, c.shown);
    m_popup.OnClosedByUser();
  }
  CEmailSender missing(nullptr, m_popup, [] { return false; });
  missing.SendEmailReport({}, Settings(), "a@b.c", "x");
  EXPECT_EQ(m_popup.m_message, "Email ActiveX object can not be accessed.");
  EXPECT_EQ(m_sender.m_sendsinflight + missing.m_sendsinflight, 0);
}

}  // namespace
}  // namespace korvix
