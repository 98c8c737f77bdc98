#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Errors.h"
#include "core/ObjectList.h"

namespace {

struct TListItem {
  explicit TListItem(int v, int* freed = nullptr) : value(v), freedCounter(freed) {}
  virtual ~TListItem() {
    if (freedCounter) ++*freedCounter;
  }
  int value;
  int* freedCounter;
};

struct TOtherItem : TListItem {
  using TListItem::TListItem;
};

// Sorted by value, the key being the value itself.
class TValueList : public TSortedObjectList<TListItem, int> {
 public:
  using TSortedObjectList::TSortedObjectList;
  int KeyOf(const TListItem* item) const override { return item->value; }
  int Compare(const int& a, const int& b) const override { return a < b ? -1 : (a > b ? 1 : 0); }
};

// Keyed by the item itself (the base KeyOf), compared by value.
class TItemKeyedList : public TSortedObjectList<TListItem> {
 public:
  using TSortedObjectList::TSortedObjectList;
  int Compare(const TListItem* const& a, const TListItem* const& b) const override {
    return a->value - b->value;
  }
};

std::vector<int> Values(const TObjectList<TListItem>& list) {
  std::vector<int> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Items(i)->value);
  return out;
}

void ExpectListError(const std::function<void()>& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "no list error, expected \"" << message << "\"";
  } catch (const EListError& e) {
    EXPECT_EQ(std::string(e.what()), message);
  }
}

}  // namespace

struct GrowthCase {
  int count;
  int capacity;
};

class ObjectListGrowthTest : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(ObjectListGrowthTest, CapacityGrowsInStepsOfFourEightAndSixteen) {
  TObjectList<TListItem> list(false);
  TListItem item(0);
  for (int i = 0; i < GetParam().count; ++i) list.Add(&item);
  EXPECT_EQ(list.Capacity(), GetParam().capacity) << GetParam().count << " items";
}

INSTANTIATE_TEST_SUITE_P(Steps, ObjectListGrowthTest,
                         ::testing::Values(GrowthCase{0, 0}, GrowthCase{1, 4}, GrowthCase{4, 4}, GrowthCase{5, 8},
                                           GrowthCase{8, 8}, GrowthCase{9, 16}, GrowthCase{16, 16},
                                           GrowthCase{17, 32}, GrowthCase{33, 48}, GrowthCase{49, 64}));

TEST(ObjectListTest, HoldsUpTo65534ItemsAndRefusesMore) {
  TObjectList<TListItem> list(false);
  TListItem item(0);
  for (int i = 0; i < 65534; ++i) ASSERT_EQ(list.Add(&item), i);
  EXPECT_EQ(list.Capacity(), 65534);
  ExpectListError([&] { list.Add(&item); }, "SListIndexError");
  ExpectListError([&] { list.Insert(0, &item); }, "SListIndexError");
  EXPECT_EQ(list.Count(), 65534);
}

TEST(ObjectListTest, CapacityAndCountLimits) {
  TObjectList<TListItem> list(false);
  ExpectListError([&] { list.SetCapacity(65535); }, "SListIndexError");
  ExpectListError([&] { list.SetCount(65535); }, "SListIndexError");
  ExpectListError([&] { list.SetCount(-1); }, "SListIndexError");
  list.SetCapacity(65534);
  EXPECT_EQ(list.Capacity(), 65534);

  TObjectList<TListItem> grown(false);
  TListItem item(1);
  grown.Add(&item);
  grown.SetCount(6);
  EXPECT_EQ(grown.Count(), 6);
  EXPECT_EQ(grown.Capacity(), 6);
  EXPECT_EQ(grown.Items(0), &item);
  for (int i = 1; i < 6; ++i) EXPECT_EQ(grown.Items(i), nullptr);
  ExpectListError([&] { grown.SetCapacity(5); }, "SListIndexError");
  grown.SetCount(1);
  EXPECT_EQ(grown.Count(), 1);
}

TEST(ObjectListTest, BadIndexesRaiseListIndexError) {
  TObjectList<TListItem> empty(false);
  TObjectList<TListItem> two(false);
  TListItem a(1), b(2);
  two.Add(&a);
  two.Add(&b);
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"Items(-1)", [&] { two.Items(-1); }},
      {"Items(count)", [&] { two.Items(2); }},
      {"Put(-1)", [&] { two.Put(-1, &a); }},
      {"Put(count)", [&] { two.Put(2, &a); }},
      {"Insert(-1)", [&] { two.Insert(-1, &a); }},
      {"Insert(count + 1)", [&] { two.Insert(3, &a); }},
      {"First of empty", [&] { empty.First(); }},
      {"Last of empty", [&] { empty.Last(); }},
      {"Neighbour of empty", [&] { empty.Neighbour(nullptr, true); }},
  };
  for (const auto& [name, action] : cases) {
    SCOPED_TRACE(name);
    ExpectListError(action, "SListIndexError");
  }
  EXPECT_EQ(Values(two), (std::vector<int>{1, 2}));
}

TEST(ObjectListTest, InsertPutAndIndexOfWorkOnThatVeryObject) {
  TObjectList<TListItem> list(false);
  TListItem a(1), b(2), c(3), twinOfA(1);
  list.Add(&a);
  list.Add(&c);
  list.Insert(1, &b);
  list.Insert(3, &twinOfA);  // at the end is allowed
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 1}));
  EXPECT_EQ(list.IndexOf(&a), 0);
  EXPECT_EQ(list.IndexOf(&twinOfA), 3);
  TListItem stranger(2);
  EXPECT_EQ(list.IndexOf(&stranger), -1);
  list.Put(1, &stranger);
  EXPECT_EQ(list.Items(1), &stranger);
  EXPECT_EQ(list.First(), &a);
  EXPECT_EQ(list.Last(), &twinOfA);
}

TEST(ObjectListTest, NeighbourStepsThroughTheList) {
  TObjectList<TListItem> list(false);
  TListItem a(1), b(2), c(3);
  list.Add(&a);
  list.Add(&b);
  list.Add(&c);
  EXPECT_EQ(list.Neighbour(nullptr, true), &a);
  EXPECT_EQ(list.Neighbour(nullptr, false), &c);
  EXPECT_EQ(list.Neighbour(&a, true), &b);
  EXPECT_EQ(list.Neighbour(&b, false), &a);
  EXPECT_EQ(list.Neighbour(&c, true), nullptr);
  EXPECT_EQ(list.Neighbour(&a, false), nullptr);
  TOtherItem stranger(2);
  ExpectListError([&] { list.Neighbour(&stranger, true); }, "tObject TOtherItem not in item list");
}

TEST(ObjectListTest, OwnerFreesItemsOnFreeAllAndDestructionOnly) {
  int freed = 0;
  // Put and Clear hand these back to the test, which frees them itself.
  auto replaced = std::make_unique<TListItem>(1, &freed);
  auto cleared = std::make_unique<TListItem>(2, &freed);
  auto kept = std::make_unique<TListItem>(9, &freed);
  {
    TObjectList<TListItem> list;
    EXPECT_TRUE(list.OwnsItems());
    list.Add(replaced.get());
    list.Add(cleared.get());
    list.Put(0, kept.get());
    EXPECT_EQ(list.Items(0), kept.get());
    list.Clear();
    EXPECT_EQ(freed, 0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    list.Add(new TListItem(3, &freed));
    list.FreeAll();
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(list.Count(), 0);
    list.Add(new TListItem(4, &freed));
    list.Add(std::make_unique<TListItem>(5, &freed));
  }
  EXPECT_EQ(freed, 3);
  {
    TObjectList<TListItem> borrowed(false);
    borrowed.Add(kept.get());
    // A list that does not own cannot take over an item.
    EXPECT_THROW(borrowed.Add(std::make_unique<TListItem>(6, &freed)), EListError);
    EXPECT_EQ(borrowed.Count(), 1);
  }
  EXPECT_EQ(freed, 4);  // only the refused item
  kept.reset();
  replaced.reset();
  cleared.reset();
  EXPECT_EQ(freed, 7);
}

TEST(SortedObjectListTest, KeepsKeyOrderAndIgnoresTheIndexGiven) {
  TValueList list(dupError);
  for (int v : {30, 10, 20}) EXPECT_EQ(list.Add(new TListItem(v)), 0);
  list.Insert(99, new TListItem(5));
  list.Insert(0, new TListItem(40));
  EXPECT_EQ(Values(list), (std::vector<int>{5, 10, 20, 30, 40}));
}

TEST(SortedObjectListTest, SearchFindsThePlaceOfAKey) {
  TValueList list(dupError);
  for (int v : {10, 20, 30}) list.Add(new TListItem(v));
  struct Case {
    int key;
    bool found;
    int index;
  };
  for (const Case c : {Case{5, false, 0}, Case{10, true, 0}, Case{15, false, 1}, Case{20, true, 1},
                       Case{30, true, 2}, Case{35, false, 3}}) {
    int index = -7;
    EXPECT_EQ(list.Search(c.key, index), c.found) << c.key;
    EXPECT_EQ(index, c.index) << c.key;
  }
  TValueList empty(dupAccept);
  int index = -7;
  EXPECT_FALSE(empty.Search(1, index));
  EXPECT_EQ(index, 0);
}

TEST(SortedObjectListTest, SearchGivesTheEqualItemMetOrTheFirstWhenAccepting) {
  // Keys 1 2 2 2 2 2 3: the first probe (index 3) meets an equal key.
  std::vector<std::unique_ptr<TListItem>> items;
  TValueList accepting(dupAccept, false);
  TValueList ignoring(dupIgnore, false);
  for (int v : {1, 2, 2, 2, 2, 2, 3}) {
    items.push_back(std::make_unique<TListItem>(v));
    accepting.TObjectList<TListItem>::Insert(accepting.Count(), items.back().get());
    ignoring.TObjectList<TListItem>::Insert(ignoring.Count(), items.back().get());
  }
  int index = -1;
  EXPECT_TRUE(ignoring.Search(2, index));
  EXPECT_EQ(index, 3);
  EXPECT_TRUE(accepting.Search(2, index));
  EXPECT_EQ(index, 1);
  EXPECT_EQ(accepting.IndexOf(items[4].get()), 1);
}

TEST(SortedObjectListTest, AcceptPutsANewItemBeforeEqualOnes) {
  TValueList list(dupAccept);
  auto* first = new TListItem(5);
  auto* second = new TListItem(5);
  auto* third = new TListItem(5);
  list.Add(new TListItem(7));
  list.Add(first);
  list.Add(new TListItem(3));
  list.Add(second);
  list.Add(third);
  ASSERT_EQ(Values(list), (std::vector<int>{3, 5, 5, 5, 7}));
  EXPECT_EQ(list.Items(1), third);
  EXPECT_EQ(list.Items(2), second);
  EXPECT_EQ(list.Items(3), first);
}

TEST(SortedObjectListTest, IgnoreLeavesTheListAndTheItemWithTheCaller) {
  int freed = 0;
  auto duplicate = std::make_unique<TListItem>(5, &freed);
  {
    TValueList list(dupIgnore);
    auto* original = new TListItem(5, &freed);
    list.Add(original);
    list.Add(duplicate.get());
    list.Add(std::move(duplicate));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), original);
    EXPECT_NE(duplicate, nullptr) << "an ignored item stays with the caller";
  }
  EXPECT_EQ(freed, 1);
  duplicate.reset();
  EXPECT_EQ(freed, 2);
}

TEST(SortedObjectListTest, ErrorModeRefusesDuplicatesAndLeavesTheListUnchanged) {
  TValueList list(dupError);
  list.Add(new TListItem(1));
  list.Add(new TListItem(2));
  auto duplicate = std::make_unique<TListItem>(2);
  ExpectListError([&] { list.Add(std::move(duplicate)); }, "Duplicate Object index");
  EXPECT_NE(duplicate, nullptr);
  ExpectListError([&] { list.Insert(0, duplicate.get()); }, "Duplicate Object index");
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2}));
  EXPECT_EQ(list.Add(std::make_unique<TListItem>(3)), 0);
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3}));
}

TEST(SortedObjectListTest, IndexOfFindsByKey) {
  TValueList list(dupError);
  auto* twenty = new TListItem(20);
  list.Add(new TListItem(10));
  list.Add(twenty);
  TListItem sameKey(20), missing(15);
  EXPECT_EQ(list.IndexOf(twenty), 1);
  EXPECT_EQ(list.IndexOf(&sameKey), 1);
  EXPECT_EQ(list.IndexOf(&missing), -1);
  // Neighbour steps from that very object, not from its key.
  EXPECT_EQ(list.Neighbour(twenty, false)->value, 10);
  ExpectListError([&] { list.Neighbour(&sameKey, false); }, "tObject TListItem not in item list");
}

TEST(SortedObjectListTest, PutAndUnknownModesAreRefused) {
  TValueList list(dupAccept);
  list.Add(new TListItem(1));
  TListItem other(2);
  ExpectListError([&] { list.Put(0, &other); }, "Cannot <Put> an Object in a sorted list!");
  EXPECT_EQ(list.Items(0)->value, 1);
  EXPECT_THROW(TValueList(3), EListError);
  EXPECT_THROW(TValueList(-1), EListError);
}

TEST(SortedObjectListTest, ItemIsItsOwnKeyByDefault) {
  TItemKeyedList list(dupError);
  for (int v : {3, 1, 2}) list.Add(new TListItem(v));
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3}));
  TListItem probe(2);
  EXPECT_EQ(list.KeyOf(&probe), &probe);
  EXPECT_EQ(list.IndexOf(&probe), 1);
  EXPECT_THROW(list.Add(std::make_unique<TListItem>(2)), EListError);
}
