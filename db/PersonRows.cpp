#include "db/PersonRows.h"

#include <array>
#include <map>

#include "core/Sex.h"
#include "core/Utf8.h"
#include "db/ChangeLines.h"

namespace {

std::string Join(std::initializer_list<const char*> names) {
  std::string s;
  for (const char* n : names) {
    if (!s.empty()) s += ", ";
    s += std::string("\"") + n + "\"";
  }
  return s;
}

std::string Date(const TStatement& st, int col) {
  std::string d = st.Text(col);
  return d.empty() ? std::string(kNoDate) : d;
}

// The memo as lines; false when it is no readable text.
bool ReadComment(const TStatement& st, int col, std::vector<std::string>& lines) {
  const std::string memo = st.Text(col);
  if (!utf8::IsValid(memo)) {
    lines.clear();
    return false;
  }
  lines = CommentLines(memo);
  return true;
}

}  // namespace

const std::string& TableName(TableId table) {
  static const auto names = [] {
    std::array<std::string, 8> n;
    for (TableId id : AllTables()) n[static_cast<std::size_t>(id)] = TableDef(id).Qualified();
    return n;
  }();
  return names[static_cast<std::size_t>(table)];
}

const std::string& PersonColumns() {
  static const std::string s = Join({"Nachname", "Famname", "Vorname", "Id", "Vater", "Mutter", "Geburt", "Tod", "Ort",
                                     "Geschlecht", "Taufe", "Bestattung", "GeburtZusatz", "TodZusatz", "TaufeZusatz",
                                     "BestattungZusatz"});
  return s;
}

const std::string& PersonDetailColumns() {
  static const std::string s =
      PersonColumns() + ", " +
      Join({"Buergerort", "GeburtOrt", "GeburtQuelle", "TodOrt", "TodQuelle", "TaufeOrt", "TaufeQuelle",
            "BestattungOrt", "BestattungQuelle", "KarteiNr", "Ausbildung", "Beruf", "Kommentar", "Strasse", "PLZ",
            "AdressOrt", "Land", "Telefon", "Korrespondenz", "Religion", "Quelle", "Todesursache", "Neu", "Geaendert"});
  return s;
}

const std::string& MarriageColumns() {
  static const std::string s =
      Join({"Id", "Mann", "Frau", "Heirat", "Verheiratet", "HeiratOrt", "HeiratZusatz", "HeiratQuelle", "Scheidung",
            "Geschieden", "ScheidungOrt", "ScheidungZusatz", "ScheidungQuelle", "Kommentar", "Neu", "Geaendert"});
  return s;
}

const std::string& LinkColumns() {
  static const std::string s = Join({"AutoInc", "Id1", "Id2", "Text"});
  return s;
}

const std::string& MediaColumns() {
  static const std::string s = Join({"AutoInc", "Id", "File", "Title"});
  return s;
}

const std::string& DiversesColumns() {
  static const std::string s = Join({"AutoInc", "Id", "Title", "Text", "Datum", "DatumZusatz", "Quelle"});
  return s;
}

void readPerson(const TStatement& st, TPerson& p) {
  p.Nachname = st.Text(0);
  p.Famname = st.Text(1);
  p.Vorname = st.Text(2);
  p.Id = st.Int(3);
  p.Vater = st.Int(4);
  p.Mutter = st.Int(5);
  p.Geburt = Date(st, 6);
  p.Tod = Date(st, 7);
  p.Ort = st.Text(8);
  p.Geschlecht = SexFromLetter(st.Text(9));
  p.Taufe = Date(st, 10);
  p.Bestattung = Date(st, 11);
  p.GeburtZusatz = st.Int(12);
  p.TodZusatz = st.Int(13);
  p.TaufeZusatz = st.Int(14);
  p.BestattungZusatz = st.Int(15);
}

void readPersonDetail(const TStatement& st, TPersonDetail& d) {
  readPerson(st, d);
  d.Buergerort = st.Text(16);
  d.GeburtOrt = st.Text(17);
  d.GeburtQuelle = st.Text(18);
  d.TodOrt = st.Text(19);
  d.TodQuelle = st.Text(20);
  d.TaufeOrt = st.Text(21);
  d.TaufeQuelle = st.Text(22);
  d.BestattungOrt = st.Text(23);
  d.BestattungQuelle = st.Text(24);
  d.KarteiNr = st.Text(25);
  d.Ausbildung = st.Text(26);
  d.Beruf = st.Text(27);
  if (!ReadComment(st, 28, d.Kommentar)) LogDbChange("Warnung: Kommentar-Blob in Person konnte nicht gelesen werden.");
  d.Strasse = st.Text(29);
  d.PLZ = st.Text(30);
  d.AdressOrt = st.Text(31);
  d.Land = st.Text(32);
  d.Telefon = st.Text(33);
  d.Korrespondenz = st.Bool(34);
  d.Religion = st.Text(35);
  d.Quelle = st.Text(36);
  d.Todesursache = st.Text(37);
  d.Neu = Date(st, 38);
  d.Geaendert = Date(st, 39);
}

void readMarriage(const TStatement& st, TEheRec& r) {
  r.Id = st.Int(0);
  r.Mann = st.Int(1);
  r.Frau = st.Int(2);
  r.Heirat = Date(st, 3);
  r.Verheiratet = st.Bool(4);
  r.HeiratOrt = st.Text(5);
  r.HeiratZusatz = st.Int(6);
  r.HeiratQuelle = st.Text(7);
  r.Scheidung = Date(st, 8);
  r.Geschieden = st.Bool(9);
  r.ScheidungOrt = st.Text(10);
  r.ScheidungZusatz = st.Int(11);
  r.ScheidungQuelle = st.Text(12);
  if (!ReadComment(st, 13, r.Kommentar)) LogDbChange("Warnung: Kommentar-Blob in Ehe konnte nicht gelesen werden.");
  r.Neu = Date(st, 14);
  r.Geaendert = Date(st, 15);
}

void readLink(const TStatement& st, TLink& l) {
  l.AutoInc = st.Int(0);
  l.Id1 = st.Int(1);
  l.Id2 = st.Int(2);
  l.Text = st.Text(3);
}

void readMedia(const TStatement& st, TMedia& m) {
  m.AutoInc = st.Int(0);
  m.Id = st.Int(1);
  m.File = st.Text(2);
  m.Title = st.Text(3);
}

void readDiverses(const TStatement& st, TDiverses& d) {
  d.AutoInc = st.Int(0);
  d.Id = st.Int(1);
  d.Title = st.Text(2);
  d.Text = st.Text(3);
  d.Datum = Date(st, 4);
  d.DatumZusatz = st.Int(5);
  d.Quelle = st.Text(6);
}

std::string CommentMemo(const std::vector<std::string>& lines) {
  std::string memo;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) memo += "\r\n";
    memo += lines[i];
  }
  return memo;
}

std::vector<std::string> CommentLines(const std::string& memo) {
  std::vector<std::string> lines;
  if (memo.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t lf = memo.find('\n', start);
    if (lf == std::string::npos) {
      lines.push_back(memo.substr(start));
      return lines;
    }
    const std::size_t end = lf > start && memo[lf - 1] == '\r' ? lf - 1 : lf;
    lines.push_back(memo.substr(start, end - start));
    start = lf + 1;
  }
}

std::string Fit(TableId table, const char* field, const std::string& value) {
  // Sizes by exact field name, built once: writing a person cuts some thirty fields.
  static const auto sizes = [] {
    std::array<std::map<std::string, int, std::less<>>, 8> s;
    for (TableId id : AllTables())
      for (const TFieldDef& f : TableDef(id).fields)
        if (f.type == FieldType::Alpha) s[static_cast<std::size_t>(id)][f.name] = f.size;
    return s;
  }();
  const auto& map = sizes[static_cast<std::size_t>(table)];
  const auto it = map.find(std::string_view(field));
  if (it == map.end()) throw EDatabaseError(std::string("Unbekanntes Textfeld ") + field);
  return utf8::Length(value) <= static_cast<std::size_t>(it->second) ? value : utf8::Truncate(value, it->second);
}

std::string UpdateSql(TableId table, std::initializer_list<const char*> fields) {
  std::string sql = "UPDATE " + TableName(table) + " SET ";
  int n = 0;
  for (const char* f : fields) {
    if (n++) sql += ", ";
    sql += std::string("\"") + f + "\" = ?" + std::to_string(n);
  }
  return sql + " WHERE \"" + TableDef(table).keyField + "\" = ?" + std::to_string(n + 1);
}
