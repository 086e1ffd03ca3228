#pragma once

#include <functional>
#include <string>

namespace korvix {

enum class MessageIcon { None, Exclamation, Warning, Information, Question, Stop };
// YesNoDefaultNo: a question whose careless Enter must not destroy data.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageResult { Ok, Yes, No };

// The caption of every refused entry, in dialogs and editors alike.
constexpr const char* kEntryErrorCaption = "Entry Error";

// Where the core shows a modal message box. Texts arrive as stored, with "\r"
// for line breaks; the implementation decides how to render them.
class MessageSink {
public:
  virtual ~MessageSink() = default;

  // A run-time popup box must never sit on top of a modal message, so whoever
  // owns the popup registers how to close it; it runs before every message.
  void SetPopupCloser(std::function<void()> closer) { m_popupcloser = std::move(closer); }

  MessageResult Show(const std::string& caption, const std::string& text, MessageIcon icon,
                     MessageButtons buttons = MessageButtons::Ok) {
    if (m_popupcloser) m_popupcloser();
    return Present(caption, text, icon, buttons);
  }

protected:
  virtual MessageResult Present(const std::string& caption, const std::string& text, MessageIcon icon,
                                MessageButtons buttons) = 0;

private:
  std::function<void()> m_popupcloser;
};

}  // namespace korvix
