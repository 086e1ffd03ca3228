#pragma once

#include <sys/types.h>
#include <optional>
#include <string>
#include <vector>

#include "executors/outside_actions.h"

namespace korvix {

// Words of a command line as a POSIX shell splits them: blanks separate,
// single quotes keep everything, double quotes keep all but backslash
// escapes of '"', '\\', '$' and '`', a backslash outside quotes takes the
// next character as it is. No variables, globs or redirections: there is no
// shell. No value for an unclosed quote.
std::optional<std::vector<std::string>> SplitCommandLine(const std::string& text);

// Starts programs with posix_spawn, looked up on PATH, without waiting; the
// children that ended are reaped at the next start and at the end.
class SpawnProgramRunner final : public ProgramRunner {
public:
  ~SpawnProgramRunner() override;
  std::string RunProgram(const std::string& commandline) override;

private:
  void ReapFinished();
  std::vector<pid_t> m_children;
};

}  // namespace korvix
