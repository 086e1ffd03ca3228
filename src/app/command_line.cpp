#include "app/command_line.h"

namespace korvix {

namespace {

constexpr char kRegServerSwitch[] = "regserver";
constexpr char kUnregServerSwitch[] = "unregserver";

std::string AsciiLower(const std::string& text) {
  std::string lower = text;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

}  // namespace

CommandLineInfo ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLineInfo info;
  bool haveaction = false;
  for (const std::string& token : arguments) {
    const bool switchlike = !token.empty() && (token[0] == '-' || token[0] == '/');
    if (switchlike) {
      const std::string name = AsciiLower(token.substr(1));
      if (!haveaction && name == kRegServerSwitch) {
        info.action = CommandLineInfo::Action::RegServer;
        haveaction = true;
        continue;
      }
      if (!haveaction && name == kUnregServerSwitch) {
        info.action = CommandLineInfo::Action::UnregServer;
        haveaction = true;
        continue;
      }
      if (token[0] == '-') continue;
    }
    if (info.filename.empty()) info.filename = token;
  }
  return info;
}

}  // namespace korvix
