// The GEDCOM import into the open database: the pre-scan when it is made,
// the options, and the run. A run is one transaction: it either stores the
// whole file or, failed or cancelled, leaves the database as it was. The
// change log is off while it runs; the message list keeps the last 1000 lines.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "exchange/GedImportHost.h"
#include "exchange/GedImportOptions.h"
#include "exchange/GedImportRun.h"
#include "exchange/GedcomPreScan.h"

// The import failed; the message says why and that nothing was stored.
class EGedImportError : public EOrvelin {
 public:
  using EOrvelin::EOrvelin;
};

struct TGedImportResult {
  bool started = false;    // false: the user did not want to add to the data present
  bool cancelled = false;  // stopped through IGedImportProgress::Cancelled
  TGedImportCounts counts;
  long lines = 0;          // lines read, counted as the messages count them
};

class TGedImport {
 public:
  // The pre-scan of the file (header, submitter, counts); sets
  // ConvertDosToAnsi unless the header declares ANSI or ANSEL or the bytes
  // are Unicode. Throws EInOutError when the file cannot be read.
  explicit TGedImport(const std::string& fileName);

  const std::string& FileName() const { return fileName_; }
  const TGedDateiInfo& Info() const { return info_; }
  // The lines of the page "Datei-Info".
  const std::vector<std::string>& DateiInfo() const { return dateiInfo_; }
  TGedImportOptions& Options() { return options_; }

  // Reads the file into AhnenDB. When the person or the marriage table holds
  // rows, the prompter asks first; an answer other than Yes ends here.
  // Each record lets the host's pending messages run and asks progress
  // whether to stop. Throws EGedImportError when the file or the database
  // fails; the database is then unchanged.
  TGedImportResult Run(IGedImportProgress& progress, IGedTagNamer* namer);

  const std::deque<std::string>& Messages() const { return messages_; }
  // Writes the message list, one line per message ("GedImport.txt").
  void SaveMessageList(const std::string& path) const;

 private:
  class TRecorder;

  std::string fileName_;
  TGedDateiInfo info_;
  std::vector<std::string> dateiInfo_;
  TGedImportOptions options_;
  std::deque<std::string> messages_;
};

// The question asked before adding to a database that holds data.
inline constexpr const char* kGedMergeQuestion =
    "In Ihrer Datenbank befinden sich bereits Daten. Wenn Sie fortfahren, werden diese Daten mit den "
    "GEDCOM-Daten ergänzt. \n\nWollen Sie wirklich fortfahren?";
