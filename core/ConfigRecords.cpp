#include "core/ConfigRecords.h"

#include <cmath>
#include <variant>

#include "core/IniFile.h"

TIniFont ReadIniFont(const TIniFile& ini, const std::string& section, const std::string& prefix) {
  TIniFont f;
  f.Name = ini.ReadString(section, prefix + "Name", "Arial");
  f.Color = ini.ReadInteger(section, prefix + "Color", 0);
  f.Size = ini.ReadInteger(section, prefix + "Size", 9);
  f.Style = ini.ReadInteger(section, prefix + "Style", 0) & 15;
  return f;
}

void WriteIniFont(TIniFile& ini, const std::string& section, const std::string& prefix,
                  const TIniFont& f) {
  ini.WriteString(section, prefix + "Name", f.Name);
  ini.WriteInteger(section, prefix + "Color", f.Color);
  ini.WriteInteger(section, prefix + "Size", f.Size);
  ini.WriteInteger(section, prefix + "Style", f.Style & 15);
}

std::vector<std::string> ReadStringSequence(const TIniFile& ini, const std::string& section,
                                            const std::string& prefix) {
  static const std::string kMarker = "-NOTFOUND-";
  std::vector<std::string> list;
  for (int i = 0;; ++i) {
    std::string v = ini.ReadString(section, prefix + std::to_string(i), kMarker);
    if (v == kMarker) break;
    list.push_back(std::move(v));
  }
  return list;
}

void WriteStringSequence(TIniFile& ini, const std::string& section, const std::string& prefix,
                         const std::vector<std::string>& list) {
  ini.EraseSection(section);
  for (std::size_t i = 0; i < list.size(); ++i) ini.WriteString(section, prefix + std::to_string(i), list[i]);
}

// --- print lists -----------------------------------------------------------

const std::array<const char*, 7> kDruckListSections = {
    "DruckPersonList", "DruckBaumList", "DruckRegister", "DruckFotoalbum",
    "DruckAllgemeineList", "DruckOFB", "DruckPerson"};

std::vector<std::string> DefaultAttributes(const std::string& section) {
  if (section == "DruckOFB") return {"28", "26", "27", "5", "0", "101", "21"};
  if (section == "DruckPerson") return {"28", "26", "27", "24", "25", "21", "23"};
  return {"5", "0", "101", "21"};
}

TDruckListOptions ReadDruckListOptions(const TIniFile& ini, const std::string& s) {
  TDruckListOptions o;
  o.numerieren = ini.ReadBool(s, "numerieren", true);
  o.drawBox = ini.ReadBool(s, "drawBox", true);
  o.maxGen = ini.ReadInteger(s, "maxGen", 10);
  o.Einruecken = ini.ReadInteger(s, "Einruecken", 4);
  o.DatenFont = ReadIniFont(ini, s, "DatenFont");
  o.int1 = ini.ReadInteger(s, "int1", 1);
  o.int2 = ini.ReadInteger(s, "int2", 1);
  o.int3 = ini.ReadInteger(s, "int3", 1);
  o.int4 = ini.ReadInteger(s, "int4", 1);
  o.bool1 = ini.ReadBool(s, "bool1", true);
  o.bool2 = ini.ReadBool(s, "bool2", !(s == "DruckOFB" || s == "DruckPerson"));
  o.bool3 = ini.ReadBool(s, "bool3", true);
  o.bool4 = ini.ReadBool(s, "bool4", true);
  o.Attribut = ReadStringSequence(ini, s, "Attribut");
  if (o.Attribut.empty()) o.Attribut = DefaultAttributes(s);
  return o;
}

void WriteDruckListOptions(TIniFile& ini, const std::string& s, const TDruckListOptions& o) {
  WriteStringSequence(ini, s, "Attribut", o.Attribut);
  ini.WriteBool(s, "numerieren", o.numerieren);
  ini.WriteBool(s, "drawBox", o.drawBox);
  ini.WriteInteger(s, "maxGen", o.maxGen);
  ini.WriteInteger(s, "Einruecken", o.Einruecken);
  WriteIniFont(ini, s, "DatenFont", o.DatenFont);
  ini.WriteInteger(s, "int1", o.int1);
  ini.WriteInteger(s, "int2", o.int2);
  ini.WriteInteger(s, "int3", o.int3);
  ini.WriteInteger(s, "int4", o.int4);
  ini.WriteBool(s, "bool1", o.bool1);
  ini.WriteBool(s, "bool2", o.bool2);
  ini.WriteBool(s, "bool3", o.bool3);
  ini.WriteBool(s, "bool4", o.bool4);
}

namespace {
const char* const kAllgemein = "DruckAllgemein";
}

TDruckAllgemeinOptions ReadDruckAllgemein(const TIniFile& ini) {
  TDruckAllgemeinOptions o;
  o.AnzCopy = ini.ReadInteger(kAllgemein, "AnzCopy", 1);
  o.SortCopy = ini.ReadBool(kAllgemein, "SortCopy", true);
  o.RandLinks = ini.ReadInteger(kAllgemein, "RandLinks", 10);
  o.RandOben = ini.ReadInteger(kAllgemein, "RandOben", 20);
  o.RandRechts = ini.ReadInteger(kAllgemein, "RandRechts", 10);
  o.RandUnten = ini.ReadInteger(kAllgemein, "RandUnten", 20);
  o.kopfzeileFont = ReadIniFont(ini, kAllgemein, "kopfzeileFont");
  o.fusszeileFont = ReadIniFont(ini, kAllgemein, "fusszeileFont");
  return o;
}

void WriteDruckAllgemein(TIniFile& ini, const TDruckAllgemeinOptions& o) {
  ini.WriteInteger(kAllgemein, "AnzCopy", o.AnzCopy);
  ini.WriteBool(kAllgemein, "SortCopy", o.SortCopy);
  ini.WriteInteger(kAllgemein, "RandLinks", o.RandLinks);
  ini.WriteInteger(kAllgemein, "RandOben", o.RandOben);
  ini.WriteInteger(kAllgemein, "RandRechts", o.RandRechts);
  ini.WriteInteger(kAllgemein, "RandUnten", o.RandUnten);
  WriteIniFont(ini, kAllgemein, "kopfzeileFont", o.kopfzeileFont);
  WriteIniFont(ini, kAllgemein, "fusszeileFont", o.fusszeileFont);
}

// --- ancestor graphic --------------------------------------------------------

namespace {

const char* const kGrafik = "GrafikOptionen";

struct Byte {  // an integer field of 0 to 255
  int TGraphOptions::*member;
};
using Member = std::variant<std::string TGraphOptions::*, bool TGraphOptions::*, int TGraphOptions::*,
                            TIniFont TGraphOptions::*, double TGraphOptions::*, Byte>;

struct Field {
  const char* key;
  Member member;
};

using G = TGraphOptions;
// In the order the fields are read; the defaults are those of TGraphOptions.
const Field kFields[] = {
    {"Titel", &G::Titel},
    {"Schatten", &G::Schatten},
    {"backgroundColor", &G::backgroundColor},
    {"DefaultFont", &G::DefaultFont},
    {"NamenFont", &G::NamenFont},
    {"DruckenZoom", &G::DruckenZoom},
    {"DefaultPenWidth", &G::DefaultPenWidth},
    {"DefaultBrushColor", &G::DefaultBrushColor},
    {"DefaultPenColor", &G::DefaultPenColor},
    {"DefaultShadowColor", &G::DefaultShadowColor},
    {"DefaultRectWidth", &G::DefaultRectWidth},
    {"DefaultRectHeightDist", &G::DefaultRectHeightDist},
    {"DefaultRectWidthDist", &G::DefaultRectWidthDist},
    {"LineAussehen", Byte{&G::LineAussehen}},
    {"KastenForm", Byte{&G::KastenForm}},
    {"BaumArt", Byte{&G::BaumArt}},
    {"MaxGenerationen", &G::MaxGenerationen},
    {"MinGenerationen", &G::MinGenerationen},
    {"MaxPersonen", &G::MaxPersonen},
    {"Optimierung", Byte{&G::Optimierung}},
    {"Vorname", &G::Vorname},
    {"VaterMutterLinie", &G::VaterMutterLinie},
    {"Nachname", &G::Nachname},
    {"Geburt", &G::Geburt},
    {"Tod", &G::Tod},
    {"GeburtOrt", &G::GeburtOrt},
    {"TodOrt", &G::TodOrt},
    {"Ort", &G::Ort},
    {"Foto", &G::Foto},
    {"FotoHoehe", &G::FotoHoehe},
    {"EineZeile", &G::EineZeile},
    {"ZuerstVorname", &G::ZuerstVorname},
    {"geburtTodEineZeile", &G::geburtTodEineZeile},
    {"Buergerort", &G::Buergerort},
    {"Beruf", &G::Beruf},
    {"Ausbildung", &G::Ausbildung},
    {"Ehepartner", &G::Ehepartner},
    {"Heirat", &G::Heirat},
    {"Scheidung", &G::Scheidung},
    // UseFont2_1 .. UseFont2_10 follow here.
    {"ShowDialog", &G::ShowDialog},
    {"SchwundDrawTransparent", &G::SchwundDrawTransparent},
    {"SchwundMarkierung", &G::SchwundMarkierung},
    {"SchwundPfeil", &G::SchwundPfeil},
    {"Schwund", Byte{&G::Schwund}},
};

void ReadUseFont2(const TIniFile& ini, G& o) {
  for (int i = 0; i < 10; ++i) o.UseFont2[i] = ini.ReadBool(kGrafik, "UseFont2_" + std::to_string(i + 1), false);
}

void WriteUseFont2(TIniFile& ini, const G& o) {
  for (int i = 0; i < 10; ++i) ini.WriteBool(kGrafik, "UseFont2_" + std::to_string(i + 1), o.UseFont2[i]);
}

}  // namespace

TGraphOptions ReadGraphOptions(const TIniFile& ini) {
  G o;
  for (const Field& f : kFields) {
    const std::string key = f.key;
    if (key == "ShowDialog") ReadUseFont2(ini, o);
    // Ausbildung defaults to what Beruf just read.
    if (key == "Ausbildung") {
      o.Ausbildung = ini.ReadBool(kGrafik, key, o.Beruf);
      continue;
    }
    std::visit(
        [&](auto m) {
          using M = decltype(m);
          if constexpr (std::is_same_v<M, std::string G::*>) o.*m = ini.ReadString(kGrafik, key, o.*m);
          else if constexpr (std::is_same_v<M, bool G::*>) o.*m = ini.ReadBool(kGrafik, key, o.*m);
          else if constexpr (std::is_same_v<M, int G::*>) o.*m = ini.ReadInteger(kGrafik, key, o.*m);
          else if constexpr (std::is_same_v<M, TIniFont G::*>) o.*m = ReadIniFont(ini, kGrafik, key);
          else if constexpr (std::is_same_v<M, double G::*>) o.*m = ini.ReadInteger(kGrafik, key, 100) / 100.0;
          else o.*(m.member) = ini.ReadInteger(kGrafik, key, o.*(m.member)) & 0xFF;
        },
        f.member);
  }
  return o;
}

void WriteGraphOptions(TIniFile& ini, const TGraphOptions& o) {
  for (const Field& f : kFields) {
    const std::string key = f.key;
    if (key == "ShowDialog") WriteUseFont2(ini, o);
    std::visit(
        [&](auto m) {
          using M = decltype(m);
          if constexpr (std::is_same_v<M, std::string G::*>) ini.WriteString(kGrafik, key, o.*m);
          else if constexpr (std::is_same_v<M, bool G::*>) ini.WriteBool(kGrafik, key, o.*m);
          else if constexpr (std::is_same_v<M, int G::*>) ini.WriteInteger(kGrafik, key, o.*m);
          else if constexpr (std::is_same_v<M, TIniFont G::*>) WriteIniFont(ini, kGrafik, key, o.*m);
          else if constexpr (std::is_same_v<M, double G::*>)
            ini.WriteInteger(kGrafik, key, static_cast<int>(std::lround(o.*m * 100)));
          else ini.WriteInteger(kGrafik, key, o.*(m.member) & 0xFF);
        },
        f.member);
  }
}
