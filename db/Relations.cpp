#include "db/Relations.h"

#include <set>
#include <vector>

#include "core/Sex.h"
#include "db/AhnenDB.h"

bool IsAncestor(int ancestorId, int personId) {
  if (!AhnenDB || ancestorId <= 0 || personId <= 0) return false;
  std::set<int> seen{personId};
  std::vector<int> todo{personId};
  while (!todo.empty()) {
    const int id = todo.back();
    todo.pop_back();
    const auto p = AhnenDB->getPerson(id);
    for (int parent : {p->Vater, p->Mutter}) {
      if (parent <= 0) continue;
      if (parent == ancestorId) return true;
      if (seen.insert(parent).second) todo.push_back(parent);
    }
  }
  return false;
}

int SexDemandedByRelations(int personId) {
  if (!AhnenDB || personId <= 0) return sexUnknown;
  TPerson asMan, asWoman;
  asMan.Id = asWoman.Id = personId;
  asMan.Geschlecht = sexMale;
  asWoman.Geschlecht = sexFemale;
  const bool male = AhnenDB->hasChildren(asMan) || !AhnenDB->getPartners(asMan)->Empty();
  const bool female = AhnenDB->hasChildren(asWoman) || !AhnenDB->getPartners(asWoman)->Empty();
  if (male && female) return -1;
  if (male) return sexMale;
  if (female) return sexFemale;
  return sexUnknown;
}

std::string ParentAssignmentRefusal(int parentId, int childId) {
  if (parentId == childId) return "Eine Person kann nicht ihr eigener Elternteil sein.";
  if (IsAncestor(childId, parentId)) {
    return "Eine Person kann nicht ihr eigener Vorfahre sein.\n\n\"" + AhnenDB->personText(childId) +
           "\" ist bereits ein Vorfahre von \"" + AhnenDB->personText(parentId) + "\".";
  }
  return {};
}
