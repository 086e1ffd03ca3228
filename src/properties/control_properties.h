#pragma once

#include <string>

#include "document/control_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr const char* kRockerSwitchHelpTopic = "RockerSwitch.htm";
constexpr const char* kSliderControlHelpTopic = "SliderControl.htm";
constexpr int kMaxRepeatRate = 10;
constexpr int kValueTypeChoices = 3;

// Radio ids are the stored numbers.
constexpr int kStartWithValue = 0;
constexpr int kGetValueFromModule = 1;
constexpr int kNoValueUsed = 2;

// What the Rocker Switch dialog edits; combo indexes and radio ids are -1
// when nothing is chosen.
struct RockerSwitchFields {
  std::string title;
  int fontsize = -1;
  int textcolor = 0;
  int initmode = -1;
  std::string startvalue;
  std::string getcommand;
  int valuetype = -1;
  int responseexpected = 0;
  int repeatrate = 0;
  std::string responseto;
  std::string sendvalueto;
  int upstep = -1;
  std::string uplimit;
  std::string upprefix;
  int downstep = -1;
  std::string downlimit;
  std::string downprefix;
  int rollover = 0;
};

enum class RockerSwitchField {
  Title,
  StartValue,
  GetCommand,
  ResponseTo,
  SendValueTo,
  UpLimit,
  UpPrefix,
  DownLimit,
  DownPrefix
};

template <>
struct PropertyKind<ScreenObjectKind::RockerSwitch> {
  using Fields = RockerSwitchFields;
  static Fields Load(const RockerSwitchRecord& record);
  static void Store(const Fields& fields, RockerSwitchRecord& record);
};

// Cleans the texts in place as the dialog shows them back: the targets
// trimmed, the start value, command and prefixes without blanks.
OkCheck<RockerSwitchField> CheckRockerSwitchFields(RockerSwitchFields& fields, MessageSink& sink);

struct SliderControlFields {
  std::string title;
  int fontsize = -1;
  int textcolor = 0;
  int initmode = -1;
  std::string startvalue;
  std::string getcommand;
  int valuetype = -1;
  int responseexpected = 0;
  int continuoussend = 0;
  std::string responseto;
  std::string sendvalueto;
  int tickmarks = -1;
  int showvalues = 0;
  std::string topvalue;
  std::string bottomvalue;
  std::string sendprefix;
};

enum class SliderControlField { Title, StartValue, GetCommand, ResponseTo, SendValueTo, TopValue, BottomValue, Prefix };

// OK puts the slider's value at its bottom end, whatever a run left there.
template <>
struct PropertyKind<ScreenObjectKind::SliderControl> {
  using Fields = SliderControlFields;
  static Fields Load(const SliderControlRecord& record);
  static void Store(const Fields& fields, SliderControlRecord& record);
};

// Cleans the texts in place as the dialog shows them back; the ends are
// upper-cased. Ends that read as the same number, as '5' and '05' do, are
// refused like equal texts: the slider would have no travel.
OkCheck<SliderControlField> CheckSliderControlFields(SliderControlFields& fields, MessageSink& sink);

}  // namespace korvix
