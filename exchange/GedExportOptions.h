// The choices of the GEDCOM export window as one record the window binds to
// its controls: all or only selected persons, user-defined fields as tags or
// notes, the character set, the submitter. A fresh record is the initial state.
#pragma once

#include <string>
#include <vector>

#include "exchange/GedcomWriter.h"

class TConfiguration;

// Page "Ersteller-Info"; the two multi-line fields as their lines.
struct TGedSubmitter {
  std::string Name;
  std::vector<std::string> Adresse;
  std::string Telefon;
  std::vector<std::string> Kommentar;
};

struct TGedExportOptions {
  // ExportAll / ExportSelected ("&Nur ausgewählte ").
  bool SelectedOnly = false;
  // UserDefTags: "als User Defined Tags" (true) or "als Kommentar schreiben".
  bool UserDefinedTags = true;
  // Zeichensatz: "ANSI" (code page 1252), "ANSEL" or "UTF-8"; the bytes of
  // the file follow the choice, and the header's CHAR line names it.
  TGedEncoding Charset = TGedEncoding::Ansi;
  TGedSubmitter Submitter;
};

// The submitter of the user's settings ([Benutzer] of the project file):
// name, the address lines up to the last one given, telephone.
TGedSubmitter SubmitterFromConfig(const TConfiguration& config);

// "ANSI", "ANSEL", "UTF-8" (letter case aside; "UTF8" too); false otherwise.
bool ParseGedCharset(const std::string& text, TGedEncoding& out);
