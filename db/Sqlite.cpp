#include "db/Sqlite.h"

#include <sqlite3.h>

#include "core/TextCase.h"

namespace {

int CompareNoCase(void*, int n1, const void* s1, int n2, const void* s2) {
  return AnsiCompareText(std::string_view(static_cast<const char*>(s1), static_cast<std::size_t>(n1)),
                         std::string_view(static_cast<const char*>(s2), static_cast<std::size_t>(n2)));
}

void Upper(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (argc != 1 || sqlite3_value_type(argv[0]) == SQLITE_NULL) {
    sqlite3_result_null(ctx);
    return;
  }
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
  const std::string up = AnsiUpperCase(text ? text : "");
  sqlite3_result_text(ctx, up.c_str(), static_cast<int>(up.size()), SQLITE_TRANSIENT);
}

}  // namespace

TSqliteConnection::TSqliteConnection(const std::string& path, bool create) {
  // SQLite's memory statistics take a global mutex at every allocation;
  // nothing reads them. Only possible before SQLite's first use.
  static const bool configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
  (void)configured;
  const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    const std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw EDatabaseError(path + ": " + msg);
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, 2000);
  sqlite3_create_collation(db_, "OVNOCASE", SQLITE_UTF8, nullptr, CompareNoCase);
  sqlite3_create_function(db_, "OVUPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, Upper, nullptr, nullptr);
}

TSqliteConnection::~TSqliteConnection() {
  if (db_) sqlite3_close_v2(db_);
}

void TSqliteConnection::Fail(const std::string& what) const {
  throw EDatabaseError(what + ": " + sqlite3_errmsg(db_));
}

void TSqliteConnection::Exec(const std::string& sql) {
  char* err = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
    const std::string msg = err ? err : sqlite3_errmsg(db_);
    sqlite3_free(err);
    throw EDatabaseError(msg);
  }
}

void TSqliteConnection::Attach(const std::string& path, const std::string& schema) {
  TStatement st(*this, "ATTACH DATABASE ? AS " + schema);
  st.Bind(1, path).Run();
}

std::int64_t TSqliteConnection::LastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }
int TSqliteConnection::Changes() const { return sqlite3_changes(db_); }

void TSqliteConnection::Begin() {
  if (depth_++ == 0) {
    failed_ = false;
    try {
      Exec("BEGIN IMMEDIATE");
    } catch (...) {
      depth_ = 0;
      throw;
    }
  }
}

void TSqliteConnection::Commit() {
  if (depth_ == 0) return;
  if (--depth_ > 0) return;
  if (failed_) {
    Exec("ROLLBACK");
    throw EDatabaseError("Die Änderungen wurden zurückgenommen.");
  }
  Exec("COMMIT");
}

void TSqliteConnection::Rollback() {
  if (depth_ == 0) return;
  failed_ = true;
  if (--depth_ > 0) return;
  if (!sqlite3_get_autocommit(db_)) Exec("ROLLBACK");
}

std::string TSqliteConnection::Version() { return sqlite3_libversion(); }

TTransaction::~TTransaction() {
  if (!done_) {
    try {
      c_.Rollback();
    } catch (...) {
      // Nothing more can be done here; the engine rolls back a broken
      // transaction by itself.
    }
  }
}

void TTransaction::Commit() {
  done_ = true;
  c_.Commit();
}

TStatement::TStatement(TSqliteConnection& c, const std::string& sql) : c_(c) {
  if (sqlite3_prepare_v2(c.Handle(), sql.c_str(), static_cast<int>(sql.size()), &st_, nullptr) != SQLITE_OK)
    c.Fail(sql);
}

TStatement::~TStatement() { sqlite3_finalize(st_); }

TStatement& TStatement::Bind(int i, std::int64_t v) {
  if (sqlite3_bind_int64(st_, i, v) != SQLITE_OK) c_.Fail("bind");
  return *this;
}

TStatement& TStatement::Bind(int i, std::string_view v) {
  if (sqlite3_bind_text(st_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT) != SQLITE_OK)
    c_.Fail("bind");
  return *this;
}

TStatement& TStatement::BindNull(int i) {
  if (sqlite3_bind_null(st_, i) != SQLITE_OK) c_.Fail("bind");
  return *this;
}

bool TStatement::Step() {
  const int rc = sqlite3_step(st_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  c_.Fail(sqlite3_sql(st_));
}

void TStatement::Run() {
  while (Step()) {
  }
  Reset();
}

void TStatement::Reset() {
  sqlite3_reset(st_);
  sqlite3_clear_bindings(st_);
}

std::int64_t TStatement::Int64(int col) const { return sqlite3_column_int64(st_, col); }

std::string TStatement::Text(int col) const {
  const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, col));
  return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(st_, col))) : std::string();
}

bool TStatement::IsNull(int col) const { return sqlite3_column_type(st_, col) == SQLITE_NULL; }
int TStatement::ColumnCount() const { return sqlite3_column_count(st_); }
