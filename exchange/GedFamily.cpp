#include "exchange/GedFamily.h"

#include "core/DateFormat.h"
#include "core/Errors.h"
#include "db/AhnenDB.h"
#include "exchange/GedImportDate.h"
#include "exchange/GedImportRun.h"
#include "exchange/GedLabelledLines.h"
#include "exchange/GedOtherFacts.h"
#include "exchange/GedPersonDraft.h"

void UpdateKeepingChangeDate(TGedImportRun& run, TPersonDetail& person) {
  const std::string remembered = person.Geaendert;
  run.db.update(person);
  if (remembered != kNoDate && remembered != person.Geaendert) {
    person.Geaendert = remembered;
    run.db.updateChangeDate(person);
  }
}

void TGedFamily::ReadRecord() {
  id_ = run_.Cur().xref;
  run_.SetEntryText("Familie: " + id_);
  run_.in.Advance();
  for (;;) {
    const TGedEntry& e = run_.Cur();
    if (e.AtEnd()) break;
    if (e.level == 0) {
      // As for persons: a NOTE at level 0 without identifier continues the family.
      if (!e.Is("NOTE") || !e.xref.empty()) break;
      Comment(e.value);
      run_.in.Advance();
      continue;
    }
    const long before = e.number;
    try {
      Handle();
    } catch (const EConvertError& error) {
      run_.Message(std::string(error.what()) + " in FAM: ");
      Comment(error.what());
      run_.Dump(run_.Cur());
    }
    if (!run_.Cur().AtEnd() && run_.Cur().number == before) run_.in.Advance();
  }
  Finish();
}

void TGedFamily::Comment(const std::string& text) { AddCommentText(rec_.Kommentar, text); }

std::string TGedFamily::Text() {
  if (!run_.options.AhnenWinFields) return ReadTextValue(run_.in);
  return ReadTextValue(run_.in, [this](const std::string& line) { return TakeFamilyLabelledLine(line, rec_); });
}

void TGedFamily::Handle() {
  const TGedEntry e = run_.Cur();
  const std::string& tag = e.tag;
  if (tag == "NOTE") {
    const std::string text = run_.NoteText(Text());
    if (!text.empty() && text.find("andere Bez") == std::string::npos) data_ = true;
    Comment(text);
  } else if (tag == "HUSB" || tag == "WIFE") {
    const bool wife = tag == "WIFE";
    TGedPersonRef* ref = run_.PersonFor(ReadTextValue(run_.in), wife ? TGedRole::Wife : TGedRole::Husband);
    TGedPersonRef*& same = wife ? wife_ : husband_;
    TGedPersonRef*& other = wife ? husband_ : wife_;
    // Two husbands (or two wives) are two partners: neither may be lost.
    if (same && !other && ref && ref != same) other = ref;
    else same = ref;
  } else if (tag == "CHIL") {
    const std::string value = ReadTextValue(run_.in);
    if (TGedPersonRef* child = run_.PersonFor(value)) children_.push_back(child);
    else run_.Message("Person mit Kartei-Nr " + value + " nicht gefunden!");
  } else if (tag == "MARR") {
    ReadMarriage(false);
    if (partnership_) rec_.Verheiratet = false;
  } else if (tag == "DIV" || tag == "DIVO") {
    // "1 DIV N": some programs write that there was no divorce.
    if (e.value == "N") SkipSubordinates(run_.in);
    else ReadMarriage(true);
  } else if (tag == "_STAT") {
    if (ReadTextValue(run_.in) == "PARTNER") {
      rec_.Verheiratet = false;
      partnership_ = true;
    }
  } else if (tag == "ADDR") {
    data_ = true;
    Comment("Adresse: ");
    Comment(Text());
  } else if (tag == "_MREL" || tag == "_FREL" || tag == "PHON") {
    data_ = true;
    const char* label = tag == "_MREL" ? "Beziehung zur Mutter: " : tag == "_FREL" ? "Beziehung zum Vater: " : "Telefon: ";
    Comment(label + ReadTextValue(run_.in));
  } else if (tag == "NCHI") {
    Comment("Anzahl Kinder: " + ReadTextValue(run_.in));
  } else if (tag == "CHAN") {
    // The marriage row keeps its own change date.
    SkipSubordinates(run_.in);
  } else if (run_.options.IgnoreUserDefinedTags()) {
    // What has no field of its own is left out; the message list names it.
    run_.Message("Ignoriere Tag " + tag + " in: ");
    run_.Dump(e);
    SkipSubordinates(run_.in);
  } else if (tag == "EVEN") {
    data_ = true;
    const TGedFact fact = ReadOtherFact(run_, true);
    Comment(fact.title + ": " + fact.text);
  } else {
    data_ = true;
    run_.Dump(e);
    const std::string value = ReadTextValue(run_.in);
    Comment(tag + ": " + (tag == "SOUR" ? run_.SourceText(value) : value));
  }
}

void TGedFamily::ReadMarriage(bool divorce) {
  const int level = run_.Cur().level;
  data_ = true;
  (divorce ? rec_.Geschieden : rec_.Verheiratet) = true;
  std::string& date = divorce ? rec_.Scheidung : rec_.Heirat;
  int& qualifier = divorce ? rec_.ScheidungZusatz : rec_.HeiratZusatz;
  std::string& place = divorce ? rec_.ScheidungOrt : rec_.HeiratOrt;
  std::string& source = divorce ? rec_.ScheidungQuelle : rec_.HeiratQuelle;
  ReadTextValue(run_.in);
  while (!run_.Cur().AtEnd() && run_.Cur().level > level) {
    const TGedEntry e = run_.Cur();
    const std::string v = ReadTextValue(run_.in);
    if (e.tag == "TYPE") {
      Comment((divorce ? "Art der Scheidung: " : "Art der Heirat: ") + v);
    } else if (e.tag == "DATE" && e.level == level + 1) {
      try {
        GedcomToDate(v, date, qualifier);
      } catch (const EConvertError& error) {
        qualifier = 0;  // no qualifier without its date
        run_.Message(std::string(error.what()) + " in: ");
        Comment(error.what() + std::string(divorce ? " (Scheidungsdatum)" : " (Heiratsdatum)"));
        run_.Dump(e);
      }
    } else if (e.tag == "PLAC") {
      ReplaceField(place, v, 30);
    } else if (e.tag == "SOUR") {
      ReplaceField(source, run_.SourceText(v), 30);
    } else if (e.tag == "NOTE") {
      Comment((divorce ? "Kommentar zur Scheidung: " : "Kommentar zur Heirat: ") + run_.NoteText(v));
    } else {
      run_.Message("Unbekanntes Tag " + e.tag + (divorce ? " in DIV:" : " in MARR: "));
      run_.Dump(e);
    }
  }
}

void TGedFamily::LinkChildren() {
  const int mann = husband_ ? husband_->id : 0;
  const int frau = wife_ ? wife_->id : 0;
  for (TGedPersonRef* ref : children_) {
    // Most children were stored with these parents already.
    if ((!mann || ref->vater == mann) && (!frau || ref->mutter == frau)) continue;
    const auto child = run_.db.getPersonDetail(ref->id);
    if (mann) child->Vater = mann;
    if (frau) child->Mutter = frau;
    UpdateKeepingChangeDate(run_, *child);
    ref->vater = child->Vater;
    ref->mutter = child->Mutter;
  }
}

void TGedFamily::MakeFemale(TGedPersonRef& wife) {
  const auto person = run_.db.getPersonDetail(wife.id);
  person->Geschlecht = 1;
  UpdateKeepingChangeDate(run_, *person);
  wife.sex = 1;
}

// The marriage data of a family with one known partner, as lines of that
// partner's comment: the marriage table cannot hold a row without both.
void TGedFamily::KeepWithPartner(int partnerId) {
  const auto partner = run_.db.getPersonDetail(partnerId);
  std::vector<std::string>& c = partner->Kommentar;
  c.push_back("Familie " + id_ + " (zweiter Partner unbekannt):");
  if (!rec_.Verheiratet && !rec_.Geschieden) c.push_back("Art der Verbindung: Partnerschaft");
  const std::string marriage = FormatEvent("Heirat: ", rec_.HeiratZusatz, rec_.Heirat, rec_.HeiratQuelle, rec_.HeiratOrt);
  if (!marriage.empty()) c.push_back(marriage);
  const std::string divorce =
      FormatEvent("Scheidung: ", rec_.ScheidungZusatz, rec_.Scheidung, rec_.ScheidungQuelle, rec_.ScheidungOrt);
  if (!divorce.empty()) c.push_back(divorce);
  else if (rec_.Geschieden) c.push_back("Geschieden");
  c.insert(c.end(), rec_.Kommentar.begin(), rec_.Kommentar.end());
  UpdateKeepingChangeDate(run_, *partner);
  run_.Message(id_ + ": Die Angaben stehen im Kommentar von " + partner->Vorname + " " + partner->Nachname + " [" +
               std::to_string(partner->Id) + "].");
}

bool TGedFamily::IsParentPair() const {
  const std::size_t bar = id_.find('_');
  if (id_.size() < 4 || id_[0] != 'F' || bar == std::string::npos || bar < 2 || bar + 1 == id_.size()) return false;
  for (std::size_t i = 1; i < id_.size(); ++i)
    if (i != bar && (id_[i] < '0' || id_[i] > '9')) return false;
  return true;
}

void TGedFamily::Finish() {
  LinkChildren();
  if (wife_ && wife_->filled && !wife_->sawSex && wife_->sex != 1) MakeFemale(*wife_);
  const int mann = husband_ ? husband_->id : 0;
  const int frau = wife_ ? wife_->id : 0;
  if (mann && frau && !data_ && IsParentPair()) {
    // The export writes parents without a marriage row as a family "F12_7":
    // read back, such a family links its children and makes no row either.
  } else if (mann && frau) {
    rec_.Mann = mann;
    rec_.Frau = frau;
    run_.db.insertMarriage(rec_);
    ++run_.counts.marriages;
  } else if ((mann || frau) && data_) {
    run_.Message(id_ + ": Heiratsdaten vorhanden, aber Mann oder Frau nicht gesetzt.");
    KeepWithPartner(mann ? mann : frau);
  } else if (!mann && !frau) {
    run_.Message(id_ + ": Weder Mann noch Frau bekannt. -> Eintrag wird nicht importiert");
  }
}
