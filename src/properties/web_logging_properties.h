#pragma once

#include <string>

#include "document/settings_blocks.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

constexpr const char* kWebLoggingHelpTopic = "WebLogging.htm";
constexpr int kMaxWebLogTextLength = 70;
constexpr int kMaxFtpPort = 99;
constexpr int kMaxWebLogTitleRows = 100;

// What the Web Logging dialog edits: numbers as typed, the colours as
// stored, the font size as its list index.
struct WebLoggingFields {
  std::string ftpaddress;
  std::string ftpfolder;
  std::string ftpuser;
  std::string ftppassword;
  std::string ftpport;
  std::string webloghtml;
  std::string weblognth;
  std::string weblogrows;
  std::string weblogtitlerows;
  int weblogtextcolor = 0;
  int weblogbgcolor = 0;
  std::string weblogtitle;
  int weblogfontsize = 0;
};

enum class WebLoggingField { FtpAddress, FtpFolder, FtpUser, FtpPassword, FtpPort, WebLogHtml, Nth, Rows, TitleRows };

WebLoggingFields LoadWebLoggingFields(const WebLogSettings& settings);

// The entries in the order of the controls; the first refused one stops.
OkCheck<WebLoggingField> CheckWebLoggingFields(const WebLoggingFields& fields, MessageSink& sink);

// Blanks have no place in an address, a login or a file name, and the
// header loses those at its ends.
void TidyWebLoggingFields(WebLoggingFields& fields);

// Checked and tidied fields into the settings.
void StoreWebLoggingFields(const WebLoggingFields& fields, WebLogSettings& settings);

}  // namespace korvix
