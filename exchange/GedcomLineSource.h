// Reads a GEDCOM file in chunks, decodes it and cuts it into lines at CR,
// LF or CR LF. It holds one chunk and the line being cut, so memory does
// not grow with the file; a single line may be of any length.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "exchange/GedcomDecoder.h"

class TGedLineSource {
 public:
  // in must outlive the source; read errors throw EInOutError.
  TGedLineSource(std::istream& in, TGedProblemSink sink);

  // The next physical line (perhaps empty) without its line end; false at
  // the end of the file.
  bool Next(std::string& line);
  // The physical line number of the line last returned, from 1.
  long LineNumber() const { return line_; }
  // False when the line last returned ended at the end of the file
  // without a line end.
  bool Terminated() const { return terminated_; }
  const TGedDecoder& Decoder() const { return decoder_; }

 private:
  void Fill();

  std::istream& in_;
  TGedDecoder decoder_;
  std::vector<char> chunk_;
  std::string text_;       // decoded text not yet returned, from pos_
  std::size_t pos_ = 0;
  std::size_t scanned_ = 0;  // text_ before this holds no line end after pos_
  bool eof_ = false;
  bool skipLf_ = false;    // the last line ended in CR; an LF right after belongs to it
  bool terminated_ = true;
  long line_ = 0;
};
