#pragma once

#include <string>

namespace korvix {

// What the after-send hook reads of one Slider Control.
struct SliderMirror {
  std::string command;    // the characters the slider puts before its value
  std::string valuetext;  // its current value
  int valuetype = 0;      // 0 decimal, 1 hexadecimal, 2 binary
  bool zeropadding = false;
  std::string topvalue;
  std::string bottomvalue;
  std::string idlabel;  // how messages name the slider
  std::string link;     // the label its value goes to, before label references are expanded
  bool oncurrentpage = false;
};

// What the after-send hook reads of one Rocker Switch.
struct RockerMirror {
  int initmode = 0;       // 2: the switch holds no value
  std::string command1;   // first position
  std::string command2;   // second position
  std::string statetext;  // its current value
  int valuetype = 0;
  bool zeropadding = false;
  std::string uplimit;  // the two limits its own values are padded to
  std::string downlimit;
  std::string link;
  bool oncurrentpage = false;
};

enum class QueuedMessage { None, Paint, Other };

// What the COM link needs of its owners, one narrow seam each, so that a
// fault path or the after-send hook cannot reach more of the view than it
// uses.

// The port the user selected; it belongs to the session, not to the
// project, so a new or opened project keeps it.
class PortSelection {
public:
  virtual ~PortSelection() = default;
  // 0 for COM1, -1 for none.
  virtual int SelectedComPort() = 0;
  // Whoever opens a port records here which one it is (-1: none opened).
  virtual void SelectComPort(int port) = 0;
  // After a fatal error the port is forgotten until the user selects one.
  virtual void ForgetComPort() = 0;
};

// A fatal port error ends the run.
class RunLoopHalt {
public:
  virtual ~RunLoopHalt() = default;
  virtual void HaltRunLoop() = 0;
};

// The bookkeeping of the replies that objects wait for.
class ReplyTracking {
public:
  virtual ~ReplyTracking() = default;
  virtual bool IsReplyPending(char address) = 0;
  virtual void ServiceReplyTimeouts() = 0;
  virtual void DispatchReceivedLines() = 0;
};

class LabelValueAccess {
public:
  virtual ~LabelValueAccess() = default;
  virtual std::string ExpandLabelRefs(const std::string& text) = 0;
  virtual void DeliverLabelValue(const std::string& label, const std::string& value) = 0;
};

class PopupDisplay {
public:
  virtual ~PopupDisplay() = default;
  virtual void ShowPopupBox(const std::string& title, const std::string& text) = 0;
};

// The Slider Controls and Rocker Switches of the project, which the
// after-send hook keeps in step with what went out to the modules.
class ControlMirrors {
public:
  virtual ~ControlMirrors() = default;
  virtual int SliderControlCount() = 0;
  virtual SliderMirror GetSliderControl(int index) = 0;
  virtual void SetSliderValueText(int index, const std::string& value) = 0;
  virtual void InvalidateSliderControl(int index) = 0;
  virtual int RockerSwitchCount() = 0;
  virtual RockerMirror GetRockerSwitch(int index) = 0;
  virtual void SetRockerStateText(int index, const std::string& value) = 0;
  virtual void InvalidateRockerSwitch(int index) = 0;
  // A mirrored value the project stores changed.
  virtual void SetModifiedFlag() = 0;
};

// The message queue of the interface thread, which the link pumps while it
// holds the line.
class MessageQueue {
public:
  virtual ~MessageQueue() = default;
  // What is queued next, left in the queue.
  virtual QueuedMessage PeekQueuedMessage() = 0;
  // Dispatches one message; false once the quit request was seen.
  virtual bool PumpMessage() = 0;
  virtual void PostQuitMessage() = 0;
  // One round of idle work; true while it wants another.
  virtual bool OnIdle(int count) = 0;
};

struct ComLinkPeers {
  PortSelection& ports;
  RunLoopHalt& halt;
  ReplyTracking& replies;
  LabelValueAccess& labels;
  PopupDisplay& popups;
  ControlMirrors& mirrors;
  MessageQueue& queue;
};

// The peers of a link when one object serves them all.
template <class Owner>
ComLinkPeers PeersOf(Owner& owner) {
  return {owner, owner, owner, owner, owner, owner, owner};
}

}  // namespace korvix
