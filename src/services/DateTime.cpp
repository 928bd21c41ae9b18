#include "DateTime.h"

#include <cmath>
#include <ctime>

namespace velmora {

using namespace std::chrono;

double DateTime::fromSystemClock(system_clock::time_point tp) {
  const double seconds = duration<double>(tp.time_since_epoch()).count();
  return UnixEpochDays + seconds / 86400.0;
}

system_clock::time_point DateTime::toSystemClock(double days) {
  const double seconds = (days - UnixEpochDays) * 86400.0;
  return system_clock::time_point(duration_cast<system_clock::duration>(duration<double>(seconds)));
}

double DateTime::now() {
  const auto tp = system_clock::now();
  const std::time_t t = system_clock::to_time_t(tp);
  std::tm local{};
  localtime_r(&t, &local);
  Parts parts;
  parts.year = local.tm_year + 1900;
  parts.month = local.tm_mon + 1;
  parts.day = local.tm_mday;
  parts.hour = local.tm_hour;
  parts.minute = local.tm_min;
  parts.second = local.tm_sec;
  parts.millisecond = static_cast<int>(duration_cast<milliseconds>(tp.time_since_epoch()).count() % 1000);
  return join(parts);
}

DateTime::Parts DateTime::split(double days) {
  Parts parts;
  if (!std::isfinite(days) || std::fabs(days) > 3.0e6) return parts;
  double whole = std::floor(days);
  // The fraction of a negative day number counts forward from its day, as
  // the files' convention has it only for non-negative values; keep it simple.
  double fraction = days - whole;
  const sys_days date = sys_days(year{1899} / December / 30) + std::chrono::days(static_cast<long>(whole));
  const year_month_day ymd(date);
  parts.year = static_cast<int>(ymd.year());
  parts.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  parts.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  auto ms = static_cast<long long>(std::llround(fraction * 86400000.0));
  if (ms >= 86400000) ms = 86399999;
  parts.hour = static_cast<int>(ms / 3600000);
  parts.minute = static_cast<int>(ms / 60000 % 60);
  parts.second = static_cast<int>(ms / 1000 % 60);
  parts.millisecond = static_cast<int>(ms % 1000);
  return parts;
}

double DateTime::join(const Parts& parts) {
  const sys_days date = sys_days(year{parts.year} / month{static_cast<unsigned>(parts.month)} /
                                 day{static_cast<unsigned>(parts.day)});
  const double whole = static_cast<double>((date - sys_days(year{1899} / December / 30)).count());
  const double ms = ((parts.hour * 60.0 + parts.minute) * 60.0 + parts.second) * 1000.0 + parts.millisecond;
  return whole + ms / 86400000.0;
}

}  // namespace velmora
