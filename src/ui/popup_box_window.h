#pragma once

#include <QDialog>
#include <QPointer>

#include "recording/popup_box.h"

class QLabel;

namespace korvix {

// The run-time Popup Box on the screen: a modeless window with the popup's
// title and message that stays beside the page while the Run-Loop runs.
class PopupBoxWindow final : public PopupWindow {
public:
  explicit PopupBoxWindow(QWidget* parent) : m_parent(parent) {}
  ~PopupBoxWindow() override;

  // The state the window reports its closing and its halt button to.
  void SetBox(PopupBox* box) { m_box = box; }

  void Create(const std::string& title, const std::string& message, const std::string& helptopic) override;
  void Destroy() override;

  QDialog* Window() const { return m_dialog; }

private:
  QPointer<QWidget> m_parent;
  PopupBox* m_box = nullptr;
  QPointer<QDialog> m_dialog;
};

}  // namespace korvix
