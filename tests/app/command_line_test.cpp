#include <gtest/gtest.h>

#include "app/command_line.h"

namespace korvix {
namespace {

using Action = CommandLineInfo::Action;

struct LineCase {
  std::vector<std::string> arguments;
  Action action;
  std::string filename;
};

TEST(CommandLine, SwitchesInAnyCaseAndTheProjectFile) {
  const LineCase cases[] = {
      {{}, Action::Run, ""},
      {{"plant.kvx"}, Action::Run, "plant.kvx"},
      {{"/RegServer"}, Action::RegServer, ""},
      {{"-regserver"}, Action::RegServer, ""},
      {{"/REGSERVER"}, Action::RegServer, ""},
      {{"-UnregServer"}, Action::UnregServer, ""},
      {{"/unREGserver"}, Action::UnregServer, ""},
      {{"plant.kvx", "-RegServer"}, Action::RegServer, "plant.kvx"},
      {{"RegServer"}, Action::Run, "RegServer"},  // no switch without its lead character
      {{"/home/op/plant.kvx"}, Action::Run, "/home/op/plant.kvx"},
      {{"/RegServer/plant.kvx"}, Action::Run, "/RegServer/plant.kvx"},
      {{"-x", "a.kvx", "b.kvx"}, Action::Run, "a.kvx"},
      {{"--RegServer"}, Action::Run, ""},
  };
  for (const LineCase& c : cases) {
    const CommandLineInfo info = ParseCommandLine(c.arguments);
    std::string shown;
    for (const std::string& a : c.arguments) shown += a + " ";
    EXPECT_EQ(info.action, c.action) << shown;
    EXPECT_EQ(info.filename, c.filename) << shown;
  }
}

}  // namespace
}  // namespace korvix
