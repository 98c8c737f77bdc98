// Marriages: every field both ways, ids, the change log, partners seen from
// each sex, the lookup by husband and wife, and that a marriage never
// outlives one of its persons.
#include <gtest/gtest.h>

#include "core/Configuration.h"
#include "core/Sex.h"
#include "tests/db/OpsTestSupport.h"

class MarriageOpsTest : public OpsTest {};

TEST_F(MarriageOpsTest, EveryFieldSurvivesInsertAndRead) {
  const int mann = Person("Hans", "Müller", sexMale);
  const int frau = Person("Grete", "Schäfer", sexFemale);
  TEheRec rec;
  rec.Mann = mann;
  rec.Frau = frau;
  rec.Heirat = "1920.05.03";
  rec.Verheiratet = true;
  rec.HeiratOrt = "Zürich-Höngg";
  rec.HeiratZusatz = 2;
  rec.HeiratQuelle = "Eheregister Zürich";
  rec.Scheidung = "1931.00.00";
  rec.Geschieden = true;
  rec.ScheidungOrt = "Bern";
  rec.ScheidungZusatz = 1;
  rec.ScheidungQuelle = "Urteil";
  rec.Kommentar = {"Zwei Zeilen,", "die zweite mit ß"};
  db().insertMarriage(rec);
  ASSERT_EQ(rec.Id, 1);
  EXPECT_EQ(rec.Neu, "2026.12.11");
  EXPECT_EQ(rec.Geaendert, "2026.12.11");

  Reopen();
  const auto read = db().getMarriage(1);
  EXPECT_EQ(read->Id, 1);
  EXPECT_EQ(read->Mann, mann);
  EXPECT_EQ(read->Frau, frau);
  EXPECT_EQ(read->Heirat, "1920.05.03");
  EXPECT_TRUE(read->Verheiratet);
  EXPECT_EQ(read->HeiratOrt, "Zürich-Höngg");
  EXPECT_EQ(read->HeiratZusatz, 2);
  EXPECT_EQ(read->HeiratQuelle, "Eheregister Zürich");
  EXPECT_EQ(read->Scheidung, "1931.00.00");
  EXPECT_TRUE(read->Geschieden);
  EXPECT_EQ(read->ScheidungOrt, "Bern");
  EXPECT_EQ(read->ScheidungZusatz, 1);
  EXPECT_EQ(read->ScheidungQuelle, "Urteil");
  EXPECT_EQ(read->Kommentar, rec.Kommentar);
  EXPECT_EQ(read->Neu, "2026.12.11");
  EXPECT_EQ(read->Geaendert, "2026.12.11");
  EXPECT_EQ(Stored(TableId::Ehe, "Kommentar", "Id = 1"), "Zwei Zeilen,\r\ndie zweite mit ß");
}

TEST_F(MarriageOpsTest, LongTextsAreCutAtACharacter) {
  const int mann = Person("Hans", "X", sexMale);
  const int frau = Person("Grete", "X", sexFemale);
  TEheRec rec;
  rec.Mann = mann;
  rec.Frau = frau;
  rec.HeiratOrt = std::string(29, 'a') + "äö";  // 31 characters
  rec.ScheidungQuelle = std::string(30, 'b') + "c";
  db().insertMarriage(rec);
  const auto read = db().getMarriage(rec.Id);
  EXPECT_EQ(read->HeiratOrt, std::string(29, 'a') + "ä");
  EXPECT_EQ(read->ScheidungQuelle, std::string(30, 'b'));
  EXPECT_EQ(rec.HeiratOrt, read->HeiratOrt);
}

TEST_F(MarriageOpsTest, EmptyFieldsReadAsNothing) {
  db().Connection().Exec("INSERT INTO edb.\"Ehe\" (\"Id\") VALUES (4)");
  const auto read = db().getMarriage(4);
  EXPECT_EQ(read->Id, 4);
  EXPECT_EQ(read->Mann, 0);
  EXPECT_EQ(read->Heirat, "0000.00.00");
  EXPECT_EQ(read->Scheidung, "0000.00.00");
  EXPECT_FALSE(read->Verheiratet);
  EXPECT_TRUE(read->Kommentar.empty());
  EXPECT_EQ(db().getMarriage(5)->Id, 0);
  EXPECT_EQ(db().getMarriage(0)->Id, 0);
}

TEST_F(MarriageOpsTest, IdsAreTheHighestPlusOne) {
  const int a = Person("A", "X", sexMale), b = Person("B", "X", sexFemale);
  EXPECT_EQ(Marriage(a, b), 1);
  EXPECT_EQ(Marriage(a, b), 2);
  TEheRec second = *db().getMarriage(2);
  db().deleteMarriage(second);
  EXPECT_EQ(Marriage(a, b), 2);
}

TEST_F(MarriageOpsTest, InsertUpdateDeleteWriteTheirLines) {
  const int mann = Person("Hans", "X", sexMale);
  const int frau = Person("Grete", "X", sexFemale);
  const int zweite = Person("Berta", "X", sexFemale);
  ForgetChangeLines();
  TEheRec rec;
  rec.Mann = mann;
  rec.Frau = frau;
  rec.Heirat = "1920.05.03";
  rec.Verheiratet = true;
  rec.HeiratOrt = "Zürich";
  db().insertMarriage(rec);

  rec.Frau = zweite;
  rec.Geschieden = true;
  rec.ScheidungZusatz = 2;
  rec.Kommentar = {"nicht in der Zeile"};
  db().updateMarriage(rec);
  db().deleteMarriage(rec);

  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{
                                  "Ehe eingefügt: [1] (Aenderung folgt implizit...)",
                                  "Ehe geändert: [1] mann=0 frau=0: Mann=1 Frau=2 HeiratDat=1920.05.03 Verheiratet=1 "
                                  "HeiratOrt=Zürich",
                                  "Ehe geändert: [1] mann=1 frau=2: Frau=3 Geschieden=1 ScheidZusatz=2",
                                  "Ehe gelöscht: [1] mann=1 frau=3",
                              }));
}

TEST_F(MarriageOpsTest, EveryLabelInItsOrder) {
  const int a = Person("A", "X", sexMale), b = Person("B", "X", sexFemale);
  const int c = Person("C", "X", sexMale), d = Person("D", "X", sexFemale);
  TEheRec rec;
  rec.Mann = a;
  rec.Frau = b;
  db().insertMarriage(rec);
  ForgetChangeLines();
  rec.Mann = c;
  rec.Frau = d;
  rec.Heirat = "1900.01.01";
  rec.Verheiratet = true;
  rec.HeiratOrt = "O1";
  rec.HeiratQuelle = "Q1";
  rec.Scheidung = "1910.02.02";
  rec.Geschieden = true;
  rec.ScheidungOrt = "O2";
  rec.ScheidungQuelle = "Q2";
  rec.HeiratZusatz = 3;
  rec.ScheidungZusatz = 4;
  db().updateMarriage(rec);
  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{
                                  "Ehe geändert: [1] mann=1 frau=2: Mann=3 Frau=4 HeiratDat=1900.01.01 Verheiratet=1 "
                                  "HeiratOrt=O1 HeiratQuelle=Q1 ScheidDat=1910.02.02 Geschieden=1 ScheidOrt=O2 "
                                  "ScheidQuelle=Q2 HeiratZusatz=3 ScheidZusatz=4"}));
}

TEST_F(MarriageOpsTest, UpdatingAMarriageWhoseWifeIsGoneDeletesIt) {
  const int mann = Person("Hans", "X", sexMale);
  const int frau = Person("Grete", "X", sexFemale);
  const int id = Marriage(mann, frau);
  TPerson wife = *db().getPerson(frau);
  db().remove(wife);  // the person row only
  ForgetChangeLines();
  TEheRec rec = *db().getMarriage(id);
  rec.HeiratOrt = "Bern";
  db().updateMarriage(rec);
  EXPECT_EQ(Rows(TableId::Ehe), 0);
  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{"Ehe gelöscht: [1] mann=1 frau=2"}));
  EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(MarriageOpsTest, AMarriageWithAnUnknownOrMissingPersonIsNotKept) {
  const int mann = Person("Hans", "X", sexMale);
  for (int frau : {0, 77}) {
    ForgetChangeLines();
    TEheRec rec;
    rec.Mann = mann;
    rec.Frau = frau;
    db().insertMarriage(rec);
    EXPECT_EQ(Rows(TableId::Ehe), 0) << frau;
    EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{"Ehe eingefügt: [1] (Aenderung folgt implizit...)",
                                                          "Ehe gelöscht: [1] mann=0 frau=0"}))
        << frau;
  }
}

TEST_F(MarriageOpsTest, MissingRowsGiveTheirErrorBox) {
  const int mann = Person("Hans", "X", sexMale);
  const int frau = Person("Grete", "X", sexFemale);
  TEheRec rec;
  rec.Id = 7;
  rec.Mann = mann;
  rec.Frau = frau;
  ForgetChangeLines();
  db().updateMarriage(rec);
  db().deleteMarriage(rec);
  EXPECT_EQ(ErrorBoxes(), (std::vector<std::string>{"TAhnenDB.updateMarriage: EDB.EOF mit id=7",
                                                    "TAhnenDB.delete: EDB.EOF! id=7"}));
  EXPECT_TRUE(NewChangeLines().empty());
}

// --- partners ------------------------------------------------------------------------------------

class PartnersTest : public OpsTest {
 protected:
  void SetUp() override {
    OpsTest::SetUp();
    hans = Person("Hans", "X", sexMale);
    grete = Person("Grete", "X", sexFemale);
    berta = Person("Berta", "X", sexFemale);
    kim = Person("Kim", "X", sexUnknown);
    otto = Person("Otto", "X", sexMale);
    late = Marriage(hans, grete, "1920.01.01");
    early = Marriage(hans, berta, "1910.01.01");
    kimAsHusband = Marriage(kim, grete, "1930.01.01");
    kimAsWife = Marriage(otto, kim, "1925.01.01");
  }

  // Marriage ids and partner ids as getPartners gives them.
  std::pair<std::vector<int>, std::vector<int>> PartnersOf(int id) {
    std::vector<int> marriages, partners;
    const auto list = db().getPartners(*db().getPerson(id));
    for (const auto& p : *list) {
      marriages.push_back(p->Id);
      EXPECT_NE(p->Partner, nullptr) << "every partner is loaded";
      partners.push_back(p->Partner ? p->Partner->Id : -1);
    }
    return {marriages, partners};
  }

  int hans = 0, grete = 0, berta = 0, kim = 0, otto = 0;
  int late = 0, early = 0, kimAsHusband = 0, kimAsWife = 0;
};

TEST_F(PartnersTest, AManSeesHisWivesByMarriageDate) {
  const auto [marriages, partners] = PartnersOf(hans);
  EXPECT_EQ(marriages, (std::vector<int>{early, late}));
  EXPECT_EQ(partners, (std::vector<int>{berta, grete}));
}

TEST_F(PartnersTest, AWomanSeesHerHusbands) {
  const auto [marriages, partners] = PartnersOf(grete);
  EXPECT_EQ(marriages, (std::vector<int>{late, kimAsHusband}));
  EXPECT_EQ(partners, (std::vector<int>{hans, kim}));
}

TEST_F(PartnersTest, APersonOfUnknownSexSeesBothSides) {
  const auto [marriages, partners] = PartnersOf(kim);
  EXPECT_EQ(marriages, (std::vector<int>{kimAsWife, kimAsHusband}));
  EXPECT_EQ(partners, (std::vector<int>{otto, grete}));
}

TEST_F(PartnersTest, AMissingPartnerIsAnEmptyRecord) {
  db().Connection().Exec("UPDATE edb.\"Ehe\" SET \"Frau\" = 99 WHERE \"Id\" = " + std::to_string(early));
  const auto [marriages, partners] = PartnersOf(hans);
  EXPECT_EQ(partners, (std::vector<int>{0, grete}));
  TPerson nobody;
  EXPECT_TRUE(db().getPartners(nobody)->Empty());
}

TEST_F(PartnersTest, FindMarriageByHusbandAndWife) {
  EXPECT_EQ(db().findMarriage(hans, grete), late);
  EXPECT_EQ(db().findMarriage(hans, berta), early);
  EXPECT_EQ(db().findMarriage(grete, hans), 0);
  EXPECT_EQ(db().findMarriage(otto, grete), 0);
  const int again = Marriage(hans, grete, "1900.01.01");
  EXPECT_EQ(db().findMarriage(hans, grete), late) << "the first row of the pair, not " << again;
}

// --- nothing half done -------------------------------------------------------------------------------

TEST_F(MarriageOpsTest, FailingFieldWriteLeavesNoMarriageRow) {
  const int mann = Person("Hans", "X", sexMale);
  const int frau = Person("Grete", "X", sexFemale);
  BreakWrites(TableId::Ehe, "UPDATE");
  TEheRec rec;
  rec.Mann = mann;
  rec.Frau = frau;
  EXPECT_THROW(db().insertMarriage(rec), EDatabaseError);
  EXPECT_EQ(Rows(TableId::Ehe), 0);
  EXPECT_EQ(rec.Id, 0);
}

TEST_F(MarriageOpsTest, FailingKeywordsKeepTheMarriage) {
  Config->SetOptionBool(59, true);
  const int mann = Person("Hans", "X", sexMale);
  const int frau = Person("Grete", "X", sexFemale);
  TEheRec rec;
  rec.Mann = mann;
  rec.Frau = frau;
  rec.HeiratOrt = "Zürich";
  db().insertMarriage(rec);
  ASSERT_EQ(Rows(TableId::Key, "\"key\" = 'Zürich'"), 2) << "the test needs marriage keywords";
  BreakWrites(TableId::Key, "INSERT");
  EXPECT_THROW(db().deleteMarriage(rec), EDatabaseError);
  EXPECT_EQ(Rows(TableId::Ehe), 1);
  EXPECT_EQ(Rows(TableId::Key, "\"key\" = 'Zürich'"), 2);
}
