#include "db/KeywordBatch.h"

#include <algorithm>
#include <exception>
#include <map>
#include <string>
#include <utility>

#include "db/AhnenDB.h"

namespace {

std::map<const TAhnenDB*, TKeywordBatch*>& Batches() {
  static std::map<const TAhnenDB*, TKeywordBatch*> batches;
  return batches;
}

// Dropping and re-creating the indexes costs a sort of the whole table; it
// pays off only when a good part of the persons is rebuilt.
bool WorthDroppingIndexes(std::size_t persons, int allPersons) {
  return persons * 4 >= static_cast<std::size_t>(allPersons);
}

}  // namespace

TKeywordBatch::TKeywordBatch(TAhnenDB& db) : db_(db), exceptions_(std::uncaught_exceptions()) {
  if (!Batches().emplace(&db, this).second)
    throw EDatabaseError("Für diese Datenbank werden die Schlüsselworte schon gesammelt erstellt.");
}

TKeywordBatch::~TKeywordBatch() {
  if (!open_) return;
  if (std::uncaught_exceptions() > exceptions_) {
    End();
    return;
  }
  try {
    Finish();
  } catch (...) {
    // A destructor cannot report it; callers who care call Finish themselves.
  }
}

TKeywordBatch* TKeywordBatch::Of(const TAhnenDB& db) {
  const auto it = Batches().find(&db);
  return it == Batches().end() ? nullptr : it->second;
}

void TKeywordBatch::End() {
  if (!open_) return;
  open_ = false;
  Batches().erase(&db_);
}

void TKeywordBatch::Finish(const TKeyProgress& progress) {
  if (!open_) return;
  // From here on the keyword updates write again, the sweep's own included.
  End();
  std::vector<int> ids = std::move(pending_);
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  if (ids.empty()) return;

  const TKeywordGroups groups = TKeywordGroups::FromOptions();
  auto tx = db_.Transaction();
  for (int id : ids) db_.deletePersonKeys(id);
  const auto build = [&] {
    const int total = static_cast<int>(ids.size());
    for (int i = 0; i < total; ++i) {
      const auto detail = db_.getPersonDetail(ids[static_cast<std::size_t>(i)]);
      if (detail->Id != 0) BuildPersonKeys(db_, *detail, groups);
      if (progress) progress(i + 1, total);
    }
  };
  if (WorthDroppingIndexes(ids.size(), db_.RecordCount(TableId::Person))) WithoutKeyIndexes(db_, build);
  else build();
  tx->Commit();
}

void WithoutKeyIndexes(TAhnenDB& db, const std::function<void()>& build) {
  const TTableDef& def = TableDef(TableId::Key);
  const std::string schema = def.schema;
  TSqliteConnection& c = db.Connection();
  auto tx = db.Transaction();
  std::vector<std::pair<std::string, std::string>> indexes;  // name, definition
  {
    TStatement st(c, "SELECT name, sql FROM " + schema +
                         ".sqlite_master WHERE type = 'index' AND tbl_name = ?1 AND sql IS NOT NULL");
    st.Bind(1, def.table);
    while (st.Step()) indexes.emplace_back(st.Text(0), st.Text(1));
  }
  for (const auto& [name, sql] : indexes) c.Exec("DROP INDEX " + schema + ".\"" + name + "\"");
  build();
  // The stored definition names no schema; an index belongs to its table's.
  const std::string prefix = "CREATE INDEX ";
  for (const auto& [name, sql] : indexes)
    c.Exec(sql.compare(0, prefix.size(), prefix) == 0 ? prefix + schema + "." + sql.substr(prefix.size()) : sql);
  tx->Commit();
}
