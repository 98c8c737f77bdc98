// The keyword index of the quick search: single words of a person's names,
// places, occupations, sources, dates, marriages and free-form entries, one
// row of key.DB each, carrying the person's list caption. The options 52 to
// 59 of the project file choose the groups of fields that give keywords.
// Building never deletes unless it says so; bulk builds run in one transaction.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TAhnenDB;
class TPersonDetail;

// Characters between words; the full stop, the slash and digits belong to words.
inline constexpr std::string_view kWordSeparators = " ,;_-\"<>!?()*[]':";

// The next word of text from position (counted in bytes from 1; every
// separator is one byte, so a word is never cut inside a character).
// Separators before the word are skipped; position is left on the separator
// after it, or after the end of the text, where an empty word comes back.
std::string NextWord(std::string_view text, int& position);

// The groups of fields that give keywords, by their option numbers.
struct TKeywordGroups {
  bool basis = true;           // 52: id, index card number, names
  bool zusatz = true;          // 53: occupation, education, cause of death
  bool orte = true;            // 54: places, country, sources
  bool lebensdaten = true;     // 55: the four event dates
  bool benutzerfelder = false; // 56: free-form entries
  bool lebensorte = false;     // 57: places of the four events
  bool lebensquellen = false;  // 58: sources of the four events
  bool ehe = false;            // 59: marriages and partnerships

  // The options of the open project; without one, the defaults above.
  static TKeywordGroups FromOptions();
};

struct TKeyword {
  int keytype = 0;
  std::string key;
};

// The keywords of one person in the order they are stored: groups 52, 53,
// 54, 55, 57, 58, 59, 56, words from left to right, repeats kept. Words of
// one character are still listed here; insertKey drops them.
std::vector<TKeyword> PersonKeywords(TAhnenDB& db, const TPersonDetail& detail, const TKeywordGroups& groups);

// Adds the rows of one person (nothing is deleted); a record without id adds none.
void BuildPersonKeys(TAhnenDB& db, const TPersonDetail& detail, const TKeywordGroups& groups);
void BuildPersonKeys(TAhnenDB& db, const TPersonDetail& detail);
void DeletePersonKeys(TAhnenDB& db, int id);
// DeletePersonKeys then BuildPersonKeys, as one transaction.
void RebuildPersonKeys(TAhnenDB& db, const TPersonDetail& detail);

// Called after each person with the persons done and the persons in all.
using TKeyProgress = std::function<void(int done, int total)>;

// BuildPersonKeys for every person in id order, in one transaction.
void BuildAllKeys(TAhnenDB& db, const TKeyProgress& progress);
// Empties key.DB and builds it anew, in one transaction: rows of groups
// switched off disappear, and a failure leaves the old index.
void RebuildAllKeys(TAhnenDB& db, const TKeyProgress& progress);

// Asked after each person; false stops the build.
using TKeyGoOn = std::function<bool()>;
// RebuildAllKeys that a window can stop: when goOn returns false the build
// ends there and nothing of it is kept (the old index stays). False when
// it was stopped.
bool RebuildAllKeys(TAhnenDB& db, const TKeyProgress& progress, const TKeyGoOn& goOn);
