#include "core/Names.h"

#include "core/DisplaySettings.h"
#include "core/TextCase.h"

std::string ComposeMarriedName(std::string_view partnerSurname, std::string_view ownSurname) {
  if (!DisplaySettings().famNameBeide || ownSurname.empty()) return std::string(partnerSurname);
  if (partnerSurname.empty()) return std::string(ownSurname);
  return std::string(partnerSurname) + "-" + std::string(ownSurname);
}

std::string SurnameText(std::string_view surname) {
  return DisplaySettings().nachnameGross ? AnsiUpperCase(surname) : std::string(surname);
}

std::string ListSurname(std::string_view birthSurname, std::string_view marriedName) {
  const bool married = DisplaySettings().famNameListe && !marriedName.empty();
  return SurnameText(married ? marriedName : birthSurname);
}
