// TVerzeichnis: an index of keys (places, surnames, sources) with the persons
// filed under each key. Keys stay sorted without regard to case and occur
// once; each key lists a person (by Id) at most once, in first-filed order.
// The index owns its inner lists, not the person details: they must outlive
// it. After SortByInitial the keys are grouped by initial and nothing more
// may be filed. A bad index raises EListError("SListIndexError").
#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/Errors.h"
#include "core/TextCase.h"
#include "core/Utf8.h"

template <class TDetail>
concept PersonDetailWithId = requires(const TDetail& d) {
  requires std::integral<std::remove_cvref_t<decltype(d.Id)>>;
};

template <PersonDetailWithId TDetail>
class TVerzeichnis {
 public:
  // The persons of one key: the decimal text of each Id with its detail.
  class TInnerList {
   public:
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string& IdText(int j) const { return entries_[Checked(j)].first; }
    TDetail* Person(int j) const { return entries_[Checked(j)].second; }
    int IndexOf(std::string_view idText) const {
      for (std::size_t j = 0; j < entries_.size(); ++j)
        if (entries_[j].first == idText) return static_cast<int>(j);
      return -1;
    }

   private:
    friend class TVerzeichnis;
    std::size_t Checked(int j) const {
      if (j < 0 || j >= Count()) throw EListError("SListIndexError");
      return static_cast<std::size_t>(j);
    }
    std::vector<std::pair<std::string, TDetail*>> entries_;
  };

  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& Key(int i) const { return entries_[Checked(i)].key; }
  const TInnerList& Persons(int i) const { return entries_[Checked(i)].persons; }
  bool Sorted() const { return sorted_; }

  // True when the key is there (letter case ignored); index is then its
  // place, else the place where it belongs.
  bool Find(std::string_view key, int& index) const {
    if (!sorted_) {
      for (std::size_t i = 0; i < entries_.size(); ++i)
        if (AnsiCompareText(entries_[i].key, key) == 0) {
          index = static_cast<int>(i);
          return true;
        }
      index = Count();
      return false;
    }
    int lo = 0;
    int hi = Count() - 1;
    while (lo <= hi) {
      const int mid = (lo + hi) / 2;
      const int c = AnsiCompareText(entries_[static_cast<std::size_t>(mid)].key, key);
      if (c == 0) {
        index = mid;
        return true;
      }
      if (c < 0)
        lo = mid + 1;
      else
        hi = mid - 1;
    }
    index = lo;
    return false;
  }

  int IndexOf(std::string_view key) const {
    int index = 0;
    return Find(key, index) ? index : -1;
  }

  void AddEntry(const std::string& key, TDetail& person) {
    // Filing into a regrouped index would break the binary search.
    if (!sorted_) throw EListError("Nach SortByInitial können keine Einträge hinzugefügt werden");
    std::string idText = std::to_string(person.Id);
    int index = 0;
    if (Find(key, index)) {
      TInnerList& persons = entries_[static_cast<std::size_t>(index)].persons;
      if (persons.IndexOf(idText) < 0) persons.entries_.emplace_back(std::move(idText), &person);
      return;
    }
    Entry entry{key, {}};
    entry.persons.entries_.emplace_back(std::move(idText), &person);
    entries_.insert(entries_.begin() + index, std::move(entry));
  }

  // Brings keys with the same first character (letter case ignored)
  // together, the groups in the order of their first characters. The
  // exchange order decides the order inside a group.
  void SortByInitial() {
    sorted_ = false;
    for (std::size_t a = 0; a + 1 < entries_.size(); ++a)
      for (std::size_t d = a + 1; d < entries_.size(); ++d)
        if (AnsiCompareText(Initial(entries_[a].key), Initial(entries_[d].key)) > 0)
          std::swap(entries_[a], entries_[d]);
  }

 private:
  struct Entry {
    std::string key;
    TInnerList persons;
  };

  static std::string_view Initial(const std::string& key) {
    std::size_t end = 0;
    if (!key.empty()) utf8::Next(key, end);
    return std::string_view(key).substr(0, end);
  }

  std::size_t Checked(int i) const {
    if (i < 0 || i >= Count()) throw EListError("SListIndexError");
    return static_cast<std::size_t>(i);
  }

  std::vector<Entry> entries_;
  bool sorted_ = true;
};
