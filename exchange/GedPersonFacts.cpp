#include "exchange/GedPersonFacts.h"

#include "core/Errors.h"
#include "exchange/GedImportDate.h"
#include "exchange/GedImportRun.h"
#include "exchange/GedPersonDraft.h"

namespace {

struct TEventFields {
  std::string TPersonDetail::*date;
  int TPersonDetail::*qualifier;
  std::string TPersonDetail::*place;
  std::string TPersonDetail::*source;
  const char* name;       // "Geburt" in "Ursache (Geburt): "
  const char* in;         // " in BIRT: " of the message on an unknown line
  const char* dateLabel;  // " (Geburtsdatum)" after a bad date in the comment
  const char* noteLabel;  // "Kommentar zur Geburt: "
};

const TEventFields& FieldsOf(TGedEvent event) {
  static const TEventFields kFields[] = {
      {&TPersonDetail::Geburt, &TPersonDetail::GeburtZusatz, &TPersonDetail::GeburtOrt,
       &TPersonDetail::GeburtQuelle, "Geburt", " in BIRT: ", " (Geburtsdatum)", "Kommentar zur Geburt: "},
      {&TPersonDetail::Taufe, &TPersonDetail::TaufeZusatz, &TPersonDetail::TaufeOrt, &TPersonDetail::TaufeQuelle,
       "Taufe", " in CHR: ", " (Taufdatum)", "Kommentar zur Taufe: "},
      {&TPersonDetail::Tod, &TPersonDetail::TodZusatz, &TPersonDetail::TodOrt, &TPersonDetail::TodQuelle, "Tod",
       " in DEAT: ", " (Todesdatum)", "Kommentar zum Tod: "},
      {&TPersonDetail::Bestattung, &TPersonDetail::BestattungZusatz, &TPersonDetail::BestattungOrt,
       &TPersonDetail::BestattungQuelle, "Beerdigung", " in BURI:", " (Bestattungsdatum)",
       "Kommentar zur Beerdigung: "},
  };
  return kFields[static_cast<int>(event)];
}

bool Deeper(const TGedImportRun& run, int level) { return !run.Cur().AtEnd() && run.Cur().level > level; }

void UnknownIn(TGedImportRun& run, const TGedEntry& e, const char* in) {
  run.Message("Unbekanntes Tag " + e.tag + in);
  run.Dump(e);
}

// Lines that begin with a label go to their field; any other line to the street.
void AddressLine(TGedPersonDraft& d, const std::string& line) {
  static const std::pair<const char*, std::pair<std::string TPersonDetail::*, std::size_t>> kLabels[] = {
      {"Ort:", {&TPersonDetail::AdressOrt, 30}},
      {"Strasse:", {&TPersonDetail::Strasse, 60}},
      {"PLZ:", {&TPersonDetail::PLZ, 10}},
      {"Land:", {&TPersonDetail::Land, 20}},
  };
  for (const auto& [label, target] : kLabels) {
    const std::string l = label;
    if (line.rfind(l, 0) != 0) continue;
    std::string rest = line.substr(l.size());
    const std::size_t b = rest.find_first_not_of(" \t");
    rest = b == std::string::npos ? std::string() : rest.substr(b, rest.find_last_not_of(" \t") - b + 1);
    JoinField(d.person.*target.first, rest, target.second);
    return;
  }
  if (line.find("Korrespondenz: Ja") != std::string::npos) {
    d.person.Korrespondenz = true;
    return;
  }
  JoinField(d.person.Strasse, line, 60);
}

}  // namespace

void ReadPersonEvent(TGedImportRun& run, TGedPersonDraft& d, TGedEvent event) {
  const TEventFields& f = FieldsOf(event);
  TPersonDetail& p = d.person;
  const int level = run.Cur().level;
  ReadTextValue(run.in);  // "1 DEAT Y": the value only says that it happened
  while (Deeper(run, level)) {
    const TGedEntry e = run.Cur();
    const std::string v = ReadTextValue(run.in);
    const std::string name = f.name;
    if (e.tag == "DATE" && e.level == level + 1) {
      try {
        GedcomToDate(v, p.*f.date, p.*f.qualifier);
      } catch (const EConvertError& error) {
        // A qualifier without its date could be neither shown nor written.
        p.*f.date = kNoDate;
        p.*f.qualifier = 0;
        run.Message(std::string(error.what()) + " in: ");
        d.Comment(error.what() + std::string(f.dateLabel));
        run.Dump(e);
      }
    } else if (e.tag == "PLAC") {
      ReplaceField(p.*f.place, v, 30);
    } else if (e.tag == "SOUR") {
      ReplaceField(p.*f.source, run.SourceText(v), 30);
    } else if (e.tag == "CAUS") {
      if (event == TGedEvent::Tod) ReplaceField(p.Todesursache, v, 30);
      else d.Comment("Ursache (" + name + "): " + v);
    } else if (e.tag == "RELI") {
      d.Comment("Religion (" + name + "): " + v);
    } else if (e.tag == "AGE") {
      d.Comment("Alter (" + name + "): " + v);
    } else if (e.tag == "TYPE") {
      d.Comment("Art (" + name + "): " + v);
    } else if (e.tag == "NOTE") {
      const std::string text = run.NoteText(v);
      if (!text.empty()) d.Comment(f.noteLabel + text);
    } else {
      UnknownIn(run, e, f.in);
      if (event == TGedEvent::Taufe) d.Comment("CHR-" + e.tag + ": " + v);
    }
  }
}

void ReadAddress(TGedImportRun& run, TGedPersonDraft& d) {
  const int level = run.Cur().level;
  ReadTextValue(run.in, [&](const std::string& line) {
    if (!line.empty()) AddressLine(d, line);
    return true;
  });
  TPersonDetail& p = d.person;
  while (Deeper(run, level)) {
    const TGedEntry e = run.Cur();
    const std::string v = ReadTextValue(run.in);
    if (e.tag == "CONT" || e.tag == "CONC") {
      if (!v.empty()) AddressLine(d, v);
    } else if (e.tag == "ADR1" || e.tag == "ADR2") {
      JoinField(p.Strasse, v, 60);
    } else if (e.tag == "PHON") {
      JoinField(p.Telefon, v, 20);
    } else if (e.tag == "CITY") {
      ReplaceField(p.AdressOrt, v, 30);
    } else if (e.tag == "POST") {
      ReplaceField(p.PLZ, v, 10);
    } else if (e.tag == "CTRY") {
      ReplaceField(p.Land, v, 20);
    } else {
      UnknownIn(run, e, " in ADDR:");
    }
  }
}

void ReadChangeDate(TGedImportRun& run, TGedPersonDraft& d) {
  const int level = run.Cur().level;
  ReadTextValue(run.in);
  while (Deeper(run, level)) {
    const TGedEntry e = run.Cur();
    const std::string v = ReadTextValue(run.in);
    if (e.tag == "DATE") {
      int qualifier = 0;
      try {
        GedcomToDate(v, d.person.Geaendert, qualifier);
      } catch (const EConvertError& error) {
        run.Message(std::string(error.what()) + " in: ");
        d.Comment(error.what() + std::string(" (Aenderungsdatum)"));
        run.Dump(e);
      }
    } else if (e.tag != "TIME") {  // the time of day has no field, and is no news
      UnknownIn(run, e, " in CHAN: ");
    }
  }
}

void ReadAssociation(TGedImportRun& run, TGedPersonDraft& d) {
  const int level = run.Cur().level;
  TGedPendingLink link{ReadTextValue(run.in), {}};
  bool relation = false;  // RELA names the relationship; TYPE only the kind of record
  while (Deeper(run, level)) {
    const TGedEntry e = run.Cur();
    const std::string v = ReadTextValue(run.in);
    if (e.tag == "RELA") {
      link.text = v;
      relation = true;
    } else if (e.tag == "TYPE") {
      if (!relation) link.text = v;
    } else {
      UnknownIn(run, e, " in ASSO: ");
    }
  }
  d.links.push_back(link);
}

void ReadMediaLink(TGedImportRun& run, TGedPersonDraft& d) {
  const int level = run.Cur().level;
  std::string file = ReadTextValue(run.in);
  if (file.rfind("@#A", 0) == 0) file.erase(0, 3);
  std::string title;
  if (Deeper(run, level) && run.Cur().tag == "NOTE") title = ReadTextValue(run.in);
  d.AddMedia(file, title);
}

void ReadObject(TGedImportRun& run, TGedPersonDraft& d) {
  const TGedEntry first = run.Cur();
  const std::string value = ReadTextValue(run.in);
  if (!value.empty() && value.front() == '@') {
    if (const auto* files = run.Object(value)) {
      for (const TGedMediaRef& f : *files) d.AddMedia(f.file, f.title);
    } else {
      run.Message("Multimedia-Objekt " + value + " nicht gefunden: ");
      run.Dump(first);
    }
  }
  std::vector<TGedMediaRef> files;
  std::string shared;  // a TITL beside the FILE lines
  while (Deeper(run, first.level)) {
    const TGedEntry e = run.Cur();
    if (e.tag == "FORM" || e.tag == "NOTE") {
      SkipSubordinates(run.in);
      continue;
    }
    const std::string v = ReadTextValue(run.in);
    if (e.tag == "FILE") files.push_back({v, {}});
    else if (e.tag == "TITL") (e.level > first.level + 1 && !files.empty() ? files.back().title : shared) = v;
    else UnknownIn(run, e, " in OBJE: ");
  }
  if (files.empty() && !shared.empty()) files.push_back({{}, shared});
  for (TGedMediaRef& f : files) d.AddMedia(f.file, f.title.empty() ? shared : f.title);
}

void ReadDiverses(TGedImportRun& run, TGedPersonDraft& d) {
  const int level = run.Cur().level;
  ReadTextValue(run.in);
  std::string title, text;
  while (Deeper(run, level)) {
    const TGedEntry e = run.Cur();
    const std::string v = ReadTextValue(run.in);
    if (e.tag == "TITL") title = v;
    else if (e.tag == "NOTE") text = v;
    else UnknownIn(run, e, " in _DIVERSES: ");
  }
  d.AddDiverses(title, text);
}
