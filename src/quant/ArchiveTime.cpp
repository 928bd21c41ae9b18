#include "ArchiveTime.h"

#include <charconv>
#include <chrono>

namespace velmora {

namespace {

constexpr std::int64_t kMsPerDay = 86400000;

bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
  if (at + count > text.size()) return false;
  value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

void Put(std::string& out, long long value, int width) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  for (int pad = width - static_cast<int>(result.ptr - buffer); pad > 0; --pad) out += '0';
  out.append(buffer, result.ptr);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::int64_t ArchiveTime::NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// Howard Hinnant's days_from_civil / civil_from_days.
std::int64_t ArchiveTime::DaysFromCivil(int year, int month, int day) {
  const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void ArchiveTime::CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

std::string ArchiveTime::Format(std::int64_t ms) {
  std::int64_t days = ms / kMsPerDay;
  std::int64_t rest = ms % kMsPerDay;
  if (rest < 0) {
    rest += kMsPerDay;
    --days;
  }
  int year = 0, month = 0, day = 0;
  CivilFromDays(days, year, month, day);
  std::string out;
  out.reserve(24);
  Put(out, year, 4);
  out += '-';
  Put(out, month, 2);
  out += '-';
  Put(out, day, 2);
  out += 'T';
  Put(out, rest / 3600000, 2);
  out += ':';
  Put(out, rest / 60000 % 60, 2);
  out += ':';
  Put(out, rest / 1000 % 60, 2);
  out += '.';
  Put(out, rest % 1000, 3);
  out += 'Z';
  return out;
}

bool ArchiveTime::IsDateOnly(std::string_view text) {
  int v = 0;
  return text.size() == 10 && Digits(text, 0, 4, v) && text[4] == '-' && Digits(text, 5, 2, v) && text[7] == '-' &&
         Digits(text, 8, 2, v);
}

std::optional<std::int64_t> ArchiveTime::Parse(std::string_view text) {
  int year = 0, month = 0, day = 0;
  if (!Digits(text, 0, 4, year) || text.size() < 10 || text[4] != '-' || !Digits(text, 5, 2, month) || text[7] != '-' ||
      !Digits(text, 8, 2, day))
    return std::nullopt;
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
  std::int64_t ms = DaysFromCivil(year, month, day) * kMsPerDay;
  std::size_t at = 10;
  if (at == text.size()) return ms;
  if (text[at] != 'T' && text[at] != 't' && text[at] != ' ') return std::nullopt;
  int hour = 0, minute = 0, second = 0;
  if (!Digits(text, at + 1, 2, hour) || at + 3 >= text.size() || text[at + 3] != ':' ||
      !Digits(text, at + 4, 2, minute))
    return std::nullopt;
  at += 6;
  if (at < text.size() && text[at] == ':') {
    if (!Digits(text, at + 1, 2, second)) return std::nullopt;
    at += 3;
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
      ++at;
      int fraction = 0, digits = 0;
      while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        if (digits < 3) fraction = fraction * 10 + (text[at] - '0');
        ++digits;
        ++at;
      }
      if (digits == 0) return std::nullopt;
      for (int d = digits; d < 3; ++d) fraction *= 10;
      ms += fraction;
    }
  }
  if (hour > 23 || minute > 59 || second > 60) return std::nullopt;  // 60: a leap second reads as the next one
  ms += (hour * 3600LL + minute * 60LL + second) * 1000LL;
  if (at == text.size()) return ms;
  if ((text[at] == 'Z' || text[at] == 'z') && at + 1 == text.size()) return ms;
  if (text[at] != '+' && text[at] != '-') return std::nullopt;
  const int sign = text[at] == '+' ? 1 : -1;
  int offsetHours = 0, offsetMinutes = 0;
  if (!Digits(text, at + 1, 2, offsetHours)) return std::nullopt;
  at += 3;
  if (at < text.size()) {
    if (text[at] == ':') ++at;
    if (!Digits(text, at, 2, offsetMinutes) || at + 2 != text.size()) return std::nullopt;
  }
  if (offsetHours > 23 || offsetMinutes > 59) return std::nullopt;
  return ms - sign * (offsetHours * 60LL + offsetMinutes) * 60000LL;
}

}  // namespace velmora
