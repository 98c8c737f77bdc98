#include "exchange/GedImport.h"

#include <fstream>

#include "core/Configuration.h"
#include "core/Host.h"
#include "core/Prompter.h"
#include "core/TextFile.h"
#include "db/AhnenDB.h"
#include "db/KeywordBatch.h"
#include "exchange/GedFamily.h"
#include "exchange/GedFileInfo.h"
#include "exchange/GedImportIndexes.h"
#include "exchange/GedImportPrePass.h"
#include "exchange/GedIndividual.h"

namespace {

constexpr std::size_t kMaxMessages = 1000;

struct TCancelled {};

// The import writes no change log; the setting is restored however it ends.
class TChangeLogPause {
 public:
  TChangeLogPause() {
    if (Config) {
      saved_ = Config->LogDBAktionen;
      Config->LogDBAktionen = false;
    }
  }
  ~TChangeLogPause() {
    if (Config) Config->LogDBAktionen = saved_;
  }
  TChangeLogPause(const TChangeLogPause&) = delete;
  TChangeLogPause& operator=(const TChangeLogPause&) = delete;

 private:
  bool saved_ = false;
};

bool IsContinuation(const TGedEntry& e) { return e.Is("CONC") || e.Is("CONT"); }

// A record the import does not store. Its lines are named in the message
// list, except those of HEAD and SUBM (shown on "Datei-Info") and the texts
// taken where other records point to them: the lines with a used tag, and
// with valueUsed the continuation of the record's own value.
void SkipRecord(TGedImportRun& run, const std::vector<const char*>& used, bool valueUsed, bool quiet) {
  const int level = run.Cur().level;
  run.in.Advance();
  bool ownerUsed = false;
  while (!run.Cur().AtEnd() && run.Cur().level > level) {
    const TGedEntry& e = run.Cur();
    bool isUsed;
    if (IsContinuation(e)) {
      isUsed = e.level == level + 1 ? valueUsed : ownerUsed;
    } else {
      ownerUsed = false;
      for (const char* tag : used) ownerUsed = ownerUsed || e.Is(tag);
      isUsed = ownerUsed;
    }
    if (!quiet && !isUsed) {
      run.Message("Ignoriere Tag " + e.tag + " in: ");
      run.Dump(e);
    }
    run.in.Advance();
  }
}

void ReadRecord(TGedImportRun& run) {
  const TGedEntry& e = run.Cur();
  if (e.level == 0 && e.Is("INDI")) return TGedIndividual(run).ReadRecord();
  if (e.level == 0 && e.Is("FAM")) return TGedFamily(run).ReadRecord();
  if (e.level != 0) {
    run.Message("Ignoriere Tag " + e.tag + " in: ");
    run.Dump(e);
    return SkipRecord(run, {}, false, false);
  }
  if (e.Is("HEAD") || e.Is("SUBM")) return SkipRecord(run, {}, false, true);
  if (!e.xref.empty() && e.Is("NOTE")) return SkipRecord(run, {}, true, false);
  if (!e.xref.empty() && e.Is("SOUR")) return SkipRecord(run, {"TITL", "ABBR"}, true, false);
  if (!e.xref.empty() && e.Is("OBJE")) return SkipRecord(run, {"FILE", "FORM", "TITL", "TYPE", "MEDI"}, false, false);
  SkipRecord(run, {}, false, false);
}

void ReadRecords(TGedImportRun& run, IGedImportProgress& progress, long expected) {
  long done = 0;
  int shown = -1;
  bool trailer = false, saidAfterTrailer = false;
  while (!run.Cur().AtEnd()) {
    const TGedEntry first = run.Cur();
    if (trailer && !saidAfterTrailer) {
      saidAfterTrailer = true;
      run.Message("Zeile " + std::to_string(first.number) +
                  ": Nach der Schlusszeile TRLR folgen weitere Zeilen; sie werden auch gelesen");
    }
    if (first.level == 0 && first.Is("TRLR")) trailer = true;
    try {
      ReadRecord(run);
    } catch (const EConvertError& error) {
      run.Message("Fehler in Eintrag beginnend auf Zeile " + std::to_string(first.number) + ": " + first.raw);
      run.Message(error.what());
    }
    if (!run.Cur().AtEnd() && run.Cur().number == first.number) run.in.Advance();
    Host().ProcessMessages();
    if (progress.Cancelled()) throw TCancelled{};
    const int percent = static_cast<int>(std::min<long>(100, ++done * 100 / std::max(1L, expected)));
    if (percent != shown) progress.SetProgress(shown = percent);
  }
  if (!trailer)
    run.Message("Zeile " + std::to_string(run.Cur().number - 1) +
                ": Die Datei endet ohne Schlusszeile TRLR; sie ist vielleicht unvollständig");
}

}  // namespace

// Keeps the last lines of the message list and passes everything on.
class TGedImport::TRecorder : public IGedImportProgress {
 public:
  TRecorder(std::deque<std::string>& messages, IGedImportProgress& to) : messages_(messages), to_(to) {}
  void SetEntryText(const std::string& text) override { to_.SetEntryText(text); }
  void AddMessage(const std::string& text) override {
    if (messages_.size() >= kMaxMessages) messages_.pop_front();
    messages_.push_back(text);
    to_.AddMessage(text);
  }
  void SetProgress(int percent) override { to_.SetProgress(percent); }
  bool Cancelled() override { return to_.Cancelled(); }

 private:
  std::deque<std::string>& messages_;
  IGedImportProgress& to_;
};

TGedImport::TGedImport(const std::string& fileName) : fileName_(fileName), info_(ScanGedcomFile(fileName)) {
  dateiInfo_ = DateiInfoLines(info_);
  const TGedCharset declared = info_.ZeichensatzAngegeben, read = info_.ZeichensatzGelesen;
  const bool unicode = read == TGedCharset::Utf8 || read == TGedCharset::Utf16LE || read == TGedCharset::Utf16BE ||
                       read == TGedCharset::Unicode;
  options_.ConvertDosToAnsi = declared != TGedCharset::Ansi && declared != TGedCharset::Ansel && !unicode;
}

TGedImportResult TGedImport::Run(IGedImportProgress& progress, IGedTagNamer* namer) {
  TGedImportResult result;
  if (!AhnenDB || !AhnenDB->IsOpen()) throw EGedImportError("Es ist keine Datenbank geöffnet.");
  TAhnenDB& db = *AhnenDB;
  if (db.RecordCount(TableId::Person) > 0 || db.RecordCount(TableId::Ehe) > 0) {
    if (Prompter().Ask(PromptKind::Warning, kGedMergeQuestion, PromptButtons::YesCancel) != PromptAnswer::Yes)
      return result;
  }
  result.started = true;
  messages_.clear();
  TRecorder out(messages_, progress);
  const TChangeLogPause pause;
  try {
    out.SetEntryText("Verweise werden gelesen...");
    const TGedPrePass facts = ReadPrePass(fileName_, options_.ConvertDosToAnsi);
    std::ifstream file(fileName_, std::ios::binary);
    if (!file) throw EInOutError("Die GEDCOM-Datei \"" + fileName_ + "\" kann nicht geöffnet werden.");
    TGedLineCursor in(file, [&out](const TGedProblem& p) { out.AddMessage(p.text); }, options_.ConvertDosToAnsi);
    const auto tx = db.Transaction();
    {
      TKeywordBatch keywords(db);
      TGedImportRun run(db, options_, in, out, namer, facts);
      const auto read = [&] { ReadRecords(run, out, info_.Datensaetze); };
      // Worth it when the file brings a good part of the persons.
      const int present = db.RecordCount(TableId::Person);
      if (info_.Personen >= 1000 && info_.Personen * 4L >= present)
        WithoutTableIndexes(db, {TableId::Person, TableId::Ehe}, read);
      else
        read();
      out.SetEntryText("Datenbank-Einträge sind erstellt.");
      result.counts = run.counts;
      result.lines = in.Lines();
      out.SetEntryText("Schlüsselworte werden erstellt...");
      int shown = -1;
      keywords.Finish([&](int done, int total) {
        if (done % 1000 == 0) {
          Host().ProcessMessages();
          if (out.Cancelled()) throw TCancelled{};
        }
        const int percent = total > 0 ? static_cast<int>(100LL * done / total) : 100;
        if (percent != shown) out.SetProgress(shown = percent);
      });
    }
    tx->Commit();
  } catch (const TCancelled&) {
    out.AddMessage("Der Import wurde abgebrochen. Die Datenbank ist unverändert.");
    out.SetEntryText("");
    out.SetProgress(0);
    result.cancelled = true;
    return result;
  } catch (const std::exception& e) {
    const std::string text =
        std::string(e.what()) + "\nDie GEDCOM-Datei wurde nicht eingelesen; die Datenbank ist unverändert.";
    out.AddMessage("Fehler: " + text);
    out.SetEntryText("");
    out.SetProgress(0);
    throw EGedImportError(text);
  }
  for (const char* line : {"GEDCOM-Datei ist eingelesen!", "Falls ungültige oder unbekannte Informationen gefunden ",
                           "wurden, wurden diese ausgegeben und automatisch ", "im Personen-Kommentar gespeichert."})
    out.AddMessage(line);
  out.SetEntryText("");
  out.SetProgress(0);
  return result;
}

void TGedImport::SaveMessageList(const std::string& path) const {
  WriteTextLines(path, std::vector<std::string>(messages_.begin(), messages_.end()));
}
