// The parent pairs with common children but no written marriage row, each a
// family @F father_mother@, in the order of first occurrence; an entry with
// both ids 0 is never taken. Search is a hash lookup, so building stays linear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

class TAhnenDB;
class TGedFamilyPlan;

struct TVaterMutterEntry {
  int Vater = 0;
  int Mutter = 0;
};

class TVaterMutterList {
 public:
  // Walks the person table in ascending id order; for every person the plan
  // writes, the parents as the plan masks them make a pair when at least one
  // is known and no marriage row is written for them.
  void ReadFromDb(TAhnenDB& db, const TGedFamilyPlan& plan);

  // The index of the first entry with equal father and mother, or -1; an
  // entry with both ids 0 is never found.
  long Search(const TVaterMutterEntry& entry) const;
  // Appended unless both ids are 0; true when appended.
  bool Insert(const TVaterMutterEntry& entry);
  const TVaterMutterEntry& at(std::size_t index) const { return entries_.at(index); }
  void atPut(std::size_t index, const TVaterMutterEntry& entry);
  std::size_t Count() const { return entries_.size(); }

 private:
  static std::uint64_t Key(const TVaterMutterEntry& e);
  std::vector<TVaterMutterEntry> entries_;
  // Key -> the first index holding it.
  std::unordered_map<std::uint64_t, std::size_t> index_;
};
