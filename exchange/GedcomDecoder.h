// Decodes a GEDCOM file's bytes to UTF-8, fed in pieces of any size, choosing the
// charset from the byte-order mark, UTF-16 zero bytes, `1 CHAR` and the bytes.
// Undefined bytes are reported with line and file position and replaced, never dropped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/Ansel.h"
#include "exchange/GedcomCharset.h"
#include "exchange/GedcomProblem.h"

class TGedDecoder {
 public:
  explicit TGedDecoder(TGedProblemSink sink = {});

  // Appends the text the bytes complete. Until the header has been seen
  // (at most 64 KiB) the bytes are held back.
  void Feed(std::string_view bytes, std::string& out);
  // End of the file: writes what was held back, reports incomplete characters.
  void Finish(std::string& out);

  // What the header declares (Unbekannt when nothing or an unknown name),
  // the value as written, and what the bytes are read as. Used() is final
  // only after Finish or after the first byte above 127.
  TGedCharset Declared() const { return declared_; }
  const std::string& DeclaredText() const { return declaredText_; }
  TGedCharset Used() const { return used_; }
  bool HasByteOrderMark() const { return bom_; }
  // Bytes that were undefined or could not be decoded.
  long ByteProblems() const { return byteProblems_; }

 private:
  enum class TMode { Undecided8Bit, Utf8, Utf16LE, Utf16BE, Ansel, Ansi, IbmPc };

  void Decide(bool final, std::string& out);
  void Decode(std::string_view data, bool final, std::string& out);
  std::size_t DecodeUndecided(std::string_view d, std::size_t i, bool final, std::string& out);
  std::size_t DecodeUtf8(std::string_view d, std::size_t i, bool final, std::string& out);
  std::size_t DecodeUtf16(std::string_view d, std::size_t i, bool final, std::string& out);
  std::size_t DecodeSingleByte(std::string_view d, std::size_t i, std::string& out);
  void NoteByte(unsigned char c);
  void Report(const std::string& text);
  void ReportByte(std::uint64_t offset, const std::string& text);

  TGedProblemSink sink_;
  bool decided_ = false;
  std::string held_;           // bytes before the decision, or an incomplete character
  std::uint64_t offset_ = 0;   // file position of the next byte handed to Decode
  long line_ = 1;
  bool lastCr_ = false;
  TMode mode_ = TMode::Undecided8Bit;
  TGedCharset fallback_ = TGedCharset::Ansi;  // 8-bit reading when the bytes are not UTF-8
  TGedCharset declared_ = TGedCharset::Unbekannt;
  std::string declaredText_;
  TGedCharset used_ = TGedCharset::Unbekannt;
  bool bom_ = false;
  ansel::TAnselDecoder ansel_;
  char32_t highSurrogate_ = 0;
  long byteProblems_ = 0;
  long unreported_ = 0;
};
