#pragma once

#include <array>
#include <string_view>
#include <type_traits>
#include <utility>

#include "document/korvix_doc.h"
#include "document/screen_object_kind.h"

namespace korvix {

constexpr int kObjectKindCount = 22;
static_assert(static_cast<int>(ScreenObjectKind::ChartRecorder) + 1 == kObjectKindCount);

constexpr int KindIndex(ScreenObjectKind kind) { return static_cast<int>(kind); }

// The one table of what the kinds have in common, read by every layer above
// the document. Per kind: its record and list; its names; the prefix of its
// new ID Labels (empty for the kinds without one); the labels whose values
// it shows or takes, as what each adds to its ID Label; its limit message;
// its data-log column fields, in the order their columns are numbered; whether
// the Run-Loop polls it with its `pollcommand`; whether it sends commands of
// its own to the modules; whether the live-value server can push its value to
// a hot link; whether it is a needle kind, which repaints only its moving part
// when its value changes and so keeps the value it last drew.
template <ScreenObjectKind K>
struct KindTraits;

// A data-log column field and which of the kind's value labels it logs.
template <class Record>
struct LogColumnField {
  int Record::*field;
  int valuelabel;
};

template <ScreenObjectKind K>
using KindTag = std::integral_constant<ScreenObjectKind, K>;

template <ScreenObjectKind K>
using RecordOf = typename KindTraits<K>::Record;

template <>
struct KindTraits<ScreenObjectKind::TextBox> {
  using Record = TextBoxRecord;
  static constexpr auto kList = &CKorvixDoc::m_textboxes;
  static constexpr std::string_view kName = "Text Box";
  static constexpr std::string_view kPluralName = "Text Boxes";
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr std::array<const char*, 0> kValueLabels{};
  static constexpr const char* kOverLimitMessage = kTooManyTextBoxesMessage;
  static constexpr std::array<LogColumnField<Record>, 0> kLogColumns{};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::ImageBox> {
  using Record = ImageBoxRecord;
  static constexpr auto kList = &CKorvixDoc::m_imageboxes;
  static constexpr std::string_view kName = "Image Box";
  static constexpr std::string_view kPluralName = "Image Boxes";
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr std::array<const char*, 0> kValueLabels{};
  static constexpr const char* kOverLimitMessage = kTooManyImageBoxesMessage;
  static constexpr std::array<LogColumnField<Record>, 0> kLogColumns{};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::DataWindow> {
  using Record = DataWindowRecord;
  static constexpr auto kList = &CKorvixDoc::m_datawindows;
  static constexpr std::string_view kName = "Data Window";
  static constexpr std::string_view kPluralName = "Data Windows";
  static constexpr std::string_view kLabelPrefix = "DataWindow";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyDataWindowsMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::TextWindow> {
  using Record = TextWindowRecord;
  static constexpr auto kList = &CKorvixDoc::m_textwindows;
  static constexpr std::string_view kName = "Text Window";
  static constexpr std::string_view kPluralName = "Text Windows";
  static constexpr std::string_view kLabelPrefix = "TextWindow";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyTextWindowsMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::InputWindow> {
  using Record = InputWindowRecord;
  static constexpr auto kList = &CKorvixDoc::m_inputwindows;
  static constexpr std::string_view kName = "Input Window";
  static constexpr std::string_view kPluralName = "Input Windows";
  static constexpr std::string_view kLabelPrefix = "InputWindow";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyInputWindowsMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = true;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::LevelGauge> {
  using Record = LevelGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_levelgauges;
  static constexpr std::string_view kName = "Level Gauge";
  static constexpr std::string_view kPluralName = "Level Gauges";
  static constexpr std::string_view kLabelPrefix = "Level";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyLevelGaugesMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::DialGauge> {
  using Record = DialGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_dialgauges;
  static constexpr std::string_view kName = "Dial Gauge";
  static constexpr std::string_view kPluralName = "Dial Gauges";
  static constexpr std::string_view kLabelPrefix = "Dial";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyDialGaugesMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = true;
};

template <>
struct KindTraits<ScreenObjectKind::MeterGauge> {
  using Record = MeterGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_metergauges;
  static constexpr std::string_view kName = "Meter Gauge";
  static constexpr std::string_view kPluralName = "Meter Gauges";
  static constexpr std::string_view kLabelPrefix = "Meter";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyMeterGaugesMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = true;
};

template <>
struct KindTraits<ScreenObjectKind::VerticalGauge> {
  using Record = VerticalGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_vertgauges;
  static constexpr std::string_view kName = "Vertical Gauge";
  static constexpr std::string_view kPluralName = "Vertical Gauges";
  static constexpr std::string_view kLabelPrefix = "VGauge";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyVerticalGaugesMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = true;
};

template <>
struct KindTraits<ScreenObjectKind::HorizontalGauge> {
  using Record = HorizontalGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_horzgauges;
  static constexpr std::string_view kName = "Horizontal Gauge";
  static constexpr std::string_view kPluralName = "Horizontal Gauges";
  static constexpr std::string_view kLabelPrefix = "HGauge";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyHorizontalGaugesMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = true;
};

template <>
struct KindTraits<ScreenObjectKind::DualHandGauge> {
  using Record = DualHandGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_dualhandgauges;
  static constexpr std::string_view kName = "Dual Hand Gauge";
  static constexpr std::string_view kPluralName = "Dual Hand Gauges";
  static constexpr std::string_view kLabelPrefix = "DHGauge";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyDualHandGaugesMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = true;
};

template <>
struct KindTraits<ScreenObjectKind::WindVane> {
  using Record = WindVaneRecord;
  static constexpr auto kList = &CKorvixDoc::m_windvanes;
  static constexpr std::string_view kName = "Wind Vane";
  static constexpr std::string_view kPluralName = "Wind Vanes";
  static constexpr std::string_view kLabelPrefix = "WindVane";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyWindVanesMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = true;
};

template <>
struct KindTraits<ScreenObjectKind::PivotTracker> {
  using Record = PivotTrackerRecord;
  static constexpr auto kList = &CKorvixDoc::m_pivottrackers;
  static constexpr std::string_view kName = "Pivot Tracker";
  static constexpr std::string_view kPluralName = "Pivot Trackers";
  static constexpr std::string_view kLabelPrefix = "Pivot";
  static constexpr std::array<const char*, 4> kValueLabels{"", ".run", ".water", ".sis"};
  static constexpr const char* kOverLimitMessage = kTooManyPivotTrackersMessage;
  static constexpr std::array<LogColumnField<Record>, 4> kLogColumns{
      {{&Record::logcolumn, 0}, {&Record::logcolumnrun, 1}, {&Record::logcolumnwater, 2}, {&Record::logcolumnsis, 3}}};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::SignalLamp> {
  using Record = SignalLampRecord;
  static constexpr auto kList = &CKorvixDoc::m_signallamps;
  static constexpr std::string_view kName = "Signal Lamp";
  static constexpr std::string_view kPluralName = "Signal Lamps";
  static constexpr std::string_view kLabelPrefix = "Lamp";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManySignalLampsMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::EventCounter> {
  using Record = EventCounterRecord;
  static constexpr auto kList = &CKorvixDoc::m_eventcounters;
  static constexpr std::string_view kName = "Event Counter";
  static constexpr std::string_view kPluralName = "Event Counters";
  static constexpr std::string_view kLabelPrefix = "Counter";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyEventCountersMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::EventTimer> {
  using Record = EventTimerRecord;
  static constexpr auto kList = &CKorvixDoc::m_eventtimers;
  static constexpr std::string_view kName = "Event Timer";
  static constexpr std::string_view kPluralName = "Event Timers";
  static constexpr std::string_view kLabelPrefix = "Timer";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyEventTimersMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::PushButton> {
  using Record = PushButtonRecord;
  static constexpr auto kList = &CKorvixDoc::m_pushbuttons;
  static constexpr std::string_view kName = "Push Button";
  static constexpr std::string_view kPluralName = "Push Buttons";
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr std::array<const char*, 0> kValueLabels{};
  static constexpr const char* kOverLimitMessage = kTooManyPushButtonsMessage;
  static constexpr std::array<LogColumnField<Record>, 0> kLogColumns{};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = true;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::ButtonArray> {
  using Record = ButtonArrayRecord;
  static constexpr auto kList = &CKorvixDoc::m_buttonarrays;
  static constexpr std::string_view kName = "Button Array";
  static constexpr std::string_view kPluralName = "Button Arrays";
  static constexpr std::string_view kLabelPrefix = "ButtonArray";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyButtonArraysMessage;
  static constexpr std::array<LogColumnField<Record>, 0> kLogColumns{};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = true;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::RockerSwitch> {
  using Record = RockerSwitchRecord;
  static constexpr auto kList = &CKorvixDoc::m_rockerswitches;
  static constexpr std::string_view kName = "Rocker Switch";
  static constexpr std::string_view kPluralName = "Rocker Switches";
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr std::array<const char*, 0> kValueLabels{};
  static constexpr const char* kOverLimitMessage = kTooManyRockerSwitchesMessage;
  static constexpr std::array<LogColumnField<Record>, 0> kLogColumns{};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = true;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::SliderControl> {
  using Record = SliderControlRecord;
  static constexpr auto kList = &CKorvixDoc::m_slidercontrols;
  static constexpr std::string_view kName = "Slider Control";
  static constexpr std::string_view kPluralName = "Slider Controls";
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr std::array<const char*, 0> kValueLabels{};
  static constexpr const char* kOverLimitMessage = kTooManySliderControlsMessage;
  static constexpr std::array<LogColumnField<Record>, 0> kLogColumns{};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = true;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

// The controller's column is released like every other kind's: a column
// left pointing at a deleted record would keep logging nothing forever.
template <>
struct KindTraits<ScreenObjectKind::PIController> {
  using Record = PIControllerRecord;
  static constexpr auto kList = &CKorvixDoc::m_picontrollers;
  static constexpr std::string_view kName = "PI-Controller";
  static constexpr std::string_view kPluralName = "PI-Controllers";
  static constexpr std::string_view kLabelPrefix = "Controller";
  static constexpr std::array<const char*, 1> kValueLabels{""};
  static constexpr const char* kOverLimitMessage = kTooManyPIControllersMessage;
  static constexpr std::array<LogColumnField<Record>, 1> kLogColumns{{{&Record::logcolumn, 0}}};
  static constexpr bool kPolled = true;
  static constexpr bool kSendsCommands = true;
  static constexpr bool kLinked = true;
  static constexpr bool kNeedle = false;
};

template <>
struct KindTraits<ScreenObjectKind::ChartRecorder> {
  using Record = ChartRecorderRecord;
  static constexpr auto kList = &CKorvixDoc::m_chartrecorders;
  static constexpr std::string_view kName = "Chart Recorder";
  static constexpr std::string_view kPluralName = "Chart Recorders";
  static constexpr std::string_view kLabelPrefix = "ChartRec";
  static constexpr std::array<const char*, 0> kValueLabels{};
  static constexpr const char* kOverLimitMessage = kTooManyChartRecordersMessage;
  static constexpr std::array<LogColumnField<Record>, 0> kLogColumns{};
  static constexpr bool kPolled = false;
  static constexpr bool kSendsCommands = false;
  static constexpr bool kLinked = false;
  static constexpr bool kNeedle = false;
};

template <ScreenObjectKind K>
using ListTypeOf = std::remove_reference_t<decltype(std::declval<CKorvixDoc&>().*KindTraits<K>::kList)>;

// The most live records of a kind; the list keeps its clipboard slots after
// them.
template <ScreenObjectKind K>
constexpr int kCapacityOf = ListTypeOf<K>::kLimit;

template <ScreenObjectKind K>
auto& ListOf(CKorvixDoc& doc) {
  return doc.*KindTraits<K>::kList;
}

template <ScreenObjectKind K>
const auto& ListOf(const CKorvixDoc& doc) {
  return doc.*KindTraits<K>::kList;
}

// Calls f(KindTag<K>{}) for every kind, in kind order.
template <class F>
constexpr void ForEachKind(F&& f) {
  [&]<int... I>(std::integer_sequence<int, I...>) { (f(KindTag<static_cast<ScreenObjectKind>(I)>{}), ...); }
  (std::make_integer_sequence<int, kObjectKindCount>{});
}

// Calls f(KindTag<K>{}) for the one kind given at run time.
template <class F>
constexpr void VisitKind(ScreenObjectKind kind, F&& f) {
  ForEachKind([&](auto tag) {
    if (tag.value == kind) f(tag);
  });
}

constexpr bool IsPolledKind(ScreenObjectKind kind) {
  bool polled = false;
  VisitKind(kind, [&](auto tag) { polled = KindTraits<decltype(tag)::value>::kPolled; });
  return polled;
}

constexpr bool SendsCommands(ScreenObjectKind kind) {
  bool sends = false;
  VisitKind(kind, [&](auto tag) { sends = KindTraits<decltype(tag)::value>::kSendsCommands; });
  return sends;
}

constexpr bool IsLinkedKind(ScreenObjectKind kind) {
  bool linked = false;
  VisitKind(kind, [&](auto tag) { linked = KindTraits<decltype(tag)::value>::kLinked; });
  return linked;
}

constexpr bool IsNeedleKind(ScreenObjectKind kind) {
  bool needle = false;
  VisitKind(kind, [&](auto tag) { needle = KindTraits<decltype(tag)::value>::kNeedle; });
  return needle;
}

// Calls use(record) with record `index` of `kind`.
template <class Doc, class Use>
void WithRecord(Doc& doc, ScreenObjectKind kind, int index, Use&& use) {
  VisitKind(kind, [&](auto tag) { use(ListOf<decltype(tag)::value>(doc)[index]); });
}

// Calls f(tag, index, record) for every live object, kind by kind.
template <class Doc, class F>
void ForEachObject(Doc& doc, F&& f) {
  ForEachKind([&](auto tag) {
    auto& list = ListOf<decltype(tag)::value>(doc);
    for (int i = 0; i < list.Count(); ++i) f(tag, i, list[i]);
  });
}

}  // namespace korvix
