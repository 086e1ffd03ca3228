#include <gtest/gtest.h>

#include <ostream>

#include <pthread.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "link_fixture.h"

namespace korvix::testing {
namespace {

using std::chrono::milliseconds;

struct WireCase {
  const char* command;
  const char* wire;
  bool mirrored;  // the after-send hook ran
};

void PrintTo(const WireCase& c, std::ostream* out) { *out << c.command; }

class TransmitOnWire : public LinkOnPty, public ::testing::WithParamInterface<WireCase> {};

TEST_P(TransmitOnWire, SendsTheRewrittenCommand) {
  const WireCase& c = GetParam();
  int result = -1;
  const std::string wire = c.wire;
  EXPECT_EQ(SendAndCollect(c.command, wire.size(), &result), wire);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(host.mirror_reads, c.mirrored ? 1 : 0);
  // Nothing more follows, in particular no CR after an unterminated command.
  std::this_thread::sleep_for(milliseconds(20));
  EXPECT_EQ(pty.Received(), wire);
}

INSTANTIATE_TEST_SUITE_P(Commands, TransmitOnWire,
                         ::testing::Values(WireCase{"A12", "A12\r", true}, WireCase{"A[66]C[13]", "ABC\r\r", true},
                                           WireCase{"A12/NOCR", "A12", false}, WireCase{"A12   /NOCR", "A12", false},
                                           WireCase{"+++", "+++", false}, WireCase{"A255/HEX4", "A00FF\r", true},
                                           WireCase{"AS5/BIN8", "AS00000101\r", true},
                                           WireCase{"AS 5 /BIN2", "AS 101\r", true}, WireCase{"A12/HEX1", "AC\r", true},
                                           WireCase{"A12/HEXx", "AC\r", true}, WireCase{"A-12/HEX4", "A-00C\r", true},
                                           WireCase{"AB/HEX3", "AB000\r", true},
                                           WireCase{"A12/HEX4/NOCR", "A000C", false},
                                           WireCase{"A12/XEX4", "A12/XEX4\r", true},
                                           WireCase{"A12HEX/4", "A12HEX/4\r", true}, WireCase{"/HEX", "/HEX\r", true}));

TEST_F(LinkOnPty, EmptyCommandSendsNothing) {
  EXPECT_EQ(link.TransmitCommand(""), 0);
  EXPECT_EQ(link.TransmitCommand("/NOCR"), 0);
  std::this_thread::sleep_for(milliseconds(20));
  EXPECT_EQ(pty.Received(), "");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(LinkOnPty, NoPortIsSilentOutsideTheRunLoopAndHaltsInsideIt) {
  host.m_comport = -1;
  EXPECT_EQ(link.TransmitCommand("A12"), 0);
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_TRUE(host.calls.empty());

  host.run.SetRunning(true);
  EXPECT_EQ(link.TransmitCommand("A12"), 0);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Communications Error");
  EXPECT_EQ(sink.shown[0].text, "COM port has not been selected.");
  EXPECT_EQ(host.calls, std::vector<std::string>{"HaltRunLoop"});
  EXPECT_TRUE(link.IsOpen());  // nothing to close: the port stays as it was
  EXPECT_EQ(pty.Received(), "");
}

TEST_F(LinkOnPty, OneCommandPerModuleWhileAReplyIsOwed) {
  host.pending = {'A'};
  EXPECT_EQ(link.TransmitCommand("A12"), 0);
  int result = -1;
  EXPECT_EQ(SendAndCollect("B7", 3, &result), "B7\r");
  EXPECT_EQ(result, 1);
  EXPECT_EQ(pty.Received(), "B7\r");
}

TEST_F(LinkOnPty, AReplyDispatchedJustBeforeSendingFreesItsModule) {
  host.run.SetRunning(true);
  host.pending = {'A'};
  host.dispatch_answers = true;
  pty.SendDelivered("A9\r");
  int result = -1;
  EXPECT_EQ(SendAndCollect("A1", 3, &result), "A1\r");
  EXPECT_EQ(result, 1);
}

TEST_F(LinkOnPty, ReadsWhatIsWaitingAndDispatchesItBeforeSending) {
  host.run.SetRunning(true);
  pty.SendDelivered("C42\r");
  int result = -1;
  EXPECT_EQ(SendAndCollect("A1", 3, &result), "A1\r");
  EXPECT_EQ(result, 1);
  EXPECT_EQ(link.m_rxbuffer, "C42\r");
  EXPECT_EQ(host.calls, std::vector<std::string>{"DispatchReceivedLines"});
}

TEST_F(LinkOnPty, GivesUpOnALineThatStaysBusy) {
  {
    // Lines come faster than the link reads them: the line is never free.
    std::string lines;
    for (int i = 0; i < 100; ++i) lines += "D1\r";
    Streamer chatter(pty, lines, std::chrono::microseconds(0));
    pty.WaitDelivered(4000);
    EXPECT_EQ(link.TransmitCommand("A1"), 0);
  }
  EXPECT_EQ(pty.Received(), "");
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_TRUE(link.IsOpen());
}

// The gap and the byte time, as the far end sees them: lower bounds only.
// The far end's reader may wake late, which shortens what it measures (to
// nothing when two bytes come in one read); the longest of some rounds
// shows what the link really waited, and a link that does not wait never
// shows it.
TEST_F(LinkOnPty, KeepsTheGapAndTheByteTimeOnTheWire) {
  // Wake-up jitter of the far end's reader is allowed for, nothing more.
  constexpr double kJitter = 0.5;
  constexpr double kByteBound = 10.0 - kJitter;       // 1 ms a byte before the CR
  constexpr double kCrBound = 1.0 + 5.0 - kJitter;    // the CR's own byte time, then the gap
  constexpr double kNoCrBound = 2.0 + 5.0 - kJitter;  // after an unterminated command too
  const std::string first = "A123456789";
  const std::string round = first + "\rB1C1\r";
  double byte_time = 0, gap_after_cr = 0, gap_after_nocr = 0;
  const auto ms = [](auto d) { return std::chrono::duration<double, std::milli>(d).count(); };
  size_t rounds = 0;
  while (rounds < 10 && (byte_time < kByteBound || gap_after_cr < kCrBound || gap_after_nocr < kNoCrBound)) {
    ASSERT_EQ(link.TransmitCommand(first), 1);
    ASSERT_EQ(link.TransmitCommand("B1/NOCR"), 1);
    ASSERT_EQ(link.TransmitCommand("C1"), 1);
    ++rounds;
    ASSERT_TRUE(pty.WaitForBytes(rounds * round.size()));
    const std::vector<PtyPair::Arrival> all = pty.Arrivals();
    const PtyPair::Arrival* wire = all.data() + (rounds - 1) * round.size();
    const size_t cr = first.size();
    byte_time = std::max(byte_time, ms(wire[cr].at - wire[0].at));
    gap_after_cr = std::max(gap_after_cr, ms(wire[cr + 1].at - wire[cr].at));
    gap_after_nocr = std::max(gap_after_nocr, ms(wire[cr + 3].at - wire[cr + 2].at));
  }
  std::string expected;
  for (size_t r = 0; r < rounds; ++r) expected += round;
  EXPECT_EQ(pty.Received(), expected);
  EXPECT_GE(byte_time, kByteBound);
  EXPECT_GE(gap_after_cr, kCrBound);
  EXPECT_GE(gap_after_nocr, kNoCrBound);
}

TEST_F(LinkOnPty, ACollisionCancelsTheCommandAndKeepsTheTalkersLine) {
  host.run.SetRunning(true);
  // Module B starts talking as soon as our command begins; module A answers
  // the cancelled command with its address and a question mark.
  pty.OnByte([](uint8_t byte, PtyPair& far) {
    if (byte == 'A') far.Send("B77\r");
    if (byte == '*') far.Send("A?\r");
  });
  // A long command leaves the far end time to start talking before the
  // link reads back.
  const std::string command = "A" + std::string(59, '5');
  EXPECT_EQ(link.TransmitCommand(command), 0);
  EXPECT_EQ(pty.Received(), command + "*");
  EXPECT_EQ(link.m_rxbuffer, "B77\r");
  EXPECT_EQ(host.mirror_reads, 0);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(LinkOnPty, ReadBackIsOnlyDoneInTheRunLoop) {
  pty.OnByte([](uint8_t byte, PtyPair& far) {
    if (byte == 'A') far.Send("B77\r");
  });
  int result = -1;
  EXPECT_EQ(SendAndCollect("A1234", 6, &result), "A1234\r");
  EXPECT_EQ(result, 1);
}

TEST_F(LinkOnPty, DropsRealtimePriorityOnEveryWayOut) {
  const auto policy = [] {
    int p = -1;
    sched_param param{};
    pthread_getschedparam(pthread_self(), &p, &param);
    return p;
  };
  const int normal = policy();
  host.run.SetRunning(true);
  EXPECT_EQ(link.TransmitCommand("A1"), 1);
  EXPECT_EQ(policy(), normal);
  EXPECT_EQ(link.TransmitCommand("A1/NOCR"), 1);
  EXPECT_EQ(policy(), normal);
  pty.OnByte([](uint8_t byte, PtyPair& far) {
    if (byte == 'E') far.Send("F1\r");
  });
  link.TransmitCommand("E" + std::string(59, '5'));  // collides
  EXPECT_EQ(policy(), normal);
  pty.SendDelivered("G1");  // a line without CR: read until the line goes quiet
  link.WaitForReply(150, "G");
  EXPECT_EQ(policy(), normal);
  pty.CloseMaster();
  EXPECT_EQ(link.TransmitCommand("A1"), 0);
  EXPECT_EQ(policy(), normal);
}

}  // namespace
}  // namespace korvix::testing
