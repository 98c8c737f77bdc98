// A recoverable problem of a GEDCOM file (bad line, undefined byte, missing
// trailer): reported to the caller's sink, never thrown. The German text starts
// with "Zeile n: " when it concerns a line.
#pragma once

#include <functional>
#include <string>

struct TGedProblem {
  long line = 0;     // physical line of the file, counted from 1 (0: none)
  std::string text;  // the whole message, "Zeile 12: ..."
};

using TGedProblemSink = std::function<void(const TGedProblem&)>;

inline TGedProblem GedProblem(long line, const std::string& text) {
  if (line <= 0) return TGedProblem{0, text};
  return TGedProblem{line, "Zeile " + std::to_string(line) + ": " + text};
}
