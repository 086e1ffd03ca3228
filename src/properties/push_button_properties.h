#pragma once

#include <string>

#include "automation/action_codes.h"
#include "document/control_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr const char* kPushButtonHelpTopic = "PushButton.htm";

// What the Push Button dialog edits: the caption and the press and release
// functions, each an action without waits and a hold flag.
struct PushButtonFields {
  std::string title;
  int fontsize = -1;
  int textcolor = 0;
  ActionSlot press;
  int pressholds = 0;
  ActionSlot release;
  int releaseholds = 0;
};

enum class PushButtonField { Title, PressParameter, PressSecond, ReleaseParameter, ReleaseSecond };

// A second text of blanks alone is stored empty.
template <>
struct PropertyKind<ScreenObjectKind::PushButton> {
  using Fields = PushButtonFields;
  static Fields Load(const PushButtonRecord& record);
  static void Store(const Fields& fields, PushButtonRecord& record);
};

// Trims the four action texts in place, as the dialog shows them back. Both
// parameters' label references are checked before either function's own
// checks.
OkCheck<PushButtonField> CheckPushButtonFields(PushButtonFields& fields, const std::string& namelist,
                                               MessageSink& sink);

}  // namespace korvix
