// Dates and identifiers of the export, and the list of parent pairs.
#include <gtest/gtest.h>

#include <string>

#include "exchange/GedDates.h"
#include "exchange/GedXref.h"
#include "exchange/VaterMutterList.h"

namespace {

struct TDateCase {
  const char* date;
  int qualifier;
  const char* text;
};

class DateToGedcomTest : public ::testing::TestWithParam<TDateCase> {};

TEST_P(DateToGedcomTest, GivesTheGedcomText) {
  const TDateCase& c = GetParam();
  EXPECT_EQ(DateToGedcom(c.date, c.qualifier), c.text) << c.date << ", " << c.qualifier;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateToGedcomTest,
    ::testing::Values(
        // the documented table
        TDateCase{"1900.03.05", 3, "ABT 5 MAR 1900"}, TDateCase{"1900.03.00", 0, "MAR 1900"},
        TDateCase{"1900.00.00", 1, "BEF 1900"}, TDateCase{"0000.03.05", 0, "5 MAR"},
        TDateCase{"1900.00.05", 0, "5 1900"}, TDateCase{"0000.00.05", 0, ""},
        // every prefix; an unknown code has none
        TDateCase{"1900.01.01", 2, "AFT 1 JAN 1900"}, TDateCase{"1900.02.28", 4, "EST 28 FEB 1900"},
        TDateCase{"1900.12.31", 5, "SORT 31 DEC 1900"}, TDateCase{"1900.12.31", 9, "31 DEC 1900"},
        TDateCase{"1900.12.31", -1, "31 DEC 1900"},
        // every month word, day without its leading zero
        TDateCase{"1751.04.09", 0, "9 APR 1751"}, TDateCase{"1751.05.10", 0, "10 MAY 1751"},
        TDateCase{"1751.06.00", 0, "JUN 1751"}, TDateCase{"1751.07.00", 0, "JUL 1751"},
        TDateCase{"1751.08.00", 0, "AUG 1751"}, TDateCase{"1751.09.00", 0, "SEP 1751"},
        TDateCase{"1751.10.00", 0, "OCT 1751"}, TDateCase{"1751.11.00", 0, "NOV 1751"},
        // the year as its four digits
        TDateCase{"0812.03.00", 0, "MAR 0812"},
        // month without year, nothing known, an empty date
        TDateCase{"0000.03.00", 0, "MAR"}, TDateCase{"0000.00.00", 0, ""}, TDateCase{"", 0, ""},
        // day alone keeps only the prefix
        TDateCase{"0000.00.05", 1, "BEF "},
        // what is no date of the form stays whole, as a phrase
        TDateCase{"um 1900", 3, "(um 1900)"}, TDateCase{"1900.13.01", 0, "(1900.13.01)"},
        TDateCase{"1900.01.32", 0, "(1900.01.32)"}, TDateCase{"1900.3.5", 0, "(1900.3.5)"}));

TEST(GedXrefTest, IdentifiersOfPersonsFamiliesAndPairs) {
  EXPECT_EQ(GedXref(" I17 "), "@I17@");
  EXPECT_EQ(GedXref("S1"), "@S1@");
  EXPECT_EQ(IndividualXref(17), "@I17@");
  EXPECT_EQ(FamilyXref(3), "@F3@");
  EXPECT_EQ(ParentPairXref(12, 0), "@F12_0@");
  EXPECT_EQ(ParentPairXref(0, 7), "@F0_7@");
  EXPECT_STREQ(kSubmitterXref, "@S1@");
}

TEST(VaterMutterListTest, KeepsTheFirstOccurrenceAndNeverTheEmptyPair) {
  TVaterMutterList list;
  EXPECT_FALSE(list.Insert({0, 0}));
  EXPECT_TRUE(list.Insert({5, 0}));
  EXPECT_TRUE(list.Insert({0, 6}));
  EXPECT_TRUE(list.Insert({5, 6}));
  EXPECT_TRUE(list.Insert({5, 0}));  // Insert appends; finding equal ones is Search's part
  ASSERT_EQ(list.Count(), 4u);
  EXPECT_EQ(list.Search({5, 0}), 0);
  EXPECT_EQ(list.Search({0, 6}), 1);
  EXPECT_EQ(list.Search({5, 6}), 2);
  EXPECT_EQ(list.Search({6, 5}), -1);
  EXPECT_EQ(list.Search({0, 0}), -1);

  // Replacing the first (5, 0) leaves the later equal entry to be found.
  list.atPut(0, {7, 8});
  EXPECT_EQ(list.Search({7, 8}), 0);
  EXPECT_EQ(list.Search({5, 0}), 3);
  EXPECT_EQ(list.at(0).Vater, 7);
  EXPECT_EQ(list.at(0).Mutter, 8);
  list.atPut(3, {0, 6});
  EXPECT_EQ(list.Search({0, 6}), 1);
  EXPECT_EQ(list.Search({5, 0}), -1);
}

}  // namespace
