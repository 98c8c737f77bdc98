// A large synthetic GEDCOM file for the import benchmark: persons with German
// names (umlauts included), all four events with qualifiers, places and
// sources, occupations, notes with CONT lines, and families over many
// generations. The same size and seed always give the same file (UTF-8).
#pragma once

#include <string>

struct TSyntheticGedcomSize {
  int persons = 100000;
  unsigned seed = 20261211;
};

struct TSyntheticGedcomCounts {
  int persons = 0;
  int families = 0;
  long lines = 0;
};

// Writes the file; throws EInOutError when it cannot be written.
TSyntheticGedcomCounts WriteSyntheticGedcom(const std::string& path, const TSyntheticGedcomSize& size);
