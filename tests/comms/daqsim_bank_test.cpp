#include <gtest/gtest.h>

#include "daqsim/module_bank.h"

namespace korvix::daqsim {
namespace {

SimConfig Parsed(const std::string& text) {
  ConfigResult r = ParseConfig(text);
  EXPECT_TRUE(r.config) << r.error;
  return r.config.value_or(SimConfig{});
}

std::string Answer(ModuleBank& bank, const std::string& command, double t_ms = 0) {
  const std::optional<Reply> reply = bank.CommandEnded(command, false, t_ms);
  return reply ? reply->bytes : "<none>";
}

TEST(DaqsimBank, AnswersByTheLongestMatchingCommand) {
  ModuleBank bank(
      Parsed("module A delay 7\n"
             "  R constant short\n"
             "  RD constant long\n"
             "  S echo\n"
             "module B\n"
             "  * constant any\n"));
  EXPECT_EQ(Answer(bank, "ARD1"), "Along\r");
  EXPECT_EQ(Answer(bank, "AR"), "Ashort\r");
  EXPECT_EQ(Answer(bank, "AS -12.5x"), "A-12.5\r");
  EXPECT_EQ(Answer(bank, "AS"), "A?\r");  // no number to echo
  EXPECT_EQ(Answer(bank, "AX"), "A?\r");  // unknown command
  EXPECT_EQ(Answer(bank, "B"), "Bany\r");
  EXPECT_EQ(Answer(bank, "C1"), "<none>");  // no such module
  EXPECT_EQ(Answer(bank, "+++"), "<none>");
  EXPECT_EQ(bank.CommandEnded("AR", false, 0)->delay_ms, 7);
}

TEST(DaqsimBank, CountersRampsAndSinesStayBetweenTheirValues) {
  ModuleBank bank(
      Parsed("module A\n"
             "  C counter 8 10\n"
             "  D counter 0 100 50\n"
             "  R ramp 10 20 1000 1\n"
             "  S sine -1 1 1000 3\n"));
  std::vector<std::string> counts;
  for (int i = 0; i < 4; ++i) counts.push_back(Answer(bank, "AC"));
  EXPECT_EQ(counts, (std::vector<std::string>{"A8\r", "A9\r", "A10\r", "A8\r"}));
  EXPECT_EQ(Answer(bank, "AD"), "A0\r");  // each rule counts for itself
  EXPECT_EQ(Answer(bank, "AD"), "A50\r");
  EXPECT_EQ(Answer(bank, "AR", 0), "A10.0\r");
  EXPECT_EQ(Answer(bank, "AR", 250), "A12.5\r");
  EXPECT_EQ(Answer(bank, "AR", 1250), "A12.5\r");
  EXPECT_EQ(Answer(bank, "AS", 0), "A0.000\r");
  EXPECT_EQ(Answer(bank, "AS", 250), "A1.000\r");
  EXPECT_EQ(Answer(bank, "AS", 750), "A-1.000\r");
}

TEST(DaqsimBank, FaultsChangeWhatGoesOut) {
  ModuleBank bank(
      Parsed("module A\n  * constant 5\n  fault reset\n"
             "module B\n  * constant 5\n  fault highbyte\n"
             "module C\n  * constant 5\n  fault nocr\n"
             "module D\n  * constant 5\n  fault silent\n"
             "module E\n  fault talk hi\n"
             "module F\n  * constant 5\n  fault stream\n"));
  EXPECT_EQ(Answer(bank, "A1"), "A!\r");  // just restarted
  EXPECT_EQ(Answer(bank, "A1"), "A5\r");
  EXPECT_EQ(Answer(bank, "B1"),
            "\xFF"
            "B5\r");
  EXPECT_EQ(Answer(bank, "C1"), "C5");
  EXPECT_EQ(Answer(bank, "D1"), "<none>");
  EXPECT_EQ(bank.CommandEnded("D1", true, 0), std::nullopt);

  const std::vector<Reply> talk = bank.CommandStarted('A');
  ASSERT_EQ(talk.size(), 1u);
  EXPECT_EQ(talk[0].bytes, "Ehi\r");
  EXPECT_EQ(talk[0].delay_ms, 0);
  EXPECT_TRUE(bank.CommandStarted('E').empty());  // not over its own command
  EXPECT_TRUE(bank.CommandStarted('+').empty());

  EXPECT_EQ(bank.CommandEnded("A123", true, 0)->bytes, "A?\r");  // cancelled by "*"

  EXPECT_EQ(bank.StreamChunk(), "");
  EXPECT_EQ(Answer(bank, "F1"), "F5\r");
  EXPECT_EQ(bank.StreamChunk(), "F0123456789");
  EXPECT_TRUE(bank.Streaming());
}

}  // namespace
}  // namespace korvix::daqsim
