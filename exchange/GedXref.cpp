#include "exchange/GedXref.h"

std::string GedXref(std::string_view text) {
  const std::size_t b = text.find_first_not_of(' ');
  if (b == std::string_view::npos) return "@@";
  const std::size_t e = text.find_last_not_of(' ');
  return "@" + std::string(text.substr(b, e - b + 1)) + "@";
}

std::string IndividualXref(int personId) { return "@I" + std::to_string(personId) + "@"; }

std::string FamilyXref(int marriageId) { return "@F" + std::to_string(marriageId) + "@"; }

std::string ParentPairXref(int fatherId, int motherId) {
  return "@F" + std::to_string(fatherId) + "_" + std::to_string(motherId) + "@";
}
