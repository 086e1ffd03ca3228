#pragma once

#include "editorloop/editor_loop.h"
#include "platform/message_sink.h"

namespace korvix {

// Messages of an editor's requests go through its loop, so that the
// innermost editor takes no input while the box is shown.
class EditorMessageSink final : public MessageSink {
public:
  explicit EditorMessageSink(EditorLoop& loop) : m_loop(loop) {}

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) override {
    return m_loop.ShowMessage(caption, text, icon, buttons);
  }

private:
  EditorLoop& m_loop;
};

}  // namespace korvix
