// Bulk writers (imports, generators) let the keyword rows of the persons they
// write be built once at the end instead of at every write: while a batch of
// a database lives, its keyword updates only note the person, and Finish
// builds the rows of every noted person in one sweep, with the indexes of
// key.DB dropped and created again when the sweep is large.
#pragma once

#include <functional>
#include <vector>

#include "db/Keywords.h"

class TAhnenDB;

class TKeywordBatch {
 public:
  // One batch per database at a time; a second throws EDatabaseError.
  explicit TKeywordBatch(TAhnenDB& db);
  // Finishes, unless an exception is under way: then the notes are dropped,
  // as the caller's transaction is rolled back anyway.
  ~TKeywordBatch();
  TKeywordBatch(const TKeywordBatch&) = delete;
  TKeywordBatch& operator=(const TKeywordBatch&) = delete;

  // Rebuilds the rows of every noted person that still exists, in one
  // transaction, and ends the batch.
  void Finish(const TKeyProgress& progress = {});

  // The open batch of db, or none; TAhnenDB's keyword updates ask it.
  static TKeywordBatch* Of(const TAhnenDB& db);
  void Note(int id) { pending_.push_back(id); }

 private:
  void End();

  TAhnenDB& db_;
  std::vector<int> pending_;
  int exceptions_;
  bool open_ = true;
};

// Runs build with the secondary indexes of key.DB dropped and creates them
// again from their stored definitions afterwards, all in one transaction:
// many rows are written several times faster so, and a failure leaves the
// table and its indexes as they were.
void WithoutKeyIndexes(TAhnenDB& db, const std::function<void()>& build);
