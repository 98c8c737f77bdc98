#include "db/ChangeLines.h"

#include "core/Configuration.h"
#include "core/Sex.h"

namespace {

class TDiff {
 public:
  explicit TDiff(std::string head) : line_(std::move(head)) {}
  TDiff& Text(const char* label, const std::string& old, const std::string& now) {
    if (old != now) line_ += std::string(label) + now;
    return *this;
  }
  TDiff& Int(const char* label, int old, int now) { return Text(label, std::to_string(old), std::to_string(now)); }
  TDiff& Bool(const char* label, bool old, bool now) { return Int(label, old ? 1 : 0, now ? 1 : 0); }
  const std::string& Line() const { return line_; }

 private:
  std::string line_;
};

}  // namespace

std::string PersonChangeLine(const TPersonDetail& row, const TPerson& now) {
  TDiff diff("Person geändert: " + row.Vorname + " " + row.Nachname + " [" + std::to_string(row.Id) + "]:");
  diff.Text(" Vorname=", row.Vorname, now.Vorname)
      .Text(" Nachname=", row.Nachname, now.Nachname)
      .Text(" Famname=", row.Famname, now.Famname)
      .Int(" Vater=", row.Vater, now.Vater)
      .Int(" Mutter=", row.Mutter, now.Mutter)
      .Text(" Geburt=", row.Geburt, now.Geburt)
      .Text(" Tod=", row.Tod, now.Tod)
      .Text(" Ort=", row.Ort, now.Ort);
  const auto* d = dynamic_cast<const TPersonDetail*>(&now);
  // A plain TPerson does not write baptism and burial; listing them would
  // log changes that never happened.
  if (d) {
    diff.Text(" TaufDatum=", row.Taufe, d->Taufe).Text(" BestattDatum=", row.Bestattung, d->Bestattung);
  }
  diff.Text(" Sex=", SexLetter(row.Geschlecht), SexLetter(now.Geschlecht));
  if (!d) return diff.Line();
  diff.Text(" Buergerort=", row.Buergerort, d->Buergerort)
      .Text(" GeburtOrt=", row.GeburtOrt, d->GeburtOrt)
      .Int(" GeburtZusatz=", row.GeburtZusatz, d->GeburtZusatz)
      .Text(" GeburtQuelle=", row.GeburtQuelle, d->GeburtQuelle)
      .Text(" TodOrt=", row.TodOrt, d->TodOrt)
      .Int(" TodZusatz=", row.TodZusatz, d->TodZusatz)
      .Text(" TodQuelle=", row.TodQuelle, d->TodQuelle)
      .Text(" TaufOrt=", row.TaufeOrt, d->TaufeOrt)
      .Int(" TaufeZusatz=", row.TaufeZusatz, d->TaufeZusatz)
      .Text(" TaufeQuelle=", row.TaufeQuelle, d->TaufeQuelle)
      .Text(" BestattOrt=", row.BestattungOrt, d->BestattungOrt)
      .Int(" BestattZusatz=", row.BestattungZusatz, d->BestattungZusatz)
      .Text(" BestattungQuelle=", row.BestattungQuelle, d->BestattungQuelle)
      .Text(" KarteiNr=", row.KarteiNr, d->KarteiNr)
      .Text(" Ausbildung=", row.Ausbildung, d->Ausbildung)
      .Text(" Beruf=", row.Beruf, d->Beruf)
      .Text(" Strasse=", row.Strasse, d->Strasse)
      .Text(" PLZ=", row.PLZ, d->PLZ)
      .Text(" AdressOrt=", row.AdressOrt, d->AdressOrt)
      .Text(" Land=", row.Land, d->Land)
      .Text(" Telefon=", row.Telefon, d->Telefon)
      .Bool(" Korrespondenz=", row.Korrespondenz, d->Korrespondenz)
      .Text(" Religion=", row.Religion, d->Religion)
      .Text(" Quelle=", row.Quelle, d->Quelle)
      .Text(" Todesursache=", row.Todesursache, d->Todesursache);
  return diff.Line();
}

std::string MarriageChangeLine(const TEheRec& row, const TEheRec& now) {
  TDiff diff("Ehe geändert: [" + std::to_string(row.Id) + "] mann=" + std::to_string(row.Mann) +
             " frau=" + std::to_string(row.Frau) + ":");
  diff.Int(" Mann=", row.Mann, now.Mann)
      .Int(" Frau=", row.Frau, now.Frau)
      .Text(" HeiratDat=", row.Heirat, now.Heirat)
      .Bool(" Verheiratet=", row.Verheiratet, now.Verheiratet)
      .Text(" HeiratOrt=", row.HeiratOrt, now.HeiratOrt)
      .Text(" HeiratQuelle=", row.HeiratQuelle, now.HeiratQuelle)
      .Text(" ScheidDat=", row.Scheidung, now.Scheidung)
      .Bool(" Geschieden=", row.Geschieden, now.Geschieden)
      .Text(" ScheidOrt=", row.ScheidungOrt, now.ScheidungOrt)
      .Text(" ScheidQuelle=", row.ScheidungQuelle, now.ScheidungQuelle)
      .Int(" HeiratZusatz=", row.HeiratZusatz, now.HeiratZusatz)
      .Int(" ScheidZusatz=", row.ScheidungZusatz, now.ScheidungZusatz);
  return diff.Line();
}

void LogDbChange(const std::string& text) {
  if (Config) Config->LogChange(text);
}
