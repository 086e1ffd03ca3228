#include <gtest/gtest.h>

#include "values_fixture.h"

namespace korvix::testing {
namespace {

class ReplyTrackerTest : public ValuesFixture, public ::testing::Test {
protected:
  PolledState& Await(ScreenObjectKind kind, int index) {
    PolledState& polled = state.Polled(kind, index);
    polled.awaiting = 1;
    polled.senttime = clock.now;
    return polled;
  }
  CommandState& AwaitCommand(CommandKind kind, int index, const std::string& command, const std::string& expected,
                             int slot = 0) {
    CommandState& sent = state.Command(kind, index, slot);
    sent.command = command;
    sent.expected = expected;
    sent.awaiting = 1;
    sent.senttime = sent.lastrepeat = clock.now;
    return sent;
  }
};

TEST_F(ReplyTrackerTest, ASilentModuleShowsErrorPastTheRetryLimitAndTheCountStartsAgain) {
  doc.m_replytimeout = 2500;
  doc.m_pollretries = 2;
  AddPolled(doc.m_datawindows, "Temp", "ARD").valuetext = "21";
  for (int timeout = 1; timeout <= 4; ++timeout) {
    Await(ScreenObjectKind::DataWindow, 0);
    clock.now += 2499;
    replies.ServiceReplyTimeouts();
    EXPECT_EQ(state.Polled(ScreenObjectKind::DataWindow, 0).awaiting, 1) << "still within the time-out";
    clock.now += 1;
    replies.ServiceReplyTimeouts();
    EXPECT_EQ(state.Polled(ScreenObjectKind::DataWindow, 0).awaiting, 0);
    EXPECT_EQ(doc.m_datawindows[0].valuetext, timeout >= 3 ? "Error" : "21") << timeout;
    EXPECT_EQ(state.Polled(ScreenObjectKind::DataWindow, 0).retries, timeout == 3 ? 0 : timeout % 3);
  }
}

TEST_F(ReplyTrackerTest, AModuleOwesAReplyWhileAnyCommandToItAwaitsOne) {
  Add(doc.m_variables, "Module").valuetext = "B";
  AddPolled(doc.m_levelgauges, "L", "{Module}RD");
  AddPolled(doc.m_picontrollers, "PI", "[67]RD");
  EXPECT_FALSE(replies.IsReplyPending('B'));
  Await(ScreenObjectKind::LevelGauge, 0);
  Await(ScreenObjectKind::PIController, 0);
  EXPECT_TRUE(replies.IsReplyPending('B'));
  EXPECT_TRUE(replies.IsReplyPending('C'));
  EXPECT_FALSE(replies.IsReplyPending('A'));
  AwaitCommand(CommandKind::SliderControl, 0, "D{Module}", "");
  EXPECT_TRUE(replies.IsReplyPending('D'));

  doc.m_pushbuttons.Add();
  AwaitCommand(CommandKind::PushButton, 0, "ESET", "", 1);
  replies.ClearPendingReplies();
  for (char address : {'B', 'C', 'D', 'E'}) EXPECT_FALSE(replies.IsReplyPending(address));
  EXPECT_EQ(hooks.invalidated, (std::vector<std::pair<ScreenObjectKind, int>>{{ScreenObjectKind::PushButton, 0}}));
}

TEST_F(ReplyTrackerTest, ACommandWithoutAnExpectedReplyCountsAsAnsweredAfterTwentyMs) {
  AwaitCommand(CommandKind::InputWindow, 0, "ASET5", "");
  clock.now += 19;
  replies.ServiceReplyTimeouts();
  EXPECT_EQ(state.Command(CommandKind::InputWindow, 0).awaiting, 1);
  clock.now += 1;
  replies.ServiceReplyTimeouts();
  EXPECT_EQ(state.Command(CommandKind::InputWindow, 0).awaiting, 0);
  EXPECT_TRUE(hooks.sent.empty());
}

TEST_F(ReplyTrackerTest, AnUnansweredCommandIsRepeatedAndGivesUpAfterTheTransmitTimeout) {
  state.m_transmitrepeat = 500;
  state.m_transmittimeout = 2000;
  Add(doc.m_variables, "V").valuetext = "7";
  Add(doc.m_inputwindows, "Entry");
  doc.m_rockerswitches[doc.m_rockerswitches.Add()].responseto = "Entry";
  clock.now = 10000;
  AwaitCommand(CommandKind::InputWindow, 0, "ASET{V}", "A");
  AwaitCommand(CommandKind::RockerSwitch, 0, "BUP", "B", 1);
  AwaitCommand(CommandKind::Script, 0, "CGO", "C").noreply = 1;
  clock.now += 500;
  replies.ServiceReplyTimeouts();
  // One retransmit per pass of all controls together.
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"ASET7"});
  clock.now += 199;
  replies.ServiceReplyTimeouts();
  EXPECT_EQ(hooks.sent.size(), 1u);
  clock.now += 1;
  replies.ServiceReplyTimeouts();
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"ASET7", "BUP"}));
  clock.now = 12000;
  replies.ServiceReplyTimeouts();
  EXPECT_EQ(state.Command(CommandKind::InputWindow, 0).awaiting, 0);
  EXPECT_EQ(state.Command(CommandKind::RockerSwitch, 0, 1).awaiting, 0);
  EXPECT_EQ(doc.m_inputwindows[0].valuetext, "Error");
  EXPECT_NE(std::find(hooks.calls.begin(), hooks.calls.end(), "TransmitTimeout ASET{V}"), hooks.calls.end());
  EXPECT_NE(std::find(hooks.calls.begin(), hooks.calls.end(), "TransmitTimeout BUP"), hooks.calls.end());
  // The command that wants no reply is neither repeated nor reported.
  EXPECT_EQ(std::find(hooks.calls.begin(), hooks.calls.end(), "TransmitTimeout CGO"), hooks.calls.end());
  EXPECT_EQ(std::find(hooks.sent.begin(), hooks.sent.end(), "CGO"), hooks.sent.end());
}

TEST_F(ReplyTrackerTest, ACommandThatWantsNoReplyClosesItsModuleAtMostUntilTheTransmitTimeout) {
  state.m_transmittimeout = 2000;
  doc.m_pushbuttons.Add();
  AwaitCommand(CommandKind::PushButton, 0, "CGO", "").noreply = 1;
  clock.now += 1999;
  replies.ServiceReplyTimeouts();
  EXPECT_TRUE(replies.IsReplyPending('C'));
  clock.now += 1;
  replies.ServiceReplyTimeouts();
  EXPECT_FALSE(replies.IsReplyPending('C'));
  EXPECT_TRUE(hooks.sent.empty());
  EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(ReplyTrackerTest, QueuedSendsGoOutInTurnAndAFailedOneStaysQueued) {
  doc.m_pushbuttons.Add();
  RockerSwitchRecord& rocker = doc.m_rockerswitches[doc.m_rockerswitches.Add()];
  rocker.responseexpected = 0;
  CommandState& press = state.Command(CommandKind::PushButton, 0, 0);
  press.command = "APRESS";
  press.pending = 1;
  CommandState& release = state.Command(CommandKind::PushButton, 0, 1);
  release.command = "ARELEASE";
  release.pending = 1;
  state.Command(CommandKind::RockerSwitch, 0, 0) = {};
  state.Command(CommandKind::RockerSwitch, 0, 0).command = "BON";
  state.Command(CommandKind::RockerSwitch, 0, 0).pending = 1;

  hooks.transmitresult = 0;
  replies.ServicePendingSends();
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"APRESS", "BON"}));
  EXPECT_EQ(state.Command(CommandKind::PushButton, 0, 0).pending, 1);

  hooks.transmitresult = 1;
  clock.now = 300;
  replies.ServicePendingSends();
  EXPECT_EQ(state.Command(CommandKind::PushButton, 0, 0).pending, 0);
  EXPECT_EQ(state.Command(CommandKind::PushButton, 0, 0).awaiting, 1);
  EXPECT_EQ(state.Command(CommandKind::PushButton, 0, 0).senttime, 300u);
  EXPECT_EQ(state.Command(CommandKind::PushButton, 0, 1).pending, 0);
  EXPECT_EQ(state.Command(CommandKind::RockerSwitch, 0, 0).awaiting, 0);  // expects no response
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"APRESS", "BON", "APRESS", "ARELEASE", "BON"}));
}

}  // namespace
}  // namespace korvix::testing
