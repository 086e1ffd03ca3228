#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "document/gauge_records.h"

namespace korvix {

// Where a value puts a gauge's needle, bar, hands or arrow. Plain functions
// of the record's fields and the value text, apart from any painting.
//
// Angles are in degrees. Dial and meter angles run counter-clockwise from
// three o'clock, as on a drawing's unit circle; bearings (Dual Hand Gauge,
// Wind Vane, Pivot Tracker) run clockwise from twelve o'clock, as on a
// compass. A value text that is no number ("Error", "Overflow", an empty
// text, anything a module sent that is no number in the gauge's base) has no
// position at all, so it is never shown as a wrong one.

// The number bases of `outputbase`.
inline constexpr int kBaseDec = 0;
inline constexpr int kBaseHex = 1;
inline constexpr int kBaseBin = 2;

// A value text read in base and scaled to `decimals` places (extra places
// are cut off toward zero); blanks around it are ignored.
std::optional<std::int64_t> ParseGaugeText(std::string_view text, int base, int decimals);

// The decimal count of an Offset text, which sets a gauge's resolution.
int OffsetDecimals(std::string_view offset);

// 0 at `start`, 1 at `end`, values beyond either end pinned to it. Reversed
// scales (end below start) work the same way; a zero span gives 0.
double ScaleFraction(double value, double start, double end);

// The scale of a Level Gauge or of a Dial, Meter, Vertical or Horizontal
// Gauge, in the units ParseGaugeText gives. An end that is no number counts
// as 0.
struct GaugeScale {
  std::int64_t start = 0;
  std::int64_t end = 0;
  int base = kBaseDec;
  int decimals = 0;
};
GaugeScale ScaleOf(const LevelGaugeRecord& record);
GaugeScale ScaleOf(const ScaleGaugeRecord& record);

// Where on its scale a value text lies, 0 to 1; none for no number.
std::optional<double> ScalePosition(const GaugeScale& scale, std::string_view valuetext);

// Where the warning zone begins, 0 to 1; none without a Warning Level.
std::optional<double> WarningPosition(const ScaleGaugeRecord& record);

// The text beside tick `tick` of `count` ticks from start to end, in the
// scale's base, with as many decimals as the scale end texts carry.
std::string TickLabel(const ScaleGaugeRecord& record, int tick, int count);
std::string TickLabel(const LevelGaugeRecord& record, int tick, int count);

// A dial sweeps 270 degrees clockwise from the lower left to the lower
// right; a meter 140 degrees over the top of its pivot.
double DialAngle(double fraction);
double MeterAngle(double fraction);

// The two hands of a Dual Hand Gauge on its ten-digit face: the long hand
// turns once per ten times the dial factor, the short hand ten times slower.
struct HandBearings {
  double longhand = 0;
  double shorthand = 0;
};
std::optional<HandBearings> DualHandBearings(const DualHandGaugeRecord& record, std::string_view valuetext);

// The direction a Wind Vane points: the 0 Deg Data value is north and the
// 360 Deg Data value a full turn on; a direction wraps, so it is never
// pinned. Equal Deg Data values give no direction.
std::optional<double> WindVaneBearing(const WindVaneRecord& record, std::string_view valuetext);

// A value text as the Dual Hand Gauge, the Wind Vane and the Pivot Tracker
// read it: a decimal number, or none.
std::optional<double> BearingValue(std::string_view text);

// A Pivot Tracker's arm position: the heading in degrees, wrapped to a turn.
std::optional<double> PivotArmBearing(std::string_view valuetext);

}  // namespace korvix
