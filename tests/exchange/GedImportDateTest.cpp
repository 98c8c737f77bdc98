// GEDCOM dates as the import reads them: qualifiers, the three word forms,
// the dotted form, and the texts it refuses.
#include <gtest/gtest.h>

#include "core/Errors.h"
#include "exchange/GedImportDate.h"

namespace {

struct TDateCase {
  const char* text;
  const char* date;
  int qualifier;
};

class GedcomToDateValid : public ::testing::TestWithParam<TDateCase> {};

TEST_P(GedcomToDateValid, GivesDateAndQualifier) {
  std::string date = "x";
  int qualifier = -1;
  GedcomToDate(GetParam().text, date, qualifier);
  EXPECT_EQ(date, GetParam().date);
  EXPECT_EQ(qualifier, GetParam().qualifier);
}

INSTANTIATE_TEST_SUITE_P(Forms, GedcomToDateValid,
                         ::testing::Values(TDateCase{"5 MAR 1900", "1900.03.05", 0},
                                           TDateCase{"ABT 1900", "1900.00.00", 3},
                                           TDateCase{"BEF 12 MAR 1900", "1900.03.12", 1},
                                           TDateCase{"AFT MAR 1900", "1900.03.00", 2},
                                           TDateCase{"EST 850", "0850.00.00", 4},
                                           TDateCase{"SORT 1 jan 1901", "1901.01.01", 5},
                                           TDateCase{"Abt 1900", "1900.00.00", 3},
                                           TDateCase{"12 MAR", "0000.03.12", 0},
                                           TDateCase{"MAR 1900", "1900.03.00", 0},
                                           TDateCase{"29 December 1812", "1812.12.29", 0},
                                           TDateCase{"5 MAR 1900 (Taufbuch)", "1900.03.05", 0},
                                           TDateCase{"05.03.1900", "1900.03.05", 0},
                                           TDateCase{"??.03.1900", "1900.03.00", 0},
                                           TDateCase{"??.??.1900", "1900.00.00", 0},
                                           TDateCase{"??.??.????", "0000.00.00", 0},
                                           TDateCase{"", "0000.00.00", 0},
                                           TDateCase{"0 MAR 1900", "1900.03.00", 0}));

struct TBadCase {
  const char* text;
  const char* message;
  int qualifier;
};

class GedcomToDateInvalid : public ::testing::TestWithParam<TBadCase> {};

TEST_P(GedcomToDateInvalid, RaisesAndLeavesNoDate) {
  std::string date = "1800.01.01";
  int qualifier = -1;
  try {
    GedcomToDate(GetParam().text, date, qualifier);
    FAIL() << "no error for " << GetParam().text;
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().message);
  }
  EXPECT_EQ(date, "0000.00.00");
  EXPECT_EQ(qualifier, GetParam().qualifier);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, GedcomToDateInvalid,
    ::testing::Values(TBadCase{"BET 1900 AND 1910", "Ungültiges GED-Datum: \"BET 1900 AND 1910\"", 0},
                      TBadCase{"ABT 19x0", "Ungültiges GED-Datum: \"19x0\"", 3},
                      TBadCase{"32 MAR 1900", "Ungültiges GED-Datum: \"32 MAR 1900\"", 0},
                      TBadCase{"-5 MAR 1900", "Ungültiges GED-Datum: \"-5 MAR 1900\"", 0},
                      TBadCase{"5 XYZ 1900", "Ungültiges GED-Datum: \"5 XYZ 1900\"", 0},
                      TBadCase{"5 MAR 19000", "Ungültiges GED-Datum: \"5 MAR 19000\"", 0},
                      TBadCase{"5 MAR +900", "Ungültiges GED-Datum: \"5 MAR +900\"", 0},
                      TBadCase{"31.13.1900", "Ungültiges GED-Datum: \"31.13.1900\"", 0},
                      TBadCase{"ab.03.1900", "Ungültiges GED-Datum: \"ab.03.1900\"", 0},
                      TBadCase{"1900/01", "Ungültiges GED-Datum: \"1900/01\"", 0},
                      TBadCase{"BEF FROM 1900 TO 1910", "Ungültiges GED-Datum: \"FROM 1900 TO 1910\"", 1}));

}  // namespace
