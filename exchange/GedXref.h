// The identifiers of an exported file: @I n@ for person n, @F n@ for marriage
// row n, @F f_m@ for parents without a written row (0 for a parent not known
// or not written) and the submitter @S1@; the import meets them again.
#pragma once

#include <string>
#include <string_view>

inline constexpr const char* kSubmitterXref = "@S1@";

// The text without surrounding blanks, between at signs.
std::string GedXref(std::string_view text);

std::string IndividualXref(int personId);
std::string FamilyXref(int marriageId);
std::string ParentPairXref(int fatherId, int motherId);
