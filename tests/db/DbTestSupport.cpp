#include "tests/db/DbTestSupport.h"

#include "core/Configuration.h"
#include "core/TextFile.h"

void DbTest::SetUp() {
  CoreTest::SetUp();
  project = WriteProject("[Allgemein]\nTitel=Test\n[Datenbank]\nLogDBAktionen=1");
  Config = std::make_unique<TConfiguration>(project);
}

void DbTest::TearDown() {
  if (Config) Config->CloseDatabase();
  Config.reset();
  CoreTest::TearDown();
}

void DbTest::Reopen() {
  Config->CloseDatabase();
  Config.reset();
  Config = std::make_unique<TConfiguration>(project);
}

std::vector<std::string> DbTest::ChangeLines() const {
  std::vector<std::string> lines;
  for (const std::string& line : ReadTextLines(dir.File("dbLog.txt"))) {
    // "dd.mm.yyyy hh:mm:ss text"
    const std::string text = line.size() > 20 ? line.substr(20) : std::string();
    if (text != "Neue Session") lines.push_back(text);
  }
  return lines;
}
