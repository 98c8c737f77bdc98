#include <gtest/gtest.h>

#include <filesystem>

#include "core/Configuration.h"
#include "core/Errors.h"
#include "core/HelperLists.h"
#include "core/IniFile.h"
#include "db/AhnenDB.h"
#include "db/Schema.h"
#include "tests/db/DbTestSupport.h"

namespace fs = std::filesystem;

class SchemaTest : public CoreTest {};

TEST_F(SchemaTest, NewDatabaseHoldsEightTablesAndSevenLists) {
  CreateDatabaseFiles(dir.Path(), dir.Path() + "nowhere/");
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.Path()))
    if (e.is_regular_file()) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Divers.DB", "Ehe.DB", "Link.DB", "Media.DB", "Person.DB", "beruf.lst",
                                             "fact.DB", "key.DB", "land.lst", "name.lst", "ort.lst", "quelle.lst",
                                             "religion.lst", "source.DB", "vorname.lst"}));
}

class OpeningTest : public CoreTest {
 protected:
  // A database in dir without opening it.
  std::string NewDatabase() {
    CreateDatabaseFiles(dir.Path(), dir.Path() + "nowhere/");
    return dir.Path();
  }
  bool OpeningFails(const std::string& path) {
    try {
      TAhnenDB db(path);
      return false;
    } catch (const EConfiguration& e) {
      return std::string(e.what()) == "Datenbank konnte nicht geöffnet werden!";
    }
  }
};

TEST_F(OpeningTest, OpeningLogsItsDiagnostics) {
  TAhnenDB db(NewDatabase());
  ASSERT_EQ(host.logLines.size(), 5u);
  EXPECT_EQ(host.logLines[0].rfind("Time needed: ", 0), 0u);
  EXPECT_EQ(host.logLines[1], "GeburtQuelle has length 30");
  EXPECT_EQ(host.logLines[2], "Ort has length 80");
  EXPECT_EQ(host.logLines[3], "Name has length 40");
  EXPECT_EQ(host.logLines[4], "Current Default Language driver is SQLite " + TSqliteConnection::Version());
  EXPECT_FALSE(db.KeywordTableCreated);
  for (TableId id : AllTables()) EXPECT_EQ(db.RecordCount(id), 0);
}

TEST_F(OpeningTest, MissingNewerTablesAreCreatedOnce) {
  NewDatabase();
  for (const char* t : {"key.DB", "fact.DB", "source.DB"}) fs::remove(dir.File(t));
  {
    TAhnenDB db(dir.Path());
    EXPECT_TRUE(db.KeywordTableCreated);
  }
  for (const char* t : {"key.DB", "fact.DB", "source.DB"}) EXPECT_TRUE(fs::exists(dir.File(t))) << t;
  TAhnenDB again(dir.Path());
  EXPECT_FALSE(again.KeywordTableCreated);
}

TEST_F(OpeningTest, TableFilesAreFoundWithoutRegardToCase) {
  NewDatabase();
  fs::rename(dir.File("Person.DB"), dir.File("PERSON.db"));
  fs::rename(dir.File("Ehe.DB"), dir.File("ehe.db"));
  TAhnenDB db(dir.Path());
  EXPECT_EQ(db.RecordCount(TableId::Person), 0);
  EXPECT_FALSE(fs::exists(dir.File("Person.DB")));
}

TEST_F(OpeningTest, BadTablesFailWithTheMessageAndLeaveNothingOpen) {
  struct Case {
    const char* what;
    std::function<void(const TTempDir&)> damage;
  };
  const std::vector<Case> cases = {
      {"missing Person.DB", [](const TTempDir& d) { fs::remove(d.File("Person.DB")); }},
      {"missing Link.DB", [](const TTempDir& d) { fs::remove(d.File("Link.DB")); }},
      {"Ehe.DB is no database", [](const TTempDir& d) { d.Write("Ehe.DB", std::string(4096, 'x')); }},
      {"Person.DB truncated", [](const TTempDir& d) {
         const std::string bytes = d.Read("Person.DB");
         d.Write("Person.DB", bytes.substr(0, 100));
       }},
      {"Media.DB holds another table", [](const TTempDir& d) {
         fs::remove(d.File("Media.DB"));
         TSqliteConnection c(d.File("Media.DB"), true);
         c.Exec("CREATE TABLE other (x)");
       }},
  };
  for (const Case& c : cases) {
    TTempDir d;
    CreateDatabaseFiles(d.Path(), d.Path() + "nowhere/");
    c.damage(d);
    prompter.asked.clear();
    EXPECT_TRUE(OpeningFails(d.Path())) << c.what;
    ASSERT_EQ(prompter.asked.size(), 1u) << c.what;  // the engine's own message first
    EXPECT_EQ(prompter.asked[0].kind, PromptKind::Error);
    // Nothing stays open: no file of the directory is held any more.
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
      std::error_code ec;
      EXPECT_NE(fs::read_symlink(fd.path(), ec).string().rfind(d.Path(), 0), 0u) << c.what;
    }
  }
}

TEST_F(OpeningTest, ASecondProgramCannotOpenTheSameDatabase) {
  NewDatabase();
  {
    TAhnenDB first(dir.Path());
    EXPECT_TRUE(OpeningFails(dir.Path()));
    EXPECT_NE(prompter.asked.back().text.find("anderen Programm"), std::string::npos);
  }
  TAhnenDB afterwards(dir.Path());  // released on close
  EXPECT_TRUE(afterwards.IsOpen());
}

TEST_F(OpeningTest, CaseInsensitiveIndexesSortUmlautsWithTheirBaseLetter) {
  TAhnenDB db(NewDatabase());
  TSqliteConnection& c = db.Connection();
  int id = 1;
  for (const char* name : {"Zürcher", "ärni", "Arnold", "Ober", "Öhler", "müller", "MÜLLER"}) {
    TStatement st(c, "INSERT INTO main.\"Person\" (\"Id\", \"Nachname\") VALUES (?, ?)");
    st.Bind(1, id++).Bind(2, name).Run();
  }
  TStatement st(c, "SELECT \"Nachname\" FROM main.\"Person\" ORDER BY \"Nachname\", \"Id\"");
  std::vector<std::string> order;
  while (st.Step()) order.push_back(st.Text(0));
  // ä counts as a: "ARNI" < "ARNOLD"; equal names keep their id order.
  EXPECT_EQ(order, (std::vector<std::string>{"ärni", "Arnold", "müller", "MÜLLER", "Ober", "Öhler", "Zürcher"}));
  TStatement eq(c, "SELECT count(*) FROM main.\"Person\" WHERE \"Nachname\" = 'Müller'");
  eq.Step();
  EXPECT_EQ(eq.Int(0), 2);
}

TEST_F(OpeningTest, ReplacingTwiceKeepsOnlyThePreviousDatabase) {
  NewDatabase();
  dir.Write("selpers.lst", "1\r\n");
  dir.Write("dbLog.txt", "alt\r\n");
  auto count = [&](const std::string& file) {
    TSqliteConnection c(dir.File(file), false);
    TStatement st(c, "SELECT count(*) FROM \"Person\"");
    st.Step();
    return st.Int(0);
  };
  {
    TSqliteConnection c(dir.File("Person.DB"), false);
    c.Exec("INSERT INTO \"Person\" (\"Id\") VALUES (1)");
  }
  ReplaceExistingDatabase(dir.Path());
  CreateDatabaseFiles(dir.Path(), dir.Path() + "nowhere/");
  EXPECT_EQ(count("Alt_Person.DB"), 1);
  EXPECT_EQ(dir.Read("Alt_selpers.lst"), "1\r\n");
  EXPECT_FALSE(fs::exists(dir.File("selpers.lst")));
  ReplaceExistingDatabase(dir.Path());
  CreateDatabaseFiles(dir.Path(), dir.Path() + "nowhere/");
  EXPECT_EQ(count("Alt_Person.DB"), 0);  // the previous one, not the first
  EXPECT_EQ(count("Person.DB"), 0);
  // The second database had no selection yet: nothing replaced the old one.
  EXPECT_EQ(dir.Read("Alt_selpers.lst"), "1\r\n");
  EXPECT_FALSE(fs::exists(dir.File("Alt_Alt_Person.DB")));
  EXPECT_TRUE(fs::exists(dir.File("Alt_key.DB")));
}

TEST_F(OpeningTest, StandardListsAreCopiedFromTheProgramDirectory) {
  fs::create_directories(dir.File("prog"));
  fs::create_directories(dir.File("db"));
  dir.Write("prog/Beruf.Lst", "Bäcker\r\nSchmied\r\n");
  dir.Write("db/ort.lst", "schon da\r\n");
  dir.Write("prog/Ort.Lst", "Bern\r\n");
  CreateDatabaseFiles(dir.File("db/"), dir.File("prog/"));
  EXPECT_EQ(dir.Read("db/beruf.lst"), "Bäcker\r\nSchmied\r\n");
  EXPECT_EQ(dir.Read("db/ort.lst"), "schon da\r\n");  // never overwritten
  EXPECT_EQ(dir.Read("db/land.lst"), "");
}

TEST(NewProjectFile, HasExactlyItsLines) {
  EXPECT_EQ(NewProjectFileText("Familie", "/home/u/media/"),
            "[Allgemein]\r\nTitel='Familie'\r\n\r\n[Verzeichnisse]\r\nMedia-Dir='/home/u/media/'\r\n\r\n"
            "[Darstellung]\r\nNeueFenster=1\r\nPersonenAnsichtGross=1\r\nStandardPersonenRegister=0\r\n"
            "Werkzeugleiste=1\r\nStatuszeile=1\r\nKomplexeSuche=0\r\n\r\n[Datenbank]\r\nNurLesen=0\r\n"
            "LogDBAktionen=1\r\n");
}

// Opening an older database through its project file.
class KeywordMigrationHost : public TPlainHost {
 public:
  void ShowKeywordBuildDialog() override { ++dialogs; }
  int dialogs = 0;
};

TEST_F(OpeningTest, OlderDatabaseAsksForTheKeywordsOnce) {
  const std::string project = WriteProject("[Allgemein]\n[SchnelleSuche]\nSuchfeld=2");
  fs::remove(dir.File("key.DB"));
  KeywordMigrationHost h;
  SetHost(&h);
  for (int i = 0; i < 2; ++i) {
    Config = std::make_unique<TConfiguration>(project);
    Config->AfterOpen();
    ASSERT_TRUE(Config->CloseDatabase());
    Config.reset();
  }
  SetHost(&host);
  EXPECT_EQ(h.dialogs, 1);
  EXPECT_EQ(TIniFile(project).ReadInteger("SchnelleSuche", "Suchfeld", 0), 7);
}

TEST_F(OpeningTest, ConfigurationOpensAndClosesTheTables) {
  const std::string project = WriteProject("[Allgemein]");
  Config = std::make_unique<TConfiguration>(project);
  ASSERT_TRUE(AhnenDB && AhnenDB->IsOpen());
  EXPECT_TRUE(Config->CloseDatabase());
  EXPECT_FALSE(AhnenDB);
  Config.reset();
  fs::remove(dir.File("Person.DB"));
  try {
    Config = std::make_unique<TConfiguration>(project);
    FAIL();
  } catch (const EConfiguration& e) {
    EXPECT_STREQ(e.what(), "Datenbank konnte nicht geöffnet werden!");
  }
  EXPECT_FALSE(AhnenDB);
}
