#pragma once

#include <string>

#include "comms/com_link_peers.h"
#include "comms/run_loop_state.h"

namespace korvix::testing {

// What a view with no objects, no controls and an empty message queue
// answers the COM link; a test double overrides what it plays.
class IdleComLinkHost : public PortSelection,
                        public RunLoopHalt,
                        public ReplyTracking,
                        public LabelValueAccess,
                        public PopupDisplay,
                        public ControlMirrors,
                        public MessageQueue {
public:
  RunLoopState run;
  int m_comport = 0;

  int SelectedComPort() override { return m_comport; }
  void SelectComPort(int port) override { m_comport = port; }
  void ForgetComPort() override { m_comport = -1; }
  void HaltRunLoop() override {}
  bool IsReplyPending(char) override { return false; }
  void ServiceReplyTimeouts() override {}
  void DispatchReceivedLines() override {}
  std::string ExpandLabelRefs(const std::string& text) override { return text; }
  void DeliverLabelValue(const std::string&, const std::string&) override {}
  void ShowPopupBox(const std::string&, const std::string&) override {}
  int SliderControlCount() override { return 0; }
  SliderMirror GetSliderControl(int) override { return {}; }
  void SetSliderValueText(int, const std::string&) override {}
  void InvalidateSliderControl(int) override {}
  int RockerSwitchCount() override { return 0; }
  RockerMirror GetRockerSwitch(int) override { return {}; }
  void SetRockerStateText(int, const std::string&) override {}
  void InvalidateRockerSwitch(int) override {}
  void SetModifiedFlag() override {}
  QueuedMessage PeekQueuedMessage() override { return QueuedMessage::None; }
  bool PumpMessage() override { return true; }
  void PostQuitMessage() override {}
  bool OnIdle(int) override { return false; }
};

}  // namespace korvix::testing
