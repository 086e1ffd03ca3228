#pragma once

#include <functional>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "ui/colour_swatch.h"
#include "ui/web_logging_dlg.h"

namespace korvix {

class CMainFrame;

// Run-Loop > Web Logging: the web log's settings in their dialog, offered
// only while the project is edited (no run) and not locked.
class CWebLoggingCommand final {
public:
  CWebLoggingCommand(CMainFrame& frame, CKorvixDoc& doc, MessageSink& messages, ColourChooser chooser,
                     std::function<bool()> editable, FtpSettingsTrial trial = {});

  void OnRunLoopWebLogging();

private:
  CMainFrame& m_frame;
  CKorvixDoc& m_doc;
  MessageSink& m_messages;
  ColourChooser m_chooser;
  std::function<bool()> m_editable;
  FtpSettingsTrial m_trial;
};

}  // namespace korvix
