#include "exchange/VaterMutterList.h"

#include "db/AhnenDB.h"
#include "db/PersonRows.h"
#include "exchange/GedFamilyPlan.h"

std::uint64_t TVaterMutterList::Key(const TVaterMutterEntry& e) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(e.Vater)) << 32) |
         static_cast<std::uint32_t>(e.Mutter);
}

long TVaterMutterList::Search(const TVaterMutterEntry& entry) const {
  if (entry.Vater == 0 && entry.Mutter == 0) return -1;
  const auto it = index_.find(Key(entry));
  return it == index_.end() ? -1 : static_cast<long>(it->second);
}

bool TVaterMutterList::Insert(const TVaterMutterEntry& entry) {
  if (entry.Vater == 0 && entry.Mutter == 0) return false;
  entries_.push_back(entry);
  index_.emplace(Key(entry), entries_.size() - 1);
  return true;
}

void TVaterMutterList::atPut(std::size_t index, const TVaterMutterEntry& entry) {
  TVaterMutterEntry& slot = entries_.at(index);
  const auto old = index_.find(Key(slot));
  if (old != index_.end() && old->second == index) {
    index_.erase(old);
    // Another entry may hold the same pair further on; it is found now.
    for (std::size_t i = index + 1; i < entries_.size(); ++i)
      if (Key(entries_[i]) == Key(slot)) {
        index_.emplace(Key(slot), i);
        break;
      }
  }
  slot = entry;
  const auto now = index_.find(Key(entry));
  if (now == index_.end() || now->second > index) index_[Key(entry)] = index;
}

void TVaterMutterList::ReadFromDb(TAhnenDB& db, const TGedFamilyPlan& plan) {
  TStatement st(db.Connection(),
                "SELECT \"Id\", \"Vater\", \"Mutter\" FROM " + TableName(TableId::Person) + " ORDER BY \"Id\"");
  while (st.Step()) {
    if (!plan.Written(st.Int(0))) continue;
    const TVaterMutterEntry pair{plan.Masked(st.Int(1)), plan.Masked(st.Int(2))};
    if (pair.Vater == 0 && pair.Mutter == 0) continue;
    if (plan.MarriageOf(pair.Vater, pair.Mutter) == 0 && Search(pair) < 0) Insert(pair);
  }
}
