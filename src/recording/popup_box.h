#pragma once

#include <functional>
#include <string>

#include "platform/message_sink.h"

namespace korvix {

// The window that shows a popup; the user-interface side implements it.
class PopupWindow {
public:
  virtual ~PopupWindow() = default;
  virtual void Create(const std::string& title, const std::string& message, const std::string& helptopic) = 0;
  virtual void Destroy() = 0;
};

// The modeless run-time Popup Box: one at a time, never under a modal
// message. A sticky popup reports an e-mail failure and stays until it is
// closed, so later popups cannot hide it.
class PopupBox {
public:
  explicit PopupBox(PopupWindow& window) : m_window(window) {}
  PopupBox(const PopupBox&) = delete;
  PopupBox& operator=(const PopupBox&) = delete;

  // From now on every message of `sink` closes a shown popup first.
  void AttachTo(MessageSink& sink);

  // Replaces a shown popup unless that one is sticky; returns whether this
  // one is shown.
  bool Show(const std::string& title, const std::string& message, const std::string& helptopic = "",
            bool sticky = false);
  void Close();

  // The window reports that the user closed it.
  void OnClosedByUser();
  // The window's halt request; the Run-Loop registers what halting means.
  void SetHaltHandler(std::function<void()> halt) { m_halt = std::move(halt); }
  void OnHaltPressed();

  int m_open = 0;
  int m_sticky = 0;
  std::string m_message;
  std::string m_title;
  std::string m_helptopic;  // "" = no help

private:
  PopupWindow& m_window;
  std::function<void()> m_halt;
};

}  // namespace korvix
