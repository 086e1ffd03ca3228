#include "automation/action_codes.h"

#include <array>

namespace korvix {
namespace {

constexpr std::array<ActionInfo, kArrayActionCount> kActions{{
    {"Transmit Command", 0, 0, "Transmit Command"},
    {"Wait for this Data", 1, -1, "Wait for this Data"},
    {"Pause Milliseconds", 2, -1, "Pause for this long"},
    {"Run a Script", 3, 1, "Run this Script"},
    {"Halt a Script", 4, 2, "Halt this Script"},
    {"Wait Script End", 5, -1, "Wait Script End"},
    {"Increment Counter", 6, 3, "Increment Counter"},
    {"Decrement Counter", 7, 4, "Decrement Counter"},
    {"Reset Counter", 8, 5, "Reset Counter"},
    {"Run Button Array", 9, 6, "Run this Button Array"},
    {"Halt Button Array", 10, 7, "Halt this Button Array"},
    {"Wait Button Array", 11, -1, "Wait Button Array End"},
    {"Start Event Timer", 12, 8, "Start Event Timer"},
    {"Halt Event Timer", 13, 9, "Halt Event Timer"},
    {"Reset Event Timer", 14, 10, "Reset Event Timer"},
    {"Turn On Lamp", 15, 11, "Turn On this Lamp"},
    {"Turn Off Lamp", 16, 12, "Turn Off this Lamp"},
    {"Toggle Lamp", 17, 13, "Toggle this Lamp"},
    {"Log Data to File", 18, 14, "Log Data to File"},
    {"Math Conversion", 19, 15, "Math Conversion on"},
    {"Play Sound File", 20, 16, "Play this Sound File"},
    {"Run a Program", 21, 17, "Run this Program"},
    {"Read from File", 22, 18, "Read from this File"},
    {"Write to File", 23, 19, "Write to this File"},
    {"Goto Page Number", 24, 20, "Goto Page Number"},
    {"Dial Telephone", 25, 21, "Dial Telephone"},
    {"Start Chart Recorder", 26, 22, "Start Chart Recorder"},
    {"Halt Chart Recorder", 27, 23, "Halt Chart Recorder"},
    {"Set Button Array", 28, 24, "Set this Button Array"},
    {"Send Email", 29, 25, "Send this Email"},
    {"Print Label", 30, 26, "Print this Label"},
    {"Ping DAQ Modules", 31, 27, "Ping DAQ Modules"},
    {"Pause Hrs:Min:Sec", 32, -1, "Pause for this long"},
    {"Halt Run-Loop", 33, 28, "Halt Run-Loop"},
    {"Quit Program", 34, 29, "Quit Program"},
    {"Minimize Window", 35, 30, "Minimize Window"},
    {"Restore Window", 36, 31, "Restore Window"},
    {"Start PI-Controller", 37, 32, "Start PI-Controller"},
    {"Halt PI-Controller", 38, 33, "Halt PI-Controller"},
    {"Set PI-Controller", 39, 34, "Set PI-Controller"},
    {"Save Project", 40, 35, "Save Project"},
}};

}  // namespace

std::span<const ActionInfo> ActionCodes() { return kActions; }

const ActionInfo* FindAction(int code, ActionNumbering numbering) {
  if (numbering == ActionNumbering::Array) {
    return code >= 0 && code < kArrayActionCount ? &kActions[static_cast<size_t>(code)] : nullptr;
  }
  for (const ActionInfo& info : kActions) {
    if (info.controlcode >= 0 && info.controlcode == code) return &info;
  }
  return nullptr;
}

int ArrayActionFromControl(int controlcode) {
  const ActionInfo* info = FindAction(controlcode, ActionNumbering::Control);
  return info ? info->arraycode : kNoAction;
}

int ActionCodeFromName(std::string_view text, bool withwaits) {
  while (!text.empty() && text.front() == '\t') text.remove_prefix(1);
  for (const ActionInfo& info : kActions) {
    const int code = withwaits ? info.arraycode : info.controlcode;
    if (code >= 0 && info.selectorname == text) return code;
  }
  return kNoAction;
}

void ActionSlot::Choose(int code) {
  action = code;
  param.clear();
  second.clear();
  barcode.clear();
  fontsize = 120;
  barsize = 10;
}

}  // namespace korvix
