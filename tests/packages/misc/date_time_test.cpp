#include "packages/misc/date_time.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "misc_test_util.h"

namespace vettora {
namespace {

using testing::MiscTest;

// Serial numbers as spreadsheets give them for the same dates.
TEST(DayCount, EpochAndSpreadsheetSerials) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
  EXPECT_EQ(EncodeDate(1900, 3, 1), 61.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(2024, 2, 29), 45351.0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(DayCount, InvalidPartsAreRefused) {
  EXPECT_THROW((void)EncodeDate(2023, 2, 29), std::exception);
  EXPECT_THROW((void)EncodeDate(1900, 2, 29), std::exception);  // not a leap year
  EXPECT_NO_THROW((void)EncodeDate(2000, 2, 29));
  EXPECT_THROW((void)EncodeDate(0, 1, 1), std::exception);
  EXPECT_THROW((void)EncodeDate(10000, 1, 1), std::exception);
  EXPECT_THROW((void)EncodeDate(2024, 0, 1), std::exception);
  EXPECT_THROW((void)EncodeTime(24, 0, 0, 0), std::exception);
  EXPECT_THROW((void)EncodeTime(0, 60, 0, 0), std::exception);
  EXPECT_THROW((void)EncodeTime(0, 0, 0, 1000), std::exception);
  EXPECT_THROW((void)EncodeTime(-1, 0, 0, 0), std::exception);
}

TEST(DayCount, DecodingRoundsToTheMillisecondAndCarries) {
  TDateTimeParts p = DecodeDateTime(EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 10, 250));
  EXPECT_EQ(p.Year, 2024);
  EXPECT_EQ(p.Month, 2);
  EXPECT_EQ(p.Day, 29);
  EXPECT_EQ(p.Hour, 13);
  EXPECT_EQ(p.Minute, 45);
  EXPECT_EQ(p.Second, 10);
  EXPECT_EQ(p.Millisecond, 250);
  // Just short of midnight rounds to the next day's start.
  p = DecodeDateTime(45351.99999999999);
  EXPECT_EQ(p.Month, 3);
  EXPECT_EQ(p.Day, 1);
  EXPECT_EQ(p.Hour, 0);
  // Before the epoch the fraction is still the time of day.
  p = DecodeDateTime(-1.25);
  EXPECT_EQ(p.Year, 1899);
  EXPECT_EQ(p.Day, 29);
  EXPECT_EQ(p.Hour, 6);
  EXPECT_THROW((void)DecodeDateTime(1e300), std::exception);
  EXPECT_THROW((void)DecodeDateTime(std::numeric_limits<double>::quiet_NaN()), std::exception);
}

TEST(DayCount, TextsRoundTrip) {
  double value = ParseDateTime("2024-02-29 13:45:10");
  EXPECT_EQ(DateTimeText(value), "2024-02-29 13:45:10");
  EXPECT_EQ(DateText(value), "2024-02-29");
  EXPECT_EQ(TimeText(value), "13:45:10");
  EXPECT_EQ(ParseDateTime("2024-02-29T13:45"), ParseDateTime(" 2024-02-29 13:45:00 "));
  EXPECT_EQ(ParseDateTime("2024-02-29"), 45351.0);
  EXPECT_DOUBLE_EQ(ParseTime("06:00:00.5"), EncodeTime(6, 0, 0, 500));
  for (const char* bad : {"", "2024-02-30", "2024/02/01", "2024-02-01x", "24:00", "12", "1:2:3:4"})
    EXPECT_THROW((void)ParseDateTime(bad), std::exception) << bad;
  EXPECT_THROW((void)ParseDate("2024-02-01 10:00"), std::exception);
  EXPECT_THROW((void)ParseTime("2024-02-01"), std::exception);
}

TEST(DayCount, FormatDirectives) {
  double value = EncodeDate(2024, 2, 29) + EncodeTime(9, 5, 7, 0);
  EXPECT_EQ(FormatDateTime(value, "%A %d %B %Y %H:%M:%S, day %j"),
            "Thursday 29 February 2024 09:05:07, day 060");
  EXPECT_EQ(FormatDateTime(0.0, "%a %Y-%m-%d"), "Sat 1899-12-30");
  EXPECT_EQ(FormatDateTime(value, ""), "");
  EXPECT_EQ(FormatDateTime(value, "no directives"), "no directives");
}

TEST_F(MiscTest, DateFunctionsInTheRuleLanguage) {
  EXPECT_EQ(Eval("(encode-date 2024)")->AsFloat(), EncodeDate(2024, 1, 1));
  EXPECT_EQ(Eval("(encode-date 2024 2 29)")->AsFloat(), 45351.0);
  EXPECT_EQ(Eval("(encode-time 18)")->AsFloat(), 0.75);
  EXPECT_EQ(Eval("(decode-month 45351.75)")->AsInteger(), 2);
  EXPECT_EQ(Eval("(decode-hour 45351.75)")->AsInteger(), 18);
  EXPECT_EQ(Eval("(decode-millisecond (encode-time 1 2 3 456))")->AsInteger(), 456);
  EXPECT_EQ(Text("(date-str 45351)"), "2024-02-29");
  EXPECT_EQ(Text("(datetime-str-format 45351.5 \"%d.%m.%Y %H\")"), "29.02.2024 12");
  EXPECT_EQ(Eval("(str-time \"18:00\")")->AsFloat(), 0.75);
  EXPECT_EQ(ErrorOf("(str-date \"2024-02-30\")"), "'2024-02-30' is not a valid date");
  EXPECT_EQ(ErrorOf("(encode-date 2024 13)"), "Invalid date: year 2024, month 13, day 1");
  EXPECT_NE(ErrorOf("(date-str abc)"), "(no error)");
  double today = Eval("(system-date)")->AsFloat();
  double now = Eval("(system-datetime)")->AsFloat();
  EXPECT_EQ(today, double(int64_t(today)));
  EXPECT_GE(now, today);
  EXPECT_GT(today, 45000.0);
  double time = Eval("(system-time)")->AsFloat();
  EXPECT_GE(time, 0.0);
  EXPECT_LT(time, 1.0);
}

}  // namespace
}  // namespace vettora
