#pragma once

#include <cstdint>
#include <string>

#include "document/screen_object_kind.h"
#include "values/control_triggers.h"

namespace korvix {

// The Run-Loop as label values and replies see it.
class RunLoopControl {
public:
  virtual ~RunLoopControl() = default;
  virtual bool IsRunning() = 0;
  // HaltRunLoop: takes effect at the end of the current pass.
  virtual void RequestHalt() = 0;
  virtual void SendInitCommands() = 0;
  // An upload of the web log is under way.
  virtual bool WebLogBusy() = 0;
};

// What the view and the object actions do for label values.
class ObjectActions {
public:
  virtual ~ObjectActions() = default;
  // Only for objects on the current page; redraws without erasing.
  virtual void InvalidateObject(ScreenObjectKind kind, int index) = 0;
  // Where the lamp, counter and timer triggers go.
  virtual ControlTriggers& Triggers() = 0;
  virtual void SetButtonArrayAction(const std::string& label, const std::string& value) = 0;
  // The transmit time-out popup for a command that was never acknowledged.
  virtual void ShowTransmitTimeout(const std::string& command) = 0;
};

// The COM link as the dispatcher and the reply bookkeeping use it.
class LinkServices {
public:
  virtual ~LinkServices() = default;
  virtual std::string& ReceiveBuffer() = 0;  // m_rxbuffer
  virtual int TransmitCommand(std::string command) = 0;
  // Reads the port until a line from the expected text's module came or the
  // time ran out.
  virtual void WaitForReply(uint32_t ms, const std::string& expected) = 0;
  virtual void FlushComInput() = 0;
};

}  // namespace korvix
