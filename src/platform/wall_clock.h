#pragma once

namespace korvix {

// Local calendar time, as the date and time texts and the profile's
// day-of-year need it.
struct LocalDateTime {
  int year = 2000;  // four digits
  int month = 1;    // 1..12
  int day = 1;      // 1..31
  int hour = 0;     // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  int dayofweek = 6;  // 0 = Sunday
  int dayofyear = 1;  // 1..366
};

class WallClock {
public:
  virtual ~WallClock() = default;
  virtual LocalDateTime Now() = 0;
};

class SystemWallClock final : public WallClock {
public:
  LocalDateTime Now() override;
};

}  // namespace korvix
