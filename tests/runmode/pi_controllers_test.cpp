#include "runmode/pi_controllers.h"

#include <gtest/gtest.h>

#include "../executors/executors_fixture.h"

namespace korvix::testing {
namespace {

// A heater on "AO" between 0 and 1000 and a cooler on "AN" between 0 and 500,
// regulating the reading of module A.
class PIControllersTest : public ExecutorsFixture, public ::testing::Test {
protected:
  PIControllersTest() {
    PIControllerRecord& r = doc.m_picontrollers[doc.m_picontrollers.Add()];
    r.idlabel = "Oven";
    r.pollcommand = "ART";
    r.kptext = "2.0";
    r.kitext = "0.5";
    r.posprefix = "AO";
    r.posmin = "0";
    r.posmax = "1000";
    r.negprefix = "AN";
    r.negmin = "0";
    r.negmax = "500";
  }
  PIControllerRecord& Oven() { return doc.m_picontrollers[0]; }
  PIControllerState& State() { return values.State().PIController(0); }
  // A reading arrives, a second later the pass computes and sends.
  void Read(const std::string& line) {
    values.DeliverLabelValue("Oven", line);
    clock.now += 1000;
    pi.Advance();
    values.ServicePendingSends();
    hooks.rxbuffer = "Aok\r";  // the module acknowledges what went out
    values.DispatchReceivedLines();
  }

  PIControllers pi{doc, values, hooks, hooks, clock};
};

TEST(PIControllerCorrections, TheOutputFallsInOneCorrectionRangeAndTheOtherRestsAtItsMinimum) {
  PIControllerRecord r;
  r.posprefix = "P";
  r.posmin = "100";
  r.posmax = "-100";  // reverse acting
  r.negprefix = "N";
  r.negmin = "";
  r.negmax = "4095";
  struct Case {
    double output;
    std::string positive;
    std::string negative;
  };
  for (const Case& c : {Case{0, "100", "0"}, Case{50, "0", "0"}, Case{100, "-100", "0"}, Case{250, "-100", "0"},
                        Case{-25, "100", "1024"}, Case{-100, "100", "4095"}}) {
    const auto values = PIControllers::CorrectionValues(r, c.output);
    EXPECT_EQ(values[0], c.positive) << c.output;
    EXPECT_EQ(values[1], c.negative) << c.output;
  }
  r.negprefix.clear();
  EXPECT_EQ(PIControllers::CorrectionValues(r, -50)[1], "");
}

TEST_F(PIControllersTest, ARunStartsAndEndsAtAZeroOutputSentAtOnce) {
  pi.StartRun();
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"AO0", "AN0"}));
  EXPECT_EQ(State().output, "0.0");
  EXPECT_EQ(State().running, 1);
  // Each correction waits for its module's answer before the next goes out.
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"WaitForReply 100 AO0", "WaitForReply 100 AN0"}));

  Read("A40");
  ASSERT_NE(State().output, "0.0");
  hooks.sent.clear();
  pi.HaltRun(true);
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"AO0", "AN0"}));
  EXPECT_EQ(State().output, "0.0");
  EXPECT_EQ(State().running, 0);
  hooks.sent.clear();
  pi.HaltRun(false);
  EXPECT_TRUE(hooks.sent.empty());
}

TEST_F(PIControllersTest, TheOutputIsProportionalPlusIntegralOfTheError) {
  Oven().sensorto = "Shown";
  AddVariable("Shown", "");
  pi.StartRun();
  pi.SetPIControllerSetPoint(0, 50);
  hooks.sent.clear();
  pi.Advance();  // nothing read yet: nothing computed
  EXPECT_EQ(State().output, "0.0");

  Read("A40");  // error 10 for 1 s: 2 x 10 + 0.5 x 10
  EXPECT_EQ(Oven().valuetext, "40");
  EXPECT_EQ(Value("Shown"), "40");
  EXPECT_EQ(State().output, "25.0");
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"AO250"});  // the cooler stays at its minimum

  Read("A45");  // 2 x 5 + 0.5 x (10 + 5)
  EXPECT_EQ(State().output, "17.5");
  Read("A55");  // 2 x -5 + 0.5 x (15 - 5)
  EXPECT_EQ(State().output, "-5.0");
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"AO250", "AO175", "AO0", "AN25"}));
}

TEST_F(PIControllersTest, AnOutputHeldAtItsLimitWindsNoIntegralUp) {
  pi.StartRun();
  pi.SetPIControllerSetPoint(0, 1000);
  for (int second = 0; second < 10; ++second) Read("A0");
  EXPECT_EQ(State().output, "100.0");
  EXPECT_EQ(State().integral, 0);
  pi.SetPIControllerSetPoint(0, 0);
  Read("A10");  // at once below zero: 2 x -10 + 0.5 x -10
  EXPECT_EQ(State().output, "-25.0");
}

TEST_F(PIControllersTest, AReadingThatIsNoNumberStopsTheCorrection) {
  pi.StartRun();
  pi.SetPIControllerSetPoint(0, 50);
  Read("A40");
  Read("Error");
  EXPECT_EQ(State().output, "0.0");
  EXPECT_EQ(State().integral, 0);
  EXPECT_EQ(hooks.sent.back(), "AO0");
}

TEST_F(PIControllersTest, AHaltedControllerHoldsAZeroOutputUntilItIsStartedAgain) {
  pi.StartRun();
  pi.SetPIControllerSetPoint(0, 50);
  Read("A40");
  pi.HaltPIController(0);
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent.back(), "AO0");
  Read("A30");
  EXPECT_EQ(State().output, "0.0");
  pi.StartPIController(0);
  Read("A40");
  EXPECT_EQ(State().output, "25.0");  // the integral started afresh, as at the first start
}

TEST_F(PIControllersTest, AnAnsweredCorrectionFreesItsModuleForThePoll) {
  pi.StartRun();
  pi.SetPIControllerSetPoint(0, 50);
  values.DeliverLabelValue("Oven", "A40");
  clock.now += 1000;
  pi.Advance();
  values.ServicePendingSends();
  EXPECT_TRUE(values.IsReplyPending('A'));
  hooks.rxbuffer = "Aok\r";
  values.DispatchReceivedLines();
  EXPECT_FALSE(values.IsReplyPending('A'));
  EXPECT_EQ(Oven().valuetext, "40");  // the answer is no reading
}

TEST_F(PIControllersTest, StepButtonsMoveTheSetPointByOneAndTheGainsByOneUnit) {
  pi.StartRun();
  pi.StepPIController(0, PIStepButton::SetPointUp);
  pi.StepPIController(0, PIStepButton::SetPointUp);
  pi.StepPIController(0, PIStepButton::SetPointDown);
  EXPECT_EQ(State().setpoint, "1");
  Oven().kptext = "0.1";
  Oven().kitext = "0.0";
  pi.StepPIController(0, PIStepButton::KpUp);
  pi.StepPIController(0, PIStepButton::KiDown);
  EXPECT_EQ(Oven().kptext, "0.2");
  EXPECT_EQ(Oven().kitext, "0.0");  // never below zero
  EXPECT_TRUE(doc.IsModified());
  Oven().kpkiformat = 2;
  pi.StepPIController(0, PIStepButton::KiUp);
  EXPECT_EQ(Oven().kitext, "0.01");
  Oven().locksettings = 1;
  pi.StepPIController(0, PIStepButton::KpUp);
  pi.StepPIController(0, PIStepButton::SetPointUp);
  EXPECT_EQ(Oven().kptext, "0.2");
  EXPECT_EQ(State().setpoint, "2");  // the set point stays the operator's
}

TEST_F(PIControllersTest, ASetPointStaysWithItsControllerFromRunToRun) {
  pi.StartRun();
  pi.SetPIControllerSetPoint(0, 70);
  pi.HaltRun(true);
  pi.StartRun();
  EXPECT_EQ(State().setpoint, "70");
  pi.HaltRun(true);
  Oven().idlabel = "Kiln";  // another controller in its place
  pi.StartRun();
  EXPECT_EQ(State().setpoint, "0");
}

}  // namespace
}  // namespace korvix::testing
