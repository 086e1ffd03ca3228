#pragma once

#include <string_view>

namespace korvix {

// The field of the "Script Step Properties" dialog that a check refused or
// that opens the ID Label Selector.
enum class StepDlgField { None, First, Second };

// How the "Script Step Properties" dialog shows one step code: the prompt of
// the first field, and either the second field with its prompt or a help
// text in its place.
struct ScriptStepSetup {
  int code;
  std::string_view prompt1;
  std::string_view prompt2;  // empty when the help text stands there
  std::string_view help;     // empty when the second field shows
  StepDlgField selector;
  std::string_view group;  // the selector's name-list group; empty for all
  bool colours;            // the two colour boxes answer
  bool firstdisabled;
};

// The set-up of a code that the dialog edits; null for the codes with their
// own dialog or without fields.
const ScriptStepSetup* FindScriptStepSetup(int code);

}  // namespace korvix
