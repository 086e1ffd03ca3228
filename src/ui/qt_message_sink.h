#pragma once

#include "platform/message_sink.h"

class QWidget;

namespace korvix {

// Modal message boxes over the window the message is about, else the
// program's main window.
class QtMessageSink final : public MessageSink {
public:
  explicit QtMessageSink(QWidget* owner = nullptr) : m_owner(owner) {}
  void SetOwner(QWidget* owner) { m_owner = owner; }

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) override;

private:
  QWidget* Owner() const;

  QWidget* m_owner;
};

}  // namespace korvix
