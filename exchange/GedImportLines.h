// The lines of a GEDCOM file as the import reads them: decoded, one line of
// look-ahead, values trimmed, numbered by the import's count of non-empty lines.
// Unreadable lines are reported and skipped; only a read error of the file throws.
#pragma once

#include <functional>
#include <istream>
#include <string>

#include "exchange/GedcomLineSource.h"

struct TGedEntry {
  long number = 0;     // the import's line count; at the end, one past the last line
  int level = -1;      // -1 at the end of the file
  std::string xref;    // without its at signs; empty when none
  std::string tag;     // as written, or in upper case when the line has no value
  std::string value;
  std::string raw;     // the line as read, blanks around it cut

  bool AtEnd() const { return level < 0; }
  bool Is(const char* t) const { return tag == t; }
};

// "Zeile n: level=l, xRefId=x, tag=t, value=v": a line quoted in the message list.
std::string DumpText(const TGedEntry& entry);

class TGedLineCursor {
 public:
  // dosBytes: bytes read as Windows code page 1252 are taken as DOS code
  // page 437 instead (the "DOS nach ANSI" option); other charsets are left
  // alone, so nothing is converted twice. in must outlive the cursor.
  TGedLineCursor(std::istream& in, TGedProblemSink sink, bool dosBytes);
  TGedLineCursor(const TGedLineCursor&) = delete;
  TGedLineCursor& operator=(const TGedLineCursor&) = delete;

  const TGedEntry& Current() const { return current_; }
  // Reads the next line that can be read into Current().
  void Advance();

  long Lines() const { return count_; }
  const TGedDecoder& Decoder() const { return source_.Decoder(); }

 private:
  std::string FromDos(const std::string& value) const;

  TGedProblemSink sink_;
  TGedLineSource source_;
  bool dosBytes_;
  std::string text_;
  TGedEntry current_;
  long count_ = 0;
};

// Offered each line of a text (its first line and each CONC or CONT line);
// true when it took the line, which then adds nothing to the text.
using TGedPieceFilter = std::function<bool(const std::string& piece)>;

// The value of the current line with the CONC and CONT lines below it, which
// are consumed: CONC joins with one blank, CONT with CR LF, an empty piece
// adds nothing. Leaves the cursor on the first line after the text.
std::string ReadTextValue(TGedLineCursor& in, const TGedPieceFilter& filter = {});
// Passes over the current line and every deeper line after it.
void SkipSubordinates(TGedLineCursor& in);
