#include "properties/pivot_tracker_properties.h"

#include <cctype>

#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/entry_validation.h"
#include "properties/mark_choices.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"

namespace korvix {

namespace {

constexpr const char* kLabelNumberMessage = "ID label must end with a number between 1 and 99.";
constexpr const char* kOwnTargetMessage = "Can not send Signal Strength value to itself.";
constexpr std::string_view kDigits = "0123456789";

std::optional<std::string> LabelNumberProblem(const std::string& idlabel) {
  if (idlabel.empty() || !std::isdigit(static_cast<unsigned char>(idlabel.back()))) return kLabelNumberMessage;
  return std::nullopt;
}

// Tick Marks "None", "2" ... "20" as the gauges' list, but "None" is
// stored as 0, and a stored 1 shows as "None" too.
int PivotTickMarksIndex(int tickmarks) {
  if (tickmarks == 0) return 0;
  return tickmarks <= kMostPivotTickMarks ? TickMarksIndex(tickmarks) : -1;
}

int PivotTickMarksFromIndex(int index, int current) { return index == 0 ? 0 : TickMarksFromIndex(index, current); }

}  // namespace

PivotTrackerFields PropertyKind<ScreenObjectKind::PivotTracker>::Load(const PivotTrackerRecord& record) {
  PivotTrackerFields fields;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.textcolor = record.textcolor;
  fields.bordercolor = record.bordercolor;
  fields.idlabel = record.idlabel;
  fields.sisfrom = record.sisfrom;
  fields.signalto = record.signalto;
  fields.centerlat = record.centerlat;
  fields.centerlon = record.centerlon;
  fields.jumppage = record.jumppage;
  fields.runoncolor = record.runoncolor;
  fields.runoffcolor = record.runoffcolor;
  fields.wateroncolor = record.wateroncolor;
  fields.wateroffcolor = record.wateroffcolor;
  fields.sisoncolor = record.sisoncolor;
  fields.sisoffcolor = record.sisoffcolor;
  fields.tickmarks = PivotTickMarksIndex(record.tickmarks);
  fields.submarks = SubMarksIndex(record.submarks, kMostGaugeSubMarks);
  fields.showvalues = record.showvalues;
  fields.cwlimit = std::to_string(record.cwlimit);
  fields.ccwlimit = std::to_string(record.ccwlimit);
  fields.autorotate = record.autorotate;
  return fields;
}

void PropertyKind<ScreenObjectKind::PivotTracker>::Store(const PivotTrackerFields& fields, PivotTrackerRecord& record) {
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.textcolor = fields.textcolor;
  record.bordercolor = fields.bordercolor;
  record.idlabel = fields.idlabel;
  record.sisfrom = fields.sisfrom;
  record.signalto = fields.signalto;
  record.centerlat = fields.centerlat;
  record.centerlon = fields.centerlon;
  record.jumppage = fields.jumppage;
  record.runoncolor = fields.runoncolor;
  record.runoffcolor = fields.runoffcolor;
  record.wateroncolor = fields.wateroncolor;
  record.wateroffcolor = fields.wateroffcolor;
  record.sisoncolor = fields.sisoncolor;
  record.sisoffcolor = fields.sisoffcolor;
  record.tickmarks = PivotTickMarksFromIndex(fields.tickmarks, record.tickmarks);
  record.submarks = SubMarksFromIndex(fields.submarks, kMostGaugeSubMarks, record.submarks);
  record.showvalues = fields.showvalues;
  record.cwlimit = ParseIntegerEntry(fields.cwlimit).value_or(record.cwlimit);
  record.ccwlimit = ParseIntegerEntry(fields.ccwlimit).value_or(record.ccwlimit);
  record.autorotate = fields.autorotate;
}

OkCheck<PivotTrackerField> CheckPivotTrackerFields(PivotTrackerFields& fields, MessageSink& sink) {
  using F = PivotTrackerField;
  const OkCheck<F> exchange =
      FirstRefusal<F>(sink, {{F::CwLimit, IntegerRangeProblem(fields.cwlimit, 0, kMaxPivotLimit)},
                             {F::CcwLimit, IntegerRangeProblem(fields.ccwlimit, 0, kMaxPivotLimit)},
                             {F::IdLabel, TextLengthProblem(fields.idlabel, kLabelFieldLimit)},
                             {F::SisFrom, TextLengthProblem(fields.sisfrom, kLabelFieldLimit), true},
                             {F::SignalTo, TextLengthProblem(fields.signalto, kLabelFieldLimit), true},
                             {F::Lat, TextLengthProblem(fields.centerlat, kCoordinateFieldLimit)},
                             {F::Lon, TextLengthProblem(fields.centerlon, kCoordinateFieldLimit)},
                             {F::JumpPage, TextLengthProblem(fields.jumppage, kLabelFieldLimit)}});
  if (!exchange.Accepted()) return exchange;
  fields.idlabel = TrimEntry(fields.idlabel);
  fields.sisfrom = TrimEntry(fields.sisfrom);
  fields.signalto = TrimEntry(fields.signalto);
  return FirstRefusal<F>(sink,
                         {{F::IdLabel, IdLabelProblem(fields.idlabel)},
                          {F::IdLabel, LabelNumberProblem(fields.idlabel)},
                          {F::SisFrom, VariablesProblem(fields.sisfrom), true},
                          {F::SignalTo, VariablesProblem(fields.signalto), true},
                          {F::SignalTo, OwnLabelProblem(fields.signalto, fields.idlabel, kOwnTargetMessage), true},
                          {F::Lat, CharacterSetProblem(fields.centerlat, kNumberCharacters)},
                          {F::Lon, CharacterSetProblem(fields.centerlon, kNumberCharacters)},
                          {F::JumpPage, CharacterSetProblem(fields.jumppage, kDigits)}});
}

}  // namespace korvix
