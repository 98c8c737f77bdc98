#include "db/NewDatabase.h"

#include <cstdlib>
#include <filesystem>

#include "core/Host.h"
#include "core/Paths.h"
#include "core/Prompter.h"
#include "core/TextFile.h"
#include "db/Schema.h"

namespace {

bool HoldsDatabaseFiles(const std::string& dir) {
  for (const char* name : {"Orvelin.ov", "Person.DB", "Ehe.DB", "Link.DB", "Divers.DB", "Media.DB", "Key.DB",
                           "Source.DB", "Fact.DB"})
    if (TableFileExists(dir, name)) return true;
  return false;
}

void MakeDirectories(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
}

std::string Quoted(const std::string& dir) { return "\"" + dir + "\""; }

}  // namespace

std::string CreateNewDatabase(const std::string& dirArg, const std::string& mediaArg, const std::string& title) {
  const std::string dir = IncludeTrailingSeparator(dirArg);
  const std::string media = IncludeTrailingSeparator(mediaArg);
  const std::string notMade = "Das Datenbank-Verzeichnis " + Quoted(dir) +
                              " konnte nicht erstellt werden. Hinweis: Der ganze Pfadname muss angegeben werden!";
  // A relative name would land wherever the program happens to run.
  if (dirArg.empty() || dirArg.front() != '/') {
    ShowWarning(notMade);
    return {};
  }

  if (DirectoryExists(dir)) {
    if (Prompter().Ask(PromptKind::Warning,
                       "Das Datenbank-Verzeichnis " + Quoted(dir) + " existiert bereits. " +
                           "Sollen eventuell vorhandene Daten überschrieben werden?",
                       PromptButtons::YesCancel) != PromptAnswer::Yes)
      return {};
    if (HoldsDatabaseFiles(dir)) {
      if (Prompter().Ask(PromptKind::Warning,
                         "Im Datenbank-Verzeichnis " + Quoted(dir) + " existieren bereits Orvelin-Dateien. " + "\n" +
                             "Diese Dateien werden überschrieben! Wollen Sie wirklich fortfahren?",
                         PromptButtons::YesNo) != PromptAnswer::Yes)
        return {};
      ReplaceExistingDatabase(dir);
    }
  } else {
    if (Prompter().Ask(PromptKind::Confirmation,
                       "Das Datenbank-Verzeichnis " + Quoted(dir) + " existiert noch nicht. " +
                           "Soll es erzeugt werden?",
                       PromptButtons::YesCancel) != PromptAnswer::Yes)
      return {};
    MakeDirectories(dir);
    if (!DirectoryExists(dir)) {
      ShowWarning(notMade);
      return {};
    }
  }
  if (!DirectoryExists(media)) MakeDirectories(media);
  if (!DirectoryExists(dir)) {
    ShowErrorBox("Das Datenbank-Verzeichnis " + Quoted(dir) + " konnte nicht erstellt werden!");
    return {};
  }
  if (!DirectoryExists(media)) {
    ShowErrorBox("Das Mediadateien-Verzeichnis " + Quoted(media) + " konnte nicht erstellt werden!");
    return {};
  }

  CreateDatabaseFiles(dir, ProgramPath());
  const std::string project = dir + "Orvelin.ov";
  WriteFileBytesAtomic(project, EncodeTextFile(NewProjectFileText(title, media)));
  Log("Inifile der neuen DB: " + project);
  return project;
}

std::string ProposedDatabaseDir(const std::string& name) {
  const char* home = std::getenv("HOME");
  return IncludeTrailingSeparator(home && *home ? home : "/") + "OrvelinDaten/" + name;
}

std::string ProposedMediaDir(const std::string& dir) {
  if (!dir.empty() && dir.back() == '/') return dir + "Media";
  return dir + "/Media";
}
