#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>

#include "core/DateRange.h"
#include "core/Errors.h"

namespace {

using std::chrono::sys_days;

sys_days Day(int y, unsigned m, unsigned d) {
  return sys_days{std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d}};
}

}  // namespace

struct RangeCase {
  const char* date;
  sys_days earliest;
  sys_days latest;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.date; }

class DateRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(DateRangeTest, GivesTheFirstAndLastPossibleDay) {
  EXPECT_EQ(EarliestDay(GetParam().date), GetParam().earliest) << GetParam().date;
  EXPECT_EQ(LatestDay(GetParam().date), GetParam().latest) << GetParam().date;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateRangeTest,
    ::testing::Values(RangeCase{"1900.00.00", Day(1900, 1, 1), Day(1900, 12, 31)},
                      RangeCase{"1850.06.15", Day(1850, 6, 15), Day(1850, 6, 15)},
                      RangeCase{"1900.00.15", Day(1900, 1, 15), Day(1900, 12, 15)},
                      RangeCase{"1901.01.00", Day(1901, 1, 1), Day(1901, 1, 31)},
                      RangeCase{"1901.04.00", Day(1901, 4, 1), Day(1901, 4, 30)},
                      RangeCase{"1901.06.00", Day(1901, 6, 1), Day(1901, 6, 30)},
                      RangeCase{"1901.09.00", Day(1901, 9, 1), Day(1901, 9, 30)},
                      RangeCase{"1901.11.00", Day(1901, 11, 1), Day(1901, 11, 30)},
                      RangeCase{"1901.12.00", Day(1901, 12, 1), Day(1901, 12, 31)},
                      // February: 29 days in leap years only (every 4th, not
                      // every 100th, but every 400th year).
                      RangeCase{"1904.02.00", Day(1904, 2, 1), Day(1904, 2, 29)},
                      RangeCase{"1900.02.00", Day(1900, 2, 1), Day(1900, 2, 28)},
                      RangeCase{"2000.02.00", Day(2000, 2, 1), Day(2000, 2, 29)},
                      RangeCase{"1903.02.00", Day(1903, 2, 1), Day(1903, 2, 28)},
                      // A day beyond the month's end is its last day.
                      RangeCase{"1900.02.31", Day(1900, 2, 28), Day(1900, 2, 28)},
                      RangeCase{"1904.02.30", Day(1904, 2, 29), Day(1904, 2, 29)},
                      RangeCase{"1901.04.31", Day(1901, 4, 30), Day(1901, 4, 30)},
                      RangeCase{"1901.00.31", Day(1901, 1, 31), Day(1901, 12, 31)},
                      RangeCase{"1901.05.99", Day(1901, 5, 31), Day(1901, 5, 31)},
                      // Only the first ten characters count.
                      RangeCase{"1900.05.07 x", Day(1900, 5, 7), Day(1900, 5, 7)}));

TEST(DateRangeDayNumberTest, DaysCountFromTheFirstOfJanuary1970) {
  EXPECT_EQ(EarliestDay("1970.01.01").time_since_epoch().count(), 0);
  EXPECT_EQ(EarliestDay("1970.01.02").time_since_epoch().count(), 1);
  EXPECT_EQ(LatestDay("1969.12.00").time_since_epoch().count(), -1);
  // 1970 and 1971 have 365 days each, 1972 is a leap year.
  EXPECT_EQ(EarliestDay("1973.00.00").time_since_epoch().count(), 365 + 365 + 366);
}

class DateRangeErrorTest : public ::testing::TestWithParam<const char*> {};

TEST_P(DateRangeErrorTest, RaisesAConversionError) {
  EXPECT_THROW(EarliestDay(GetParam()), EConvertError) << GetParam();
  EXPECT_THROW(LatestDay(GetParam()), EConvertError) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Dates, DateRangeErrorTest,
                         ::testing::Values("", "0000.00.00", "0000.05.01", "    .05.01", "1900.13.00",
                                           "1900.99.01", "19x0.01.01", "1900.ab.01", "1900.01.0x", "1900",
                                           "1900.01", "-900.01.01"));

TEST(DateRangeMessageTest, MessagesSayWhatIsWrong) {
  const auto message = [](const char* date) {
    try {
      LatestDay(date);
    } catch (const EConvertError& e) {
      return std::string(e.what());
    }
    return std::string("(none)");
  };
  EXPECT_EQ(message("0000.05.01"), "Ungültiges Datum \"0000.05.01\": das Jahr ist unbekannt");
  EXPECT_EQ(message("1900.13.00"), "Ungültiges Datum \"1900.13.00\": der Monat muss zwischen 1 und 12 liegen");
  EXPECT_EQ(message("19x0.01.01"), "\"19x0.01.01\" ist kein gültiges Datum");
}
