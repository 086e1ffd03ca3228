#include "properties/email_properties.h"

#include <algorithm>

#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/shared_checks.h"

namespace korvix {

namespace {

constexpr int kEncryptionChoices = 3;

std::string WithoutBlanks(std::string text) {
  std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
  return text;
}

}  // namespace

OkCheck<EmailField> ExchangeEmailFields(EmailFields& fields, MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.address, kEmailAddressLimit))) return {EmailField::Address};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.text, kEmailTextLimit))) return {EmailField::Text};
  fields.address = TrimEntry(fields.address);
  return {};
}

OkCheck<EmailField> CheckEmailFields(EmailFields& fields, const std::string& namelist, MessageSink& sink) {
  const OkCheck<EmailField> exchange = ExchangeEmailFields(fields, sink);
  if (!exchange.Accepted()) return exchange;
  if (!CheckBraceNames(sink, fields.text)) return {EmailField::Text};
  if (!WarnUnbracedLabels(sink, fields.text, namelist, false)) return {EmailField::Text};
  return {};
}

EmailServerFields LoadEmailServerFields(const EmailServerSettings& settings) {
  EmailServerFields fields;
  fields.server = settings.smtpserver;
  fields.port = std::to_string(settings.smtpport);
  fields.encryption = settings.encryption >= 0 && settings.encryption < kEncryptionChoices ? settings.encryption : -1;
  fields.user = settings.smtpuser;
  fields.password = settings.smtppassword;
  fields.sendername = settings.sendername;
  fields.senderemail = settings.senderemail;
  fields.replyto = settings.replyto;
  return fields;
}

void StoreEmailServerFields(const EmailServerFields& fields, EmailServerSettings& settings) {
  settings.smtpserver = fields.server;
  settings.smtpport = ParseIntegerEntry(fields.port).value_or(settings.smtpport);
  if (fields.encryption >= 0) settings.encryption = fields.encryption;
  settings.smtpuser = fields.user;
  settings.smtppassword = fields.password;
  settings.sendername = fields.sendername;
  settings.senderemail = fields.senderemail;
  settings.replyto = fields.replyto;
}

OkCheck<EmailServerField> CheckEmailServerFields(EmailServerFields& fields, MessageSink& sink) {
  const std::pair<std::string*, EmailServerField> texts[] = {
      {&fields.server, EmailServerField::Server},           {&fields.user, EmailServerField::User},
      {&fields.password, EmailServerField::Password},       {&fields.sendername, EmailServerField::SenderName},
      {&fields.senderemail, EmailServerField::SenderEmail}, {&fields.replyto, EmailServerField::ReplyTo}};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.server, kEmailServerTextLimit)))
    return {EmailServerField::Server};
  if (!ReportEntryProblem(sink, IntegerRangeProblem(fields.port, kSmtpPortMinimum, kSmtpPortMaximum)))
    return {EmailServerField::Port};
  for (const auto& [text, field] : texts) {
    if (!ReportEntryProblem(sink, TextLengthProblem(*text, kEmailServerTextLimit))) return {field};
  }
  for (const auto& [text, field] : texts) {
    *text = field == EmailServerField::SenderName ? TrimEntry(*text) : WithoutBlanks(*text);
  }
  fields.port = std::to_string(*ParseIntegerEntry(fields.port));
  return {};
}

}  // namespace korvix
