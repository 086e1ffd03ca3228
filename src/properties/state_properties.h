#pragma once

#include <string>

#include "document/control_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr const char* kSignalLampHelpTopic = "SignalLamp.htm";
constexpr const char* kEventCounterHelpTopic = "EventCounter.htm";
constexpr const char* kEventTimerHelpTopic = "EventTimer.htm";
constexpr int kLampColourChoices = 5;
constexpr int kMaxFlashRate = 5;
constexpr int kMaxTitleWidth = 15;
constexpr int kTimeFormatChoices = 7;
constexpr int kTimerResetLimit = 11;

// What the Signal Lamp dialog edits; combo indexes and radio ids are -1
// when nothing is chosen.
struct SignalLampFields {
  std::string title;
  int fontsize = -1;
  int textcolor = 0;
  std::string idlabel;
  int lampcolor = -1;
  int resetstate = -1;
  int resetonrun = 0;
  int manualop = 0;
  int flashrate = 0;
  std::string ontext;
  std::string offtext;
  std::string toggletext;
};

// The fields that a state object's OK can refuse, in the dialogs' order;
// the three module texts are those that switch, count or time the object.
enum class StateObjectField { Title, IdLabel, ResetValue, FirstText, SecondText, ThirdText };

// OK puts the lamp in its reset state at once.
template <>
struct PropertyKind<ScreenObjectKind::SignalLamp> {
  using Fields = SignalLampFields;
  static Fields Load(const SignalLampRecord& record);
  static void Store(const Fields& fields, SignalLampRecord& record);
};

// Trims the ID Label and the module texts in place.
OkCheck<StateObjectField> CheckSignalLampFields(SignalLampFields& fields, MessageSink& sink);

struct EventCounterFields {
  std::string title;
  int fontsize = -1;
  int textcolor = 0;
  std::string idlabel;
  int titlewidth = -1;
  std::string resetvalue;
  int resetonrun = 0;
  int manualbuttons = 0;
  std::string inctext;
  std::string dectext;
  std::string resettext;
};

// OK shows the reset value, and the button part is as wide as the buttons
// it holds.
template <>
struct PropertyKind<ScreenObjectKind::EventCounter> {
  using Fields = EventCounterFields;
  static Fields Load(const EventCounterRecord& record);
  static void Store(const Fields& fields, EventCounterRecord& record);
};

OkCheck<StateObjectField> CheckEventCounterFields(EventCounterFields& fields, MessageSink& sink);

// The reset value is a time text in the chosen format.
struct EventTimerFields {
  std::string title;
  int fontsize = -1;
  int textcolor = 0;
  std::string idlabel;
  int titlewidth = -1;
  int timeformat = -1;
  std::string resetvalue;
  int resetonrun = 0;
  int manualbuttons = 0;
  std::string starttext;
  std::string halttext;
  std::string resettext;
};

// OK starts the timer afresh from its reset value.
template <>
struct PropertyKind<ScreenObjectKind::EventTimer> {
  using Fields = EventTimerFields;
  static Fields Load(const EventTimerRecord& record);
  static void Store(const Fields& fields, EventTimerRecord& record);
};

// A reset value beyond what the timer's 32 bits of milliseconds hold is
// refused rather than stored as 0.
OkCheck<StateObjectField> CheckEventTimerFields(EventTimerFields& fields, MessageSink& sink);

// The reset value rewritten for another time format. A text too large for
// the timer keeps its digits as they were, for OK to refuse.
std::string ReformatTimerResetValue(std::string_view resetvalue, int timeformat);

}  // namespace korvix
