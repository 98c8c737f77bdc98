// TAhnenDB's keyword members: the row operations on key.DB and the rebuilding
// of one person's rows whenever the person, a marriage or an entry changes.
#include "core/Configuration.h"
#include "core/Utf8.h"
#include "db/AhnenDB.h"
#include "db/KeywordBatch.h"
#include "db/Keywords.h"

namespace {

constexpr std::size_t kKeyLength = 80;

bool OptionOn(int n) { return Config && Config->GetOptionBool(n, false); }

const std::string& KeyTable() {
  static const std::string name = TableDef(TableId::Key).Qualified();
  return name;
}

}  // namespace

void TAhnenDB::updatePersonKeys(const TPersonDetail& detail) {
  if (TKeywordBatch* batch = TKeywordBatch::Of(*this)) batch->Note(detail.Id);
  else RebuildPersonKeys(*this, detail);
}

void TAhnenDB::updatePersonKeysById(int id) {
  if (id <= 0) return;
  if (TKeywordBatch* batch = TKeywordBatch::Of(*this)) {
    batch->Note(id);
    return;
  }
  const auto detail = getPersonDetail(id);
  // A person that is gone keeps no keywords.
  if (detail->Id == 0) deletePersonKeys(id);
  else RebuildPersonKeys(*this, *detail);
}

void TAhnenDB::updateMarriageKeys(const TEheRec& rec) {
  if (!OptionOn(59)) return;
  auto tx = Transaction();
  updatePersonKeysById(rec.Mann);
  updatePersonKeysById(rec.Frau);
  tx->Commit();
}

void TAhnenDB::updateDiversesKeys(const TDiverses& d) {
  if (OptionOn(56)) updatePersonKeysById(d.Id);
}

void TAhnenDB::deletePersonKeys(int id) {
  static const std::string sql = "DELETE FROM " + KeyTable() + " WHERE \"pid\" = ?1";
  Cached(sql).Bind(1, id).Run();
}

void TAhnenDB::insertKey(int pid, int eid, const std::string& anzText, int keytype, const std::string& key) {
  if (utf8::Length(key) <= 1) return;
  static const std::string sql =
      "INSERT INTO " + KeyTable() +
      " (\"pid\", \"eid\", \"key\", \"keytype\", \"anzText\") VALUES (?1, ?2, ?3, ?4, ?5)";
  Cached(sql)
      .Bind(1, pid)
      .Bind(2, eid)
      .Bind(3, utf8::Truncate(key, kKeyLength))
      .Bind(4, keytype)
      .Bind(5, utf8::Truncate(anzText, kKeyLength))
      .Run();
}

void TAhnenDB::clearKeys() {
  auto tx = Transaction();
  Connection().Exec("DELETE FROM " + KeyTable());
  // Emptying starts the record numbers again, as a new table would.
  const TTableDef& def = TableDef(TableId::Key);
  Connection().Exec("DELETE FROM " + std::string(def.schema) + ".sqlite_sequence WHERE name = '" + def.table + "'");
  tx->Commit();
}
