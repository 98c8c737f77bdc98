// The keyword index: words and dates taken from a person's fields by the
// chosen groups, kept in step when a person, marriage or entry changes, and
// rebuilt as a whole in one transaction.
#include "db/Keywords.h"

#include <gtest/gtest.h>

#include <set>

#include "core/Configuration.h"
#include "tests/db/DbTestSupport.h"

namespace {

std::string Keys() { return TableDef(TableId::Key).Qualified(); }
std::string Persons() { return TableDef(TableId::Person).Qualified(); }

using Row = std::pair<int, std::string>;  // keytype, key
using Rows = std::vector<Row>;

TEST(NextWordTest, WordsAndPositions) {
  struct Case {
    const char* text;
    int start;
    const char* word;
    int end;
  };
  const Case cases[] = {
      {"Anna Maria", 1, "Anna", 5},          // left on the separator
      {"Anna Maria", 5, "Maria", 11},        // separators before a word are skipped
      {"Anna Maria", 11, "", 11},            // at the end: nothing, after the end
      {"  ,;Hans", 1, "Hans", 9},
      {"x-y", 2, "y", 4},
      {"St.Gallen/SG 1900", 1, "St.Gallen/SG", 13},  // full stop, slash, digits belong to words
      {"[Bern]", 1, "Bern", 6},
      {"Müller-Lüdenscheidt", 1, "Müller", 8},  // positions count bytes: ü takes two
      {"Müller-Lüdenscheidt", 8, "Lüdenscheidt", 22},
      {" ,;_-\"<>!?()*[]':", 1, "", 18},  // every separator
      {"", 1, "", 1},
      {"ab", 0, "ab", 3},  // a position before the text starts at its beginning
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " from " + std::to_string(c.start));
    int position = c.start;
    EXPECT_EQ(NextWord(c.text, position), c.word);
    EXPECT_EQ(position, c.end);
  }
}

class KeywordsTest : public DbTest {
 protected:
  // (keytype, key) of a person in the order they were stored.
  Rows KeysOf(int pid) {
    TStatement st(db().Connection(), "SELECT keytype, key FROM " + Keys() + " WHERE pid = ? ORDER BY AutoInc");
    st.Bind(1, pid);
    Rows rows;
    while (st.Step()) rows.emplace_back(st.Int(0), st.Text(1));
    return rows;
  }
  std::set<int> TypesOf(int pid) {
    std::set<int> types;
    for (const Row& r : KeysOf(pid)) types.insert(r.first);
    return types;
  }
  // AutoInc, keytype and key of every row of a person: equal lists mean the
  // rows were not written again.
  std::vector<std::string> RawRowsOf(int pid) {
    TStatement st(db().Connection(), "SELECT AutoInc, keytype, key FROM " + Keys() + " WHERE pid = ? ORDER BY AutoInc");
    st.Bind(1, pid);
    std::vector<std::string> rows;
    while (st.Step()) rows.push_back(st.Text(0) + "|" + st.Text(1) + "|" + st.Text(2));
    return rows;
  }
  int KeyCount() { return db().RecordCount(TableId::Key); }
  int KeyIndexCount() {
    TStatement st(db().Connection(), std::string("SELECT count(*) FROM ") + TableDef(TableId::Key).schema +
                                         ".sqlite_master WHERE type = 'index' AND sql IS NOT NULL");
    return st.Step() ? st.Int(0) : -1;
  }

  void SetOption(int n, bool on) { Config->SetOptionBool(n, on); }
  void AllGroups(bool on) {
    for (int n = 52; n <= 59; ++n) SetOption(n, on);
  }

  int AddPerson(const std::string& vorname, const std::string& nachname, int sex = 2) {
    TPersonDetail p;
    p.Vorname = vorname;
    p.Nachname = nachname;
    p.Geschlecht = sex;
    db().insert(p);
    return p.Id;
  }

  // A woman with every field that gives keywords, id 12 (so that her id is a
  // keyword of two characters), married, with one free-form entry.
  int AddFullPerson() {
    const int husband = AddPerson("Peter", "Bühler", 0);
    // Ids are the highest plus one: a bare row makes the next one 12.
    db().Connection().Exec("INSERT INTO " + Persons() + " (\"Id\") VALUES (11)");
    TPersonDetail p;
    p.Geschlecht = 1;
    p.Vorname = "Anna-Maria Luise";
    p.Nachname = "Müller";
    p.Famname = "Schmidt-Lenz";
    p.KarteiNr = "K-17";
    p.Beruf = "Magd";
    p.Ausbildung = "Volksschule";
    p.Todesursache = "Typhus";
    p.Ort = "Bern";
    p.Buergerort = "Basel";
    p.AdressOrt = "Thun";
    p.Land = "CH";
    p.Quelle = "KB Bern (1900)";
    p.Geburt = "1900.03.00";
    p.Taufe = "1900.03.04";
    p.TaufeZusatz = 3;
    p.Tod = "1950.00.00";
    p.Bestattung = "1950.12.24";
    p.BestattungZusatz = 5;
    p.GeburtOrt = "Bern";
    p.TaufeOrt = "Bern-Bümpliz";
    p.TodOrt = "Zürich";
    p.BestattungOrt = "Zürich";
    p.GeburtQuelle = "KB 1";
    p.TaufeQuelle = "TR";
    p.TodQuelle = "SR";
    p.BestattungQuelle = "Friedhof";
    db().insert(p);
    TEheRec m;
    m.Mann = husband;
    m.Frau = p.Id;
    m.Verheiratet = true;
    m.Heirat = "1920.05.06";
    m.HeiratOrt = "Köniz";
    m.HeiratQuelle = "EheReg 4";
    db().insertMarriage(m);
    TDiverses d;
    d.Id = p.Id;
    d.Title = "Hobby";
    d.Text = "Singen, Wandern";
    db().insertDiverses(d);
    return p.Id;
  }
};

TEST_F(KeywordsTest, EveryGroupInItsOrder) {
  AllGroups(true);
  const int id = AddFullPerson();
  ASSERT_EQ(id, 12);
  const Rows expected = {
      // 52
      {1, "12"}, {0, "K-17"}, {2, "Anna"}, {2, "Maria"}, {2, "Luise"}, {3, "Müller"}, {4, "Schmidt"}, {4, "Lenz"},
      // 53
      {13, "Magd"}, {14, "Volksschule"}, {15, "Typhus"},
      // 54
      {5, "Bern"}, {6, "Basel"}, {11, "Thun"}, {12, "CH"}, {16, "KB"}, {16, "Bern"}, {16, "1900"},
      // 55: the burial date serves for sorting only
      {21, "3.1900"}, {22, "4.3.1900"}, {23, "1950"},
      // 57
      {7, "Bern"}, {9, "Bern"}, {9, "Bümpliz"}, {8, "Zürich"}, {10, "Zürich"},
      // 58: "1" of "KB 1" is too short
      {20, "KB"}, {18, "TR"}, {19, "SR"}, {17, "Friedhof"},
      // 59: no divorce, "4" too short
      {28, "Köniz"}, {30, "EheReg"}, {26, "6.5.1920"},
      // 56
      {31, "Singen"}, {31, "Wandern"}};
  EXPECT_EQ(KeysOf(id), expected);
}

TEST_F(KeywordsTest, RowsCarryTheListCaption) {
  TPersonDetail p;
  p.Vorname = "Hans";
  p.Nachname = "Meier";
  p.Geburt = "1901.02.03";
  p.Ort = "Bern";
  db().insert(p);
  TStatement st(db().Connection(), "SELECT DISTINCT anzText, eid, keyprio IS NULL FROM " + Keys() + " WHERE pid = 1");
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Text(0), "Hans Meier (03.02.1901-), Bern [1]");
  EXPECT_EQ(st.Int(1), 0);
  EXPECT_TRUE(st.Bool(2));
  EXPECT_FALSE(st.Step());
  // The id "1" is a single character and gives no row.
  EXPECT_EQ(KeysOf(1), (Rows{{2, "Hans"}, {3, "Meier"}, {5, "Bern"}, {21, "3.2.1901"}}));
}

TEST_F(KeywordsTest, HyphenatedFirstNamesAndOneLetterSurname) {
  const int id = AddPerson("Anna-Maria Luise", "B");
  EXPECT_EQ(KeysOf(id), (Rows{{2, "Anna"}, {2, "Maria"}, {2, "Luise"}}));
  // One character, two bytes: still too short.
  EXPECT_TRUE(KeysOf(AddPerson("Jo", "Ö")) == (Rows{{2, "Jo"}}));
}

TEST_F(KeywordsTest, BirthDateKeywordFollowsItsQualifier) {
  struct Case {
    const char* geburt;
    int zusatz;
    Rows expected;
  };
  const Case cases[] = {
      {"1900.03.00", 0, {{21, "3.1900"}}},  {"1900.03.00", 5, {}},
      {"1900.03.00", 3, {{21, "3.1900"}}},  {"1899.12.24", 0, {{21, "24.12.1899"}}},
      {"1850.00.00", 1, {{21, "1850"}}},    {"0000.00.00", 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.geburt) + " / " + std::to_string(c.zusatz));
    TPersonDetail p;
    p.Geburt = c.geburt;
    p.GeburtZusatz = c.zusatz;
    db().insert(p);
    EXPECT_EQ(KeysOf(p.Id), c.expected);
  }
}

struct GroupCase {
  int option;
  bool on;
  std::set<int> types;  // the keyword types of the full person in this group
};

class KeywordGroupTest : public KeywordsTest, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(KeywordGroupTest, OptionSwitchesItsGroup) {
  const int id = AddFullPerson();
  // The builder's defaults: 52 to 55 on, 56 to 59 off.
  const std::set<int> defaults = {0, 1, 2, 3, 4, 13, 14, 15, 5, 6, 11, 12, 16, 21, 22, 23};
  ASSERT_EQ(TypesOf(id), defaults);
  SetOption(GetParam().option, GetParam().on);
  db().updatePersonKeysById(id);
  std::set<int> expected = defaults;
  for (int t : GetParam().types) {
    if (GetParam().on) expected.insert(t);
    else expected.erase(t);
  }
  EXPECT_EQ(TypesOf(id), expected);
}

INSTANTIATE_TEST_SUITE_P(Options, KeywordGroupTest,
                         ::testing::Values(GroupCase{52, false, {0, 1, 2, 3, 4}}, GroupCase{53, false, {13, 14, 15}},
                                           GroupCase{54, false, {5, 6, 11, 12, 16}},
                                           GroupCase{55, false, {21, 22, 23}}, GroupCase{56, true, {31}},
                                           GroupCase{57, true, {7, 8, 9, 10}}, GroupCase{58, true, {17, 18, 19, 20}},
                                           GroupCase{59, true, {26, 28, 30}}),
                         [](const ::testing::TestParamInfo<GroupCase>& info) {
                           return "Option" + std::to_string(info.param.option);
                         });

TEST_F(KeywordsTest, ChangingAPersonRebuildsOnlyItsRows) {
  const int hans = AddPerson("Hans", "Meier");
  const int grete = AddPerson("Grete", "Kunz");
  const auto greteBefore = RawRowsOf(grete);
  ASSERT_FALSE(greteBefore.empty());
  auto p = db().getPersonDetail(hans);
  p->Vorname = "Fritz";
  db().update(*p);
  EXPECT_EQ(KeysOf(hans), (Rows{{2, "Fritz"}, {3, "Meier"}}));
  EXPECT_EQ(RawRowsOf(grete), greteBefore);
}

TEST_F(KeywordsTest, DeletingAPersonDeletesItsRows) {
  const int hans = AddPerson("Hans", "Meier");
  const int grete = AddPerson("Grete", "Kunz");
  const auto greteBefore = RawRowsOf(grete);
  auto p = db().getPerson(hans);
  db().remove(*p);
  EXPECT_TRUE(KeysOf(hans).empty());
  EXPECT_EQ(RawRowsOf(grete), greteBefore);
}

TEST_F(KeywordsTest, MarriageKeywordsOnlyWithTheirOption) {
  for (bool on : {false, true}) {
    SCOPED_TRACE(on ? "option 59 on" : "option 59 off");
    SetOption(59, on);
    const int mann = AddPerson("Karl", "Roth", 0);
    const int frau = AddPerson("Lina", "Roth", 1);
    TEheRec m;
    m.Mann = mann;
    m.Frau = frau;
    m.HeiratOrt = "Thun";
    db().insertMarriage(m);
    const Rows place = on ? Rows{{28, "Thun"}} : Rows{};
    for (int id : {mann, frau}) {
      Rows rows;
      for (const Row& r : KeysOf(id))
        if (r.first == 28) rows.push_back(r);
      EXPECT_EQ(rows, place);
    }
    db().deleteMarriage(m);
    for (int id : {mann, frau}) EXPECT_EQ(TypesOf(id).count(28), 0u);
  }
}

TEST_F(KeywordsTest, EntryKeywordsOnlyWithTheirOption) {
  for (bool on : {false, true}) {
    SCOPED_TRACE(on ? "option 56 on" : "option 56 off");
    SetOption(56, on);
    const int id = AddPerson("Karl", "Roth");
    TDiverses d;
    d.Id = id;
    d.Title = "Hobby";
    d.Text = "Schach";
    db().insertDiverses(d);
    EXPECT_EQ(TypesOf(id).count(31), on ? 1u : 0u);
    db().deleteDiverses(d);
    EXPECT_EQ(TypesOf(id).count(31), 0u);
  }
}

TEST_F(KeywordsTest, InsertKeyDropsShortKeysAndCutsLongTexts) {
  std::string longKey, longCaption;
  for (int i = 0; i < 85; ++i) longKey += "ä";
  for (int i = 0; i < 90; ++i) longCaption += "é";
  for (const std::string& key : {std::string(), std::string("x"), std::string("ß"), std::string("ab"), longKey})
    db().insertKey(7, 0, longCaption, 2, key);
  TStatement st(db().Connection(), "SELECT key, anzText FROM " + Keys() + " ORDER BY AutoInc");
  std::vector<std::string> keys;
  while (st.Step()) {
    keys.push_back(st.Text(0));
    EXPECT_EQ(st.Text(1), longCaption.substr(0, 160));  // 80 characters of two bytes
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"ab", longKey.substr(0, 160)}));
}

TEST_F(KeywordsTest, RebuildEmptiesTheTableFirst) {
  TPersonDetail a, b;
  a.Vorname = "Hans";
  a.Ort = "Bern";
  b.Vorname = "Grete";
  b.Ort = "Thun";
  db().insert(a);
  db().insert(b);
  db().insertKey(99, 0, "Geist [99]", 3, "Gespenst");  // a row of no person
  SetOption(54, false);
  std::vector<std::pair<int, int>> calls;
  RebuildAllKeys(db(), [&](int done, int total) { calls.emplace_back(done, total); });
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
  EXPECT_EQ(KeysOf(a.Id), (Rows{{2, "Hans"}}));
  EXPECT_EQ(KeysOf(b.Id), (Rows{{2, "Grete"}}));
  EXPECT_TRUE(KeysOf(99).empty());
  EXPECT_EQ(KeyCount(), 2);
  EXPECT_EQ(KeyIndexCount(), 5);
  // An emptied table numbers its rows from 1 again.
  TStatement st(db().Connection(), "SELECT min(AutoInc) FROM " + Keys());
  ASSERT_TRUE(st.Step());
  EXPECT_EQ(st.Int(0), 1);
}

TEST_F(KeywordsTest, BuildAllAddsWithoutDeleting) {
  AddPerson("Hans", "Meier");
  AddPerson("Grete", "Kunz");
  ASSERT_EQ(KeyCount(), 4);
  BuildAllKeys(db(), {});
  EXPECT_EQ(KeyCount(), 8);
}

TEST_F(KeywordsTest, FailedRebuildKeepsTheOldIndex) {
  AddPerson("Hans", "Meier");
  AddPerson("Grete", "Kunz");
  SetOption(54, false);
  const auto before = RawRowsOf(1);
  EXPECT_THROW(RebuildAllKeys(db(), [](int done, int) {
                 if (done == 2) throw EDatabaseError("Abbruch");
               }),
               EDatabaseError);
  EXPECT_EQ(RawRowsOf(1), before);
  EXPECT_EQ(KeyCount(), 4);
  EXPECT_EQ(KeyIndexCount(), 5);
  EXPECT_FALSE(db().Connection().InTransaction());
}

}  // namespace
