#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/automation_records.h"

namespace korvix {

// What a step's two texts hold, as the step editor lays them out.
enum class StepField { None, Text, IdLabel, Number, Expression, Formula, File };

struct StepCodeInfo {
  int code;
  std::string_view name;
  // Names of earlier versions that files and pasted lists may still hold.
  std::span<const std::string_view> oldernames;
  StepField param1;
  StepField param2;
  // The ID Label Selector group for the field that opens it ("" all, none
  // when the step has no label field).
  std::string_view selector;
  // The same action in ArrayActionCode, -1 for steps that only Scripts have.
  int arrayaction;
};

// Flow steps that shape the step list.
enum StepCode : int {
  kStepTransmitCommand = 0,
  kStepWaitForData = 1,
  kStepPauseMilliseconds = 2,
  kStepShowMessage = 3,
  kStepShowPopupBox = 41,
  kStepExitScript = 43,
  kStepIf = 100,
  kStepElseIf = 101,
  kStepElse = 102,
  kStepEndIf = 103,
  kStepLoop = 104,
  kStepExitLoopIf = 105,
  kStepEndLoop = 106,
};

// Every step code in code order: 0 to 43, then 100 to 106.
std::span<const StepCodeInfo> StepCodes();
// Null for a code outside the table.
const StepCodeInfo* FindStepCode(int code);

// The display name; "" for a code outside the table.
std::string StepNameFromCode(int code);
// Leading tabs, then leading "<", then trailing ">" removed; the rest matched
// exactly against the display and older names. -1 when nothing matches.
int StepCodeFromName(std::string_view text);

// Steps without fields cannot be opened for editing.
bool StepHasFields(int code);

// The nesting depth of each step, in step order. Never stored: it follows
// from the steps' codes alone.
std::vector<int> ComputeStepDepths(const ScriptStepList& steps);

// One step of that walk: the depth of a step of `code`, with `depth` carried
// from the step before and left for the step after.
int NextStepDepth(int code, int& depth);

// The steps that take a new step's field values, as "Add Step" appends it.
ScriptStep NewScriptStep(int code);

// Appends a step with the new-step field values (no code given, so no
// "Discard" either); its index, or -1 when the Script already holds 1000.
int AddScriptEntry(ScriptStepList& steps);

}  // namespace korvix
