#include <gtest/gtest.h>

#include <ostream>

#include "daqsim/sim_config.h"

namespace korvix::daqsim {
namespace {

TEST(DaqsimConfig, ReadsModulesRulesAndFaults) {
  const ConfigResult r = ParseConfig(
      "# a bank\n"
      "module A-C delay 5\n"
      "  RD counter 0 10 2   # counts\n"
      "  RT sine -1.5 1.5 60000 2\n"
      "  RP ramp 0 100 10000\n"
      "  S echo\n"
      "  * constant hello world\n"
      "module a\n"
      "  fault talk B77\n"
      "  fault nocr\n"
      "\n"
      "module Pp\n"
      "  fault silent\n");
  ASSERT_TRUE(r.config) << r.error;
  const SimConfig& c = *r.config;
  for (int s : {0, 1, 2}) {
    EXPECT_TRUE(c.modules[s].present);
    EXPECT_EQ(c.modules[s].delay_ms, 5);
    ASSERT_EQ(c.modules[s].rules.size(), 5u);
  }
  EXPECT_FALSE(c.modules[3].present);
  const std::vector<AnswerRule>& rules = c.modules[0].rules;
  EXPECT_EQ(rules[0].prefix, "RD");
  EXPECT_EQ(rules[0].kind, AnswerRule::Kind::Counter);
  EXPECT_EQ(rules[0].step, 2);
  EXPECT_EQ(rules[1].kind, AnswerRule::Kind::Sine);
  EXPECT_EQ(rules[1].from, -1.5);
  EXPECT_EQ(rules[1].decimals, 2);
  EXPECT_EQ(rules[2].kind, AnswerRule::Kind::Ramp);
  EXPECT_EQ(rules[2].period_ms, 10000);
  EXPECT_EQ(rules[3].kind, AnswerRule::Kind::Echo);
  EXPECT_EQ(rules[4].prefix, "");
  EXPECT_EQ(rules[4].text, "hello world");

  const ModuleConfig& a = c.modules[*SlotOf('a')];
  EXPECT_EQ(a.delay_ms, 2);
  EXPECT_TRUE(a.faults.talk);
  EXPECT_EQ(a.faults.talktext, "B77");
  EXPECT_TRUE(a.faults.nocr);
  EXPECT_TRUE(c.modules[*SlotOf('P')].faults.silent);
  EXPECT_TRUE(c.modules[*SlotOf('p')].faults.silent);
}

struct BadConfig {
  const char* text;
  const char* error;
};

void PrintTo(const BadConfig& c, std::ostream* out) { *out << c.error; }

class DaqsimConfigErrors : public ::testing::TestWithParam<BadConfig> {};

TEST_P(DaqsimConfigErrors, NameTheLineAndTheFault) {
  const ConfigResult r = ParseConfig(GetParam().text);
  EXPECT_FALSE(r.config);
  EXPECT_EQ(r.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DaqsimConfigErrors,
    ::testing::Values(BadConfig{"RD constant 1\n", "line 1: a 'module' line must come first"},
                      BadConfig{"module Q\n", "line 1: 'Q' names no module letters A-P or a-p"},
                      BadConfig{"module P-A\n", "line 1: 'P-A' names no module letters A-P or a-p"},
                      BadConfig{"module A-c\n", "line 1: 'A-c' names no module letters A-P or a-p"},
                      BadConfig{"module A delay -1\n", "line 1: the delay must be a number of ms, 0 or more"},
                      BadConfig{"module A\nmodule B-C\nmodule A\n", "line 3: module A is defined twice"},
                      BadConfig{"module A\n  RD\n", "line 2: a rule needs: command kind [values]"},
                      BadConfig{"module A\n  RD constant\n", "line 2: constant needs a text"},
                      BadConfig{"module A\n  RD counter 5\n", "line 2: counter needs: first last [step]"},
                      BadConfig{"module A\n  RD counter 5 1\n",
                                "line 2: counter needs first <= last and a step above 0"},
                      BadConfig{"module A\n  RD ramp 0 1 0\n", "line 2: the period must be above 0 ms"},
                      BadConfig{"module A\n  RD sine 0 1 x\n", "line 2: sine needs: from to period-ms [decimals]"},
                      BadConfig{"module A\n  RT sine 15 25 20000 1e30\n", "line 2: decimals must be 0 to 9"},
                      BadConfig{"module A\n  RT sine 15 25 20000 -1e30\n", "line 2: decimals must be 0 to 9"},
                      BadConfig{"module A\n  RT ramp 15 25 20000 2.5\n", "line 2: decimals must be 0 to 9"},
                      BadConfig{"module A\n  RT ramp 15 25 20000 10\n", "line 2: decimals must be 0 to 9"},
                      BadConfig{"module A delay 1e300\n", "line 1: the delay must be at most 60000 ms"},
                      BadConfig{"module A\n  RD random 0 1\n", "line 2: unknown answer kind 'random'"},
                      BadConfig{"module A\n  fault loud\n", "line 2: unknown fault 'loud'"},
                      BadConfig{"module A\n  fault silent now\n", "line 2: fault silent takes nothing more"}));

}  // namespace
}  // namespace korvix::daqsim
