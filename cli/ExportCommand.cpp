#include "cli/ExportCommand.h"

#include <iostream>

#include "cli/ToolSession.h"
#include "core/Configuration.h"
#include "db/AhnenDB.h"
#include "db/PersonSelection.h"
#include "exchange/GedExport.h"

namespace {

// The window's message list on standard output; the entry line and the
// progress bar have no place in a terminal.
class TPrintedProgress : public IGedExportProgress {
 public:
  void SetEntryText(const std::string&) override {}
  void AddMessage(const std::string& text) override { std::cout << text << '\n'; }
  void ProgressStep(int) override {}
};

}  // namespace

bool ExportCommand(const std::vector<std::string>& args, int& status) {
  if (args.size() < 2) return false;
  TGedExportOptions options;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--selected") {
      options.SelectedOnly = true;
    } else if (args[i] == "--charset" && i + 1 < args.size()) {
      if (!ParseGedCharset(args[++i], options.Charset)) {
        std::cerr << "Unbekannter Zeichensatz \"" << args[i] << "\": möglich sind ANSI, ANSEL und UTF-8.\n";
        status = 2;
        return true;
      }
    } else {
      return false;
    }
  }
  TToolSession session(args[0]);
  options.Submitter = SubmitterFromConfig(*Config);
  if (options.SelectedOnly) LoadDatabaseSelection();
  TPrintedProgress progress;
  RunGedExport(*AhnenDB, args[1], options, progress);
  status = 0;
  return true;
}
