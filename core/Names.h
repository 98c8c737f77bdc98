// Surname rules: the married name composed from the partner's surname, and
// the list display of surnames. All read the process-wide settings
// FamNameBeide, FamNameListe and NachnameGross.
#pragma once

#include <string>
#include <string_view>

// partner + "-" + own with FamNameBeide, else partner; the hyphen only
// stands between two non-empty names.
std::string ComposeMarriedName(std::string_view partnerSurname, std::string_view ownSurname);
// The surname, in capitals (umlauts included) with NachnameGross.
std::string SurnameText(std::string_view surname);
// The married name in place of the birth surname with FamNameListe when
// there is one; in capitals with NachnameGross.
std::string ListSurname(std::string_view birthSurname, std::string_view marriedName);
