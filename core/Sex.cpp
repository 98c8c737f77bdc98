#include "core/Sex.h"

int SexFromLetter(std::string_view letter) {
  if (letter == "M" || letter == "m") return sexMale;
  if (letter == "F" || letter == "f" || letter == "W" || letter == "w") return sexFemale;
  return sexUnknown;
}

std::string SexLetter(int sex) {
  switch (sex) {
    case sexMale: return "M";
    case sexFemale: return "F";
    default: return "U";
  }
}
