// system-datetime ..., str-date ..., date-str ..., decode-... and encode-....
#include "packages/misc/misc_date_time.h"

#include <cmath>
#include <string>

#include "packages/misc/date_time.h"

namespace vettora {

namespace {

struct TDateTimeKind {
  const char* Name;
  const char* Help;
  const char* Argument;
  int32_t Min;
  int32_t Max;
};

constexpr TDateTimeKind kSystemKinds[] = {
    {"system-datetime", "Returns the current date and time as a day-count float", "", 0, 0},
    {"system-date", "Returns the current date as a day-count float without fraction", "", 0, 0},
    {"system-time", "Returns the current time of day as a fraction of a day", "", 0, 0},
};

constexpr TDateTimeKind kStringKinds[] = {
    {"str-datetime", "Converts a \"YYYY-MM-DD HH:MM:SS\" text to a date-time",
     " <string-expression> ", 1, 1},
    {"str-date", "Converts a \"YYYY-MM-DD\" text to a date", " <string-expression> ", 1, 1},
    {"str-time", "Converts a \"HH:MM:SS\" text to a time", " <string-expression> ", 1, 1},
    {"datetime-str", "Formats a date-time as \"YYYY-MM-DD HH:MM:SS\"", " <numeric-expression> ", 1,
     1},
    {"date-str", "Formats a date as \"YYYY-MM-DD\"", " <numeric-expression> ", 1, 1},
    {"time-str", "Formats a time as \"HH:MM:SS\"", " <numeric-expression> ", 1, 1},
    {"datetime-str-format",
     "Formats a date-time with strftime directives such as %Y, %m, %d, %H, %M and %S",
     " <numeric-expression> <format-string-expression>", 2, 2},
};

constexpr TDateTimeKind kDecodeKinds[] = {
    {"decode-year", "Returns the year of a date", " <system-date-numeric-expression>", 1, 1},
    {"decode-month", "Returns the month of a date", " <system-date-numeric-expression>", 1, 1},
    {"decode-day", "Returns the day of the month of a date", " <system-date-numeric-expression>", 1,
     1},
    {"decode-hour", "Returns the hour of a time", " <system-time-numeric-expression>", 1, 1},
    {"decode-minute", "Returns the minute of a time", " <system-time-numeric-expression>", 1, 1},
    {"decode-second", "Returns the second of a time", " <system-time-numeric-expression>", 1, 1},
    {"decode-millisecond", "Returns the millisecond of a time", " <system-time-numeric-expression>",
     1, 1},
};

constexpr TDateTimeKind kEncodeKinds[] = {
    {"encode-date", "Returns the date of a year, month (default 1) and day (default 1)",
     " <year-integer-expression> [<month-integer-expression> [<day-integer-expression>]]", 1, 3},
    {"encode-time", "Returns the time of an hour, minute, second and millisecond (default 0)",
     " <hour-integer-expression> [<minute-integer-expression> [<second-integer-expression> "
     "[<millisecond-integer-expression>]]]",
     1, 4},
};

}  // namespace

// ---- system-datetime, system-date, system-time ------------------------------------------

TSystemDateTimeFunction::TSystemDateTimeFunction(TSystemDateTimeFunctionType type)
    : TMiscFunction(kSystemKinds[type].Name, kSystemKinds[type].Help, kSystemKinds[type].Argument,
                    kSystemKinds[type].Min, kSystemKinds[type].Max),
      FType(type) {}

IIEValue TSystemDateTimeFunction::Execute(TFunctionCall&, TIEContext&) {
  double now = NowAsDays();
  switch (FType) {
    case sdtDate:
      return MakeFloat(std::trunc(now));
    case sdtTime:
      return MakeFloat(TimeOfDay(now));
    case sdtDateTime:
      break;
  }
  return MakeFloat(now);
}

// ---- text conversions -----------------------------------------------------------------

TDateTimeStringFunction::TDateTimeStringFunction(TDateTimeStringFunctionType type)
    : TMiscFunction(kStringKinds[type].Name, kStringKinds[type].Help, kStringKinds[type].Argument,
                    kStringKinds[type].Min, kStringKinds[type].Max),
      FType(type) {}

IIEValue TDateTimeStringFunction::Execute(TFunctionCall& call, TIEContext& context) {
  IIEValue argument = Arg(call, 0, context);
  switch (FType) {
    case dtsStrDateTime:
      return MakeFloat(ParseDateTime(argument->AsString()));
    case dtsStrDate:
      return MakeFloat(ParseDate(argument->AsString()));
    case dtsStrTime:
      return MakeFloat(ParseTime(argument->AsString()));
    case dtsDateTimeStr:
      return MakeString(DateTimeText(argument->AsFloat()));
    case dtsDateStr:
      return MakeString(DateText(argument->AsFloat()));
    case dtsTimeStr:
      return MakeString(TimeText(argument->AsFloat()));
    case dtsDateTimeStrFormat:
      break;
  }
  return MakeString(FormatDateTime(argument->AsFloat(), Arg(call, 1, context)->AsString()));
}

// ---- decode-... -----------------------------------------------------------------------

TDecodeDateTimeFunction::TDecodeDateTimeFunction(TDecodeDateTimeFunctionType type)
    : TMiscFunction(kDecodeKinds[type].Name, kDecodeKinds[type].Help, kDecodeKinds[type].Argument,
                    kDecodeKinds[type].Min, kDecodeKinds[type].Max),
      FType(type) {}

IIEValue TDecodeDateTimeFunction::Execute(TFunctionCall& call, TIEContext& context) {
  TDateTimeParts parts = DecodeDateTime(Arg(call, 0, context)->AsFloat());
  const int32_t values[] = {parts.Year,   parts.Month,  parts.Day,        parts.Hour,
                            parts.Minute, parts.Second, parts.Millisecond};
  return MakeInteger(values[FType]);
}

// ---- encode-date, encode-time ----------------------------------------------------------

TEncodeDateTimeFunction::TEncodeDateTimeFunction(TEncodeDateTimeFunctionType type)
    : TMiscFunction(kEncodeKinds[type].Name, kEncodeKinds[type].Help, kEncodeKinds[type].Argument,
                    kEncodeKinds[type].Min, kEncodeKinds[type].Max),
      FType(type) {}

IIEValue TEncodeDateTimeFunction::Execute(TFunctionCall& call, TIEContext& context) {
  // Missing parts: month and day 1, time parts 0.
  int32_t parts[4] = {0, FType == edtDate ? 1 : 0, FType == edtDate ? 1 : 0, 0};
  for (int32_t i = 0; i < call.ArgumentCount() && i < 4; ++i)
    parts[i] = Arg(call, i, context)->AsInteger();
  if (FType == edtDate) return MakeFloat(EncodeDate(parts[0], parts[1], parts[2]));
  return MakeFloat(EncodeTime(parts[0], parts[1], parts[2], parts[3]));
}

}  // namespace vettora
