#include "automation/step_codes.h"

#include <algorithm>
#include <array>

namespace korvix {
namespace {

using F = StepField;
using Names = std::span<const std::string_view>;

constexpr std::array<std::string_view, 1> kOldPause{"Pause for this long"};
constexpr std::array<std::string_view, 3> kOldMessage{"Send this Message", "Send Text Message", "Send Message"};
constexpr std::array<std::string_view, 1> kOldStartScript{"Start this Sequence"};
constexpr std::array<std::string_view, 1> kOldHaltScript{"Halt this Sequence"};
constexpr std::array<std::string_view, 1> kOldWaitScript{"Wait Sequence End"};
constexpr std::array<std::string_view, 1> kOldStartArray{"Start this Button Array"};
constexpr std::array<std::string_view, 1> kOldHaltArray{"Halt this Button Array"};
constexpr std::array<std::string_view, 1> kOldWaitArray{"Wait Button Array End"};
constexpr std::array<std::string_view, 1> kOldLampOn{"Turn On this Lamp"};
constexpr std::array<std::string_view, 1> kOldLampOff{"Turn Off this Lamp"};
constexpr std::array<std::string_view, 1> kOldLampToggle{"Toggle this Lamp"};
constexpr std::array<std::string_view, 1> kOldMath{"Math Conversion on"};
constexpr std::array<std::string_view, 1> kOldSound{"Play this Sound File"};
constexpr std::array<std::string_view, 2> kOldProgram{"Run this Program", "Run EXE Program"};
constexpr std::array<std::string_view, 1> kOldRead{"Read from this File"};
constexpr std::array<std::string_view, 1> kOldWrite{"Write to this File"};
constexpr std::array<std::string_view, 1> kOldPing{"Ping Data Modules"};

constexpr std::array<StepCodeInfo, 51> kSteps{{
    {0, "Transmit Command", {}, F::Text, F::IdLabel, "", 0},
    {1, "Wait for this Data", {}, F::Text, F::None, "", 1},
    {2, "Pause Milliseconds", kOldPause, F::Number, F::None, "", 2},
    {3, "Show Message", kOldMessage, F::Text, F::IdLabel, "", -1},
    {4, "Start a Script", kOldStartScript, F::IdLabel, F::None, "<Scripts>", 3},
    {5, "Halt a Script", kOldHaltScript, F::IdLabel, F::None, "<Scripts>", 4},
    {6, "Wait Script End", kOldWaitScript, F::IdLabel, F::None, "<Scripts>", 5},
    {7, "Increment Counter", {}, F::IdLabel, F::None, "<Event Counters>", 6},
    {8, "Decrement Counter", {}, F::IdLabel, F::None, "<Event Counters>", 7},
    {9, "Reset Counter", {}, F::IdLabel, F::None, "<Event Counters>", 8},
    {10, "Start Button Array", kOldStartArray, F::IdLabel, F::None, "<Button Arrays>", 9},
    {11, "Halt Button Array", kOldHaltArray, F::IdLabel, F::None, "<Button Arrays>", 10},
    {12, "Wait Button Array", kOldWaitArray, F::IdLabel, F::None, "<Button Arrays>", 11},
    {13, "Start Event Timer", {}, F::IdLabel, F::None, "<Event Timers>", 12},
    {14, "Halt Event Timer", {}, F::IdLabel, F::None, "<Event Timers>", 13},
    {15, "Reset Event Timer", {}, F::IdLabel, F::None, "<Event Timers>", 14},
    {16, "Turn On Lamp", kOldLampOn, F::IdLabel, F::None, "<Signal Lamps>", 15},
    {17, "Turn Off Lamp", kOldLampOff, F::IdLabel, F::None, "<Signal Lamps>", 16},
    {18, "Toggle Lamp", kOldLampToggle, F::IdLabel, F::None, "<Signal Lamps>", 17},
    {19, "Log Data to File", {}, F::None, F::None, "", 18},
    {20, "Math Conversion", kOldMath, F::IdLabel, F::Formula, "", 19},
    {21, "Play Sound File", kOldSound, F::File, F::None, "", 20},
    {22, "Run a Program", kOldProgram, F::Text, F::None, "", 21},
    {23, "Read from File", kOldRead, F::File, F::IdLabel, "", 22},
    {24, "Write to File", kOldWrite, F::File, F::Text, "", 23},
    {25, "Goto Page Number", {}, F::Number, F::None, "", 24},
    {26, "Dial Telephone", {}, F::Text, F::None, "", 25},
    {27, "Send Email", {}, F::Text, F::Text, "", 29},
    {28, "Start Chart Recorder", {}, F::IdLabel, F::None, "<Chart Recorders>", 26},
    {29, "Halt Chart Recorder", {}, F::IdLabel, F::None, "<Chart Recorders>", 27},
    {30, "Set Button Array", {}, F::IdLabel, F::Text, "<Button Arrays>", 28},
    {31, "Print Label", {}, F::Text, F::Text, "", 30},
    {32, "Ping DAQ Modules", kOldPing, F::Text, F::IdLabel, "<Scripts>", 31},
    {33, "Pause Hrs:Min:Sec", {}, F::Text, F::None, "", 32},
    {34, "Halt Run-Loop", {}, F::None, F::None, "", 33},
    {35, "Quit Program", {}, F::None, F::None, "", 34},
    {36, "Minimize Window", {}, F::None, F::None, "", 35},
    {37, "Restore Window", {}, F::None, F::None, "", 36},
    {38, "Start PI-Controller", {}, F::IdLabel, F::None, "<PI-Controllers>", 37},
    {39, "Halt PI-Controller", {}, F::IdLabel, F::None, "<PI-Controllers>", 38},
    {40, "Set PI-Controller", {}, F::IdLabel, F::Number, "<PI-Controllers>", 39},
    {41, "Show Popup Box", {}, F::Text, F::Text, "", -1},
    {42, "Save Project", {}, F::None, F::None, "", 40},
    {43, "Exit Script", {}, F::None, F::None, "", -1},
    {100, "IF", {}, F::Expression, F::None, "", -1},
    {101, "Else IF", {}, F::Expression, F::None, "", -1},
    {102, "Else", {}, F::None, F::None, "", -1},
    {103, "End IF", {}, F::None, F::None, "", -1},
    {104, "Loop", {}, F::Number, F::None, "", -1},
    {105, "Exit Loop IF", {}, F::Expression, F::None, "", -1},
    {106, "End Loop", {}, F::None, F::None, "", -1},
}};

constexpr std::string_view kNewTransmitTarget = "Discard";

}  // namespace

std::span<const StepCodeInfo> StepCodes() { return kSteps; }

const StepCodeInfo* FindStepCode(int code) {
  const auto found =
      std::find_if(kSteps.begin(), kSteps.end(), [code](const StepCodeInfo& info) { return info.code == code; });
  return found == kSteps.end() ? nullptr : &*found;
}

std::string StepNameFromCode(int code) {
  const StepCodeInfo* info = FindStepCode(code);
  return info ? std::string(info->name) : std::string();
}

int StepCodeFromName(std::string_view text) {
  while (!text.empty() && text.front() == '\t') text.remove_prefix(1);
  while (!text.empty() && text.front() == '<') text.remove_prefix(1);
  while (!text.empty() && text.back() == '>') text.remove_suffix(1);
  for (const StepCodeInfo& info : kSteps) {
    if (info.name == text) return info.code;
    if (std::find(info.oldernames.begin(), info.oldernames.end(), text) != info.oldernames.end()) {
      return info.code;
    }
  }
  return -1;
}

bool StepHasFields(int code) {
  constexpr std::array<int, 9> kNoFields{34, 35, 36, 37, 42, 43, kStepElse, kStepEndIf, kStepEndLoop};
  return FindStepCode(code) != nullptr && std::find(kNoFields.begin(), kNoFields.end(), code) == kNoFields.end();
}

int NextStepDepth(int code, int& depth) {
  if (code == kStepElseIf || code == kStepElse || code == kStepEndIf || code == kStepEndLoop) {
    depth = std::max(0, depth - 1);
  }
  const int own = depth;
  if (code == kStepIf || code == kStepElseIf || code == kStepElse || code == kStepLoop) ++depth;
  return own;
}

std::vector<int> ComputeStepDepths(const ScriptStepList& steps) {
  std::vector<int> depths;
  depths.reserve(static_cast<std::size_t>(steps.Count()));
  int depth = 0;
  for (const ScriptStep& step : steps) depths.push_back(NextStepDepth(step.code, depth));
  return depths;
}

ScriptStep NewScriptStep(int code) {
  ScriptStep step;
  step.code = code;
  if (code == kStepTransmitCommand) step.param2 = kNewTransmitTarget;
  return step;
}

int AddScriptEntry(ScriptStepList& steps) { return steps.Add(); }

}  // namespace korvix
