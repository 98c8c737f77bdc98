// Keywords of bulk writes built once at the end: the same rows as written
// one by one, key.DB's indexes intact, and nothing half built on failure.
#include "db/KeywordBatch.h"

#include <gtest/gtest.h>

#include "tests/db/DbTestSupport.h"

namespace {

using Rows = std::vector<std::pair<int, std::string>>;

class KeywordBatchTest : public DbTest {
 protected:
  int Add(const std::string& vorname, const std::string& ort) {
    TPersonDetail p;
    p.Vorname = vorname;
    p.Nachname = "Roth";
    p.Ort = ort;
    p.Geburt = "1900.05.00";
    db().insert(p);
    return p.Id;
  }
  Rows KeysOf(int pid) {
    TStatement st(db().Connection(), "SELECT keytype, key FROM " + TableDef(TableId::Key).Qualified() +
                                         " WHERE pid = ? ORDER BY AutoInc");
    st.Bind(1, pid);
    Rows rows;
    while (st.Step()) rows.emplace_back(st.Int(0), st.Text(1));
    return rows;
  }
  std::vector<std::string> KeyIndexes() {
    TStatement st(db().Connection(), std::string("SELECT name FROM ") + TableDef(TableId::Key).schema +
                                         ".sqlite_master WHERE type = 'index' AND sql IS NOT NULL ORDER BY name");
    std::vector<std::string> names;
    while (st.Step()) names.push_back(st.Text(0));
    return names;
  }
  const std::vector<std::string> allIndexes = {"eid", "key", "keykeytype", "keytype", "pid"};
};

TEST_F(KeywordBatchTest, BuildsAtTheEndWhatSingleWritesBuild) {
  // Few persons in a larger table: rebuilt with the indexes in place.
  for (int i = 0; i < 12; ++i) Add("Vor" + std::to_string(i), "Thun");
  const int single = Add("Hans Peter", "Bad Tölz");
  int batched = 0, moved = 0;
  {
    TKeywordBatch batch(db());
    batched = Add("Hans Peter", "Bad Tölz");
    EXPECT_TRUE(KeysOf(batched).empty());
    // A changed person and a deleted one in the same batch.
    auto p = db().getPersonDetail(1);
    p->Ort = "Bern";
    db().update(*p);
    moved = p->Id;
    auto gone = db().getPerson(2);
    db().remove(*gone);
    batch.Finish();
  }
  Rows expected = KeysOf(single);
  ASSERT_EQ(expected.size(), 7u);  // id, Hans, Peter, Roth, Bad, Tölz, 5.1900
  expected[0].second = std::to_string(batched);
  EXPECT_EQ(KeysOf(batched), expected);
  EXPECT_EQ(KeysOf(moved), (Rows{{2, "Vor0"}, {3, "Roth"}, {5, "Bern"}, {21, "5.1900"}}));
  EXPECT_TRUE(KeysOf(2).empty());
  EXPECT_EQ(KeyIndexes(), allIndexes);
}

TEST_F(KeywordBatchTest, LargeBatchRecreatesTheIndexes) {
  {
    auto tx = db().Transaction();
    TKeywordBatch batch(db());
    for (int i = 0; i < 20; ++i) Add("Anna", "Chur");
    batch.Finish();
    tx->Commit();
  }
  EXPECT_EQ(KeysOf(15), (Rows{{1, "15"}, {2, "Anna"}, {3, "Roth"}, {5, "Chur"}, {21, "5.1900"}}));
  EXPECT_EQ(KeyIndexes(), allIndexes);
  // The index on key serves the quick search's prefix range.
  TStatement plan(db().Connection(), "EXPLAIN QUERY PLAN SELECT pid FROM " + TableDef(TableId::Key).Qualified() +
                                         " WHERE key >= 'Ch' AND key < 'Ch\x7f\x7f'");
  ASSERT_TRUE(plan.Step());
  EXPECT_NE(plan.Text(3).find("INDEX key"), std::string::npos) << plan.Text(3);
}

TEST_F(KeywordBatchTest, FailureDropsTheNotesAndWritesNothing) {
  try {
    auto tx = db().Transaction();
    TKeywordBatch batch(db());
    Add("Anna", "Chur");
    throw EDatabaseError("Abbruch");
  } catch (const EDatabaseError&) {
  }
  EXPECT_EQ(db().RecordCount(TableId::Person), 0);
  EXPECT_EQ(db().RecordCount(TableId::Key), 0);
  // The batch is gone: writes build their keywords at once again.
  const int id = Add("Anna", "Chur");
  EXPECT_FALSE(KeysOf(id).empty());
}

TEST_F(KeywordBatchTest, OneBatchPerDatabase) {
  TKeywordBatch batch(db());
  EXPECT_THROW(TKeywordBatch second(db()), EDatabaseError);
  EXPECT_EQ(TKeywordBatch::Of(db()), &batch);
  batch.Finish();
  EXPECT_EQ(TKeywordBatch::Of(db()), nullptr);
}

}  // namespace
