// How a row of the person, marriage, link, media and free-form entry tables
// maps onto its record: the column lists to select and the readers that fill
// a record from the current row of a statement, starting at column 0 in the
// order of the list. NULL reads as 0 or empty, an empty date as "0000.00.00".
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "db/Person.h"
#include "db/Schema.h"
#include "db/Sqlite.h"

// "main."Person"" and so on, for SQL.
const std::string& TableName(TableId table);

// Column lists, quoted and comma-separated, for SELECT.
const std::string& PersonColumns();        // readPerson
const std::string& PersonDetailColumns();  // readPersonDetail: PersonColumns first
const std::string& MarriageColumns();      // readMarriage
const std::string& LinkColumns();          // readLink
const std::string& MediaColumns();         // readMedia
const std::string& DiversesColumns();      // readDiverses

void readPerson(const TStatement& st, TPerson& person);
// An unreadable comment memo gives an empty comment and a warning in the
// change log.
void readPersonDetail(const TStatement& st, TPersonDetail& detail);
void readMarriage(const TStatement& st, TEheRec& rec);
void readLink(const TStatement& st, TLink& link);
void readMedia(const TStatement& st, TMedia& media);
void readDiverses(const TStatement& st, TDiverses& entry);

// The memo of a comment: lines joined with CR LF; and back, split on CR LF
// or LF. An empty memo is no line at all.
std::string CommentMemo(const std::vector<std::string>& lines);
std::vector<std::string> CommentLines(const std::string& memo);

// The value cut at a character boundary to the size of the table's field.
std::string Fit(TableId table, const char* field, const std::string& value);

// "UPDATE table SET "f1" = ?1, ... WHERE "key" = ?n+1": the fields bound
// in the given order, the key last.
std::string UpdateSql(TableId table, std::initializer_list<const char*> fields);

// Resets a statement when the scope ends, so that no read stays open and no
// binding outlives its use, however the scope is left.
class TResetOnExit {
 public:
  explicit TResetOnExit(TStatement& st) : st_(st) {}
  ~TResetOnExit() { st_.Reset(); }
  TResetOnExit(const TResetOnExit&) = delete;
  TResetOnExit& operator=(const TResetOnExit&) = delete;

 private:
  TStatement& st_;
};
