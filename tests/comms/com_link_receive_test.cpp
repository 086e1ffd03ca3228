#include <gtest/gtest.h>

#include <ostream>

#include <atomic>
#include <chrono>
#include <thread>

#include "link_fixture.h"

namespace korvix::testing {
namespace {

using std::chrono::milliseconds;

struct LineCase {
  const char* name;
  std::string sent;
  std::string stored;
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name; }

class ReplyLines : public LinkOnPty, public ::testing::WithParamInterface<LineCase> {};

TEST_P(ReplyLines, AreStoredAsTheDispatcherExpects) {
  pty.Send(GetParam().sent);
  link.WaitForReply(3000, "A");
  EXPECT_EQ(link.m_rxbuffer, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Bytes, ReplyLines,
                         ::testing::Values(LineCase{"Plain", "A12\r", "A12\r"},
                                           LineCase{"EndedBySilence", "A12", "A12\r"},
                                           LineCase{"HighFirstByteDropped",
                                                    "\xF0"
                                                    "A12\r",
                                                    "A12\r"},
                                           LineCase{"HighByteLaterKept", "A\xF0\r", "A\xF0\r"},
                                           LineCase{"NulDroppedLfKept",
                                                    std::string("A1\0"
                                                                "2\n3\r",
                                                                7),
                                                    "A12\n3\r"},
                                           LineCase{"LeadingControlBytesSkipped", std::string("\r\n\0A5\r", 6), "A5\r"},
                                           LineCase{"TwoLines", "B1\rA2\r", "B1\rA2\r"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(LinkOnPty, WaitForReplyReturnsOnTheExpectedModule) {
  pty.Send("B1\r");
  std::thread late([this] {
    std::this_thread::sleep_for(milliseconds(30));
    pty.Send("A2\r");
  });
  link.WaitForReply(5000, "A");
  late.join();
  EXPECT_EQ(link.m_rxbuffer, "B1\rA2\r");
  EXPECT_TRUE(host.calls.empty());  // answered: no time-out service
}

TEST_F(LinkOnPty, WaitForReplyTimesOutIntoTheReplyService) {
  pty.SendDelivered("B1\r");
  link.WaitForReply(60, "A");
  EXPECT_EQ(link.m_rxbuffer, "B1\r");
  EXPECT_EQ(host.calls, std::vector<std::string>{"ServiceReplyTimeouts"});

  host.calls.clear();
  link.WaitForReply(30, "");  // an empty text waits the full time
  EXPECT_EQ(host.calls, std::vector<std::string>{"ServiceReplyTimeouts"});
}

// A poll's reply wait that runs on ends as the blocking one does: on the
// awaited module's line without the time-out service, or on its time with it.
TEST_F(LinkOnPty, APollsReplyWaitRunsOnUntilItsLineOrItsTime) {
  link.AwaitPollReply(5000, "A");
  EXPECT_TRUE(link.LineSettling());
  pty.SendDelivered("B1\r");
  EXPECT_EQ(link.PollComPort(), 1);
  EXPECT_TRUE(link.LineSettling());
  pty.SendDelivered("A2\r");
  EXPECT_EQ(link.PollComPort(), 1);
  EXPECT_FALSE(link.LineSettling());
  EXPECT_TRUE(host.calls.empty());
  EXPECT_EQ(link.m_rxbuffer, "B1\rA2\r");

  link.AwaitPollReply(30, "A");
  while (link.LineSettling()) link.WaitReadable(1);
  EXPECT_EQ(host.calls, std::vector<std::string>{"ServiceReplyTimeouts"});
}

// Another send first waits out a poll's reply wait, so that it cannot cut
// into the reply.
TEST_F(LinkOnPty, ASendDuringAPollsReplyWaitGoesOutAfterTheReply) {
  link.AwaitPollReply(5000, "A");
  std::thread late([this] {
    std::this_thread::sleep_for(milliseconds(30));
    pty.Send("A2\r");
  });
  EXPECT_EQ(link.TransmitCommand("C1"), 1);
  late.join();
  EXPECT_FALSE(link.LineSettling());
  EXPECT_EQ(link.m_rxbuffer, "A2\r");
  pty.WaitForBytes(3);
  EXPECT_EQ(pty.Received(), "C1\r");
}

// A line left open while nobody read the port (a run halted in the middle
// of it) may have paused unseen: that time is no saturation, and the line
// ends on the silence found when it is read again.
TEST_F(LinkOnPty, ALineLeftUnreadIsNoStream) {
  pty.SendDelivered("A12");
  EXPECT_EQ(link.PollComPort(), 0);
  EXPECT_TRUE(link.LineSettling());
  std::this_thread::sleep_for(milliseconds(2100));
  EXPECT_EQ(link.PollComPort(), 1);
  EXPECT_EQ(link.m_rxbuffer, "A12\r");
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_TRUE(link.IsOpen());
}

TEST_F(LinkOnPty, PollReadsOneLineOrNothing) {
  EXPECT_EQ(link.PollComPort(), 0);
  pty.SendDelivered("\n");
  EXPECT_EQ(link.PollComPort(), 0);
  pty.SendDelivered("C3\rC4\r");
  EXPECT_EQ(link.PollComPort(), 1);
  EXPECT_EQ(link.m_rxbuffer, "C3\r");
}

TEST_F(LinkOnPty, FlushDiscardsInputUntilTheLineIsQuiet) {
  link.m_rxbuffer = "A1\r";
  pty.SendDelivered("B2\rB3");
  link.FlushComInput();
  EXPECT_EQ(link.m_rxbuffer, "");
  EXPECT_EQ(link.PollComPort(), 0);
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_TRUE(link.IsOpen());
}

TEST_F(LinkOnPty, ARunawayLineIsBoundedAndKeepsItsEnd) {
  std::thread sender([this] { pty.Send("A" + std::string(100000, '7')); });
  link.WaitForReply(2500, "A");
  sender.join();
  ASSERT_FALSE(link.m_rxbuffer.empty());
  EXPECT_LE(link.m_rxbuffer.size(), ComLink::kMaxLineBytes);
  EXPECT_EQ(link.m_rxbuffer[0], 'A');
  EXPECT_EQ(link.m_rxbuffer.back(), '\r');
}

TEST_F(LinkOnPty, AnUnreadBufferMakesRoomByWholeOldLines) {
  std::string flood;
  for (int i = 0; i < 12000; ++i) flood += "B" + std::to_string(i) + "\r";
  std::atomic<bool> sent{false};
  std::thread sender([&] {
    pty.Send(flood);
    sent = true;
  });
  while (!sent) link.PollComPort();
  while (link.PollComPort() == 1) {
  }
  sender.join();
  EXPECT_LE(link.m_rxbuffer.size(), ComLink::kMaxReceiveBytes);
  EXPECT_EQ(link.m_rxbuffer[0], 'B');
  EXPECT_EQ(link.m_rxbuffer.substr(link.m_rxbuffer.size() - 7), "B11999\r");
}

TEST_F(LinkOnPty, PumpLeavesAPaintQueuedRightAfterARelease) {
  host.queue = {QueuedMessage::Other, QueuedMessage::Paint, QueuedMessage::Other};
  link.m_releasetime = clock.Now();
  EXPECT_EQ(link.PumpWhileHeld(), 1);
  EXPECT_EQ(host.pumped, 1);
  EXPECT_EQ(host.queue.size(), 2u);
  EXPECT_EQ(host.idle_rounds, 3);  // counts 0, 1, 2: the third says enough

  link.m_releasetime = clock.Now() - 101;
  EXPECT_EQ(link.PumpWhileHeld(), 1);
  EXPECT_TRUE(host.queue.empty());
}

TEST_F(LinkOnPty, PumpPassesAQuitOnAndPollsOnlyWhenAsked) {
  pty.SendDelivered("A1\r");
  EXPECT_EQ(link.PumpWhileHeld(), 1);
  EXPECT_EQ(link.m_rxbuffer, "");
  link.m_pollport = 1;
  EXPECT_EQ(link.PumpWhileHeld(), 1);
  EXPECT_EQ(link.m_rxbuffer, "A1\r");

  host.queue = {QueuedMessage::Other};
  host.quit_next = true;
  EXPECT_EQ(link.PumpWhileHeld(), 0);
  EXPECT_EQ(host.calls, std::vector<std::string>{"PostQuitMessage"});
}

}  // namespace
}  // namespace korvix::testing
