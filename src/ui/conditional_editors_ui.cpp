#include "ui/conditional_editors_ui.h"

#include "app/command_ids.h"
#include "automationedit/conditional_list.h"
#include "automationedit/conditional_properties.h"
#include "automationedit/script_step_lines.h"
#include "editorloop/editor_message_sink.h"
#include "platform/text_mem_file.h"
#include "properties/name_list.h"
#include "ui/conditional_dlg.h"
#include "ui/conditional_list_dlg.h"
#include "ui/main_frame.h"
#include "ui/run_loop_settings_ui.h"
#include "ui/text_file_request.h"

namespace korvix {

namespace {
constexpr char kConditionalsText[] = "Conditionals";
}  // namespace

CConditionalEditorsUi::CConditionalEditorsUi(CMainFrame& frame, CKorvixDoc& doc, MessageSink& messages,
                                             EditorLoop& editors, CRunLoopSettingsUi& settings,
                                             std::function<void(int)> editscript)
    : m_frame(frame),
      m_doc(doc),
      m_messages(messages),
      m_editors(editors),
      m_settings(settings),
      m_editscript(std::move(editscript)) {
  // A shortcut or a stale menu may still reach the handler outside edit mode.
  m_frame.AddCommand(kRunLoopMenu, ID_RUNLOOP_CONDITIONALS, kConditionalsText, [this] {
    if (m_settings.EditModeCommandEnabled()) OnRunLoopConditionals();
  });
}

void CConditionalEditorsUi::OnRunLoopConditionals() {
  CConditionalListDlg dialog(&m_frame);
  EditorMessageSink refusals(m_editors);
  ConditionalListEditor editor(m_doc, refusals, m_editors.m_clipkind, [this](int index) { EditConditional(index); });
  const auto show = [&] { dialog.Fill(editor.Lines(), editor.Selected()); };
  const auto serve = [&](void (ConditionalListEditor::*request)()) {
    return [&, request] {
      editor.Select(dialog.SelectedLine());
      (editor.*request)();
      show();
    };
  };
  const auto textfile = [&](const std::function<TextFileOutcome(const TextFileJob&)>& work) {
    return [&, work] {
      editor.Select(dialog.SelectedLine());
      RunTextFileRequest(dialog, m_editors, &m_frame, m_messages, kConditionalsFileName, work);
      show();
    };
  };
  TextMemFile memfile(m_messages, m_clock);
  EditorPass pass;
  pass.requests = {
      {&dialog.m_newrequest, serve(&ConditionalListEditor::New)},
      {&dialog.m_editrequest, serve(&ConditionalListEditor::Edit)},
      {&dialog.m_deleterequest, serve(&ConditionalListEditor::Delete)},
      {&dialog.m_copyrequest, serve(&ConditionalListEditor::Copy)},
      {&dialog.m_pasterequest, serve(&ConditionalListEditor::Paste)},
      {&dialog.m_exportrequest, textfile([&](const TextFileJob& job) { return editor.Export(job); })},
      {&dialog.m_importrequest, textfile([&](const TextFileJob& job) { return editor.Import(job, memfile); })}};
  pass.enables = [&] {
    editor.Select(dialog.SelectedLine());
    dialog.SetEnables(editor.HasSelection(), editor.CanPaste());
  };
  show();
  dialog.ShowEditor();
  m_editors.Run(dialog, pass);
}

void CConditionalEditorsUi::EditConditional(int index) {
  EditorMessageSink refusals(m_editors);
  CConditionalDlg dialog(&m_frame, refusals, ConditionalFieldsOf(m_doc.m_conditionals[index]), BuildNameList(m_doc));
  ConditionalEditor editor(m_doc, refusals, index, m_editscript);
  const auto showsteps = [&] {
    ScriptStepList* steps = editor.ActionSteps();
    dialog.ShowSteps(steps ? RenderScriptStepLines(*steps) : std::vector<std::string>{});
  };
  EditorPass pass;
  pass.requests = {{&dialog.m_editscript,
                    [&] {
                      if (editor.EditScript(dialog.Fields().m_idlabel)) {
                        showsteps();
                        dialog.FocusClose();
                      } else {
                        dialog.FocusField(ConditionalField::IdLabel);
                      }
                    }},
                   {&dialog.m_closerequest, [&] {
                      if (editor.Close(dialog.Fields()))
                        dialog.m_open = 0;
                      else
                        dialog.FocusField(ConditionalField::IdLabel);
                    }}};
  showsteps();
  dialog.ShowEditor();
  m_editors.Run(dialog, pass);
}

}  // namespace korvix
