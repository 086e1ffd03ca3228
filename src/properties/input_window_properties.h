#pragma once

#include <string>

#include "automation/action_codes.h"
#include "document/box_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr const char* kInputWindowHelpTopic = "InputWindow.htm";
constexpr int kInputWindowMaxTitleWidth = 15;
constexpr int kResetValueLimit = 9;
// The Keypad Size entry after the five font sizes.
constexpr int kNoKeypadIndex = 5;
constexpr const char* kNoKeypadName = "None";

// The Keypad Size entry of a stored size: a font size's entry, "None" for 0
// or less, and -1 for a size the list does not offer.
int KeypadIndex(int keypadsize);
// With no entry chosen the record keeps `current`.
int KeypadSizeFromIndex(int index, int current);

// What the Input Window dialog edits; combo indexes are -1 when nothing is
// chosen. The action is in the numbering without waits.
struct InputWindowFields {
  std::string title;
  int fontsize = -1;
  int inputcolor = 0;
  int titlewidth = -1;
  std::string idlabel;
  int keypad = -1;
  std::string resetvalue;
  int resetonrun = 0;
  ActionSlot slot;
};

enum class InputWindowField { Title, IdLabel, ResetValue, Parameter, Second };

// OK shows the Reset Value as the window's value.
template <>
struct PropertyKind<ScreenObjectKind::InputWindow> {
  using Fields = InputWindowFields;
  static Fields Load(const InputWindowRecord& record);
  static void Store(const Fields& fields, InputWindowRecord& record);
};

// Trims the ID Label and both action texts in place, as the dialog shows
// them back.
OkCheck<InputWindowField> CheckInputWindowFields(InputWindowFields& fields, const std::string& namelist,
                                                 MessageSink& sink);

}  // namespace korvix
