#include "ui/script_editors_ui.h"

#include "app/command_ids.h"
#include "automation/script_text_files.h"
#include "automation/step_codes.h"
#include "automationedit/script_configuration.h"
#include "automationedit/script_list.h"
#include "automationedit/script_step_properties.h"
#include "editorloop/editor_message_sink.h"
#include "properties/name_list.h"
#include "properties/shared_checks.h"
#include "ui/action_dialogs.h"
#include "ui/main_frame.h"
#include "ui/math_conversion_dlg.h"
#include "ui/run_loop_settings_ui.h"
#include "ui/script_conditional_dlg.h"
#include "ui/script_configuration_dlg.h"
#include "ui/script_list_dlg.h"
#include "ui/script_step_dlg.h"
#include "ui/text_file_request.h"

namespace korvix {

namespace {

constexpr char kScriptsText[] = "Scripts";
constexpr int kStepMathConversion = 20;
constexpr int kStepSendEmail = 27;
constexpr int kStepPrintLabel = 31;
constexpr const char* kIfExplain =
    "If this expression evaluates to TRUE, any subsequent Steps will be \rexecuted until reaching an \"Else IF\", "
    "\"Else\", or \"End IF\" statement.";
constexpr const char* kExitLoopExplain =
    "If this expression evaluates to TRUE, the current Loop will be exited \rand the Script will jump to the "
    "corresponding \"End Loop\" statement.";

}  // namespace

CScriptEditorsUi::CScriptEditorsUi(CMainFrame& frame, CKorvixDoc& doc, Profile& profile, MessageSink& messages,
                                   EditorLoop& editors, CRunLoopSettingsUi& settings, EmailReporter& reports,
                                   MillisecondClock& clock)
    : m_frame(frame),
      m_doc(doc),
      m_profile(profile),
      m_messages(messages),
      m_editors(editors),
      m_settings(settings),
      m_reports(reports),
      m_chooser(ColorSelectChooser(profile)),
      m_memfile(messages, clock) {
  // A shortcut or a stale menu may still reach the handler outside edit
  // mode; the settings' menu update sets the command with theirs.
  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_SCRIPTS, kScriptsText, [this] {
    if (m_settings.EditModeCommandEnabled()) OnRunLoopScripts();
  });
}

QWidget* CScriptEditorsUi::DialogParent() const { return m_window ? m_window.data() : static_cast<QWidget*>(&m_frame); }

void CScriptEditorsUi::OnRunLoopScripts() {
  CScriptListDlg dialog(&m_frame);
  QPointer<QWidget> outer = m_window;
  m_window = &dialog;
  EditorMessageSink refusals(m_editors);
  ScriptListEditor editor(m_doc, refusals, m_editors.m_clipkind, [this](int index) { EditScriptConfiguration(index); });
  const auto show = [&] { dialog.Fill(editor.Lines(), editor.Selected()); };
  const auto serve = [&](void (ScriptListEditor::*request)()) {
    return [&, request] {
      editor.Select(dialog.SelectedLine());
      (editor.*request)();
      show();
    };
  };
  const auto files = [&](const std::function<TextFileOutcome(const TextFileJob&)>& work) {
    return [&, work] {
      RunTextFileRequest(dialog, m_editors, &m_frame, m_messages, kScriptsFileName, work);
      show();
    };
  };
  EditorPass pass;
  pass.requests = {
      {&dialog.m_newrequest, serve(&ScriptListEditor::New)},
      {&dialog.m_editrequest, serve(&ScriptListEditor::Edit)},
      {&dialog.m_deleterequest, serve(&ScriptListEditor::Delete)},
      {&dialog.m_copyrequest, serve(&ScriptListEditor::Copy)},
      {&dialog.m_pasterequest, serve(&ScriptListEditor::Paste)},
      {&dialog.m_exportrequest, files([&](const TextFileJob& job) { return editor.Export(job); })},
      {&dialog.m_importrequest, files([&](const TextFileJob& job) { return editor.Import(job, m_memfile); })}};
  pass.enables = [&] {
    editor.Select(dialog.SelectedLine());
    dialog.SetEnables(editor.HasSelection(), editor.CanPaste());
  };
  show();
  dialog.ShowEditor();
  m_editors.Run(dialog, pass);
  m_window = outer;
}

void CScriptEditorsUi::EditScriptConfiguration(int script) {
  EditorMessageSink refusals(m_editors);
  ScriptConfigurationEditor editor(m_doc, refusals, m_editors.m_clipkind, script,
                                   [this, script](int step) { return EditScriptStep(script, step); });
  CScriptConfigurationDlg dialog(&m_frame, m_profile, editor.Label(), editor.IsActionScript());
  QPointer<QWidget> outer = m_window;
  m_window = &dialog;
  const auto show = [&] { dialog.FillScriptStepList(editor.Lines(), editor.Selected().value_or(-1)); };
  const auto serve = [&](void (ScriptConfigurationEditor::*request)()) {
    return [&, request] {
      editor.Select(dialog.SelectedStep());
      (editor.*request)();
      show();
    };
  };
  const auto add = [&] {
    editor.Select(dialog.SelectedStep());
    editor.AddStep(dialog.PaletteLine());
    show();
  };
  const auto close = [&] {
    std::string label = dialog.IdLabel();
    if (!editor.IsActionScript()) {
      label = TrimEntry(label);
      dialog.ShowIdLabel(label);
    }
    const CloseRefusal refusal = editor.CheckClose(label);
    if (refusal == CloseRefusal::Nesting) {
      dialog.ClearPaletteSelection();
      show();
      return;
    }
    if (refusal == CloseRefusal::Label || !editor.CommitLabel(label)) {
      dialog.FocusIdLabel();
      return;
    }
    dialog.m_open = 0;
  };
  EditorPass pass;
  pass.requests = {{&dialog.m_addstep, add},
                   {&dialog.m_editstep, serve(&ScriptConfigurationEditor::EditStep)},
                   {&dialog.m_deletestep, serve(&ScriptConfigurationEditor::DeleteStep)},
                   {&dialog.m_moveup, serve(&ScriptConfigurationEditor::MoveUp)},
                   {&dialog.m_movedown, serve(&ScriptConfigurationEditor::MoveDown)},
                   {&dialog.m_copystep, serve(&ScriptConfigurationEditor::CopyStep)},
                   {&dialog.m_pastestep, serve(&ScriptConfigurationEditor::PasteStep)},
                   {&dialog.m_variables, [this] { m_settings.OnRunLoopVariables(); }},
                   {&dialog.m_closerequest, close}};
  pass.enables = [&] {
    editor.Select(dialog.SelectedStep());
    const std::string line = dialog.PaletteLine();
    const bool addable = ScriptConfigurationEditor::CanAddStep(line);
    if (!line.empty() && !addable) dialog.ClearPaletteSelection();
    dialog.SetEnables(addable, editor.HasSelection(), editor.CanEditStep(), editor.CanPaste());
  };
  show();
  dialog.Open();
  m_editors.Run(dialog, pass);
  m_window = outer;
}

bool CScriptEditorsUi::EditScriptStep(int script, int step) {
  ScriptStep& edited = m_doc.m_scripts[script].steps[step];
  bool changed = false;
  switch (edited.code) {
    case kStepMathConversion: changed = EditMathConversionStep(edited); break;
    case kStepSendEmail: changed = EditEmailStep(edited); break;
    case kStepPrintLabel: changed = EditPrintLabelStep(edited); break;
    case kStepIf:
    case kStepElseIf:
    case kStepExitLoopIf: changed = EditConditionalStep(edited); break;
    default: return EditPlainStep(script, step);
  }
  if (changed) m_doc.SetModifiedFlag();
  return changed;
}

// The target is read back from Scripts.txt as one field, so a comma in it
// is refused and the dialog opens again on what was typed.
bool CScriptEditorsUi::EditMathConversionStep(ScriptStep& step) {
  std::string target = step.param1;
  std::string formula = step.param2;
  const std::string names = BuildNameList(m_doc);
  do {
    CMathConversionDlg dialog(DialogParent(), m_messages, names, formula, target, 0);
    if (dialog.exec() != QDialog::Accepted) return false;
    target = dialog.Target();
    formula = dialog.Formula();
  } while (RefuseComma(m_messages, target));
  step.param1 = target;
  step.param2 = formula;
  return true;
}

bool CScriptEditorsUi::EditEmailStep(ScriptStep& step) {
  std::string address = step.param1;
  std::string text = step.param2;
  do {
    if (!EditEmailAction(DialogParent(), m_messages, m_doc, m_reports, address, text)) return false;
  } while (RefuseComma(m_messages, address));
  step.param1 = address;
  step.param2 = text;
  return true;
}

bool CScriptEditorsUi::EditPrintLabelStep(ScriptStep& step) {
  PrintLabelAction action{step.param1, step.param2, step.barcode, step.fontsize, step.barsize};
  do {
    if (!EditPrintLabelAction(DialogParent(), m_messages, m_doc, action)) return false;
  } while (RefuseComma(m_messages, action.printer));
  step.param1 = action.printer;
  step.param2 = action.text;
  step.barcode = action.barcode;
  step.fontsize = action.fontsize;
  step.barsize = action.barsize;
  return true;
}

bool CScriptEditorsUi::EditConditionalStep(ScriptStep& step) {
  const char* explain = step.code == kStepExitLoopIf ? kExitLoopExplain : kIfExplain;
  CScriptConditionalDlg dialog(DialogParent(), m_messages, explain, step.param1, BuildNameList(m_doc));
  if (dialog.exec() != QDialog::Accepted) return false;
  step.param1 = dialog.Expression();
  return true;
}

bool CScriptEditorsUi::EditPlainStep(int script, int step) {
  const ScriptStep& edited = m_doc.m_scripts[script].steps[step];
  CScriptStepDlg dialog(DialogParent(), m_messages, m_chooser, edited.code, ScriptStepFieldsOf(edited),
                        BuildNameList(m_doc));
  if (dialog.exec() == QDialog::Accepted) {
    StoreScriptStepFields(m_doc, script, step, dialog.Fields());
    return true;
  }
  if (dialog.m_delete == 0) return false;
  DeleteScriptStep(m_doc, script, step);
  return true;
}

}  // namespace korvix
