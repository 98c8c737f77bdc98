#include "db/Schema.h"

#include <filesystem>

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/TextCase.h"
#include "db/Sqlite.h"

namespace fs = std::filesystem;

namespace {

using F = FieldType;

std::vector<TTableDef> MakeTables() {
  std::vector<TTableDef> t;
  t.push_back({TableId::Person, "Person.DB", "Person", "main", "Id",
               {{"Id", F::Integer, 0},          {"Nachname", F::Alpha, 40},     {"Famname", F::Alpha, 40},
                {"Vorname", F::Alpha, 40},      {"GeburtOrt", F::Alpha, 30},    {"TodOrt", F::Alpha, 30},
                {"Kommentar", F::Memo, 0},      {"Beruf", F::Alpha, 70},        {"Strasse", F::Alpha, 60},
                {"Ort", F::Alpha, 80},          {"Buergerort", F::Alpha, 80},   {"Land", F::Alpha, 20},
                {"Ausbildung", F::Alpha, 70},   {"KarteiNr", F::Alpha, 20},     {"Vater", F::Integer, 0},
                {"Mutter", F::Integer, 0},      {"Geburt", F::Alpha, 10},       {"GeburtZusatz", F::Smallint, 0},
                {"GeburtQuelle", F::Alpha, 30}, {"Tod", F::Alpha, 10},          {"TodZusatz", F::Smallint, 0},
                {"TodQuelle", F::Alpha, 30},    {"PLZ", F::Alpha, 10},          {"AdressOrt", F::Alpha, 30},
                {"Korrespondenz", F::Logical, 0}, {"Telefon", F::Alpha, 20},    {"Geschlecht", F::Alpha, 1},
                {"Religion", F::Alpha, 20},     {"Taufe", F::Alpha, 10},        {"TaufeZusatz", F::Smallint, 0},
                {"TaufeOrt", F::Alpha, 30},     {"TaufeQuelle", F::Alpha, 30},  {"Bestattung", F::Alpha, 10},
                {"BestattungZusatz", F::Smallint, 0}, {"BestattungOrt", F::Alpha, 30},
                {"BestattungQuelle", F::Alpha, 30}, {"Quelle", F::Alpha, 100},  {"Todesursache", F::Alpha, 30},
                {"Neu", F::Alpha, 10},          {"Geaendert", F::Alpha, 10}},
               {{"Buergerort", {"Buergerort", "Nachname", "Vorname"}, true},
                {"KarteiNr", {"KarteiNr"}, true},
                {"Mutter1", {"Mutter", "Geburt"}, true},
                {"Nachname1", {"Nachname", "Vorname", "Geburt"}, true},
                {"Famname1", {"Famname", "Vorname", "Geburt"}, true},
                {"Vater1", {"Vater", "Geburt"}, true},
                {"Vorname1", {"Vorname", "Nachname", "Geburt"}, true},
                {"Wohnort", {"Ort", "Nachname", "Vorname"}, true},
                {"VaterMutter", {"Vater", "Mutter"}, true}}});
  t.push_back({TableId::Ehe, "Ehe.DB", "Ehe", "edb", "Id",
               {{"Id", F::Integer, 0},           {"Mann", F::Integer, 0},           {"Frau", F::Integer, 0},
                {"Verheiratet", F::Logical, 0},  {"Heirat", F::Alpha, 10},          {"HeiratZusatz", F::Smallint, 0},
                {"HeiratOrt", F::Alpha, 30},     {"HeiratQuelle", F::Alpha, 30},    {"Geschieden", F::Logical, 0},
                {"Scheidung", F::Alpha, 10},     {"ScheidungZusatz", F::Smallint, 0}, {"ScheidungOrt", F::Alpha, 30},
                {"ScheidungQuelle", F::Alpha, 30}, {"Kommentar", F::Memo, 0},       {"Neu", F::Alpha, 10},
                {"Geaendert", F::Alpha, 10}},
               {{"Frau1", {"Frau", "Heirat"}, true}, {"Mann1", {"Mann", "Heirat"}, true},
                {"MannFrau", {"Mann", "Frau"}, true}}});
  t.push_back({TableId::Link, "Link.DB", "Link", "ldb", "AutoInc",
               {{"AutoInc", F::AutoInc, 0}, {"Id1", F::Integer, 0}, {"Id2", F::Integer, 0},
                {"Text", F::Alpha, 40}, {"Order", F::Smallint, 0}},
               {{"Id1", {"Id1"}, false}, {"Id2", {"Id2"}, false}}});
  t.push_back({TableId::Media, "Media.DB", "Media", "mdb", "AutoInc",
               {{"AutoInc", F::AutoInc, 0}, {"Id", F::Integer, 0}, {"File", F::Alpha, 60},
                {"Title", F::Alpha, 40}, {"Order", F::Smallint, 0}},
               {{"Id", {"Id"}, false}, {"File", {"File"}, true}}});
  t.push_back({TableId::Divers, "Divers.DB", "Divers", "ddb", "AutoInc",
               {{"AutoInc", F::AutoInc, 0}, {"Id", F::Integer, 0}, {"Title", F::Alpha, 40},
                {"Text", F::Alpha, 250}, {"Datum", F::Alpha, 10}, {"DatumZusatz", F::Smallint, 0},
                {"Order", F::Smallint, 0}, {"Quelle", F::Alpha, 30}},
               {{"Id", {"Id"}, false}, {"Title", {"Title"}, true}}});
  t.push_back({TableId::Key, "key.DB", "Keywords", "kdb", "AutoInc",
               {{"AutoInc", F::AutoInc, 0}, {"pid", F::Integer, 0}, {"eid", F::Integer, 0},
                {"key", F::Alpha, 80}, {"keytype", F::Integer, 0}, {"anzText", F::Alpha, 80},
                {"keyprio", F::Integer, 0}},
               {{"pid", {"pid"}, false}, {"eid", {"eid"}, false}, {"key", {"key"}, true},
                {"keytype", {"keytype"}, false}, {"keykeytype", {"key", "keytype"}, true}}});
  t.push_back({TableId::Fact, "fact.DB", "Facts", "fdb", "AutoInc",
               {{"AutoInc", F::AutoInc, 0}, {"pid", F::Integer, 0}, {"eid", F::Integer, 0},
                {"fact", F::Alpha, 255}, {"facttype", F::Integer, 0}, {"location", F::Alpha, 80},
                {"datum", F::Alpha, 10}, {"datumZusatz", F::Smallint, 0}, {"source", F::Alpha, 80}},
               {{"pid", {"pid"}, false}, {"eid", {"eid"}, false}, {"fact", {"fact"}, true},
                {"facttype", {"facttype"}, false}}});
  t.push_back({TableId::Source, "source.DB", "Sources", "sdb", "AutoInc",
               {{"AutoInc", F::AutoInc, 0}, {"key", F::Alpha, 80}, {"text", F::Alpha, 255}},
               {{"key", {"key"}, true}}});
  return t;
}

const std::vector<TTableDef>& Tables() {
  static const std::vector<TTableDef> tables = MakeTables();
  return tables;
}

std::string Quote(const std::string& name) { return "\"" + name + "\""; }

// Text fields of a case-insensitive index compare without regard to case
// everywhere, so that lookups and walks agree with the index.
bool InCaseInsensitiveIndex(const TTableDef& def, const TFieldDef& f) {
  for (const TIndexDef& ix : def.indexes)
    if (ix.caseInsensitive)
      for (const char* name : ix.fields)
        if (std::string(name) == f.name) return true;
  return false;
}

std::string ColumnSql(const TTableDef& def, const TFieldDef& f) {
  const std::string q = Quote(f.name);
  switch (f.type) {
    case F::AutoInc: return q + " INTEGER PRIMARY KEY AUTOINCREMENT";
    case F::Integer: return q + " INTEGER";
    case F::Smallint: return q + " SMALLINT";
    case F::Logical: return q + " BOOLEAN";
    case F::Memo: return q + " TEXT";
    case F::Alpha:
      return q + " VARCHAR(" + std::to_string(f.size) + ")" + (InCaseInsensitiveIndex(def, f) ? " COLLATE OVNOCASE" : "");
  }
  return q;
}

}  // namespace

std::string TTableDef::Qualified() const { return std::string(schema) + "." + Quote(table); }

const TFieldDef* TTableDef::Field(const std::string& name) const {
  for (const TFieldDef& f : fields)
    if (SameText(f.name, name)) return &f;
  return nullptr;
}

const TTableDef& TableDef(TableId id) { return Tables()[static_cast<std::size_t>(id)]; }

const std::array<TableId, 8>& AllTables() {
  static const std::array<TableId, 8> order = {TableId::Person, TableId::Ehe,    TableId::Link,   TableId::Media,
                                               TableId::Divers, TableId::Key,    TableId::Source, TableId::Fact};
  return order;
}

std::string TableFilePath(const std::string& dir, const std::string& fileName) {
  return FindFileNoCase(dir, fileName);
}

bool TableFileExists(const std::string& dir, const std::string& fileName) {
  return FileExists(TableFilePath(dir, fileName));
}

void CreateTableFile(const std::string& dir, TableId id) {
  const TTableDef& def = TableDef(id);
  const std::string path = TableFilePath(dir, def.file);
  if (FileExists(path)) throw EDatabaseError("Die Tabelle \"" + path + "\" besteht schon.");
  try {
    TSqliteConnection c(path, true);
    TTransaction tx(c);
    std::string sql = "CREATE TABLE " + Quote(def.table) + " (";
    for (std::size_t i = 0; i < def.fields.size(); ++i) {
      const TFieldDef& f = def.fields[i];
      sql += (i ? ", " : "") + ColumnSql(def, f);
      if (f.type != F::AutoInc && std::string(f.name) == def.keyField) sql += " PRIMARY KEY";
    }
    c.Exec(sql + ")");
    for (const TIndexDef& ix : def.indexes) {
      std::string cols;
      // Only text compares by case; an integer key keeps the plain order so
      // that "Vater = ?" finds its index.
      for (const char* f : ix.fields)
        cols += (cols.empty() ? "" : ", ") + Quote(f) +
                (ix.caseInsensitive && def.Field(f)->type == F::Alpha ? " COLLATE OVNOCASE" : "");
      c.Exec("CREATE INDEX " + Quote(ix.name) + " ON " + Quote(def.table) + " (" + cols + ")");
    }
    tx.Commit();
  } catch (...) {
    std::error_code ec;
    fs::remove(path, ec);
    throw;
  }
}

void CreateDatabaseFiles(const std::string& dbPath, const std::string& programPath) {
  for (const char* list : {"Beruf.Lst", "Religion.Lst", "Name.Lst", "Ort.Lst", "Land.Lst", "Quelle.Lst", "Vorname.Lst"}) {
    // The list files are read in lower case; the program directory may hold either spelling.
    const std::string target = dbPath + AnsiLowerCase(list);
    const std::string source = TableFilePath(programPath, list);
    if (FileExists(source)) {
      CopyFileNoOverwrite(source, target);
    } else if (!FileExists(target)) {
      if (std::FILE* f = std::fopen(target.c_str(), "wb")) std::fclose(f);
    }
  }
  for (TableId id : AllTables()) CreateTableFile(dbPath, id);
}

void ReplaceExistingDatabase(const std::string& dbPath) {
  std::vector<std::string> names;
  for (TableId id : AllTables()) names.push_back(TableDef(id).file);
  // The old selection and change log belong to the old tables.
  names.push_back("selpers.lst");
  names.push_back("dbLog.txt");
  for (const std::string& name : names) {
    const std::string current = TableFilePath(dbPath, name);
    if (!FileExists(current)) continue;
    const std::string old = TableFilePath(dbPath, "Alt_" + ExtractFileName(current));
    std::error_code ec;
    fs::remove(old, ec);
    // Journal files of a table go with it.
    fs::remove(old + "-journal", ec);
    fs::rename(current, old, ec);
    if (ec) throw EInOutError("\"" + current + "\" kann nicht umbenannt werden: " + ec.message());
    if (FileExists(current + "-journal")) fs::rename(current + "-journal", old + "-journal", ec);
  }
}

std::string NewProjectFileText(const std::string& title, const std::string& mediaDir) {
  const char* const lines[] = {"[Allgemein]", nullptr, "", "[Verzeichnisse]", nullptr, "", "[Darstellung]",
                               "NeueFenster=1", "PersonenAnsichtGross=1", "StandardPersonenRegister=0",
                               "Werkzeugleiste=1", "Statuszeile=1", "KomplexeSuche=0", "", "[Datenbank]",
                               "NurLesen=0", "LogDBAktionen=1"};
  std::string text;
  int placeholder = 0;
  for (const char* line : lines) {
    if (line) text += line;
    else text += placeholder++ == 0 ? "Titel='" + title + "'" : "Media-Dir='" + mediaDir + "'";
    text += "\r\n";
  }
  return text;
}
