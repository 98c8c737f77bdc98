#include "db/Person.h"

#include "core/DateFormat.h"
#include "core/DisplaySettings.h"
#include "core/Host.h"
#include "core/Media.h"
#include "core/Names.h"
#include "db/AhnenDB.h"

namespace {

bool Known(const std::string& d) { return !d.empty() && d != kNoDate; }

TAhnenDB& Db() {
  if (!AhnenDB) throw EDatabaseError("Es ist keine Datenbank geöffnet.");
  return *AhnenDB;
}

// A date for the lists: the year only with DatumJahr.
std::string ListDate(const std::string& d) {
  return DisplaySettings().datumJahr ? FormatYear(d) : FormatDate(d);
}

// The primary event when it is shown, else the fall-back (baptism, burial).
std::string EventText(const std::string& date, int code, const std::string& alt, int altCode, bool fallBack) {
  if (Known(date) && code != dqSortOnly) return QualifierPrefix(code) + FormatDate(date);
  if (!fallBack || altCode == dqSortOnly) return "";
  return QualifierPrefix(altCode) + FormatDate(alt);
}

std::string EventDate(const std::string& date, int code, const std::string& alt, int altCode) {
  if (Known(date) && code != dqSortOnly) return date;
  if (DisplaySettings().alternativDatum && Known(alt) && altCode != dqSortOnly) return alt;
  return kNoDate;
}

std::string OrDate(const std::string& date, int code, const std::string& alt, int altCode) {
  if (Known(date) && code != dqSortOnly) return date;
  if (altCode == dqSortOnly) return "";
  return alt;
}

}  // namespace

// --- TPerson -------------------------------------------------------------------

void TPerson::insert() { Db().insert(*this); }
void TPerson::update() { Db().update(*this); }
void TPerson::remove() { Db().remove(*this); }

std::string TPerson::birthDate() const { return EventDate(Geburt, GeburtZusatz, Taufe, TaufeZusatz); }
std::string TPerson::deathDate() const { return EventDate(Tod, TodZusatz, Bestattung, BestattungZusatz); }
std::string TPerson::birthOrBaptismDate() const { return OrDate(Geburt, GeburtZusatz, Taufe, TaufeZusatz); }
std::string TPerson::deathOrBurialDate() const { return OrDate(Tod, TodZusatz, Bestattung, BestattungZusatz); }

std::string TPerson::birthSortDate() const {
  if (Known(Geburt)) return Geburt;
  if (Known(Taufe)) return Taufe;
  return "";
}

std::string TPerson::birthText() const { return EventText(Geburt, GeburtZusatz, Taufe, TaufeZusatz, true); }
std::string TPerson::deathText() const { return EventText(Tod, TodZusatz, Bestattung, BestattungZusatz, true); }
std::string TPerson::birthTextAlt() const {
  return EventText(Geburt, GeburtZusatz, Taufe, TaufeZusatz, DisplaySettings().alternativDatum);
}
std::string TPerson::deathTextAlt() const {
  return EventText(Tod, TodZusatz, Bestattung, BestattungZusatz, DisplaySettings().alternativDatum);
}

std::string TPerson::lifeSpanText() const {
  const std::string b = birthTextAlt(), d = deathTextAlt();
  if (!b.empty() && !d.empty()) return b + " - " + d;
  if (!b.empty()) return "geb. " + b;
  if (!d.empty()) return "gest. " + d;
  return "";
}

std::string TPerson::surnameText() const { return SurnameText(Nachname); }
std::string TPerson::listSurname() const { return ListSurname(Nachname, Famname); }
std::string TPerson::fullName() const { return Vorname + " " + listSurname(); }
std::string TPerson::sortName() const { return listSurname() + " " + Vorname; }

namespace {
// "(B-D)" of the captions; hideSortOnly empties a part whose qualifier is 5.
std::string Dates(const TPerson& p, bool hideSortOnly) {
  auto part = [&](const std::string& date, int code) {
    if (hideSortOnly && code == dqSortOnly) return std::string();
    return QualifierPrefix(code) + ListDate(date);
  };
  return "(" + part(p.birthDate(), p.GeburtZusatz) + "-" + part(p.deathDate(), p.TodZusatz) + ")";
}
std::string Place(const std::string& ort) { return ort.empty() ? "" : ", " + ort; }
std::string IdText(int id) { return " [" + std::to_string(id) + "]"; }
}  // namespace

std::string TPerson::nameDates() const { return fullName() + " " + Dates(*this, true); }
std::string TPerson::nameDatesId() const { return nameDates() + IdText(Id); }
std::string TPerson::nameDatesPlace() const { return nameDates() + Place(Ort); }
std::string TPerson::listText() const { return nameDatesPlace() + IdText(Id); }
std::string TPerson::nameIdText() const { return fullName() + Place(Ort) + IdText(Id); }
std::string TPerson::firstNameDatesPlace() const { return Vorname + " " + Dates(*this, true) + Place(Ort); }
std::string TPerson::firstNameDatesPlaceId() const { return firstNameDatesPlace() + IdText(Id); }

std::string TPerson::fullText() const {
  return fullName() + " " + Dates(*this, false) + (Ort.empty() ? "" : ", in " + Ort);
}

std::string TPerson::fullTextId() const { return fullText() + IdText(Id); }

std::string TPerson::formatName(bool withFirst, bool withSurname, bool withPlace, bool withDeath,
                                bool withBirth) const {
  std::string s = withFirst ? Vorname : "";
  if (withSurname && !Nachname.empty()) s = s.empty() ? Nachname : s + " " + Nachname;
  if (withBirth || withDeath) {
    s += s.empty() ? "(" : " (";
    if (withBirth) s += FormatDate(birthDate());
    if (withBirth && withDeath) s += "-";
    if (withDeath) s += FormatDate(deathDate());
    s += ")";
  }
  if (withPlace && !Ort.empty()) s = s.empty() ? Ort : s + ", " + Ort;
  return s;
}

int compareBirth(const TPerson& a, const TPerson& b) {
  const int c = a.birthDate().compare(b.birthDate());
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// --- TPersonDetail ---------------------------------------------------------------

TPersonDetail::TPersonDetail() = default;
TPersonDetail::~TPersonDetail() = default;

TPersonDetail::TPersonDetail(const TPersonDetail& o) : TPerson(o) { *this = o; }

TPersonDetail& TPersonDetail::operator=(const TPersonDetail& o) {
  if (this == &o) return *this;
  TPerson::operator=(o);
  Buergerort = o.Buergerort;
  GeburtOrt = o.GeburtOrt;
  GeburtQuelle = o.GeburtQuelle;
  TodOrt = o.TodOrt;
  TodQuelle = o.TodQuelle;
  TaufeOrt = o.TaufeOrt;
  TaufeQuelle = o.TaufeQuelle;
  BestattungOrt = o.BestattungOrt;
  BestattungQuelle = o.BestattungQuelle;
  KarteiNr = o.KarteiNr;
  Ausbildung = o.Ausbildung;
  Beruf = o.Beruf;
  Kommentar = o.Kommentar;
  Strasse = o.Strasse;
  PLZ = o.PLZ;
  AdressOrt = o.AdressOrt;
  Land = o.Land;
  Telefon = o.Telefon;
  Korrespondenz = o.Korrespondenz;
  Religion = o.Religion;
  Quelle = o.Quelle;
  Todesursache = o.Todesursache;
  Neu = o.Neu;
  Geaendert = o.Geaendert;
  viewFlag = o.viewFlag;
  return *this;
}

TPartners& TPersonDetail::partners() {
  if (!partners_) partners_ = Db().getPartners(*this);
  return *partners_;
}
TChildren& TPersonDetail::children() {
  if (!children_) children_ = Db().getChildren(*this);
  return *children_;
}
TLinks& TPersonDetail::links() {
  if (!links_) links_ = Db().getLinks(*this);
  return *links_;
}
TMediae& TPersonDetail::mediae() {
  if (!mediae_) mediae_ = Db().getMediae(*this);
  return *mediae_;
}
TDiverse& TPersonDetail::diverse() {
  if (!diverse_) diverse_ = Db().getDiverse(*this);
  return *diverse_;
}
void TPersonDetail::reloadChildren() {
  children_.reset();
  children();
}
void TPersonDetail::reloadLinks() {
  links_.reset();
  links();
}
TPerson& TPersonDetail::father() {
  if (!father_) father_ = Db().getPerson(Vater);
  return *father_;
}
TPerson& TPersonDetail::mother() {
  if (!mother_) mother_ = Db().getPerson(Mutter);
  return *mother_;
}
TPerson& TPersonDetail::refreshFather() {
  Vater = Db().getPerson(Id)->Vater;
  father_.reset();
  return father();
}
TPerson& TPersonDetail::refreshMother() {
  Mutter = Db().getPerson(Id)->Mutter;
  mother_.reset();
  return mother();
}

std::string TPersonDetail::fullText() const {
  return TPerson::fullText() + (Buergerort.empty() ? "" : ", von " + Buergerort);
}

// --- marriages and entries -----------------------------------------------------------

std::string TEheRec::marriageText() const {
  std::string s;
  if (Mann > 0) s += Db().getPerson(Mann)->nameIdText();
  if (Mann > 0 && Frau > 0) s += " & ";
  if (Frau > 0) s += Db().getPerson(Frau)->nameIdText();
  return s;
}

TPartner::TPartner(const TEheRec& rec, std::unique_ptr<TPerson> partner)
    : TEheRec(rec), Partner(std::move(partner)) {}

TPartner::~TPartner() {
  if (!Partner) Host().Log("Null Person in TPartner.Destroy");
}

std::string TPartner::partnerText() const {
  return FormatQualifiedDate(HeiratZusatz, Heirat) + " " + (Partner ? Partner->listText() : std::string());
}

void TLink::insert() { Db().insertLink(*this); }
void TLink::update() { Db().updateLink(*this); }
void TLink::remove() { Db().deleteLink(*this); }
std::string TLink::linkText() const { return Text + ": " + (Person ? Person->listText() : std::string()); }

void TMedia::insert() { Db().insertMedia(*this); }
void TMedia::update() { Db().updateMedia(*this); }
void TMedia::remove() { Db().deleteMedia(*this); }
std::string TMedia::mediaText() const { return Title + " (" + File + ")"; }
std::string TMedia::fullPath() const { return MediaFullPath(File); }

void TDiverses::insert() { Db().insertDiverses(*this); }
void TDiverses::update() { Db().updateDiverses(*this); }
void TDiverses::remove() { Db().deleteDiverses(*this); }
std::string TDiverses::diversesText() const { return Title + ": " + Text; }

void TPersons::InsertByBirth(std::unique_ptr<TPerson> person) {
  const std::string key = person->birthSortDate();
  std::size_t at = items_.size();
  while (at > 0 && items_[at - 1]->birthSortDate() > key) --at;
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(person));
}
