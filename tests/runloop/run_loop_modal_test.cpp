#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "comms/port_map.h"
#include "daqsim/simulator.h"
#include "document/korvix_doc.h"
#include "document/project_file.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "scratch_folder.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/run_loop_ui.h"

namespace korvix::testing {
namespace {

constexpr int kBoxOpenMs = 3000;
constexpr int kLimitMs = 30000;

std::vector<std::vector<std::string>> ReadRecords(const std::string& path) {
  std::istringstream lines(ReadFile(path));
  std::vector<std::vector<std::string>> records;
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // A value not read yet leaves its field empty, the last one too.
    std::vector<std::string> fields(1);
    for (const char c : line) {
      if (c == ',')
        fields.emplace_back();
      else
        fields.back() += c;
    }
    records.push_back(fields);
  }
  return records;
}

// "hh:mm:ss.t" in tenths of a second.
int TenthsOf(const std::string& time) {
  int h = 0, m = 0, s = 0, t = 0;
  std::sscanf(time.c_str(), "%d:%d:%d.%d", &h, &m, &s, &t);
  return ((h * 60 + m) * 60 + s) * 10 + t;
}

struct BoxRun {
  bool boxshown = false;
  uint64_t passesbefore = 0;
  uint64_t passesafter = 0;
  int ended = 0;
  size_t messages = 0;
  std::vector<std::vector<std::string>> records;
};

// The demo project against its simulated modules, logging every 100 ms; a
// message box of the test's own is opened from the Run-Loop's dispatch and
// closed three seconds later, half a second before the halt.
BoxRun RunDemoWithABoxOpen(bool reducedcpu) {
  BoxRun run;
  daqsim::ConfigResult parsed = daqsim::ParseConfig(ReadFile(KORVIX_SAMPLES_DIR "/demo-modules.txt"));
  EXPECT_TRUE(parsed.config) << parsed.error;
  if (!parsed.config) return run;
  daqsim::Simulator simulator(*parsed.config);
  std::string error;
  EXPECT_TRUE(simulator.Open(error)) << error;
  std::thread wire([&] { simulator.Run(); });

  ScratchFolder folder;
  MemoryProfile profile;
  MapComPort(profile, 0, simulator.DevicePath());
  RecordingMessageSink sink;
  CKorvixDoc doc;
  CMainFrame frame(profile);
  EXPECT_TRUE(OpenProjectFile(KORVIX_SAMPLES_DIR "/Demo.kvx", doc).Ok());
  EXPECT_EQ(doc.m_autostartrunloop, 1);
  doc.m_loginterval = "0.1";
  doc.m_logintervalunit = 0;
  doc.m_datalogfile = folder / "DataLog.txt";
  doc.m_reducedcpu = reducedcpu ? 1 : 0;
  auto ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
  ui->Pump().SetEnder([&run] { ++run.ended; });
  frame.show();
  frame.View()->OnInitialUpdate();

  QElapsedTimer limit;
  limit.start();
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (!ui->Runtime().IsRunning()) return;
    if (!run.boxshown && ui->Runtime().PassCount() > 10) {
      run.boxshown = true;
      QMessageBox box(QMessageBox::Information, "Reading", "The operator reads this.", QMessageBox::Ok, &frame);
      QTimer::singleShot(kBoxOpenMs, &box, [&box] { box.done(QMessageBox::Ok); });
      run.passesbefore = ui->Runtime().PassCount();
      box.exec();
      run.passesafter = ui->Runtime().PassCount();
      QTimer::singleShot(500, &frame, [&] { ui->OnRunLoopHalt(); });
    } else if (limit.elapsed() > kLimitMs) {
      ui->OnRunLoopHalt();
    }
  });
  check.start(20);
  QEventLoop waiting;
  QObject::connect(&check, &QTimer::timeout, &waiting, [&] {
    if ((run.boxshown && run.passesafter > 0 && !ui->Runtime().IsRunning()) || limit.elapsed() > kLimitMs + 5000)
      waiting.quit();
  });
  waiting.exec();
  check.stop();
  simulator.Stop();
  wire.join();
  run.messages = sink.shown.size();
  run.records = ReadRecords(doc.m_datalogfile);
  return run;
}

// The operator reads a message box of his own for three seconds while the
// demo plant runs; the recording must not notice, with or without the
// reduced-CPU wait in each pass.
TEST(RunLoopModal, TheDemoGoesOnLoggingWhileAWindowOfTheUsersIsOpen) {
  for (const bool reducedcpu : {false, true}) {
    SCOPED_TRACE(reducedcpu ? "reduced CPU" : "full speed");
    const BoxRun run = RunDemoWithABoxOpen(reducedcpu);

    ASSERT_TRUE(run.boxshown);
    EXPECT_GT(run.passesafter, run.passesbefore);
    EXPECT_EQ(run.ended, 0);
    EXPECT_EQ(run.messages, 0u);

    const std::vector<std::vector<std::string>>& records = run.records;
    ASSERT_GT(records.size(), 2u);
    const std::vector<std::string>& header = records[0];
    const auto column = [&header](const std::string& name) {
      for (size_t c = 0; c < header.size(); ++c)
        if (header[c] == name) return c;
      ADD_FAILURE() << "no column " << name;
      return size_t{0};
    };
    const size_t time = column("Time");
    const size_t count = column("Count");
    // Times are cut to tenths, so a record one interval late beside one on
    // time shows as three tenths apart.
    constexpr int kMostTenthsApart = 3;
    // The counter module counts every poll; one round of the demo's polled
    // objects takes under half a second, so values older than a second are
    // stale.
    constexpr size_t kMostRecordsUnchanged = 10;
    size_t unchanged = 0;
    for (size_t r = 2; r < records.size(); ++r) {
      ASSERT_GT(records[r].size(), std::max(time, count)) << "record " << r;
      EXPECT_LE(TenthsOf(records[r][time]) - TenthsOf(records[r - 1][time]), kMostTenthsApart)
          << records[r - 1][time] << " then " << records[r][time];
      unchanged = records[r][count] == records[r - 1][count] ? unchanged + 1 : 0;
      EXPECT_LT(unchanged, kMostRecordsUnchanged) << "count " << records[r][count] << " at " << records[r][time];
    }
    // The records span the 30 intervals the box was up, and a pause would
    // show as a gap there. A loaded machine runs fewer passes, each writing
    // at most one record, so the span is what is checked and not the count.
    EXPECT_GE(TenthsOf(records.back()[time]) - TenthsOf(records[1][time]), kBoxOpenMs / 100);
  }
}

}  // namespace
}  // namespace korvix::testing
