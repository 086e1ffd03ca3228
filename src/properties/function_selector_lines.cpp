#include "properties/function_selector_lines.h"

#include <initializer_list>
#include <string_view>

#include "automation/action_codes.h"

namespace korvix {

namespace {

using Group = std::initializer_list<std::string_view>;

const std::initializer_list<Group> kGroups = {
    {"Transmit Command", "Ping DAQ Modules", "Wait for this Data", "Pause Milliseconds", "Pause Hrs:Min:Sec"},
    {"Play Sound File", "Dial Telephone", "Send Email", "Print Label"},
    {"Goto Page Number", "Math Conversion", "Run a Program"},
    {"Log Data to File", "Read from File", "Write to File"},
    {"Run a Script", "Halt a Script", "Wait Script End"},
    {"Run Button Array", "Halt Button Array", "Wait Button Array", "Set Button Array"},
    {"Turn On Lamp", "Turn Off Lamp", "Toggle Lamp"},
    {"Increment Counter", "Decrement Counter", "Reset Counter"},
    {"Start Event Timer", "Halt Event Timer", "Reset Event Timer"},
    {"Start PI-Controller", "Halt PI-Controller", "Set PI-Controller"},
    {"Start Chart Recorder", "Halt Chart Recorder"},
    {"Minimize Window", "Restore Window", "Save Project", "Halt Run-Loop", "Quit Program"},
};

}  // namespace

std::vector<std::string> FunctionSelectorLines(bool withwaits) {
  std::vector<std::string> lines;
  for (const Group& group : kGroups) {
    lines.emplace_back(kFunctionSeparator);
    for (std::string_view name : group)
      if (ActionCodeFromName(name, withwaits) >= 0) lines.push_back("\t" + std::string(name));
  }
  lines.emplace_back(kFunctionSeparator);
  return lines;
}

}  // namespace korvix
