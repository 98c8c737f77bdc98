// Deleting a person with everything that refers to it, as one transaction:
// either the person and all its relationships go, or nothing changes.
#include <utility>
#include <vector>

#include "core/Host.h"
#include "core/Sex.h"
#include "db/AhnenDB.h"

bool TAhnenDB::DeletePersonWithRelations(int id) {
  const auto d = getPersonDetail(id);
  if (d->Id == 0) return false;
  if (!Host().ClosePersonView(id)) return false;

  // Whatever the recorded sex, the person may stand as husband or wife and
  // as father or mother: looking it up as of unknown sex finds both sides.
  TPerson anySide = *d;
  anySide.Geschlecht = sexUnknown;

  // Open views hear of the changes only once they are stored.
  std::vector<std::pair<int, int>> droppedMarriages;  // view person, marriage
  std::vector<int> linkOwners;
  {
    TTransaction tx(Connection());
    // Everything that refers to the person, read before the first change.
    const auto partners = getPartners(anySide);
    const auto children = getChildren(anySide);
    const auto ownLinks = getLinks(*d);
    const auto linksTo = getLinksTo(id);
    const auto mediae = getMediae(*d);
    const auto entries = getDiverse(*d);

    for (const auto& partner : *partners) {
      deleteMarriage(*partner);
      if (partner->Partner && partner->Partner->Id > 0) droppedMarriages.emplace_back(partner->Partner->Id, partner->Id);
    }
    for (const auto& child : *children) {
      if (child->Vater == id) child->Vater = 0;
      if (child->Mutter == id) child->Mutter = 0;
      update(*child);
    }
    for (const auto& link : *ownLinks) deleteLink(*link);
    for (const auto& link : *linksTo) {
      // A link of the person to itself went with its own links.
      if (link->Id1 == id) continue;
      deleteLink(*link);
      linkOwners.push_back(link->Id1);
    }
    for (const auto& media : *mediae) deleteMedia(*media);
    for (const auto& entry : *entries) deleteDiverses(*entry);
    remove(*d);
    tx.Commit();
  }

  for (const auto& [viewPerson, marriage] : droppedMarriages) Host().DropMarriage(viewPerson, marriage);
  if (d->Vater > 0) Host().RefreshChildren(d->Vater);
  if (d->Mutter > 0) Host().RefreshChildren(d->Mutter);
  for (int owner : linkOwners) Host().RefreshLinks(owner);
  Host().PersonDeleted(id);
  return true;
}
