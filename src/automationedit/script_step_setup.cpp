#include "automationedit/script_step_setup.h"

#include <algorithm>
#include <array>

namespace korvix {

namespace {

constexpr std::string_view kScriptHelp = "Type in the ID Label \rof the Script sequence.";
constexpr std::string_view kCounterHelp = "Type in the ID Label \rof the Event Counter.";
constexpr std::string_view kButtonArrayHelp = "Type in the ID Label \rof the Button Array.";
constexpr std::string_view kTimerHelp = "Type in the ID Label \rof the Event Timer.";
constexpr std::string_view kLampHelp = "Type in the ID Label \rof the Signal Lamp.";
constexpr std::string_view kRecorderHelp = "Type in the ID Label \rof the Chart Recorder.";
constexpr std::string_view kControllerHelp = "Type in the ID Label \rof the PI-Controller.";
constexpr std::string_view kScripts = "<Scripts>";
constexpr std::string_view kCounters = "<Event Counters>";
constexpr std::string_view kButtonArrays = "<Button Arrays>";
constexpr std::string_view kTimers = "<Event Timers>";
constexpr std::string_view kLamps = "<Signal Lamps>";
constexpr std::string_view kRecorders = "<Chart Recorders>";
constexpr std::string_view kControllers = "<PI-Controllers>";

constexpr StepDlgField kNone = StepDlgField::None;
constexpr StepDlgField kFirst = StepDlgField::First;
constexpr StepDlgField kSecond = StepDlgField::Second;

constexpr std::array<ScriptStepSetup, 36> kSetups{{
    {0, "Transmit Command:", "Send the response to \rthis object or variable:", "", kSecond, "", false, false},
    {1, "Wait for this Data:", "", "Type in the data string to \rwait for via the COM port.", kNone, "", false, false},
    {2, "Pause for this long:", "", "Type in the time to pause, \rlisted in milliseconds.", kNone, "", false, false},
    {3, "Show this Message:", "By sending it to \rthis Text Window:", "", kSecond, "", true, false},
    {4, "Start this Script:", "", kScriptHelp, kFirst, kScripts, false, false},
    {5, "Halt this Script:", "", kScriptHelp, kFirst, kScripts, false, false},
    {6, "Wait Script End:", "", kScriptHelp, kFirst, kScripts, false, false},
    {7, "Increment this Counter:", "", kCounterHelp, kFirst, kCounters, false, false},
    {8, "Decrement Counter:", "", kCounterHelp, kFirst, kCounters, false, false},
    {9, "Reset this Counter:", "", kCounterHelp, kFirst, kCounters, false, false},
    {10, "Start this Button Array:", "", kButtonArrayHelp, kFirst, kButtonArrays, false, false},
    {11, "Halt this Button Array:", "", kButtonArrayHelp, kFirst, kButtonArrays, false, false},
    {12, "Wait Button Array End:", "", kButtonArrayHelp, kFirst, kButtonArrays, false, false},
    {13, "Start this Event Timer:", "", kTimerHelp, kFirst, kTimers, false, false},
    {14, "Halt this Event Timer:", "", kTimerHelp, kFirst, kTimers, false, false},
    {15, "Reset this Event Timer:", "", kTimerHelp, kFirst, kTimers, false, false},
    {16, "Turn On this Lamp:", "", kLampHelp, kFirst, kLamps, false, false},
    {17, "Turn Off this Lamp:", "", kLampHelp, kFirst, kLamps, false, false},
    {18, "Toggle this Lamp:", "", kLampHelp, kFirst, kLamps, false, false},
    {19, "Log Data to File", "", "Use the Data Logging dialog box to \rselect the data fields to log to file.", kNone,
     "", false, true},
    {21, "Play this Sound File:", "",
     "Type in the name of a WAV sound file. \rThe filename extension is not necessary.", kNone, "", false, false},
    {22, "Run this Program:", "", "Type in the name of an executable (.exe) \rprogram including arguments if needed.",
     kNone, "", false, false},
    {23, "Read from this File:", "Send the data to \rthis object or variable:", "", kSecond, "", false, false},
    {24, "Write to this File:", "Send this data string \ror variable to the file:", "", kNone, "", false, false},
    {25, "Goto Page Number:", "", "Type in a valid page \rnumber to switch to.", kNone, "", false, false},
    {26, "Dial Telephone:", "", "Type in a telephone number to dial which \rwill ring for 30 seconds and then hang up.",
     kNone, "", false, false},
    {28, "Start Chart Recorder:", "", kRecorderHelp, kFirst, kRecorders, false, false},
    {29, "Halt Chart Recorder:", "", kRecorderHelp, kFirst, kRecorders, false, false},
    {30, "Set this Button Array:", "Type in the title of \rthe button to select:", "", kFirst, kButtonArrays, false,
     false},
    {32, "Ping DAQ Modules:", "Execute this Script if a \rmodule didn't respond:", "", kSecond, kScripts, false, false},
    {33, "Pause for this long:", "", "Type in the time to pause, listed in \rSeconds, Hrs:Min, or Hrs:Min:Sec.", kNone,
     "", false, false},
    {38, "Start this PI-Controller:", "", kControllerHelp, kFirst, kControllers, false, false},
    {39, "Halt this PI-Controller:", "", kControllerHelp, kFirst, kControllers, false, false},
    {40, "Set this PI-Controller:", "Type in the value \rof the new set point:", "", kFirst, kControllers, false,
     false},
    {41, "Title of Popup Box:", "Message shown in \rbody of Popup Box:", "", kNone, "", false, false},
    {104, "Loop repetition:", "",
     "Type in the max number of cycles to perform. \rIf blank, loop until <Exit Loop IF> equals TRUE.", kNone, "",
     false, false},
}};

}  // namespace

const ScriptStepSetup* FindScriptStepSetup(int code) {
  const auto found =
      std::find_if(kSetups.begin(), kSetups.end(), [code](const ScriptStepSetup& setup) { return setup.code == code; });
  return found == kSetups.end() ? nullptr : &*found;
}

}  // namespace korvix
