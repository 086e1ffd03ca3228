#pragma once

#include <string>

namespace korvix {

// The Script executor as the Conditionals and the receive dispatcher see it.
class ScriptStarter {
public:
  virtual ~ScriptStarter() = default;
  // Starts the Script with that ID Label; the executor runs its steps.
  virtual void RunScriptByName(const std::string& label) = 0;
  // The reply line that the transmitting step of Script `index` awaited.
  virtual void TakeScriptReply(int index, const std::string& line) = 0;
};

}  // namespace korvix
