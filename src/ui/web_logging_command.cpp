#include "ui/web_logging_command.h"

#include "app/command_ids.h"
#include "ui/main_frame.h"

namespace korvix {

namespace {
constexpr char kWebLoggingText[] = "Web Logging";
}  // namespace

CWebLoggingCommand::CWebLoggingCommand(CMainFrame& frame, CKorvixDoc& doc, MessageSink& messages, ColourChooser chooser,
                                       std::function<bool()> editable, FtpSettingsTrial trial)
    : m_frame(frame),
      m_doc(doc),
      m_messages(messages),
      m_chooser(std::move(chooser)),
      m_editable(std::move(editable)),
      m_trial(trial ? std::move(trial) : [](const FtpTarget& target) { return RunWebLogTest(target); }) {
  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_WEBLOGGING, kWebLoggingText, [this] { OnRunLoopWebLogging(); });
}

void CWebLoggingCommand::OnRunLoopWebLogging() {
  if (!m_editable()) return;
  CWebLoggingDlg dialog(&m_frame, m_messages, m_chooser, LoadWebLoggingFields(m_doc), m_trial);
  if (dialog.exec() != QDialog::Accepted) return;
  StoreWebLoggingFields(dialog.Fields(), m_doc);
  m_doc.SetModifiedFlag();
}

}  // namespace korvix
