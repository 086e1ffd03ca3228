#include "ui/run_loop_settings_ui.h"

#include <QAction>

#include "app/command_ids.h"
#include "automationedit/run_loop_settings.h"
#include "automationedit/variable_list.h"
#include "automationedit/variable_properties.h"
#include "editorloop/editor_message_sink.h"
#include "properties/name_list.h"
#include "ui/cpu_usage_dlg.h"
#include "ui/data_polling_dlg.h"
#include "ui/main_frame.h"
#include "ui/run_loop_init_dlg.h"
#include "ui/variable_dlg.h"
#include "ui/variable_list_dlg.h"

namespace korvix {

namespace {
constexpr char kInitializationText[] = "Initialization";
constexpr char kPollingSetupText[] = "Polling Setup";
constexpr char kCpuUsageText[] = "CPU Usage";
constexpr char kVariablesText[] = "Variables";
constexpr CommandId kEditModeCommands[] = {ID_RUNLOOP_INITIALIZATION, ID_RUNLOOP_POLLING_SETUP, ID_RUNLOOP_CPU_USAGE,
                                           ID_RUNLOOP_VARIABLES,      ID_RUNLOOP_SCRIPTS,       ID_RUNLOOP_CONDITIONALS,
                                           ID_RUNLOOP_DATA_LOGGING,   ID_RUNLOOP_WEBLOGGING};
}  // namespace

CRunLoopSettingsUi::CRunLoopSettingsUi(CMainFrame& frame, CKorvixDoc& doc, VariableRunStates& variables,
                                       MessageSink& messages, EditorLoop& editors, std::function<bool()> running)
    : m_frame(frame),
      m_doc(doc),
      m_variables(variables),
      m_messages(messages),
      m_editors(editors),
      m_running(std::move(running)) {
  // A shortcut or a stale menu may still reach a handler outside edit mode.
  const auto guarded = [this](void (CRunLoopSettingsUi::*handler)()) {
    return [this, handler] {
      if (EditModeCommandEnabled()) (this->*handler)();
    };
  };
  m_frame.AddSeparator(kRunLoopMenu);
  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_INITIALIZATION, kInitializationText,
                     guarded(&CRunLoopSettingsUi::OnRunLoopInitialization));
  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_POLLING_SETUP, kPollingSetupText,
                     guarded(&CRunLoopSettingsUi::OnRunLoopPollingSetup));
  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_CPU_USAGE, kCpuUsageText,
                     guarded(&CRunLoopSettingsUi::OnRunLoopCpuUsage));
  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_VARIABLES, kVariablesText,
                     guarded(&CRunLoopSettingsUi::OnRunLoopVariables));
  // The state is asked for each time the frame updates its commands, as it
  // can change by a Script, a message or a loaded project without this
  // object hearing of it.
  connect(&m_frame, &CMainFrame::CommandUpdate, this, &CRunLoopSettingsUi::OnUpdateEditModeCommand);
  OnUpdateEditModeCommand();
}

bool CRunLoopSettingsUi::EditModeCommandEnabled() const { return !m_running() && m_doc.m_lockon == 0; }

void CRunLoopSettingsUi::OnUpdateEditModeCommand() {
  const bool enabled = EditModeCommandEnabled();
  for (CommandId id : kEditModeCommands) {
    if (QAction* action = m_frame.CommandAction(id)) action->setEnabled(enabled);
  }
}

QWidget* CRunLoopSettingsUi::DialogParent() const {
  return m_listwindow ? m_listwindow.data() : static_cast<QWidget*>(&m_frame);
}

void CRunLoopSettingsUi::OnRunLoopVariables() {
  CVariableListDlg dialog(&m_frame);
  QPointer<QWidget> outer = m_listwindow;
  m_listwindow = &dialog;
  EditorMessageSink refusals(m_editors);
  VariableListEditor editor(m_doc, m_variables, refusals, m_editors.m_clipkind,
                            [this](int index) { EditVariableProperties(index); });
  const auto show = [&] { dialog.Fill(editor.Lines(), editor.Selected()); };
  const auto serve = [&](void (VariableListEditor::*request)()) {
    return [&, request] {
      editor.Select(dialog.SelectedLine());
      (editor.*request)();
      show();
    };
  };
  EditorPass pass;
  pass.requests = {{&dialog.m_newrequest, serve(&VariableListEditor::New)},
                   {&dialog.m_editrequest, serve(&VariableListEditor::Edit)},
                   {&dialog.m_deleterequest, serve(&VariableListEditor::Delete)},
                   {&dialog.m_copyrequest, serve(&VariableListEditor::Copy)},
                   {&dialog.m_pasterequest, serve(&VariableListEditor::Paste)}};
  pass.enables = [&] {
    editor.Select(dialog.SelectedLine());
    dialog.SetEnables(editor.HasSelection(), editor.CanPaste());
  };
  show();
  dialog.ShowEditor();
  m_editors.Run(dialog, pass);
  m_listwindow = outer;
}

void CRunLoopSettingsUi::EditVariableProperties(int index) {
  CVariableDlg dialog(DialogParent(), m_messages, m_doc, index, VariableFieldsOf(m_doc.m_variables[index]));
  VariableFields fields;
  const DialogOutcome outcome = RunPropertyDialog(dialog, fields);
  if (outcome.ok) StoreVariableFields(m_doc, m_variables, index, fields);
  if (outcome.remove) DeleteVariable(m_doc, m_variables, index);
}

void CRunLoopSettingsUi::OnRunLoopInitialization() {
  CRunLoopInitDlg dialog(&m_frame, m_messages, RunLoopInitFieldsOf(m_doc), BuildNameList(m_doc));
  RunLoopInitFields fields;
  if (RunPropertyDialog(dialog, fields).ok) StoreRunLoopInitFields(m_doc, fields);
}

void CRunLoopSettingsUi::OnRunLoopPollingSetup() {
  CDataPollingDlg dialog(&m_frame, m_messages, PollingFieldsOf(m_doc));
  PollingFields fields;
  if (RunPropertyDialog(dialog, fields).ok) StorePollingFields(m_doc, fields);
}

void CRunLoopSettingsUi::OnRunLoopCpuUsage() {
  CCpuUsageDlg dialog(&m_frame, m_doc.m_reducedcpu);
  if (dialog.exec() == QDialog::Accepted) StoreReducedCpu(m_doc, dialog.m_reduced);
}

}  // namespace korvix
