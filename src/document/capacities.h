#pragma once

namespace korvix {

// User limits. Each screen-object kind keeps kClipboardSlots more records
// as its clipboard; each automation list keeps one spare record.
constexpr int kMaxPages = 100;
constexpr int kMaxScreenObjects = 2000;
constexpr int kMaxPIControllers = 100;
constexpr int kMaxChartRecorders = 10;
constexpr int kMaxScripts = 2000;
constexpr int kMaxConditionals = 1000;
constexpr int kMaxVariables = 1000;
constexpr int kMaxDataParsers = 100;
constexpr int kClipboardSlots = 100;
constexpr int kListSpareSlots = 1;

constexpr int kMaxButtonArrayButtons = 100;
constexpr int kMaxChartRecorderFields = 10;
constexpr int kMaxScriptSteps = 1000;
constexpr int kScriptStepSpareSlots = 1;
constexpr int kMaxDataParserSteps = 100;
constexpr int kDataParserStepSpareSlots = 1;

constexpr int kLogColumnCount = 1000;

constexpr const char* kTooManyPagesMessage = "Korvix can not contain more than 100 pages.";
constexpr const char* kTooManyTextBoxesMessage = "Korvix can not contain more than 2000 Text Boxes.";
constexpr const char* kTooManyImageBoxesMessage = "Korvix can not contain more than 2000 Image Boxes.";
constexpr const char* kTooManyDataWindowsMessage = "Korvix can not contain more than 2000 Data Windows.";
constexpr const char* kTooManyTextWindowsMessage = "Korvix can not contain more than 2000 Text Windows.";
constexpr const char* kTooManyInputWindowsMessage = "Korvix can not contain more than 2000 Input Windows.";
constexpr const char* kTooManyLevelGaugesMessage = "Korvix can not contain more than 2000 Level Gauges.";
constexpr const char* kTooManyDialGaugesMessage = "Korvix can not contain more than 2000 Dial Gauges.";
constexpr const char* kTooManyMeterGaugesMessage = "Korvix can not contain more than 2000 Meter Gauges.";
constexpr const char* kTooManyVerticalGaugesMessage = "Korvix can not contain more than 2000 Vertical Gauges.";
constexpr const char* kTooManyHorizontalGaugesMessage = "Korvix can not contain more than 2000 Horizontal Gauges.";
constexpr const char* kTooManyDualHandGaugesMessage = "Korvix can not contain more than 2000 Dual Hand Gauges.";
constexpr const char* kTooManyWindVanesMessage = "Korvix can not contain more than 2000 Wind Vanes.";
constexpr const char* kTooManyPivotTrackersMessage = "Korvix can not contain more than 2000 Pivot Trackers.";
constexpr const char* kTooManySignalLampsMessage = "Korvix can not contain more than 2000 Signal Lamps.";
constexpr const char* kTooManyEventCountersMessage = "Korvix can not contain more than 2000 Event Counters.";
constexpr const char* kTooManyEventTimersMessage = "Korvix can not contain more than 2000 Event Timers.";
constexpr const char* kTooManyPushButtonsMessage = "Korvix can not contain more than 2000 Push Buttons.";
constexpr const char* kTooManyButtonArraysMessage = "Korvix can not contain more than 2000 Button Arrays.";
constexpr const char* kTooManyRockerSwitchesMessage = "Korvix can not contain more than 2000 Rocker Switches.";
constexpr const char* kTooManySliderControlsMessage = "Korvix can not contain more than 2000 Slider Controls.";
constexpr const char* kTooManyPIControllersMessage = "Korvix can not contain more than 100 PI-Controllers.";
constexpr const char* kTooManyChartRecordersMessage = "Korvix can not contain more than 10 Chart Recorders.";
constexpr const char* kTooManyScriptsMessage = "Korvix can not contain more than 2000 Scripts.";
constexpr const char* kTooManyConditionalsMessage = "Korvix can not contain more than 1000 Conditionals.";
constexpr const char* kTooManyVariablesMessage = "Korvix can not contain more than 1000 Variables.";
constexpr const char* kTooManyDataParsersMessage = "Korvix can not contain more than 100 Data Parsers.";
constexpr const char* kTooManyButtonsMessage = "A Button Array can not contain more than 100 sub buttons.";
constexpr const char* kTooManyChartFieldsMessage = "Chart Recorders can not contain more than 10 data fields.";
constexpr const char* kTooManyScriptStepsMessage = "A Script can not contain more than 1000 Steps.";
constexpr const char* kTooManyDataParserStepsMessage = "A Data Parser can not contain more than 100 steps.";

}  // namespace korvix
