#include "editorloop/editor_loop.h"

namespace korvix {

EditorLoop::EditorLoop(ComLink& link, PassWait& wait, MessageSink& sink) : m_link(link), m_wait(wait), m_sink(sink) {}

EditorEnd EditorLoop::Run(ModelessEditor& editor, const EditorPass& pass) {
  m_open.push_back(&editor);
  while (editor.IsOpen()) {
    for (const EditorRequest& request : pass.requests) {
      if (*request.flag == 0) continue;
      *request.flag = 0;
      request.serve();
      // An editor nested in this request, or long work in it, saw the quit.
      if (m_quitting) return End(editor, EditorEnd::Quit);
    }
    // A request that passed the view's close check closed it; waiting now
    // would hold the close until the user did something else.
    if (!editor.IsOpen()) break;
    if (pass.enables) pass.enables();
    m_wait.WaitMessage();
    if (!PumpStep()) return End(editor, EditorEnd::Quit);
  }
  if (pass.writeback) pass.writeback();
  return End(editor, EditorEnd::Closed);
}

bool EditorLoop::PumpStep() {
  if (m_link.PumpWhileHeld() == 1) return true;
  if (!m_open.empty()) m_quitting = true;
  return false;
}

MessageResult EditorLoop::ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon,
                                      MessageButtons buttons) {
  if (m_open.empty()) return m_sink.Show(caption, text, icon, buttons);
  ModelessEditor& editor = *m_open.back();
  editor.DisableWindow();
  const MessageResult result = m_sink.Show(caption, text, icon, buttons);
  editor.EnableWindowAndFocus();
  return result;
}

EditorEnd EditorLoop::End(ModelessEditor& editor, EditorEnd end) {
  editor.DestroyWindow();
  m_open.pop_back();
  // The quit has been posted again; whatever runs next is the program's own
  // ending, not an editor.
  if (m_open.empty()) m_quitting = false;
  return end;
}

}  // namespace korvix
