#include "properties/gauge_properties.h"

#include <cstdint>
#include <optional>

#include "properties/converted_gauge_checks.h"
#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/mark_choices.h"
#include "properties/shared_checks.h"
#include "render/gauges/gauge_scale.h"

namespace korvix {

namespace {

constexpr const char* kBaseMismatchMessage =
    "This field contains a character which \rdoes not match the Data Conversion type.";

constexpr GaugeWording kLevelWording = {"Level Gauge Properties",
                                        "LevelGauge.htm",
                                        "Top Value",
                                        "Bottom Value",
                                        "Top Value must contain a number.",
                                        "Bottom Value must contain a number.",
                                        "Top Value cannot equal Bottom Value.",
                                        nullptr};
constexpr const char* kRightEmpty = "Right Value must contain a number.";
constexpr const char* kLeftEmpty = "Left Value must contain a number.";
constexpr const char* kRightLeftEqual = "Left Value cannot equal Right Value.";
constexpr const char* kRightLeftWarning = "The Warning Level must be between Left Value and Right Value.";
constexpr GaugeWording kDialWording = {
    "Dial Gauge Properties", "DialGauge.htm",  "Right Value", "Left Value", kRightEmpty, kLeftEmpty,
    kRightLeftEqual,         kRightLeftWarning};
constexpr GaugeWording kMeterWording = {
    "Meter Gauge Properties", "MeterGauge.htm", "Right Value", "Left Value", kRightEmpty, kLeftEmpty,
    kRightLeftEqual,          kRightLeftWarning};
constexpr GaugeWording kVerticalWording = {"Vertical Gauge Properties",
                                           "VertGauge.htm",
                                           "Top Value",
                                           "Bottom Value",
                                           "Top Value must contain a number.",
                                           "Bottom Value must contain a number.",
                                           "Top Value cannot equal Bottom Value.",
                                           "The Warning Level must be between Top Value and Bottom Value."};
constexpr GaugeWording kHorizontalWording = {"Horizontal Gauge Properties",
                                             "HorzGauge.htm",
                                             "Right Value",
                                             "Left Value",
                                             kRightEmpty,
                                             kLeftEmpty,
                                             kRightLeftEqual,
                                             kRightLeftWarning};

std::string_view BaseCharacters(int outputbase) {
  switch (outputbase) {
    case kBaseHex: return "-0123456789abcdefABCDEF";
    case kBaseBin: return "-01";
    default: return kNumberCharacters;
  }
}

template <class Record>
void LoadShared(const Record& record, GaugeFields& fields) {
  fields.texts = LoadGaugeTexts(record);
  fields.conversion = LoadConversion(record);
  fields.tickmarks = TickMarksIndex(record.tickmarks);
  fields.scaleend = record.scaleend;
  fields.scalestart = record.scalestart;
  fields.showvalues = record.showvalues;
}

template <class Record>
void StoreShared(const GaugeFields& fields, Record& record) {
  StoreGaugeTexts(fields.texts, record);
  StoreConversion(fields.conversion, record);
  record.tickmarks = TickMarksFromIndex(fields.tickmarks, record.tickmarks);
  record.scaleend = fields.scaleend;
  record.scalestart = fields.scalestart;
  record.showvalues = fields.showvalues;
  record.valuetext = record.scalestart;
}

// Whether a Warning Level lies on the scale: it may sit at the start but not
// at the end, whichever way the scale runs.
bool OnScale(std::int64_t level, std::int64_t start, std::int64_t end) {
  if (start < end) return start <= level && level < end;
  return end < level && level <= start;
}

}  // namespace

GaugeWording WordingOf(ScreenObjectKind kind) {
  switch (kind) {
    case ScreenObjectKind::LevelGauge: return kLevelWording;
    case ScreenObjectKind::MeterGauge: return kMeterWording;
    case ScreenObjectKind::VerticalGauge: return kVerticalWording;
    case ScreenObjectKind::HorizontalGauge: return kHorizontalWording;
    default: return kDialWording;
  }
}

GaugeFields PropertyKind<ScreenObjectKind::LevelGauge>::Load(const LevelGaugeRecord& record) {
  GaugeFields fields;
  LoadShared(record, fields);
  fields.showminmax = record.showminmax;
  fields.barcolor = record.barcolor;
  return fields;
}

void PropertyKind<ScreenObjectKind::LevelGauge>::Store(const GaugeFields& fields, LevelGaugeRecord& record) {
  StoreShared(fields, record);
  record.showminmax = fields.showminmax;
  record.barcolor = fields.barcolor;
  record.maxseen = 0;
  record.minseen = 0;
}

GaugeFields ScaleGaugeProperties::Load(const ScaleGaugeRecord& record) {
  GaugeFields fields;
  LoadShared(record, fields);
  fields.submarks = SubMarksIndex(record.submarks, kMostGaugeSubMarks);
  fields.warnlevel = record.warnlevel;
  return fields;
}

void ScaleGaugeProperties::Store(const GaugeFields& fields, ScaleGaugeRecord& record) {
  StoreShared(fields, record);
  record.submarks = SubMarksFromIndex(fields.submarks, kMostGaugeSubMarks, record.submarks);
  record.warnlevel = fields.warnlevel;
}

OkCheck<ValueField> CheckGaugeFields(GaugeFields& fields, const GaugeWording& wording, const std::string& namelist,
                                     MessageSink& sink) {
  ConversionFields& conversion = fields.conversion;
  const bool haswarning = wording.warningrange != nullptr;
  const OkCheck<ValueField> shared = ConvertedGaugeLengths(fields.texts, conversion, sink);
  if (!shared.Accepted()) return shared;
  const OkCheck<ValueField> lengths = FirstRefusal<ValueField>(
      sink,
      {
          {ValueField::ScaleEnd, TextLengthProblem(fields.scaleend, kNumberFieldLimit)},
          {ValueField::ScaleStart, TextLengthProblem(fields.scalestart, kNumberFieldLimit)},
          {ValueField::WarnLevel, haswarning ? TextLengthProblem(fields.warnlevel, kNumberFieldLimit) : std::nullopt},
      });
  if (!lengths.Accepted()) return lengths;

  TrimConvertedGaugeTexts(fields.texts, conversion);
  fields.scaleend = ScaleEntry(fields.scaleend);
  fields.scalestart = ScaleEntry(fields.scalestart);
  if (haswarning) fields.warnlevel = ScaleEntry(fields.warnlevel);
  const OkCheck<ValueField> sharedtexts = ConvertedGaugeTextProblems(fields.texts, conversion, namelist, sink);
  if (!sharedtexts.Accepted()) return sharedtexts;

  const int base = BaseFromIndex(conversion.outputbase, kBaseDec);
  const std::string_view characters = BaseCharacters(base);
  const auto baseproblem = [characters](const std::string& text) {
    return ProblemIf(text.find_first_not_of(characters) != std::string::npos, kBaseMismatchMessage);
  };
  const OkCheck<ValueField> texts = FirstRefusal<ValueField>(
      sink, {
                {ValueField::ScaleEnd, ProblemIf(fields.scaleend.empty(), wording.endempty)},
                {ValueField::ScaleStart, ProblemIf(fields.scalestart.empty(), wording.startempty)},
                {ValueField::ScaleEnd, ProblemIf(fields.scaleend == fields.scalestart, wording.endsequal)},
                {ValueField::ScaleEnd, baseproblem(fields.scaleend)},
                {ValueField::ScaleStart, baseproblem(fields.scalestart)},
                {ValueField::WarnLevel, haswarning ? baseproblem(fields.warnlevel) : std::nullopt},
            });
  if (!texts.Accepted()) return texts;

  // Texts that differ can still read as one number, or as none at all.
  const int decimals = OffsetDecimals(conversion.offset);
  const auto end = ParseGaugeText(fields.scaleend, base, decimals);
  const auto start = ParseGaugeText(fields.scalestart, base, decimals);
  bool warningoff = false;
  if (haswarning && !fields.warnlevel.empty() && end && start) {
    const auto level = ParseGaugeText(fields.warnlevel, base, decimals);
    warningoff = !level || !OnScale(*level, *start, *end);
  }
  return FirstRefusal<ValueField>(
      sink, {
                {ValueField::ScaleEnd, ProblemIf(!end, wording.endempty)},
                {ValueField::ScaleStart, ProblemIf(!start, wording.startempty)},
                {ValueField::ScaleEnd, ProblemIf(end && start && *end == *start, wording.endsequal)},
                {ValueField::WarnLevel, ProblemIf(warningoff, wording.warningrange)},
            });
}

}  // namespace korvix
