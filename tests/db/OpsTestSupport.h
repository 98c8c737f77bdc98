// Helpers of the tests of the database operations: making persons, counting
// rows straight from the tables, a host that records what the person views
// are told, and a way to make one kind of table write fail.
#pragma once

#include <string>
#include <vector>

#include "core/Host.h"
#include "db/PersonRows.h"
#include "tests/db/DbTestSupport.h"

class OpsTest : public DbTest {
 protected:
  // Inserts a person and returns its id.
  int Person(const std::string& vorname, const std::string& nachname, int sex, int vater = 0, int mutter = 0,
             const std::string& geburt = "0000.00.00") {
    TPersonDetail p;
    p.Vorname = vorname;
    p.Nachname = nachname;
    p.Geschlecht = sex;
    p.Vater = vater;
    p.Mutter = mutter;
    p.Geburt = geburt;
    db().insert(p);
    return p.Id;
  }

  int Marriage(int mann, int frau, const std::string& heirat = "0000.00.00") {
    TEheRec rec;
    rec.Mann = mann;
    rec.Frau = frau;
    rec.Heirat = heirat;
    rec.Verheiratet = true;
    db().insertMarriage(rec);
    return rec.Id;
  }

  // count(*) of a table, read past every operation under test.
  int Rows(TableId table, const std::string& where = "1") {
    TStatement st(db().Connection(), "SELECT count(*) FROM " + TableName(table) + " WHERE " + where);
    st.Step();
    return st.Int(0);
  }

  // One text column of one row, as stored.
  std::string Stored(TableId table, const std::string& column, const std::string& where) {
    TStatement st(db().Connection(), "SELECT \"" + column + "\" FROM " + TableName(table) + " WHERE " + where);
    return st.Step() ? st.Text(0) : "<keine Zeile>";
  }

  // Every write of this kind to the table fails from now on, as a damaged
  // table would.
  void BreakWrites(TableId table, const std::string& kind) {
    db().Connection().Exec("CREATE TEMP TRIGGER \"broken_" + std::to_string(++triggers_) + "\" BEFORE " + kind +
                           " ON " + TableName(table) + " BEGIN SELECT RAISE(ABORT, 'Tabelle defekt'); END");
  }

  std::vector<std::string> ErrorBoxes() const {
    std::vector<std::string> texts;
    for (const PromptRecord& r : prompter.asked) {
      EXPECT_EQ(r.kind, PromptKind::Error);
      EXPECT_EQ(r.buttons, PromptButtons::Abort);
      texts.push_back(r.text);
    }
    return texts;
  }

  // The change log from here on.
  void ForgetChangeLines() { seen_ = ChangeLines().size(); }
  std::vector<std::string> NewChangeLines() const {
    const auto all = ChangeLines();
    return {all.begin() + static_cast<std::ptrdiff_t>(std::min(seen_, all.size())), all.end()};
  }

 private:
  int triggers_ = 0;
  std::size_t seen_ = 0;
};

// Records the calls to the person views; ClosePersonView answers `closes`.
class TViewHost : public TPlainHost {
 public:
  bool ClosePersonView(int id) override {
    calls.push_back("close " + std::to_string(id));
    return closes;
  }
  void DropMarriage(int viewPersonId, int marriageId) override {
    calls.push_back("drop " + std::to_string(viewPersonId) + " " + std::to_string(marriageId));
  }
  void RefreshChildren(int personId) override { calls.push_back("children " + std::to_string(personId)); }
  void RefreshLinks(int personId) override { calls.push_back("links " + std::to_string(personId)); }
  void PersonDeleted(int id) override { calls.push_back("deleted " + std::to_string(id)); }

  bool closes = true;
  std::vector<std::string> calls;
};
