// The GEDCOM text of a stored date "yyyy.mm.dd": the qualifier's prefix and
// the known parts as day, month word and year. A stored text of another form
// is kept whole as a date phrase "(...)".
#pragma once

#include <string>
#include <string_view>

// date: "yyyy.mm.dd" with 0000/00 for unknown parts; empty counts as no date.
// qualifier: 0 none, 1 Vor, 2 Nach, 3 Um, 4 Geschätzt, 5 Sortieren&Ignorieren.
std::string DateToGedcom(std::string_view date, int qualifier);
