// Fixture of the import tests: a fresh database (DbTest), GEDCOM text written
// to a file and imported with recorded progress and scripted tag names, and
// lookups of the persons, marriages and entries that arrived.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "exchange/GedImport.h"
#include "tests/db/DbTestSupport.h"

struct TRecordedImport : IGedImportProgress {
  void SetEntryText(const std::string& text) override { entries.push_back(text); }
  void AddMessage(const std::string& text) override { messages.push_back(text); }
  void SetProgress(int percent) override { percents.push_back(percent); }
  bool Cancelled() override { return cancelAfter >= 0 && ++asked > cancelAfter; }

  std::vector<std::string> entries, messages;
  std::vector<int> percents;
  int asked = 0;
  int cancelAfter = -1;  // records after which the user cancels; -1: never
};

struct TScriptedNamer : IGedTagNamer {
  std::string NameTag(const std::string& tag, const std::string& sample) override {
    asked.push_back(tag + "|" + sample);
    const auto it = names.find(tag);
    return it == names.end() ? std::string() : it->second;
  }
  std::map<std::string, std::string> names;
  std::vector<std::string> asked;  // "tag|sample"
};

class GedImportTest : public DbTest {
 protected:
  void SetUp() override;

  // A file of the lines between "0 HEAD / 1 CHAR UTF-8" and "0 TRLR".
  static std::string Ged(const std::string& body);
  // Writes the text (as bytes) and imports it; options are changed before
  // the run by the caller through `options`.
  TGedImportResult Import(const std::string& bytes);
  // The import object of the last Import, to look at its message list.
  TGedImport& Last() { return *last_; }

  // Imports a file of the public corpus (path relative to it).
  TGedImportResult ImportFile(const std::string& path);

  // The person with this first name, or these names (there must be exactly one).
  std::unique_ptr<TPersonDetail> Person(const std::string& vorname);
  std::unique_ptr<TPersonDetail> Person(const std::string& vorname, const std::string& nachname);
  std::vector<std::unique_ptr<TPersonDetail>> AllPersons();
  std::vector<TEheRec> AllMarriages();
  // "title: text" of the person's free-form entries, in table order.
  std::vector<std::string> DiversesOf(int id);
  // True when some message contains part.
  bool Said(const std::string& part) const;
  std::string AllMessages() const;

  TGedImportOptions options;
  bool keepDosDefault = true;  // take ConvertDosToAnsi from the pre-scan
  TRecordedImport progress;
  TScriptedNamer namer;

 private:
  std::unique_ptr<TGedImport> last_;
  int files_ = 0;
};
