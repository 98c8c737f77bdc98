// Reads one INDI record into the person its identifier stands for and stores it
// with its links, media and free-form entries; a CHAN date survives the saving.
// Bad data is reported and the reading goes on; errors of the database are thrown.
#pragma once

#include <string>

#include "exchange/GedPersonDraft.h"

class TGedImportRun;
struct TGedEntry;
struct TGedPersonRef;

class TGedIndividual {
 public:
  explicit TGedIndividual(TGedImportRun& run) : run_(run) {}
  // The cursor stands on the INDI line; it is left on the first line after
  // the record.
  void ReadRecord();

 private:
  void Load();
  void TakeParents();
  void Handle();
  void Name(const TGedEntry& e, const std::string& value);
  void NamePart(const TGedEntry& e);
  void Labelled(const std::string& label, const TGedEntry& e, const std::string& value);
  void Other(bool even);
  void Ignored(const TGedEntry& e);
  std::string Text();
  void Save();

  TGedImportRun& run_;
  TGedPersonDraft d_;
  TGedPersonRef* ref_ = nullptr;
  std::string key_;
  std::string nameValue_;  // the first NAME as written
  int names_ = 0;
};
