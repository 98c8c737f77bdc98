#include "cli/NewCommand.h"

#include <filesystem>
#include <iostream>

#include "cli/ToolSession.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "db/Schema.h"

namespace {

// The files whose presence means that a database lives here.
bool HoldsDatabase(const std::string& dir) {
  for (const char* name : {"Orvelin.ov", "Person.DB", "Ehe.DB", "Link.DB", "Divers.DB", "Media.DB", "Key.DB",
                           "Source.DB", "Fact.DB"})
    if (TableFileExists(dir, name)) return true;
  return false;
}

void MakeDirectory(const std::string& dir, const std::string& message) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (!DirectoryExists(dir)) throw EInOutError(message);
}

}  // namespace

int NewCommand(const std::string& dirArg, const std::string& title, bool replace) {
  const std::string dir = IncludeTrailingSeparator(ExpandFileName(dirArg));
  MakeDirectory(dir, "Das Datenbank-Verzeichnis \"" + dir + "\" konnte nicht erstellt werden!");
  if (HoldsDatabase(dir)) {
    if (!replace)
      throw EConfiguration("Im Datenbank-Verzeichnis \"" + dir +
                           "\" existieren bereits Orvelin-Dateien. Mit --replace werden sie überschrieben.");
    ReplaceExistingDatabase(dir);
  }
  const std::string media = dir + "media/";
  MakeDirectory(media, "Das Mediadateien-Verzeichnis \"" + media + "\" konnte nicht erstellt werden!");

  CreateDatabaseFiles(dir, ProgramPath());
  const std::string project = dir + "Orvelin.ov";
  WriteFileBytesAtomic(project, EncodeTextFile(NewProjectFileText(title, media)));

  // The first opening creates the selection file and the change log.
  { TToolSession session(project); }
  std::cout << project << '\n';
  return 0;
}
