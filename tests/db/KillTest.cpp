// A program killed in the middle of writing: a child process writes, the
// test kills it with SIGKILL at a point it reports through a pipe, then
// opens the database again. Every table file must pass SQLite's integrity
// check and hold either all of a transaction or none of it.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include "core/Configuration.h"
#include "core/Paths.h"
#include "core/Project.h"
#include "tests/db/DbTestSupport.h"

namespace {

std::string Keys() { return TableDef(TableId::Key).Qualified(); }
std::string Persons() { return TableDef(TableId::Person).Qualified(); }

constexpr char kMidway = 'M';
constexpr char kFailed = 'E';

class KillTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    ASSERT_EQ(::pipe(progress_), 0);
    ASSERT_EQ(::pipe(hold_), 0);
  }
  void TearDown() override {
    // A test that failed before its kill must not leave the child running.
    if (child_ > 0) Kill();
    for (int fd : {progress_[0], progress_[1], hold_[0], hold_[1]})
      if (fd >= 0) ::close(fd);
    DbTest::TearDown();
  }

  static void Insert(TAhnenDB& db, int i) {
    TPersonDetail p;
    p.Vorname = "Hans Peter";
    p.Nachname = "Kill";
    p.Ort = "Ort" + std::to_string(i);
    p.Geschlecht = i % 2;
    db.insert(p);
  }
  // Rows of key.DB that Insert gives the person id: Hans, Peter, Kill, the
  // place, and the id once it has two digits.
  static int KeysOfInsert(int id) { return 4 + (id >= 10 ? 1 : 0); }

  // Forks a child that opens the project and runs work on the database;
  // the parent's own connection is closed first, as a connection must not
  // cross a fork.
  void Start(const std::function<void(TAhnenDB&)>& work) {
    Config->CloseDatabase();
    Config.reset();
    child_ = ::fork();
    ASSERT_GE(child_, 0);
    if (child_ == 0) {
      ::close(progress_[0]);
      ::close(hold_[1]);
      int status = 0;
      try {
        OpenProject(project);
        work(*AhnenDB);
      } catch (...) {
        Report(kFailed);
        status = 1;
      }
      ::_exit(status);
    }
    ::close(progress_[1]);
    progress_[1] = -1;
    ::close(hold_[0]);
    hold_[0] = -1;
  }

  // In the child: a pipe that fails leaves nothing to report to.
  void Report(char c) {
    if (::write(progress_[1], &c, 1) != 1) ::_exit(2);
  }
  void Report(int n) {
    if (::write(progress_[1], &n, sizeof n) != static_cast<ssize_t>(sizeof n)) ::_exit(2);
  }
  // Blocks the child until it is killed: the parent never writes to hold.
  void Hold() {
    char c;
    while (::read(hold_[0], &c, 1) < 0) {
    }
  }

  void Kill() {
    ASSERT_EQ(::kill(child_, SIGKILL), 0);
    int status = 0;
    const pid_t reaped = ::waitpid(child_, &status, 0);
    child_ = -1;
    ASSERT_GT(reaped, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  }

  void ReopenAfterKill() { Config = std::make_unique<TConfiguration>(project); }

  void ExpectIntact() {
    for (TableId id : AllTables()) {
      const TTableDef& def = TableDef(id);
      SCOPED_TRACE(def.file);
      TStatement st(db().Connection(), std::string("PRAGMA ") + def.schema + ".integrity_check");
      ASSERT_TRUE(st.Step());
      EXPECT_EQ(st.Text(0), "ok");
    }
  }

  int Scalar(const std::string& sql) {
    TStatement st(db().Connection(), sql);
    return st.Step() ? st.Int(0) : -1;
  }

  int progress_[2] = {-1, -1};
  int hold_[2] = {-1, -1};
  pid_t child_ = -1;
};

TEST_F(KillTest, KilledBulkTransactionLeavesTheTablesAsBefore) {
  for (int i = 0; i < 30; ++i) Insert(db(), i);
  const int persons = db().RecordCount(TableId::Person);
  const int keys = db().RecordCount(TableId::Key);
  const auto personFileSize = [&] { return std::filesystem::file_size(dir.File("Person.DB")); };
  const auto sizeBefore = personFileSize();

  Start([this](TAhnenDB& db) {
    // A tiny page cache makes the transaction spill its pages into the
    // table files long before its end, so that only the journals can undo
    // what the kill leaves behind.
    for (const char* schema : {"main", "kdb"})
      db.Connection().Exec(std::string("PRAGMA ") + schema + ".cache_size = 16");
    auto tx = db.Transaction();
    for (int i = 0; i < 3000; ++i) {
      Insert(db, i);
      if (i == 1500) {
        Report(kMidway);
        Hold();
      }
    }
    tx->Commit();
  });
  char c = 0;
  ASSERT_EQ(::read(progress_[0], &c, 1), 1);
  ASSERT_EQ(c, kMidway);
  // The bulk write stands open with changed pages in the files.
  EXPECT_TRUE(FileExists(dir.File("Person.DB-journal")));
  EXPECT_TRUE(FileExists(dir.File("key.DB-journal")));
  EXPECT_GT(personFileSize(), sizeBefore);
  Kill();

  ReopenAfterKill();
  ExpectIntact();
  EXPECT_EQ(db().RecordCount(TableId::Person), persons);
  EXPECT_EQ(db().RecordCount(TableId::Key), keys);
  EXPECT_EQ(personFileSize(), sizeBefore);
  // And the database goes on working, and closes without leftovers.
  Insert(db(), 99);
  EXPECT_EQ(db().RecordCount(TableId::Person), persons + 1);
  Config->CloseDatabase();
  Config.reset();
  for (TableId id : AllTables()) EXPECT_FALSE(FileExists(dir.File(std::string(TableDef(id).file) + "-journal")));
}

TEST_F(KillTest, KilledSingleCommitsLeaveWholePersons) {
  constexpr int kReported = 12;
  Start([this](TAhnenDB& db) {
    for (int i = 0; i < 100000; ++i) {
      Insert(db, i);
      Report(static_cast<int>(db.RecordCount(TableId::Person)));
    }
  });
  int last = 0;
  for (int n = 0; n < kReported; ++n) {
    ASSERT_EQ(::read(progress_[0], &last, sizeof last), static_cast<ssize_t>(sizeof last));
  }
  Kill();

  ReopenAfterKill();
  ExpectIntact();
  // Each insert commits the person row, its log and its keywords together:
  // ids stay without gaps and no person lacks its keywords.
  const int persons = db().RecordCount(TableId::Person);
  EXPECT_GE(persons, last);
  EXPECT_EQ(Scalar("SELECT max(Id) FROM " + Persons()), persons);
  int keys = 0;
  for (int id = 1; id <= persons; ++id) keys += KeysOfInsert(id);
  EXPECT_EQ(db().RecordCount(TableId::Key), keys);
  EXPECT_EQ(Scalar("SELECT count(*) FROM " + Keys() + " WHERE pid < 1 OR pid > " + std::to_string(persons)), 0);
}

}  // namespace
