#pragma once

#include <QObject>
#include <functional>

#include "document/korvix_doc.h"
#include "editorloop/editor_loop.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"

namespace korvix {

class CMainFrame;
class CRunLoopSettingsUi;

// Run-Loop > Conditionals: the Conditional List and, nested in it, the
// Conditional Properties of one Conditional, which in turn nests the Script
// Configuration of its action Script.
class CConditionalEditorsUi final : public QObject {
  Q_OBJECT

public:
  // The command is one of `settings`' edit-mode commands; `editscript`
  // runs the Script Configuration editor on a Script's index until it
  // closes.
  CConditionalEditorsUi(CMainFrame& frame, CKorvixDoc& doc, MessageSink& messages, EditorLoop& editors,
                        CRunLoopSettingsUi& settings, std::function<void(int)> editscript);

  // Runs the Conditional List until it is closed.
  void OnRunLoopConditionals();
  // Runs the Conditional Properties on a Conditional until they close.
  void EditConditional(int index);

private:
  CMainFrame& m_frame;
  CKorvixDoc& m_doc;
  MessageSink& m_messages;
  EditorLoop& m_editors;
  CRunLoopSettingsUi& m_settings;
  std::function<void(int)> m_editscript;
  MonotonicClock m_clock;
};

}  // namespace korvix
