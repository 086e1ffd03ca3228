#pragma once

#include <string>

#include "document/settings_blocks.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

constexpr const char* kEmailHelpTopic = "f_sendemail.htm";
constexpr const char* kEmailServerHelpTopic = "EmailSetup.htm";
constexpr int kEmailAddressLimit = 70;
constexpr int kEmailTextLimit = 1000;
constexpr int kEmailServerTextLimit = 70;
constexpr int kSmtpPortMinimum = 0;
constexpr int kSmtpPortMaximum = 999;

// What the Email dialog edits: a "Send Email" action's two texts.
struct EmailFields {
  std::string address;
  std::string text;
};

enum class EmailField { Address, Text };

// The fields as the dialog can take them at all; the address is trimmed in
// place. "Test" sends what passes this.
OkCheck<EmailField> ExchangeEmailFields(EmailFields& fields, MessageSink& sink);
// OK: the exchange, then the message's label references.
OkCheck<EmailField> CheckEmailFields(EmailFields& fields, const std::string& namelist, MessageSink& sink);

// What the Email Server Setup dialog edits; `encryption` is -1 when the
// project holds no choice the list offers.
struct EmailServerFields {
  std::string server;
  std::string port;
  int encryption = -1;
  std::string user;
  std::string password;
  std::string sendername;
  std::string senderemail;
  std::string replyto;
};

enum class EmailServerField { Server, Port, User, Password, SenderName, SenderEmail, ReplyTo };

EmailServerFields LoadEmailServerFields(const EmailServerSettings& settings);
// With no encryption chosen the project keeps its own.
void StoreEmailServerFields(const EmailServerFields& fields, EmailServerSettings& settings);
// Cleans the fields in place as the dialog shows them back: no blanks in
// addresses, names and the password, the sender's name trimmed.
OkCheck<EmailServerField> CheckEmailServerFields(EmailServerFields& fields, MessageSink& sink);

}  // namespace korvix
