// The Run-Loop polling 16 simulated modules at 9600-baud pace: polls per
// second beside the bound the protocol sets, and the CPU the loop's thread
// uses, with and without the reduced-CPU setting. Then a bank where one
// module talks over the others: polls per second and the longest time the
// event loop waited for its turn. Last a module that streams without end:
// the longest wait of the event loop until the stream ends the run.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "comms/port_map.h"
#include "daqsim/simulator.h"
#include "document/korvix_doc.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "platform/wall_clock.h"
#include "runloop/view_runtime.h"

namespace korvix {
namespace {

constexpr int kModules = 16;
constexpr double kAnswerDelayMs = 2;
const char kBank[] = "module A-P delay 2\n  RD constant 1234\n";
const char kCommandBody[] = "RD";
constexpr size_t kReplyBytes = 6;  // letter, "1234", CR
// After a received line the next command may start this soon.
constexpr double kGapAfterLineMs = 2;
constexpr std::chrono::seconds kRunTime{5};
constexpr double kStallMs = 50;

double ThreadCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Nothing queued. It measures from the first pump, after the start has
// waited for its second edge, and ends the run when its time is up.
class TimedPump final : public MessagePump {
public:
  ViewRuntime* runtime = nullptr;
  std::chrono::steady_clock::time_point first{};
  double cpufirst = 0;
  uint64_t pollsfirst = 0;
  std::chrono::steady_clock::time_point last{};
  double longestgapms = 0;
  // Waits over what a user notices as a stall; on a loaded machine the
  // longest one alone may be the scheduler's.
  int longgaps = 0;

  QueuedMessage PeekQueuedMessage() override { return m_turn ? QueuedMessage::Other : QueuedMessage::None; }
  bool PumpMessage() override {
    m_turn = false;
    const auto now = std::chrono::steady_clock::now();
    if (first != std::chrono::steady_clock::time_point{}) {
      const double gapms = std::chrono::duration<double, std::milli>(now - last).count();
      longestgapms = std::max(longestgapms, gapms);
      if (gapms > kStallMs) ++longgaps;
    }
    last = now;
    if (first == std::chrono::steady_clock::time_point{}) {
      first = now;
      longestgapms = 0;
      longgaps = 0;
      cpufirst = ThreadCpuSeconds();
      pollsfirst = runtime->PollCount();
    } else if (now - first >= kRunTime) {
      runtime->HaltRunLoop();
    }
    return true;
  }
  void PostQuitMessage() override {}
  bool OnIdle(int) override {
    m_turn = true;
    return false;
  }
  void WaitMessage(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  void PostRunLoopMessage(RunLoopMessage) override {}
  void EndProcess() override {}

private:
  bool m_turn = true;
};

class NoWindow final : public RuntimeWindow {
public:
  void InvalidateObject(ScreenObjectKind, int) override {}
  void InvalidateRect(const Rect&) override {}
  void UpdateWindow() override {}
  void DeselectAll() override {}
};

class NoPopup final : public PopupWindow {
public:
  void Create(const std::string&, const std::string&, const std::string&) override {}
  void Destroy() override {}
};

// Data Windows that poll modules A, B, ... through the simulator's port, and
// a run-time with no window and no outside services that polls them.
struct PolledBank {
  PolledBank(const daqsim::Simulator& simulator, int modules, bool reducedcpu) {
    for (int i = 0; i < modules; ++i) {
      DataWindowRecord& record = doc.m_datawindows[doc.m_datawindows.Add()];
      record.idlabel = "Module" + std::string(1, static_cast<char>('A' + i));
      record.pollcommand = std::string(1, static_cast<char>('A' + i)) + kCommandBody;
    }
    doc.m_polldelay = 0;
    doc.m_reducedcpu = reducedcpu ? 1 : 0;
    MapComPort(profile, 0, simulator.DevicePath());
    runtime.emplace(
        doc, RuntimeServices{profile, sink, clock, wall, pump, window, popup, ExistingScripts(scripts), weblog, dde});
    pump.runtime = &*runtime;
    runtime->OnInitialUpdate();
  }

  CKorvixDoc doc;
  MemoryProfile profile;
  RecordingMessageSink sink;
  MonotonicClock clock;
  SystemWallClock wall;
  TimedPump pump;
  NoWindow window;
  NoPopup popup;
  NoScriptServices scripts;
  NoWebLogThread weblog;
  NoDdeAdvisor dde;
  std::optional<ViewRuntime> runtime;
};

void RunLoopPolling(benchmark::State& state) {
  const bool reducedcpu = state.range(0) != 0;
  daqsim::Simulator simulator(*daqsim::ParseConfig(kBank).config);
  std::string error;
  if (!simulator.Open(error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::thread wire([&simulator] { simulator.Run(); });

  PolledBank bank(simulator, kModules, reducedcpu);
  ViewRuntime& runtime = *bank.runtime;
  TimedPump& pump = bank.pump;

  double polls = 0;
  double seconds = 0;
  double cpu = 0;
  for (auto _ : state) {
    pump.first = {};
    runtime.StartRunLoop();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - pump.first).count();
    cpu += ThreadCpuSeconds() - pump.cpufirst;
    polls += static_cast<double>(runtime.PollCount() - pump.pollsfirst);
  }

  const double byte_ms = std::chrono::duration<double, std::milli>(daqsim::Simulator::kByteTime).count();
  const auto command_bytes = static_cast<double>(std::string(kCommandBody).size() + 2);
  const double bound_ms = kGapAfterLineMs + command_bytes * byte_ms + kAnswerDelayMs + kReplyBytes * byte_ms;
  const double polls_per_s = polls / seconds;
  state.counters["polls_per_s"] = polls_per_s;
  state.counters["bound_per_s"] = 1000.0 / bound_ms;
  state.counters["ratio"] = polls_per_s * bound_ms / 1000.0;
  state.counters["cpu_pct"] = 100.0 * cpu / seconds;
  state.counters["errors"] = static_cast<double>(bank.sink.shown.size());
  simulator.Stop();
  wire.join();
}

BENCHMARK(RunLoopPolling)
    ->ArgName("reducedcpu")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Eight counting modules and one that talks whenever a command for another
// starts, all polled with no delay between polls.
const char kTalkerBank[] =
    "module A-H delay 2\n  RD counter 0 99999\nmodule P delay 2\n  RD constant 1\n  fault talk\n";
constexpr int kCountingModules = 8;

void RunLoopWithATalker(benchmark::State& state) {
  daqsim::Simulator simulator(*daqsim::ParseConfig(kTalkerBank).config);
  std::string error;
  if (!simulator.Open(error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::thread wire([&simulator] { simulator.Run(); });

  PolledBank bank(simulator, kCountingModules, false);
  ViewRuntime& runtime = *bank.runtime;
  TimedPump& pump = bank.pump;

  double polls = 0;
  double seconds = 0;
  double longest = 0;
  double stalls = 0;
  for (auto _ : state) {
    pump.first = {};
    runtime.StartRunLoop();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - pump.first).count();
    polls += static_cast<double>(runtime.PollCount() - pump.pollsfirst);
    longest = std::max(longest, pump.longestgapms);
    stalls += pump.longgaps;
  }
  state.counters["polls_per_s"] = polls / seconds;
  state.counters["longest_event_wait_ms"] = longest;
  state.counters["event_waits_over_50ms"] = stalls;
  state.counters["errors"] = static_cast<double>(bank.sink.shown.size());
  simulator.Stop();
  wire.join();
}

BENCHMARK(RunLoopWithATalker)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// After its first command the module sends without a line end for ever; the
// run goes on until the saturation error halts it.
const char kStreamerBank[] = "module A delay 2\n  RD constant 1\n  fault stream\n";

void RunLoopWithAStreamer(benchmark::State& state) {
  daqsim::Simulator simulator(*daqsim::ParseConfig(kStreamerBank).config);
  std::string error;
  if (!simulator.Open(error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::thread wire([&simulator] { simulator.Run(); });

  PolledBank bank(simulator, 1, false);
  ViewRuntime& runtime = *bank.runtime;
  TimedPump& pump = bank.pump;

  double seconds = 0;
  double longest = 0;
  double stalls = 0;
  for (auto _ : state) {
    pump.first = {};
    runtime.StartRunLoop();
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - pump.first).count();
    longest = std::max(longest, pump.longestgapms);
    stalls += pump.longgaps;
  }
  state.counters["run_until_error_s"] = seconds;
  state.counters["longest_event_wait_ms"] = longest;
  state.counters["event_waits_over_50ms"] = stalls;
  state.counters["errors"] = static_cast<double>(bank.sink.shown.size());
  simulator.Stop();
  wire.join();
}

BENCHMARK(RunLoopWithAStreamer)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvix

BENCHMARK_MAIN();
