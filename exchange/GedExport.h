// The GEDCOM 5.5 export of the whole database or the selected persons. Every
// pointer names a written record, values with line breaks become CONT lines,
// and a character the chosen set cannot hold is reported with its record.
#pragma once

#include <ostream>
#include <string>

#include "exchange/GedExportOptions.h"
#include "exchange/GedExportProgress.h"
#include "exchange/GedFamilyPlan.h"
#include "exchange/GedcomWriter.h"

class TAhnenDB;
class TPersonDetail;
struct TEheRec;

struct TGedExportResult {
  int Individuals = 0;
  int Families = 0;            // from marriage rows
  int ParentPairFamilies = 0;  // @F father_mother@
  long Lines = 0;
  long Unencodable = 0;  // characters written as "&#N;"
  bool Cancelled = false;
};

// Writes the file fileName (the old one is replaced only when the export
// succeeds), reporting to progress; ends with the message "GEDCOM-Datei
// geschrieben." and the counts. A cancelled run writes no file. Throws
// EInOutError or EDatabaseError; the file stays as it was then. Pending
// messages run now and then (Host().ProcessMessages()): the window must keep
// the database from being edited or closed until the export returns.
TGedExportResult RunGedExport(TAhnenDB& db, const std::string& fileName, const TGedExportOptions& options,
                              IGedExportProgress& progress);

// The records one by one, into any stream; RunGedExport drives them in order.
// db, options and progress must outlive the run.
class TGedExportRun {
 public:
  TGedExportRun(TAhnenDB& db, std::ostream& out, const TGedExportOptions& options, IGedExportProgress& progress);

  // fileName: its name without directory goes into the FILE line.
  void WriteHeader(const std::string& fileName);
  // Writes the persons, the marriage rows and the parent pairs the plan
  // holds, in ascending id order and list order.
  void WriteIndividuals();
  void WriteFamilies();
  void WriteParentPairFamilies();
  void WriteTrailer();

  // A person the plan writes (with its links, media and entries read here).
  void WriteIndividual(const TPersonDetail& person);
  // A marriage row the plan writes.
  void WriteFamily(const TEheRec& row);

  const TGedFamilyPlan& Plan() const { return plan_; }
  // The counts so far.
  TGedExportResult Result() const;
  // True when lines with characters the set cannot hold were too many to be
  // reported one by one.
  bool MessagesSuppressed() const;
  // Thrown out of a step when the user asked to stop.
  struct TCancelled {};

 private:
  void Line(int level, const char* tag, const std::string& value = {}, const std::string& xref = {});
  void Lines(int level, const char* tag, const std::vector<std::string>& lines);
  void Event(const char* tag, const std::string& date, int qualifier, const std::string& place,
             const std::string& source, const std::string* cause = nullptr);
  void Entry(const std::string& text, const std::string& context);
  void Step();
  void Report(const TGedProblem& problem);
  void WriteAssociations(const TPersonDetail& p);
  void WriteMedia(const TPersonDetail& p);
  void WriteDiverses(const TPersonDetail& p);
  void WriteSpouseFamilies(const TPersonDetail& p);
  void WriteParentFamily(const TPersonDetail& p);

  TAhnenDB& db_;
  const TGedExportOptions& options_;
  IGedExportProgress& progress_;
  TGedWriter writer_;
  TGedFamilyPlan plan_;
  TGedExportResult result_;
  std::vector<bool> hasLinks_, hasMedia_, hasDiverses_;  // by person id
  std::string context_;  // the record being written, for messages
  int position_ = 0;
  long steps_ = 0;
  long reported_ = 0;
};
