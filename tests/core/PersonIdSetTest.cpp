#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "core/PersonIdSet.h"

using PersonListM::TPersonList;

TEST(PersonIdSetTest, ANewSetIsEmpty) {
  const TPersonList set;
  for (int id : {0, 1, 8, 100015, 100016, 5000000, INT_MAX}) EXPECT_FALSE(set.Contains(id)) << id;
}

TEST(PersonIdSetTest, HoldsExactlyTheIdsIncluded) {
  TPersonList set;
  const std::vector<int> included = {0, 1, 7, 8, 15, 16, 4711, 100015};
  for (int id : included) set.Include(id);
  set.Include(7);  // twice is once
  for (int id : included) EXPECT_TRUE(set.Contains(id)) << id;
  for (int id : {2, 6, 9, 14, 17, 4710, 4712, 100014, 100016}) EXPECT_FALSE(set.Contains(id)) << id;
}

TEST(PersonIdSetTest, GrowsForIdsBeyondTheFirstBlock) {
  TPersonList set;
  set.Include(3);
  set.Include(100016);
  set.Include(10000000);
  set.Include(100023);
  for (int id : {3, 100016, 100023, 10000000}) EXPECT_TRUE(set.Contains(id)) << id;
  for (int id : {100017, 100022, 9999999, 10000001, 20000000}) EXPECT_FALSE(set.Contains(id)) << id;
}

TEST(PersonIdSetTest, NegativeIdsAreNeverInTheSet) {
  TPersonList set;
  for (int id : {-1, -8, -100016, INT_MIN}) set.Include(id);
  for (int id : {-1, -8, -100016, INT_MIN}) EXPECT_FALSE(set.Contains(id)) << id;
  // Nothing else was touched either.
  for (int id : {0, 7, 100015}) EXPECT_FALSE(set.Contains(id)) << id;
}
