#pragma once

#include <cstdint>

#include "comms/com_link_peers.h"

namespace korvix {

// The view's private messages that start and halt the Run-Loop.
enum class RunLoopMessage : int { Start = 0x600, Halt = 0x601 };

// The message queue of the interface thread as the Run-Loop pumps it from
// inside its handler. The program implements it over its toolkit; tests
// over a scripted queue.
class MessagePump : public MessageQueue {
public:
  // Sleeps until a message arrives or `ms` have passed.
  virtual void WaitMessage(uint32_t ms) = 0;
  // Queued, so that it runs after the handler that posts it returns.
  virtual void PostRunLoopMessage(RunLoopMessage message) = 0;
  // A quit seen while running ends the program at once, with no save
  // question. Whatever the Run-Loop writes is written whole records at a
  // time, so nothing is left half-written when this runs.
  virtual void EndProcess() = 0;
};

}  // namespace korvix
