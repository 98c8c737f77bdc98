// Which persons and families an export writes, worked out from the ids before
// the first record, so that every FAMS, FAMC, HUSB, WIFE and CHIL line names a
// written record and a child is CHIL of exactly the family its FAMC names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "exchange/VaterMutterList.h"

class TAhnenDB;

// The family a child belongs to: a marriage row, a parent pair, or none.
struct TGedFamilyRef {
  int marriage = 0;  // the marriage row's id, or 0
  long pair = -1;    // the index into Pairs(), or -1
  bool None() const { return marriage == 0 && pair < 0; }
};

class TGedFamilyPlan {
 public:
  // selectedOnly: only persons for which IsSelected holds are written.
  TGedFamilyPlan(TAhnenDB& db, bool selectedOnly);

  bool SelectedOnly() const { return selectedOnly_; }
  // The person exists and, with selectedOnly, is selected.
  bool Written(int id) const;
  // id when that person is written, else 0: how a parent, partner or linked
  // person that is left out appears.
  int Masked(int id) const { return Written(id) ? id : 0; }

  // Whether a marriage row with these partners is written: with selectedOnly
  // both must be written (so a row with an unknown partner is not), else
  // one of them.
  bool MarriageWritten(int mann, int frau) const;
  // The marriage row that stands for the parents (as masked): the first row
  // with exactly these partners when it is written, else 0.
  int MarriageOf(int father, int mother) const;
  // The family of a person with these parents (as stored, masked here).
  TGedFamilyRef ParentFamily(int vater, int mutter) const;

  // Written persons whose family is this one, in ascending id order.
  const std::vector<int>& MarriageChildren(int marriageId) const;
  const std::vector<int>& PairChildren(std::size_t pairIndex) const;
  // Written marriage rows of the person as husband or as wife, in the order
  // of the table's index (marriage date, then id).
  std::vector<int> MarriagesAsHusband(int id) const;
  std::vector<int> MarriagesAsWife(int id) const;
  // True when a written child of the person belongs to a parent pair.
  bool HasPairChildren(int id) const;

  const TVaterMutterList& Pairs() const { return pairs_; }
  int WrittenPersons() const { return writtenCount_; }

 private:
  struct TMarriageKey {
    int id, mann, frau;
    bool dated;  // Heirat is not NULL; NULL sorts first in the index
    std::string heirat;
  };
  static std::vector<int> Range(const std::vector<TMarriageKey>& sorted, int TMarriageKey::*partner, int id);
  static bool Test(const std::vector<bool>& bits, int id) {
    return id > 0 && static_cast<std::size_t>(id) < bits.size() && bits[static_cast<std::size_t>(id)];
  }

  bool selectedOnly_;
  std::vector<bool> written_;  // by person id
  int writtenCount_ = 0;
  std::unordered_map<std::uint64_t, int> firstMarriage_;  // (mann, frau) -> lowest id
  std::vector<TMarriageKey> byHusband_, byWife_;            // written rows only
  TVaterMutterList pairs_;
  std::unordered_map<int, std::vector<int>> marriageChildren_;
  std::vector<std::vector<int>> pairChildren_;
  std::vector<bool> pairParent_;  // by person id
};
