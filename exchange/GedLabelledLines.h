// The labelled note lines with which the program 'Ahnen f. Windows' writes
// fields GEDCOM has no tag for ("Buergerort: Bern", "Qu.Taufe: KB 3"). Read
// only with the option AhnenWinFields; a line taken here does not reach the
// note text.
#pragma once

#include <string>

#include "exchange/GedImportOptions.h"

struct TEheRec;
struct TGedPersonDraft;

// A line of a person's NOTE, SOUR or CONT text; true when it was taken.
bool TakePersonLabelledLine(const std::string& line, TGedPersonDraft& draft, const TGedImportOptions& options);
// A line of a family's NOTE or ADDR text; true when it was taken. The kinds
// of relationship other than marriage clear `Verheiratet` and stay in the text.
bool TakeFamilyLabelledLine(const std::string& line, TEheRec& rec);
