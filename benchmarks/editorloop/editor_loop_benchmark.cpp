// A modeless editor left open while the console polls the port, on the
// offscreen platform: the passes its loop makes and the CPU it uses with a
// quiet line and with a module sending a line every 5 ms, and how many of
// those lines it reads.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "comms/port_map.h"
#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "pty_pair.h"
#include "ui/main_frame.h"
#include "ui/modeless_editor_dialog.h"
#include "ui/view_subsystems.h"

namespace korvix {
namespace {

constexpr std::chrono::milliseconds kOpenTime{3000};
constexpr std::chrono::milliseconds kLineEvery{5};

double ThreadCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class BareEditor final : public ModelessEditorDialog {
public:
  using ModelessEditorDialog::ModelessEditorDialog;
};

void EditorOpenWhileTheConsolePolls(benchmark::State& state) {
  const bool talking = state.range(0) != 0;
  MemoryProfile profile;
  CMainFrame frame(profile);
  CKorvixDoc doc;
  RecordingMessageSink messages;
  auto* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  frame.show();
  testing::PtyPair pty;
  MapComPort(profile, 0, pty.SlavePath());
  subsystems->RunLoop().Runtime().SelectComPort(0);
  ComLink& link = subsystems->RunLoop().Runtime().Link();
  if (link.OpenComPort(0) != 1) return state.SkipWithError("the port did not open");
  link.m_pollport = 1;

  double passes = 0, sent = 0, read = 0, seconds = 0, cpu = 0;
  for (auto _ : state) {
    BareEditor editor(&frame);
    link.m_rxbuffer.clear();
    std::atomic<bool> stop{false};
    std::atomic<int> lines{0};
    std::thread far([&] {
      while (!stop) {
        if (talking) {
          pty.Send("A1\r");
          ++lines;
        }
        std::this_thread::sleep_for(kLineEvery);
      }
    });
    QTimer::singleShot(kOpenTime, &editor, [&editor] { editor.m_open = 0; });
    int pass = 0;
    const EditorPass counted{.enables = [&pass] { ++pass; }};
    const auto start = std::chrono::steady_clock::now();
    const double cpustart = ThreadCpuSeconds();
    editor.ShowEditor();
    subsystems->Editors().Run(editor, counted);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cpu += ThreadCpuSeconds() - cpustart;
    stop = true;
    far.join();
    passes += pass;
    sent += lines;
    read += static_cast<double>(std::count(link.m_rxbuffer.begin(), link.m_rxbuffer.end(), '\r'));
  }
  state.counters["passes_per_s"] = passes / seconds;
  state.counters["sent_per_s"] = sent / seconds;
  state.counters["read_per_s"] = read / seconds;
  state.counters["cpu_pct"] = 100.0 * cpu / seconds;
  link.CloseComPort();
}

BENCHMARK(EditorOpenWhileTheConsolePolls)
    ->ArgName("talking")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvix
