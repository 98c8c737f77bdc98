// One GEDCOM line as the reader delivers it, with the lines below it: a
// level-0 line with its tree is a record. CONC and CONT lines never appear
// as children; their text is already part of the value of their parent.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TGedLine {
  int level = 0;      // after repair: always one more than the parent's
  std::string xref;   // "@I1@" with its at signs, empty when none
  std::string tag;    // as written (case kept)
  std::string value;  // CONT joined with "\n", CONC appended as it stands
  long line = 0;      // physical line of the file, from 1
  std::vector<TGedLine> children;

  // The first child with the tag (compared without regard to case), or null.
  const TGedLine* Child(std::string_view tag) const;
  // The value of that child, or empty.
  std::string ChildValue(std::string_view tag) const;
  // True when the tag equals t without regard to case.
  bool Is(std::string_view t) const;
};

// A record is its level-0 line.
struct TGedRecord : TGedLine {};

// Compares two tags without regard to the case of ASCII letters.
bool SameTag(std::string_view a, std::string_view b);
