#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Errors.h"
#include "tests/core/TestSupport.h"

namespace {

class DatesTest : public CoreTest {};

std::string Ymd(int y, int m, int d) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%04d.%02d.%02d", y, m, d);
  return buf;
}

TEST_F(DatesTest, NormalizeDateFillsEmptyAndCutsLongTexts) {
  EXPECT_EQ(NormalizeDate(""), NoDate);
  EXPECT_EQ(NormalizeDate("1900.01.05"), "1900.01.05");
  EXPECT_EQ(NormalizeDate("1900.01.05 12:00"), "1900.01.05");
  EXPECT_EQ(NormalizeDate("1900"), "1900");
}

TEST_F(DatesTest, PartsAreReadAsNumbers) {
  struct Case {
    const char* date;
    int year, month, day;
  } cases[] = {
      {"1900.01.05", 1900, 1, 5},   {"0000.00.00", 0, 0, 0},     {"", 0, 0, 0},
      {"2024.12.31", 2024, 12, 31}, {"1900.00.00", 1900, 0, 0}, {"0033.07.09extra", 33, 7, 9},
      {"1900", 1900, 0, 0},  // a part missing from a short text counts as unknown
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(DateYear(c.date), c.year);
    EXPECT_EQ(DateMonth(c.date), c.month);
    EXPECT_EQ(DateDay(c.date), c.day);
  }
}

TEST_F(DatesTest, PartThatIsNoNumberRaisesConvertError) {
  EXPECT_THROW(DateYear("19a0.01.05"), EConvertError);
  EXPECT_THROW(DateYear("    .01.05"), EConvertError);
  EXPECT_THROW(DateMonth("1900.-1.05"), EConvertError);
  EXPECT_THROW(DateDay("1900.01. 5"), EConvertError);
  EXPECT_THROW(DayOfYear("1900.0x.05"), EConvertError);
  EXPECT_THROW(WeekdayOf("1900.01.xx"), EConvertError);
  // Only the part asked for is read.
  EXPECT_EQ(DateMonth("19a0.01.05"), 1);
  try {
    DateDay("1900.01.x5");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("'x5'"), std::string::npos) << e.what();
  }
}

TEST_F(DatesTest, YearKnownAndDateComplete) {
  struct Case {
    const char* date;
    bool yearKnown, complete;
  } cases[] = {
      {"1900.01.05", true, true},  {"1900.00.05", true, false}, {"1900.01.00", true, false},
      {"0000.01.05", false, false}, {"0000.00.00", false, false}, {"", false, false},
      {"0001.01.01", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(YearKnown(c.date), c.yearKnown);
    EXPECT_EQ(DateComplete(c.date), c.complete);
  }
  EXPECT_FALSE(YearKnown("    .01.05"));
}

TEST_F(DatesTest, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(1600));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_FALSE(IsLeapYear(2023));
  const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(DaysInMonth(m, 1900), lengths[m - 1]) << m;
  EXPECT_EQ(DaysInMonth(2, 2000), 29);
  EXPECT_EQ(DaysInMonth(2, 1900), 28);
  EXPECT_EQ(DaysInMonth(0, 2000), 0);
  EXPECT_EQ(DaysInMonth(13, 2000), 0);
}

TEST_F(DatesTest, DayOfYearOfKnownDays) {
  EXPECT_EQ(DayOfYear("1900.01.01"), 1);
  EXPECT_EQ(DayOfYear("1900.03.01"), 60);
  EXPECT_EQ(DayOfYear("2000.03.01"), 61);
  EXPECT_EQ(DayOfYear("2000.12.31"), 366);
  EXPECT_EQ(DayOfYear("1900.12.31"), 365);
  EXPECT_EQ(DayOfYear("1900.00.05"), 0);
  EXPECT_EQ(DayOfYear("1900.05.00"), 0);
  EXPECT_EQ(DayOfYear(""), 0);
}

TEST_F(DatesTest, WeekdayNames) {
  EXPECT_EQ(WeekdayName("2000.01.01"), "Samstag");
  EXPECT_EQ(WeekdayName("1900.01.01"), "Montag");
  EXPECT_EQ(WeekdayName("2026.12.11"), "Freitag");
  EXPECT_EQ(WeekdayName("1900.00.01"), "?");
  EXPECT_EQ(WeekdayName("0000.05.01"), "?");
  EXPECT_EQ(WeekdayName(""), "?");
  EXPECT_EQ(WeekdayOf("1900.05.00"), -1);
}

// The calendar of the standard library is the independent reference for the
// day and weekday arithmetic, over whole years around every kind of century
// and over three fixed days of every year from 1 to 9999.
TEST_F(DatesTest, DayOfYearAndWeekdayAgreeWithTheCivilCalendar) {
  using namespace std::chrono;
  auto check = [](int y, unsigned m, unsigned d) {
    const year_month_day ymd{year{y}, month{m}, day{d}};
    const sys_days days{ymd};
    const int expectedDay = (days - sys_days{year{y} / January / 1}).count() + 1;
    const int expectedWeekday = static_cast<int>(weekday{days}.c_encoding());
    const std::string date = Ymd(y, static_cast<int>(m), static_cast<int>(d));
    if (DayOfYear(date) != expectedDay || WeekdayOf(date) != expectedWeekday) {
      ADD_FAILURE() << date << ": day " << DayOfYear(date) << " (" << expectedDay << "), weekday "
                    << WeekdayOf(date) << " (" << expectedWeekday << ")";
      return false;
    }
    return true;
  };
  for (const int y : {1, 2, 4, 99, 100, 101, 400, 1582, 1899, 1900, 1904, 1999, 2000, 2001, 2100, 2400, 9999})
    for (unsigned m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInMonth(static_cast<int>(m), y); ++d)
        if (!check(y, m, static_cast<unsigned>(d))) return;
  for (int y = 1; y <= 9999; ++y)
    if (!check(y, 1, 1) || !check(y, 3, 1) || !check(y, 12, 31)) return;
}

TEST_F(DatesTest, SortKeyPutsUnknownPartsLast) {
  struct Case {
    const char* date;
    const char* key;
  } cases[] = {
      {"0000.00.00", "9999.99.99"}, {"1900.00.00", "1900.99.99"}, {"1900.05.00", "1900.05.99"},
      {"0000.05.12", "9999.05.12"}, {"1900.05.12", "1900.05.12"}, {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DateSortKey(c.date), c.key) << c.date;
  EXPECT_GT(DateSortKey(NoDate), DateSortKey("9998.12.31"));
  EXPECT_GT(DateSortKey("1900.05.00"), DateSortKey("1900.05.31"));
  EXPECT_LT(DateSortKey("1900.05.00"), DateSortKey("1900.06.01"));
}

TEST_F(DatesTest, MakeDateWritesValidDatesWithLeadingZeros) {
  EXPECT_EQ(MakeDate(5, 1, 1900), "1900.01.05");
  EXPECT_EQ(MakeDate(29, 2, 2000), "2000.02.29");
  EXPECT_EQ(MakeDate(1, 1, 1), "0001.01.01");
  EXPECT_EQ(MakeDate(31, 12, 9999), "9999.12.31");
  struct Bad {
    int day, month, year;
  } bad[] = {{29, 2, 1900}, {31, 4, 2000}, {0, 1, 2000}, {1, 0, 2000}, {1, 13, 2000}, {1, 1, 0}, {1, 1, 10000}};
  for (const Bad& b : bad)
    EXPECT_THROW(MakeDate(b.day, b.month, b.year), EConvertError) << b.day << "." << b.month << "." << b.year;
}

TEST_F(DatesTest, DateFromDateTimeGivesTheCalendarDay) {
  // The fixture's clock stands at 2026-12-11 10:00 UTC, and TZ is UTC.
  EXPECT_EQ(DateFromDateTime(Now()), "2026.12.11");
  EXPECT_EQ(DateFromDateTime(TClock::from_time_t(0)), "1970.01.01");
  EXPECT_EQ(DateFromDateTime(TClock::from_time_t(-1)), "1969.12.31");
  EXPECT_EQ(DateFromDateTime(TClock::from_time_t(951782400)), "2000.02.29");  // 2000-02-29 00:00
}

TEST_F(DatesTest, AgeInYearsCountsCompletedYears) {
  struct Case {
    const char* from;
    const char* to;
    int years;
  } cases[] = {
      {"1950.05.10", "2000.05.10", 50},  // the anniversary itself counts
      {"1950.05.10", "2000.05.09", 49},
      {"1950.05.10", "2000.00.00", 49},
      {"1950.00.00", "2000.05.10", 50},
      {"1950.05.10", "1950.12.31", 0},
      {"2000.05.10", "1950.05.10", -50},
      {"2000.05.10", "1999.12.31", 0},  // truncated toward zero, not down
      {"0000.05.10", "2000.05.10", -1},
      {"1950.05.10", "0000.00.00", -1},
      {"", "2000.05.10", -1},
      {"1950.x5.10", "2000.05.10", -1},
      {"1950.05.10", "2000.05.1y", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(AgeInYears(c.from, c.to), c.years) << c.from << " " << c.to;
}

TEST_F(DatesTest, AgeTextShowsTheAgeOrADash) {
  EXPECT_EQ(AgeText("1950.05.10", "2000.05.10"), "50");
  EXPECT_EQ(AgeText("1950.05.10", "2000.05.09"), "49");
  EXPECT_EQ(AgeText("0000.05.10", "2000.05.10"), "-");
  EXPECT_EQ(AgeText("1950.05.10", ""), "-");
  EXPECT_THROW(AgeText("1950.x5.10", "2000.05.10"), EConvertError);
}

}  // namespace
