#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "comms/com_link.h"
#include "comms/port_map.h"
#include "daqsim/simulator.h"
#include "fake_com_link_host.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "texts/number_texts.h"

namespace korvix::testing {
namespace {

// A bank of simulated modules on its own thread, and the link on COM1.
class LinkWithSimulator : public ::testing::Test {
protected:
  void Start(const std::string& config) {
    daqsim::ConfigResult parsed = daqsim::ParseConfig(config);
    ASSERT_TRUE(parsed.config) << parsed.error;
    simulator = std::make_unique<daqsim::Simulator>(*parsed.config);
    std::string error;
    ASSERT_TRUE(simulator->Open(error)) << error;
    wire = std::thread([this] { simulator->Run(); });
    host.sink = &sink;
    MapComPort(profile, 0, simulator->DevicePath());
    ASSERT_EQ(link.OpenComPort(0), 1);
  }
  void TearDown() override {
    link.CloseComPort();
    if (simulator) simulator->Stop();
    if (wire.joinable()) wire.join();
  }
  // Sends, waits for the module's reply as the poll step does (long enough
  // for a loaded machine: the wait ends with the reply), and takes what
  // arrived.
  std::string Poll(const std::string& command, uint32_t wait_ms = 3000) {
    if (link.TransmitCommand(command) != 1) return "<not sent>";
    link.WaitForReply(wait_ms, command);
    std::string lines;
    lines.swap(link.m_rxbuffer);
    return lines;
  }

  std::unique_ptr<daqsim::Simulator> simulator;
  std::thread wire;
  FakeComLinkHost host;
  RecordingMessageSink sink;
  MemoryProfile profile;
  MonotonicClock clock;
  NumberTexts numbers;
  ComLink link{PeersOf(host), host.run, sink, clock, profile, numbers};
};

TEST_F(LinkWithSimulator, PollsEveryModuleOfTheBankInTurn) {
  Start("module A-P\n  RD counter 0 9\n  S echo\nmodule a-p\n  * constant x\n");
  for (int round = 0; round < 2; ++round) {
    for (char m = 'A'; m <= 'P'; ++m) {
      EXPECT_EQ(Poll(std::string(1, m) + "RD"), std::string(1, m) + std::to_string(round) + "\r");
    }
  }
  EXPECT_EQ(Poll("CS42"), "C42\r");
  EXPECT_EQ(Poll("CX"), "C?\r");
  EXPECT_EQ(Poll("p1"), "px\r");
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "ServiceReplyTimeouts"), 0);
}

// A lower bound only: a loaded machine makes it slower, never faster.
TEST_F(LinkWithSimulator, TheSimulatorKeepsNineSixHundredBaudPaceAndItsDelay) {
  const std::string answer(20, '7');
  Start("module A delay 10\n  * constant " + answer + "\n");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Poll("A1"), "A" + answer + "\r");
  const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const double byte_ms = std::chrono::duration<double, std::milli>(daqsim::Simulator::kByteTime).count();
  // "A1" and CR heard, the answer delay, then the letter, the answer and CR.
  EXPECT_GE(elapsed, 3 * byte_ms + 10 + static_cast<double>(answer.size() + 2) * byte_ms);
}

TEST_F(LinkWithSimulator, HandlesTheFaultyModulesAsTheProtocolSays) {
  Start(
      "module A\n  * constant 5\n  fault silent\n"
      "module B\n  * constant 6\n  fault reset\n"
      "module C\n  * constant 7\n  fault highbyte\n"
      "module D\n  * constant 8\n  fault nocr\n");
  EXPECT_EQ(Poll("A1", 100), "");
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "ServiceReplyTimeouts"), 1);
  EXPECT_EQ(Poll("B1"), "B!\r");
  EXPECT_EQ(Poll("B1"), "B6\r");
  EXPECT_EQ(Poll("C1"), "C7\r");
  EXPECT_EQ(Poll("D1"), "D8\r");  // ended by the line going quiet
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(LinkWithSimulator, ATalkingModuleCancelsTheCommand) {
  Start("module A\n  * constant 5\nmodule B\n  fault talk 77\n");
  host.run.SetRunning(true);
  // Long enough for the talker to be heard before the read-back.
  EXPECT_EQ(link.TransmitCommand("A12345678901234567890123456789"), 0);
  EXPECT_EQ(link.m_rxbuffer, "B77\r");  // A's answer to the cancelled command is gone
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_TRUE(link.IsOpen());
}

// A reply that takes longer than one turn of reading comes in over several
// polls of the port and is stored whole; a command meanwhile waits for its
// end instead of cutting into it.
TEST_F(LinkWithSimulator, ALineLongerThanATurnArrivesWholeAndACommandWaitsForItsEnd) {
  const std::string answer(60, '4');
  Start("module A\n  * constant " + answer + "\nmodule B\n  * constant 5\n");
  ASSERT_EQ(link.TransmitCommand("A1"), 1);
  // At 9600 baud the reply takes some 60 ms, three turns of reading.
  for (int i = 0; i < 3000 && !link.LineSettling(); ++i) {
    EXPECT_EQ(link.PollComPort(), 0);
    link.WaitReadable(1);
  }
  ASSERT_TRUE(link.LineSettling());
  EXPECT_EQ(link.m_rxbuffer, "");
  EXPECT_EQ(link.TransmitCommand("B1"), 1);
  EXPECT_EQ(link.m_rxbuffer, "A" + answer + "\r");
  link.WaitForReply(3000, "B");
  EXPECT_EQ(link.m_rxbuffer, "A" + answer + "\rB5\r");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(LinkWithSimulator, AStreamingModuleSaturatesTheLine) {
  Start("module A\n  * constant 5\n  fault stream\n");
  host.run.SetRunning(true);
  ASSERT_EQ(link.TransmitCommand("A1"), 1);
  link.WaitForReply(3000, "B");  // nothing from B: the stream runs on until saturation
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Communications Error 201");
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(host.m_comport, -1);
}

}  // namespace
}  // namespace korvix::testing
