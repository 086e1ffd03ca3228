#include "ui/data_log_ui.h"

#include <QAction>
#include <QPrinter>
#include <QToolBar>

#include "properties/shared_checks.h"
#include "qtdraw/qt_font_measure.h"
#include "qtdraw/qt_print_job.h"
#include "recording/log_column_edits.h"
#include "recording/log_field_order.h"
#include "recording/log_report_document.h"
#include "recording/log_sources.h"
#include "recording/log_table.h"
#include "ui/data_logging_dlg.h"
#include "ui/log_report_setup_dlg.h"
#include "ui/log_view_dlg.h"
#include "ui/main_frame.h"
#include "ui/system_busy_dlg.h"
#include "ui/toolbar_icons.h"

namespace korvix {

namespace {

constexpr const char* kDataLoggingText = "Data Logging";
constexpr const char* kViewLogPrompt = "View the data log file";
constexpr const char* kViewLogTip = "ViewLog";
constexpr const char* kPrintPrompt = "Print the log report";
constexpr const char* kPrintTip = "Print";
constexpr const char* kPrintFailedCaption = "Print";
constexpr const char* kPrintFailedText = "The printer did not accept the Data Log Report.";
constexpr const char* kLoadingText = "Loading file, please wait.";
constexpr const char* kTooManyFieldsText = "The Data Log can not contain more than 1000 data fields.";
constexpr const char* kClearCaption = "Clear Log File";
constexpr const char* kClearQuestion = "Are you sure you want to erase all \rpreviously recorded data in log file?";

// Refusals and questions of a request shown as the editor loop shows them:
// the editor takes no input while the box is up.
class EditorMessages final : public MessageSink {
public:
  explicit EditorMessages(EditorLoop& loop) : m_loop(loop) {}

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) override {
    return m_loop.ShowMessage(caption, text, icon, buttons);
  }

private:
  EditorLoop& m_loop;
};

}  // namespace

CDataLogUi::CDataLogUi(CMainFrame& frame, CKorvixDoc& doc, Profile& profile, MessageSink& messages, EditorLoop& editors,
                       ViewRuntime& runtime, PrinterChooser chooser)
    : m_frame(frame),
      m_doc(doc),
      m_profile(profile),
      m_messages(messages),
      m_editors(editors),
      m_runtime(runtime),
      m_chooser(std::move(chooser)),
      m_memfile(messages, m_clock) {
  // Greyed with the Run-Loop menu's other editors.
  frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_DATA_LOGGING, kDataLoggingText, [this] { OnRunLoopDataLogging(); });
  frame.AddToolBarCommand(
      ID_VIEW_LOG_FILE, kViewLogPrompt, kViewLogTip, [this] { OnViewLogFile(); }, QStyle::SP_FileDialogContentsView);
  frame.AddToolBarCommand(
      ID_FILE_PRINT, kPrintPrompt, kPrintTip, [this] { OnFilePrint(); }, PrinterIcon(frame.ToolBar()->iconSize()));
  connect(&frame, &CMainFrame::CommandUpdate, this, &CDataLogUi::OnUpdateViewLogFile);
  OnUpdateViewLogFile();
}

bool CDataLogUi::EditMode() { return !m_runtime.IsRunning() && m_doc.m_lockon == 0; }

// No permission of the lock names the log, so a locked project keeps it
// shut as it keeps the editors.
bool CDataLogUi::ViewLogAllowed() { return EditMode(); }

void CDataLogUi::OnUpdateViewLogFile() {
  for (CommandId id : {ID_VIEW_LOG_FILE, ID_FILE_PRINT}) {
    if (QAction* action = m_frame.CommandAction(id)) action->setEnabled(ViewLogAllowed());
  }
}

void CDataLogUi::OnViewLogFile() {
  if (ViewLogAllowed()) ViewDataLog();
}

void CDataLogUi::OnFilePrint() {
  if (ViewLogAllowed()) PrintReport();
}

void CDataLogUi::OnRunLoopDataLogging() {
  if (!EditMode()) return;
  EditorMessages messages(m_editors);
  CDataLoggingDlg dialog(&m_frame, LoadDataLoggingFields(m_doc));
  DataLoggingFields accepted;
  dialog.ShowEditor();
  dialog.FillAvailableFields(AvailableLogFields(m_doc), -1);
  dialog.FillLoggedFields(LogColumnTitles(m_doc), -1);

  const auto refill = [&](int logged) {
    dialog.FillAvailableFields(AvailableLogFields(m_doc), -1);
    dialog.FillLoggedFields(LogColumnTitles(m_doc), logged);
    m_doc.SetModifiedFlag();
  };
  // View File and Print Report use the name as typed, trimmed, and keep it.
  const auto storename = [&] {
    const std::string name = TrimEntry(dialog.Fields().datalogfile);
    dialog.SetFileName(name);
    m_doc.m_datalogfile = name;
  };
  const auto add = [&] {
    if (LogColumnsFull(m_doc)) {
      messages.Show(kEntryErrorCaption, kTooManyFieldsText, MessageIcon::Exclamation);
      return;
    }
    ResetLogColumnWidths(m_doc);
    const int available = dialog.AvailableSelection();
    if (available < 0 || !AddLogColumn(m_doc, available)) return;
    refill(-1);
  };
  const auto remove = [&] {
    ResetLogColumnWidths(m_doc);
    const int line = dialog.LoggedSelection();
    if (line < 0) return;
    RemoveLogColumn(m_doc, line);
    refill(-1);
  };
  const auto move = [&](int step) {
    ResetLogColumnWidths(m_doc);
    const int line = dialog.LoggedSelection();
    const int target = line + step;
    if (line < 0 || target < 0 || target >= m_doc.m_logfieldcount) return;
    SwapLogColumns(m_doc, line, target);
    dialog.FillLoggedFields(LogColumnTitles(m_doc), target);
    m_doc.SetModifiedFlag();
  };
  const auto close = [&] {
    DataLoggingFields fields = dialog.Fields();
    const OkCheck<DataLoggingField> check = CheckDataLoggingFields(fields, messages);
    if (!check.Accepted()) return dialog.FocusField(*check.focus);
    accepted = fields;
    dialog.m_accept = 1;
    dialog.m_open = 0;
  };

  EditorPass pass;
  pass.requests = {
      {&dialog.m_viewfile,
       [&] {
         storename();
         ViewDataLog();
       }},
      {&dialog.m_clearfile,
       [&] {
         const std::string name = TrimEntry(dialog.Fields().datalogfile);
         dialog.SetFileName(name);
         if (messages.Show(kClearCaption, kClearQuestion, MessageIcon::Exclamation, MessageButtons::YesNoDefaultNo) ==
             MessageResult::Yes)
           m_runtime.Log().ClearDataLog(LogPath(name));
       }},
      {&dialog.m_reportsetup, [&] { EditLogReportSetup(); }},
      {&dialog.m_printreport,
       [&] {
         storename();
         PrintReport();
       }},
      {&dialog.m_add, add},
      {&dialog.m_remove, remove},
      {&dialog.m_moveup, [&] { move(-1); }},
      {&dialog.m_movedown, [&] { move(1); }},
      {&dialog.m_closerequest, close},
  };
  pass.enables = [&] { dialog.EnableButtons(); };
  pass.writeback = [&] {
    if (dialog.m_accept != 1) return;
    StoreDataLoggingFields(accepted, m_doc);
    m_doc.SetModifiedFlag();
  };
  if (m_editors.Run(dialog, pass) == EditorEnd::Quit) return;
  CheckLogFieldOrder(m_doc, LogPath(m_doc.m_datalogfile), m_memfile, m_messages,
                     [this](const std::string& path) { m_runtime.Log().ClearDataLog(path); });
}

void CDataLogUi::ViewDataLog() {
  CLogViewDlg view(&m_frame, m_profile);
  CSystemBusyDlg busy(&m_frame);
  busy.Show(kLoadingText);
  busy.setEnabled(false);
  if (!m_memfile.LoadTextFile(LogPath(m_doc.m_datalogfile))) return;
  busy.setEnabled(true);
  busy.SetRange(0, static_cast<int>(m_memfile.Size()));
  LogTable table;
  const bool complete = ReadLogTable(m_memfile, m_clock, table, [&](std::size_t position) {
    busy.SetPos(static_cast<int>(position));
    return m_editors.PumpStep() && busy.Running();
  });
  m_memfile.Empty();
  busy.Close();
  if (!complete) return;
  view.SetTable(std::move(table), m_doc.m_logcolwidth);
  view.ShowEditor();
  EditorPass pass;
  pass.enables = [&view] { view.KeepMinimumWidths(); };
  pass.writeback = [&] {
    if (view.StoreWidths(m_doc.m_logcolwidth)) m_doc.SetModifiedFlag();
  };
  m_editors.Run(view, pass);
}

void CDataLogUi::EditLogReportSetup() {
  CLogReportSetupDlg dialog(&m_frame, LoadLogReportFields(m_doc, m_messages), m_messages);
  if (dialog.exec() != QDialog::Accepted) return;
  StoreLogReportFields(dialog.Fields(), m_doc);
  m_doc.SetModifiedFlag();
}

void CDataLogUi::PrintReport() {
  std::unique_ptr<QPrinter> printer = m_chooser(&m_frame);
  if (!printer) return;
  QtPrintJob job(*printer);
  QtFontMeasure fonts;
  LogReportDocument document(m_doc, LogPath(m_doc.m_datalogfile), m_memfile, fonts);
  if (PrintDocument(job, document, QtPrintJob::ChosenRange(*printer)) == PrintOutcome::Failed)
    m_messages.Show(kPrintFailedCaption, kPrintFailedText, MessageIcon::Exclamation);
}

}  // namespace korvix
