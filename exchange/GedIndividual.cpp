#include "exchange/GedIndividual.h"

#include <unordered_map>

#include "core/Errors.h"
#include "db/AhnenDB.h"
#include "exchange/GedImportRun.h"
#include "exchange/GedLabelledLines.h"
#include "exchange/GedOtherFacts.h"
#include "exchange/GedPersonFacts.h"

namespace {

enum class TTag {
  Note, Name, NamePart, Buergerort, Bort, Heiratname, Lebensort, Diverses, Titl, Sex, Phon, Reli, Namr, Educ,
  Occu, Ssn, Idno, Prop, Dscr, Sign, Nmr, Nchi, Nati, Cast, Hist, Chan, Birt, Chr, Deat, Buri, Refn, Site, Addr,
  Sour, Asso, MediaLink, Obje, FamLink, Cont, Even, Mrel, Frel
};

const std::unordered_map<std::string, TTag>& Tags() {
  static const std::unordered_map<std::string, TTag> tags = {
      {"NOTE", TTag::Note}, {"NAME", TTag::Name}, {"GIVN", TTag::NamePart}, {"SURN", TTag::NamePart},
      {"NPFX", TTag::NamePart}, {"NSFX", TTag::NamePart}, {"SPFX", TTag::NamePart},
      {"_BUERGERORT", TTag::Buergerort}, {"BUERGERORT", TTag::Buergerort}, {"BORT", TTag::Bort},
      {"_HEIRATNAME", TTag::Heiratname}, {"HEIRATNAME", TTag::Heiratname}, {"_MARNM", TTag::Heiratname},
      {"_LEBENSORT", TTag::Lebensort}, {"LEBENSORT", TTag::Lebensort}, {"_DIVERSES", TTag::Diverses},
      {"DIVERSES", TTag::Diverses}, {"TITL", TTag::Titl}, {"SEX", TTag::Sex}, {"PHON", TTag::Phon},
      {"RELI", TTag::Reli}, {"NAMR", TTag::Namr}, {"EDUC", TTag::Educ}, {"OCCU", TTag::Occu}, {"SSN", TTag::Ssn},
      {"IDNO", TTag::Idno}, {"PROP", TTag::Prop}, {"DSCR", TTag::Dscr}, {"SIGN", TTag::Sign}, {"NMR", TTag::Nmr},
      {"NCHI", TTag::Nchi}, {"NATI", TTag::Nati}, {"CAST", TTag::Cast}, {"HIST", TTag::Hist},
      {"CHAN", TTag::Chan}, {"BIRT", TTag::Birt}, {"CHR", TTag::Chr}, {"BAPM", TTag::Chr}, {"DEAT", TTag::Deat},
      {"BURI", TTag::Buri}, {"REFN", TTag::Refn}, {"SITE", TTag::Site}, {"ADDR", TTag::Addr},
      {"SOUR", TTag::Sour}, {"ASSO", TTag::Asso}, {"AUDIO", TTag::MediaLink}, {"PHOTO", TTag::MediaLink},
      {"VIDEO", TTag::MediaLink}, {"OBJE", TTag::Obje}, {"FAMS", TTag::FamLink}, {"FAMC", TTag::FamLink},
      {"CONT", TTag::Cont}, {"EVEN", TTag::Even}, {"_MREL", TTag::Mrel}, {"_FREL", TTag::Frel},
  };
  return tags;
}

// The labels of the facts that have no field of their own.
const char* LabelOf(TTag tag) {
  switch (tag) {
    case TTag::Titl: return "Titel";
    case TTag::Namr: return "Religiöser Name";
    case TTag::Ssn: return "Sozialversicherungsnummer";
    case TTag::Idno: return "Identitätsnummer";
    case TTag::Prop: return "Besitztum";
    case TTag::Dscr: return "Statur/Konstitution";
    case TTag::Sign: return "Unterschrift";
    case TTag::Nmr: return "Anzahl Heiraten";
    case TTag::Nchi: return "Anzahl Kinder";
    case TTag::Nati: return "Nationalität";
    case TTag::Cast: return "Gesellschaftl. Stellung";
    case TTag::Hist: return "Geschichte";
    default: return nullptr;
  }
}

std::string Trim(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

}  // namespace

void TGedIndividual::Load() {
  const TGedEntry& first = run_.Cur();
  if (!first.xref.empty()) {
    key_ = "@" + first.xref + "@";
    ref_ = run_.Known(key_);
  }
  if (ref_) {
    if (ref_->filled) run_.Message("Die Person " + key_ + " kommt mehrfach vor; ihre Angaben werden ergänzt.");
    d_.person = *run_.db.getPersonDetail(ref_->id);
    d_.isNew = false;
  }
  // A person whose record has no SEX line is male, unless a family names her as wife.
  const bool wife = (ref_ && ref_->wife) || (!key_.empty() && run_.Facts().wives.count(key_));
  d_.person.Geschlecht = wife ? 1 : 0;
}

// A person stored before its families are read gets its parents now, when
// they are stored already: the families would otherwise store it again.
void TGedIndividual::TakeParents() {
  if (key_.empty()) return;
  const auto it = run_.Facts().parents.find(key_);
  if (it == run_.Facts().parents.end()) return;
  for (const auto& [pointer, field] : {std::pair{&it->second.husband, &TPerson::Vater},
                                       std::pair{&it->second.wife, &TPerson::Mutter}}) {
    const TGedPersonRef* parent = pointer->empty() ? nullptr : run_.Known(*pointer);
    if (parent) d_.person.*field = parent->id;
  }
}

void TGedIndividual::ReadRecord() {
  Load();
  run_.in.Advance();
  for (;;) {
    const TGedEntry& e = run_.Cur();
    if (e.AtEnd()) break;
    if (e.level == 0) {
      // A NOTE at level 0 without identifier continues the person (older
      // files put the lines of a note below it); anything else ends it.
      if (!e.Is("NOTE") || !e.xref.empty()) break;
      d_.Comment(e.value);
      run_.in.Advance();
      continue;
    }
    const long before = e.number;
    try {
      Handle();
    } catch (const EConvertError& error) {
      run_.Message(std::string(error.what()) + " in INDI: ");
      d_.Comment(error.what());
      run_.Dump(run_.Cur());
    }
    // Whatever a handler did, the reading moves on.
    if (!run_.Cur().AtEnd() && run_.Cur().number == before) run_.in.Advance();
  }
  Save();
}

std::string TGedIndividual::Text() {
  if (!run_.options.AhnenWinFields) return ReadTextValue(run_.in);
  return ReadTextValue(run_.in, [this](const std::string& line) {
    return TakePersonLabelledLine(line, d_, run_.options);
  });
}

void TGedIndividual::Labelled(const std::string& label, const TGedEntry& e, const std::string& value) {
  switch (run_.options.UserDefTags) {
    case TUserDefTags::Benutzerfelder: d_.AddDiverses(label, value); break;
    case TUserDefTags::Kommentar: d_.Comment(label + ": " + value); break;
    case TUserDefTags::Ignorieren: Ignored(e); break;
  }
}

void TGedIndividual::Ignored(const TGedEntry& e) {
  run_.Message("Ignoriere Tag " + e.tag + " in: ");
  run_.Dump(e);
}

void TGedIndividual::Other(bool even) {
  if (run_.options.IgnoreUserDefinedTags()) {
    Ignored(run_.Cur());
    SkipSubordinates(run_.in);
    return;
  }
  const TGedFact fact = ReadOtherFact(run_, even);
  if (run_.options.UseUserDefinedTags()) d_.AddDiverses(fact.title, fact.text);
  else d_.Comment(fact.title + ": " + fact.text);
}

void TGedIndividual::Name(const TGedEntry& e, const std::string& value) {
  TPersonDetail& p = d_.person;
  run_.SetEntryText("Person: " + value);
  if (++names_ > 1) {
    // A second name (birth name, alias) would garble the first one.
    std::string plain;
    for (char c : value) {
      if (c == '/') c = ' ';
      if (c != ' ' || (!plain.empty() && plain.back() != ' ')) plain += c;
    }
    Labelled("Weiterer Name", e, Trim(plain));
    return;
  }
  nameValue_ = value;
  const std::size_t slash = value.find('/');
  if (slash == std::string::npos) {
    ReplaceField(p.Vorname, value, 40);
    p.Nachname.clear();
    return;
  }
  JoinField(p.Vorname, Trim(value.substr(0, slash)), 40);
  const std::string rest = value.substr(slash + 1);
  const std::size_t second = rest.find('/');
  if (second == std::string::npos) {
    JoinField(p.Vorname, Trim(rest), 40);
    return;
  }
  JoinField(p.Nachname, Trim(rest.substr(0, second)), 40);
  JoinField(p.Vorname, Trim(rest.substr(second + 1)), 40);
}

// GIVN, SURN and the prefixes and suffixes repeat what NAME says; they are
// taken only where NAME left the field empty, and read as facts of their
// own when they say something else.
void TGedIndividual::NamePart(const TGedEntry& e) {
  const std::string v = Trim(e.value);
  TPersonDetail& p = d_.person;
  if (v.empty() || nameValue_.find(v) != std::string::npos) {
    ReadTextValue(run_.in);
  } else if (e.tag == "GIVN" && p.Vorname.empty()) {
    ReplaceField(p.Vorname, ReadTextValue(run_.in), 40);
  } else if (e.tag == "SURN" && p.Nachname.empty()) {
    ReplaceField(p.Nachname, ReadTextValue(run_.in), 40);
  } else {
    Other(false);
  }
}

void TGedIndividual::Handle() {
  const TGedEntry e = run_.Cur();
  TPersonDetail& p = d_.person;
  const auto found = Tags().find(e.tag);
  if (found == Tags().end()) return Other(false);
  const TTag tag = found->second;
  if (const char* label = LabelOf(tag); label && !(tag == TTag::Nati && run_.options.NationalityToBuergerort)) {
    const std::string v = ReadTextValue(run_.in);
    return Labelled(label, e, v);
  }
  switch (tag) {
    case TTag::Note:
    case TTag::Cont: {
      const std::string text = Text();
      d_.Comment(tag == TTag::Note ? run_.NoteText(text) : text);
      return;
    }
    case TTag::Name: return Name(e, ReadTextValue(run_.in));
    case TTag::NamePart: return NamePart(e);
    case TTag::Buergerort: return JoinField(p.Buergerort, ReadTextValue(run_.in), 80);
    case TTag::Bort: {
      run_.in.Advance();
      const TGedEntry next = run_.Cur();
      if (next.AtEnd() || next.level <= e.level) return;
      const std::string v = ReadTextValue(run_.in);
      if (next.tag == "PLAC") return JoinField(p.Buergerort, v, 80);
      d_.Comment(next.tag + ": " + v);
      run_.Message("Unbekanntes Tag " + next.tag + " nach BORT, Wert=" + v);
      return;
    }
    case TTag::Heiratname: return JoinField(p.Famname, ReadTextValue(run_.in), 40);
    case TTag::Lebensort: return JoinField(p.Ort, ReadTextValue(run_.in), 80);
    case TTag::Diverses: return ReadDiverses(run_, d_);
    case TTag::Sex: {
      const std::string v = ReadTextValue(run_.in);
      p.Geschlecht = v == "M" || v == "m" ? 0 : v == "F" || v == "f" || v == "W" || v == "w" ? 1 : 2;
      d_.sawSex = true;
      return;
    }
    case TTag::Phon: return ReplaceField(p.Telefon, ReadTextValue(run_.in), 20);
    case TTag::Reli: return JoinField(p.Religion, ReadTextValue(run_.in), 20);
    case TTag::Educ: return JoinField(p.Ausbildung, ReadTextValue(run_.in), 70);
    case TTag::Occu: return JoinField(p.Beruf, ReadTextValue(run_.in), 70);
    case TTag::Nati: return ReplaceField(p.Buergerort, ReadTextValue(run_.in), 80);
    case TTag::Chan: return ReadChangeDate(run_, d_);
    case TTag::Birt: return ReadPersonEvent(run_, d_, TGedEvent::Geburt);
    case TTag::Chr: return ReadPersonEvent(run_, d_, TGedEvent::Taufe);
    case TTag::Deat: return ReadPersonEvent(run_, d_, TGedEvent::Tod);
    case TTag::Buri: return ReadPersonEvent(run_, d_, TGedEvent::Bestattung);
    case TTag::Refn: {
      const std::string v = ReadTextValue(run_.in);
      if (run_.options.ReadRefnTags) ReplaceField(p.KarteiNr, p.KarteiNr + v, 20);
      return;
    }
    case TTag::Site: return JoinField(p.Strasse, ReadTextValue(run_.in), 60);
    case TTag::Addr: return ReadAddress(run_, d_);
    case TTag::Sour: {
      // Empty when labelled lines took the whole text; they may have set the field.
      const std::string text = Text();
      if (!text.empty()) ReplaceField(p.Quelle, run_.SourceText(text), 100);
      return;
    }
    case TTag::Asso: return ReadAssociation(run_, d_);
    case TTag::MediaLink: return ReadMediaLink(run_, d_);
    case TTag::Obje: return ReadObject(run_, d_);
    case TTag::FamLink: return SkipSubordinates(run_.in);
    case TTag::Even: return Other(true);
    case TTag::Mrel: return d_.Comment("Beziehung zur Mutter: " + ReadTextValue(run_.in));
    case TTag::Frel: return d_.Comment("Beziehung zum Vater: " + ReadTextValue(run_.in));
    default: return Other(false);
  }
}

void TGedIndividual::Save() {
  TAhnenDB& db = run_.db;
  TPersonDetail& p = d_.person;
  const std::string remembered = p.Geaendert;
  if (d_.isNew) {
    TakeParents();
    db.insert(p);
    ++run_.counts.persons;
    if (!key_.empty()) ref_ = &run_.Bind(key_, p.Id);
  } else {
    db.update(p);
  }
  if (remembered != kNoDate && remembered != p.Geaendert) {
    p.Geaendert = remembered;
    db.updateChangeDate(p);
  }
  if (ref_) {
    ref_->filled = true;
    ref_->sawSex = ref_->sawSex || d_.sawSex;
    ref_->sex = p.Geschlecht;
    ref_->vater = p.Vater;
    ref_->mutter = p.Mutter;
  }
  for (const TGedPendingLink& pending : d_.links) {
    const TGedPersonRef* other = run_.PersonFor(pending.pointer);
    if (!other) continue;
    TLink link;
    link.Id1 = p.Id;
    link.Id2 = other->id;
    link.Text = CutToField(pending.text, 40);
    db.insertLink(link);
    ++run_.counts.links;
  }
  for (TMedia& m : d_.media) {
    m.Id = p.Id;
    db.insertMedia(m);
    ++run_.counts.media;
  }
  for (TDiverses& entry : d_.diverses) {
    entry.Id = p.Id;
    db.insertDiverses(entry);
    ++run_.counts.diverses;
  }
}
