// Letter case and comparison for the Latin letters of the program's texts
// (ASCII, Latin-1 and Latin Extended-A, so umlauts and the 1252 extras).
// Comparison ignores case and sorts a letter with diacritics with its base
// letter (ä with a, ß as ss); accents only break ties. Other scripts compare
// by code point.
#pragma once

#include <string>
#include <string_view>

char32_t UpperChar(char32_t cp);
char32_t LowerChar(char32_t cp);

std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);

// Negative, 0 or positive; 0 only for texts equal but for letter case.
int AnsiCompareText(std::string_view a, std::string_view b);
// Equal but for letter case ("Müller", "MÜLLER"); "a" and "ä" differ.
bool SameText(std::string_view a, std::string_view b);
