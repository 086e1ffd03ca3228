// The Data Log View over a log of 100,000 records of 10 fields, on the
// offscreen platform: the time from the command to the table's first paint,
// and the longest stretch between two pumps while the records are read,
// which is how long the window could not react.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <QApplication>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "recording/log_table.h"
#include "ui/log_view_dlg.h"
#include "ui/main_frame.h"
#include "ui/view_subsystems.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kRecords = 100000;

std::string WriteLog() {
  const std::string path = (fs::temp_directory_path() / ("korvix_log_view_" + std::to_string(::getpid()))).string();
  std::ofstream file(path, std::ios::binary);
  file << "Date,Time,F1,F2,F3,F4,F5,F6,F7,F8\r\n";
  for (int r = 0; r < kRecords; ++r) file << "12/10/26,10:00:00," << r << ",1.5,2.25,3,4,5,6,7\r\n";
  return path;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

void LoadAndFirstPaint(benchmark::State& state) {
  const std::string path = WriteLog();
  MemoryProfile profile;
  CMainFrame frame(profile);
  CKorvixDoc doc;
  doc.m_datalogfile = path;
  RecordingMessageSink messages;
  auto* subsystems = new CViewSubsystems(frame, doc, profile, messages, {});
  frame.show();
  double painted = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* view = qobject_cast<CLogViewDlg*>(widget);
        if (!view || !view->isVisible()) continue;
        view->Table()->viewport()->repaint();
        painted = Ms(Clock::now() - start);
        view->m_open = 0;
        watch.stop();
      }
    });
    watch.start(0);
    frame.CommandAction(ID_VIEW_LOG_FILE)->trigger();
  }
  state.counters["first_paint_ms"] = painted;
  delete subsystems;
  fs::remove(path);
}

void LongestStretchBetweenPumps(benchmark::State& state) {
  const std::string path = WriteLog();
  RecordingMessageSink messages;
  MonotonicClock clock;
  TextMemFile memfile(messages, clock);
  double longest = 0;
  double services = 0;
  for (auto _ : state) {
    if (!memfile.LoadTextFile(path)) return state.SkipWithError("the log did not load");
    LogTable table;
    Clock::time_point last = Clock::now();
    ReadLogTable(memfile, clock, table, [&](std::size_t) {
      const Clock::time_point now = Clock::now();
      longest = std::max(longest, Ms(now - last));
      QCoreApplication::processEvents();
      last = Clock::now();
      ++services;
      return true;
    });
    longest = std::max(longest, Ms(Clock::now() - last));
    memfile.Empty();
  }
  state.counters["longest_ms"] = longest;
  state.counters["pumps"] = services;
  fs::remove(path);
}

BENCHMARK(LoadAndFirstPaint)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LongestStretchBetweenPumps)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvix
