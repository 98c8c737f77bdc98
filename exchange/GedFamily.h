// Reads one FAM record: partners (made at first mention), children (given them as
// parents), marriage, divorce, notes. With one partner known, the data goes into
// that person's comment and the message list says so; parent pairs make no row.
#pragma once

#include <string>
#include <vector>

#include "db/Person.h"

class TGedImportRun;
struct TGedEntry;
struct TGedPersonRef;

class TGedFamily {
 public:
  explicit TGedFamily(TGedImportRun& run) : run_(run) {}
  // The cursor stands on the FAM line; it is left on the first line after
  // the record.
  void ReadRecord();

 private:
  void Handle();
  void ReadMarriage(bool divorce);
  std::string Text();
  void Comment(const std::string& text);
  void Finish();
  // The identifier has the form the export gives parents without a marriage row.
  bool IsParentPair() const;
  void LinkChildren();
  void MakeFemale(TGedPersonRef& wife);
  void KeepWithPartner(int partnerId);

  TGedImportRun& run_;
  std::string id_;  // the identifier without its at signs
  TEheRec rec_;
  bool data_ = false;
  bool partnership_ = false;  // "_STAT PARTNER" was read
  TGedPersonRef* husband_ = nullptr;
  TGedPersonRef* wife_ = nullptr;
  std::vector<TGedPersonRef*> children_;
};

// Stores a person again without losing the change date it had.
void UpdateKeepingChangeDate(TGedImportRun& run, TPersonDetail& person);
