#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <deque>
#include <memory>
#include <string>
#include <thread>

#include "comms/com_link.h"
#include "comms/port_map.h"
#include "fake_com_link_host.h"
#include "link_fixture.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "texts/number_texts.h"

namespace korvix::testing {
namespace {

// A line whose writes and reads fail where the test says.
struct Script {
  int failing_write = -1;        // 0-based count of the write that fails
  std::deque<SerialRead> reads;  // what reads give before the line goes quiet
  std::string read_bytes;        // the bytes of the reads that give one
  std::vector<std::string> written;
  int openerror = 0;  // errno of a refused open; 0: opens
};

class ScriptedPort final : public SerialPort {
public:
  explicit ScriptedPort(Script& script) : m_script(script) {}
  bool Open(const std::string&) override {
    errno = m_script.openerror;
    return m_open = m_script.openerror == 0;
  }
  bool IsOpen() const override { return m_open; }
  SerialRead ReadByte(uint8_t& byte) override {
    if (m_script.reads.empty()) return SerialRead::Nothing;
    const SerialRead read = m_script.reads.front();
    m_script.reads.pop_front();
    if (read == SerialRead::Byte) {
      byte = static_cast<uint8_t>(m_script.read_bytes.front());
      m_script.read_bytes.erase(0, 1);
    }
    return read;
  }
  bool Write(const std::string& bytes) override {
    if (static_cast<int>(m_script.written.size()) == m_script.failing_write) return false;
    m_script.written.push_back(bytes);
    return true;
  }
  bool WaitReadable(std::chrono::microseconds timeout) override {
    std::this_thread::sleep_for(std::min(timeout, std::chrono::microseconds(1000)));
    return false;
  }
  void Purge() override {}
  void Close() override { m_open = false; }

private:
  Script& m_script;
  bool m_open = false;
};

struct FailureCase {
  const char* name;
  int failing_write;
  std::deque<SerialRead> reads;
  std::string read_bytes;
  const char* caption;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.caption; }

class LinkFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(LinkFailures, ShowTheMessageThenCloseForgetAndHalt) {
  const FailureCase& c = GetParam();
  Script script;
  script.failing_write = c.failing_write;
  script.reads = c.reads;
  script.read_bytes = c.read_bytes;
  FakeComLinkHost host;
  RecordingMessageSink sink;
  host.sink = &sink;
  host.m_comport = 2;
  MemoryProfile profile;
  MonotonicClock clock;
  NumberTexts numbers;
  ComLink link(PeersOf(host), host.run, sink, clock, profile, numbers,
               [&script] { return std::make_unique<ScriptedPort>(script); });
  ASSERT_EQ(link.OpenComPort(2), 1);
  host.run.SetRunning(true);

  EXPECT_EQ(link.TransmitCommand("A1"), 0);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, c.caption);
  EXPECT_EQ(sink.shown[0].text, "COM3 could not be accessed or is not responding.");
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(host.shown_at_forget, 1u);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(host.m_comport, -1);
  const std::vector<std::string> tail(host.calls.end() - 2, host.calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"ForgetComPort", "HaltRunLoop"}));

  // Forgotten: the next transmit is refused without touching the line.
  sink.shown.clear();
  EXPECT_EQ(link.TransmitCommand("A1"), 0);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "COM port has not been selected.");
}

using R = SerialRead;
INSTANTIATE_TEST_SUITE_P(
    Where, LinkFailures,
    ::testing::Values(FailureCase{"CommandWrite", 0, {}, "", "Communications Error 101"},
                      // Clear-line poll, then the read-back.
                      FailureCase{"ReadBack", -1, {R::Nothing, R::Failed}, "", "Communications Error 102"},
                      FailureCase{"CrWrite", 1, {}, "", "Communications Error 103"},
                      // The read-back finds a talker, and the "*" cannot go out.
                      FailureCase{"StarWrite", 1, {R::Nothing, R::Byte}, "B", "Communications Error 104"},
                      // A line begun while clearing the line breaks off.
                      FailureCase{"LineRead", -1, {R::Byte, R::Byte, R::Failed}, "B1", "Communications Error 202"},
                      FailureCase{"PollRead", -1, {R::Failed}, "", "Communications Error 301"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(LinkReplug, StartingAgainReopensThePortThatAnErrorForgot) {
  struct ReplugCase {
    const char* name;
    bool failedbefore;
    int openerror;
    int reopened;
    const char* says;  // what a transmit then shows, if anything
  };
  const ReplugCase cases[] = {
      {"plugged back", true, 0, 2, nullptr},
      {"still away", true, ENOENT, -1,
       "COM port has not been selected.\rCannot open COM3 on /dev/ttyS2: No such file or directory."},
      {"never chosen", false, 0, -1, "COM port has not been selected."},
  };
  for (const ReplugCase& c : cases) {
    Script script;
    script.failing_write = c.failedbefore ? 0 : -1;
    FakeComLinkHost host;
    RecordingMessageSink sink;
    host.sink = &sink;
    MemoryProfile profile;
    MapComPort(profile, 2, "/dev/ttyS2");
    MonotonicClock clock;
    NumberTexts numbers;
    ComLink link(PeersOf(host), host.run, sink, clock, profile, numbers,
                 [&script] { return std::make_unique<ScriptedPort>(script); });
    host.run.SetRunning(true);
    if (c.failedbefore) {
      host.m_comport = 2;
      ASSERT_EQ(link.OpenComPort(2), 1);
      EXPECT_EQ(link.TransmitCommand("A1"), 0);
      ASSERT_EQ(host.m_comport, -1);
    }
    script.failing_write = -1;
    script.openerror = c.openerror;
    sink.shown.clear();

    host.m_comport = link.ReopenLostComPort();
    EXPECT_EQ(host.m_comport, c.reopened) << c.name;
    EXPECT_EQ(link.IsOpen(), c.reopened >= 0) << c.name;
    const int sent = link.TransmitCommand("A1");
    if (c.says) {
      EXPECT_EQ(sent, 0) << c.name;
      ASSERT_EQ(sink.shown.size(), 1u) << c.name;
      EXPECT_EQ(sink.shown[0].text, c.says);
    } else {
      EXPECT_TRUE(sink.shown.empty()) << c.name;
    }
  }
}

TEST_F(LinkOnPty, OpeningRefusesWhatIsNoFreeSerialLine) {
  MapComPort(profile, 1, "/dev/null");
  MapComPort(profile, 2, "/nonexistent/ttyUSB0");
  ComLink other(PeersOf(host), host.run, sink, clock, profile, numbers);
  EXPECT_EQ(other.OpenComPort(1), 0);
  EXPECT_EQ(other.OpenComPort(2), 0);
  EXPECT_EQ(other.OpenComPort(0), 0);  // the fixture's link holds COM1
  EXPECT_EQ(other.OpenComPort(-1), 0);
  EXPECT_FALSE(other.IsOpen());
  EXPECT_TRUE(sink.shown.empty());

  EXPECT_EQ(link.OpenComPort(0), 1);  // reopening lets go of the old handle first
  EXPECT_TRUE(link.IsOpen());
}

TEST_F(LinkOnPty, AClosedFarEndIsAReadFailure) {
  host.run.SetRunning(true);
  pty.CloseMaster();
  EXPECT_EQ(link.PollComPort(), 0);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Communications Error 301");
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(host.m_comport, -1);
}

TEST_F(LinkOnPty, AFarEndClosedWhileFlushingIsAFlushFailure) {
  pty.Send("B1");
  pty.CloseMaster();
  link.FlushComInput();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Communications Error 402");
  EXPECT_EQ(sink.shown[0].text, "COM1 could not be accessed or is not responding.");
  EXPECT_EQ(host.m_comport, -1);
}

TEST_F(LinkOnPty, AFarEndClosedInsideALineIsALineFailure) {
  // A hang-up discards unread input, so the line must be running when it
  // comes: the far end keeps it alive and then goes away.
  pty.SendDelivered("B");
  std::thread talker([this] {
    for (int i = 0; i < 6; ++i) {
      pty.Send("1");
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    pty.CloseMaster();
  });
  // Polled as the pump polls, a turn at a time, until the line is done with.
  do {
    link.PollComPort();
  } while (link.IsOpen() && link.LineSettling());
  talker.join();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Communications Error 202");
  EXPECT_EQ(link.m_rxbuffer, "");
}

}  // namespace
}  // namespace korvix::testing
