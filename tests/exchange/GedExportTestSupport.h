// Fixture of the export tests: a fresh database with persons and marriages made
// in one call, a recording progress, the written file as lines and records, and
// a check that every pointer names a record and the pointers agree both ways.
#pragma once

#include <string>
#include <vector>

#include "exchange/GedExport.h"
#include "exchange/GedcomLine.h"
#include "tests/db/DbTestSupport.h"

struct TRecordedProgress : IGedExportProgress {
  void SetEntryText(const std::string& text) override { entries.push_back(text); }
  void AddMessage(const std::string& text) override { messages.push_back(text); }
  void ProgressStep(int position) override { positions.push_back(position); }
  bool CancelRequested() override { return ++asked > cancelAfterAsking && cancelAfterAsking >= 0; }

  std::vector<std::string> entries, messages;
  std::vector<int> positions;
  int asked = 0;
  int cancelAfterAsking = -1;  // -1: never
};

class GedExportTest : public DbTest {
 protected:
  // A stored person; sex 0 male, 1 female, 2 unknown.
  int AddPerson(const std::string& vorname, const std::string& nachname, int sex, int vater = 0, int mutter = 0);
  int AddPerson(TPersonDetail& p);
  // A marriage row through the database (both partners must exist).
  int AddMarriage(int mann, int frau, bool verheiratet = true);
  int AddMarriage(TEheRec& rec);
  // A row written past the checks of the database, as an import may leave one.
  void AddRawMarriage(int id, int mann, int frau);

  // Exports into the test directory and returns the file's bytes.
  std::string Export(const TGedExportOptions& options = {}, const std::string& name = "export.ged");

  TRecordedProgress progress;
  TGedExportResult result;
};

// The lines of the bytes, each of which must end in CR LF.
std::vector<std::string> FileLines(const std::string& bytes);
// The lines of the record that begins "0 xref ", up to the next level-0 line.
std::vector<std::string> RecordLines(const std::vector<std::string>& lines, const std::string& xref);
// The text of the 1252 bytes, for comparing with UTF-8 expectations.
std::string FromAnsi(const std::string& bytes);
// The records of a file's bytes, read with the program's GEDCOM reader.
std::vector<TGedRecord> ReadRecords(const std::string& bytes);
// Every pointer that names no record, every CHIL without the child's FAMC
// (and back), every HUSB or WIFE without the partner's FAMS (and back), one
// text each; empty when all agree.
std::vector<std::string> PointerFaults(const std::vector<TGedRecord>& records);
// Whether a record with this xref is in the file.
bool HasRecord(const std::vector<TGedRecord>& records, const std::string& xref);
