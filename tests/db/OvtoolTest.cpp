// ovtool's database commands, run as the built program: new, info and
// keywords, with their output and exit status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

#include "core/Configuration.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "db/AhnenDB.h"
#include "db/Schema.h"
#include "tests/core/TestSupport.h"

namespace {

class OvtoolTest : public CoreTest {
 protected:
  struct Result {
    int status;
    std::string out, err;
  };

  Result Run(const std::string& args) {
    const std::string cmd = std::string(OVTOOL_PATH) + " " + args + " >" + dir.File("out") + " 2>" + dir.File("err");
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.Read("out"), dir.Read("err")};
  }

  std::string DbDir() const { return dir.File("Familie Test/"); }
  std::string ProjectFile() const { return DbDir() + "Orvelin.ov"; }
  static std::string Quoted(const std::string& s) { return "'" + s + "'"; }
};

TEST_F(OvtoolTest, NewCreatesTheFilesOfADatabase) {
  const Result r = Run("new " + Quoted(DbDir()) + " --title 'Familie Habsburg'");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, ProjectFile() + "\n");
  for (TableId id : AllTables()) EXPECT_TRUE(FileExists(DbDir() + TableDef(id).file)) << TableDef(id).file;
  for (const char* list : {"beruf.lst", "religion.lst", "name.lst", "ort.lst", "land.lst", "quelle.lst",
                           "vorname.lst", "selpers.lst", "dbLog.txt"})
    EXPECT_TRUE(FileExists(DbDir() + list)) << list;
  EXPECT_TRUE(DirectoryExists(DbDir() + "media/"));
  // Closing the database adds the dialog states after these lines.
  const std::string written = ReadFileBytes(ProjectFile());
  const std::string expected =
            "[Allgemein]\r\nTitel='Familie Habsburg'\r\n\r\n[Verzeichnisse]\r\nMedia-Dir='" + DbDir() +
                "media/'\r\n\r\n[Darstellung]\r\nNeueFenster=1\r\nPersonenAnsichtGross=1\r\n"
                "StandardPersonenRegister=0\r\nWerkzeugleiste=1\r\nStatuszeile=1\r\nKomplexeSuche=0\r\n\r\n"
                "[Datenbank]\r\nNurLesen=0\r\nLogDBAktionen=1\r\n";
  EXPECT_EQ(written.substr(0, expected.size()), expected);
}

TEST_F(OvtoolTest, NewRefusesAnExistingDatabaseUnlessReplacing) {
  ASSERT_EQ(Run("new " + Quoted(DbDir())).status, 0);
  const Result refused = Run("new " + Quoted(DbDir()) + " --title Zweite");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "Im Datenbank-Verzeichnis \"" + DbDir() +
                             "\" existieren bereits Orvelin-Dateien. Mit --replace werden sie überschrieben.\n");
  EXPECT_FALSE(FileExists(DbDir() + "Alt_Person.DB"));

  const Result replaced = Run("new " + Quoted(DbDir()) + " --title Zweite --replace");
  ASSERT_EQ(replaced.status, 0) << replaced.err;
  EXPECT_TRUE(FileExists(DbDir() + "Alt_Person.DB"));
  EXPECT_TRUE(FileExists(DbDir() + "Person.DB"));
  EXPECT_NE(ReadTextFile(ProjectFile()).find("Titel='Zweite'"), std::string::npos);
}

TEST_F(OvtoolTest, InfoAndKeywordsReportTheCounts) {
  ASSERT_EQ(Run("new " + Quoted(DbDir())).status, 0);
  {
    // Two persons with three keywords (Hans, Meier, Grete; ids are too short)
    // and one marriage.
    Config = std::make_unique<TConfiguration>(ProjectFile());
    TPersonDetail hans, grete;
    hans.Vorname = "Hans";
    hans.Nachname = "Meier";
    hans.Geschlecht = 0;
    grete.Vorname = "Grete";
    grete.Geschlecht = 1;
    AhnenDB->insert(hans);
    AhnenDB->insert(grete);
    TEheRec m;
    m.Mann = hans.Id;
    m.Frau = grete.Id;
    AhnenDB->insertMarriage(m);
    AhnenDB->clearKeys();
    Config->CloseDatabase();
    Config.reset();
  }
  const std::string counts =
      "Anzahl Personen: 2\nAnzahl Ehen: 1\nAnzahl weitere Verbindungen: 0\nAnzahl Multimediaeinträge: 0\n"
      "Anzahl Einträge Diverses: 0\n";
  const std::string rest = "Anzahl Fakteneinträge: 0\nAnzahl Quelleneinträge: 0\n";
  Result info = Run("info " + Quoted(ProjectFile()));
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_EQ(info.out, "Speicherort der aktuellen Datenbank: " + DbDir() + "\n" + counts +
                          "Anzahl Schlüsselworte: 0\n" + rest);

  const Result keywords = Run("keywords " + Quoted(ProjectFile()));
  ASSERT_EQ(keywords.status, 0) << keywords.err;
  EXPECT_EQ(keywords.out, "Personen: 1 von 2\nPersonen: 2 von 2\nAnzahl Schlüsselworte: 3\n");
  info = Run("info " + Quoted(ProjectFile()));
  EXPECT_EQ(info.out, "Speicherort der aktuellen Datenbank: " + DbDir() + "\n" + counts +
                          "Anzahl Schlüsselworte: 3\n" + rest);
}

TEST_F(OvtoolTest, FailuresGiveTheMessageAndStatusOne) {
  const Result r = Run("info " + Quoted(dir.File("fehlt.ov")));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Konfigurationsdatei \"" + dir.File("fehlt.ov") + "\" konnte nicht geöffnet werden!\n");
  EXPECT_EQ(r.out, "");
}

}  // namespace
