#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "comms/collision_watch.h"
#include "comms/com_link.h"
#include "comms/port_map.h"
#include "fake_com_link_host.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "pty_pair.h"
#include "texts/number_texts.h"

namespace korvix::testing {
namespace {

// The real clock, which the test may move ahead at once.
class SkippingClock final : public MillisecondClock {
public:
  uint32_t skipped = 0;
  uint32_t Now() override { return m_real.Now() + skipped; }
  void SleepMs(uint32_t ms) override { m_real.SleepMs(ms); }

private:
  MonotonicClock m_real;
};

// Module B talks whenever a command to module A starts; A answers a
// cancelled command with its address and a question mark.
class CollidingLine : public ::testing::Test {
protected:
  void SetUp() override {
    host.sink = &sink;
    MapComPort(profile, 0, pty.SlavePath());
    ASSERT_EQ(link.OpenComPort(0), 1);
    host.run.SetRunning(true);
    pty.OnByte([](uint8_t byte, PtyPair& far) {
      if (byte == 'A') far.Send("B77\r");
      if (byte == '*') far.Send("A?\r");
    });
  }

  // Long enough that the talker has begun before the link reads back, even
  // when the far end's thread waits a while for a core on a loaded machine.
  const std::string m_command = "A" + std::string(249, '5');

  PtyPair pty;
  MemoryProfile profile;
  FakeComLinkHost host;
  RecordingMessageSink sink;
  SkippingClock clock;
  NumberTexts numbers;
  ComLink link{PeersOf(host), host.run, sink, clock, profile, numbers};
};

TEST_F(CollidingLine, APollLeavesTheWaitToRunOnAndItsEndDropsTheCancelAnswer) {
  EXPECT_EQ(link.TransmitPollCommand(m_command), 0);
  EXPECT_TRUE(link.LineSettling());
  // What arrives meanwhile is held back from the dispatcher.
  pty.WaitForBytes(m_command.size() + 1);
  while (link.LineSettling()) {
    link.WaitReadable(1);
    link.PollComPort();
    EXPECT_EQ(link.m_rxbuffer.find("A?"), std::string::npos);
  }
  EXPECT_EQ(link.m_rxbuffer, "B77\r");
}

// A run halted meanwhile, with only a tool's pump reading the line: the
// first read after the wait's time ends it.
TEST_F(CollidingLine, ReadingTheLineAfterTheWaitHandsOverItsLines) {
  EXPECT_EQ(link.TransmitPollCommand(m_command), 0);
  host.run.SetRunning(false);
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(150);
  while (std::chrono::steady_clock::now() < until) {
    link.WaitReadable(1);
    link.PollComPort();
  }
  pty.SendDelivered("C5\r");
  EXPECT_EQ(link.PollComPort(), 1);
  EXPECT_EQ(link.m_rxbuffer, "B77\rC5\r");
}

TEST_F(CollidingLine, AnyOtherSendWaitsOutTheRestFirst) {
  EXPECT_EQ(link.TransmitPollCommand(m_command), 0);
  ASSERT_TRUE(link.LineSettling());
  EXPECT_EQ(link.TransmitCommand("C1"), 1);
  EXPECT_FALSE(link.LineSettling());
  EXPECT_EQ(link.m_rxbuffer, "B77\r");
  pty.WaitForBytes(m_command.size() + 4);
  EXPECT_EQ(pty.Received(), m_command + "*C1\r");
}

TEST_F(CollidingLine, AModuleCutOffForTheWholePatienceIsToldOnceUntilTheTalkingStops) {
  const char kTold[] =
      "COM1: module A has not answered for 10 seconds because module B keeps talking over its commands.";
  const auto collide = [this] {
    EXPECT_EQ(link.TransmitCommand(m_command), 0);
    link.m_rxbuffer.clear();
  };
  collide();
  clock.skipped += CollisionWatch::kPatienceMs;
  collide();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Communications Error");
  EXPECT_EQ(sink.shown[0].text, kTold);
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  collide();
  EXPECT_EQ(sink.shown.size(), 1u);
  // The run goes on: the port stays open and chosen.
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(host.m_comport, 0);

  // Answers as often as it collided: the talking has stopped.
  for (int i = 0; i < 3; ++i) {
    pty.SendDelivered("A12\r");
    ASSERT_EQ(link.PollComPort(), 1);
  }
  collide();
  clock.skipped += CollisionWatch::kPatienceMs;
  collide();
  EXPECT_EQ(sink.shown.size(), 2u);
}

}  // namespace
}  // namespace korvix::testing
