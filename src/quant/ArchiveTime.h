#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Times of archived results: milliseconds since 1970-01-01 00:00 UTC, and
// their ISO 8601 text in UTC ("2025-03-01T10:15:30.250Z").
class ArchiveTime {
 public:
  static std::int64_t NowMs();
  // Always with milliseconds and the "Z".
  static std::string Format(std::int64_t ms);
  // Reads "YYYY-MM-DD", "YYYY-MM-DDTHH:MM", "...:SS", "...:SS.fff" (any
  // number of fraction digits, milliseconds kept), with "T" or a blank,
  // followed by nothing (UTC), "Z" or an offset "+HH:MM" / "-HH:MM" /
  // "+HHMM" / "+HH". Nothing for any other text or an impossible date.
  static std::optional<std::int64_t> Parse(std::string_view text);
  // True when `text` holds a date alone (Parse gives its midnight).
  static bool IsDateOnly(std::string_view text);
  // The day count since 1970-01-01 of a civil date, and back.
  static std::int64_t DaysFromCivil(int year, int month, int day);
  static void CivilFromDays(std::int64_t days, int& year, int& month, int& day);
};

}  // namespace velmora
