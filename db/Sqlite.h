// A thin RAII layer over SQLite's C API: a connection, prepared statements
// with bound parameters, and transactions that nest. Every failure raises
// EDatabaseError with SQLite's message. The connection knows the collation
// OVNOCASE (case-insensitive, umlauts with their base letter) and the
// function OVUPPER (upper case that knows umlauts).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/Errors.h"

struct sqlite3;
struct sqlite3_stmt;

class EDatabaseError : public EOrvelin {
 public:
  using EOrvelin::EOrvelin;
};

class TSqliteConnection {
 public:
  // Opens (or creates, when create is set) the file as main database.
  TSqliteConnection(const std::string& path, bool create);
  ~TSqliteConnection();
  TSqliteConnection(const TSqliteConnection&) = delete;
  TSqliteConnection& operator=(const TSqliteConnection&) = delete;

  void Exec(const std::string& sql);
  // Attaches a database file under a schema name.
  void Attach(const std::string& path, const std::string& schema);
  std::int64_t LastInsertRowId() const;
  int Changes() const;
  sqlite3* Handle() const { return db_; }
  [[noreturn]] void Fail(const std::string& what) const;

  // Nesting transactions: only the outermost begins and commits; a rollback
  // anywhere rolls back the whole.
  void Begin();
  void Commit();
  void Rollback();
  bool InTransaction() const { return depth_ > 0; }

  static std::string Version();

 private:
  sqlite3* db_ = nullptr;
  int depth_ = 0;
  bool failed_ = false;
};

// Commits on Commit(), rolls back when destroyed without it.
class TTransaction {
 public:
  explicit TTransaction(TSqliteConnection& c) : c_(c) { c_.Begin(); }
  ~TTransaction();
  void Commit();
  TTransaction(const TTransaction&) = delete;
  TTransaction& operator=(const TTransaction&) = delete;

 private:
  TSqliteConnection& c_;
  bool done_ = false;
};

class TStatement {
 public:
  TStatement(TSqliteConnection& c, const std::string& sql);
  ~TStatement();
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;

  // Parameters are numbered from 1.
  TStatement& Bind(int i, std::int64_t v);
  TStatement& Bind(int i, int v) { return Bind(i, static_cast<std::int64_t>(v)); }
  TStatement& Bind(int i, bool v) { return Bind(i, static_cast<std::int64_t>(v ? 1 : 0)); }
  TStatement& Bind(int i, std::string_view v);
  TStatement& Bind(int i, const char* v) { return Bind(i, std::string_view(v)); }
  TStatement& Bind(int i, const std::string& v) { return Bind(i, std::string_view(v)); }
  TStatement& BindNull(int i);

  // True while a row is there.
  bool Step();
  // Runs a statement that returns no rows.
  void Run();
  void Reset();

  // Columns are numbered from 0; NULL reads as 0 or empty.
  std::int64_t Int64(int col) const;
  int Int(int col) const { return static_cast<int>(Int64(col)); }
  bool Bool(int col) const { return Int64(col) != 0; }
  std::string Text(int col) const;
  bool IsNull(int col) const;
  int ColumnCount() const;

 private:
  TSqliteConnection& c_;
  sqlite3_stmt* st_ = nullptr;
};
