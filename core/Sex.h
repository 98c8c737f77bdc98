// The sex code of a person (0 male, 1 female, 2 unknown) and its letter.
// Reading is lenient: any text that is no known letter gives 2.
#pragma once

#include <string>
#include <string_view>

enum TSexCode : int { sexMale = 0, sexFemale = 1, sexUnknown = 2 };

// "M"/"m" give 0; "F", "f", "W", "w" give 1; any other text gives 2.
int SexFromLetter(std::string_view letter);
// "M", "F", or "U" for 2 and any other code.
std::string SexLetter(int sex);
