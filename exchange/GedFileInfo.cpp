#include "exchange/GedFileInfo.h"

#include <utility>

namespace {

struct TLabel {
  const char* tag;
  const char* label;  // nullptr: the line adds nothing
};

// A value with line breaks (CONT) continues on lines of its own.
void Add(std::vector<std::string>& out, const std::string& label, const std::string& value) {
  std::size_t start = 0;
  std::size_t end = value.find('\n');
  out.push_back(label + value.substr(0, end));
  while (end != std::string::npos) {
    start = end + 1;
    end = value.find('\n', start);
    out.push_back("      " + value.substr(start, end == std::string::npos ? std::string::npos : end - start));
  }
}

const char* LabelOf(const TGedLine& line, const std::vector<TLabel>& labels) {
  for (const TLabel& l : labels)
    if (line.Is(l.tag)) return l.label;
  return "";
}

void AddLines(std::vector<std::string>& out, const TGedLine& parent, const std::vector<TLabel>& labels) {
  for (const TGedLine& line : parent.children) {
    if (line.Is("SCHEMA")) continue;  // the definitions of user tags; nothing to show
    const char* label = LabelOf(line, labels);
    if (label && *label) Add(out, label, line.value);
    else if (label) Add(out, "   Feld " + line.tag + ": ", line.value);
    AddLines(out, line, labels);
  }
}

}  // namespace

std::vector<std::string> DateiInfoLines(const TGedDateiInfo& info) {
  static const std::vector<TLabel> kHead = {
      {"SOUR", "   Quelle: "},     {"GEDC", "   GEDCOM: "},        {"FORM", "   Form: "},
      {"VERS", "   Version: "},    {"NAME", "   Name: "},          {"CORP", "   Firma: "},
      {"DATA", "   Daten: "},      {"DEST", "   Ziel: "},          {"PHON", "   Telefon: "},
      {"DATE", "   Datum: "},      {"FILE", "   Dateiname: "},     {"SUBM", nullptr},
      {"CHAR", "   Zeichensatz: "}, {"COMM", "   Kommentar:   "}, {"NOTE", "   Notiz:       "},
  };
  static const std::vector<TLabel> kSubmitter = {
      {"LANG", "   Sprache: "}, {"DEST", "   Ziel: "},    {"NAME", "   Name:"},
      {"ADDR", "   Adresse: "}, {"PHON", "   Telefon: "}, {"DATE", "   Datum: "},
      {"NOTE", "   Notiz:     "}, {"COMM", "   Kommentar: "},
  };
  std::vector<std::string> out{"Datei: "};
  if (info.HatKopf) AddLines(out, info.Kopf, kHead);
  if (info.HatErsteller) {
    out.emplace_back();
    out.emplace_back("Ersteller: ");
    AddLines(out, info.Ersteller, kSubmitter);
  }
  out.emplace_back();
  out.emplace_back("Inhalt: ");
  const std::pair<const char*, long> counts[] = {
      {"   Personen: ", info.Personen}, {"   Familien: ", info.Familien}, {"   Datensätze: ", info.Datensaetze},
      {"   Zeilen: ", info.Zeilen}};
  for (const auto& [label, n] : counts) out.push_back(label + std::to_string(n));
  out.push_back("   Gelesen als: " + CharsetName(info.ZeichensatzGelesen));
  if (info.Probleme > 0) out.push_back("   Meldungen beim Lesen: " + std::to_string(info.Probleme));
  return out;
}
