// The eight tables of a database directory: each its own SQLite file named
// as the table ("Person.DB", ...), with its fields in order, their types and
// sizes, and its indexes. Alpha fields hold at most `size` characters;
// case-insensitive indexes use the collation OVNOCASE. Also the creation of
// table files and of the files of a new database, and the replacing of an
// existing one with "Alt_" names.
#pragma once

#include <array>
#include <string>
#include <vector>

enum class FieldType { Integer, Smallint, Alpha, Logical, Memo, AutoInc };

struct TFieldDef {
  const char* name;
  FieldType type;
  int size;  // characters of an Alpha field, else 0
};

struct TIndexDef {
  const char* name;
  std::vector<const char*> fields;
  bool caseInsensitive;
};

enum class TableId { Person, Ehe, Link, Media, Divers, Key, Fact, Source };

struct TTableDef {
  TableId id;
  const char* file;     // "Person.DB"
  // The table inside the file: "Person"; where an index bears the table's
  // own name ("key"), the table is called otherwise ("Keywords"), since
  // SQLite keeps tables and indexes in one name space.
  const char* table;
  const char* schema;   // the name it is attached under: "main", "edb", ...
  const char* keyField; // the primary key: "Id" or "AutoInc"
  std::vector<TFieldDef> fields;
  std::vector<TIndexDef> indexes;  // secondary indexes; the primary key is the key field

  // "schema.table", quoted, for SQL.
  std::string Qualified() const;
  const TFieldDef* Field(const std::string& name) const;
};

const TTableDef& TableDef(TableId id);
// In the order they are created for a new database.
const std::array<TableId, 8>& AllTables();

// The name of the file of a table in dir as it exists there, found without
// regard to case, or the table's own name in dir when there is none.
std::string TableFilePath(const std::string& dir, const std::string& fileName);
bool TableFileExists(const std::string& dir, const std::string& fileName);

// Creates the table's file in dir with its fields and indexes. Throws
// EDatabaseError when the file exists or cannot be made.
void CreateTableFile(const std::string& dir, TableId table);

// The helper lists (copied from programPath when it holds them, else empty)
// and the eight tables of a new database in dbPath.
void CreateDatabaseFiles(const std::string& dbPath, const std::string& programPath);

// Renames the tables (and the selection file and change log) of an existing
// database in dbPath to "Alt_" names, deleting older "Alt_" files first.
void ReplaceExistingDatabase(const std::string& dbPath);

// The text of the project file "Orvelin.ov" of a new database.
std::string NewProjectFileText(const std::string& title, const std::string& mediaDir);
