#include "packages/misc/date_time.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

#include "packages/misc/messages.h"
#include "packages/misc/trim.h"
#include "values/exceptions.h"
#include "values/format.h"

namespace vettora {

namespace {

constexpr int64_t kMsPerDay = 86400000;
// Days from 0001-01-01 to 9999-12-31 around the epoch 1899-12-30.
constexpr int64_t kFirstDay = -693593;
constexpr int64_t kLastDay = 2958465;

// Days since 1970-01-01 of a proleptic Gregorian date (valid for any year).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, TDateTimeParts& parts) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  parts.Year = int32_t(yoe + era * 400 + (m <= 2));
  parts.Month = int32_t(m);
  parts.Day = int32_t(d);
}

const int64_t kEpochFromUnix = DaysFromCivil(1899, 12, 30);

bool IsLeap(int32_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int32_t DaysInMonth(int32_t y, int32_t m) {
  static constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

bool ValidDate(int32_t y, int32_t m, int32_t d) {
  return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

bool ValidTime(int32_t h, int32_t mi, int32_t s, int32_t ms) {
  return h >= 0 && h < 24 && mi >= 0 && mi < 60 && s >= 0 && s < 60 && ms >= 0 && ms < 1000;
}

// Whole days and milliseconds of the day of a value, the fraction rounded
// to the millisecond (a fraction that rounds to a whole day moves on to the
// next day away from the epoch).
void SplitValue(double value, int64_t& days, int64_t& ms) {
  if (!std::isfinite(value) || value < double(kFirstDay) - 1 || value > double(kLastDay) + 1)
    throw EIEException(FormatMessage(kDateOutOfRange, {FormatFloatDefault(value)}));
  double whole = std::trunc(value);
  days = int64_t(whole);
  ms = std::llround(std::fabs(value - whole) * double(kMsPerDay));
  if (ms >= kMsPerDay) {
    ms -= kMsPerDay;
    days += value < 0 ? -1 : 1;
  }
  if (days < kFirstDay || days > kLastDay)
    throw EIEException(FormatMessage(kDateOutOfRange, {FormatFloatDefault(value)}));
}

std::string TwoDigits(int32_t v) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", int(v));
  return buffer;
}

// Reads an unsigned decimal of 1 to `maxDigits` digits at `pos`.
bool ReadNumber(const std::string& text, size_t& pos, size_t maxDigits, int32_t& out) {
  size_t start = pos;
  int32_t value = 0;
  while (pos < text.size() && pos - start < maxDigits && text[pos] >= '0' && text[pos] <= '9')
    value = value * 10 + (text[pos++] - '0');
  out = value;
  return pos > start;
}

bool Expect(const std::string& text, size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

// "YYYY-MM-DD" from `pos`.
bool ReadDate(const std::string& text, size_t& pos, double& days) {
  int32_t y = 0, m = 0, d = 0;
  if (!ReadNumber(text, pos, 4, y) || !Expect(text, pos, '-') || !ReadNumber(text, pos, 2, m) ||
      !Expect(text, pos, '-') || !ReadNumber(text, pos, 2, d) || !ValidDate(y, m, d))
    return false;
  days = EncodeDate(y, m, d);
  return true;
}

// "HH:MM", "HH:MM:SS" or "HH:MM:SS.mmm" from `pos`.
bool ReadTime(const std::string& text, size_t& pos, double& fraction) {
  int32_t h = 0, mi = 0, s = 0, ms = 0;
  if (!ReadNumber(text, pos, 2, h) || !Expect(text, pos, ':') || !ReadNumber(text, pos, 2, mi))
    return false;
  if (Expect(text, pos, ':')) {
    if (!ReadNumber(text, pos, 2, s)) return false;
    if (Expect(text, pos, '.')) {
      size_t start = pos;
      if (!ReadNumber(text, pos, 3, ms)) return false;
      for (size_t digits = pos - start; digits < 3; ++digits) ms *= 10;
    }
  }
  if (!ValidTime(h, mi, s, ms)) return false;
  fraction = EncodeTime(h, mi, s, ms);
  return true;
}

// Combines a date and a time of day the way the day count does below the
// epoch: the fraction always moves away from day 0's side.
double Combine(double date, double time) { return date < 0 ? date - time : date + time; }

}  // namespace

double EncodeDate(int32_t year, int32_t month, int32_t day) {
  if (!ValidDate(year, month, day))
    throw EIEException(FormatMessage(kInvalidEncodedDate, {year, month, day}));
  return double(DaysFromCivil(year, month, day) - kEpochFromUnix);
}

double EncodeTime(int32_t hour, int32_t minute, int32_t second, int32_t millisecond) {
  if (!ValidTime(hour, minute, second, millisecond))
    throw EIEException(FormatMessage(kInvalidEncodedTime, {hour, minute, second, millisecond}));
  int64_t ms = ((int64_t(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
  return double(ms) / double(kMsPerDay);
}

TDateTimeParts DecodeDateTime(double value) {
  int64_t days = 0, ms = 0;
  SplitValue(value, days, ms);
  TDateTimeParts parts;
  CivilFromDays(days + kEpochFromUnix, parts);
  parts.Millisecond = int32_t(ms % 1000);
  parts.Second = int32_t(ms / 1000 % 60);
  parts.Minute = int32_t(ms / 60000 % 60);
  parts.Hour = int32_t(ms / 3600000);
  return parts;
}

double TimeOfDay(double value) {
  if (!std::isfinite(value)) return 0.0;
  double fraction = std::fabs(value - std::trunc(value));
  return fraction < 1.0 ? fraction : 0.0;
}

double NowAsDays() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  int32_t ms = int32_t(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  double date = EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  // A leap second reads as the last second of its minute.
  return date + EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), ms);
}

std::string DateText(double value) {
  TDateTimeParts p = DecodeDateTime(value);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", int(p.Year), int(p.Month), int(p.Day));
  return buffer;
}

std::string TimeText(double value) {
  TDateTimeParts p = DecodeDateTime(value);
  return TwoDigits(p.Hour) + ":" + TwoDigits(p.Minute) + ":" + TwoDigits(p.Second);
}

std::string DateTimeText(double value) { return DateText(value) + " " + TimeText(value); }

std::string FormatDateTime(double value, const std::string& format) {
  int64_t days = 0, ms = 0;
  SplitValue(value, days, ms);
  TDateTimeParts p = DecodeDateTime(value);
  std::tm tm{};
  tm.tm_year = p.Year - 1900;
  tm.tm_mon = p.Month - 1;
  tm.tm_mday = p.Day;
  tm.tm_hour = p.Hour;
  tm.tm_min = p.Minute;
  tm.tm_sec = p.Second;
  // Day 0 was a Saturday.
  tm.tm_wday = int(((days % 7) + 7 + 6) % 7);
  tm.tm_yday = int(DaysFromCivil(p.Year, p.Month, p.Day) - DaysFromCivil(p.Year, 1, 1));
  tm.tm_isdst = -1;
  // A trailing mark tells an empty result from a buffer that was too small.
  std::string marked = format + "|";
  for (size_t size = 256; size <= 65536; size *= 4) {
    std::vector<char> buffer(size);
    size_t length = std::strftime(buffer.data(), buffer.size(), marked.c_str(), &tm);
    if (length > 0) return std::string(buffer.data(), length - 1);
  }
  throw EIEException(FormatMessage(kDateFormatTooLong, {format}));
}

double ParseDate(const std::string& text) {
  std::string t = Trimmed(text);
  size_t pos = 0;
  double days = 0;
  if (!ReadDate(t, pos, days) || pos != t.size())
    throw EIEException(FormatMessage(kInvalidDateText, {text}));
  return days;
}

double ParseTime(const std::string& text) {
  std::string t = Trimmed(text);
  size_t pos = 0;
  double fraction = 0;
  if (!ReadTime(t, pos, fraction) || pos != t.size())
    throw EIEException(FormatMessage(kInvalidTimeText, {text}));
  return fraction;
}

double ParseDateTime(const std::string& text) {
  std::string t = Trimmed(text);
  size_t pos = 0;
  double days = 0, fraction = 0;
  bool ok = ReadDate(t, pos, days);
  if (ok && pos < t.size())
    ok = (Expect(t, pos, ' ') || Expect(t, pos, 'T')) && ReadTime(t, pos, fraction);
  if (!ok || pos != t.size()) throw EIEException(FormatMessage(kInvalidDateTimeText, {text}));
  return Combine(days, fraction);
}

}  // namespace vettora
