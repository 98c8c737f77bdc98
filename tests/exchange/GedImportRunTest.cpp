// The import as a whole: the question before adding to data, one transaction
// (a failure or a cancel leaves the database as it was), the change log off,
// progress and pending messages per record, the end of the file, the message
// list and its file, and the page "Datei-Info".
#include <gtest/gtest.h>

#include "core/Configuration.h"
#include "core/TextFile.h"
#include "db/Keywords.h"
#include "db/PersonRows.h"
#include "tests/exchange/GedImportTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

class GedImportRunTest : public GedImportTest {
 protected:
  int AddStoredPerson(const std::string& vorname) {
    TPersonDetail p;
    p.Vorname = vorname;
    p.Nachname = "Vorher";
    db().insert(p);
    return p.Id;
  }
  const std::string threePersons_ =
      Ged("0 @I1@ INDI\n1 NAME Eins\n0 @I2@ INDI\n1 NAME Zwei\n0 @I3@ INDI\n1 NAME Drei\n"
          "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n");
};

TEST_F(GedImportRunTest, AsksBeforeAddingToPersons) {
  AddStoredPerson("Alt");
  prompter.answers.push_back(PromptAnswer::Cancel);
  const int keys = db().RecordCount(TableId::Key);
  const TGedImportResult r = Import(threePersons_);
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].kind, PromptKind::Warning);
  EXPECT_EQ(prompter.asked[0].buttons, PromptButtons::YesCancel);
  EXPECT_EQ(prompter.asked[0].text, kGedMergeQuestion);
  EXPECT_FALSE(r.started);
  EXPECT_EQ(db().RecordCount(TableId::Person), 1);
  EXPECT_EQ(db().RecordCount(TableId::Key), keys);
  EXPECT_TRUE(progress.messages.empty());
}

TEST_F(GedImportRunTest, AsksBeforeAddingToMarriagesAlone) {
  db().Connection().Exec("INSERT INTO " + TableName(TableId::Ehe) +
                         " (\"Id\", \"Mann\", \"Frau\", \"Verheiratet\") VALUES (1, 7, 8, 1)");
  prompter.answers.push_back(PromptAnswer::Cancel);
  EXPECT_FALSE(Import(threePersons_).started);
  EXPECT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(db().RecordCount(TableId::Person), 0);
}

TEST_F(GedImportRunTest, EmptyDatabaseIsNotAsked) {
  const TGedImportResult r = Import(threePersons_);
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_TRUE(r.started);
  EXPECT_FALSE(r.cancelled);
  EXPECT_EQ(r.counts.persons, 3);
  EXPECT_EQ(r.counts.marriages, 1);
  EXPECT_EQ(r.lines, 13);
}

TEST_F(GedImportRunTest, WritesNoChangeLogAndRestoresTheSetting) {
  struct TLogWatch : TRecordedImport {
    void SetEntryText(const std::string& text) override {
      if (text.rfind("Person: ", 0) == 0) loggingDuringRun.push_back(Config->LogDBAktionen);
    }
    std::vector<bool> loggingDuringRun;
  } watch;
  ASSERT_TRUE(Config->LogDBAktionen);
  dir.Write("x.ged", threePersons_);
  TGedImport fresh(dir.File("x.ged"));
  fresh.Run(watch, &namer);
  EXPECT_EQ(watch.loggingDuringRun, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(Config->LogDBAktionen);
  EXPECT_EQ(ChangeLines(), Lines{});
  // Afterwards the operations log again.
  AddStoredPerson("Danach");
  ASSERT_EQ(ChangeLines().size(), 2u);
  EXPECT_EQ(ChangeLines()[0], "Person eingefügt: [4] (Aenderung folgt implizit...)");
}

TEST_F(GedImportRunTest, CancelLeavesTheDatabaseAsItWas) {
  const int alt = AddStoredPerson("Alt");
  const int keys = db().RecordCount(TableId::Key);
  progress.cancelAfter = 3;  // asked after HEAD and each person: the third person is the last
  const TGedImportResult r = Import(threePersons_);
  EXPECT_TRUE(r.started);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(db().RecordCount(TableId::Person), 1);
  EXPECT_EQ(db().getPersonDetail(alt)->Vorname, "Alt");
  EXPECT_EQ(db().RecordCount(TableId::Ehe), 0);
  EXPECT_EQ(db().RecordCount(TableId::Key), keys);
  EXPECT_EQ(progress.messages.back(), "Der Import wurde abgebrochen. Die Datenbank ist unverändert.");
  EXPECT_TRUE(Config->LogDBAktionen);
  // The database works on as before.
  EXPECT_EQ(AddStoredPerson("Neu"), alt + 1);
}

TEST_F(GedImportRunTest, LargeImportKeepsTheIndexesAlsoWhenCancelled) {
  const auto indexes = [this] {
    int n = 0;
    for (const char* schema : {"main", "edb"}) {
      TStatement st(db().Connection(), std::string("SELECT count(*) FROM ") + schema +
                                           ".sqlite_master WHERE type = 'index' AND sql IS NOT NULL");
      st.Step();
      n += st.Int(0);
    }
    return n;
  };
  const int before = indexes();
  ASSERT_EQ(before, 12) << "nine of the person table, three of the marriage table";
  // Large enough for the import to drop the indexes while it writes.
  std::string body;
  for (int i = 1; i <= 1200; ++i) body += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME P" + std::to_string(i) + " /X/\n";
  body += "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n";
  const std::string file = Ged(body);
  progress.cancelAfter = 1100;
  EXPECT_TRUE(Import(file).cancelled);
  EXPECT_EQ(indexes(), before);
  EXPECT_EQ(db().RecordCount(TableId::Person), 0);

  progress = TRecordedImport{};
  const TGedImportResult r = Import(file);
  EXPECT_EQ(r.counts.persons, 1200);
  EXPECT_EQ(indexes(), before);
  // The indexes serve again: children and partners are found through them.
  EXPECT_EQ(db().getPartners(*db().getPerson(1))->Count(), 1u);
  EXPECT_EQ(db().findMarriage(1, 2), 1);
}

TEST_F(GedImportRunTest, FailureLeavesTheDatabaseAsItWasAndSaysSo) {
  struct TFailing : TRecordedImport {
    void SetEntryText(const std::string& text) override {
      if (text == "Person: Drei") throw EInOutError("Die Platte ist voll.");
    }
  } failing;
  dir.Write("f.ged", threePersons_);
  TGedImport import(dir.File("f.ged"));
  try {
    import.Run(failing, &namer);
    FAIL() << "no error";
  } catch (const EGedImportError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Die Platte ist voll.\nDie GEDCOM-Datei wurde nicht eingelesen; die Datenbank ist unverändert.");
  }
  EXPECT_EQ(db().RecordCount(TableId::Person), 0) << "the two persons read before are gone again";
  EXPECT_EQ(db().RecordCount(TableId::Key), 0);
  EXPECT_EQ(failing.messages.back(),
            "Fehler: Die Platte ist voll.\nDie GEDCOM-Datei wurde nicht eingelesen; die Datenbank ist unverändert.");
  EXPECT_TRUE(Config->LogDBAktionen);
  EXPECT_EQ(AddStoredPerson("Neu"), 1);
}

TEST_F(GedImportRunTest, EveryRecordLetsPendingMessagesRunAndStepsTheProgress) {
  struct TCountingHost : TPlainHost {
    void ProcessMessages() override { ++runs; }
    int runs = 0;
  } counting;
  SetHost(&counting);
  Import(threePersons_);
  SetHost(&host);
  EXPECT_GE(counting.runs, 6) << "HEAD, three persons, the family and the trailer";
  ASSERT_FALSE(progress.percents.empty());
  EXPECT_NE(std::find(progress.percents.begin(), progress.percents.end(), 100), progress.percents.end());
  EXPECT_EQ(progress.percents.back(), 0);
  EXPECT_TRUE(std::is_sorted(progress.percents.begin(), progress.percents.begin() + 6));
}

TEST_F(GedImportRunTest, KeywordsAreThoseOfAFullRebuild) {
  Import(Ged("0 @I1@ INDI\n1 NAME Hans /Müller/\n1 OCCU Bäcker\n1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC Zürich\n"
             "0 @I2@ INDI\n1 NAME Eva /Roth/\n"));
  // Hans, Müller, Bäcker, 1900.01.01, Eva, Roth: the ids have one character only.
  const int imported = db().RecordCount(TableId::Key);
  EXPECT_EQ(imported, 6);
  RebuildAllKeys(db(), {});
  EXPECT_EQ(db().RecordCount(TableId::Key), imported);
}

TEST_F(GedImportRunTest, ReadsOnToTheRealEndOfTheFile) {
  const TGedImportResult r = Import("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Vorne\n0 TRLR\n"
                                    "0 @I2@ INDI\n1 NAME Nachzügler\nKaputte Zeile ohne Stufe\n1 SEX F\n");
  EXPECT_EQ(r.counts.persons, 2);
  EXPECT_EQ(Person("Nachzügler")->Geschlecht, 1) << "the line after the broken one is read";
  EXPECT_TRUE(Said("Zeile 6: Nach der Schlusszeile TRLR folgen weitere Zeilen; sie werden auch gelesen"));
  EXPECT_TRUE(Said("Zeile 8 beginnnt nicht mit einer Zahl: \"Kaputte Zeile ohne Stufe\""));
  EXPECT_FALSE(Said("ohne Schlusszeile"));
}

TEST_F(GedImportRunTest, SaysWhenTheTrailerIsMissing) {
  Import("0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Abgeschnitten\n1 BIRT\n2 DATE 1900");
  EXPECT_EQ(Person("Abgeschnitten")->Geburt, "1900.00.00");
  EXPECT_TRUE(Said("Zeile 6: Die Datei endet ohne Schlusszeile TRLR; sie ist vielleicht unvollständig"));
  EXPECT_TRUE(Said("Die letzte Zeile hat kein Zeilenende"));
}

TEST_F(GedImportRunTest, OtherRecordsAreNamedLineByLine) {
  Import(Ged("0 @R1@ REPO\n1 NAME Archiv\n2 CONT Bern\n0 @SUB@ SUBM\n1 NAME Ich\n"));
  EXPECT_EQ(progress.messages.at(0), "Ignoriere Tag NAME in: ");
  EXPECT_EQ(progress.messages.at(1), "Zeile 4: level=1, xRefId=, tag=NAME, value=Archiv");
  EXPECT_EQ(progress.messages.at(2), "Ignoriere Tag CONT in: ");
  EXPECT_EQ(progress.messages.at(4), "GEDCOM-Datei ist eingelesen!") << "nothing about HEAD and SUBM";
}

TEST_F(GedImportRunTest, MessageListKeepsTheLastThousandLinesAndIsSaved) {
  std::string repo = "0 @R1@ REPO\n";
  for (int i = 0; i < 600; ++i) repo += "1 _X " + std::to_string(i) + "\n";
  Import(Ged(repo));
  EXPECT_EQ(progress.messages.size(), 1204u);
  const auto& kept = Last().Messages();
  ASSERT_EQ(kept.size(), 1000u);
  EXPECT_EQ(kept.back(), "im Personen-Kommentar gespeichert.");
  EXPECT_EQ(kept.front(), progress.messages[204]);
  Last().SaveMessageList(dir.File("GedImport.txt"));
  const std::string bytes = dir.Read("GedImport.txt");
  EXPECT_EQ(bytes.substr(bytes.size() - 36), "im Personen-Kommentar gespeichert.\r\n");
  EXPECT_EQ(ReadTextLines(dir.File("GedImport.txt")), Lines(kept.begin(), kept.end()));
}

TEST_F(GedImportRunTest, FileInformationFromHeaderAndSubmitter) {
  dir.Write("h.ged",
            "0 HEAD\n1 SOUR Orvelin\n2 VERS 2000\n2 NAME Orvelin Stammbaum\n2 CORP Muster AG\n1 DEST ANY\n"
            "1 DATE 5 JAN 2026\n1 SUBM @S1@\n1 CHAR ANSEL\n1 FILE TEST.GED\n1 GEDC\n2 VERS 5.5\n"
            "2 FORM LINEAGE-LINKED\n1 NOTE Erste Zeile\n2 CONT Zweite Zeile\n1 _HME x\n"
            "0 @S1@ SUBM\n1 NAME Hans Muster\n1 ADDR Gasse 1\n2 CONT 3000 Bern\n1 PHON 031\n"
            "0 @I1@ INDI\n1 NAME A\n0 TRLR\n");
  TGedImport import(dir.File("h.ged"));
  EXPECT_EQ(import.DateiInfo(),
            (Lines{"Datei: ", "   Quelle: Orvelin", "   Version: 2000", "   Name: Orvelin Stammbaum",
                   "   Firma: Muster AG", "   Ziel: ANY", "   Datum: 5 JAN 2026", "   Zeichensatz: ANSEL",
                   "   Dateiname: TEST.GED", "   GEDCOM: ", "   Version: 5.5", "   Form: LINEAGE-LINKED",
                   "   Notiz:       Erste Zeile", "      Zweite Zeile", "   Feld _HME: x", "", "Ersteller: ",
                   "   Name:Hans Muster", "   Adresse: Gasse 1", "      3000 Bern", "   Telefon: 031", "",
                   "Inhalt: ", "   Personen: 1", "   Familien: 0", "   Datensätze: 4", "   Zeilen: 24",
                   "   Gelesen als: ANSEL"}));
}

struct TDosDefault {
  const char* name;
  const char* charLine;
  bool dos;
};

class GedImportDosDefault : public GedImportTest, public ::testing::WithParamInterface<TDosDefault> {};

TEST_P(GedImportDosDefault, SetByThePreScan) {
  dir.Write("d.ged", std::string("0 HEAD\n") + GetParam().charLine + "0 TRLR\n");
  EXPECT_EQ(TGedImport(dir.File("d.ged")).Options().ConvertDosToAnsi, GetParam().dos);
}

INSTANTIATE_TEST_SUITE_P(Headers, GedImportDosDefault,
                         ::testing::Values(TDosDefault{"NoChar", "", true}, TDosDefault{"Ansi", "1 CHAR ANSI\n", false},
                                           TDosDefault{"Ansel", "1 CHAR ANSEL\n", false},
                                           TDosDefault{"IbmWindows", "1 CHAR IBM WINDOWS\n", false},
                                           TDosDefault{"IbmPc", "1 CHAR IBMPC\n", true},
                                           TDosDefault{"Utf8", "1 CHAR UTF-8\n", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
