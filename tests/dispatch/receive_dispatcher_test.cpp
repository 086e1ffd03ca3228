#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "values/testing/fake_value_hooks.h"

namespace korvix::testing {
namespace {

class ReceiveDispatcherTest : public ::testing::Test {
protected:
  template <class List>
  auto& AddPolled(List& list, const std::string& label, const std::string& command) {
    auto& record = list[list.Add()];
    record.idlabel = label;
    record.pollcommand = command;
    return record;
  }
  void Await(ScreenObjectKind kind, int index) { run.State().Polled(kind, index).awaiting = 1; }
  void Receive(const std::string& bytes) {
    hooks.rxbuffer = bytes;
    run.DispatchReceivedLines();
  }

  CKorvixDoc doc;
  RecordingMessageSink sink;
  FakeValueHooks hooks;
  FakeMillisecondClock clock;
  RunValues run{doc, sink, hooks, hooks, hooks, hooks, clock};
};

TEST_F(ReceiveDispatcherTest, AReplyReachesEveryAwaitingObjectOfItsModuleInKindOrder) {
  AddPolled(doc.m_datawindows, "Temp", "ART");
  AddPolled(doc.m_datawindows, "Other", "BRT");
  AddPolled(doc.m_levelgauges, "Level", "A{Channel}");
  AddPolled(doc.m_windvanes, "Idle", "ART");
  AddPolled(doc.m_picontrollers, "PI", "[65]RT");
  doc.m_variables[doc.m_variables.Add()].idlabel = "Channel";
  Await(ScreenObjectKind::DataWindow, 0);
  Await(ScreenObjectKind::DataWindow, 1);
  Await(ScreenObjectKind::LevelGauge, 0);
  Await(ScreenObjectKind::PIController, 0);
  CommandState& script = run.State().Command(CommandKind::Script, 3);
  script.command = "ARUN";
  script.awaiting = 1;
  CommandState& rocker = run.State().Command(CommandKind::RockerSwitch, 0, 1);
  rocker.command = "AUP";
  rocker.expected = "Ack";
  rocker.awaiting = 1;
  doc.m_variables[doc.m_variables.Add()].idlabel = "Ack";

  Receive("A21.5\r");

  EXPECT_EQ(doc.m_datawindows[0].valuetext, "21.5");
  EXPECT_EQ(doc.m_datawindows[1].valuetext, "");
  EXPECT_EQ(doc.m_levelgauges[0].valuetext, "21.5");
  EXPECT_EQ(doc.m_windvanes[0].valuetext, "0");  // not awaiting
  EXPECT_EQ(doc.m_picontrollers[0].valuetext, "21.5");
  EXPECT_EQ(doc.m_variables[1].valuetext, "A21.5");
  EXPECT_EQ(hooks.scriptreplies, (std::vector<std::pair<int, std::string>>{{3, "A21.5"}}));
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DataWindow, 0).awaiting, 0);
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DataWindow, 1).awaiting, 1);
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::LevelGauge, 0).awaiting, 0);
  EXPECT_EQ(run.State().Command(CommandKind::Script, 3).awaiting, 0);
  EXPECT_EQ(run.State().Command(CommandKind::RockerSwitch, 0, 1).awaiting, 0);
  EXPECT_TRUE(hooks.rxbuffer.empty());
  EXPECT_TRUE(sink.shown.empty());

  std::string recdata;
  run.GetLabelValue(recdata, "recdata", false);
  EXPECT_EQ(recdata, "A21.5");
  run.GetLabelValue(recdata, "rawdata", false);
  EXPECT_EQ(recdata, "21.5");
}

TEST_F(ReceiveDispatcherTest, AControlsReplyGoesToItsResponseLabelUnlessItIsDiscarded) {
  struct Case {
    CommandKind kind;
    int slot;
    std::string target;
  };
  const std::vector<Case> cases{{CommandKind::PushButton, 1, "Press"},
                                {CommandKind::ButtonArray, 4, "Array"},
                                {CommandKind::InputWindow, 0, "Entry"},
                                {CommandKind::SliderControl, 0, "discard"},
                                {CommandKind::RockerSwitch, 0, ""}};
  for (const Case& c : cases) {
    if (!c.target.empty()) doc.m_variables[doc.m_variables.Add()].idlabel = c.target;
    CommandState& command = run.State().Command(c.kind, 0, c.slot);
    command.command = "BSET";
    command.expected = c.target;
    command.awaiting = 1;
  }

  Receive("Bok\r");

  for (const Case& c : cases) {
    EXPECT_EQ(run.State().Command(c.kind, 0, c.slot).awaiting, 0) << c.target;
    if (c.target.empty()) continue;
    std::string value;
    run.GetLabelValue(value, c.target, false);
    EXPECT_EQ(value, c.target == "discard" ? "0" : "Bok") << c.target;
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ReceiveDispatcherTest, ADataWindowTakesANoValueReplyWithoutShowingIt) {
  AddPolled(doc.m_datawindows, "B", "BRD").valuetext = "old";
  doc.m_variables[doc.m_variables.Add()].idlabel = "B";
  Await(ScreenObjectKind::DataWindow, 0);
  run.State().Polled(ScreenObjectKind::DataWindow, 0).replystate = 1;
  Receive("B1G5\r");
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DataWindow, 0).awaiting, 0);
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DataWindow, 0).replystate, 0);
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "old");
  EXPECT_EQ(doc.m_variables[0].valuetext, "0");
  EXPECT_TRUE(hooks.calls.empty());

  Await(ScreenObjectKind::DataWindow, 0);
  Receive("B123\r");
  EXPECT_EQ(doc.m_variables[0].valuetext, "B123");  // delivered whole
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "123");
  EXPECT_EQ(hooks.calls, std::vector<std::string>{"SetButtonArray B=B123"});
}

// Only misses in a row count against the retry limit: any reply the module
// gives, even one without a value, starts the count again.
TEST_F(ReceiveDispatcherTest, AReplyBetweenMissedPollsStartsTheRetryCountAgain) {
  const struct {
    ScreenObjectKind kind;
    std::vector<const char*> polls;  // each answered with its line, or "" for a miss
    bool error;
  } cases[] = {
      {ScreenObjectKind::DataWindow, {"", "A21.5\r", ""}, false},
      {ScreenObjectKind::DataWindow, {"", ""}, true},
      {ScreenObjectKind::DataWindow, {"", "A21.5\r", "", ""}, true},
      {ScreenObjectKind::DataWindow, {"", "A1G\r", "", "A21.5\r", ""}, false},
      {ScreenObjectKind::DialGauge, {"", "A21.5\r", "", "A21.5\r", ""}, false},
      {ScreenObjectKind::DialGauge, {"", "A21.5\r", "", ""}, true},
  };
  doc.m_pollretries = 1;
  doc.m_replytimeout = 2500;
  AddPolled(doc.m_datawindows, "Window", "ART");
  AddPolled(doc.m_dialgauges, "Dial", "ART");
  for (size_t n = 0; n < std::size(cases); ++n) {
    const auto& c = cases[n];
    SCOPED_TRACE(n);
    run.State().Polled(c.kind, 0).retries = 0;
    doc.m_datawindows[0].valuetext = doc.m_dialgauges[0].valuetext = "";
    const std::string& shown =
        c.kind == ScreenObjectKind::DataWindow ? doc.m_datawindows[0].valuetext : doc.m_dialgauges[0].valuetext;
    bool error = false;
    for (const char* reply : c.polls) {
      Await(c.kind, 0);
      run.State().Polled(c.kind, 0).senttime = clock.now;
      if (*reply != '\0') Receive(reply);
      clock.now += 2500;
      run.ServiceReplyTimeouts();
      error = error || shown == "Error";
    }
    EXPECT_EQ(error, c.error);
  }
}

TEST_F(ReceiveDispatcherTest, AResetNoticeWithRetransmitFlushesAndSendsTheInitCommands) {
  AddPolled(doc.m_datawindows, "A", "ARD");
  AddPolled(doc.m_dialgauges, "B", "BRD");
  Await(ScreenObjectKind::DataWindow, 0);
  Await(ScreenObjectKind::DialGauge, 0);
  doc.m_retransmitonreset = 1;
  clock.now = 1000;
  Receive("A!\rA55\r");
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DataWindow, 0).awaiting, 0);
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DialGauge, 0).awaiting, 0);
  EXPECT_EQ(clock.now, 1200u);
  EXPECT_EQ(hooks.flushes, 1);
  EXPECT_EQ(hooks.initsends, 1);
  EXPECT_TRUE(hooks.rxbuffer.empty());
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "");
}

TEST_F(ReceiveDispatcherTest, AResetNoticeWithoutRetransmitClearsTheFlagsAndDispatchesOn) {
  AddPolled(doc.m_datawindows, "A", "ARD");
  doc.m_retransmitonreset = 0;
  Await(ScreenObjectKind::DataWindow, 0);
  run.State().Command(CommandKind::InputWindow, 0).awaiting = 1;
  Receive("A!\rB7\r");
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DataWindow, 0).awaiting, 0);
  EXPECT_EQ(run.State().Command(CommandKind::InputWindow, 0).awaiting, 0);
  EXPECT_EQ(hooks.flushes, 0);
  EXPECT_EQ(hooks.initsends, 0);
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "");
  std::string last;
  run.GetLabelValue(last, "recdata", false);
  EXPECT_EQ(last, "B7");
}

TEST_F(ReceiveDispatcherTest, AOneCharacterLineReachesNothing) {
  AddPolled(doc.m_datawindows, "A", "ARD");
  Await(ScreenObjectKind::DataWindow, 0);
  Receive("A\r\r\r");
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DataWindow, 0).awaiting, 1);
  EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(ReceiveDispatcherTest, APositionReportIsAlsoOfferedToObjectsAwaitingDollar) {
  AddPolled(doc.m_datawindows, "Radio", "$GPTLL?");
  doc.m_variables[doc.m_variables.Add()].idlabel = "Radio";
  Await(ScreenObjectKind::DataWindow, 0);
  Receive("$GPTLL,4916.45,N,12311.12,W\r");
  EXPECT_EQ(run.State().Polled(ScreenObjectKind::DataWindow, 0).awaiting, 0);
  EXPECT_EQ(doc.m_variables[0].valuetext, "$GPTLL,4916.45,N,12311.12,W");
}

TEST_F(ReceiveDispatcherTest, ABufferWithoutCarriageReturnIsOneLine) {
  AddPolled(doc.m_datawindows, "A", "ARD");
  Await(ScreenObjectKind::DataWindow, 0);
  Receive("A12\rA34");
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "12");
  Await(ScreenObjectKind::DataWindow, 0);
  Receive("A34");
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "34");
}

TEST_F(ReceiveDispatcherTest, AnyBytesAreConsumedWithoutHarm) {
  AddPolled(doc.m_datawindows, "A", "A{Missing}");
  AddPolled(doc.m_datawindows, "B", "BRD").inputbase = 1;
  doc.m_datawindows[1].formula = "{A} / {B}";
  std::mt19937 random(8);
  for (int round = 0; round < 200; ++round) {
    Await(ScreenObjectKind::DataWindow, 1);
    std::string bytes(static_cast<size_t>(random() % 64), '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    bytes[0] = 'B';
    Receive(bytes);
    EXPECT_TRUE(hooks.rxbuffer.empty());
  }
  EXPECT_TRUE(sink.shown.empty());
  Await(ScreenObjectKind::DataWindow, 0);
  Receive("A1\r");
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown[0].caption, "Illegal Operation");
}

}  // namespace
}  // namespace korvix::testing
