// ovtool: the batch tool over the core, for scripts and benchmarks.
// Exit status 0 on success; a failure prints its German message and gives 1.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/InfoCommand.h"
#include "cli/KeywordsCommand.h"
#include "cli/NewCommand.h"
#include "core/Configuration.h"
#include "core/Errors.h"
#include "core/Host.h"
#include "core/Project.h"
#include "core/Prompter.h"

namespace {

// Messages meant for a box go to standard error.
class TConsolePrompter : public IPrompter {
 public:
  PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) override {
    std::cerr << text << '\n';
    return buttons == PromptButtons::Abort ? PromptAnswer::Abort
           : buttons == PromptButtons::Ok  ? PromptAnswer::Ok
                                           : PromptAnswer::No;
  }
};

int Usage() {
  std::cerr << "Aufruf:\n"
               "  ovtool new VERZEICHNIS [--title TITEL] [--replace]\n"
               "                             neue, leere Datenbank erstellen\n"
               "  ovtool open PROJEKTDATEI   Datenbank öffnen, Protokoll ausgeben, schliessen\n"
               "  ovtool info PROJEKTDATEI   Speicherort und Anzahl der Einträge ausgeben\n"
               "  ovtool keywords PROJEKTDATEI\n"
               "                             Schlüsselworte neu erstellen\n"
            << kImportUsage <<
               "  ovtool export PROJEKTDATEI DATEI.ged [--charset ANSI|ANSEL|UTF-8] [--selected]\n"
               "                             GEDCOM-Datei schreiben (alle oder die ausgewählten Personen)\n"
               "  ovtool version             Programmversion ausgeben\n";
  return 2;
}

int OpenCommand(const std::string& projectFile) {
  TPlainHost host(false);
  SetHost(&host);
  OpenProject(projectFile);
  const bool closed = CloseProject();
  SetHost(nullptr);
  for (const std::string& line : host.logLines) std::cout << line << '\n';
  return closed ? 0 : 1;
}

// "new DIR [--title T] [--replace]"; false for arguments that do not fit.
bool RunNew(const std::vector<std::string>& args, int& status) {
  if (args.size() < 2) return false;
  std::string title;
  bool replace = false;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--replace") replace = true;
    else if (args[i] == "--title" && i + 1 < args.size()) title = args[++i];
    else return false;
  }
  if (title.empty()) {
    // The directory's own name, as the new-database dialog would propose it.
    std::string dir = args[1];
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    title = dir.substr(dir.find_last_of('/') + 1);
  }
  status = NewCommand(args[1], title, replace);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  TConsolePrompter prompter;
  SetPrompter(&prompter);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  try {
    if (args[0] == "version" && args.size() == 1) {
      std::cout << kProgramCaption << '\n';
      return 0;
    }
    if (args[0] == "open" && args.size() == 2) return OpenCommand(args[1]);
    if (args[0] == "info" && args.size() == 2) return InfoCommand(args[1]);
    if (args[0] == "keywords" && args.size() == 2) return KeywordsCommand(args[1]);
    int status = 0;
    if (args[0] == "new" && RunNew(args, status)) return status;
    if (args[0] == "export" && ExportCommand({args.begin() + 1, args.end()}, status)) return status;
    if (args[0] == "import" && (status = ImportCommand({args.begin() + 1, args.end()})) != 2) return status;
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return Usage();
}
