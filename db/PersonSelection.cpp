#include "db/PersonSelection.h"

#include <bitset>

#include "core/Configuration.h"
#include "core/HelperLists.h"
#include "core/Paths.h"

namespace {

using TBits = std::bitset<MaxSelectablePersonId + 1>;

TBits& Bits() {
  static TBits bits;
  return bits;
}

bool InRange(int id) { return id >= 0 && id <= MaxSelectablePersonId; }

}  // namespace

bool IsSelected(int id) { return InRange(id) && Bits().test(static_cast<std::size_t>(id)); }

void SelectPerson(int id) {
  if (InRange(id)) Bits().set(static_cast<std::size_t>(id));
}

void DeselectPerson(int id) {
  if (InRange(id)) Bits().reset(static_cast<std::size_t>(id));
}

void ClearSelection() { Bits().reset(); }

int SelectionCount() { return static_cast<int>(Bits().count()); }

void LoadDatabaseSelection(const std::string& dbPath) {
  ClearSelection();
  for (int id : ReadSelectionIds(FindFileNoCase(dbPath, "selpers.lst"))) SelectPerson(id);
}

void LoadDatabaseSelection() { LoadDatabaseSelection(Config ? Config->DBPath : std::string()); }
