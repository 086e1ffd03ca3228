#pragma once

#include <string>
#include <vector>

namespace korvix {

struct CommandLineInfo {
  enum class Action { Run, RegServer, UnregServer };
  Action action = Action::Run;
  std::string filename;  // the project to open, empty for none
};

// `arguments` without the program's own name. A switch is "-" or "/"
// followed by its name in any case; since "/" also starts every absolute
// path, a "/" token is a switch only when it names one exactly. Other "-"
// tokens are switches this program does not know and are passed over; the
// first remaining token is the project file.
CommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace korvix
