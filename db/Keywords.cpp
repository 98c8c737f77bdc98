#include "db/Keywords.h"

#include "core/Configuration.h"
#include "core/DateFormat.h"
#include "db/AhnenDB.h"
#include "db/Iterators.h"
#include "db/KeywordBatch.h"

std::string NextWord(std::string_view text, int& position) {
  const int length = static_cast<int>(text.size());
  if (position < 1) position = 1;
  std::string word;
  for (; position <= length; ++position) {
    const char c = text[static_cast<std::size_t>(position - 1)];
    if (kWordSeparators.find(c) == std::string_view::npos) word += c;
    else if (!word.empty()) return word;
  }
  position = length + 1;
  return word;
}

TKeywordGroups TKeywordGroups::FromOptions() {
  TKeywordGroups g;
  if (!Config) return g;
  g.basis = Config->GetOptionBool(52, g.basis);
  g.zusatz = Config->GetOptionBool(53, g.zusatz);
  g.orte = Config->GetOptionBool(54, g.orte);
  g.lebensdaten = Config->GetOptionBool(55, g.lebensdaten);
  g.benutzerfelder = Config->GetOptionBool(56, g.benutzerfelder);
  g.lebensorte = Config->GetOptionBool(57, g.lebensorte);
  g.lebensquellen = Config->GetOptionBool(58, g.lebensquellen);
  g.ehe = Config->GetOptionBool(59, g.ehe);
  return g;
}

namespace {

class TCollector {
 public:
  explicit TCollector(std::vector<TKeyword>& out) : out_(out) {}

  void Words(int type, const std::string& text) {
    int position = 1;
    for (std::string w = NextWord(text, position); !w.empty(); w = NextWord(text, position))
      out_.push_back({type, std::move(w)});
  }
  void Whole(int type, const std::string& text) {
    if (!text.empty()) out_.push_back({type, text});
  }
  // A date that serves for sorting only is never shown, so it is no keyword either.
  void Date(int type, const std::string& date, int qualifier) {
    if (qualifier != dqSortOnly) Whole(type, FormatDateShort(date));
  }

 private:
  std::vector<TKeyword>& out_;
};

}  // namespace

std::vector<TKeyword> PersonKeywords(TAhnenDB& db, const TPersonDetail& p, const TKeywordGroups& groups) {
  std::vector<TKeyword> keys;
  TCollector c(keys);
  if (groups.basis) {
    c.Whole(1, std::to_string(p.Id));
    c.Whole(0, p.KarteiNr);
    c.Words(2, p.Vorname);
    c.Words(3, p.Nachname);
    c.Words(4, p.Famname);
  }
  if (groups.zusatz) {
    c.Words(13, p.Beruf);
    c.Words(14, p.Ausbildung);
    c.Words(15, p.Todesursache);
  }
  if (groups.orte) {
    c.Words(5, p.Ort);
    c.Words(6, p.Buergerort);
    c.Words(11, p.AdressOrt);
    c.Words(12, p.Land);
    c.Words(16, p.Quelle);
  }
  if (groups.lebensdaten) {
    c.Date(21, p.Geburt, p.GeburtZusatz);
    c.Date(22, p.Taufe, p.TaufeZusatz);
    c.Date(23, p.Tod, p.TodZusatz);
    c.Date(24, p.Bestattung, p.BestattungZusatz);
  }
  if (groups.lebensorte) {
    c.Words(7, p.GeburtOrt);
    c.Words(9, p.TaufeOrt);
    c.Words(8, p.TodOrt);
    c.Words(10, p.BestattungOrt);
  }
  if (groups.lebensquellen) {
    c.Words(20, p.GeburtQuelle);
    c.Words(18, p.TaufeQuelle);
    c.Words(19, p.TodQuelle);
    c.Words(17, p.BestattungQuelle);
  }
  // The stored marriages and entries, not the record's caches, which may be
  // older than what was just written.
  if (groups.ehe) {
    const auto partners = db.getPartners(p);
    for (const auto& m : *partners) {
      c.Words(28, m->HeiratOrt);
      c.Words(27, m->ScheidungOrt);
      c.Words(30, m->HeiratQuelle);
      c.Words(29, m->ScheidungQuelle);
      c.Date(25, m->Scheidung, m->ScheidungZusatz);
      c.Date(26, m->Heirat, m->HeiratZusatz);
    }
  }
  if (groups.benutzerfelder) {
    const auto entries = db.getDiverse(p);
    for (const auto& d : *entries) c.Words(31, d->Text);
  }
  return keys;
}

void BuildPersonKeys(TAhnenDB& db, const TPersonDetail& detail, const TKeywordGroups& groups) {
  if (detail.Id <= 0) return;
  const std::vector<TKeyword> keys = PersonKeywords(db, detail, groups);
  if (keys.empty()) return;
  const std::string caption = detail.listText();
  auto tx = db.Transaction();
  for (const TKeyword& k : keys) db.insertKey(detail.Id, 0, caption, k.keytype, k.key);
  tx->Commit();
}

void BuildPersonKeys(TAhnenDB& db, const TPersonDetail& detail) {
  BuildPersonKeys(db, detail, TKeywordGroups::FromOptions());
}

void DeletePersonKeys(TAhnenDB& db, int id) { db.deletePersonKeys(id); }

void RebuildPersonKeys(TAhnenDB& db, const TPersonDetail& detail) {
  auto tx = db.Transaction();
  DeletePersonKeys(db, detail.Id);
  BuildPersonKeys(db, detail);
  tx->Commit();
}

void BuildAllKeys(TAhnenDB& db, const TKeyProgress& progress) {
  const TKeywordGroups groups = TKeywordGroups::FromOptions();
  auto tx = db.Transaction();
  const int total = db.RecordCount(TableId::Person);
  int done = 0;
  WithoutKeyIndexes(db, [&] {
    TPersonIterator it(db, "id");
    for (auto p = it.first(); p; p = it.next()) {
      BuildPersonKeys(db, *p, groups);
      if (progress) progress(++done, total);
    }
  });
  tx->Commit();
}

void RebuildAllKeys(TAhnenDB& db, const TKeyProgress& progress) {
  auto tx = db.Transaction();
  db.clearKeys();
  BuildAllKeys(db, progress);
  tx->Commit();
}

namespace {
// Thrown out of the build to stop it: the transactions roll back on the way.
struct TKeyBuildStopped {};
}  // namespace

bool RebuildAllKeys(TAhnenDB& db, const TKeyProgress& progress, const TKeyGoOn& goOn) {
  try {
    RebuildAllKeys(db, [&](int done, int total) {
      if (progress) progress(done, total);
      if (goOn && !goOn()) throw TKeyBuildStopped{};
    });
  } catch (const TKeyBuildStopped&) {
    return false;
  }
  return true;
}
