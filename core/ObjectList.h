// General object lists: TObjectList, a growable array of item pointers that
// holds at most 65534 items, and TSortedObjectList, which keeps its items in
// the order of a key supplied by the deriving class (KeyOf, Compare).
// A list made as owner (the default) frees its items in FreeAll and when it
// is destroyed; Put, Clear and SetCount only forget items, never free them.
// A bad index or capacity raises EListError("SListIndexError").
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "core/Errors.h"

namespace objectlist_detail {

inline constexpr int kMaxListCapacity = 65534;

[[noreturn]] void RaiseListError(const std::string& message);
// The unqualified, readable name of a type ("TStatItem").
std::string ClassNameOf(const std::type_info& type);
// The capacity after one growth step: +4 below 5, +8 from 5 to 8, +16 from 9
// on, never beyond kMaxListCapacity.
int GrownCapacity(int capacity);

}  // namespace objectlist_detail

template <class T>
class TObjectList {
 public:
  explicit TObjectList(bool ownsItems = true) : ownsItems_(ownsItems) {}
  // Only TObjectList's own FreeItem runs here: a class that overrides
  // FreeItem calls FreeAll in its own destructor.
  virtual ~TObjectList() { FreeAll(); }
  TObjectList(const TObjectList&) = delete;
  TObjectList& operator=(const TObjectList&) = delete;

  bool OwnsItems() const { return ownsItems_; }
  int Count() const { return static_cast<int>(items_.size()); }
  int Capacity() const { return capacity_; }

  T* Items(int index) const {
    if (index < 0 || index >= Count()) {
      Error();
      return nullptr;
    }
    return items_[static_cast<std::size_t>(index)];
  }

  // Capacity below the count or above 65534 is refused.
  void SetCapacity(int n) {
    if (n == capacity_) return;
    if (n < Count() || n > objectlist_detail::kMaxListCapacity) {
      Error();
      return;
    }
    capacity_ = n;
    items_.reserve(static_cast<std::size_t>(n));
  }

  // New places hold nullptr; places cut off are forgotten, not freed.
  void SetCount(int n) {
    if (n < 0 || n > objectlist_detail::kMaxListCapacity) {
      Error();
      return;
    }
    if (n > capacity_) SetCapacity(n);
    items_.resize(static_cast<std::size_t>(n), nullptr);
  }

  void FreeAll() {
    for (T* item : items_) FreeItem(item);
    Clear();
  }

  virtual void Error() const { objectlist_detail::RaiseListError("SListIndexError"); }

  // At the capacity limit there is no room left to grow into.
  virtual void Grow() {
    if (capacity_ >= objectlist_detail::kMaxListCapacity) {
      Error();
      return;
    }
    SetCapacity(objectlist_detail::GrownCapacity(capacity_));
  }

  // Replaces the item; the old one goes back to whoever holds it.
  virtual void Put(int index, T* item) {
    if (index < 0 || index >= Count()) {
      Error();
      return;
    }
    items_[static_cast<std::size_t>(index)] = item;
  }

  virtual void FreeItem(T* item) {
    if (ownsItems_) delete item;
  }

  virtual int Add(T* item) {
    if (Count() == capacity_) Grow();
    if (Count() >= capacity_) {
      Error();
      return -1;
    }
    items_.push_back(item);
    return Count() - 1;
  }

  // For an owning list: the list takes the item only when it stores it, so
  // an item that a sorted list refuses or ignores stays with the caller.
  int Add(std::unique_ptr<T>&& item) {
    if (!ownsItems_) objectlist_detail::RaiseListError("Die Liste besitzt ihre Objekte nicht");
    T* raw = item.get();
    const int index = Add(raw);
    const bool stored = (index >= 0 && index < Count() && items_[static_cast<std::size_t>(index)] == raw) ||
                        PositionOf(raw) >= 0;
    if (stored) item.release();
    return index;
  }

  // Forgets every item without freeing it.
  virtual void Clear() {
    items_.clear();
    items_.shrink_to_fit();
    capacity_ = 0;
  }

  // The index of that very object, or -1.
  virtual int IndexOf(const T* item) const { return PositionOf(item); }

  virtual void Insert(int index, T* item) {
    if (index < 0 || index > Count()) {
      Error();
      return;
    }
    if (Count() == capacity_) Grow();
    if (Count() >= capacity_) {
      Error();
      return;
    }
    items_.insert(items_.begin() + index, item);
  }

  virtual T* First() const {
    if (items_.empty()) {
      Error();
      return nullptr;
    }
    return items_.front();
  }

  virtual T* Last() const {
    if (items_.empty()) {
      Error();
      return nullptr;
    }
    return items_.back();
  }

  // Without an item First or Last; else the item after (forward) or before
  // it, nullptr past either end. An item not in the list is an error.
  virtual T* Neighbour(const T* item, bool forward) const {
    if (!item) return forward ? First() : Last();
    const int index = PositionOf(item);
    if (index < 0)
      objectlist_detail::RaiseListError("tObject " + objectlist_detail::ClassNameOf(typeid(*item)) +
                                        " not in item list");
    const int next = forward ? index + 1 : index - 1;
    return next >= 0 && next < Count() ? items_[static_cast<std::size_t>(next)] : nullptr;
  }

 protected:
  int PositionOf(const T* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (items_[i] == item) return static_cast<int>(i);
    return -1;
  }

 private:
  std::vector<T*> items_;
  int capacity_ = 0;
  bool ownsItems_;
};

enum TDuplicates : int { dupIgnore = 0, dupAccept = 1, dupError = 2 };

namespace objectlist_detail {

// KeyOf has a base behaviour (the item is its own key) only where the key
// type can hold the item; any other key type must be supplied.
template <class T, class Key, bool ItemIsKey = std::is_convertible_v<const T*, Key>>
class TKeyedList : public TObjectList<T> {
 public:
  using TObjectList<T>::TObjectList;
  virtual Key KeyOf(const T* item) const { return item; }
};

template <class T, class Key>
class TKeyedList<T, Key, false> : public TObjectList<T> {
 public:
  using TObjectList<T>::TObjectList;
  virtual Key KeyOf(const T* item) const = 0;
};

}  // namespace objectlist_detail

// Items in ascending key order. Duplicates (equal keys): dupIgnore leaves
// the list unchanged and the item with the caller, dupAccept puts the new
// item before the equal ones, dupError raises "Duplicate Object index" and
// leaves the list unchanged.
template <class T, class Key = const T*>
class TSortedObjectList : public objectlist_detail::TKeyedList<T, Key> {
 public:
  explicit TSortedObjectList(int duplicates, bool ownsItems = true)
      : objectlist_detail::TKeyedList<T, Key>(ownsItems), duplicates_(duplicates) {
    if (duplicates < dupIgnore || duplicates > dupError)
      objectlist_detail::RaiseListError("Unbekannter Duplikatmodus " + std::to_string(duplicates));
  }

  int Duplicates() const { return duplicates_; }

  // Negative, 0 or positive.
  virtual int Compare(const Key& key1, const Key& key2) const = 0;

  // Binary search. True when an equal key was met; index is then the equal
  // item met (dupAccept: the first equal one), else the key's place.
  virtual bool Search(const Key& key, int& index) const {
    int lo = 0;
    int hi = this->Count() - 1;
    bool found = false;
    while (lo <= hi) {
      const int mid = (lo + hi) / 2;
      const int c = Compare(this->KeyOf(this->Items(mid)), key);
      if (c < 0) {
        lo = mid + 1;
      } else {
        hi = mid - 1;
        if (c == 0) {
          found = true;
          if (duplicates_ != dupAccept) lo = mid;
        }
      }
    }
    index = lo;
    return found;
  }

  void Put(int, T*) override {
    objectlist_detail::RaiseListError("Cannot <Put> an Object in a sorted list!");
  }

  using TObjectList<T>::Add;
  // Always 0: the key, not the caller, decides the place.
  int Add(T* item) override {
    Insert(0, item);
    return 0;
  }

  // The index of an item with the same key, or -1.
  int IndexOf(const T* item) const override {
    int index = 0;
    return Search(this->KeyOf(item), index) ? index : -1;
  }

  // The index given is ignored: the key decides the place.
  void Insert(int, T* item) override {
    int index = 0;
    if (Search(this->KeyOf(item), index)) {
      if (duplicates_ == dupIgnore) return;
      if (duplicates_ == dupError) objectlist_detail::RaiseListError("Duplicate Object index");
    }
    TObjectList<T>::Insert(index, item);
  }

 private:
  int duplicates_;
};
