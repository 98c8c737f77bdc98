// ovtool: the batch tool over the core, for scripts and benchmarks.
// Exit status 0 on success; a failure prints its German message and gives 1.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

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
               "  ovtool open PROJEKTDATEI   Datenbank öffnen, Protokoll ausgeben, schliessen\n"
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
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return Usage();
}
