#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "editor/editor_ports.h"
#include "editor/recorder_memories.h"
#include "editorloop/editor_loop.h"
#include "executors/modem_telephone.h"
#include "executors/program_runner.h"
#include "executors/wave_sound_player.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/wall_clock.h"
#include "ui/chart_recorder_printing.h"
#include "ui/conditional_editors_ui.h"
#include "ui/data_log_ui.h"
#include "ui/editor_pass_wait.h"
#include "ui/korvix_view.h"
#include "ui/page_editor_ui.h"
#include "ui/property_editors_ui.h"
#include "ui/queued_label_printer.h"
#include "ui/run_loop_settings_ui.h"
#include "ui/run_loop_ui.h"
#include "ui/run_mode_input.h"
#include "ui/script_editors_ui.h"
#include "ui/web_logging_command.h"

namespace korvix {

class CMainFrame;

// Everything the view does beyond the shell, wired once per frame: the
// Run-Loop with the page it draws, the Script and Button Array executors
// with their actions, the operator's controls in run mode and the page
// editor in edit mode. Input reaches the run-mode controls first.
class CViewSubsystems final : public QObject, private RunWindowActions {
  Q_OBJECT

public:
  CViewSubsystems(CMainFrame& frame, CKorvixDoc& doc, Profile& profile, MessageSink& messages,
                  std::function<void()> saveproject);
  ~CViewSubsystems() override;

  CRunLoopUi& RunLoop() { return *m_runloop; }
  CPageEditorUi& PageEditor() { return *m_editor; }
  // The loop in which the view functions run their modeless editors.
  EditorLoop& Editors() { return *m_editorloop; }
  CRunLoopSettingsUi& RunLoopSettings() { return *m_runloopsettings; }
  CScriptEditorsUi& ScriptEditors() { return *m_scripteditors; }
  CConditionalEditorsUi& ConditionalEditors() { return *m_conditionaleditors; }
  CDataLogUi& DataLog() { return *m_datalog; }
  void SetChartPrinterChooser(PrinterChooser chooser) { m_chartprinter = std::move(chooser); }

private:
  bool OnViewEvent(QEvent* event);
  bool Running();
  void OnPortSelection();

  void GotoPage(int page) override;
  void MinimizeWindow() override;
  void RestoreWindow() override;
  void QuitProgram() override;
  void SaveProject() override;
  void InvalidateControl(ScreenObjectKind kind, int index) override;
  void PrintChartRec(int index) override;

  CMainFrame& m_frame;
  CKorvixDoc& m_doc;
  Profile& m_profile;
  MessageSink& m_messages;
  std::function<void()> m_saveproject;
  // A chart prints on one page: there are no pages to choose among.
  PrinterChooser m_chartprinter = PrintDialogChooser(PageChoice::AllPages);
  // These need nothing of the rest.
  MonotonicClock m_clock;
  PulseSoundPlayer m_sound;
  SpawnProgramRunner m_programs;
  ModemTelephone m_telephone;
  SystemWallClock m_wall;
  QueuedLabelPrinter m_printer;
  // The rest each need some of the others: the constructor makes them in
  // the order they need each other and the destructor ends them in reverse,
  // so the order they are declared in does not matter.
  std::unique_ptr<CRunLoopUi> m_runloop;
  std::unique_ptr<CRunModeInput> m_runinput;
  std::unique_ptr<QtPassWait> m_editorwait;
  std::unique_ptr<EditorLoop> m_editorloop;
  std::unique_ptr<RecorderChartMemories> m_chartmemories;
  std::unique_ptr<CPropertyEditors> m_propertyeditors;
  std::unique_ptr<CWebLoggingCommand> m_weblogging;
  std::unique_ptr<CPageEditorUi> m_editor;
  std::unique_ptr<CRunLoopSettingsUi> m_runloopsettings;
  std::unique_ptr<CScriptEditorsUi> m_scripteditors;
  std::unique_ptr<CConditionalEditorsUi> m_conditionaleditors;
  std::unique_ptr<CDataLogUi> m_datalog;
  // The view's one input slot is ours alone: set here, emptied when we go.
  QPointer<CKorvixView> m_view;
};

}  // namespace korvix
