#include "recording/time_stamps.h"

#include <cstdio>

namespace korvix {

namespace {

constexpr int64_t kMsPerDay = 86400000;

// Two digits at `pos`, 0 where the text is short or holds no digits there.
int TwoDigits(std::string_view text, std::size_t pos) {
  int value = 0;
  for (std::size_t i = pos; i < pos + 2 && i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return value;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Civil {
  int64_t year;
  int month;
  int day;
};

Civil CivilFromDays(int64_t z) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

const int64_t kDaysFrom1601To1970 = -DaysFromCivil(1601, 1, 1);

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

int64_t StampToMs(std::string_view datetext, std::string_view timetext) {
  const int month = TwoDigits(datetext, 0);
  const int day = TwoDigits(datetext, 3);
  const int year = 2000 + TwoDigits(datetext, 6);
  const int64_t days = DaysFromCivil(year, month, day) + kDaysFrom1601To1970;
  const int64_t ms = ((TwoDigits(timetext, 0) * 60 + TwoDigits(timetext, 3)) * 60 + TwoDigits(timetext, 6)) * 1000 +
                     TwoDigits(timetext, 9) * 10;
  return days * kMsPerDay + ms;
}

StampTexts MsToStamp(int64_t ms) {
  const int64_t days = FloorDiv(ms, kMsPerDay);
  const int64_t inday = ms - days * kMsPerDay;
  const Civil c = CivilFromDays(days - kDaysFrom1601To1970);
  const int yy = static_cast<int>(((c.year % 100) + 100) % 100);
  char date[16];
  char time[16];
  std::snprintf(date, sizeof date, "%02d/%02d/%02d", c.month, c.day, yy);
  std::snprintf(time, sizeof time, "%02d:%02d:%02d.%02d", static_cast<int>(inday / 3600000),
                static_cast<int>(inday / 60000 % 60), static_cast<int>(inday / 1000 % 60),
                static_cast<int>(inday % 1000 / 10));
  return {date, time};
}

}  // namespace korvix
