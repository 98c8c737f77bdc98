// Helpers of the exchange tests: the public GEDCOM corpus beside the
// repository, a recorder for reported problems, reading bytes given in the
// test as records, UTF-16 bytes for a text, and a temporary directory.
#pragma once

#include <string>
#include <vector>

#include "exchange/GedcomLine.h"
#include "exchange/GedcomProblem.h"

// ../shared/gedcom relative to the repository.
std::string CorpusDir();

struct TProblems {
  std::vector<TGedProblem> list;
  TGedProblemSink Sink() {
    return [this](const TGedProblem& p) { list.push_back(p); };
  }
  // True when some problem's text contains part.
  bool Has(const std::string& part) const;
  // All texts, one a line, for failure messages.
  std::string All() const;
};

// Reads every record of the bytes.
std::vector<TGedRecord> ReadAll(const std::string& bytes, TProblems& problems);
// The records as indented text lines "level xref tag value" (value line
// breaks shown as "\n"), for comparing trees in one assertion.
std::string Dump(const std::vector<TGedRecord>& records);

// The UTF-8 text as UTF-16 bytes, with or without byte-order mark.
std::string Utf16(const std::string& utf8, bool littleEndian, bool bom);

class TScratchDir {
 public:
  TScratchDir();
  ~TScratchDir();
  TScratchDir(const TScratchDir&) = delete;
  TScratchDir& operator=(const TScratchDir&) = delete;
  std::string File(const std::string& name) const { return path_ + name; }
  void Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path_;
};
