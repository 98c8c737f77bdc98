#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "core/KeyPersonList.h"
#include "core/Verzeichnis.h"

namespace {

struct TTestDetail {
  int Id;
};

using TIndex = TVerzeichnis<TTestDetail>;

std::vector<std::string> Keys(const TIndex& index) {
  std::vector<std::string> out;
  for (int i = 0; i < index.Count(); ++i) out.push_back(index.Key(i));
  return out;
}

std::vector<std::string> IdsAt(const TIndex& index, int i) {
  std::vector<std::string> out;
  const auto& persons = index.Persons(i);
  for (int j = 0; j < persons.Count(); ++j) out.push_back(persons.IdText(j));
  return out;
}

}  // namespace

TEST(VerzeichnisTest, KeysStaySortedWithoutRegardToCaseAndOccurOnce) {
  TTestDetail a{1}, b{2}, c{3}, d{4}, e{5};
  TIndex index;
  index.AddEntry("Zell", a);
  index.AddEntry("Bonn", b);
  index.AddEntry("Äpfingen", c);
  index.AddEntry("aachen", d);
  index.AddEntry("BONN", e);
  EXPECT_EQ(Keys(index), (std::vector<std::string>{"aachen", "Äpfingen", "Bonn", "Zell"}));
  EXPECT_EQ(IdsAt(index, 2), (std::vector<std::string>{"2", "5"}));
  EXPECT_EQ(index.IndexOf("bonn"), 2);
  EXPECT_EQ(index.IndexOf("ZELL"), 3);
  EXPECT_EQ(index.IndexOf("Köln"), -1);
  int place = -1;
  EXPECT_FALSE(index.Find("Köln", place));
  EXPECT_EQ(place, 3);
}

TEST(VerzeichnisTest, APersonIsFiledOnceUnderAKeyInFirstFiledOrder) {
  TTestDetail seven{7}, three{3}, twelve{12}, anotherSeven{7};
  TIndex index;
  index.AddEntry("Ulm", seven);
  index.AddEntry("Ulm", three);
  index.AddEntry("Ulm", seven);  // born and died in Ulm
  index.AddEntry("Ulm", twelve);
  index.AddEntry("ulm", anotherSeven);
  index.AddEntry("Ried", seven);
  ASSERT_EQ(index.Count(), 2);
  EXPECT_EQ(IdsAt(index, 1), (std::vector<std::string>{"7", "3", "12"}));
  EXPECT_EQ(index.Persons(1).Person(0), &seven);
  EXPECT_EQ(index.Persons(1).Person(2), &twelve);
  EXPECT_EQ(IdsAt(index, 0), (std::vector<std::string>{"7"}));
}

TEST(VerzeichnisTest, BadIndexesRaiseListErrors) {
  TTestDetail a{1};
  TIndex index;
  EXPECT_THROW(index.Key(0), EListError);
  index.AddEntry("Ulm", a);
  EXPECT_THROW(index.Key(1), EListError);
  EXPECT_THROW(index.Persons(-1), EListError);
  EXPECT_THROW(index.Persons(0).IdText(1), EListError);
  EXPECT_THROW(index.Persons(0).Person(-1), EListError);
}

struct InitialCase {
  std::vector<std::string> keys;      // filed in this order
  std::vector<std::string> expected;  // after regrouping
};

class SortByInitialTest : public ::testing::TestWithParam<InitialCase> {};

TEST_P(SortByInitialTest, GroupsKeysByTheirFirstCharacter) {
  std::vector<TTestDetail> details;
  for (std::size_t i = 0; i < GetParam().keys.size(); ++i) details.push_back({static_cast<int>(i + 1)});
  TIndex index;
  for (std::size_t i = 0; i < details.size(); ++i) index.AddEntry(GetParam().keys[i], details[i]);
  index.SortByInitial();
  EXPECT_FALSE(index.Sorted());
  EXPECT_EQ(Keys(index), GetParam().expected);
  // Each key takes its persons along.
  for (int i = 0; i < index.Count(); ++i) {
    const TTestDetail* person = index.Persons(i).Person(0);
    EXPECT_EQ(GetParam().keys[static_cast<std::size_t>(person->Id - 1)], index.Key(i));
  }
}

// Sorting puts "Äb" before "Ac" (the umlaut sorts with its base letter) while
// the initial "Ä" comes after "A", so regrouping has something to do.
INSTANTIATE_TEST_SUITE_P(
    Cases, SortByInitialTest,
    ::testing::Values(InitialCase{{"Ab", "Äa"}, {"Ab", "Äa"}}, InitialCase{{"Äa", "Ab"}, {"Ab", "Äa"}},
                      InitialCase{{"axt", "Aal", "Abt"}, {"Aal", "Abt", "axt"}},
                      InitialCase{{"Äa", "Äb", "Ac"}, {"Ac", "Äb", "Äa"}},
                      InitialCase{{"Z", "Ob", "Öa", "Ac", "Äb"}, {"Ac", "Äb", "Ob", "Öa", "Z"}},
                      InitialCase{{"Ulm"}, {"Ulm"}}, InitialCase{{}, {}}));

TEST(VerzeichnisTest, RegroupedIndexStillFindsKeysButTakesNoMoreEntries) {
  TTestDetail a{1}, b{2}, c{3};
  TIndex index;
  index.AddEntry("Äb", a);
  index.AddEntry("Ac", b);
  index.SortByInitial();
  EXPECT_EQ(index.IndexOf("äb"), 1);
  EXPECT_EQ(index.IndexOf("Ac"), 0);
  EXPECT_EQ(index.IndexOf("B"), -1);
  EXPECT_THROW(index.AddEntry("B", c), EListError);
  EXPECT_EQ(index.Count(), 2);
}

namespace {

struct TTestPerson {
  TTestPerson(std::string n, int* freed) : name(std::move(n)), freedCounter(freed) {}
  ~TTestPerson() { ++*freedCounter; }
  std::string name;
  int* freedCounter;
};

}  // namespace

TEST(KeyPersonListTest, SortsByKeyWithLaterEqualKeysFirstAndOwnsThePersons) {
  int freed = 0;
  {
    OVUtil::TPersonList<TTestPerson> list;
    list.AddEntry("Schulz", std::make_unique<TTestPerson>("s", &freed));
    list.AddEntry("Meier", std::make_unique<TTestPerson>("m1", &freed));
    list.AddEntry("Ahrens", std::make_unique<TTestPerson>("a", &freed));
    list.AddEntry("meier", std::make_unique<TTestPerson>("m2", &freed));
    list.AddEntry("MEIER", std::make_unique<TTestPerson>("m3", &freed));
    list.AddEntry("Müller", std::make_unique<TTestPerson>("u", &freed));
    std::vector<std::string> keys, names;
    for (int i = 0; i < list.Count(); ++i) {
      keys.push_back(list.Key(i));
      names.push_back(list.Person(i)->name);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"Ahrens", "MEIER", "meier", "Meier", "Müller", "Schulz"}));
    EXPECT_EQ(names, (std::vector<std::string>{"a", "m3", "m2", "m1", "u", "s"}));
    EXPECT_EQ(list.IndexOf("meier"), 1);
    EXPECT_EQ(list.IndexOf("Mayer"), -1);
    EXPECT_THROW(list.Key(6), EListError);
    EXPECT_THROW(list.Person(-1), EListError);
    EXPECT_EQ(freed, 0);
  }
  EXPECT_EQ(freed, 6);
}
