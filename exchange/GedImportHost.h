// What the GEDCOM import needs from its window: the line showing the record
// being read, the message list, the progress bar, a cancel request, and the
// naming of unknown tags. ovtool and the tests give plain implementations.
#pragma once

#include <string>

class IGedImportProgress {
 public:
  virtual ~IGedImportProgress() = default;
  // The record being processed (the window's `Entry`).
  virtual void SetEntryText(const std::string& text) = 0;
  // One line of the message list (`Memo`).
  virtual void AddMessage(const std::string& text) = 0;
  // 0 to 100.
  virtual void SetProgress(int percent) = 0;
  // Asked after every record and now and then while the keywords are built;
  // true stops the import, which then leaves the database as it was.
  virtual bool Cancelled() = 0;
};

// The dialog "Benutzerdefinierte Felder benennen".
class IGedTagNamer {
 public:
  virtual ~IGedTagNamer() = default;
  // The name the user gives the tag, shown with a sample value; empty keeps
  // the tag itself.
  virtual std::string NameTag(const std::string& tag, const std::string& sample) = 0;
};
