// Looking persons up: the children of a parent in their order, and persons
// by their index card numbers.
#include <gtest/gtest.h>

#include "core/Sex.h"
#include "tests/db/OpsTestSupport.h"

class PersonLookupTest : public OpsTest {};

// --- children ---------------------------------------------------------------------------------

// The children of one parent, as ids; the parent is given by its sex and
// which field of the children holds it.
struct ChildrenCase {
  int parentSex;
  bool asMother;
};

class ChildrenTest : public OpsTest, public ::testing::WithParamInterface<ChildrenCase> {};

TEST_P(ChildrenTest, OrderedByBirthThenTableOrder) {
  const int parent = Person("Eltern", "Teil", GetParam().parentSex);
  auto child = [&](const std::string& name, const std::string& geburt, const std::string& taufe) {
    TPersonDetail c;
    c.Vorname = name;
    (GetParam().asMother ? c.Mutter : c.Vater) = parent;
    c.Geburt = geburt;
    c.Taufe = taufe;
    db().insert(c);
    return c.Id;
  };
  const int born1900 = child("A", "1900.05.01", "0000.00.00");
  const int baptised = child("B", "0000.00.00", "1899.12.24");
  const int noDate = child("C", "0000.00.00", "0000.00.00");
  const int twin = child("D", "1900.05.01", "1900.05.03");
  Person("Fremd", "Kind", 0, parent + 100, parent + 100, "1800.01.01");

  TPerson p = *db().getPerson(parent);
  std::vector<int> ids;
  const auto children = db().getChildren(p);
  for (const auto& c : *children) ids.push_back(c->Id);
  EXPECT_EQ(ids, (std::vector<int>{noDate, baptised, born1900, twin}));
  EXPECT_TRUE(db().hasChildren(p));
}

INSTANTIATE_TEST_SUITE_P(ParentKinds, ChildrenTest,
                         ::testing::Values(ChildrenCase{sexMale, false}, ChildrenCase{sexFemale, true},
                                           ChildrenCase{sexUnknown, false}, ChildrenCase{sexUnknown, true}));

TEST_F(PersonLookupTest, ChildrenFollowTheParentsSex) {
  const int man = Person("Mann", "X", sexMale);
  const int woman = Person("Frau", "X", sexFemale);
  // A child that names the man as mother (a data error) is not his.
  Person("Kind", "X", 0, 0, man);
  Person("Kind", "Y", 0, woman, 0);
  EXPECT_FALSE(db().hasChildren(*db().getPerson(man)));
  EXPECT_FALSE(db().hasChildren(*db().getPerson(woman)));
  EXPECT_TRUE(db().getChildren(*db().getPerson(woman))->Empty());
  TPerson nobody;
  EXPECT_TRUE(db().getChildren(nobody)->Empty());
}

// --- index card numbers ---------------------------------------------------------------------------

TEST_F(PersonLookupTest, FindByKarteiNrTakesTheFirstThatBeginsWithIt) {
  struct Case {
    std::vector<std::string> cards;  // inserted in this order
    std::string wanted;
    std::string found;  // the card of the person found, empty for none
  };
  const std::vector<Case> cases = {
      {{"123", "12"}, "12", "12"},
      {{"123"}, "12", "123"},
      {{"124", "123"}, "12", "123"},
      {{"@i7@"}, "@I7@", "@i7@"},
      {{"@I17@"}, "@I1@", ""},
      {{"1"}, "12", ""},
      {{"Ärger"}, "ärg", "Ärger"},
      {{"12", ""}, "", ""},
  };
  for (const Case& c : cases) {
    db().Connection().Exec("DELETE FROM main.\"Person\"");
    for (const std::string& card : c.cards) db().insertKarteiPerson(card);
    const int id = db().findByKarteiNr(c.wanted);
    EXPECT_EQ(id ? db().getPersonDetail(id)->KarteiNr : "", c.found) << "wanted " << c.wanted;
  }
}

TEST_F(PersonLookupTest, IdForKarteiNrFindsOrMakesThePerson) {
  const int existing = db().insertKarteiPerson("@I1@");
  EXPECT_EQ(db().idForKarteiNr("@I1@"), existing);
  EXPECT_EQ(Rows(TableId::Person), 1);

  const auto made = db().personDetailForKarteiNr("@I2@");
  EXPECT_EQ(made->Id, existing + 1);
  EXPECT_EQ(made->KarteiNr, "@I2@");
  EXPECT_EQ(made->Vorname, "");
  EXPECT_EQ(made->Neu, "2026.12.11");

  // Stored cut to 20 characters, and found again by the same long number.
  const std::string longNr = "@I12345678901234567890@";
  const int first = db().idForKarteiNr(longNr);
  EXPECT_EQ(db().getPersonDetail(first)->KarteiNr, longNr.substr(0, 20));
  EXPECT_EQ(db().idForKarteiNr(longNr), first);
  EXPECT_EQ(Rows(TableId::Person), 3);
}
