// What a FAM record leaves: marriage rows, divorces and partnerships, the
// parents of the children, and what happens to a family with one partner.
#include <gtest/gtest.h>

#include "tests/exchange/GedImportTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

class GedImportFamilyTest : public GedImportTest {};

TEST_F(GedImportFamilyTest, MarriageDivorceAndChildren) {
  Import(Ged("0 @I1@ INDI\n1 NAME Hans /Muster/\n1 SEX M\n0 @I2@ INDI\n1 NAME Eva /Roth/\n1 SEX F\n"
             "0 @I3@ INDI\n1 NAME Kind /Muster/\n"
             "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 MARR\n2 DATE 5 MAY 1925\n2 PLAC Bern\n"
             "2 SOUR Eheregister\n2 TYPE zivil\n1 DIV\n2 DATE ABT 1940\n2 PLAC Thun\n2 SOUR Gericht\n"
             "1 NOTE Zweite Ehe\n"));
  const auto marriages = AllMarriages();
  ASSERT_EQ(marriages.size(), 1u);
  const TEheRec& m = marriages[0];
  EXPECT_EQ(m.Mann, Person("Hans")->Id);
  EXPECT_EQ(m.Frau, Person("Eva")->Id);
  EXPECT_TRUE(m.Verheiratet);
  EXPECT_EQ(m.Heirat, "1925.05.05");
  EXPECT_EQ(m.HeiratZusatz, 0);
  EXPECT_EQ(m.HeiratOrt, "Bern");
  EXPECT_EQ(m.HeiratQuelle, "Eheregister");
  EXPECT_TRUE(m.Geschieden);
  EXPECT_EQ(m.Scheidung, "1940.00.00");
  EXPECT_EQ(m.ScheidungZusatz, 3);
  EXPECT_EQ(m.ScheidungOrt, "Thun");
  EXPECT_EQ(m.ScheidungQuelle, "Gericht");
  EXPECT_EQ(m.Kommentar, (Lines{"Art der Heirat: zivil", "Zweite Ehe"}));
  const auto kind = Person("Kind");
  EXPECT_EQ(kind->Vater, m.Mann);
  EXPECT_EQ(kind->Mutter, m.Frau);
  EXPECT_TRUE(progress.entries.end() !=
              std::find(progress.entries.begin(), progress.entries.end(), "Familie: F1"));
}

TEST_F(GedImportFamilyTest, PartnershipsAreNotMarriages) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 SEX M\n0 @I2@ INDI\n1 NAME B\n1 SEX F\n0 @I3@ INDI\n1 NAME C\n1 SEX M\n"
             "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 _STAT PARTNER\n1 MARR\n2 DATE 1950\n"
             "0 @F2@ FAM\n1 HUSB @I3@\n1 WIFE @I2@\n"));
  const auto marriages = AllMarriages();
  ASSERT_EQ(marriages.size(), 2u);
  EXPECT_FALSE(marriages[0].Verheiratet);
  EXPECT_EQ(marriages[0].Heirat, "1950.00.00");
  EXPECT_FALSE(marriages[1].Verheiratet) << "a family without MARR";
  EXPECT_EQ(marriages[1].Heirat, "0000.00.00");
}

TEST_F(GedImportFamilyTest, FamilyBeforeItsPersons) {
  Import(Ged("0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n"
             "0 @I3@ INDI\n1 NAME Kind\n1 SEX M\n0 @I1@ INDI\n1 NAME Vater\n0 @I2@ INDI\n1 NAME Mutter\n"));
  const auto vater = Person("Vater"), mutter = Person("Mutter"), kind = Person("Kind");
  EXPECT_EQ(vater->Id, 1);
  EXPECT_EQ(mutter->Id, 2);
  EXPECT_EQ(kind->Id, 3);
  EXPECT_EQ(kind->Vater, 1);
  EXPECT_EQ(kind->Mutter, 2);
  EXPECT_EQ(vater->Geschlecht, 0);
  EXPECT_EQ(mutter->Geschlecht, 1) << "a wife without SEX line";
  ASSERT_EQ(AllMarriages().size(), 1u);
}

TEST_F(GedImportFamilyTest, WifeWithoutSexLineIsFemale) {
  Import(Ged("0 @I1@ INDI\n1 NAME Vater\n0 @I2@ INDI\n1 NAME Mutter\n0 @I3@ INDI\n1 NAME Frau\n1 SEX M\n"
             "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n"
             "0 @F3@ FAM\n1 WIFE @I4@\n1 CHIL @I1@\n"));
  EXPECT_EQ(Person("Vater")->Geschlecht, 0);
  EXPECT_EQ(Person("Mutter")->Geschlecht, 1);
  EXPECT_EQ(Person("Frau")->Geschlecht, 0) << "a SEX line is what the file says";
  // @I4@ has no record of its own: made for its mention as a wife.
  EXPECT_EQ(db().getPersonDetail(4)->Geschlecht, 1);
  EXPECT_EQ(Person("Vater")->Mutter, 4);
}

TEST_F(GedImportFamilyTest, OnePartnerWithMarriageDataKeepsItInTheComment) {
  Import(Ged("0 @I1@ INDI\n1 NAME Witwe /Keller/\n1 SEX F\n1 NOTE Eigener Kommentar\n0 @I2@ INDI\n1 NAME Kind\n"
             "0 @F7@ FAM\n1 WIFE @I1@\n1 CHIL @I2@\n1 MARR\n2 DATE 1 JUN 1900\n2 PLAC Basel\n1 NOTE Mann unbekannt\n"));
  EXPECT_TRUE(AllMarriages().empty());
  EXPECT_EQ(Person("Witwe")->Kommentar,
            (Lines{"Eigener Kommentar", "Familie F7 (zweiter Partner unbekannt):", "Heirat: 01.06.1900 in Basel",
                   "Mann unbekannt"}));
  EXPECT_EQ(Person("Kind")->Mutter, Person("Witwe")->Id);
  EXPECT_TRUE(Said("F7: Heiratsdaten vorhanden, aber Mann oder Frau nicht gesetzt."));
  EXPECT_TRUE(Said("F7: Die Angaben stehen im Kommentar von Witwe Keller [1]."));
}

TEST_F(GedImportFamilyTest, OnePartnerWithoutDataOnlyLinksTheChildren) {
  Import(Ged("0 @I1@ INDI\n1 NAME Vater\n1 SEX M\n0 @I2@ INDI\n1 NAME Kind\n0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n"
             "0 @F2@ FAM\n1 CHIL @I2@\n"));
  EXPECT_TRUE(AllMarriages().empty());
  EXPECT_EQ(Person("Kind")->Vater, 1);
  EXPECT_EQ(Person("Kind")->Mutter, 0);
  EXPECT_EQ(Person("Vater")->Kommentar, Lines{});
  EXPECT_FALSE(Said("F1:"));
  EXPECT_TRUE(Said("F2: Weder Mann noch Frau bekannt. -> Eintrag wird nicht importiert"));
}

TEST_F(GedImportFamilyTest, OtherFamilyLinesGoToTheMarriageComment) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 SEX M\n0 @I2@ INDI\n1 NAME B\n1 SEX F\n"
             "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 _UID 77\n1 NCHI 3\n1 _MREL Adoptiert\n1 ADDR Hof 1\n2 CONT Bern\n"
             "1 EVEN\n2 TYPE Verlobung\n2 DATE 1920\n1 CHAN\n2 DATE 1 JAN 2000\n"));
  const auto marriages = AllMarriages();
  ASSERT_EQ(marriages.size(), 1u);
  EXPECT_EQ(marriages[0].Kommentar, (Lines{"_UID: 77", "Anzahl Kinder: 3", "Beziehung zur Mutter: Adoptiert",
                                           "Adresse:", "Hof 1", "Bern", "Verlobung: Datum 1920"}));
  EXPECT_TRUE(Said("Zeile 12: level=1, xRefId=, tag=_UID, value=77"));
}

TEST_F(GedImportFamilyTest, IgnoredTagsAreLeftOutOfTheFamily) {
  options.UserDefTags = TUserDefTags::Ignorieren;
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 SEX M\n0 @I2@ INDI\n1 NAME B\n1 SEX F\n"
             "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 _UID 77\n1 EVEN\n2 TYPE Verlobung\n"));
  ASSERT_EQ(AllMarriages().size(), 1u);
  EXPECT_EQ(AllMarriages()[0].Kommentar, Lines{});
  EXPECT_TRUE(Said("Ignoriere Tag _UID in: "));
  EXPECT_TRUE(Said("Ignoriere Tag EVEN in: "));
}

TEST_F(GedImportFamilyTest, LinkedChildrenKeepTheirChangeDate) {
  Import(Ged("0 @I1@ INDI\n1 NAME Vater\n1 SEX M\n0 @I2@ INDI\n1 NAME Kind\n1 CHAN\n2 DATE 3 FEB 2001\n"
             "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n"));
  EXPECT_EQ(Person("Kind")->Vater, 1);
  EXPECT_EQ(Person("Kind")->Geaendert, "2001.02.03");
}

TEST_F(GedImportFamilyTest, MarriageLinesOfAhnenWin) {
  options.AhnenWinFields = true;
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 SEX M\n0 @I2@ INDI\n1 NAME B\n1 SEX F\n0 @I3@ INDI\n1 NAME C\n1 SEX F\n"
             "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 NOTE Verb.: Eheschließung\n2 CONT Qu.Heirat: KB 7\n2 CONT Text\n"
             "0 @F2@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 MARR\n1 NOTE Verb.: Lebensgemeinschaft\n"));
  const auto marriages = AllMarriages();
  ASSERT_EQ(marriages.size(), 2u);
  EXPECT_TRUE(marriages[0].Verheiratet);
  EXPECT_EQ(marriages[0].HeiratQuelle, "KB 7");
  EXPECT_EQ(marriages[0].Kommentar, Lines{"Text"});
  EXPECT_FALSE(marriages[1].Verheiratet);
  EXPECT_EQ(marriages[1].Kommentar, Lines{"Verb.: Lebensgemeinschaft"});
}

}  // namespace
