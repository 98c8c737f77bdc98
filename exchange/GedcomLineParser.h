// Splits one line of GEDCOM text into level, cross-reference, tag and value,
// tolerating blanks, tabs, control characters and NUL bytes around the fields;
// what had to be repaired, and lines that cannot be read, go to the sink.
#pragma once

#include <string_view>

#include "exchange/GedcomLine.h"
#include "exchange/GedcomProblem.h"

enum class TGedLineKind {
  Line,      // out holds the line
  Empty,     // nothing but blanks: skipped without a word
  NoNumber,  // the first word is no level number: reported, skipped
  NoTag      // a level without a tag: reported, skipped
};

// The value is everything after the one separator that follows the tag,
// blanks included, so that CONC parts join as they were written. Control
// characters at the end of the line are cut; blanks are kept.
TGedLineKind ParseGedLine(std::string_view text, long line, TGedLine& out, const TGedProblemSink& sink);
