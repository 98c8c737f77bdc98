// Marriages and partnerships: reading them for a person, and writing them
// so that a stored marriage always joins two existing persons.
#include "core/Clock.h"
#include "core/Configuration.h"
#include "core/Dates.h"
#include "core/Prompter.h"
#include "core/Sex.h"
#include "db/AhnenDB.h"
#include "db/ChangeLines.h"
#include "db/PersonRows.h"

namespace {

inline constexpr int kMarriageKeywordsOption = 59;

void Cut(const char* field, std::string& value) { value = Fit(TableId::Ehe, field, value); }

void FitMarriage(TEheRec& r) {
  Cut("Heirat", r.Heirat);
  Cut("HeiratOrt", r.HeiratOrt);
  Cut("HeiratQuelle", r.HeiratQuelle);
  Cut("Scheidung", r.Scheidung);
  Cut("ScheidungOrt", r.ScheidungOrt);
  Cut("ScheidungQuelle", r.ScheidungQuelle);
  Cut("Neu", r.Neu);
  Cut("Geaendert", r.Geaendert);
}

// The marriage indexes hold their integer fields under the case-insensitive
// collation; a comparison must name it for the index to serve.
std::string SpouseCondition(int sex) {
  if (sex == sexFemale) return "\"Frau\" = ?1";
  if (sex == sexMale) return "\"Mann\" = ?1";
  // Unknown sex: the person may stand on either side.
  return "(\"Mann\" = ?1 OR \"Frau\" = ?1)";
}

}  // namespace

std::unique_ptr<TEheRec> TAhnenDB::getMarriage(int id) {
  auto rec = std::make_unique<TEheRec>();
  if (id <= 0) return rec;
  TStatement& st = Cached("SELECT " + MarriageColumns() + " FROM " + TableName(TableId::Ehe) + " WHERE \"Id\" = ?1");
  TResetOnExit reset(st);
  st.Bind(1, id);
  if (st.Step()) readMarriage(st, *rec);
  return rec;
}

std::unique_ptr<TPartners> TAhnenDB::getPartners(const TPerson& person) {
  auto partners = std::make_unique<TPartners>();
  if (person.Id <= 0) return partners;
  std::vector<TEheRec> rows;
  {
    TStatement& st = Cached("SELECT " + MarriageColumns() + " FROM " + TableName(TableId::Ehe) + " WHERE " +
                            SpouseCondition(person.Geschlecht) + " ORDER BY \"Heirat\", \"Id\"");
    TResetOnExit reset(st);
    st.Bind(1, person.Id);
    while (st.Step()) readMarriage(st, rows.emplace_back());
  }
  for (const TEheRec& rec : rows) {
    int other = rec.Frau;
    if (person.Geschlecht == sexFemale || (person.Geschlecht != sexMale && rec.Mann != person.Id)) other = rec.Mann;
    // Always a record, empty when the partner is unknown or missing.
    partners->Insert(std::make_unique<TPartner>(rec, getPerson(other)));
  }
  return partners;
}

int TAhnenDB::findMarriage(int mann, int frau) {
  TStatement& st = Cached("SELECT \"Id\" FROM " + TableName(TableId::Ehe) +
                          " WHERE \"Mann\" = ?1 AND \"Frau\" = ?2"
                          " ORDER BY \"Id\" LIMIT 1");
  TResetOnExit reset(st);
  st.Bind(1, mann).Bind(2, frau);
  return st.Step() ? st.Int(0) : 0;
}

void TAhnenDB::insertMarriage(TEheRec& rec) {
  const int oldId = rec.Id;
  const std::string oldNeu = rec.Neu;
  try {
    TTransaction tx(Connection());
    TStatement& highest = Cached("SELECT max(\"Id\") FROM " + TableName(TableId::Ehe));
    int id = 1;
    {
      TResetOnExit reset(highest);
      if (highest.Step()) id = highest.Int(0) + 1;
    }
    rec.Id = id;
    rec.Neu = DateFromDateTime(Now());
    LogDbChange("Ehe eingefügt: [" + std::to_string(id) + "] (Aenderung folgt implizit...)");
    Cached("INSERT INTO " + TableName(TableId::Ehe) + " (\"Id\", \"Neu\") VALUES (?1, ?2)")
        .Bind(1, id)
        .Bind(2, rec.Neu)
        .Run();
    // Writes every field (or deletes the row again when a person is
    // missing) and rebuilds the keywords.
    updateMarriage(rec);
    tx.Commit();
  } catch (...) {
    rec.Id = oldId;
    rec.Neu = oldNeu;
    throw;
  }
}

void TAhnenDB::updateMarriage(TEheRec& rec) {
  if (!personExists(rec.Mann) || !personExists(rec.Frau)) {
    deleteMarriage(rec);
    return;
  }
  const auto row = getMarriage(rec.Id);
  if (row->Id == 0) {
    ShowError("TAhnenDB.updateMarriage: EDB.EOF mit id=" + std::to_string(rec.Id));
    return;
  }
  TTransaction tx(Connection());
  FitMarriage(rec);
  rec.Geaendert = DateFromDateTime(Now());
  LogDbChange(MarriageChangeLine(*row, rec));
  TStatement& st = Cached(UpdateSql(TableId::Ehe, {"Mann", "Frau", "Heirat", "Verheiratet", "HeiratOrt",
                                                   "HeiratQuelle", "Scheidung", "Geschieden", "ScheidungOrt",
                                                   "ScheidungQuelle", "HeiratZusatz", "ScheidungZusatz", "Neu",
                                                   "Geaendert", "Kommentar"}));
  TResetOnExit reset(st);
  st.Bind(1, rec.Mann).Bind(2, rec.Frau).Bind(3, rec.Heirat).Bind(4, rec.Verheiratet).Bind(5, rec.HeiratOrt);
  st.Bind(6, rec.HeiratQuelle).Bind(7, rec.Scheidung).Bind(8, rec.Geschieden).Bind(9, rec.ScheidungOrt);
  st.Bind(10, rec.ScheidungQuelle).Bind(11, rec.HeiratZusatz).Bind(12, rec.ScheidungZusatz).Bind(13, rec.Neu);
  st.Bind(14, rec.Geaendert).Bind(15, CommentMemo(rec.Kommentar)).Bind(16, rec.Id).Run();
  updateMarriageKeys(rec);
  // A person who left the marriage must lose its keywords too.
  if (Config && Config->GetOptionBool(kMarriageKeywordsOption, false)) {
    for (int old : {row->Mann, row->Frau})
      if (old != rec.Mann && old != rec.Frau && personExists(old)) updatePersonKeysById(old);
  }
  tx.Commit();
}

void TAhnenDB::deleteMarriage(TEheRec& rec) {
  const auto row = getMarriage(rec.Id);
  if (row->Id == 0) {
    ShowError("TAhnenDB.delete: EDB.EOF! id=" + std::to_string(rec.Id));
    return;
  }
  TTransaction tx(Connection());
  LogDbChange("Ehe gelöscht: [" + std::to_string(row->Id) + "] mann=" + std::to_string(row->Mann) +
              " frau=" + std::to_string(row->Frau));
  Cached("DELETE FROM " + TableName(TableId::Ehe) + " WHERE \"Id\" = ?1").Bind(1, row->Id).Run();
  // The persons of the stored row lose the marriage's keywords, whatever
  // the record says by now.
  updateMarriageKeys(*row);
  tx.Commit();
}
