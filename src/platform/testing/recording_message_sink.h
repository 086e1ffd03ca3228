#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_sink.h"

namespace korvix {

// Keeps every message shown and answers Yes/No questions from a queue
// (Yes when the queue is empty); `onshow` runs while a message is up.
class RecordingMessageSink final : public MessageSink {
public:
  struct Shown {
    std::string caption;
    std::string text;
    MessageIcon icon;
    MessageButtons buttons;
  };
  std::vector<Shown> shown;
  std::deque<MessageResult> answers;
  std::function<void()> onshow;

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) override {
    shown.push_back({caption, text, icon, buttons});
    if (onshow) onshow();
    if (buttons == MessageButtons::Ok) return MessageResult::Ok;
    if (answers.empty()) return MessageResult::Yes;
    const MessageResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace korvix
