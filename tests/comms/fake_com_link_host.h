#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "comms/testing/idle_com_link_host.h"
#include "platform/testing/recording_message_sink.h"

namespace korvix::testing {

// Records what the link asks of the view, in order, and plays a document
// with the controls a test gives it.
class FakeComLinkHost final : public IdleComLinkHost {
public:
  std::set<char> pending;
  std::vector<std::string> calls;
  std::vector<std::pair<std::string, std::string>> delivered;
  std::vector<std::pair<std::string, std::string>> popups;
  std::vector<SliderMirror> sliders;
  std::vector<RockerMirror> rockers;
  std::vector<int> invalidated_sliders;
  std::vector<int> invalidated_rockers;
  int modified = 0;
  int mirror_reads = 0;
  std::deque<QueuedMessage> queue;
  int pumped = 0;
  int idle_rounds = 0;
  bool quit_next = false;
  // Dispatching hands the waiting replies to their objects.
  bool dispatch_answers = false;
  // Messages already shown when the port was forgotten.
  const RecordingMessageSink* sink = nullptr;
  size_t shown_at_forget = 0;

  int SelectedComPort() override { return m_comport; }
  void SelectComPort(int port) override { m_comport = port; }
  void ForgetComPort() override {
    calls.push_back("ForgetComPort");
    if (sink) shown_at_forget = sink->shown.size();
    m_comport = -1;
  }
  bool IsReplyPending(char address) override { return pending.count(address) != 0; }
  void ServiceReplyTimeouts() override { calls.push_back("ServiceReplyTimeouts"); }
  void DispatchReceivedLines() override {
    calls.push_back("DispatchReceivedLines");
    if (dispatch_answers) pending.clear();
  }
  void HaltRunLoop() override { calls.push_back("HaltRunLoop"); }
  std::string ExpandLabelRefs(const std::string& text) override { return "<" + text + ">"; }
  void DeliverLabelValue(const std::string& label, const std::string& value) override {
    delivered.emplace_back(label, value);
  }
  void ShowPopupBox(const std::string& title, const std::string& text) override { popups.emplace_back(title, text); }
  void SetModifiedFlag() override { ++modified; }

  int SliderControlCount() override {
    ++mirror_reads;
    return static_cast<int>(sliders.size());
  }
  SliderMirror GetSliderControl(int index) override { return sliders[index]; }
  void SetSliderValueText(int index, const std::string& value) override { sliders[index].valuetext = value; }
  void InvalidateSliderControl(int index) override { invalidated_sliders.push_back(index); }
  int RockerSwitchCount() override { return static_cast<int>(rockers.size()); }
  RockerMirror GetRockerSwitch(int index) override { return rockers[index]; }
  void SetRockerStateText(int index, const std::string& value) override { rockers[index].statetext = value; }
  void InvalidateRockerSwitch(int index) override { invalidated_rockers.push_back(index); }

  QueuedMessage PeekQueuedMessage() override { return queue.empty() ? QueuedMessage::None : queue.front(); }
  bool PumpMessage() override {
    ++pumped;
    queue.pop_front();
    return !quit_next;
  }
  void PostQuitMessage() override { calls.push_back("PostQuitMessage"); }
  bool OnIdle(int count) override {
    idle_rounds = count + 1;
    return count < 2;
  }
};

}  // namespace korvix::testing
