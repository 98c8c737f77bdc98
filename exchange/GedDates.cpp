#include "exchange/GedDates.h"

#include <array>

namespace {

const char* QualifierPrefix(int qualifier) {
  switch (qualifier) {
    case 1: return "BEF ";
    case 2: return "AFT ";
    case 3: return "ABT ";
    case 4: return "EST ";
    case 5: return "SORT ";
    default: return "";
  }
}

constexpr std::array<const char*, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

bool Digits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return !s.empty();
}

int Number(std::string_view s) {
  int n = 0;
  for (char c : s) n = n * 10 + (c - '0');
  return n;
}

}  // namespace

std::string DateToGedcom(std::string_view date, int qualifier) {
  const std::string prefix = QualifierPrefix(qualifier);
  if (date.empty()) return prefix;
  const bool wellFormed = date.size() == 10 && date[4] == '.' && date[7] == '.' && Digits(date.substr(0, 4)) &&
                          Digits(date.substr(5, 2)) && Digits(date.substr(8, 2));
  const int month = wellFormed ? Number(date.substr(5, 2)) : 0;
  const int day = wellFormed ? Number(date.substr(8, 2)) : 0;
  // A phrase cannot carry a qualifier in GEDCOM, so it stands alone.
  if (!wellFormed || month > 12 || day > 31) return "(" + std::string(date) + ")";

  const std::string_view year = date.substr(0, 4);
  const bool yearKnown = year != "0000";
  std::string words;
  if (day > 0) {
    if (month == 0 && !yearKnown) return prefix;
    words = std::to_string(day);
    if (month > 0) words += std::string(" ") + kMonths[static_cast<std::size_t>(month - 1)];
    if (yearKnown) words += " " + std::string(year);
  } else if (month > 0) {
    words = kMonths[static_cast<std::size_t>(month - 1)];
    if (yearKnown) words += " " + std::string(year);
  } else if (yearKnown) {
    words = std::string(year);
  }
  return prefix + words;
}
