#include "exchange/GedImportIndexes.h"

#include <string>
#include <utility>
#include <vector>

#include "db/AhnenDB.h"

void WithoutTableIndexes(TAhnenDB& db, std::initializer_list<TableId> tables, const std::function<void()>& work) {
  TSqliteConnection& c = db.Connection();
  const auto tx = db.Transaction();
  struct TIndex {
    std::string schema, name, sql;
  };
  std::vector<TIndex> indexes;
  for (TableId id : tables) {
    const TTableDef& def = TableDef(id);
    TStatement st(c, std::string("SELECT name, sql FROM ") + def.schema +
                         ".sqlite_master WHERE type = 'index' AND tbl_name = ?1 AND sql IS NOT NULL");
    st.Bind(1, def.table);
    while (st.Step()) indexes.push_back({def.schema, st.Text(0), st.Text(1)});
  }
  for (const TIndex& i : indexes) c.Exec("DROP INDEX " + i.schema + ".\"" + i.name + "\"");
  work();
  // A stored definition names no schema; the index belongs to its table's.
  const std::string create = "CREATE INDEX ";
  for (const TIndex& i : indexes)
    c.Exec(i.sql.compare(0, create.size(), create) == 0 ? create + i.schema + "." + i.sql.substr(create.size())
                                                        : i.sql);
  tx->Commit();
}
