// The GEDCOM dates the import understands, turned into the program's date
// string "yyyy.mm.dd" and a qualifier code: "5 MAR 1900", "MAR 1900", "1900",
// "12 MAR", "05.03.1900", each after BEF, AFT, ABT, EST or SORT.
#pragma once

#include <string>

// Sets date and qualifier. A text that is no such date sets the date to
// "0000.00.00" and raises EConvertError "Ungültiges GED-Datum: \"text\"";
// the qualifier is delivered in any case.
void GedcomToDate(const std::string& text, std::string& date, int& qualifier);
