#include "db/Iterators.h"

#include <sqlite3.h>

#include <algorithm>

#include "core/TextCase.h"
#include "db/AhnenDB.h"

namespace {

std::string Quote(const char* name) { return std::string("\"") + name + "\""; }

TAhnenDB& OpenDb() {
  if (!AhnenDB) throw EDatabaseError("Es ist keine Datenbank geöffnet.");
  return *AhnenDB;
}

bool IsText(const TFieldDef& f) { return f.type == FieldType::Alpha || f.type == FieldType::Memo; }

}  // namespace

// --- TTableIterator ------------------------------------------------------------

TTableIterator::TTableIterator(TAhnenDB& db, TableId table, const std::string& order)
    : db_(db), def_(TableDef(table)) {
  if (!SameText(order, def_.keyField)) {
    const TIndexDef* index = nullptr;
    for (const TIndexDef& ix : def_.indexes)
      if (SameText(ix.name, order) || SameText(ix.fields.front(), order)) {
        index = &ix;
        break;
      }
    if (!index)
      throw EDatabaseError("Die Tabelle \"" + std::string(def_.file) + "\" hat keinen Index \"" + order + "\".");
    for (const char* f : index->fields) order_.push_back(def_.Field(f));
  }
  // The key is the last column of every index entry, so the walk is total.
  order_.push_back(def_.Field(def_.keyField));
  for (std::size_t level = 0; level < order_.size(); ++level) {
    levelSql_.push_back(LevelSql(level, false));
    levelFromNullSql_.push_back(LevelSql(level, true));
  }

  TStatement& st =
      db_.Cached("SELECT " + SelectList() + " FROM " + def_.Qualified() + " ORDER BY " + OrderBy() + " LIMIT 1");
  active_ = st.Step();
  if (active_) current_ = ValuesOf(st);
  st.Reset();
}

std::int64_t TTableIterator::CurrentKey() const { return current_.empty() ? 0 : current_.back().number; }

std::string TTableIterator::SelectList() const {
  std::string s;
  for (const TFieldDef* f : order_) s += (s.empty() ? "" : ", ") + Quote(f->name);
  return s;
}

std::string TTableIterator::OrderBy() const { return SelectList(); }

// One seek per level instead of a row-value comparison: SQLite seeks a row
// value only by its leading fields and then scans all rows equal in them,
// which makes runs of equal names quadratic. NULL sorts first, so after a
// NULL every non-NULL value is greater. The last parameter is the LIMIT.
std::string TTableIterator::LevelSql(std::size_t level, bool fromNull) const {
  std::string where;
  for (std::size_t i = 0; i < level; ++i) where += Quote(order_[i]->name) + " IS ?" + std::to_string(i + 1) + " AND ";
  where += Quote(order_[level]->name) + (fromNull ? " IS NOT NULL" : " > ?" + std::to_string(level + 1));
  return "SELECT " + SelectList() + " FROM " + def_.Qualified() + " WHERE " + where + " ORDER BY " + OrderBy() +
         " LIMIT ?" + std::to_string(level + (fromNull ? 1 : 2));
}

TTableIterator::TValues TTableIterator::ValuesOf(TStatement& st) const {
  TValues values(order_.size());
  for (std::size_t i = 0; i < order_.size(); ++i) {
    TValue& v = values[i];
    const int col = static_cast<int>(i);
    v.null = st.IsNull(col);
    if (v.null) continue;
    if (IsText(*order_[i])) v.text = st.Text(col);
    else v.number = st.Int64(col);
  }
  return values;
}

// A rollback takes back changes without counting new ones, so the end of
// the transaction that was open at reading counts as a change, too.
bool TTableIterator::AheadValid() const {
  sqlite3* h = db_.Connection().Handle();
  return sqlite3_total_changes64(h) == changesAtReading_ && !(inTransactionAtReading_ && sqlite3_get_autocommit(h));
}

void TTableIterator::BindValue(TStatement& st, int index, const TValue& v) const {
  if (v.null) st.BindNull(index);
  else if (IsText(*order_[static_cast<std::size_t>(index - 1)])) st.Bind(index, v.text);
  else st.Bind(index, v.number);
}

// Rows read ahead stay valid as long as this connection changed no row
// since (no other program writes while the database is open). A batch used
// up earns a larger one; a change drops the rest of a batch and starts
// small again, so that a caller who writes at every step pays for a row or
// two per step, not for a whole batch.
bool TTableIterator::Advance() {
  if (!active_) return false;
  if (ahead_.empty() || !AheadValid()) {
    aheadSize_ = ahead_.empty() && readAhead_ ? std::min<std::size_t>(aheadSize_ * 2, kMaxAhead) : 1;
    ahead_.clear();
    ReadAhead();
  }
  if (ahead_.empty()) return false;
  current_ = std::move(ahead_.front());
  ahead_.pop_front();
  return true;
}

void TTableIterator::ReadAhead() {
  // The deepest level first: rows equal in all leading fields with a
  // greater key, then rows greater in the last index field, and so on; each
  // level's rows all come after the deeper levels' rows.
  for (std::size_t level = order_.size(); level-- > 0 && ahead_.size() < aheadSize_;) {
    const bool fromNull = current_[level].null;
    TStatement& st = db_.Cached(fromNull ? levelFromNullSql_[level] : levelSql_[level]);
    int n = 0;
    for (std::size_t i = 0; i < level; ++i) BindValue(st, ++n, current_[i]);
    if (!fromNull) BindValue(st, ++n, current_[level]);
    st.Bind(n + 1, static_cast<std::int64_t>(aheadSize_ - ahead_.size()));
    while (st.Step()) ahead_.push_back(ValuesOf(st));
    st.Reset();
  }
  sqlite3* h = db_.Connection().Handle();
  changesAtReading_ = sqlite3_total_changes64(h);
  inTransactionAtReading_ = !sqlite3_get_autocommit(h);
  readAhead_ = true;
}

bool TTableIterator::Position(std::int64_t key) {
  ahead_.clear();
  readAhead_ = false;
  TStatement& st = db_.Cached("SELECT " + SelectList() + " FROM " + def_.Qualified() + " WHERE " +
                              Quote(def_.keyField) + " = ?1");
  st.Bind(1, key);
  active_ = st.Step();
  if (active_) current_ = ValuesOf(st);
  st.Reset();
  return active_;
}

// --- TPersonIterator -----------------------------------------------------------

TPersonIterator::TPersonIterator(TAhnenDB& db, const std::string& order) : TTableIterator(db, TableId::Person, order) {}

std::unique_ptr<TPersonIterator> TPersonIterator::Create(const std::string& order) {
  return std::make_unique<TPersonIterator>(OpenDb(), order);
}

std::unique_ptr<TPersonDetail> TPersonIterator::Read() {
  auto d = db_.getPersonDetail(static_cast<int>(CurrentKey()));
  if (!d || d->Id == 0) return nullptr;
  return d;
}

std::unique_ptr<TPersonDetail> TPersonIterator::first() {
  if (!Active()) return nullptr;
  if (auto d = Read()) return d;
  return next();
}

std::unique_ptr<TPersonDetail> TPersonIterator::next() {
  while (Advance())
    if (auto d = Read()) return d;
  return nullptr;
}

void TPersonIterator::setPosition(int id) { Position(id); }

// --- TMarriageIterator ---------------------------------------------------------

TMarriageIterator::TMarriageIterator(TAhnenDB& db, const std::string& order)
    : TTableIterator(db, TableId::Ehe, order) {}

std::unique_ptr<TMarriageIterator> TMarriageIterator::Create(const std::string& order) {
  return std::make_unique<TMarriageIterator>(OpenDb(), order);
}

std::unique_ptr<TEheRec> TMarriageIterator::Read() {
  auto rec = db_.getMarriage(static_cast<int>(CurrentKey()));
  if (!rec || rec->Id == 0) return nullptr;
  return rec;
}

std::unique_ptr<TEheRec> TMarriageIterator::first() {
  if (!Active()) return nullptr;
  if (auto rec = Read()) return rec;
  return next();
}

std::unique_ptr<TEheRec> TMarriageIterator::next() {
  while (Advance())
    if (auto rec = Read()) return rec;
  return nullptr;
}

// --- TMediaIterator ------------------------------------------------------------

TMediaIterator::TMediaIterator(TAhnenDB& db, const std::string& order) : TTableIterator(db, TableId::Media, order) {}

std::unique_ptr<TMediaIterator> TMediaIterator::Create(const std::string& order) {
  return std::make_unique<TMediaIterator>(OpenDb(), order);
}

std::unique_ptr<TMedia> TMediaIterator::Read() {
  TStatement& st = db_.Cached("SELECT \"Id\", \"File\", \"Title\" FROM " + TableDef(TableId::Media).Qualified() +
                              " WHERE \"AutoInc\" = ?1");
  st.Bind(1, CurrentKey());
  std::unique_ptr<TMedia> m;
  if (st.Step()) {
    m = std::make_unique<TMedia>();
    m->Id = st.Int(0);
    m->File = st.Text(1);
    m->Title = st.Text(2);
    m->AutoInc = static_cast<int>(CurrentKey());
  }
  st.Reset();
  return m;
}

std::unique_ptr<TMedia> TMediaIterator::first() {
  if (!Active()) return nullptr;
  if (auto m = Read()) return m;
  return next();
}

std::unique_ptr<TMedia> TMediaIterator::next() {
  while (Advance())
    if (auto m = Read()) return m;
  return nullptr;
}
