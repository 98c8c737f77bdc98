#include "db/AhnenDB.h"

#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/Errors.h"
#include "core/Host.h"
#include "core/Paths.h"
#include "core/Prompter.h"
#include "core/TextCase.h"

std::unique_ptr<TAhnenDB> AhnenDB;

namespace {

// The declared length of a field, -1 when the table has no such field.
int FieldLength(TSqliteConnection& c, const TTableDef& def, const std::string& field) {
  TStatement st(c, std::string("PRAGMA ") + def.schema + ".table_info(\"" + def.table + "\")");
  while (st.Step()) {
    if (!SameText(st.Text(1), field)) continue;
    const std::string type = st.Text(2);
    const auto open = type.find('(');
    if (open == std::string::npos) return 0;
    return std::atoi(type.c_str() + open + 1);
  }
  return -1;
}

}  // namespace

TAhnenDB::TAhnenDB(const std::string& dbPath) : path_(IncludeTrailingSeparator(dbPath)) {
  try {
    Open();
  } catch (const std::exception& e) {
    Close();
    ShowErrorBox(e.what());
    throw EConfiguration("Datenbank konnte nicht geöffnet werden!");
  }
}

TAhnenDB::~TAhnenDB() { Close(); }

void TAhnenDB::Log(const std::string& text) { Host().Log(text); }

void TAhnenDB::Open() {
  const TTableDef& person = TableDef(TableId::Person);
  const std::string personFile = TableFilePath(path_, person.file);
  if (!FileExists(personFile)) throw EDatabaseError("Die Tabelle \"" + personFile + "\" wurde nicht gefunden.");

  // A moment of exclusive access: a database another program holds open
  // is refused. Afterwards the lock is shared for as long as we are open.
  const auto started = std::chrono::steady_clock::now();
  lockFd_ = ::open(personFile.c_str(), O_RDONLY | O_CLOEXEC);
  if (lockFd_ < 0) throw EDatabaseError("\"" + personFile + "\" kann nicht geöffnet werden.");
  if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0)
    throw EDatabaseError("Die Datenbank \"" + path_ + "\" wird von einem anderen Programm benutzt.");

  db_ = std::make_unique<TSqliteConnection>(personFile, false);
  // No other program has the database open (the lock above), so SQLite may
  // keep its file locks until closing. Otherwise every statement outside a
  // transaction locks, checks and unlocks each file it touches, which costs
  // more than most lookups. Applies to the files attached below as well.
  db_->Exec("PRAGMA locking_mode = EXCLUSIVE");
  const int geburtQuelle = FieldLength(*db_, person, "GeburtQuelle");
  const int ort = FieldLength(*db_, person, "Ort");
  const int name = FieldLength(*db_, person, "Nachname");
  if (geburtQuelle < 0 && ort < 0 && name < 0)
    throw EDatabaseError("\"" + personFile + "\" enthält keine Personentabelle.");
  const auto millis =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
  Log("Time needed: " + std::to_string(millis));
  Log("GeburtQuelle has length " + std::to_string(geburtQuelle));
  Log("Ort has length " + std::to_string(ort));
  Log("Name has length " + std::to_string(name));
  ::flock(lockFd_, LOCK_SH | LOCK_NB);

  Log("Current Default Language driver is SQLite " + TSqliteConnection::Version());

  for (TableId id : {TableId::Ehe, TableId::Media, TableId::Divers, TableId::Link}) {
    const TTableDef& def = TableDef(id);
    const std::string file = TableFilePath(path_, def.file);
    if (!FileExists(file)) throw EDatabaseError("Die Tabelle \"" + file + "\" wurde nicht gefunden.");
    db_->Attach(file, def.schema);
  }
  for (TableId id : {TableId::Key, TableId::Fact, TableId::Source}) {
    const TTableDef& def = TableDef(id);
    if (!TableFileExists(path_, def.file)) {
      CreateTableFile(path_, id);
      if (id == TableId::Key) KeywordTableCreated = true;
    }
    db_->Attach(TableFilePath(path_, def.file), def.schema);
  }
  // Every file must really hold its table: a damaged or foreign file fails here.
  for (TableId id : AllTables()) {
    const TTableDef& def = TableDef(id);
    TStatement(*db_, "SELECT 1 FROM " + def.Qualified() + " LIMIT 1").Step();
  }
  // Walks and lookups reach the person and marriage rows in index order,
  // that is at random pages: a page cache that holds the whole of a large
  // Person.DB (40 MB at 100,000 persons) spares a read from the system per
  // row. The cache grows only as far as the files need.
  db_->Exec("PRAGMA " + std::string(TableDef(TableId::Person).schema) + ".cache_size = -65536");
  db_->Exec("PRAGMA " + std::string(TableDef(TableId::Ehe).schema) + ".cache_size = -16384");
}

void TAhnenDB::Close() {
  statements_.clear();
  db_.reset();
  if (lockFd_ >= 0) {
    ::flock(lockFd_, LOCK_UN);
    ::close(lockFd_);
    lockFd_ = -1;
  }
}

TSqliteConnection& TAhnenDB::Connection() {
  if (!db_) throw EDatabaseError("Die Datenbank ist nicht geöffnet.");
  return *db_;
}

TStatement& TAhnenDB::Cached(const std::string& sql) {
  auto it = statements_.find(sql);
  if (it == statements_.end()) it = statements_.emplace(sql, std::make_unique<TStatement>(Connection(), sql)).first;
  it->second->Reset();
  return *it->second;
}

std::unique_ptr<TTransaction> TAhnenDB::Transaction() { return std::make_unique<TTransaction>(Connection()); }

int TAhnenDB::RecordCount(TableId table) {
  TStatement& st = Cached("SELECT count(*) FROM " + TableDef(table).Qualified());
  st.Step();
  const int n = st.Int(0);
  st.Reset();
  return n;
}
