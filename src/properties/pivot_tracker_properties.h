#pragma once

#include <string>

#include "document/gauge_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"

namespace korvix {

constexpr int kCoordinateFieldLimit = 13;
constexpr int kMaxPivotLimit = 360;
constexpr int kMostPivotTickMarks = 20;

// What the Pivot Tracker dialog edits; combo indexes are -1 when nothing
// is chosen. The two limits are texts until OK has read them.
struct PivotTrackerFields {
  int fontsize = -1;
  int textcolor = 0;
  int bordercolor = 0;
  std::string idlabel;
  std::string sisfrom;
  std::string signalto;
  std::string centerlat;
  std::string centerlon;
  std::string jumppage;
  int runoncolor = 0;
  int runoffcolor = 0;
  int wateroncolor = 0;
  int wateroffcolor = 0;
  int sisoncolor = 0;
  int sisoffcolor = 0;
  int tickmarks = -1;
  int submarks = -1;
  int showvalues = 0;
  std::string cwlimit;
  std::string ccwlimit;
  int autorotate = 0;
};

enum class PivotTrackerField { IdLabel, SisFrom, SignalTo, Lat, Lon, JumpPage, CwLimit, CcwLimit };

template <>
struct PropertyKind<ScreenObjectKind::PivotTracker> {
  using Fields = PivotTrackerFields;
  static Fields Load(const PivotTrackerRecord& record);
  static void Store(const Fields& fields, PivotTrackerRecord& record);
};

// The limits' range comes before everything else. Only the last character
// of the ID Label is held to be a digit, though the message asks for a
// number from 1 to 99. Trims the ID Label and the two targets in place.
OkCheck<PivotTrackerField> CheckPivotTrackerFields(PivotTrackerFields& fields, MessageSink& sink);

}  // namespace korvix
