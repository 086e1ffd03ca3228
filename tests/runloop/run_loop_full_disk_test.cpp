#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "comms/port_map.h"
#include "daqsim/simulator.h"
#include "document/korvix_doc.h"
#include "document/project_file.h"
#include "operator_sink.h"
#include "platform/profile.h"
#include "scratch_folder.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/run_loop_ui.h"

namespace korvix::testing {
namespace {

constexpr int kBoxOpenMs = 2000;
constexpr int kLimitMs = 30000;

// A small RAM disk, filled up; removed with the test.
class FullDisk {
public:
  explicit FullDisk(const std::string& path) : m_path(path) {
    std::filesystem::create_directories(path);
    m_mounted = ::mount("tmpfs", path.c_str(), "tmpfs", 0, "size=64k") == 0;
    if (!m_mounted) return;
    const int fd = ::open((path + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string block(4096, 'x');
    while (fd >= 0 && ::write(fd, block.data(), block.size()) > 0) {
    }
    if (fd >= 0) ::close(fd);
  }
  ~FullDisk() {
    if (m_mounted) ::umount2(m_path.c_str(), MNT_DETACH);
  }
  bool Mounted() const { return m_mounted; }
  void FreeSpace() { ::unlink((m_path + "/filler").c_str()); }

private:
  std::string m_path;
  bool m_mounted = false;
};

// The demo logs every 100 ms onto a full disk whose overflow file is full
// too: one box, which does not stop the polling, and once space returns
// the log goes on and the records of the full time are in the overflow file.
TEST(RunLoopFullDisk, TheDemoKeepsPollingUnderOneBoxAndCatchesUpWhenSpaceReturns) {
  ScratchFolder folder;
  FullDisk disk(folder / "disk");
  if (!disk.Mounted()) GTEST_SKIP() << "mounting a small RAM disk needs root";

  daqsim::ConfigResult parsed = daqsim::ParseConfig(ReadFile(KORVIX_SAMPLES_DIR "/demo-modules.txt"));
  ASSERT_TRUE(parsed.config) << parsed.error;
  daqsim::Simulator simulator(*parsed.config);
  std::string error;
  ASSERT_TRUE(simulator.Open(error)) << error;
  std::thread wire([&] { simulator.Run(); });

  MemoryProfile profile;
  MapComPort(profile, 0, simulator.DevicePath());
  OperatorSink sink(kBoxOpenMs);
  CKorvixDoc doc;
  CMainFrame frame(profile);
  ASSERT_TRUE(OpenProjectFile(KORVIX_SAMPLES_DIR "/Demo.kvx", doc).Ok());
  doc.m_loginterval = "0.1";
  doc.m_logintervalunit = 0;
  doc.m_datalogfile = folder / "disk/DataLog.txt";
  doc.m_overflowfile = folder / "disk/Overflow.txt";
  auto ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
  sink.runtime = &ui->Runtime();
  int ended = 0;
  ui->Pump().SetEnder([&ended] { ++ended; });
  frame.show();
  frame.View()->OnInitialUpdate();

  QElapsedTimer limit;
  limit.start();
  bool freed = false;
  QTimer check;
  QEventLoop waiting;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (!freed && sink.passesafter > 0) {
      freed = true;
      disk.FreeSpace();
      QTimer::singleShot(1000, &frame, [&] { ui->OnRunLoopHalt(); });
    }
    if ((freed && !ui->Runtime().IsRunning()) || limit.elapsed() > kLimitMs) waiting.quit();
  });
  check.start(20);
  waiting.exec();
  check.stop();
  if (ui->Runtime().IsRunning()) ui->OnRunLoopHalt();
  simulator.Stop();
  wire.join();

  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_NE(sink.texts[0].find("Overflow.txt: No space left on device"), std::string::npos) << sink.texts[0];
  // Two seconds of the box at a record each 100 ms.
  EXPECT_GT(sink.passesafter, sink.passesbefore + 10);
  EXPECT_EQ(ended, 0);
  const std::string log = ReadFile(doc.m_datalogfile);
  const std::string overflow = ReadFile(doc.m_overflowfile);
  EXPECT_NE(log.find("\r\n"), std::string::npos);
  // The records of the full time: the overflow file takes them all.
  EXPECT_GT(std::count(overflow.begin(), overflow.end(), '\n'), 5) << overflow;
}

}  // namespace
}  // namespace korvix::testing
