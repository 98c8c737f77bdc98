// db_bench: times the table layer on a synthetic database of 100,000
// persons: the bulk insert, opening, the relative lookups, a full walk in
// index order, the keyword rebuild, and the peak memory. Run on demand;
// it prints figures and never fails on them.
//   db_bench [--persons N] [--marriages M] [--keep DIR] [--no-keywords]
// --keep leaves the database in DIR; a later run with the same DIR skips
// the insert and times the rest on it.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "bench/SyntheticDb.h"
#include "core/Configuration.h"
#include "core/Host.h"
#include "core/Paths.h"
#include "core/Project.h"
#include "db/AhnenDB.h"
#include "db/Iterators.h"
#include "db/Keywords.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

void Line(const std::string& what, double value, const char* unit, const std::string& target) {
  std::cout << std::left << std::setw(44) << what << std::right << std::setw(10) << std::fixed
            << std::setprecision(unit[0] == 's' ? 2 : 1) << value << ' ' << unit << "   (target " << target << ")\n";
}

// The average of one call of lookup over persons, in microseconds.
template <class F>
double Average(const std::vector<std::unique_ptr<TPerson>>& persons, F&& lookup) {
  const auto started = Clock::now();
  std::size_t sink = 0;
  for (const auto& p : persons) sink += lookup(*p);
  const double us = Seconds(started) * 1e6 / static_cast<double>(persons.size());
  if (sink == static_cast<std::size_t>(-1)) std::cout << "";  // keeps the calls from being optimised away
  return us;
}

}  // namespace

int main(int argc, char* argv[]) {
  TSyntheticSize size;
  std::string keep;
  bool keywords = true;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (a == "--persons") size.persons = std::atoi(value), ++i;
    else if (a == "--marriages") size.marriages = std::atoi(value), ++i;
    else if (a == "--keep") keep = value, ++i;
    // Tells the cost of the keyword index apart from that of the persons.
    else if (a == "--no-keywords") keywords = false;
  }

  std::string base = keep;
  if (base.empty()) {
    std::string templ = (std::filesystem::temp_directory_path() / "orvelin-bench-XXXXXX").string();
    if (!::mkdtemp(templ.data())) return 1;
    base = templ;
  }
  base = IncludeTrailingSeparator(base);
  // The per-user store goes with the benchmark's files, not the user's.
  ::setenv("XDG_CONFIG_HOME", (base + "config").c_str(), 1);
  TPlainHost host(false);
  SetHost(&host);

  try {
    std::string project = base + "db/Orvelin.ov";
    const bool reuse = !keep.empty() && FileExists(project);
    if (!reuse) {
      project = CreateSyntheticProject(base + "db/", "Benchmark");
      OpenProject(project);
      if (!keywords)
        for (int n = 52; n <= 59; ++n) Config->SetOptionBool(n, false);
      const auto started = Clock::now();
      const double sweep = FillSyntheticDb(*AhnenDB, size);
      const double insert = Seconds(started);
      std::cout << AhnenDB->RecordCount(TableId::Person) << " persons, " << AhnenDB->RecordCount(TableId::Ehe)
                << " marriages, " << AhnenDB->RecordCount(TableId::Key) << " keywords\n";
      Line("bulk insert (one transaction)", insert, "s", "<= 4 s");
      Line("  of which the keyword sweep", sweep, "s", "-");
      CloseProject();
    }

    auto started = Clock::now();
    OpenProject(project);
    Line("opening the project", Seconds(started) * 1e3, "ms", "<= 300 ms");
    TAhnenDB& db = *AhnenDB;
    const int persons = db.RecordCount(TableId::Person);

    std::mt19937 rng(7);
    std::uniform_int_distribution<int> anyId(1, persons);
    std::vector<std::unique_ptr<TPerson>> sample;
    for (int i = 0; i < 20000; ++i) sample.push_back(db.getPerson(anyId(rng)));
    Line("getChildren", Average(sample, [&](const TPerson& p) { return db.getChildren(p)->Count(); }), "us",
         "<= 100 us");
    Line("getPartners", Average(sample, [&](const TPerson& p) { return db.getPartners(p)->Count(); }), "us",
         "<= 100 us");
    Line("father and mother", Average(sample, [&](const TPerson& p) {
           return static_cast<std::size_t>(db.getPerson(p.Vater)->Id + db.getPerson(p.Mutter)->Id);
         }), "us", "<= 100 us");

    for (const char* order : {"vorname", "id"}) {
      started = Clock::now();
      TPersonIterator it(db, order);
      int walked = 0;
      for (auto p = it.first(); p; p = it.next()) ++walked;
      Line(std::string("walk of ") + std::to_string(walked) + " persons by " + order, Seconds(started), "s",
           "<= 0.5 s");
    }

    started = Clock::now();
    RebuildAllKeys(db, {});
    Line("keyword rebuild (" + std::to_string(db.RecordCount(TableId::Key)) + " rows)", Seconds(started), "s", "-");
    CloseProject();
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }

  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  Line("peak memory (ru_maxrss)", static_cast<double>(usage.ru_maxrss) / 1024.0, "MB", "<= 200 MB");
  SetHost(nullptr);
  if (keep.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
  }
  return 0;
}
