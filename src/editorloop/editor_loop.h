#pragma once

#include <string>
#include <vector>

#include "comms/com_link.h"
#include "editorloop/modeless_editor.h"
#include "platform/message_sink.h"

namespace korvix {

// The kinds of item that the list editors' one internal clipboard holds;
// any other value of the clipboard kind means it holds nothing to paste.
enum class ClipKind : int { Script = -1, ScriptStep = -2, Conditional = -3, Variable = -4 };

enum class EditorEnd { Closed, Quit };

// Blocks until the interface thread has a message, or the port a byte while
// it must be read.
class PassWait {
public:
  virtual ~PassWait() = default;
  virtual void WaitMessage() = 0;
};

// Runs the modeless editors of one view, nested inside one another: each
// pass serves the raised requests, sets the buttons, waits, and pumps with
// the paint hold, idle work and one port read of the link. A quit seen in
// any pump ends every open editor from the inside out without serving or
// storing anything more, and is posted again for the program to end on.
class EditorLoop {
public:
  EditorLoop(ComLink& link, PassWait& wait, MessageSink& sink);

  // Returns once the editor closed (its write-back done) or a quit ended it;
  // its window is gone either way.
  EditorEnd Run(ModelessEditor& editor, const EditorPass& pass);

  // The pump of one pass without the wait, for long work inside a request;
  // false once a quit was seen: the work stops, and the editors end when it
  // returns.
  bool PumpStep();

  // A refusal or question of a request: the innermost editor takes no input
  // while the box is shown, then has the focus back.
  MessageResult ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon,
                            MessageButtons buttons = MessageButtons::Ok);

  bool CanPaste(ClipKind own) const { return m_clipkind == static_cast<int>(own); }
  bool Quitting() const { return m_quitting; }
  int OpenEditors() const { return static_cast<int>(m_open.size()); }

  // Kept across editors for as long as the view lives.
  int m_clipkind = 0;

private:
  EditorEnd End(ModelessEditor& editor, EditorEnd end);

  ComLink& m_link;
  PassWait& m_wait;
  MessageSink& m_sink;
  std::vector<ModelessEditor*> m_open;
  bool m_quitting = false;
};

}  // namespace korvix
