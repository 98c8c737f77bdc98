// OVUtil::TPersonList: (key, person) pairs sorted by key without regard to
// case, for the generators that list persons by name or place. Equal keys
// are allowed; a pair added later stands before the equal ones already
// there. The list owns its persons. A bad index raises
// EListError("SListIndexError").
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Errors.h"
#include "core/TextCase.h"

namespace OVUtil {

template <class PersonT>
class TPersonList {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& Key(int i) const { return entries_[Checked(i)].first; }
  PersonT* Person(int i) const { return entries_[Checked(i)].second.get(); }

  void AddEntry(const std::string& key, std::unique_ptr<PersonT> person) {
    const std::size_t at = LowerBound(key);
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(at), {key, std::move(person)});
  }

  // The first pair with the key (letter case ignored), or -1.
  int IndexOf(std::string_view key) const {
    const std::size_t at = LowerBound(key);
    return at < entries_.size() && AnsiCompareText(entries_[at].first, key) == 0 ? static_cast<int>(at) : -1;
  }

 private:
  // Binary search for the first key not less than key.
  std::size_t LowerBound(std::string_view key) const {
    std::size_t lo = 0;
    std::size_t hi = entries_.size();
    while (lo < hi) {
      const std::size_t mid = lo + (hi - lo) / 2;
      if (AnsiCompareText(entries_[mid].first, key) < 0)
        lo = mid + 1;
      else
        hi = mid;
    }
    return lo;
  }

  std::size_t Checked(int i) const {
    if (i < 0 || i >= Count()) throw EListError("SListIndexError");
    return static_cast<std::size_t>(i);
  }

  std::vector<std::pair<std::string, std::unique_ptr<PersonT>>> entries_;
};

}  // namespace OVUtil
