// The quick look at a GEDCOM file the import window shows before the import:
// header facts (source, version, declared and used charset) and record counts.
// Reads the whole file once, streaming, and keeps only HEAD and the first SUBM.
#pragma once

#include <istream>
#include <string>

#include "exchange/GedcomCharset.h"
#include "exchange/GedcomLine.h"
#include "exchange/GedcomProblem.h"

struct TGedDateiInfo {
  std::string Quelle;         // HEAD SOUR: the program that wrote the file
  std::string QuelleName;     // HEAD SOUR NAME
  std::string QuelleVersion;  // HEAD SOUR VERS
  std::string GedcomVersion;  // HEAD GEDC VERS
  std::string GedcomForm;     // HEAD GEDC FORM
  std::string Zeichensatz;    // HEAD CHAR as written, empty when missing
  TGedCharset ZeichensatzAngegeben = TGedCharset::Unbekannt;
  TGedCharset ZeichensatzGelesen = TGedCharset::Unbekannt;
  std::string Dateiname;  // HEAD FILE
  std::string Datum;      // HEAD DATE

  long Personen = 0;  // INDI records
  long Familien = 0;  // FAM
  long Medien = 0;    // OBJE
  long Notizen = 0;   // NOTE
  long Quellen = 0;   // SOUR
  long Datensaetze = 0;  // all level-0 records, HEAD and TRLR included
  long Zeilen = 0;       // physical lines
  long Probleme = 0;     // problems reported while reading

  bool HatKopf = false;  // a HEAD record was found
  TGedRecord Kopf;
  bool HatErsteller = false;  // a SUBM record was found (the first one is kept)
  TGedRecord Ersteller;
};

// Throws EInOutError when the file cannot be read; problems go to the sink.
TGedDateiInfo ScanGedcomFile(const std::string& path, TGedProblemSink sink = {});
TGedDateiInfo ScanGedcom(std::istream& in, TGedProblemSink sink = {});
