#pragma once

#include <chrono>

namespace velmora {

// Dates as the files store them: days since 1899-12-30 as a double, the
// fraction being the time of day (local time, as the operator saw it).
class DateTime {
 public:
  // 1899-12-30 is 25569 days before 1970-01-01.
  static constexpr double UnixEpochDays = 25569.0;

  static double fromSystemClock(std::chrono::system_clock::time_point tp);
  static std::chrono::system_clock::time_point toSystemClock(double days);
  // Now, in local time, as a day number.
  static double now();

  // Calendar parts of a day number (local time as stored).
  struct Parts {
    int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0, millisecond = 0;
  };
  static Parts split(double days);
  static double join(const Parts& parts);
};

}  // namespace velmora
