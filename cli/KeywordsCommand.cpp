#include "cli/KeywordsCommand.h"

#include <iostream>

#include "cli/ToolSession.h"
#include "db/AhnenDB.h"
#include "db/Keywords.h"

int KeywordsCommand(const std::string& projectFile) {
  TToolSession session(projectFile);
  int shown = 0;  // tenths printed so far
  RebuildAllKeys(*AhnenDB, [&](int done, int total) {
    const int tenth = total > 0 ? done * 10 / total : 10;
    if (tenth <= shown) return;
    shown = tenth;
    std::cout << "Personen: " << done << " von " << total << std::endl;
  });
  std::cout << "Anzahl Schlüsselworte: " << AhnenDB->RecordCount(TableId::Key) << '\n';
  return 0;
}
