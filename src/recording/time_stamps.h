#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvix {

// A moment as the run-time texts write it: "MM/DD/YY" and "HH:MM:SS.hh",
// the year taken as 2000 + YY.
struct StampTexts {
  std::string date;
  std::string time;
};

// Milliseconds of that moment on one continuous calendar scale (whole days
// since 1 January 1601), so that differences of two stamps are exact across
// midnight, month and year ends. Missing or non-digit parts count as 0.
int64_t StampToMs(std::string_view datetext, std::string_view timetext);

// The inverse of StampToMs; years outside 2000..2099 keep their last two
// digits.
StampTexts MsToStamp(int64_t ms);

}  // namespace korvix
