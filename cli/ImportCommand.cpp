#include "cli/ImportCommand.h"

#include <iostream>

#include "cli/ToolSession.h"
#include "core/Prompter.h"
#include "exchange/GedImport.h"

const char* const kImportUsage =
    "  ovtool import PROJEKTDATEI DATEI.ged [Optionen]\n"
    "                             GEDCOM-Datei einlesen; Optionen:\n"
    "       --ergaenzen           auch in eine Datenbank, die schon Daten enthält\n"
    "       --kommentar           unbekannte Angaben in den Kommentar statt in Diverses\n"
    "       --ignorieren          unbekannte Angaben nicht übernehmen\n"
    "       --ohne-refn           REFN nicht als Karteinummer lesen\n"
    "       --ahnenwin            Felder von 'Ahnen f. Windows' in Notizen lesen\n"
    "       --dos | --kein-dos    8-Bit-Zeichen als DOS-Zeichensatz lesen oder nicht\n"
    "       --nationalitaet       NATI als Diverses statt als Bürgerort\n"
    "       --meldungsliste DATEI Meldungsliste in DATEI schreiben\n"
    "       --ausfuehrlich        auch Fortschritt und jeden Datensatz ausgeben\n";

namespace {

class TConsoleProgress : public IGedImportProgress {
 public:
  explicit TConsoleProgress(bool verbose) : verbose_(verbose) {}
  void SetEntryText(const std::string& text) override {
    if (verbose_ && !text.empty()) std::cout << text << '\n';
  }
  void AddMessage(const std::string& text) override { std::cout << text << '\n'; }
  void SetProgress(int percent) override {
    if (verbose_ && percent % 10 == 0 && percent != last_) std::cout << "Fortschritt: " << percent << " %" << std::endl;
    last_ = percent;
  }
  bool Cancelled() override { return false; }

 private:
  bool verbose_;
  int last_ = -1;
};

// Unknown tags keep their own names, as when the user leaves the name empty.
class TTagsAsTheyAre : public IGedTagNamer {
 public:
  std::string NameTag(const std::string&, const std::string&) override { return {}; }
};

// Answers the question before adding to existing data as the option says.
class TMergePrompter : public IPrompter {
 public:
  TMergePrompter(bool merge, IPrompter& others) : merge_(merge), others_(others) {}
  PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) override {
    if (text != kGedMergeQuestion) return others_.Ask(kind, text, buttons);
    asked = true;
    return merge_ ? PromptAnswer::Yes : PromptAnswer::Cancel;
  }
  bool asked = false;

 private:
  bool merge_;
  IPrompter& others_;
};

class TPrompterScope {
 public:
  explicit TPrompterScope(IPrompter& p) : old_(Prompter()) { SetPrompter(&p); }
  ~TPrompterScope() { SetPrompter(&old_); }

 private:
  IPrompter& old_;
};

}  // namespace

int ImportCommand(const std::vector<std::string>& args) {
  if (args.size() < 2) return 2;
  bool merge = false, verbose = false;
  std::string listFile;
  TGedImportOptions o;
  int dos = -1;  // as the pre-scan finds it
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--ergaenzen") merge = true;
    else if (a == "--kommentar") o.UserDefTags = TUserDefTags::Kommentar;
    else if (a == "--ignorieren") o.UserDefTags = TUserDefTags::Ignorieren;
    else if (a == "--ohne-refn") o.ReadRefnTags = false;
    else if (a == "--ahnenwin") o.AhnenWinFields = true;
    else if (a == "--dos") dos = 1;
    else if (a == "--kein-dos") dos = 0;
    else if (a == "--nationalitaet") o.NationalityToBuergerort = false;
    else if (a == "--ausfuehrlich") verbose = true;
    else if (a == "--meldungsliste" && i + 1 < args.size()) listFile = args[++i];
    else return 2;
  }
  TGedImport import(args[1]);
  if (dos >= 0) o.ConvertDosToAnsi = dos == 1;
  else o.ConvertDosToAnsi = import.Options().ConvertDosToAnsi;
  import.Options() = o;

  TToolSession session(args[0]);
  for (const std::string& line : import.DateiInfo()) std::cout << line << '\n';
  std::cout << '\n';
  TMergePrompter prompter(merge, Prompter());
  const TPrompterScope scope(prompter);
  TConsoleProgress progress(verbose);
  TTagsAsTheyAre namer;
  TGedImportResult r;
  try {
    r = import.Run(progress, &namer);
  } catch (...) {
    if (!listFile.empty()) import.SaveMessageList(listFile);
    throw;
  }
  if (!listFile.empty()) import.SaveMessageList(listFile);
  if (!r.started) {
    std::cerr << "Die Datenbank enthält bereits Daten; mit --ergaenzen werden sie um die GEDCOM-Daten ergänzt.\n"
                 "Die GEDCOM-Datei wurde nicht eingelesen.\n";
    return 1;
  }
  if (r.cancelled) return 1;
  std::cout << "\nNeue Personen: " << r.counts.persons << "\nNeue Ehen: " << r.counts.marriages
            << "\nNeue weitere Verbindungen: " << r.counts.links << "\nNeue Multimediaeinträge: " << r.counts.media
            << "\nNeue Einträge Diverses: " << r.counts.diverses << "\nGelesene Zeilen: " << r.lines << '\n';
  return 0;
}
