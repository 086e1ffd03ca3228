#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "dispatch/com_link_services.h"
#include "editor/editor_ports.h"
#include "editor/recorder_memories.h"
#include "editorloop/editor_loop.h"
#include "executors/executors.h"
#include "executors/modem_telephone.h"
#include "executors/program_runner.h"
#include "executors/wave_sound_player.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/wall_clock.h"
#include "runmode/control_start.h"
#include "runmode/executor_services.h"
#include "runmode/pi_controllers.h"
#include "runmode/run_controls.h"
#include "runmode/runtime_run_services.h"
#include "ui/chart_recorder_printing.h"
#include "ui/conditional_editors_ui.h"
#include "ui/data_log_ui.h"
#include "ui/editor_pass_wait.h"
#include "ui/email_reports.h"
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
  EditorLoop& Editors() { return m_editorloop; }
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
  PrinterChooser m_chartprinter = ChooseChartPrinterByDialog;
  MonotonicClock m_clock;
  ExecutorServices m_scripts;
  QPointer<CRunLoopUi> m_runloop;
  ComLinkServices m_linkservices;
  PIControllers m_picontrollers;
  RuntimeRunServices m_runservices;
  PulseSoundPlayer m_sound;
  SpawnProgramRunner m_programs;
  ModemTelephone m_telephone;
  SystemWallClock m_wall;
  CEmailReports m_email;
  QueuedLabelPrinter m_printer;
  OutsideActions m_outside;
  Executors m_executors;
  RunControls m_controls;
  ControlStart m_controlstart;
  CRunModeInput m_runinput;
  QtPassWait m_editorwait;
  EditorLoop m_editorloop;
  RecorderChartMemories m_chartmemories;
  CPropertyEditors m_propertyeditors;
  CWebLoggingCommand m_weblogging;
  std::unique_ptr<CPageEditorUi> m_editor;
  // The view's one input slot is ours alone: set here, emptied when we go.
  QPointer<CKorvixView> m_view;
  QPointer<CRunLoopSettingsUi> m_runloopsettings;
  QPointer<CScriptEditorsUi> m_scripteditors;
  QPointer<CConditionalEditorsUi> m_conditionaleditors;
  QPointer<CDataLogUi> m_datalog;
};

}  // namespace korvix
