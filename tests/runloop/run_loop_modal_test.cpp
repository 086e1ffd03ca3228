#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
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
    std::vector<std::string> fields;
    std::istringstream cells(line);
    std::string cell;
    while (std::getline(cells, cell, ',')) fields.push_back(cell);
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

// The operator reads a message box of his own for three seconds while the
// demo plant runs; the recording must not notice.
TEST(RunLoopModal, TheDemoGoesOnLoggingWhileAWindowOfTheUsersIsOpen) {
  daqsim::ConfigResult parsed = daqsim::ParseConfig(ReadFile(KORVIX_SAMPLES_DIR "/demo-modules.txt"));
  ASSERT_TRUE(parsed.config) << parsed.error;
  daqsim::Simulator simulator(*parsed.config);
  std::string error;
  ASSERT_TRUE(simulator.Open(error)) << error;
  std::thread wire([&] { simulator.Run(); });

  ScratchFolder folder;
  MemoryProfile profile;
  MapComPort(profile, 0, simulator.DevicePath());
  RecordingMessageSink sink;
  CMainFrame frame(profile);
  CKorvixDoc doc;
  ASSERT_TRUE(OpenProjectFile(KORVIX_SAMPLES_DIR "/Demo.kvx", doc).Ok());
  ASSERT_EQ(doc.m_autostartrunloop, 1);
  doc.m_loginterval = "0.1";
  doc.m_logintervalunit = 0;
  doc.m_datalogfile = folder / "DataLog.txt";
  auto* ui = new CRunLoopUi(frame, doc, profile, sink);
  int ended = 0;
  ui->Pump().SetEnder([&ended] { ++ended; });
  frame.show();
  frame.View()->OnInitialUpdate();

  uint64_t passesbefore = 0;
  uint64_t passesafter = 0;
  bool boxshown = false;
  QElapsedTimer limit;
  limit.start();
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (!ui->Runtime().IsRunning()) return;
    if (!boxshown && ui->Runtime().PassCount() > 10) {
      boxshown = true;
      QMessageBox box(QMessageBox::Information, "Reading", "The operator reads this.", QMessageBox::Ok, &frame);
      QTimer::singleShot(kBoxOpenMs, &box, [&box] { box.done(QMessageBox::Ok); });
      passesbefore = ui->Runtime().PassCount();
      box.exec();
      passesafter = ui->Runtime().PassCount();
      QTimer::singleShot(500, &frame, [&] { ui->OnRunLoopHalt(); });
    } else if (limit.elapsed() > kLimitMs) {
      ui->OnRunLoopHalt();
    }
  });
  check.start(20);
  QEventLoop waiting;
  QObject::connect(&check, &QTimer::timeout, &waiting, [&] {
    if ((boxshown && passesafter > 0 && !ui->Runtime().IsRunning()) || limit.elapsed() > kLimitMs + 5000)
      waiting.quit();
  });
  waiting.exec();
  check.stop();
  simulator.Stop();
  wire.join();

  ASSERT_TRUE(boxshown);
  EXPECT_GT(passesafter, passesbefore);
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(sink.shown.empty());

  const std::vector<std::vector<std::string>> records = ReadRecords(doc.m_datalogfile);
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
  // The box was up for 30 intervals; a pause would show as a gap there.
  ASSERT_GT(records.size(), 1u + kBoxOpenMs / 100);
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
}

}  // namespace
}  // namespace korvix::testing
