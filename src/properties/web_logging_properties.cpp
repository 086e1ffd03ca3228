#include "properties/web_logging_properties.h"

#include <algorithm>

#include "properties/data_exchange.h"

namespace korvix {

namespace {

void RemoveBlanks(std::string& text) { text.erase(std::remove(text.begin(), text.end(), ' '), text.end()); }

void Trim(std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

WebLoggingFields LoadWebLoggingFields(const WebLogSettings& settings) {
  WebLoggingFields fields;
  fields.ftpaddress = settings.m_ftpaddress;
  fields.ftpfolder = settings.m_ftpfolder;
  fields.ftpuser = settings.m_ftpuser;
  fields.ftppassword = settings.m_ftppassword;
  fields.ftpport = std::to_string(settings.m_ftpport);
  fields.webloghtml = settings.m_webloghtml;
  fields.weblognth = std::to_string(settings.m_weblognth);
  fields.weblogrows = std::to_string(settings.m_weblogrows);
  fields.weblogtitlerows = std::to_string(settings.m_weblogtitlerows);
  fields.weblogtextcolor = settings.m_weblogtextcolor;
  fields.weblogbgcolor = settings.m_weblogbgcolor;
  fields.weblogtitle = settings.m_weblogtitle;
  fields.weblogfontsize = settings.m_weblogfontsize;
  return fields;
}

OkCheck<WebLoggingField> CheckWebLoggingFields(const WebLoggingFields& fields, MessageSink& sink) {
  const std::pair<WebLoggingField, std::optional<std::string>> checks[] = {
      {WebLoggingField::FtpAddress, TextLengthProblem(fields.ftpaddress, kMaxWebLogTextLength)},
      {WebLoggingField::FtpFolder, TextLengthProblem(fields.ftpfolder, kMaxWebLogTextLength)},
      {WebLoggingField::FtpUser, TextLengthProblem(fields.ftpuser, kMaxWebLogTextLength)},
      {WebLoggingField::FtpPassword, TextLengthProblem(fields.ftppassword, kMaxWebLogTextLength)},
      {WebLoggingField::FtpPort, IntegerRangeProblem(fields.ftpport, 0, kMaxFtpPort)},
      {WebLoggingField::WebLogHtml, TextLengthProblem(fields.webloghtml, kMaxWebLogTextLength)},
      {WebLoggingField::Nth, IntegerEntryProblem(fields.weblognth)},
      {WebLoggingField::Rows, IntegerEntryProblem(fields.weblogrows)},
      {WebLoggingField::TitleRows, IntegerRangeProblem(fields.weblogtitlerows, 0, kMaxWebLogTitleRows)},
  };
  for (const auto& [field, problem] : checks) {
    if (!ReportEntryProblem(sink, problem)) return {field};
  }
  return {};
}

void TidyWebLoggingFields(WebLoggingFields& fields) {
  RemoveBlanks(fields.ftpaddress);
  RemoveBlanks(fields.ftpuser);
  RemoveBlanks(fields.ftppassword);
  RemoveBlanks(fields.ftpfolder);
  RemoveBlanks(fields.webloghtml);
  Trim(fields.weblogtitle);
}

void StoreWebLoggingFields(const WebLoggingFields& fields, WebLogSettings& settings) {
  settings.m_ftpaddress = fields.ftpaddress;
  settings.m_ftpfolder = fields.ftpfolder;
  settings.m_ftpuser = fields.ftpuser;
  settings.m_ftppassword = fields.ftppassword;
  settings.m_ftpport = ParseIntegerEntry(fields.ftpport).value_or(settings.m_ftpport);
  settings.m_webloghtml = fields.webloghtml;
  settings.m_weblognth = ParseIntegerEntry(fields.weblognth).value_or(settings.m_weblognth);
  settings.m_weblogrows = ParseIntegerEntry(fields.weblogrows).value_or(settings.m_weblogrows);
  settings.m_weblogtitlerows = ParseIntegerEntry(fields.weblogtitlerows).value_or(settings.m_weblogtitlerows);
  settings.m_weblogtextcolor = fields.weblogtextcolor;
  settings.m_weblogbgcolor = fields.weblogbgcolor;
  settings.m_weblogtitle = fields.weblogtitle;
  settings.m_weblogfontsize = fields.weblogfontsize;
}

}  // namespace korvix
