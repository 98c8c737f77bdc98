// Writes GEDCOM lines "level [xref ]tag value" with CR LF in ANSI (1252), ANSEL
// or UTF-8 (no BOM); line breaks become CONT, long values CONC lines. A character
// the set cannot hold is written as "&#N;" and reported with its value.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/GedcomProblem.h"

enum class TGedEncoding { Ansi, Ansel, Utf8 };

// The values of the header's `1 CHAR` line; writing it is the caller's business.
inline constexpr const char* kGedCharAnsi = "ANSI";
inline constexpr const char* kGedCharAnsel = "ANSEL";
inline constexpr const char* kGedCharUtf8 = "UTF-8";
const char* GedCharValue(TGedEncoding encoding);

class TGedWriter {
 public:
  // Longest value part of one line, in characters: with level, xref and tag
  // a line stays within the 255 characters GEDCOM allows.
  static constexpr std::size_t kDefaultMaxValue = 248;

  // out must outlive the writer; write errors throw EInOutError.
  TGedWriter(std::ostream& out, TGedEncoding encoding, TGedProblemSink sink = {});

  // 0: values are never cut into CONC lines.
  void SetMaxValueLength(std::size_t chars) { maxValue_ = chars; }
  // With an empty value the blank after the tag is written ("0 HEAD "),
  // unless switched off.
  void SetBlankAfterEmptyTag(bool on) { blankAfterEmpty_ = on; }

  // One line, followed by the CONT and CONC lines its value needs (one
  // level deeper). Text is UTF-8.
  void Line(int level, std::string_view tag, std::string_view value = {}, std::string_view xref = {});

  long LinesWritten() const { return lines_; }
  // Characters written as "&#N;" so far.
  long Unencodable() const { return unencodable_; }

 private:
  void Physical(int level, std::string_view xref, std::string_view tag, std::string_view value,
                std::vector<char32_t>& missing);
  std::string Encode(std::string_view utf8, std::vector<char32_t>& missing) const;

  std::ostream& out_;
  TGedEncoding encoding_;
  TGedProblemSink sink_;
  std::size_t maxValue_ = kDefaultMaxValue;
  bool blankAfterEmpty_ = true;
  long lines_ = 0;
  long unencodable_ = 0;
};

// Where a value is cut for CONC lines: parts of at most maxChars characters,
// never inside a character, never before a combining mark, and not next to
// a blank where another place will do. maxChars 0 keeps the value whole.
std::vector<std::string_view> SplitForConc(std::string_view value, std::size_t maxChars);
