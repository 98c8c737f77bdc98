// The level-0 records other records point to, read before the import: the
// title of each source (SOUR), the text of each note (NOTE) and the files of
// each multimedia object (OBJE), so that "1 SOUR @S1@" stores the source's
// title and "1 NOTE @N1@" the note's text. Only these texts are kept.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "exchange/GedcomProblem.h"

struct TGedMediaRef {
  std::string file;
  std::string title;
};

struct TGedPointerTexts {
  // Keyed by the identifier with its at signs, as pointers are written.
  std::map<std::string, std::string> sources;
  std::map<std::string, std::string> notes;
  std::map<std::string, std::vector<TGedMediaRef>> objects;

  bool Empty() const { return sources.empty() && notes.empty() && objects.empty(); }
};

// Reads the file once; the lines are read as the import reads them (dosBytes
// as its option). Problems are not reported here: the import meets them again.
TGedPointerTexts CollectPointerTexts(const std::string& path, bool dosBytes);
