#include "exchange/GedExport.h"

#include <algorithm>

#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Host.h"
#include "core/TextCase.h"
#include "core/Utf8.h"
#include "db/AhnenDB.h"
#include "db/PersonRows.h"
#include "exchange/GedDates.h"
#include "exchange/GedOutputFile.h"
#include "exchange/GedXref.h"

namespace {

// Pending window messages run, and the cancel wish is asked, once per so
// many records: often enough to repaint, rarely enough to cost nothing.
constexpr long kPollEvery = 32;
// Messages about characters the set cannot hold; the total comes at the end.
constexpr long kMaxCharMessages = 100;

bool DateSet(const std::string& d) { return !d.empty() && d != kNoDate; }

const char* SexLetter(int sex) {
  switch (sex) {
    case 0: return "M";
    case 1: return "F";
    default: return "U";
  }
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += '\n';
    text += lines[i];
  }
  return text;
}

// The file's extension in lower case, without its dot, at most 3 characters
// ("jpeg" gives "jpe"); stored names may use either separator.
std::string MediaForm(const std::string& file) {
  const std::size_t slash = file.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return "";
  return utf8::Truncate(AnsiLowerCase(name.substr(dot + 1)), 3);
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The ids that have at least one row in a table of entries.
std::vector<bool> IdsWithRows(TAhnenDB& db, TableId table, const char* field) {
  std::vector<bool> ids;
  TStatement st(db.Connection(), std::string("SELECT DISTINCT \"") + field + "\" FROM " + TableName(table));
  while (st.Step()) {
    const int id = st.Int(0);
    if (id <= 0) continue;
    if (static_cast<std::size_t>(id) >= ids.size()) ids.resize(static_cast<std::size_t>(id) + 1);
    ids[static_cast<std::size_t>(id)] = true;
  }
  return ids;
}

bool Has(const std::vector<bool>& ids, int id) {
  return id > 0 && static_cast<std::size_t>(id) < ids.size() && ids[static_cast<std::size_t>(id)];
}

}  // namespace

TGedExportRun::TGedExportRun(TAhnenDB& db, std::ostream& out, const TGedExportOptions& options,
                             IGedExportProgress& progress)
    : db_(db),
      options_(options),
      progress_(progress),
      writer_(out, options.Charset, [this](const TGedProblem& p) { Report(p); }),
      plan_(db, options.SelectedOnly),
      hasLinks_(IdsWithRows(db, TableId::Link, "Id1")),
      hasMedia_(IdsWithRows(db, TableId::Media, "Id")),
      hasDiverses_(IdsWithRows(db, TableId::Divers, "Id")) {
  // No value is cut into CONC parts; only its own line breaks make CONT lines.
  writer_.SetMaxValueLength(0);
}

void TGedExportRun::Line(int level, const char* tag, const std::string& value, const std::string& xref) {
  writer_.Line(level, tag, value, xref);
}

void TGedExportRun::Lines(int level, const char* tag, const std::vector<std::string>& lines) {
  if (!lines.empty()) Line(level, tag, Joined(lines));
}

void TGedExportRun::Report(const TGedProblem& problem) {
  if (++reported_ > kMaxCharMessages) return;
  progress_.AddMessage((context_.empty() ? std::string() : context_ + ", ") + problem.text);
}

void TGedExportRun::Entry(const std::string& text, const std::string& context) {
  context_ = context;
  progress_.SetEntryText(text);
}

void TGedExportRun::Step() {
  if (++position_ > 100) position_ = 0;
  progress_.ProgressStep(position_);
  if (steps_++ % kPollEvery != 0) return;
  Host().ProcessMessages();
  if (progress_.CancelRequested()) throw TCancelled{};
}

void TGedExportRun::WriteHeader(const std::string& fileName) {
  context_ = "Kopf";
  Line(0, "HEAD");
  Line(1, "SOUR", "Orvelin");
  Line(2, "VERS", "2000");
  Line(1, "DATE", DateToGedcom(DateFromDateTime(Now()), 0));
  Line(1, "SUBM", kSubmitterXref);
  Line(1, "CHAR", GedCharValue(options_.Charset));
  Line(1, "FILE", AnsiUpperCase(BaseName(fileName)));
  Line(1, "GEDC");
  Line(2, "VERS", "5.5");
  Line(2, "FORM", "LINEAGE-LINKED");

  const TGedSubmitter& s = options_.Submitter;
  context_ = std::string("Ersteller-Info (") + kSubmitterXref + ")";
  Line(0, "SUBM", "", kSubmitterXref);
  Line(1, "NAME", s.Name);
  Lines(1, "ADDR", s.Adresse);
  Line(1, "PHON", s.Telefon);
  Lines(1, "NOTE", s.Kommentar);
}

void TGedExportRun::WriteTrailer() {
  context_.clear();
  Line(0, "TRLR");
}

void TGedExportRun::Event(const char* tag, const std::string& date, int qualifier, const std::string& place,
                          const std::string& source, const std::string* cause) {
  const bool hasCause = cause && !cause->empty();
  if (!DateSet(date) && place.empty() && source.empty() && !hasCause) return;
  Line(1, tag);
  if (DateSet(date)) Line(2, "DATE", DateToGedcom(date, qualifier));
  if (!place.empty()) Line(2, "PLAC", place);
  if (hasCause) Line(2, "CAUS", *cause);
  if (!source.empty()) Line(2, "SOUR", source);
}

void TGedExportRun::WriteIndividuals() {
  TStatement st(db_.Connection(),
                "SELECT " + PersonDetailColumns() + " FROM " + TableName(TableId::Person) + " ORDER BY \"Id\"");
  TPersonDetail person;
  while (st.Step()) {
    readPersonDetail(st, person);
    if (plan_.Written(person.Id)) WriteIndividual(person);
  }
}

void TGedExportRun::WriteIndividual(const TPersonDetail& p) {
  if (!plan_.Written(p.Id)) return;
  const std::string xref = IndividualXref(p.Id);
  const std::string name = p.Vorname + " /" + p.Nachname + "/";
  Entry("Person: " + name, "Person: " + name + " (" + xref + ")");
  Line(0, "INDI", "", xref);
  Line(1, "NAME", name);
  Line(1, "SEX", SexLetter(p.Geschlecht));
  Event("BIRT", p.Geburt, p.GeburtZusatz, p.GeburtOrt, p.GeburtQuelle);
  Event("CHR", p.Taufe, p.TaufeZusatz, p.TaufeOrt, p.TaufeQuelle);
  Event("DEAT", p.Tod, p.TodZusatz, p.TodOrt, p.TodQuelle, &p.Todesursache);
  Event("BURI", p.Bestattung, p.BestattungZusatz, p.BestattungOrt, p.BestattungQuelle);
  if (!p.Religion.empty()) Line(1, "RELI", p.Religion);
  if (!p.Ausbildung.empty()) Line(1, "EDUC", p.Ausbildung);
  if (!p.Beruf.empty()) Line(1, "OCCU", p.Beruf);
  if (!p.KarteiNr.empty()) Line(1, "REFN", p.KarteiNr);
  if (!p.AdressOrt.empty() || !p.Strasse.empty() || !p.PLZ.empty() || !p.Land.empty()) {
    Line(1, "ADDR");
    if (p.Korrespondenz) Line(2, "CONT", "Korrespondenz: Ja");
    if (!p.Strasse.empty()) Line(2, "ADR1", p.Strasse);
    if (!p.AdressOrt.empty()) Line(2, "CITY", p.AdressOrt);
    if (!p.PLZ.empty()) Line(2, "POST", p.PLZ);
    if (!p.Land.empty()) Line(2, "CTRY", p.Land);
  }
  if (!p.Telefon.empty()) Line(1, "PHON", p.Telefon);
  WriteAssociations(p);
  WriteMedia(p);
  if (!p.Quelle.empty()) Line(1, "SOUR", p.Quelle);
  if (options_.UserDefinedTags) {
    if (!p.Ort.empty()) Line(1, "_LEBENSORT", p.Ort);
    if (!p.Buergerort.empty()) Line(1, "_BUERGERORT", p.Buergerort);
    if (!p.Famname.empty()) Line(1, "_HEIRATNAME", p.Famname);
  } else {
    if (!p.Ort.empty()) Line(1, "NOTE", "Lebensort: " + p.Ort);
    if (!p.Buergerort.empty()) Line(1, "NOTE", "Bürgerort: " + p.Buergerort);
    if (!p.Famname.empty()) Line(1, "NOTE", "Name durch Heirat (Familienname): " + p.Famname);
  }
  WriteDiverses(p);
  Lines(1, "NOTE", p.Kommentar);
  WriteSpouseFamilies(p);
  WriteParentFamily(p);
  ++result_.Individuals;
  Step();
}

void TGedExportRun::WriteAssociations(const TPersonDetail& p) {
  if (!Has(hasLinks_, p.Id)) return;
  struct TAsso {
    int id2;
    std::string text;
  };
  std::vector<TAsso> links;
  {
    TStatement& st = db_.Cached("SELECT \"Id2\", \"Text\" FROM " + TableName(TableId::Link) +
                                " WHERE \"Id1\" = ?1 ORDER BY \"AutoInc\"");
    TResetOnExit reset(st);
    st.Bind(1, p.Id);
    while (st.Step()) links.push_back({st.Int(0), st.Text(1)});
  }
  for (const TAsso& link : links) {
    // A link to a person who is not written would point nowhere.
    if (!plan_.Written(link.id2)) continue;
    Line(1, "ASSO", IndividualXref(link.id2));
    if (!link.text.empty()) Line(2, "RELA", link.text);
  }
}

void TGedExportRun::WriteMedia(const TPersonDetail& p) {
  if (!Has(hasMedia_, p.Id)) return;
  const auto mediae = db_.getMediae(p);
  for (const auto& m : *mediae) {
    Line(1, "OBJE");
    Line(2, "FORM", MediaForm(m->File));
    Line(2, "TITL", m->Title);
    Line(2, "FILE", m->File);
  }
}

void TGedExportRun::WriteDiverses(const TPersonDetail& p) {
  if (!Has(hasDiverses_, p.Id)) return;
  const auto entries = db_.getDiverse(p);
  for (const auto& d : *entries) {
    if (options_.UserDefinedTags) {
      Line(1, "_DIVERSES");
      Line(2, "TITL", d->Title);
      Line(2, "NOTE", d->Text);
    } else {
      Line(1, "NOTE", d->Title + ": " + d->Text);
    }
  }
}

void TGedExportRun::WriteSpouseFamilies(const TPersonDetail& p) {
  if (p.Geschlecht != 0 && p.Geschlecht != 1) return;
  const bool male = p.Geschlecht == 0;
  for (int id : male ? plan_.MarriagesAsHusband(p.Id) : plan_.MarriagesAsWife(p.Id)) Line(1, "FAMS", FamilyXref(id));
  if (!plan_.HasPairChildren(p.Id)) return;

  // The parent pairs in the order they first occur among the children (by
  // birth, as the parent index delivers them).
  std::vector<long> pairs;
  {
    TStatement& st = db_.Cached("SELECT \"Id\", \"Vater\", \"Mutter\" FROM " + TableName(TableId::Person) +
                                (male ? " WHERE \"Vater\" = ?1" : " WHERE \"Mutter\" = ?1") +
                                " ORDER BY \"Geburt\", \"Id\"");
    TResetOnExit reset(st);
    st.Bind(1, p.Id);
    while (st.Step()) {
      if (!plan_.Written(st.Int(0))) continue;
      const long pair = plan_.ParentFamily(st.Int(1), st.Int(2)).pair;
      if (pair >= 0 && std::find(pairs.begin(), pairs.end(), pair) == pairs.end()) pairs.push_back(pair);
    }
  }
  for (long pair : pairs) {
    const TVaterMutterEntry& e = plan_.Pairs().at(static_cast<std::size_t>(pair));
    Line(1, "FAMS", ParentPairXref(e.Vater, e.Mutter));
  }
}

void TGedExportRun::WriteParentFamily(const TPersonDetail& p) {
  const TGedFamilyRef family = plan_.ParentFamily(p.Vater, p.Mutter);
  if (family.marriage > 0) {
    Line(1, "FAMC", FamilyXref(family.marriage));
  } else if (family.pair >= 0) {
    const TVaterMutterEntry& e = plan_.Pairs().at(static_cast<std::size_t>(family.pair));
    Line(1, "FAMC", ParentPairXref(e.Vater, e.Mutter));
  }
}

void TGedExportRun::WriteFamilies() {
  TStatement st(db_.Connection(),
                "SELECT " + MarriageColumns() + " FROM " + TableName(TableId::Ehe) + " ORDER BY \"Id\"");
  TEheRec row;
  while (st.Step()) {
    readMarriage(st, row);
    WriteFamily(row);
  }
}

void TGedExportRun::WriteFamily(const TEheRec& row) {
  if (!plan_.MarriageWritten(row.Mann, row.Frau)) return;
  const std::string xref = FamilyXref(row.Id);
  Entry("Familie: F" + std::to_string(row.Id), "Familie: F" + std::to_string(row.Id));
  Line(0, "FAM", "", xref);
  if (plan_.Written(row.Mann)) Line(1, "HUSB", IndividualXref(row.Mann));
  if (plan_.Written(row.Frau)) Line(1, "WIFE", IndividualXref(row.Frau));
  // Children of a second row of the same couple belong to the first one,
  // which their FAMC names.
  if (plan_.MarriageOf(plan_.Masked(row.Mann), plan_.Masked(row.Frau)) == row.Id)
    for (int child : plan_.MarriageChildren(row.Id)) Line(1, "CHIL", IndividualXref(child));
  Lines(1, "NOTE", row.Kommentar);
  if (row.Verheiratet || DateSet(row.Heirat) || !row.HeiratOrt.empty() || !row.HeiratQuelle.empty()) {
    Line(1, "MARR");
    if (DateSet(row.Heirat)) Line(2, "DATE", DateToGedcom(row.Heirat, row.HeiratZusatz));
    if (!row.HeiratOrt.empty()) Line(2, "PLAC", row.HeiratOrt);
    if (!row.HeiratQuelle.empty()) Line(2, "SOUR", row.HeiratQuelle);
    if (!row.Verheiratet) Line(1, "_STAT", "PARTNER");
  }
  if (row.Geschieden || DateSet(row.Scheidung) || !row.ScheidungOrt.empty() || !row.ScheidungQuelle.empty()) {
    Line(1, "DIV");
    if (DateSet(row.Scheidung)) Line(2, "DATE", DateToGedcom(row.Scheidung, row.ScheidungZusatz));
    if (!row.ScheidungOrt.empty()) Line(2, "PLAC", row.ScheidungOrt);
    if (!row.ScheidungQuelle.empty()) Line(2, "SOUR", row.ScheidungQuelle);
  }
  ++result_.Families;
  Step();
}

void TGedExportRun::WriteParentPairFamilies() {
  const TVaterMutterList& pairs = plan_.Pairs();
  for (std::size_t i = 0; i < pairs.Count(); ++i) {
    const TVaterMutterEntry& e = pairs.at(i);
    const std::string xref = ParentPairXref(e.Vater, e.Mutter);
    Entry("Familie: " + xref, "Familie: " + xref);
    Line(0, "FAM", "", xref);
    if (e.Vater > 0) Line(1, "HUSB", IndividualXref(e.Vater));
    if (e.Mutter > 0) Line(1, "WIFE", IndividualXref(e.Mutter));
    for (int child : plan_.PairChildren(i)) Line(1, "CHIL", IndividualXref(child));
    ++result_.ParentPairFamilies;
    Step();
  }
}

TGedExportResult TGedExportRun::Result() const {
  TGedExportResult r = result_;
  r.Lines = writer_.LinesWritten();
  r.Unencodable = writer_.Unencodable();
  return r;
}

bool TGedExportRun::MessagesSuppressed() const { return reported_ > kMaxCharMessages; }

TGedExportResult RunGedExport(TAhnenDB& db, const std::string& fileName, const TGedExportOptions& options,
                              IGedExportProgress& progress) {
  // Entry and bar go back to rest however the run ends.
  struct TAtRest {
    IGedExportProgress& p;
    ~TAtRest() {
      p.SetEntryText("");
      p.ProgressStep(0);
    }
  } atRest{progress};

  TGedExportResult result;
  bool suppressed = false;
  {
    TGedOutputFile file(fileName);
    TGedExportRun run(db, file.Stream(), options, progress);
    bool cancelled = false;
    try {
      run.WriteHeader(fileName);
      run.WriteIndividuals();
      run.WriteFamilies();
      run.WriteParentPairFamilies();
      run.WriteTrailer();
      file.Commit();
    } catch (const TGedExportRun::TCancelled&) {
      cancelled = true;  // the file discards its temporary copy
    }
    result = run.Result();
    result.Cancelled = cancelled;
    suppressed = run.MessagesSuppressed();
  }
  if (result.Cancelled) {
    progress.AddMessage("Export abgebrochen, die Datei wurde nicht geschrieben.");
    return result;
  }
  progress.AddMessage("GEDCOM-Datei geschrieben.");
  progress.AddMessage("Personen: " + std::to_string(result.Individuals) +
                      ", Familien: " + std::to_string(result.Families) +
                      ", Elternpaare ohne Ehe: " + std::to_string(result.ParentPairFamilies));
  if (result.Unencodable > 0)
    progress.AddMessage("Im Zeichensatz " + std::string(GedCharValue(options.Charset)) + " nicht darstellbare Zeichen: " +
                        std::to_string(result.Unencodable) + "; sie stehen als &#N; in der Datei." +
                        (suppressed ? " Nur die ersten Meldungen sind aufgeführt." : ""));
  return result;
}
