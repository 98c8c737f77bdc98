#include <gtest/gtest.h>

#include "core/DateFormat.h"
#include "core/DisplaySettings.h"
#include "core/Errors.h"
#include "tests/core/TestSupport.h"

namespace {

class DateFormatTest : public CoreTest {};

TEST_F(DateFormatTest, QualifierEntriesAndPrefixes) {
  EXPECT_EQ(QualifierEntries(),
            (std::vector<std::string>{"Exakt", "Vor", "Nach", "Um", "Geschätzt", "Sortieren&Ignorieren"}));
  const char* prefixes[] = {"", "vor ", "nach ", "um ", "geschätzt ", ""};
  for (int code = 0; code <= 5; ++code) EXPECT_EQ(QualifierPrefix(code), prefixes[code]) << code;
  EXPECT_EQ(QualifierPrefix(-1), "");
  EXPECT_EQ(QualifierPrefix(6), "");
}

TEST_F(DateFormatTest, FormatDateWithAndWithoutMonthNames) {
  struct Case {
    const char* date;
    const char* numeric;
    const char* named;
  } cases[] = {
      {"1900.01.05", "05.01.1900", "5 Jan 1900"},
      {"1900.12.31", "31.12.1900", "31 Dez 1900"},
      {"1900.03.00", "Mär 1900", "Mär 1900"},
      {"1900.00.00", "1900", "1900"},
      {"0000.00.00", "", ""},
      {"", "", ""},
      {"0000.05.12", "12.05.0000", "12 Mai 0000"},  // the year as stored
      {"1900.01.05 trailing", "05.01.1900", "5 Jan 1900"},
  };
  for (const Case& c : cases) {
    DisplaySettings().monatsname = false;
    EXPECT_EQ(FormatDate(c.date), c.numeric) << c.date;
    DisplaySettings().monatsname = true;
    EXPECT_EQ(FormatDate(c.date), c.named) << c.date;
  }
}

TEST_F(DateFormatTest, YearShortAndIsoForms) {
  struct Case {
    const char* date;
    const char* year;
    const char* shortForm;
    const char* iso;
  } cases[] = {
      {"1900.01.05", "1900", "5.1.1900", "1900-01-05"},
      {"1900.11.00", "1900", "11.1900", "1900-11-00"},
      {"1900.00.00", "1900", "1900", "1900-00-00"},
      {"0033.00.00", "0033", "33", "0033-00-00"},
      {"0000.10.25", "", "25.10.0", "0000-10-25"},
      {"0000.00.00", "", "", "0000-00-00"},
      {"", "", "", "0000-00-00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(FormatYear(c.date), c.year);
    EXPECT_EQ(FormatDateShort(c.date), c.shortForm);
    EXPECT_EQ(FormatDateIso(c.date), c.iso);
  }
  EXPECT_THROW(FormatDateShort("1900.o1.05"), EConvertError);
}

TEST_F(DateFormatTest, QualifiedDateFollowsDatumJahr) {
  struct Case {
    int code;
    const char* date;
    const char* full;
    const char* yearOnly;
  } cases[] = {
      {0, "1900.05.12", "12.05.1900", "1900"},
      {1, "1900.00.00", "vor 1900", "vor 1900"},
      {2, "1900.05.00", "nach Mai 1900", "nach 1900"},
      {3, "1900.05.12", "um 12.05.1900", "um 1900"},
      {4, "1900.05.12", "geschätzt 12.05.1900", "geschätzt 1900"},
      {5, "1900.05.12", "", ""},
      {9, "1900.05.12", "12.05.1900", "1900"},
      // No prefix without a date to carry it.
      {1, "0000.00.00", "", ""},
      {4, "", "", ""},
      {3, "0000.05.12", "um 12.05.0000", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.code) + " " + c.date);
    DisplaySettings().datumJahr = false;
    EXPECT_EQ(FormatQualifiedDate(c.code, c.date), c.full);
    DisplaySettings().datumJahr = true;
    EXPECT_EQ(FormatQualifiedDate(c.code, c.date), c.yearOnly);
  }
}

TEST_F(DateFormatTest, FormatEventJoinsDatePlaceAndSource) {
  struct Case {
    int code;
    const char* date;
    const char* source;
    const char* place;
    const char* expected;
  } cases[] = {
      {0, "1900.01.05", "KB Bern", "Bern", "* 05.01.1900 in Bern [Q:KB Bern]"},
      {1, "1900.00.00", "", "Bern", "* vor 1900 in Bern"},
      {0, "0000.00.00", "", "Bern", "*  in Bern"},
      {0, "", "KB Bern", "", "*  [Q:KB Bern]"},
      {0, "1900.01.05", "", "", "* 05.01.1900"},
      {5, "1900.01.05", "", "", ""},
      {0, "", "", "", ""},
      {2, "0000.00.00", "", "", ""},  // a qualifier alone is no event
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatEvent("* ", c.code, c.date, c.source, c.place), c.expected)
        << c.code << " " << c.date << " " << c.source << " " << c.place;
}

}  // namespace
