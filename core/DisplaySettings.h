// Process-wide copies of the settings that the date, name and media helpers
// read, so that those helpers work without an open database (ovtool, tests).
// The configuration updates them when it reads or applies its settings.
#pragma once

#include <string>

struct TDisplaySettings {
  bool monatsname = false;      // month names in dates
  bool datumJahr = false;       // dates in lists show the year only
  bool alternativDatum = false; // baptism/burial stand in for birth/death
  bool famNameAuto = true;
  bool famNameBeide = false;
  bool famNameListe = false;
  bool nachnameGross = false;
  std::string mediaDir;         // absolute, ends in the separator
};

TDisplaySettings& DisplaySettings();
// Back to the defaults (no database open).
void ResetDisplaySettings();
