#include "exchange/GedFamilyPlan.h"

#include <algorithm>

#include "db/AhnenDB.h"
#include "db/PersonRows.h"
#include "db/PersonSelection.h"

namespace {

std::uint64_t PairKey(int mann, int frau) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(mann)) << 32) | static_cast<std::uint32_t>(frau);
}

void Set(std::vector<bool>& bits, int id) {
  if (id <= 0) return;
  if (static_cast<std::size_t>(id) >= bits.size()) bits.resize(static_cast<std::size_t>(id) + 1);
  bits[static_cast<std::size_t>(id)] = true;
}

const std::vector<int> kNoChildren;

}  // namespace

TGedFamilyPlan::TGedFamilyPlan(TAhnenDB& db, bool selectedOnly) : selectedOnly_(selectedOnly) {
  struct TParents {
    int id, vater, mutter;
  };
  std::vector<TParents> persons;
  persons.reserve(static_cast<std::size_t>(db.RecordCount(TableId::Person)));
  {
    TStatement st(db.Connection(),
                  "SELECT \"Id\", \"Vater\", \"Mutter\" FROM " + TableName(TableId::Person) + " ORDER BY \"Id\"");
    while (st.Step()) {
      const int id = st.Int(0);
      if (id <= 0 || (selectedOnly && !IsSelected(id))) continue;
      persons.push_back({id, st.Int(1), st.Int(2)});
      Set(written_, id);
      ++writtenCount_;
    }
  }
  {
    TStatement st(db.Connection(), "SELECT \"Id\", \"Mann\", \"Frau\", \"Heirat\" FROM " + TableName(TableId::Ehe) +
                                       " ORDER BY \"Id\"");
    while (st.Step()) {
      const TMarriageKey key{st.Int(0), st.Int(1), st.Int(2), !st.IsNull(3), st.Text(3)};
      firstMarriage_.emplace(PairKey(key.mann, key.frau), key.id);
      if (!MarriageWritten(key.mann, key.frau)) continue;
      if (Written(key.mann)) byHusband_.push_back(key);
      if (Written(key.frau)) byWife_.push_back(key);
    }
  }
  auto order = [](int TMarriageKey::*partner) {
    return [partner](const TMarriageKey& a, const TMarriageKey& b) {
      if (a.*partner != b.*partner) return a.*partner < b.*partner;
      if (a.dated != b.dated) return !a.dated;
      if (a.heirat != b.heirat) return a.heirat < b.heirat;
      return a.id < b.id;
    };
  };
  std::sort(byHusband_.begin(), byHusband_.end(), order(&TMarriageKey::mann));
  std::sort(byWife_.begin(), byWife_.end(), order(&TMarriageKey::frau));

  pairs_.ReadFromDb(db, *this);
  pairChildren_.resize(pairs_.Count());
  for (const TParents& p : persons) {
    const TGedFamilyRef family = ParentFamily(p.vater, p.mutter);
    if (family.marriage > 0) {
      marriageChildren_[family.marriage].push_back(p.id);
    } else if (family.pair >= 0) {
      pairChildren_[static_cast<std::size_t>(family.pair)].push_back(p.id);
      Set(pairParent_, Masked(p.vater));
      Set(pairParent_, Masked(p.mutter));
    }
  }
}

bool TGedFamilyPlan::Written(int id) const { return Test(written_, id); }

bool TGedFamilyPlan::MarriageWritten(int mann, int frau) const {
  return selectedOnly_ ? Written(mann) && Written(frau) : Written(mann) || Written(frau);
}

int TGedFamilyPlan::MarriageOf(int father, int mother) const {
  if (father == 0 && mother == 0) return 0;
  const auto it = firstMarriage_.find(PairKey(father, mother));
  if (it == firstMarriage_.end() || !MarriageWritten(father, mother)) return 0;
  return it->second;
}

TGedFamilyRef TGedFamilyPlan::ParentFamily(int vater, int mutter) const {
  const int father = Masked(vater), mother = Masked(mutter);
  TGedFamilyRef ref;
  if (father == 0 && mother == 0) return ref;
  ref.marriage = MarriageOf(father, mother);
  if (ref.marriage == 0) ref.pair = pairs_.Search({father, mother});
  return ref;
}

const std::vector<int>& TGedFamilyPlan::MarriageChildren(int marriageId) const {
  const auto it = marriageChildren_.find(marriageId);
  return it == marriageChildren_.end() ? kNoChildren : it->second;
}

const std::vector<int>& TGedFamilyPlan::PairChildren(std::size_t pairIndex) const {
  return pairIndex < pairChildren_.size() ? pairChildren_[pairIndex] : kNoChildren;
}

std::vector<int> TGedFamilyPlan::Range(const std::vector<TMarriageKey>& sorted, int TMarriageKey::*partner, int id) {
  auto first = std::lower_bound(sorted.begin(), sorted.end(), id,
                                [partner](const TMarriageKey& k, int v) { return k.*partner < v; });
  std::vector<int> ids;
  for (; first != sorted.end() && (*first).*partner == id; ++first) ids.push_back(first->id);
  return ids;
}

std::vector<int> TGedFamilyPlan::MarriagesAsHusband(int id) const { return Range(byHusband_, &TMarriageKey::mann, id); }

std::vector<int> TGedFamilyPlan::MarriagesAsWife(int id) const { return Range(byWife_, &TMarriageKey::frau, id); }

bool TGedFamilyPlan::HasPairChildren(int id) const { return Test(pairParent_, id); }
