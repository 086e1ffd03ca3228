#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/message_sink.h"

namespace korvix {

// Keeps every message shown and answers Yes/No questions from a queue
// (Yes when the queue is empty).
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

protected:
  MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) override {
    shown.push_back({caption, text, icon, buttons});
    if (buttons == MessageButtons::Ok) return MessageResult::Ok;
    if (answers.empty()) return MessageResult::Yes;
    const MessageResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace korvix
