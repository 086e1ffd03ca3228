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

// The services of the view, the document and the Run-Loop that the COM link
// calls; the view implements it.
class ComLinkHost {
public:
  virtual ~ComLinkHost() = default;

  // The document's selected port, 0 for COM1, -1 for none.
  virtual int SelectedComPort() = 0;
  // After a fatal error the port is forgotten until the user selects one.
  virtual void ForgetComPort() = 0;

  virtual bool IsReplyPending(char address) = 0;
  virtual void ServiceReplyTimeouts() = 0;
  virtual void DispatchReceivedLines() = 0;
  virtual void HaltRunLoop() = 0;
  virtual std::string ExpandLabelRefs(const std::string& text) = 0;
  virtual void DeliverLabelValue(const std::string& label, const std::string& value) = 0;
  virtual void ShowPopupBox(const std::string& title, const std::string& text) = 0;
  virtual void SetModifiedFlag() = 0;

  virtual int SliderControlCount() = 0;
  virtual SliderMirror GetSliderControl(int index) = 0;
  virtual void SetSliderValueText(int index, const std::string& value) = 0;
  virtual void InvalidateSliderControl(int index) = 0;
  virtual int RockerSwitchCount() = 0;
  virtual RockerMirror GetRockerSwitch(int index) = 0;
  virtual void SetRockerStateText(int index, const std::string& value) = 0;
  virtual void InvalidateRockerSwitch(int index) = 0;

  // The message pump: what is queued next (left in the queue), dispatching
  // one message (false when it was the quit message), re-posting quit, and
  // one round of idle work (true while it wants another).
  virtual QueuedMessage PeekQueuedMessage() = 0;
  virtual bool PumpMessage() = 0;
  virtual void PostQuitMessage() = 0;
  virtual bool OnIdle(int count) = 0;
};

}  // namespace korvix
