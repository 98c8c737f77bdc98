// "ovtool export", run as the built program: what it prints, the file it
// writes with each option, and its status when it cannot.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include "core/Configuration.h"
#include "tests/exchange/GedExportTestSupport.h"

namespace {

class GedExportOvtoolTest : public GedExportTest {
 protected:
  struct TRun {
    int status;
    std::string out, err;
  };

  // The database is closed first: ovtool opens it itself.
  TRun Run(const std::string& args) {
    if (Config) {
      Config->CloseDatabase();
      Config.reset();
    }
    const std::string cmd = std::string(OVTOOL_PATH) + " " + args + " >" + dir.File("out") + " 2>" + dir.File("err");
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.Read("out"), dir.Read("err")};
  }
};

TEST_F(GedExportOvtoolTest, ExportsAndPrintsTheMessages) {
  const int hans = AddPerson("Hans", "Müller", 0);
  const int anna = AddPerson("Anna", "Meier", 1);
  AddMarriage(hans, anna);
  AddPerson("Jan", "Łódź", 0, hans, anna);

  const TRun ansi = Run("export '" + project + "' '" + dir.File("alle.ged") + "'");
  ASSERT_EQ(ansi.status, 0) << ansi.err;
  const std::vector<std::string> out = FileLines([&] {
    std::string s;
    for (char c : ansi.out) s += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return s;
  }());
  ASSERT_EQ(out.size(), 4u) << ansi.out;
  EXPECT_EQ(out[0].rfind("Person: Jan /Łódź/ (@I3@), Zeile ", 0), 0u) << out[0];
  EXPECT_EQ(out[1], "GEDCOM-Datei geschrieben.");
  EXPECT_EQ(out[2], "Personen: 3, Familien: 1, Elternpaare ohne Ehe: 0");
  EXPECT_EQ(out[3], "Im Zeichensatz ANSI nicht darstellbare Zeichen: 2; sie stehen als &#N; in der Datei.");
  const std::vector<std::string> lines = FileLines(dir.Read("alle.ged"));
  EXPECT_EQ(lines[5], "1 CHAR ANSI");
  EXPECT_EQ(lines[6], "1 FILE ALLE.GED");

  const TRun utf8 = Run("export '" + project + "' '" + dir.File("utf8.ged") + "' --charset UTF-8");
  ASSERT_EQ(utf8.status, 0) << utf8.err;
  EXPECT_EQ(utf8.out, "GEDCOM-Datei geschrieben.\nPersonen: 3, Familien: 1, Elternpaare ohne Ehe: 0\n");
  const std::vector<TGedRecord> records = ReadRecords(dir.Read("utf8.ged"));
  ASSERT_EQ(records.size(), 7u);
  EXPECT_EQ(records[0].ChildValue("CHAR"), "UTF-8");
  EXPECT_EQ(records[4].ChildValue("NAME"), "Jan /Łódź/");
}

TEST_F(GedExportOvtoolTest, SelectedPersonsComeFromTheSelectionFile) {
  AddPerson("Hans", "Müller", 0);
  AddPerson("Anna", "Meier", 1);
  dir.Write("selpers.lst", "2\r\n");
  const TRun r = Run("export '" + project + "' '" + dir.File("auswahl.ged") + "' --selected --charset ansel");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "GEDCOM-Datei geschrieben.\nPersonen: 1, Familien: 0, Elternpaare ohne Ehe: 0\n");
  const std::vector<TGedRecord> records = ReadRecords(dir.Read("auswahl.ged"));
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].ChildValue("CHAR"), "ANSEL");
  EXPECT_EQ(records[2].xref, "@I2@");
}

TEST_F(GedExportOvtoolTest, TheSubmitterComesFromTheUserSettings) {
  Config->CloseDatabase();
  Config.reset();
  WriteProject("[Allgemein]\nTitel=Test\n[Benutzer]\nName=Hans Muster\nTelefon=044 1\nAdresse1=Gasse 2\n"
               "Adresse2=\nAdresse3=8000 Zürich\n");
  const TRun r = Run("export '" + project + "' '" + dir.File("a.ged") + "' --charset UTF-8");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(RecordLines(FileLines(dir.Read("a.ged")), "@S1@"),
            (std::vector<std::string>{"0 @S1@ SUBM ", "1 NAME Hans Muster", "1 ADDR Gasse 2", "2 CONT ",
                                      "2 CONT 8000 Zürich", "1 PHON 044 1"}));
}

TEST_F(GedExportOvtoolTest, FailuresGiveAGermanMessageAndAStatus) {
  const TRun missing = Run("export '" + project + "' '" + dir.File("fehlt/a.ged") + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Die Datei \"" + dir.File("fehlt/a.ged") +
                             "\" kann nicht geschrieben werden: No such file or directory\n");
  EXPECT_EQ(missing.out, "");

  const TRun charset = Run("export '" + project + "' '" + dir.File("a.ged") + "' --charset EBCDIC");
  EXPECT_EQ(charset.status, 2);
  EXPECT_EQ(charset.err, "Unbekannter Zeichensatz \"EBCDIC\": möglich sind ANSI, ANSEL und UTF-8.\n");

  const TRun usage = Run("export '" + project + "'");
  EXPECT_EQ(usage.status, 2);
  EXPECT_NE(usage.err.find("ovtool export PROJEKTDATEI DATEI.ged"), std::string::npos) << usage.err;

  const TRun noProject = Run("export '" + dir.File("nichts.ov") + "' '" + dir.File("a.ged") + "'");
  EXPECT_EQ(noProject.status, 1);
  EXPECT_FALSE(noProject.err.empty());
}

}  // namespace
