#pragma once

#include <QObject>
#include <QPrinter>

#include <functional>
#include <memory>

#include "editorloop/editor_loop.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/text_mem_file.h"
#include "runloop/view_runtime.h"
#include "ui/printer_chooser.h"

class QWidget;

namespace korvix {

class CMainFrame;

inline constexpr char kReportDocumentName[] = "Data Log Report";

// The data log's commands: the Data Logging editor of the Run-Loop menu,
// the Data Log View, the report setup and the printed report. The log view,
// the report and the field-order check share one memory file; each holds
// the interface thread or blocks the main window while it uses it.
class CDataLogUi final : public QObject {
  Q_OBJECT

public:
  CDataLogUi(CMainFrame& frame, CKorvixDoc& doc, Profile& profile, MessageSink& messages, EditorLoop& editors,
             ViewRuntime& runtime,
             PrinterChooser chooser = PrintDialogChooser(PageChoice::PageRange, kReportDocumentName));

  void OnRunLoopDataLogging();
  void OnViewLogFile();
  void OnFilePrint();
  void ViewDataLog();
  void EditLogReportSetup();
  // Enables "View the data log file" and the report's print while the
  // Run-Loop is stopped and the project unlocked.
  void OnUpdateViewLogFile();
  void SetPrinterChooser(PrinterChooser chooser) { m_chooser = std::move(chooser); }

private:
  bool EditMode();
  bool ViewLogAllowed();
  std::string LogPath(const std::string& name) { return m_runtime.ExpandLabelRefs(name); }
  void PrintReport();

  CMainFrame& m_frame;
  CKorvixDoc& m_doc;
  Profile& m_profile;
  MessageSink& m_messages;
  EditorLoop& m_editors;
  ViewRuntime& m_runtime;
  PrinterChooser m_chooser;
  MonotonicClock m_clock;
  TextMemFile m_memfile;
};

}  // namespace korvix
