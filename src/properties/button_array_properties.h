#pragma once

#include <string>

#include "automation/action_codes.h"
#include "document/control_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

constexpr const char* kButtonArrayHelpTopic = "ButtonArray.htm";

// What "Close" of the Button Array Configuration stores; the sub buttons
// are written as each request is served.
struct ButtonArraySettings {
  std::string idlabel;
  int fontsize = -1;
  int executeonchange = 0;
};

ButtonArraySettings LoadButtonArraySettings(const ButtonArrayRecord& record);
void StoreButtonArraySettings(const ButtonArraySettings& settings, ButtonArrayRecord& record);
// Trims the ID Label in place; false when a message refused it.
bool CheckButtonArraySettings(ButtonArraySettings& settings, MessageSink& sink);

// What the Button Properties dialog edits of one sub button; its action is
// in the full numbering, waits included.
struct ArrayButtonFields {
  std::string title;
  int textcolor = 0;
  ActionSlot slot;
};

enum class ArrayButtonField { Title, Parameter, Second };

ArrayButtonFields LoadArrayButtonFields(const ButtonArrayButton& button);
void StoreArrayButtonFields(const ArrayButtonFields& fields, ButtonArrayButton& button);
// Trims the title and both action texts in place, as the dialog shows them
// back.
OkCheck<ArrayButtonField> CheckArrayButtonFields(ArrayButtonFields& fields, const std::string& namelist,
                                                 MessageSink& sink);

}  // namespace korvix
