// Streaming reader of GEDCOM records: one level-0 record at a time as a small
// tree, CONC and CONT joined. What is in the file is reported and repaired, never
// thrown, up to the real end; only an unreadable file throws EInOutError.
#pragma once

#include <fstream>
#include <istream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "exchange/GedcomLine.h"
#include "exchange/GedcomLineSource.h"

class TGedReader {
 public:
  explicit TGedReader(const std::string& path, TGedProblemSink sink = {});
  // Reads from a stream the caller keeps alive.
  explicit TGedReader(std::istream& in, TGedProblemSink sink = {});
  TGedReader(const TGedReader&) = delete;
  TGedReader& operator=(const TGedReader&) = delete;

  // The next record; false at the end of the file. Lines before the first
  // level-0 line are reported and skipped.
  bool Next(TGedRecord& record);

  const TGedDecoder& Decoder() const { return source_.Decoder(); }
  long Lines() const { return source_.LineNumber(); }
  long Problems() const { return problems_; }

 private:
  struct TOpen {
    int stated;  // the level as written in the file
    TGedLine* node;
  };

  TGedReader(std::unique_ptr<std::ifstream> file, std::istream* in, TGedProblemSink sink);
  bool ReadLine(TGedLine& line);
  void Attach(std::vector<TOpen>& open, TGedLine&& line);
  void Report(const TGedProblem& p);
  void AtEnd();

  std::unique_ptr<std::ifstream> file_;
  TGedProblemSink sink_;
  long problems_ = 0;
  TGedProblemSink counted_;  // counts, then passes on to sink_
  TGedLineSource source_;
  std::string text_;  // the line being parsed, kept to reuse its buffer
  TGedLine pending_;  // the level-0 line that ended the last record
  bool havePending_ = false;
  bool ended_ = false;
  bool sawRecord_ = false;
  bool sawTrailer_ = false;
  bool saidAfterTrailer_ = false;
};
