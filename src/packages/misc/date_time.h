#pragma once
// Date-times as day-count floats: the whole part counts days since
// 1899-12-30 (day 0; so 1900-01-01 is day 2), the fraction is the time of
// day (0.5 is noon). This is the serial date spreadsheets and OLE
// automation use, so stored values can be exchanged with them. A negative
// value counts days before the epoch and its fraction is still the time
// of day taken as positive (-1.25 is 1899-12-29 06:00). The supported
// range is years 1 to 9999.
//
// Texts use fixed, locale-independent short formats: dates "YYYY-MM-DD",
// times "HH:MM:SS" (read also as "HH:MM" or "HH:MM:SS.mmm"), and a
// date-time as the date, a blank (or "T") and the time.

#include <cstdint>
#include <string>

namespace vettora {

inline constexpr double kSecondsPerDay = 86400.0;

struct TDateTimeParts {
  int32_t Year = 1899;
  int32_t Month = 12;
  int32_t Day = 30;
  int32_t Hour = 0;
  int32_t Minute = 0;
  int32_t Second = 0;
  int32_t Millisecond = 0;
};

// The day number of a calendar date; raises for an invalid date.
[[nodiscard]] double EncodeDate(int32_t year, int32_t month, int32_t day);
// The fraction of a day; raises for a time outside 00:00:00.000..23:59:59.999.
[[nodiscard]] double EncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t millisecond);
// The parts of a day-count value, rounded to the millisecond; raises for a
// value outside the supported range (or not a number).
[[nodiscard]] TDateTimeParts DecodeDateTime(double value);
// The time-of-day fraction of a value (always 0 <= fraction < 1).
[[nodiscard]] double TimeOfDay(double value);
// The current local date and time.
[[nodiscard]] double NowAsDays();

[[nodiscard]] std::string DateText(double value);
[[nodiscard]] std::string TimeText(double value);
[[nodiscard]] std::string DateTimeText(double value);
// Formats with strftime directives (%Y, %m, %d, %H, %M, %S, %A, %B, %j ...);
// text outside directives is copied.
[[nodiscard]] std::string FormatDateTime(double value, const std::string& format);

// Read the short formats; raise a conversion error naming the text.
[[nodiscard]] double ParseDate(const std::string& text);
[[nodiscard]] double ParseTime(const std::string& text);
[[nodiscard]] double ParseDateTime(const std::string& text);

}  // namespace vettora
