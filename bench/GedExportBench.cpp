// ged_export_bench: times the GEDCOM export of a synthetic database of
// 100,000 persons (with links, media, free-form entries and comments on some
// of them) in each character set, and with half of the persons selected.
// Run on demand; it prints figures and never fails on them.
//   ged_export_bench [--persons N] [--marriages M] [--keep DIR]
// --keep leaves the database in DIR; a later run with the same DIR reuses it.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "bench/SyntheticDb.h"
#include "core/Configuration.h"
#include "core/Host.h"
#include "core/Paths.h"
#include "core/Project.h"
#include "db/AhnenDB.h"
#include "db/PersonRows.h"
#include "db/PersonSelection.h"
#include "exchange/GedExport.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

class TQuiet : public IGedExportProgress {
 public:
  void SetEntryText(const std::string&) override {}
  void AddMessage(const std::string&) override {}
  void ProgressStep(int) override {}
};

// Every 20th person gets a link, a media file and a free-form entry, every
// 10th a comment of two lines: written as rows directly, the export only reads.
void AddEntries(TAhnenDB& db) {
  const int persons = db.RecordCount(TableId::Person);
  auto tx = db.Transaction();
  TStatement link(db.Connection(), "INSERT INTO " + TableName(TableId::Link) + " (\"Id1\", \"Id2\", \"Text\") VALUES (?1, ?2, 'Pate')");
  TStatement media(db.Connection(), "INSERT INTO " + TableName(TableId::Media) +
                                        " (\"Id\", \"File\", \"Title\") VALUES (?1, 'Bilder/p' || ?1 || '.jpg', 'Portrait')");
  TStatement entry(db.Connection(), "INSERT INTO " + TableName(TableId::Divers) +
                                        " (\"Id\", \"Title\", \"Text\") VALUES (?1, 'Militär', 'Füsilier in Bern')");
  TStatement comment(db.Connection(), "UPDATE " + TableName(TableId::Person) +
                                          " SET \"Kommentar\" = 'Erste Zeile' || char(13, 10) || 'zweite Zeile' WHERE \"Id\" = ?1");
  for (int id = 1; id <= persons; ++id) {
    if (id % 20 == 0) {
      link.Reset(), link.Bind(1, id).Bind(2, id - 1).Run();
      media.Reset(), media.Bind(1, id).Run();
      entry.Reset(), entry.Bind(1, id).Run();
    }
    if (id % 10 == 0) comment.Reset(), comment.Bind(1, id).Run();
  }
  tx->Commit();
}

void Time(TAhnenDB& db, const std::string& file, const std::string& what, const TGedExportOptions& options) {
  TQuiet quiet;
  const auto started = Clock::now();
  const TGedExportResult r = RunGedExport(db, file, options, quiet);
  const double s = Seconds(started);
  std::error_code ec;
  const double mb = static_cast<double>(std::filesystem::file_size(file, ec)) / 1e6;
  std::cout << std::left << std::setw(30) << what << std::right << std::fixed << std::setprecision(2) << std::setw(7)
            << s << " s   (target <= 2 s)   " << r.Individuals << " persons, " << r.Families << " families, "
            << r.ParentPairFamilies << " parent pairs, " << r.Lines << " lines, " << std::setprecision(1) << mb
            << " MB\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  TSyntheticSize size;
  std::string keep;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (a == "--persons") size.persons = std::atoi(value), ++i;
    else if (a == "--marriages") size.marriages = std::atoi(value), ++i;
    else if (a == "--keep") keep = value, ++i;
  }
  std::string base = keep;
  if (base.empty()) {
    std::string templ = (std::filesystem::temp_directory_path() / "orvelin-gedbench-XXXXXX").string();
    if (!::mkdtemp(templ.data())) return 1;
    base = templ;
  }
  base = IncludeTrailingSeparator(base);
  ::setenv("XDG_CONFIG_HOME", (base + "config").c_str(), 1);
  TPlainHost host(false);
  SetHost(&host);

  try {
    std::string project = base + "db/Orvelin.ov";
    if (keep.empty() || !FileExists(project)) {
      project = CreateSyntheticProject(base + "db/", "Benchmark");
      OpenProject(project);
      // The export reads no keywords; building them would only make the set-up slow.
      for (int n = 52; n <= 59; ++n) Config->SetOptionBool(n, false);
      FillSyntheticDb(*AhnenDB, size);
      AddEntries(*AhnenDB);
      CloseProject();
    }
    OpenProject(project);
    TAhnenDB& db = *AhnenDB;
    std::cout << db.RecordCount(TableId::Person) << " persons, " << db.RecordCount(TableId::Ehe) << " marriages, "
              << db.RecordCount(TableId::Link) << " links, " << db.RecordCount(TableId::Media) << " media, "
              << db.RecordCount(TableId::Divers) << " free-form entries\n";

    TGedExportOptions options;
    Time(db, base + "ansi.ged", "export, ANSI", options);
    options.Charset = TGedEncoding::Ansel;
    Time(db, base + "ansel.ged", "export, ANSEL", options);
    options.Charset = TGedEncoding::Utf8;
    Time(db, base + "utf8.ged", "export, UTF-8", options);
    options.Charset = TGedEncoding::Ansi;
    options.SelectedOnly = true;
    ClearSelection();
    for (int id = 1; id <= MaxSelectablePersonId; id += 2) SelectPerson(id);
    Time(db, base + "selected.ged", "export, every 2nd selected", options);
    CloseProject();
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }

  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  std::cout << "peak memory (ru_maxrss)       " << std::fixed << std::setprecision(1)
            << static_cast<double>(usage.ru_maxrss) / 1024.0 << " MB\n";
  SetHost(nullptr);
  if (keep.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
  }
  return 0;
}
