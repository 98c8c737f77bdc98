// ged_import_bench: times the GEDCOM import of a synthetic file of N persons
// (default 100,000) into a new database: the pre-scan, the import with its
// keywords, and the peak memory of the import alone. Run on demand; it
// prints figures and never fails on them.
//   ged_import_bench [--persons N] [--keep DIR]
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>
#include <unistd.h>

#include "bench/SyntheticDb.h"
#include "bench/SyntheticGedcom.h"
#include "core/Host.h"
#include "core/Paths.h"
#include "core/Project.h"
#include "db/AhnenDB.h"
#include "exchange/GedImport.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

void Line(const std::string& what, double value, const char* unit, const std::string& target) {
  std::cout << std::left << std::setw(44) << what << std::right << std::setw(10) << std::fixed
            << std::setprecision(unit[0] == 's' ? 2 : 1) << value << ' ' << unit << "   (target " << target << ")\n";
}

// The peak resident size is reset here, so that it tells the import's own
// need and not that of writing the file before (Linux: "5" to clear_refs).
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

double PeakMemoryMb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  return 0;
}

// Notes when the records are stored and the keywords begin.
class TQuiet : public IGedImportProgress {
 public:
  void SetEntryText(const std::string& text) override {
    if (text == "Schlüsselworte werden erstellt...") keywordsFrom = Clock::now();
  }
  void AddMessage(const std::string&) override { ++messages; }
  void SetProgress(int) override {}
  bool Cancelled() override { return false; }
  long messages = 0;
  Clock::time_point keywordsFrom;
};

}  // namespace

int main(int argc, char* argv[]) {
  TSyntheticGedcomSize size;
  std::string keep;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (a == "--persons") size.persons = std::atoi(value), ++i;
    else if (a == "--keep") keep = value, ++i;
  }
  std::string base = keep;
  if (base.empty()) {
    std::string templ = (std::filesystem::temp_directory_path() / "orvelin-gedbench-XXXXXX").string();
    if (!::mkdtemp(templ.data())) return 1;
    base = templ;
  }
  base = IncludeTrailingSeparator(base);
  std::filesystem::create_directories(base);
  ::setenv("XDG_CONFIG_HOME", (base + "config").c_str(), 1);
  TPlainHost host(false);
  SetHost(&host);

  try {
    const std::string file = base + "synthetic.ged";
    auto started = Clock::now();
    const TSyntheticGedcomCounts written = WriteSyntheticGedcom(file, size);
    std::cout << written.persons << " persons, " << written.families << " families, " << written.lines << " lines, "
              << std::filesystem::file_size(file) / (1024 * 1024) << " MB written in " << std::setprecision(2)
              << std::fixed << Seconds(started) << " s\n";
    const std::string project = CreateSyntheticProject(base + "db/", "Benchmark");
    OpenProject(project);
    ResetPeakMemory();

    started = Clock::now();
    TGedImport import(file);
    const double scan = Seconds(started);
    TQuiet quiet;
    const auto run = Clock::now();
    const TGedImportResult r = import.Run(quiet, nullptr);
    const double importing = Seconds(run);
    const double total = Seconds(started);
    const double peak = PeakMemoryMb();
    std::cout << r.counts.persons << " persons, " << r.counts.marriages << " marriages, "
              << AhnenDB->RecordCount(TableId::Key) << " keywords, " << quiet.messages << " messages\n";
    Line("pre-scan (Datei-Info)", scan, "s", "-");
    Line("  records into the tables", std::chrono::duration<double>(quiet.keywordsFrom - run).count(), "s", "-");
    Line("  keywords", Seconds(quiet.keywordsFrom), "s", "-");
    Line("import with keywords", importing, "s", "-");
    Line("pre-scan and import", total, "s", "<= 5 s");
    Line("peak memory of the import (VmHWM)", peak, "MB", "<= 300 MB");
    CloseProject();
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  SetHost(nullptr);
  if (keep.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
  }
  return 0;
}
