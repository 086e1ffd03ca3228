// Polls per second through TransmitCommand and WaitForReply against the
// simulator at 9600-baud pace, beside the bound the protocol itself sets,
// and the CPU the polling thread uses meanwhile.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "comms/com_link.h"
#include "comms/port_map.h"
#include "comms/run_loop_state.h"
#include "comms/testing/idle_com_link_host.h"
#include "daqsim/simulator.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

constexpr double kAnswerDelayMs = 2;
const char kBank[] = "module A-P delay 2\n  RD constant 1234\n";
const char kCommandBody[] = "RD";
constexpr size_t kReplyBytes = 6;  // letter, "1234", CR
// After a received line the next command may start this soon.
constexpr double kGapAfterLineMs = 2;

// A view with nothing to do: no objects, no Run-Loop.
class IdleHost final : public testing::IdleComLinkHost {
public:
  void ServiceReplyTimeouts() override { ++timeouts; }

  int timeouts = 0;
};

double ThreadCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void PollModules(benchmark::State& state) {
  const int modules = static_cast<int>(state.range(0));
  daqsim::Simulator simulator(*daqsim::ParseConfig(kBank).config);
  std::string error;
  if (!simulator.Open(error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::thread wire([&simulator] { simulator.Run(); });

  IdleHost host;
  RecordingMessageSink sink;
  MemoryProfile profile;
  MonotonicClock clock;
  NumberTexts numbers;
  MapComPort(profile, 0, simulator.DevicePath());
  ComLink link(PeersOf(host), host.run, sink, clock, profile, numbers);
  if (link.OpenComPort(0) != 1) {
    state.SkipWithError("cannot open the simulator's line");
  } else {
    int next = 0;
    int64_t answered = 0;
    const double cpu_start = ThreadCpuSeconds();
    const auto wall_start = std::chrono::steady_clock::now();
    for (auto _ : state) {
      const std::string command = std::string(1, static_cast<char>('A' + next)) + kCommandBody;
      next = (next + 1) % modules;
      if (link.TransmitCommand(command) == 1) {
        link.WaitForReply(100, command);
        answered += link.m_rxbuffer.size() == kReplyBytes ? 1 : 0;
        link.m_rxbuffer.clear();
      }
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_start).count();
    const double cpu = ThreadCpuSeconds() - cpu_start;

    const double byte_ms = std::chrono::duration<double, std::milli>(daqsim::Simulator::kByteTime).count();
    const auto command_bytes = static_cast<double>(std::string(kCommandBody).size() + 2);
    const double bound_ms = kGapAfterLineMs + command_bytes * byte_ms + kAnswerDelayMs + kReplyBytes * byte_ms;
    const double polls_per_s = static_cast<double>(answered) / wall;
    state.counters["polls_per_s"] = polls_per_s;
    state.counters["bound_per_s"] = 1000.0 / bound_ms;
    state.counters["ratio"] = polls_per_s * bound_ms / 1000.0;
    state.counters["cpu_pct"] = 100.0 * cpu / wall;
    state.counters["unanswered"] = static_cast<double>(state.iterations() - answered);
    state.counters["errors"] = static_cast<double>(sink.shown.size());
  }
  link.CloseComPort();
  simulator.Stop();
  wire.join();
}

BENCHMARK(PollModules)->Arg(1)->Arg(16)->Iterations(400)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvix

BENCHMARK_MAIN();
