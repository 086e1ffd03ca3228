// Start-up to a shown main window, with an empty project and with one that
// holds 2000 screen objects, on the offscreen platform.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "../../tests/ui/fake_shell_dialogs.h"
#include "document/project_file.h"
#include "platform/profile.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/korvix_app.h"
#include "ui/main_frame.h"

namespace {

std::string ScratchFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvix-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return folder;
}

// 100 objects of each of the 20 kinds that have a limit of 2000.
std::string LargeProject() {
  korvix::CKorvixDoc doc;
  auto fill = [](auto&... lists) {
    (
        (void)[&] {
          for (int i = 0; i < 100; ++i) lists.Add();
        }(),
        ...);
  };
  fill(doc.m_textboxes, doc.m_imageboxes, doc.m_datawindows, doc.m_textwindows, doc.m_inputwindows, doc.m_levelgauges,
       doc.m_dialgauges, doc.m_metergauges, doc.m_vertgauges, doc.m_horzgauges, doc.m_dualhandgauges, doc.m_windvanes,
       doc.m_pivottrackers, doc.m_signallamps, doc.m_eventcounters, doc.m_eventtimers, doc.m_pushbuttons,
       doc.m_buttonarrays, doc.m_rockerswitches, doc.m_slidercontrols);
  const std::string path = ScratchFolder() + "/large.kvx";
  if (!korvix::SaveProjectFile(doc, path).ok) std::abort();
  return path;
}

void StartToShownWindow(benchmark::State& state, bool large) {
  const std::string project = large ? LargeProject() : std::string();
  korvix::ShellEnvironment env;
  env.currentdir = ScratchFolder();
  env.homedir = ScratchFolder();
  env.datahome = ScratchFolder() + "/data";
  env.executable = "/usr/bin/korvix";
  env.refreshdesktopcaches = false;
  for (auto _ : state) {
    korvix::MemoryProfile profile;
    profile.WriteProfileString("Configuration", "UpdateAvailable", "NEVER");
    profile.WriteProfileString("Configuration", "InfoVersion", "15.3");
    profile.WriteProfileString("Configuration", "DemoVersion", "8.1");
    korvix::RecordingMessageSink messages;
    korvix::FakeWallClock clock;
    korvix::FakeShellDialogs dialogs;
    korvix::CKorvixApp app(profile, messages, clock, dialogs, env);
    app.InitApplication();
    const bool shown = app.InitInstance(large ? std::vector<std::string>{project} : std::vector<std::string>{});
    QCoreApplication::processEvents();
    if (!shown || !app.MainFrame()->isVisible() || !messages.shown.empty()) state.SkipWithError("no window");
    if (large && app.Document().m_textboxes.Count() != 100) state.SkipWithError("project not loaded");
  }
}

void BM_StartEmpty(benchmark::State& state) { StartToShownWindow(state, false); }
void BM_StartWith2000Objects(benchmark::State& state) { StartToShownWindow(state, true); }

BENCHMARK(BM_StartEmpty)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartWith2000Objects)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(ScratchFolder());
  return 0;
}
