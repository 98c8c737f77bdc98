// The option records of a database's project file: fonts, the ancestor
// graphic options and the print options, each with its defaults and its
// reading and writing. Colours are kept as the integers stored in the file.
#pragma once

#include <array>
#include <string>
#include <vector>

class TIniFile;

struct TIniFont {
  enum Style { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
  std::string Name = "Arial";
  int Size = 9;
  int Color = 0;
  int Style = 0;  // set of the Style bits

  bool operator==(const TIniFont&) const = default;
};

// Keys prefix + "Name", "Color", "Size", "Style".
TIniFont ReadIniFont(const TIniFile& ini, const std::string& section, const std::string& prefix);
void WriteIniFont(TIniFile& ini, const std::string& section, const std::string& prefix,
                  const TIniFont& font);

// prefix + "0", "1", ... up to the first missing key; an empty value is kept.
std::vector<std::string> ReadStringSequence(const TIniFile& ini, const std::string& section,
                                            const std::string& prefix);
// Erases the section, then writes prefix + 0 .. n-1.
void WriteStringSequence(TIniFile& ini, const std::string& section, const std::string& prefix,
                         const std::vector<std::string>& list);

struct TDruckListOptions {
  bool numerieren = true;
  bool drawBox = true;
  int maxGen = 10;
  int Einruecken = 4;
  TIniFont DatenFont;
  bool bool1 = true, bool2 = true, bool3 = true, bool4 = true;
  int int1 = 1, int2 = 1, int3 = 1, int4 = 1;
  std::vector<std::string> Attribut;  // attribute numbers as decimal texts, in print order

  bool operator==(const TDruckListOptions&) const = default;
};

// The seven print list sections, in the order they are read.
extern const std::array<const char*, 7> kDruckListSections;

TDruckListOptions ReadDruckListOptions(const TIniFile& ini, const std::string& section);
// Erases the section, writes the attribute keys, then the others.
void WriteDruckListOptions(TIniFile& ini, const std::string& section, const TDruckListOptions& o);
// The attribute list a section gets when its own is empty.
std::vector<std::string> DefaultAttributes(const std::string& section);

struct TDruckAllgemeinOptions {
  int AnzCopy = 1;
  bool SortCopy = true;
  int RandLinks = 10, RandOben = 20, RandRechts = 10, RandUnten = 20;
  TIniFont kopfzeileFont, fusszeileFont;

  bool operator==(const TDruckAllgemeinOptions&) const = default;
};

TDruckAllgemeinOptions ReadDruckAllgemein(const TIniFile& ini);
void WriteDruckAllgemein(TIniFile& ini, const TDruckAllgemeinOptions& o);

struct TGraphOptions {
  std::string Titel;
  bool Schatten = false;
  int backgroundColor = 0xC5C589;
  TIniFont DefaultFont, NamenFont;
  double DruckenZoom = 1.0;  // stored as a percentage
  int DefaultPenWidth = 1;
  int DefaultBrushColor = static_cast<int>(0x8000000FU);  // system colour of button faces
  int DefaultPenColor = 0;
  int DefaultShadowColor = 0x808080;
  int DefaultRectWidth = 70, DefaultRectHeightDist = 50, DefaultRectWidthDist = 20;
  int LineAussehen = 4, KastenForm = 1, BaumArt = 0;
  int MaxGenerationen = 3, MinGenerationen = -2, MaxPersonen = 1000;
  int Optimierung = 0;
  bool Vorname = true, VaterMutterLinie = true, Nachname = true, Geburt = true, Tod = true;
  bool GeburtOrt = false, TodOrt = false;
  bool Ort = true, Foto = true;
  int FotoHoehe = 80;
  bool EineZeile = false;
  bool ZuerstVorname = true, geburtTodEineZeile = true;
  bool Buergerort = false, Beruf = false, Ausbildung = false;
  bool Ehepartner = true, Heirat = true, Scheidung = true;
  std::array<bool, 10> UseFont2{};  // keys UseFont2_1 .. UseFont2_10
  bool ShowDialog = true;
  bool SchwundDrawTransparent = true, SchwundMarkierung = true, SchwundPfeil = true;
  int Schwund = 1;

  bool operator==(const TGraphOptions&) const = default;
};

TGraphOptions ReadGraphOptions(const TIniFile& ini);
void WriteGraphOptions(TIniFile& ini, const TGraphOptions& o);
