// "ovtool import", run as the built program: what it prints, its options, the
// message list it saves, and its status and German message when it cannot.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

#include "core/TextFile.h"
#include "tests/core/TestSupport.h"

namespace {

class GedImportOvtoolTest : public CoreTest {
 protected:
  struct TRun {
    int status;
    std::string out, err;
  };

  TRun Run(const std::string& args) {
    const std::string cmd = std::string(OVTOOL_PATH) + " " + args + " >" + dir.File("out") + " 2>" + dir.File("err");
    const int raw = std::system(cmd.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.Read("out"), dir.Read("err")};
  }
  void SetUp() override {
    CoreTest::SetUp();
    ASSERT_EQ(Run("new '" + dir.File("db") + "'").status, 0);
    dir.Write("f.ged", "0 HEAD\n1 SOUR Test\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Hans /Müller/\n1 _UID 17\n"
                       "0 @I2@ INDI\n1 NAME Eva /Roth/\n1 BIRT\n2 DATE 31 FEB 19x0\n"
                       "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 TRLR\n");
  }
  std::string Args(const std::string& more = {}) const {
    return "import '" + project_ + "' '" + dir.File("f.ged") + "'" + more;
  }
  static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

  const std::string project_ = dir.File("db/Orvelin.ov");
};

TEST_F(GedImportOvtoolTest, ImportsAndPrintsWhatTheWindowShows) {
  const TRun r = Run(Args(" --meldungsliste '" + dir.File("GedImport.txt") + "'"));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("Datei: \n   Quelle: Test\n   Zeichensatz: UTF-8\n", 0), 0u) << r.out;
  EXPECT_TRUE(Has(r.out, "\nUngültiges GED-Datum: \"31 FEB 19x0\" in: \n"));
  EXPECT_TRUE(Has(r.out, "\nGEDCOM-Datei ist eingelesen!\n"));
  EXPECT_TRUE(Has(r.out, "\nNeue Personen: 2\nNeue Ehen: 1\nNeue weitere Verbindungen: 0\nNeue Multimediaeinträge: 0\n"
                         "Neue Einträge Diverses: 1\nGelesene Zeilen: 14\n"));
  const std::vector<std::string> list = ReadTextLines(dir.File("GedImport.txt"));
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list[0], "Ungültiges GED-Datum: \"31 FEB 19x0\" in: ");
  EXPECT_EQ(list[5], "im Personen-Kommentar gespeichert.");
  EXPECT_TRUE(Has(Run("info '" + project_ + "'").out, "Anzahl Personen: 2\n"));
}

TEST_F(GedImportOvtoolTest, AddsToDataOnlyWhenAsked) {
  ASSERT_EQ(Run(Args()).status, 0);
  const TRun refused = Run(Args());
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(Has(refused.err, "Die GEDCOM-Datei wurde nicht eingelesen.")) << refused.err;
  EXPECT_TRUE(Has(Run("info '" + project_ + "'").out, "Anzahl Personen: 2\n"));
  const TRun merged = Run(Args(" --ergaenzen --ignorieren"));
  ASSERT_EQ(merged.status, 0) << merged.err;
  EXPECT_TRUE(Has(merged.out, "\nIgnoriere Tag _UID in: \n"));
  EXPECT_TRUE(Has(merged.out, "\nNeue Einträge Diverses: 0\n"));
  EXPECT_TRUE(Has(Run("info '" + project_ + "'").out, "Anzahl Personen: 4\n"));
}

TEST_F(GedImportOvtoolTest, FailuresGiveAGermanMessageAndAStatus) {
  const TRun missing = Run("import '" + project_ + "' '" + dir.File("fehlt.ged") + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Die GEDCOM-Datei \"" + dir.File("fehlt.ged") + "\" kann nicht geöffnet werden.\n");
  EXPECT_EQ(Run(Args(" --unbekannt")).status, 2);
  EXPECT_EQ(Run("import '" + project_ + "'").status, 2);
}

}  // namespace
