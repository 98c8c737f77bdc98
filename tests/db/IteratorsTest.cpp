// Walking persons, marriages and media: each row once in index order, and
// a walk that goes on whatever happens to the rows between two steps.
#include "db/Iterators.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "tests/db/DbTestSupport.h"

namespace {

std::string Persons() { return TableDef(TableId::Person).Qualified(); }

class IteratorsTest : public DbTest {
 public:
  int Add(const std::string& vorname, const std::string& nachname = "Muster", const std::string& geburt = kNoDate) {
    TPersonDetail p;
    p.Vorname = vorname;
    p.Nachname = nachname;
    p.Geburt = geburt;
    db().insert(p);
    return p.Id;
  }

  void Rename(int id, const std::string& vorname) {
    auto p = db().getPersonDetail(id);
    p->Vorname = vorname;
    db().update(*p);
  }

  void Remove(int id) {
    auto p = db().getPerson(id);
    db().remove(*p);
  }

 protected:
  // The ids of the rest of a walk, first() included.
  static std::vector<int> Walk(TPersonIterator& it) {
    std::vector<int> ids;
    for (auto p = it.first(); p; p = it.next()) ids.push_back(p->Id);
    return ids;
  }

  using Ids = std::vector<int>;
};

TEST_F(IteratorsTest, EmptyTablesGiveNothing) {
  TPersonIterator persons(db(), "id");
  EXPECT_EQ(persons.first(), nullptr);
  EXPECT_EQ(persons.next(), nullptr);
  TPersonIterator byName(db(), "vorname");
  EXPECT_EQ(byName.first(), nullptr);
  TMarriageIterator marriages(db(), "id");
  EXPECT_EQ(marriages.first(), nullptr);
  EXPECT_EQ(marriages.next(), nullptr);
  TMediaIterator media(db(), "id");
  EXPECT_EQ(media.first(), nullptr);
  EXPECT_EQ(media.next(), nullptr);
}

TEST_F(IteratorsTest, UnknownOrderIsRefused) {
  EXPECT_THROW(TPersonIterator(db(), "Lieblingsfarbe"), EDatabaseError);
}

TEST_F(IteratorsTest, WalksByIdWithFullRecords) {
  for (const char* name : {"Eva", "Adam", "Kain", "Abel"}) Add(name);
  TPersonIterator it(db(), "id");
  std::vector<std::string> names;
  for (auto p = it.first(); p; p = it.next()) {
    names.push_back(p->Vorname);
    EXPECT_EQ(p->Nachname, "Muster");
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Eva", "Adam", "Kain", "Abel"}));
  EXPECT_EQ(it.next(), nullptr);
}

// Vorname, Nachname, Geburt without regard to case, umlauts with their base
// letter, then the id.
TEST_F(IteratorsTest, WalksByVornameInIndexOrder) {
  const int carl2 = Add("Carl", "Meier", "1900.01.01");
  const int anna = Add("Anna", "Zett");
  const int bernd = Add("Bernd", "Abt");
  const int carl1 = Add("Carl", "Meier", "1850.06.01");
  const int aenne = Add("Änne", "Abt");
  const int anna2 = Add("anna", "Adam");
  const int carl3 = Add("CARL", "meier", "1900.01.01");
  TPersonIterator it(db(), "vorname");
  EXPECT_EQ(Walk(it), (Ids{anna2, anna, aenne, bernd, carl1, carl2, carl3}));
}

TEST_F(IteratorsTest, RowsEqualInAllOrderFieldsComeOnceEachByKey) {
  Ids all;
  for (int i = 0; i < 40; ++i) all.push_back(Add("NN", "NN"));
  TPersonIterator it(db(), "vorname");
  EXPECT_EQ(Walk(it), all);
}

// Rows written by other programs may hold NULL where we write empty texts;
// NULL sorts first and must neither end nor repeat the walk.
TEST_F(IteratorsTest, NullOrderFieldsAreWalkedFirst) {
  const int named = Add("Berta", "Roth");
  TSqliteConnection& c = db().Connection();
  c.Exec("INSERT INTO " + Persons() + " (\"Id\") VALUES (7)");
  c.Exec("INSERT INTO " + Persons() + " (\"Id\", \"Vorname\") VALUES (5, 'Berta')");
  c.Exec("INSERT INTO " + Persons() + " (\"Id\", \"Vorname\", \"Nachname\") VALUES (6, 'Berta', 'Roth')");
  c.Exec("INSERT INTO " + Persons() + " (\"Id\") VALUES (4)");
  TPersonIterator it(db(), "vorname");
  // (NULL,NULL,NULL,4), (NULL,NULL,NULL,7), (Berta,NULL,NULL,5),
  // (Berta,Roth,NULL,6), (Berta,Roth,"0000.00.00",named).
  EXPECT_EQ(Walk(it), (Ids{4, 7, 5, 6, named}));
}

struct ChangeCase {
  const char* name;
  const char* order;
  // Applied when the walk stands on the second person (ids 1 to 5 are
  // Anna, Bert, Carl, Dora, Emil).
  std::function<void(IteratorsTest&)> change;
  std::vector<int> expected;  // the whole walk
};

class IteratorChangeTest : public IteratorsTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(IteratorChangeTest, WalkGoesOnAfterChangesBetweenSteps) {
  for (const char* name : {"Anna", "Bert", "Carl", "Dora", "Emil"}) Add(name);
  TPersonIterator it(db(), GetParam().order);
  Ids ids;
  auto p = it.first();
  ids.push_back(p->Id);
  p = it.next();
  ids.push_back(p->Id);
  GetParam().change(*this);
  for (p = it.next(); p; p = it.next()) ids.push_back(p->Id);
  EXPECT_EQ(ids, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, IteratorChangeTest,
    ::testing::Values(
        ChangeCase{"CurrentDeletedById", "id", [](IteratorsTest& t) { t.Remove(2); },
                   {1, 2, 3, 4, 5}},
        ChangeCase{"CurrentDeletedByName", "vorname",
                   [](IteratorsTest& t) { t.Remove(2); }, {1, 2, 3, 4, 5}},
        ChangeCase{"OthersDeleted", "vorname",
                   [](IteratorsTest& t) {
                     t.Remove(1);
                     t.Remove(3);
                     t.Remove(5);
                   },
                   {1, 2, 4}},
        ChangeCase{"PersonAddedAhead", "vorname",
                   [](IteratorsTest& t) { t.Add("Christa"); }, {1, 2, 3, 6, 4, 5}},
        ChangeCase{"PersonAddedBehind", "vorname",
                   [](IteratorsTest& t) { t.Add("Alma"); }, {1, 2, 3, 4, 5}},
        // The current row moves ahead: the rows between keep their turn, and
        // the moved row comes again at its new place.
        ChangeCase{"CurrentMovesAhead", "vorname",
                   [](IteratorsTest& t) { t.Rename(2, "Zeno"); },
                   {1, 2, 3, 4, 5, 2}},
        ChangeCase{"CurrentMovesBehind", "vorname",
                   [](IteratorsTest& t) { t.Rename(2, "Aaron"); }, {1, 2, 3, 4, 5}},
        ChangeCase{"OtherMovesAhead", "vorname",
                   [](IteratorsTest& t) { t.Rename(1, "Cecilia"); },
                   {1, 2, 3, 1, 4, 5}},
        ChangeCase{"OtherMovesBehind", "vorname",
                   [](IteratorsTest& t) { t.Rename(4, "Abbo"); }, {1, 2, 3, 5}}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

// After some steps without changes the walk has rows in hand; a change
// must reach them.
TEST_F(IteratorsTest, ChangesReachRowsAlreadyReadAhead) {
  for (int i = 1; i <= 30; ++i) Add((i < 10 ? "P0" : "P") + std::to_string(i));
  TPersonIterator it(db(), "vorname");
  Ids ids;
  ids.push_back(it.first()->Id);
  while (ids.size() < 5) ids.push_back(it.next()->Id);
  ASSERT_EQ(ids, (Ids{1, 2, 3, 4, 5}));
  Remove(7);
  Remove(8);
  const int added = Add("P06b");
  for (auto p = it.next(); p; p = it.next()) ids.push_back(p->Id);
  Ids expected = {1, 2, 3, 4, 5, 6, added};
  for (int i = 9; i <= 30; ++i) expected.push_back(i);
  EXPECT_EQ(ids, expected);
}

TEST_F(IteratorsTest, RollbackReachesRowsReadAhead) {
  for (int i = 1; i <= 9; ++i) Add("P0" + std::to_string(i));
  TPersonIterator it(db(), "id");
  Ids ids;
  {
    auto tx = db().Transaction();
    Remove(6);
    ids.push_back(it.first()->Id);
    while (ids.size() < 5) ids.push_back(it.next()->Id);
    // Rolled back: person 6 is there again.
  }
  for (auto p = it.next(); p; p = it.next()) ids.push_back(p->Id);
  EXPECT_EQ(ids, (Ids{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

// The pattern of checks and imports: each person is changed as it is walked.
TEST_F(IteratorsTest, WritingAtEveryStepVisitsEachPersonOnce) {
  Ids all;
  for (int i = 0; i < 25; ++i) all.push_back(Add("NN", i % 2 ? "Roth" : "Abt"));
  TPersonIterator it(db(), "vorname");
  std::multiset<int> seen;
  for (auto p = it.first(); p; p = it.next()) {
    seen.insert(p->Id);
    p->Beruf = "Bauer";
    db().update(*p);
  }
  EXPECT_EQ(seen, std::multiset<int>(all.begin(), all.end()));
}

TEST_F(IteratorsTest, FirstOfADeletedFirstRowIsTheNextOne) {
  Add("Anna");
  const int bert = Add("Bert");
  TPersonIterator it(db(), "id");
  Remove(1);
  auto p = it.first();
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->Id, bert);
  EXPECT_EQ(it.next(), nullptr);
}

TEST_F(IteratorsTest, SetPositionContinuesAfterThatPerson) {
  for (const char* name : {"Eva", "Adam", "Kain", "Abel", "Set"}) Add(name);
  TPersonIterator byId(db(), "id");
  byId.setPosition(3);
  EXPECT_EQ(byId.next()->Id, 4);
  TPersonIterator byName(db(), "vorname");  // Abel, Adam, Eva, Kain, Set
  byName.setPosition(1);                    // Eva
  EXPECT_EQ(byName.next()->Id, 3);          // Kain
}

TEST_F(IteratorsTest, SetPositionOfAMissingPersonEndsTheWalk) {
  for (const char* name : {"Eva", "Adam", "Kain"}) Add(name);
  Remove(2);
  TPersonIterator it(db(), "id");
  it.setPosition(2);
  EXPECT_EQ(it.next(), nullptr);
  EXPECT_EQ(it.next(), nullptr);
  EXPECT_EQ(it.first(), nullptr);
  it.setPosition(1);
  EXPECT_EQ(it.next()->Id, 3);
}

TEST_F(IteratorsTest, WalksMarriagesById) {
  const int a = Add("Adam"), e = Add("Eva"), k = Add("Kain"), l = Add("Lilith");
  for (auto [mann, frau] : {std::pair{a, e}, std::pair{k, l}, std::pair{a, l}}) {
    TEheRec rec;
    rec.Mann = mann;
    rec.Frau = frau;
    rec.HeiratOrt = "Eden";
    db().insertMarriage(rec);
  }
  TMarriageIterator it(db(), "id");
  std::vector<std::pair<int, int>> couples;
  for (auto m = it.first(); m; m = it.next()) {
    couples.emplace_back(m->Mann, m->Frau);
    EXPECT_EQ(m->HeiratOrt, "Eden");
  }
  EXPECT_EQ(couples, (std::vector<std::pair<int, int>>{{a, e}, {k, l}, {a, l}}));
}

TEST_F(IteratorsTest, WalksMediaByPersonThenNumber) {
  const int a = Add("Anna"), b = Add("Bert");
  for (auto [id, file] : {std::pair{b, "b1.jpg"}, std::pair{a, "a1.jpg"}, std::pair{b, "b2.jpg"}}) {
    TMedia m;
    m.Id = id;
    m.File = file;
    m.Title = std::string("Bild ") + file;
    db().insertMedia(m);
  }
  auto files = [&](const char* order) {
    TMediaIterator it(db(), order);
    std::vector<std::string> out;
    for (auto m = it.first(); m; m = it.next()) out.push_back(m->File + "/" + std::to_string(m->Id));
    return out;
  };
  const std::string sa = "/" + std::to_string(a), sb = "/" + std::to_string(b);
  EXPECT_EQ(files("id"), (std::vector<std::string>{"a1.jpg" + sa, "b1.jpg" + sb, "b2.jpg" + sb}));
  EXPECT_EQ(files("autoinc"), (std::vector<std::string>{"b1.jpg" + sb, "a1.jpg" + sa, "b2.jpg" + sb}));
  TMediaIterator it(db(), "autoinc");
  auto m = it.first();
  EXPECT_EQ(m->Title, "Bild b1.jpg");
  EXPECT_GT(m->AutoInc, 0);
}

}  // namespace
