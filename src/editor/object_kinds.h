#pragma once

#include <array>
#include <string_view>
#include <type_traits>
#include <utility>

#include "document/korvix_doc.h"
#include "render/object_geometry.h"
#include "render/screen_objects.h"

namespace korvix {

constexpr int kObjectKindCount = 22;

constexpr int KindIndex(ScreenObjectKind kind) { return static_cast<int>(kind); }

// Per kind: its record and list, the prefix of its new ID Labels (empty for
// the kinds without one), its limit message and its data-log column fields.
template <ScreenObjectKind K>
struct KindTraits;

template <ScreenObjectKind K>
using KindTag = std::integral_constant<ScreenObjectKind, K>;

template <ScreenObjectKind K>
using RecordOf = typename KindTraits<K>::Record;

template <>
struct KindTraits<ScreenObjectKind::TextBox> {
  using Record = TextBoxRecord;
  static constexpr auto kList = &CKorvixDoc::m_textboxes;
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr const char* kOverLimitMessage = kTooManyTextBoxesMessage;
  static constexpr std::array<int Record::*, 0> kLogColumns{};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectTextBox;
};

template <>
struct KindTraits<ScreenObjectKind::ImageBox> {
  using Record = ImageBoxRecord;
  static constexpr auto kList = &CKorvixDoc::m_imageboxes;
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr const char* kOverLimitMessage = kTooManyImageBoxesMessage;
  static constexpr std::array<int Record::*, 0> kLogColumns{};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectImageBox;
};

template <>
struct KindTraits<ScreenObjectKind::DataWindow> {
  using Record = DataWindowRecord;
  static constexpr auto kList = &CKorvixDoc::m_datawindows;
  static constexpr std::string_view kLabelPrefix = "DataWindow";
  static constexpr const char* kOverLimitMessage = kTooManyDataWindowsMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectDataWindow;
};

template <>
struct KindTraits<ScreenObjectKind::TextWindow> {
  using Record = TextWindowRecord;
  static constexpr auto kList = &CKorvixDoc::m_textwindows;
  static constexpr std::string_view kLabelPrefix = "TextWindow";
  static constexpr const char* kOverLimitMessage = kTooManyTextWindowsMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectTextWindow;
};

template <>
struct KindTraits<ScreenObjectKind::InputWindow> {
  using Record = InputWindowRecord;
  static constexpr auto kList = &CKorvixDoc::m_inputwindows;
  static constexpr std::string_view kLabelPrefix = "InputWindow";
  static constexpr const char* kOverLimitMessage = kTooManyInputWindowsMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectInputWindow;
};

template <>
struct KindTraits<ScreenObjectKind::LevelGauge> {
  using Record = LevelGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_levelgauges;
  static constexpr std::string_view kLabelPrefix = "Level";
  static constexpr const char* kOverLimitMessage = kTooManyLevelGaugesMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectLevelGauge;
};

template <>
struct KindTraits<ScreenObjectKind::DialGauge> {
  using Record = DialGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_dialgauges;
  static constexpr std::string_view kLabelPrefix = "Dial";
  static constexpr const char* kOverLimitMessage = kTooManyDialGaugesMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectDialGauge;
};

template <>
struct KindTraits<ScreenObjectKind::MeterGauge> {
  using Record = MeterGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_metergauges;
  static constexpr std::string_view kLabelPrefix = "Meter";
  static constexpr const char* kOverLimitMessage = kTooManyMeterGaugesMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectMeterGauge;
};

template <>
struct KindTraits<ScreenObjectKind::VerticalGauge> {
  using Record = VerticalGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_vertgauges;
  static constexpr std::string_view kLabelPrefix = "VGauge";
  static constexpr const char* kOverLimitMessage = kTooManyVerticalGaugesMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectVerticalGauge;
};

template <>
struct KindTraits<ScreenObjectKind::HorizontalGauge> {
  using Record = HorizontalGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_horzgauges;
  static constexpr std::string_view kLabelPrefix = "HGauge";
  static constexpr const char* kOverLimitMessage = kTooManyHorizontalGaugesMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectHorizontalGauge;
};

template <>
struct KindTraits<ScreenObjectKind::DualHandGauge> {
  using Record = DualHandGaugeRecord;
  static constexpr auto kList = &CKorvixDoc::m_dualhandgauges;
  static constexpr std::string_view kLabelPrefix = "DHGauge";
  static constexpr const char* kOverLimitMessage = kTooManyDualHandGaugesMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectDualHandGauge;
};

template <>
struct KindTraits<ScreenObjectKind::WindVane> {
  using Record = WindVaneRecord;
  static constexpr auto kList = &CKorvixDoc::m_windvanes;
  static constexpr std::string_view kLabelPrefix = "WindVane";
  static constexpr const char* kOverLimitMessage = kTooManyWindVanesMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectWindVane;
};

template <>
struct KindTraits<ScreenObjectKind::PivotTracker> {
  using Record = PivotTrackerRecord;
  static constexpr auto kList = &CKorvixDoc::m_pivottrackers;
  static constexpr std::string_view kLabelPrefix = "Pivot";
  static constexpr const char* kOverLimitMessage = kTooManyPivotTrackersMessage;
  static constexpr std::array<int Record::*, 4> kLogColumns{&Record::logcolumn, &Record::logcolumnrun,
                                                            &Record::logcolumnwater, &Record::logcolumnsis};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectPivotTracker;
};

template <>
struct KindTraits<ScreenObjectKind::SignalLamp> {
  using Record = SignalLampRecord;
  static constexpr auto kList = &CKorvixDoc::m_signallamps;
  static constexpr std::string_view kLabelPrefix = "Lamp";
  static constexpr const char* kOverLimitMessage = kTooManySignalLampsMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectSignalLamp;
};

template <>
struct KindTraits<ScreenObjectKind::EventCounter> {
  using Record = EventCounterRecord;
  static constexpr auto kList = &CKorvixDoc::m_eventcounters;
  static constexpr std::string_view kLabelPrefix = "Counter";
  static constexpr const char* kOverLimitMessage = kTooManyEventCountersMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectEventCounter;
};

template <>
struct KindTraits<ScreenObjectKind::EventTimer> {
  using Record = EventTimerRecord;
  static constexpr auto kList = &CKorvixDoc::m_eventtimers;
  static constexpr std::string_view kLabelPrefix = "Timer";
  static constexpr const char* kOverLimitMessage = kTooManyEventTimersMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectEventTimer;
};

template <>
struct KindTraits<ScreenObjectKind::PushButton> {
  using Record = PushButtonRecord;
  static constexpr auto kList = &CKorvixDoc::m_pushbuttons;
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr const char* kOverLimitMessage = kTooManyPushButtonsMessage;
  static constexpr std::array<int Record::*, 0> kLogColumns{};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectPushButton;
};

template <>
struct KindTraits<ScreenObjectKind::ButtonArray> {
  using Record = ButtonArrayRecord;
  static constexpr auto kList = &CKorvixDoc::m_buttonarrays;
  static constexpr std::string_view kLabelPrefix = "ButtonArray";
  static constexpr const char* kOverLimitMessage = kTooManyButtonArraysMessage;
  static constexpr std::array<int Record::*, 0> kLogColumns{};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectButtonArray;
};

template <>
struct KindTraits<ScreenObjectKind::RockerSwitch> {
  using Record = RockerSwitchRecord;
  static constexpr auto kList = &CKorvixDoc::m_rockerswitches;
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr const char* kOverLimitMessage = kTooManyRockerSwitchesMessage;
  static constexpr std::array<int Record::*, 0> kLogColumns{};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectRockerSwitch;
};

template <>
struct KindTraits<ScreenObjectKind::SliderControl> {
  using Record = SliderControlRecord;
  static constexpr auto kList = &CKorvixDoc::m_slidercontrols;
  static constexpr std::string_view kLabelPrefix = {};
  static constexpr const char* kOverLimitMessage = kTooManySliderControlsMessage;
  static constexpr std::array<int Record::*, 0> kLogColumns{};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectSliderControl;
};

// The controller's column is released like every other kind's: a column
// left pointing at a deleted record would keep logging nothing forever.
template <>
struct KindTraits<ScreenObjectKind::PIController> {
  using Record = PIControllerRecord;
  static constexpr auto kList = &CKorvixDoc::m_picontrollers;
  static constexpr std::string_view kLabelPrefix = "Controller";
  static constexpr const char* kOverLimitMessage = kTooManyPIControllersMessage;
  static constexpr std::array<int Record::*, 1> kLogColumns{&Record::logcolumn};
  static constexpr auto kRect = &ObjectGeometry::ObjectRectPIController;
};

template <>
struct KindTraits<ScreenObjectKind::ChartRecorder> {
  using Record = ChartRecorderRecord;
  static constexpr auto kList = &CKorvixDoc::m_chartrecorders;
  static constexpr std::string_view kLabelPrefix = "ChartRec";
  static constexpr const char* kOverLimitMessage = kTooManyChartRecordersMessage;
  static constexpr std::array<int Record::*, 0> kLogColumns{};
};

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
void ForEachKind(F&& f) {
  [&]<int... I>(std::integer_sequence<int, I...>) {
    (f(KindTag<static_cast<ScreenObjectKind>(I)>{}), ...);
  }(std::make_integer_sequence<int, kObjectKindCount>{});
}

// Calls f(KindTag<K>{}) for the one kind given at run time.
template <class F>
void VisitKind(ScreenObjectKind kind, F&& f) {
  ForEachKind([&](auto tag) {
    if (tag.value == kind) f(tag);
  });
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
