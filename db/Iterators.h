// Walks over whole tables (persons, marriages, media) in the order of one of
// their indexes. An iterator remembers only the order values and the key of
// its current row, so every operation of TAhnenDB may run between two steps:
// a row deleted or changed meanwhile neither ends nor disturbs the walk, and
// every row that stays untouched comes exactly once. The database must stay
// open while an iterator lives; records returned belong to the caller.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "db/Person.h"
#include "db/Schema.h"
#include "db/Sqlite.h"

class TAhnenDB;

// The common walking: a step is a keyset query "the rows after the
// remembered values" through cached statements, one indexed seek per level
// of the order; rows are read ahead while nothing changes.
class TTableIterator {
 public:
  virtual ~TTableIterator() = default;
  TTableIterator(const TTableIterator&) = delete;
  TTableIterator& operator=(const TTableIterator&) = delete;

  // The key (Id or AutoInc) of the current row; 0 when the table was empty.
  std::int64_t CurrentKey() const;

 protected:
  // order: the key field ("id", "autoinc") or the first field or the name of
  // one of the table's indexes, without regard to case; the key always ends
  // the order, so rows with equal index values come by key. Throws
  // EDatabaseError for an order the table has no index for.
  TTableIterator(TAhnenDB& db, TableId table, const std::string& order);

  // Moves to the row after the remembered one; false when there is none.
  bool Advance();
  // Remembers the row with this key; false (and the walk ends) when none.
  bool Position(std::int64_t key);
  // False once the walk cannot go on (empty at creation, missing position).
  bool Active() const { return active_; }

  TAhnenDB& db_;

 private:
  struct TValue {
    bool null = true;
    std::int64_t number = 0;
    std::string text;
  };
  using TValues = std::vector<TValue>;  // of the order fields, the key last
  static constexpr std::size_t kMaxAhead = 256;

  std::string SelectList() const;
  std::string OrderBy() const;
  // The query of one level: fields before it equal, this one greater.
  std::string LevelSql(std::size_t level, bool fromNull) const;
  TValues ValuesOf(TStatement& st) const;
  void BindValue(TStatement& st, int index, const TValue& v) const;
  void ReadAhead();
  // True while the rows read ahead are those the table would give now.
  bool AheadValid() const;

  const TTableDef& def_;
  std::vector<const TFieldDef*> order_;  // the key comes last
  TValues current_;
  bool active_ = false;
  std::deque<TValues> ahead_;  // the rows after current_, in order
  std::size_t aheadSize_ = 1;
  bool readAhead_ = false;  // the last step found the rows read ahead valid
  std::int64_t changesAtReading_ = 0;
  bool inTransactionAtReading_ = false;
  // LevelSql of every level, from a value and from NULL; built once.
  std::vector<std::string> levelSql_, levelFromNullSql_;
};

class TPersonIterator : public TTableIterator {
 public:
  // "id" or "vorname" (Vorname, Nachname, Geburt, then Id), or any other
  // index of Person.DB.
  TPersonIterator(TAhnenDB& db, const std::string& order);
  // An iterator over the open database AhnenDB.
  static std::unique_ptr<TPersonIterator> Create(const std::string& order);

  // The current person (the first one after creation); when it was deleted
  // meanwhile, the one after it. Empty when there is none.
  std::unique_ptr<TPersonDetail> first();
  std::unique_ptr<TPersonDetail> next();
  // Continues after the person id. When there is no such person, the walk
  // ends: next() returns nothing until setPosition is called again.
  void setPosition(int id);

 private:
  std::unique_ptr<TPersonDetail> Read();
};

class TMarriageIterator : public TTableIterator {
 public:
  // "id", or an index of Ehe.DB ("mann", "frau").
  TMarriageIterator(TAhnenDB& db, const std::string& order);
  static std::unique_ptr<TMarriageIterator> Create(const std::string& order);

  std::unique_ptr<TEheRec> first();
  std::unique_ptr<TEheRec> next();

 private:
  std::unique_ptr<TEheRec> Read();
};

class TMediaIterator : public TTableIterator {
 public:
  // "autoinc" (the record numbers), "id" (by person, then record number) or
  // "file".
  TMediaIterator(TAhnenDB& db, const std::string& order);
  static std::unique_ptr<TMediaIterator> Create(const std::string& order);

  std::unique_ptr<TMedia> first();
  std::unique_ptr<TMedia> next();

 private:
  std::unique_ptr<TMedia> Read();
};
