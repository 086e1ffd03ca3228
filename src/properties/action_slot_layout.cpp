#include "properties/action_slot_layout.h"

#include <array>

namespace korvix {

namespace {

constexpr const char* kScriptPrompt = "Type in the ID Label \rof the Script sequence.";
constexpr const char* kCounterPrompt = "Type in the ID Label \rof the Event Counter.";
constexpr const char* kButtonArrayPrompt = "Type in the ID Label \rof the Button Array.";
constexpr const char* kTimerPrompt = "Type in the ID Label \rof the Event Timer.";
constexpr const char* kLampPrompt = "Type in the ID Label \rof the Signal Lamp.";
constexpr const char* kChartPrompt = "Type in the ID Label \rof the Chart Recorder.";
constexpr const char* kControllerPrompt = "Type in the ID Label \rof the PI-Controller.";

constexpr const char* kScripts = "<Scripts>";
constexpr const char* kCounters = "<Event Counters>";
constexpr const char* kButtonArrays = "<Button Arrays>";
constexpr const char* kTimers = "<Event Timers>";
constexpr const char* kLamps = "<Signal Lamps>";
constexpr const char* kCharts = "<Chart Recorders>";
constexpr const char* kControllers = "<PI-Controllers>";

constexpr ActionSlotLayout Prompt(const char* prompt) { return {prompt, {}, true, SlotSelector::None, {}, false, {}}; }
constexpr ActionSlotLayout Named(const char* prompt, const char* group) {
  return {prompt, {}, true, SlotSelector::Parameter, group, false, {}};
}
constexpr ActionSlotLayout Information(const char* text) {
  return {text, {}, false, SlotSelector::None, {}, false, {}};
}
constexpr ActionSlotLayout Second(const char* label, SlotSelector selector = SlotSelector::None,
                                  const char* group = "") {
  return {{}, label, true, selector, group, false, {}};
}
constexpr ActionSlotLayout SubDialog(const char* label, SlotSubDialog dialog) {
  return {{}, label, true, SlotSelector::None, {}, false, dialog};
}

// In ArrayActionCode order.
constexpr std::array<ActionSlotLayout, kArrayActionCount> kLayouts{{
    Second("Send the response to \rthis object or variable:", SlotSelector::Second),
    Prompt("Type in the data string to \rwait for via the COM port."),
    Prompt("Type in the time to pause \rlisted in milliseconds."),
    Named(kScriptPrompt, kScripts),
    Named(kScriptPrompt, kScripts),
    Named(kScriptPrompt, kScripts),
    Named(kCounterPrompt, kCounters),
    Named(kCounterPrompt, kCounters),
    Named(kCounterPrompt, kCounters),
    Named(kButtonArrayPrompt, kButtonArrays),
    Named(kButtonArrayPrompt, kButtonArrays),
    Named(kButtonArrayPrompt, kButtonArrays),
    Named(kTimerPrompt, kTimers),
    Named(kTimerPrompt, kTimers),
    Named(kTimerPrompt, kTimers),
    Named(kLampPrompt, kLamps),
    Named(kLampPrompt, kLamps),
    Named(kLampPrompt, kLamps),
    Information("Use the Data Logging dialog box to \rselect the data fields to log to file."),
    {{}, "Use this mathematical \rformula to set value:", true, SlotSelector::Parameter, {}, true, {}},
    Prompt("Type in the name of a WAV sound file. \rThe filename extension is not necessary."),
    Prompt("Type in the name of an executable (.exe) \rprogram including arguments if needed."),
    Second("Send the data to \rthis object or variable:", SlotSelector::Second),
    Second("Send this data string \ror variable to the file:"),
    Prompt("Type in a valid page \rnumber to switch to."),
    Prompt("Type in a telephone number to dial which \rwill ring for 30 seconds and then hang up."),
    Named(kChartPrompt, kCharts),
    Named(kChartPrompt, kCharts),
    Second("Type in the title of \rthe button to select:", SlotSelector::Parameter, kButtonArrays),
    SubDialog("Click at right to pull up \rthe Email setup box:", SlotSubDialog::Email),
    SubDialog("Click at right to pull up \rthe Label setup box:", SlotSubDialog::PrintLabel),
    Second("Execute this Script if a \rmodule didn't respond:", SlotSelector::Second, kScripts),
    Prompt("Type in the time to pause, listed in \rSeconds, Hrs:Min, or Hrs:Min:Sec."),
    Information("This function will halt the main \rrun-loop and return to edit mode."),
    Information("This function will force the \rKorvix program to shut down."),
    Information("This function will minimize the \rKorvix window but keep it running."),
    Information("This function will restore the \rKorvix window to its' original size."),
    Named(kControllerPrompt, kControllers),
    Named(kControllerPrompt, kControllers),
    Second("Type in the value \rof the new set point:", SlotSelector::Parameter, kControllers),
    Information("This function will save the project \rand any variables that do not reset."),
}};

constexpr ActionSlotLayout kNoActionLayout{};

}  // namespace

const ActionSlotLayout& LayoutOfAction(int code, ActionNumbering numbering) {
  const ActionInfo* info = FindAction(code, numbering);
  return info ? kLayouts[static_cast<size_t>(info->arraycode)] : kNoActionLayout;
}

}  // namespace korvix
