// Delivery of one value to a label that 50 objects share, in a project of
// 2000 objects and 200 Conditionals, and one dispatch of a 16-line buffer.

#include <benchmark/benchmark.h>

#include <string>

#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"

namespace {

using namespace korvix;

// The Run-Loop, view, executor and link, doing nothing.
class QuietHooks final : public RunLoopControl, public ObjectActions, public ScriptStarter, public LinkServices {
public:
  std::string rxbuffer;
  int scripts = 0;

  bool IsRunning() override { return true; }
  void RequestHalt() override {}
  void SendInitCommands() override {}
  bool WebLogBusy() override { return false; }
  void InvalidateObject(ScreenObjectKind, int) override {}
  ControlTriggers& Triggers() override { return m_triggers; }
  void SetButtonArrayAction(const std::string&, const std::string&) override {}
  void ShowTransmitTimeout(const std::string&) override {}
  void RunScriptByName(const std::string&) override { ++scripts; }
  void TakeScriptReply(int, const std::string&) override {}
  std::string& ReceiveBuffer() override { return rxbuffer; }
  int TransmitCommand(std::string) override { return 1; }
  void WaitForReply(uint32_t, const std::string&) override {}
  void FlushComInput() override { rxbuffer.clear(); }

private:
  NoControlTriggers m_triggers;
};

constexpr const char* kShared = "Shared";

// 2000 objects over the kinds a screen holds most: 50 of them (Data
// Windows, gauges and Variables) share one label; 200 Conditionals, five
// of which watch it, each with its action Script.
struct Project {
  Project() {
    int shared = 0;
    const auto label = [&](const char* prefix, int i) {
      return shared++ % 40 == 0 && shared <= 40 * 50 ? std::string(kShared) : prefix + std::to_string(i + 1);
    };
    for (int i = 0; i < 800; ++i) {
      DataWindowRecord& window = doc.m_datawindows[doc.m_datawindows.Add()];
      window.idlabel = label("DataWindow", i);
      window.pollcommand = std::string(1, static_cast<char>('A' + i % 16)) + "RD" + std::to_string(i);
      window.multiplier = "0.5";
      window.offset = "1.0";
    }
    for (int i = 0; i < 300; ++i) doc.m_levelgauges[doc.m_levelgauges.Add()].idlabel = label("Level", i);
    for (int i = 0; i < 300; ++i) doc.m_dialgauges[doc.m_dialgauges.Add()].idlabel = label("Dial", i);
    for (int i = 0; i < 200; ++i) doc.m_textwindows[doc.m_textwindows.Add()].idlabel = label("TextWindow", i);
    for (int i = 0; i < 200; ++i) doc.m_eventcounters[doc.m_eventcounters.Add()].idlabel = label("Counter", i);
    for (int i = 0; i < 200; ++i) doc.m_variables[doc.m_variables.Add()].idlabel = label("Variable", i);
    for (int i = 0; i < 200; ++i) {
      ConditionalRecord& conditional = doc.m_conditionals[doc.m_conditionals.Add()];
      conditional.idlabel = "Conditional" + std::to_string(i + 1);
      conditional.armed = 1;
      conditional.expression =
          i % 40 == 0 ? "{Shared} > 50 AND {Level7} < 20" : "{DataWindow" + std::to_string(i + 2) + "} >= 1000";
      doc.m_scripts[doc.m_scripts.Add()].idlabel = conditional.idlabel + kActionScriptMarker;
    }
    for (auto& record : doc.m_datawindows) sharedcount += record.idlabel == kShared;
    for (auto& record : doc.m_levelgauges) sharedcount += record.idlabel == kShared;
    for (auto& record : doc.m_dialgauges) sharedcount += record.idlabel == kShared;
    for (auto& record : doc.m_textwindows) sharedcount += record.idlabel == kShared;
    for (auto& record : doc.m_eventcounters) sharedcount += record.idlabel == kShared;
    for (auto& record : doc.m_variables) sharedcount += record.idlabel == kShared;
  }

  CKorvixDoc doc;
  RecordingMessageSink sink;
  QuietHooks hooks;
  FakeMillisecondClock clock;
  RunValues run{doc, sink, hooks, hooks, hooks, hooks, clock};
  int sharedcount = 0;
};

void BM_DeliverToSharedLabel(benchmark::State& state) {
  Project project;
  int n = 0;
  for (auto _ : state) {
    project.run.DeliverLabelValue(kShared, n++ % 2 ? "A123.4" : "A12.5");
  }
  state.counters["sharing"] = project.sharedcount;
  state.counters["objects"] = 2000;
}
BENCHMARK(BM_DeliverToSharedLabel)->Unit(benchmark::kMicrosecond);

void BM_DispatchSixteenLines(benchmark::State& state) {
  Project project;
  std::string lines;
  for (int m = 0; m < 16; ++m) lines += std::string(1, static_cast<char>('A' + m)) + "21." + std::to_string(m) + "\r";
  for (auto _ : state) {
    for (int m = 0; m < 16; ++m) project.run.State().Polled(ScreenObjectKind::DataWindow, 100 + m).awaiting = 1;
    project.hooks.rxbuffer = lines;
    project.run.DispatchReceivedLines();
  }
  int delivered = 0;
  for (int m = 0; m < 16; ++m) delivered += !project.doc.m_datawindows[100 + m].valuetext.empty();
  state.counters["lines"] = 16;
  state.counters["delivered"] = delivered;
}
BENCHMARK(BM_DispatchSixteenLines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
