#include "cli/InfoCommand.h"

#include <iostream>
#include <utility>

#include "cli/ToolSession.h"
#include "core/Configuration.h"
#include "db/AhnenDB.h"

int InfoCommand(const std::string& projectFile) {
  static const std::pair<const char*, TableId> counts[] = {
      {"Anzahl Personen:", TableId::Person},
      {"Anzahl Ehen:", TableId::Ehe},
      {"Anzahl weitere Verbindungen:", TableId::Link},
      {"Anzahl Multimediaeinträge:", TableId::Media},
      {"Anzahl Einträge Diverses:", TableId::Divers},
      {"Anzahl Schlüsselworte:", TableId::Key},
      {"Anzahl Fakteneinträge:", TableId::Fact},
      {"Anzahl Quelleneinträge:", TableId::Source},
  };
  TToolSession session(projectFile);
  std::string text = "Speicherort der aktuellen Datenbank: " + Config->DBPath + "\n";
  for (const auto& [label, table] : counts)
    text += std::string(label) + " " + std::to_string(AhnenDB->RecordCount(table)) + "\n";
  std::cout << text;
  return 0;
}
