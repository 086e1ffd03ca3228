#pragma once

#include <span>
#include <string>
#include <string_view>

namespace korvix {

// The action vocabulary in its full numbering, ArrayActionCode, which Button
// Array sub buttons store.
enum class ArrayAction : int {
  TransmitCommand = 0,
  WaitForData,
  PauseMilliseconds,
  RunScript,
  HaltScript,
  WaitScriptEnd,
  IncrementCounter,
  DecrementCounter,
  ResetCounter,
  RunButtonArray,
  HaltButtonArray,
  WaitButtonArray,
  StartEventTimer,
  HaltEventTimer,
  ResetEventTimer,
  TurnOnLamp,
  TurnOffLamp,
  ToggleLamp,
  LogDataToFile,
  MathConversion,
  PlaySoundFile,
  RunProgram,
  ReadFromFile,
  WriteToFile,
  GotoPageNumber,
  DialTelephone,
  StartChartRecorder,
  HaltChartRecorder,
  SetButtonArray,
  SendEmail,
  PrintLabel,
  PingDaqModules,
  PauseHrsMinSec,
  HaltRunLoop,
  QuitProgram,
  MinimizeWindow,
  RestoreWindow,
  StartPIController,
  HaltPIController,
  SetPIController,
  SaveProject,
};

constexpr int kArrayActionCount = 41;    // ArrayActionCode 0 to 40
constexpr int kControlActionCount = 36;  // ControlActionCode 0 to 35
constexpr int kNoAction = -1;

struct ActionInfo {
  std::string_view selectorname;  // the Function Selector's name
  int arraycode;                  // ArrayActionCode
  int controlcode;                // ControlActionCode, -1 for the waiting actions
  std::string_view combotext;     // shown in the property dialogs' action combo
};

// The vocabulary in ArrayActionCode order.
std::span<const ActionInfo> ActionCodes();

// Which numbering a stored code is in: fixed by the kind that holds it.
enum class ActionNumbering { Array, Control };

// The action of a stored code; no value for a code outside its numbering.
const ActionInfo* FindAction(int code, ActionNumbering numbering);
// ControlActionCode to ArrayActionCode; -1 outside 0 to 35.
int ArrayActionFromControl(int controlcode);

// Leading tabs removed, then matched exactly against the selector names of
// the numbering (withwaits: ArrayActionCode); -1 when nothing matches.
int ActionCodeFromName(std::string_view text, bool withwaits);

// What every holder of an action keeps: the code in its own numbering, its
// two texts and the print settings that only "Print Label" reads.
struct ActionSlot {
  int action = kNoAction;
  std::string param;    // at most 112 characters
  std::string second;   // at most 1000 characters
  int fontsize = 120;   // tenths of a point
  std::string barcode;  // at most 70 characters
  int barsize = 10;     // mils

  // A new action chosen: both texts and the print settings start afresh.
  void Choose(int code);
};

constexpr size_t kActionParamLimit = 112;
constexpr size_t kActionSecondLimit = 1000;
constexpr size_t kActionBarcodeLimit = 70;

}  // namespace korvix
