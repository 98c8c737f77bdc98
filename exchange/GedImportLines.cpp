#include "exchange/GedImportLines.h"

#include "core/CodePage.h"
#include "core/Utf8.h"
#include "exchange/Cp437.h"
#include "exchange/GedcomLineParser.h"

namespace {

std::string Trimmed(const std::string& s) {
  const std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  const std::size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::string AsciiUpper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

std::string DumpText(const TGedEntry& e) {
  return "Zeile " + std::to_string(e.number) + ": level=" + std::to_string(e.level) + ", xRefId=" + e.xref +
         ", tag=" + e.tag + ", value=" + e.value;
}

TGedLineCursor::TGedLineCursor(std::istream& in, TGedProblemSink sink, bool dosBytes)
    : sink_(std::move(sink)), source_(in, sink_), dosBytes_(dosBytes) {
  Advance();
}

std::string TGedLineCursor::FromDos(const std::string& value) const {
  // Only text that was read as 1252 is made of the file's own bytes: each
  // character maps back to its byte, which is then read as 437.
  if (!dosBytes_ || source_.Decoder().Used() != TGedCharset::Ansi) return value;
  bool high = false;
  for (char c : value) high = high || static_cast<unsigned char>(c) >= 0x80;
  if (!high) return value;
  std::string out;
  for (std::size_t i = 0; i < value.size();) {
    const char32_t cp = utf8::Next(value, i);
    const int byte = cp >= 0x80 ? cp1252::ByteOf(cp) : -1;
    utf8::Append(out, byte >= 0x80 ? cp437::CodePointOf(static_cast<unsigned char>(byte)) : cp);
  }
  return out;
}

void TGedLineCursor::Advance() {
  TGedLine line;
  while (source_.Next(text_)) {
    const long number = count_ + 1;
    const TGedLineKind kind = ParseGedLine(text_, number, line, sink_);
    if (kind == TGedLineKind::Empty) continue;
    count_ = number;
    // The parser has reported the line; it is skipped, whatever follows.
    if (kind != TGedLineKind::Line) continue;
    if (!source_.Terminated() && sink_)
      sink_(GedProblem(number, "Die letzte Zeile hat kein Zeilenende; die Datei ist vielleicht abgeschnitten"));
    current_.number = number;
    current_.level = line.level;
    current_.xref = line.xref.size() >= 2 ? line.xref.substr(1, line.xref.size() - 2) : line.xref;
    current_.value = FromDos(Trimmed(line.value));
    current_.tag = current_.value.empty() ? AsciiUpper(line.tag) : line.tag;
    current_.raw = Trimmed(text_);
    return;
  }
  current_ = TGedEntry{};
  current_.number = count_ + 1;
}

namespace {

void JoinPiece(std::string& text, const std::string& piece, const char* separator) {
  if (piece.empty()) return;
  if (text.empty()) text = piece;
  else text.append(separator).append(piece);
}

}  // namespace

std::string ReadTextValue(TGedLineCursor& in, const TGedPieceFilter& filter) {
  const int level = in.Current().level;
  std::string text;
  if (!filter || !filter(in.Current().value)) text = in.Current().value;
  in.Advance();
  for (;;) {
    const TGedEntry& e = in.Current();
    if (e.AtEnd() || e.level <= level) break;
    const bool cont = e.Is("CONT");
    if (!cont && !e.Is("CONC")) break;
    if (!filter || !filter(e.value)) JoinPiece(text, e.value, cont ? "\r\n" : " ");
    in.Advance();
  }
  return text;
}

void SkipSubordinates(TGedLineCursor& in) {
  const int level = in.Current().level;
  do {
    in.Advance();
  } while (!in.Current().AtEnd() && in.Current().level > level);
}
