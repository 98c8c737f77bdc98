// Writing persons: insert with the next id, update with its change-log line,
// the change date alone, and the deletion of the person row.
#include <vector>

#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Prompter.h"
#include "core/Sex.h"
#include "db/AhnenDB.h"
#include "db/ChangeLines.h"
#include "db/PersonRows.h"

namespace {

std::string Today() { return DateFromDateTime(Now()); }

void Cut(const char* field, std::string& value) { value = Fit(TableId::Person, field, value); }

// The record holds what the table can hold: the log line, the keywords and
// the caller then all see the stored values.
void FitPerson(TPerson& p) {
  Cut("Nachname", p.Nachname);
  Cut("Vorname", p.Vorname);
  Cut("Famname", p.Famname);
  Cut("Ort", p.Ort);
  Cut("Geburt", p.Geburt);
  Cut("Tod", p.Tod);
  if (!p.IsDetail()) return;
  auto& d = static_cast<TPersonDetail&>(p);
  Cut("Taufe", d.Taufe);
  Cut("Bestattung", d.Bestattung);
  Cut("Buergerort", d.Buergerort);
  Cut("GeburtOrt", d.GeburtOrt);
  Cut("GeburtQuelle", d.GeburtQuelle);
  Cut("TodOrt", d.TodOrt);
  Cut("TodQuelle", d.TodQuelle);
  Cut("TaufeOrt", d.TaufeOrt);
  Cut("TaufeQuelle", d.TaufeQuelle);
  Cut("BestattungOrt", d.BestattungOrt);
  Cut("BestattungQuelle", d.BestattungQuelle);
  Cut("KarteiNr", d.KarteiNr);
  Cut("Ausbildung", d.Ausbildung);
  Cut("Beruf", d.Beruf);
  Cut("Strasse", d.Strasse);
  Cut("PLZ", d.PLZ);
  Cut("AdressOrt", d.AdressOrt);
  Cut("Land", d.Land);
  Cut("Telefon", d.Telefon);
  Cut("Religion", d.Religion);
  Cut("Quelle", d.Quelle);
  Cut("Todesursache", d.Todesursache);
  Cut("Neu", d.Neu);
  Cut("Geaendert", d.Geaendert);
}

const std::vector<const char*>& PlainFields() {
  static const std::vector<const char*> fields = {"Vorname", "Nachname", "Famname", "Geaendert", "Vater",
                                                  "Mutter",  "Geburt",   "Tod",     "Ort",       "Geschlecht"};
  return fields;
}

const std::vector<const char*>& DetailFields() {
  static const std::vector<const char*> fields = {
      "Vorname",      "Nachname",      "Famname",          "Geaendert",     "Vater",         "Mutter",
      "Geburt",       "Tod",           "Ort",              "Geschlecht",    "Buergerort",    "GeburtOrt",
      "GeburtZusatz", "GeburtQuelle",  "TodOrt",           "TodZusatz",     "TodQuelle",     "TaufeOrt",
      "Taufe",        "TaufeZusatz",   "TaufeQuelle",      "BestattungOrt", "Bestattung",    "BestattungZusatz",
      "BestattungQuelle", "KarteiNr",  "Ausbildung",       "Beruf",         "Strasse",       "PLZ",
      "AdressOrt",    "Land",          "Telefon",          "Korrespondenz", "Religion",      "Quelle",
      "Todesursache", "Kommentar"};
  return fields;
}

// "UPDATE ... SET f1 = ?1, ... WHERE Id = ?n+1", or for a new row
// "INSERT ... (f1, ..., Id, Neu) VALUES (?1, ..., ?n+1, ?n+2)": both take
// the same bindings, so a new person is written in one statement.
std::string WriteSql(const std::vector<const char*>& fields, bool isNew) {
  std::string cols, values, sets;
  int n = 0;
  for (const char* f : fields) {
    const std::string p = "?" + std::to_string(++n);
    cols += (n > 1 ? ", \"" : "\"") + std::string(f) + "\"";
    values += (n > 1 ? ", " : "") + p;
    sets += (n > 1 ? ", \"" : "\"") + std::string(f) + "\" = " + p;
  }
  const std::string id = "?" + std::to_string(n + 1), neu = "?" + std::to_string(n + 2);
  if (isNew)
    return "INSERT INTO " + TableName(TableId::Person) + " (" + cols + ", \"Id\", \"Neu\") VALUES (" + values +
           ", " + id + ", " + neu + ")";
  return "UPDATE " + TableName(TableId::Person) + " SET " + sets + " WHERE \"Id\" = " + id;
}

const std::string& WriteSqlFor(bool detail, bool isNew) {
  static const std::string sql[2][2] = {{WriteSql(PlainFields(), false), WriteSql(PlainFields(), true)},
                                        {WriteSql(DetailFields(), false), WriteSql(DetailFields(), true)}};
  return sql[detail ? 1 : 0][isNew ? 1 : 0];
}

// Binds the fields every update writes, as 1 to 10; returns the next number.
int BindPlain(TStatement& st, const TPerson& p, const std::string& today) {
  st.Bind(1, p.Vorname).Bind(2, p.Nachname).Bind(3, p.Famname).Bind(4, today).Bind(5, p.Vater).Bind(6, p.Mutter);
  st.Bind(7, p.Geburt).Bind(8, p.Tod).Bind(9, p.Ort).Bind(10, SexLetter(p.Geschlecht));
  return 11;
}

}  // namespace

// Writes the fields of person over the row `before` (a new row when isNew),
// logs the change line against it and rebuilds the keywords.
void TAhnenDB::StorePerson(TPerson& person, const TPersonDetail& before, bool isNew) {
  TTransaction tx(Connection());
  FitPerson(person);
  const std::string line = PersonChangeLine(before, person);
  const std::string today = Today();
  TStatement& st = Cached(WriteSqlFor(person.IsDetail(), isNew));
  TResetOnExit reset(st);
  int n = BindPlain(st, person, today);
  if (person.IsDetail()) {
    auto& d = static_cast<TPersonDetail&>(person);
    d.Geaendert = today;
    // In the order of DetailFields.
    const auto next = [&](const auto& value) { st.Bind(n++, value); };
    next(d.Buergerort), next(d.GeburtOrt), next(d.GeburtZusatz), next(d.GeburtQuelle);
    next(d.TodOrt), next(d.TodZusatz), next(d.TodQuelle);
    next(d.TaufeOrt), next(d.Taufe), next(d.TaufeZusatz), next(d.TaufeQuelle);
    next(d.BestattungOrt), next(d.Bestattung), next(d.BestattungZusatz), next(d.BestattungQuelle);
    next(d.KarteiNr), next(d.Ausbildung), next(d.Beruf), next(d.Strasse), next(d.PLZ), next(d.AdressOrt);
    next(d.Land), next(d.Telefon), next(d.Korrespondenz), next(d.Religion), next(d.Quelle), next(d.Todesursache);
    next(CommentMemo(d.Kommentar));
  }
  st.Bind(n, person.Id);
  if (isNew) st.Bind(n + 1, before.Neu);
  st.Run();
  LogDbChange(line);
  if (person.IsDetail()) updatePersonKeys(static_cast<TPersonDetail&>(person));
  else updatePersonKeysById(person.Id);
  tx.Commit();
}

void TAhnenDB::insert(TPerson& person) {
  const int oldId = person.Id;
  auto* detail = person.IsDetail() ? static_cast<TPersonDetail*>(&person) : nullptr;
  const std::string oldNeu = detail ? detail->Neu : std::string();
  try {
    TTransaction tx(Connection());
    TStatement& highest = Cached("SELECT max(\"Id\") FROM " + TableName(TableId::Person));
    int id = 1;
    {
      TResetOnExit reset(highest);
      if (highest.Step()) id = highest.Int(0) + 1;
    }
    person.Id = id;
    LogDbChange("Person eingefügt: [" + std::to_string(id) + "] (Aenderung folgt implizit...)");
    // The row as it stands right after its creation: only Id and Neu set.
    TPersonDetail fresh;
    fresh.Id = id;
    fresh.Neu = Today();
    fresh.Geschlecht = SexFromLetter("");
    if (detail) detail->Neu = fresh.Neu;
    StorePerson(person, fresh, true);
    tx.Commit();
  } catch (...) {
    // Nothing was stored: the record must not claim an id.
    person.Id = oldId;
    if (detail) detail->Neu = oldNeu;
    throw;
  }
}

void TAhnenDB::update(TPerson& person) {
  const auto row = getPersonDetail(person.Id);
  if (row->Id == 0) {
    ShowError("TAhnenDB.update: PDB.EOF! id=" + std::to_string(person.Id));
    return;
  }
  StorePerson(person, *row, false);
}

void TAhnenDB::updateChangeDate(TPersonDetail& detail) {
  if (!personExists(detail.Id)) {
    ShowError("TAhnenDB.update: PDB.EOF! id=" + std::to_string(detail.Id));
    return;
  }
  Cut("Geaendert", detail.Geaendert);
  Cached(UpdateSql(TableId::Person, {"Geaendert"})).Bind(1, detail.Geaendert).Bind(2, detail.Id).Run();
}

void TAhnenDB::remove(TPerson& person) {
  const auto row = getPerson(person.Id);
  if (row->Id == 0) {
    ShowError("TAhnenDB.delete: PDB.EOF! id=" + std::to_string(person.Id));
    return;
  }
  TTransaction tx(Connection());
  LogDbChange("Person gelöscht: " + row->Vorname + " " + row->Nachname + " [" + std::to_string(row->Id) + "]");
  Cached("DELETE FROM " + TableName(TableId::Person) + " WHERE \"Id\" = ?1").Bind(1, row->Id).Run();
  deletePersonKeys(row->Id);
  tx.Commit();
}
