// Reading and writing persons: every field both ways, cutting to the field
// sizes, ids, the change log, the error boxes, and that a failing write
// leaves nothing behind.
#include <gtest/gtest.h>

#include "core/Configuration.h"
#include "core/Sex.h"
#include "tests/db/OpsTestSupport.h"

namespace {

TPersonDetail FullPerson() {
  TPersonDetail p;
  p.Nachname = "Müller";
  p.Famname = "Schäfer";
  p.Vorname = "Anna Lüise";
  p.Geschlecht = sexFemale;
  p.Vater = 11;
  p.Mutter = 12;
  p.Geburt = "1900.05.01";
  p.GeburtZusatz = 1;
  p.GeburtOrt = "Zürich";
  p.GeburtQuelle = "KB Zürich";
  p.Tod = "1970.00.00";
  p.TodZusatz = 2;
  p.TodOrt = "Bern";
  p.TodQuelle = "Sterberegister";
  p.Taufe = "1900.05.06";
  p.TaufeZusatz = 3;
  p.TaufeOrt = "Großmünster";
  p.TaufeQuelle = "Taufbuch";
  p.Bestattung = "1970.02.03";
  p.BestattungZusatz = 4;
  p.BestattungOrt = "Friedhof Bümpliz";
  p.BestattungQuelle = "Grabregister";
  p.Ort = "Köniz";
  p.Buergerort = "Basel";
  p.KarteiNr = "K-17";
  p.Ausbildung = "Lehrerseminar";
  p.Beruf = "Lehrerin";
  p.Kommentar = {"Erste Zeile", "", "Dritte Zeile mit Ümlaut"};
  p.Strasse = "Hauptstraße 5";
  p.PLZ = "3098";
  p.AdressOrt = "Köniz";
  p.Land = "Schweiz";
  p.Telefon = "031 123 45 67";
  p.Korrespondenz = true;
  p.Religion = "ref.";
  p.Quelle = "Familienbibel";
  p.Todesursache = "Grippe";
  return p;
}

void ExpectSameFields(const TPersonDetail& a, const TPersonDetail& b) {
  EXPECT_EQ(a.Id, b.Id);
  EXPECT_EQ(a.Nachname, b.Nachname);
  EXPECT_EQ(a.Famname, b.Famname);
  EXPECT_EQ(a.Vorname, b.Vorname);
  EXPECT_EQ(a.Geschlecht, b.Geschlecht);
  EXPECT_EQ(a.Vater, b.Vater);
  EXPECT_EQ(a.Mutter, b.Mutter);
  EXPECT_EQ(a.Geburt, b.Geburt);
  EXPECT_EQ(a.GeburtZusatz, b.GeburtZusatz);
  EXPECT_EQ(a.GeburtOrt, b.GeburtOrt);
  EXPECT_EQ(a.GeburtQuelle, b.GeburtQuelle);
  EXPECT_EQ(a.Tod, b.Tod);
  EXPECT_EQ(a.TodZusatz, b.TodZusatz);
  EXPECT_EQ(a.TodOrt, b.TodOrt);
  EXPECT_EQ(a.TodQuelle, b.TodQuelle);
  EXPECT_EQ(a.Taufe, b.Taufe);
  EXPECT_EQ(a.TaufeZusatz, b.TaufeZusatz);
  EXPECT_EQ(a.TaufeOrt, b.TaufeOrt);
  EXPECT_EQ(a.TaufeQuelle, b.TaufeQuelle);
  EXPECT_EQ(a.Bestattung, b.Bestattung);
  EXPECT_EQ(a.BestattungZusatz, b.BestattungZusatz);
  EXPECT_EQ(a.BestattungOrt, b.BestattungOrt);
  EXPECT_EQ(a.BestattungQuelle, b.BestattungQuelle);
  EXPECT_EQ(a.Ort, b.Ort);
  EXPECT_EQ(a.Buergerort, b.Buergerort);
  EXPECT_EQ(a.KarteiNr, b.KarteiNr);
  EXPECT_EQ(a.Ausbildung, b.Ausbildung);
  EXPECT_EQ(a.Beruf, b.Beruf);
  EXPECT_EQ(a.Kommentar, b.Kommentar);
  EXPECT_EQ(a.Strasse, b.Strasse);
  EXPECT_EQ(a.PLZ, b.PLZ);
  EXPECT_EQ(a.AdressOrt, b.AdressOrt);
  EXPECT_EQ(a.Land, b.Land);
  EXPECT_EQ(a.Telefon, b.Telefon);
  EXPECT_EQ(a.Korrespondenz, b.Korrespondenz);
  EXPECT_EQ(a.Religion, b.Religion);
  EXPECT_EQ(a.Quelle, b.Quelle);
  EXPECT_EQ(a.Todesursache, b.Todesursache);
  EXPECT_EQ(a.Neu, b.Neu);
  EXPECT_EQ(a.Geaendert, b.Geaendert);
}

std::string Repeat(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

}  // namespace

class PersonOpsTest : public OpsTest {};

// --- reading and writing every field ---------------------------------------------------

TEST_F(PersonOpsTest, EveryFieldSurvivesInsertAndRead) {
  TPersonDetail p = FullPerson();
  db().insert(p);
  ASSERT_EQ(p.Id, 1);
  // The fixed clock's day.
  EXPECT_EQ(p.Neu, "2026.12.11");
  EXPECT_EQ(p.Geaendert, "2026.12.11");

  Reopen();
  const auto read = db().getPersonDetail(1);
  ExpectSameFields(*read, p);
  EXPECT_EQ(Stored(TableId::Person, "Geschlecht", "Id = 1"), "F");
  EXPECT_EQ(Stored(TableId::Person, "Kommentar", "Id = 1"), "Erste Zeile\r\n\r\nDritte Zeile mit Ümlaut");

  // The list record holds its share of the same row.
  const auto plain = db().getPerson(1);
  EXPECT_EQ(plain->Vorname, "Anna Lüise");
  EXPECT_EQ(plain->Famname, "Schäfer");
  EXPECT_EQ(plain->Bestattung, "1970.02.03");
  EXPECT_EQ(plain->BestattungZusatz, 4);
  EXPECT_EQ(plain->Mutter, 12);
}

TEST_F(PersonOpsTest, SexLettersBothWays) {
  for (auto [sex, letter] : std::vector<std::pair<int, std::string>>{{0, "M"}, {1, "F"}, {2, "U"}}) {
    const int id = Person("X", "Y", sex);
    EXPECT_EQ(Stored(TableId::Person, "Geschlecht", "Id = " + std::to_string(id)), letter);
    EXPECT_EQ(db().getPerson(id)->Geschlecht, sex) << letter;
  }
}

TEST_F(PersonOpsTest, EmptyFieldsReadAsNothing) {
  db().Connection().Exec("INSERT INTO main.\"Person\" (\"Id\") VALUES (7)");
  db().Connection().Exec("INSERT INTO main.\"Person\" (\"Id\", \"Geburt\", \"Tod\") VALUES (8, '', '')");
  for (int id : {7, 8}) {
    const auto p = db().getPersonDetail(id);
    EXPECT_EQ(p->Id, id);
    EXPECT_EQ(p->Geburt, "0000.00.00");
    EXPECT_EQ(p->Tod, "0000.00.00");
    EXPECT_EQ(p->Taufe, "0000.00.00");
    EXPECT_EQ(p->Neu, "0000.00.00");
    EXPECT_EQ(p->Geschlecht, sexUnknown);
    EXPECT_EQ(p->Vater, 0);
    EXPECT_EQ(p->GeburtZusatz, 0);
    EXPECT_FALSE(p->Korrespondenz);
    EXPECT_TRUE(p->Kommentar.empty());
    EXPECT_EQ(p->Vorname, "");
  }
}

TEST_F(PersonOpsTest, CommentLinesSplitOnCrLfAndLf) {
  db().Connection().Exec("INSERT INTO main.\"Person\" (\"Id\", \"Kommentar\") VALUES (3, 'eins' || char(13, 10) || "
                         "'zwei' || char(10) || 'drei')");
  EXPECT_EQ(db().getPersonDetail(3)->Kommentar, (std::vector<std::string>{"eins", "zwei", "drei"}));
}

TEST_F(PersonOpsTest, UnreadableCommentIsEmptyWithAWarning) {
  db().Connection().Exec("INSERT INTO main.\"Person\" (\"Id\", \"Vorname\", \"Kommentar\") VALUES (3, 'Eva', X'FF80FE')");
  ForgetChangeLines();
  const auto p = db().getPersonDetail(3);
  EXPECT_EQ(p->Vorname, "Eva");
  EXPECT_TRUE(p->Kommentar.empty());
  EXPECT_EQ(NewChangeLines(),
            (std::vector<std::string>{"Warnung: Kommentar-Blob in Person konnte nicht gelesen werden."}));
}

// Each text one character over, in a two-byte letter so that a cut inside a
// character would show.
TEST_F(PersonOpsTest, LongTextsAreCutAtACharacterToTheirField) {
  struct Case {
    const char* field;
    std::string TPersonDetail::*member;
    int size;
  };
  const std::vector<Case> cases = {
      {"Nachname", &TPersonDetail::Nachname, 40}, {"Vorname", &TPersonDetail::Vorname, 40},
      {"Famname", &TPersonDetail::Famname, 40},   {"Ort", &TPersonDetail::Ort, 80},
      {"GeburtOrt", &TPersonDetail::GeburtOrt, 30}, {"Beruf", &TPersonDetail::Beruf, 70},
      {"Strasse", &TPersonDetail::Strasse, 60},   {"KarteiNr", &TPersonDetail::KarteiNr, 20},
      {"PLZ", &TPersonDetail::PLZ, 10},           {"Quelle", &TPersonDetail::Quelle, 100},
      {"Land", &TPersonDetail::Land, 20},         {"BestattungQuelle", &TPersonDetail::BestattungQuelle, 30},
  };
  for (const Case& c : cases) {
    TPersonDetail p;
    p.*c.member = Repeat("ü", c.size) + "ß";
    db().insert(p);
    const std::string expected = Repeat("ü", c.size);
    EXPECT_EQ(Stored(TableId::Person, c.field, "Id = " + std::to_string(p.Id)), expected) << c.field;
    EXPECT_EQ(db().getPersonDetail(p.Id).get()->*c.member, expected) << c.field;
    EXPECT_EQ(p.*c.member, expected) << c.field << ": the record holds what was stored";
  }
}

// --- ids ---------------------------------------------------------------------------------

TEST_F(PersonOpsTest, IdsAreTheHighestPlusOne) {
  EXPECT_EQ(Person("A", "X", 0), 1);
  EXPECT_EQ(Person("B", "X", 0), 2);
  EXPECT_EQ(Person("C", "X", 0), 3);
  TPerson third = *db().getPerson(3);
  db().remove(third);
  EXPECT_EQ(Person("D", "X", 0), 3) << "the highest id comes again";
  TPerson second = *db().getPerson(2);
  db().remove(second);
  EXPECT_EQ(Person("E", "X", 0), 4) << "a gap stays";
}

TEST_F(PersonOpsTest, MissingAndNonPositiveIdsReadAsEmptyRecords) {
  Person("A", "X", 0);
  for (int id : {12345, 0, -1}) {
    EXPECT_EQ(db().getPerson(id)->Id, 0) << id;
    EXPECT_EQ(db().getPersonDetail(id)->Id, 0) << id;
    EXPECT_FALSE(db().personExists(id)) << id;
  }
  EXPECT_TRUE(db().personExists(1));
  EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(PersonOpsTest, PersonTextIsTheListCaption) {
  const int id = Person("Anna", "Muster", 1, 0, 0, "1900.05.01");
  EXPECT_EQ(db().personText(id), "Anna Muster (01.05.1900-) [1]");
}

// --- change log ----------------------------------------------------------------------------

TEST_F(PersonOpsTest, InsertUpdateDeleteWriteTheirLines) {
  ForgetChangeLines();
  TPersonDetail p;
  p.Vorname = "Anna";
  p.Nachname = "Muster";
  p.Geschlecht = sexFemale;
  db().insert(p);

  p.Vorname = "Anne";
  p.Geburt = "1900.01.02";
  p.TaufeZusatz = 3;
  p.AdressOrt = "Bern";
  p.Korrespondenz = true;
  p.Kommentar = {"nur der Kommentar fehlt in der Zeile"};
  db().update(p);

  p.Kommentar = {"anders"};
  db().update(p);
  db().remove(p);

  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{
                                  "Person eingefügt: [1] (Aenderung folgt implizit...)",
                                  "Person geändert:   [1]: Vorname=Anna Nachname=Muster Sex=F",
                                  "Person geändert: Anna Muster [1]: Vorname=Anne Geburt=1900.01.02 TaufeZusatz=3 "
                                  "AdressOrt=Bern Korrespondenz=1",
                                  "Person geändert: Anne Muster [1]:",
                                  "Person gelöscht: Anne Muster [1]",
                              }));
}

TEST_F(PersonOpsTest, EveryDetailLabelInItsOrder) {
  TPersonDetail p;
  db().insert(p);
  ForgetChangeLines();
  TPersonDetail q = FullPerson();
  q.Id = p.Id;
  q.Geschlecht = sexMale;
  db().update(q);
  EXPECT_EQ(NewChangeLines(),
            (std::vector<std::string>{
                "Person geändert:   [1]: Vorname=Anna Lüise Nachname=Müller Famname=Schäfer Vater=11 Mutter=12 "
                "Geburt=1900.05.01 Tod=1970.00.00 Ort=Köniz TaufDatum=1900.05.06 BestattDatum=1970.02.03 Sex=M "
                "Buergerort=Basel GeburtOrt=Zürich GeburtZusatz=1 GeburtQuelle=KB Zürich TodOrt=Bern TodZusatz=2 "
                "TodQuelle=Sterberegister TaufOrt=Großmünster TaufeZusatz=3 TaufeQuelle=Taufbuch "
                "BestattOrt=Friedhof Bümpliz BestattZusatz=4 BestattungQuelle=Grabregister KarteiNr=K-17 "
                "Ausbildung=Lehrerseminar Beruf=Lehrerin Strasse=Hauptstraße 5 PLZ=3098 AdressOrt=Köniz "
                "Land=Schweiz Telefon=031 123 45 67 Korrespondenz=1 Religion=ref. Quelle=Familienbibel "
                "Todesursache=Grippe"}));
}

// A plain record does not write baptism, burial and the qualifiers, so its
// line must not claim them.
TEST_F(PersonOpsTest, PlainRecordWritesAndLogsOnlyItsOwnFields) {
  TPersonDetail full = FullPerson();
  db().insert(full);
  TPerson plain = *db().getPerson(full.Id);
  plain.Vorname = "Berta";
  plain.Taufe = "1901.01.01";
  plain.Bestattung = "1999.09.09";
  plain.GeburtZusatz = 5;
  ForgetChangeLines();
  db().update(plain);
  EXPECT_EQ(NewChangeLines(),
            (std::vector<std::string>{"Person geändert: Anna Lüise Müller [1]: Vorname=Berta"}));
  const auto read = db().getPersonDetail(full.Id);
  EXPECT_EQ(read->Vorname, "Berta");
  EXPECT_EQ(read->Taufe, "1900.05.06");
  EXPECT_EQ(read->Bestattung, "1970.02.03");
  EXPECT_EQ(read->GeburtZusatz, 1);
  EXPECT_EQ(read->Beruf, "Lehrerin");
  EXPECT_EQ(read->Kommentar, full.Kommentar);
}

TEST_F(PersonOpsTest, UpdateChangeDateWritesOnlyTheDate) {
  TPersonDetail p = FullPerson();
  db().insert(p);
  ForgetChangeLines();
  p.Vorname = "nicht gespeichert";
  p.Geaendert = "2020.01.01";
  db().updateChangeDate(p);
  const auto read = db().getPersonDetail(p.Id);
  EXPECT_EQ(read->Geaendert, "2020.01.01");
  EXPECT_EQ(read->Vorname, "Anna Lüise");
  EXPECT_TRUE(NewChangeLines().empty());
}

TEST_F(PersonOpsTest, MissingRowsGiveTheirErrorBoxAndChangeNothing) {
  Person("A", "X", 0);
  ForgetChangeLines();
  TPersonDetail ghost;
  ghost.Id = 99;
  ghost.Vorname = "Geist";
  db().update(ghost);
  db().updateChangeDate(ghost);
  db().remove(ghost);
  EXPECT_EQ(ErrorBoxes(), (std::vector<std::string>{"TAhnenDB.update: PDB.EOF! id=99",
                                                    "TAhnenDB.update: PDB.EOF! id=99",
                                                    "TAhnenDB.delete: PDB.EOF! id=99"}));
  EXPECT_TRUE(NewChangeLines().empty());
  EXPECT_EQ(Rows(TableId::Person), 1);
}

// --- nothing half done ---------------------------------------------------------------------------

TEST_F(PersonOpsTest, FailingRowWriteLeavesNoPersonRow) {
  BreakWrites(TableId::Person, "INSERT");
  TPersonDetail p = FullPerson();
  EXPECT_THROW(db().insert(p), EDatabaseError);
  EXPECT_EQ(Rows(TableId::Person), 0);
  EXPECT_EQ(p.Id, 0) << "no id for a record that was not stored";
  EXPECT_EQ(p.Neu, "0000.00.00");
}

TEST_F(PersonOpsTest, FailingKeywordWriteUndoesTheWholeUpdate) {
  TPersonDetail p = FullPerson();
  db().insert(p);
  ASSERT_GT(Rows(TableId::Key, "pid = 1"), 0) << "the test needs keywords of the person";
  const int keys = Rows(TableId::Key);
  BreakWrites(TableId::Key, "INSERT");

  p.Nachname = "Neuer Name";
  EXPECT_THROW(db().update(p), EDatabaseError);
  EXPECT_EQ(db().getPersonDetail(1)->Nachname, "Müller");
  EXPECT_EQ(Rows(TableId::Key), keys) << "the old keywords are back";

  TPersonDetail q = FullPerson();
  EXPECT_THROW(db().insert(q), EDatabaseError);
  EXPECT_EQ(Rows(TableId::Person), 1);
}

TEST_F(PersonOpsTest, InsideAnOuterTransactionARollbackTakesEverything) {
  {
    auto outer = db().Transaction();
    Person("A", "X", sexMale);
    Person("B", "X", sexFemale);
    Marriage(1, 2);
    // No commit: the bulk work is abandoned.
  }
  EXPECT_EQ(Rows(TableId::Person), 0);
  EXPECT_EQ(Rows(TableId::Ehe), 0);
  EXPECT_EQ(Rows(TableId::Key), 0);
  EXPECT_EQ(Person("C", "X", 0), 1) << "the ids of the abandoned work are free";
}
