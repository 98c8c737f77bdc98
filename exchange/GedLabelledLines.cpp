#include "exchange/GedLabelledLines.h"

#include "db/Person.h"
#include "exchange/GedPersonDraft.h"

namespace {

bool Begins(const std::string& line, const char* label) { return line.rfind(label, 0) == 0; }

std::string Trim(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::string After(const std::string& line, std::size_t length) { return Trim(line.substr(length)); }

// The text after the first colon; empty when there is none.
std::string AfterColon(const std::string& line) {
  const std::size_t colon = line.find(':');
  return colon == std::string::npos ? std::string() : Trim(line.substr(colon + 1));
}

void Godparents(TGedPersonDraft& d, const std::string& names, const TGedImportOptions& options) {
  if (names.empty()) return;
  if (options.UseUserDefinedTags()) d.AddDiverses("Taufpaten", names);
  else d.Comment("Taufpaten: " + names);
}

struct TPersonLabel {
  const char* label;
  std::string TPersonDetail::*field;
  std::size_t width;
};

}  // namespace

bool TakePersonLabelledLine(const std::string& line, TGedPersonDraft& d, const TGedImportOptions& options) {
  static const TPersonLabel kLabels[] = {
      {"Buergerort:", &TPersonDetail::Buergerort, 80},
      {"ID:", &TPersonDetail::KarteiNr, 20},
      {"L.-Orte:", &TPersonDetail::Ort, 80},
      {"Adr.:", &TPersonDetail::Strasse, 60},
      {"Qu.Geburt:", &TPersonDetail::GeburtQuelle, 30},
      {"Qu.Taufe:", &TPersonDetail::TaufeQuelle, 30},
      {"Qu.Tod:", &TPersonDetail::TodQuelle, 30},
      {"Qu.Bestatt.:", &TPersonDetail::BestattungQuelle, 30},
  };
  for (const TPersonLabel& l : kLabels) {
    if (!Begins(line, l.label)) continue;
    JoinField(d.person.*l.field, After(line, std::string(l.label).size()), l.width);
    return true;
  }
  if (Begins(line, "Taufp.:")) {
    Godparents(d, After(line, 7), options);
    return true;
  }
  if (Begins(line, "Quellen")) {
    JoinField(d.person.Quelle, AfterColon(line), 100);
    return true;
  }
  if (Begins(line, "Lebensorte")) {
    JoinField(d.person.Ort, AfterColon(line), 80);
    return true;
  }
  if (Begins(line, "Taufpaten")) {
    Godparents(d, AfterColon(line), options);
    return true;
  }
  return false;
}

bool TakeFamilyLabelledLine(const std::string& line, TEheRec& rec) {
  if (Begins(line, "Verb.: Verlobung") || Begins(line, "Verb.: Lebensgem") || Begins(line, "Verb.: andere Bez")) {
    rec.Verheiratet = false;
    return false;
  }
  if (Begins(line, "Verb.: Eheschließung")) {
    rec.Verheiratet = true;
    return true;
  }
  if (Begins(line, "Qu.Heirat:")) {
    JoinField(rec.HeiratQuelle, After(line, 10), 30);
    return true;
  }
  if (Begins(line, "Qu.Scheid.:")) {
    JoinField(rec.ScheidungQuelle, After(line, 11), 30);
    return true;
  }
  return false;
}
