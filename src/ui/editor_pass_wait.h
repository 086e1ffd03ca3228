#pragma once

#include <QSocketNotifier>
#include <memory>

#include "comms/com_link.h"
#include "editorloop/editor_loop.h"

namespace korvix {

// A modeless editor's pass sleeps in the event loop until something
// happens; while the port must be read, a byte on it wakes the pass too, so
// the receive side never waits for the user to move the mouse.
class QtPassWait final : public PassWait {
public:
  explicit QtPassWait(ComLink& link) : m_link(link) {}
  void WaitMessage() override;

private:
  // The notifier for the port's current descriptor, or none.
  QSocketNotifier* PortNotifier();

  ComLink& m_link;
  std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace korvix
