// The state one import shares between its record readers: database, options,
// cursor, message list, the first reading, and the exact map (case and length
// count) from identifiers to the persons this import made.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "exchange/GedImportHost.h"
#include "exchange/GedImportLines.h"
#include "exchange/GedImportOptions.h"
#include "exchange/GedImportPrePass.h"

class TAhnenDB;

enum class TGedRole { Other, Husband, Wife };

struct TGedPersonRef {
  int id = 0;
  bool filled = false;   // its INDI record has been read
  bool sawSex = false;   // that record had a SEX line
  bool wife = false;     // a family names it as WIFE
  int sex = 2;           // the fields last stored
  int vater = 0;
  int mutter = 0;
};

struct TGedImportCounts {
  int persons = 0;    // new person rows, those made for a mere mention included
  int marriages = 0;
  int links = 0;
  int media = 0;
  int diverses = 0;
};

class TGedImportRun {
 public:
  TGedImportRun(TAhnenDB& db, const TGedImportOptions& options, TGedLineCursor& in, IGedImportProgress& progress,
                IGedTagNamer* namer, const TGedPrePass& facts);
  TGedImportRun(const TGedImportRun&) = delete;
  TGedImportRun& operator=(const TGedImportRun&) = delete;

  TAhnenDB& db;
  const TGedImportOptions& options;
  TGedLineCursor& in;
  TGedImportCounts counts;

  const TGedEntry& Cur() const { return in.Current(); }
  void Message(const std::string& text) { progress_.AddMessage(text); }
  void Dump(const TGedEntry& e) { Message(DumpText(e)); }
  void SetEntryText(const std::string& text) { progress_.SetEntryText(text); }
  // The name for a tag (TranslateTag with the option "Benutzer nach
  // Uebersetzung fragen").
  std::string Translate(const std::string& tag, const std::string& sample);

  // The person a pointer value ("@I1@") stands for; a new, empty person is
  // made at its first mention. Null for an empty value.
  TGedPersonRef* PersonFor(const std::string& value, TGedRole role = TGedRole::Other);
  // The entry of an identifier, or null when it was not mentioned yet.
  TGedPersonRef* Known(const std::string& key);
  TGedPersonRef& Bind(const std::string& key, int id);

  // The title of the source a pointer names, the text of a note record, or
  // the value itself when it names none.
  std::string SourceText(const std::string& value) const;
  std::string NoteText(const std::string& value) const;
  // The files of an object record, or null.
  const std::vector<TGedMediaRef>* Object(const std::string& value) const;
  // What the first reading found.
  const TGedPrePass& Facts() const { return facts_; }

 private:
  IGedImportProgress& progress_;
  IGedTagNamer* namer_;
  const TGedPrePass& facts_;
  std::unordered_map<std::string, TGedPersonRef> persons_;
};
