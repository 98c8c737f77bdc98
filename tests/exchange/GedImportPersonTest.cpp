// What an INDI record leaves in the person table and the tables of links,
// media and free-form entries.
#include <gtest/gtest.h>

#include "exchange/GedTagNames.h"
#include "tests/exchange/GedImportTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

class GedImportPersonTest : public GedImportTest {};

TEST_F(GedImportPersonTest, NameSexAndSimpleFields) {
  Import(Ged("0 @I1@ INDI\n1 NAME Hans /Muster/ jun.\n1 SEX M\n1 OCCU Bauer\n1 OCCU Wirt\n1 EDUC Volksschule\n"
             "1 RELI rk\n1 PHON 031 123\n1 _LEBENSORT Bern\n1 _BUERGERORT Basel\n1 _HEIRATNAME Meier\n"
             "0 @I2@ INDI\n1 NAME Anna\n1 SEX F\n"
             "0 @I3@ INDI\n1 NAME /Ohnevorname/\n1 SEX U\n"
             "0 @I4@ INDI\n1 NAME Max /Frei\n"));
  const auto hans = Person("Hans jun.");
  EXPECT_EQ(hans->Nachname, "Muster");
  EXPECT_EQ(hans->Geschlecht, 0);
  EXPECT_EQ(hans->Beruf, "Bauer Wirt");
  EXPECT_EQ(hans->Ausbildung, "Volksschule");
  EXPECT_EQ(hans->Religion, "rk");
  EXPECT_EQ(hans->Telefon, "031 123");
  EXPECT_EQ(hans->Ort, "Bern");
  EXPECT_EQ(hans->Buergerort, "Basel");
  EXPECT_EQ(hans->Famname, "Meier");
  EXPECT_EQ(hans->KarteiNr, "") << "the identifier leaves no trace";
  const auto anna = Person("Anna");
  EXPECT_EQ(anna->Nachname, "");
  EXPECT_EQ(anna->Geschlecht, 1);
  const auto ohne = Person("");
  EXPECT_EQ(ohne->Nachname, "Ohnevorname");
  EXPECT_EQ(ohne->Geschlecht, 2);
  EXPECT_EQ(Person("Max Frei")->Nachname, "") << "a name without its closing slash";
  EXPECT_NE(std::find(progress.entries.begin(), progress.entries.end(), "Person: Hans /Muster/ jun."),
            progress.entries.end());
}

TEST_F(GedImportPersonTest, SexLines) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 SEX W\n0 @I2@ INDI\n1 NAME B\n1 SEX m\n0 @I3@ INDI\n1 NAME C\n1 SEX X\n"
             "0 @I4@ INDI\n1 NAME D\n"));
  EXPECT_EQ(Person("A")->Geschlecht, 1);
  EXPECT_EQ(Person("B")->Geschlecht, 0);
  EXPECT_EQ(Person("C")->Geschlecht, 2);
  EXPECT_EQ(Person("D")->Geschlecht, 0) << "no SEX line and never a wife";
}

TEST_F(GedImportPersonTest, NamePartsFillGapsAndFurtherNamesAreKept) {
  Import(Ged("0 @I1@ INDI\n1 NAME\n2 GIVN Karl\n2 SURN Huber\n1 NAME Charles /Hoover/\n"
             "0 @I2@ INDI\n1 NAME Hans /Muster/\n2 GIVN Hans\n2 SURN Muster\n2 NSFX jun.\n"));
  const auto karl = Person("Karl");
  EXPECT_EQ(karl->Nachname, "Huber");
  EXPECT_EQ(DiversesOf(karl->Id), Lines{"Weiterer Name: Charles Hoover"});
  const auto hans = Person("Hans");
  EXPECT_EQ(hans->Nachname, "Muster");
  EXPECT_EQ(DiversesOf(hans->Id), Lines{"NSFX: jun."}) << "GIVN and SURN repeat the name and add nothing";
}

TEST_F(GedImportPersonTest, FourEventsWithQualifiersPlacesAndSources) {
  Import(Ged("0 @I1@ INDI\n1 NAME Eva /Roth/\n1 SEX F\n"
             "1 BIRT\n2 DATE ABT 1900\n2 PLAC Zürich\n2 SOUR Geburtsregister\n"
             "1 CHR\n2 DATE 5 MAR 1900\n2 PLAC St. Peter\n2 SOUR KB 3\n"
             "1 DEAT Y\n2 DATE BEF 3 JAN 1980\n2 PLAC Thun\n2 CAUS Grippe\n2 AGE 79\n2 SOUR Sterberegister\n"
             "1 BURI\n2 DATE AFT 1980\n2 PLAC Friedhof Sihlfeld\n2 SOUR Grabregister\n"));
  const auto eva = Person("Eva");
  EXPECT_EQ(eva->Geburt, "1900.00.00");
  EXPECT_EQ(eva->GeburtZusatz, 3);
  EXPECT_EQ(eva->GeburtOrt, "Zürich");
  EXPECT_EQ(eva->GeburtQuelle, "Geburtsregister");
  EXPECT_EQ(eva->Taufe, "1900.03.05");
  EXPECT_EQ(eva->TaufeZusatz, 0);
  EXPECT_EQ(eva->TaufeOrt, "St. Peter");
  EXPECT_EQ(eva->TaufeQuelle, "KB 3");
  EXPECT_EQ(eva->Tod, "1980.01.03");
  EXPECT_EQ(eva->TodZusatz, 1);
  EXPECT_EQ(eva->TodOrt, "Thun");
  EXPECT_EQ(eva->TodQuelle, "Sterberegister");
  EXPECT_EQ(eva->Todesursache, "Grippe");
  EXPECT_EQ(eva->Bestattung, "1980.00.00");
  EXPECT_EQ(eva->BestattungZusatz, 2);
  EXPECT_EQ(eva->BestattungOrt, "Friedhof Sihlfeld");
  EXPECT_EQ(eva->BestattungQuelle, "Grabregister");
  EXPECT_EQ(eva->Kommentar, Lines{"Alter (Tod): 79"});
}

TEST_F(GedImportPersonTest, EventLinesWithoutFieldAndBadDates) {
  Import(Ged("0 @I1@ INDI\n1 NAME Otto\n"
             "1 BIRT\n2 DATE BET 1900 AND 1910\n2 CAUS Kaiserschnitt\n2 NOTE Im Schnee\n3 CONC geboren\n"
             "2 SOUR Buch\n3 DATE 1950\n"
             "1 CHR\n2 _PATE Fritz\n2 PLAC Kirche St. Johannes der Täufer zu Bern\n"));
  const auto otto = Person("Otto");
  EXPECT_EQ(otto->Geburt, "0000.00.00");
  EXPECT_EQ(otto->GeburtQuelle, "Buch") << "a DATE below the source is no birth date";
  EXPECT_EQ(otto->TaufeOrt, "Kirche St. Johannes der Täufer") << "cut to 30 characters";
  EXPECT_EQ(otto->Kommentar, (Lines{"Ungültiges GED-Datum: \"BET 1900 AND 1910\" (Geburtsdatum)",
                                    "Ursache (Geburt): Kaiserschnitt", "Kommentar zur Geburt: Im Schnee geboren",
                                    "CHR-_PATE: Fritz"}));
  EXPECT_EQ(progress.messages, (Lines{"Ungültiges GED-Datum: \"BET 1900 AND 1910\" in: ",
                                      "Zeile 6: level=2, xRefId=, tag=DATE, value=BET 1900 AND 1910",
                                      "Unbekanntes Tag DATE in BIRT: ", "Zeile 11: level=3, xRefId=, tag=DATE, value=1950",
                                      "Unbekanntes Tag _PATE in CHR: ", "Zeile 13: level=2, xRefId=, tag=_PATE, value=Fritz",
                                      "GEDCOM-Datei ist eingelesen!",
                                      "Falls ungültige oder unbekannte Informationen gefunden ",
                                      "wurden, wurden diese ausgegeben und automatisch ",
                                      "im Personen-Kommentar gespeichert."}));
}

TEST_F(GedImportPersonTest, AddressLinesAndParts) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 ADDR Hauptstrasse 5\n2 CONT Ort: Bern\n2 CONT PLZ:  3000\n2 CONT Land: Schweiz\n"
             "2 CONT Korrespondenz: Ja\n"
             "0 @I2@ INDI\n1 NAME B\n1 ADDR\n2 ADR1 Gasse 1\n2 ADR2 Postfach 12\n2 CITY Thun\n2 POST 3600\n"
             "2 CTRY CH\n2 PHON 033 1\n2 STAE BE\n"));
  const auto a = Person("A");
  EXPECT_EQ(a->Strasse, "Hauptstrasse 5");
  EXPECT_EQ(a->AdressOrt, "Bern");
  EXPECT_EQ(a->PLZ, "3000");
  EXPECT_EQ(a->Land, "Schweiz");
  EXPECT_TRUE(a->Korrespondenz);
  const auto b = Person("B");
  EXPECT_EQ(b->Strasse, "Gasse 1 Postfach 12");
  EXPECT_EQ(b->AdressOrt, "Thun");
  EXPECT_EQ(b->PLZ, "3600");
  EXPECT_EQ(b->Land, "CH");
  EXPECT_EQ(b->Telefon, "033 1");
  EXPECT_FALSE(b->Korrespondenz);
  EXPECT_TRUE(Said("Unbekanntes Tag STAE in ADDR:"));
}

// Facts without a field of their own, for each choice of "User Defined Tags".
struct TUserTagsCase {
  const char* name;
  TUserDefTags choice;
  Lines diverses;
  Lines comment;
  bool asked;
};

class GedImportUserTags : public GedImportTest, public ::testing::WithParamInterface<TUserTagsCase> {};

TEST_P(GedImportUserTags, GoWhereTheChoiceSays) {
  options.UserDefTags = GetParam().choice;
  namer.names["_UID"] = "Kennung";
  Import(Ged("0 @I1@ INDI\n1 NAME Hans\n1 TITL Dr. med.\n1 SSN 123\n1 _UID abc\n"
             "1 EVEN Militärdienst\n2 TYPE Dienst\n2 DATE 1920\n2 PLAC Thun\n"));
  const auto hans = Person("Hans");
  EXPECT_EQ(DiversesOf(hans->Id), GetParam().diverses);
  EXPECT_EQ(hans->Kommentar, GetParam().comment);
  EXPECT_EQ(!namer.asked.empty(), GetParam().asked);
  if (GetParam().choice == TUserDefTags::Ignorieren) {
    for (const char* tag : {"TITL", "SSN", "_UID", "EVEN"})
      EXPECT_TRUE(Said(std::string("Ignoriere Tag ") + tag + " in: ")) << tag;
    EXPECT_TRUE(Said("Zeile 7: level=1, xRefId=, tag=_UID, value=abc"));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Choices, GedImportUserTags,
    ::testing::Values(
        TUserTagsCase{"Benutzerfelder", TUserDefTags::Benutzerfelder,
                      {"Titel: Dr. med.", "Sozialversicherungsnummer: 123", "Kennung: abc",
                       "Dienst: Militärdienst, Datum 1920, Ort Thun"},
                      {},
                      true},
        TUserTagsCase{"Kommentar", TUserDefTags::Kommentar,
                      {},
                      {"Titel: Dr. med.", "Sozialversicherungsnummer: 123", "Kennung: abc",
                       "Dienst: Militärdienst, Datum 1920, Ort Thun"},
                      true},
        TUserTagsCase{"Ignorieren", TUserDefTags::Ignorieren, {}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GedImportPersonTest, UnknownTagKeepsItsValueAndLinesBelow) {
  namer.names["_MILT"] = "Militär";
  Import(Ged("0 @I1@ INDI\n1 NAME Hans\n1 _MILT Gefreiter\n2 DATE 1914\n2 PLAC Verdun\n2 _RANK Korporal\n"
             "1 EVEN\n"));
  EXPECT_EQ(DiversesOf(Person("Hans")->Id),
            (Lines{"Militär: Gefreiter, Datum 1914, Ort Verdun, _RANK Korporal", "Ereignis: "}));
  EXPECT_EQ(namer.asked, (Lines{"_MILT|Gefreiter", "_RANK|Korporal"}));
}

TEST_F(GedImportPersonTest, TagNamesAreAskedOncePerProgramRun) {
  namer.names["_UID"] = "Kennung";
  const std::string file = Ged("0 @I1@ INDI\n1 NAME A\n1 _UID 1\n0 @I2@ INDI\n1 NAME B\n1 _UID 2\n");
  Import(file);
  prompter.answers.push_back(PromptAnswer::Yes);
  Import(file);
  EXPECT_EQ(namer.asked, Lines{"_UID|1"});
  EXPECT_EQ(AllPersons().size(), 4u) << "a second import adds every person again";
  for (const auto& p : AllPersons()) EXPECT_EQ(DiversesOf(p->Id).at(0).rfind("Kennung: ", 0), 0u);

  ForgetTagNames();
  options.AskTagTranslation = false;
  namer.asked.clear();
  prompter.answers.push_back(PromptAnswer::Yes);
  Import(Ged("0 @I1@ INDI\n1 NAME C\n1 _UID 3\n"));
  EXPECT_TRUE(namer.asked.empty());
  EXPECT_EQ(DiversesOf(Person("C")->Id), Lines{"_UID: 3"});
}

TEST_F(GedImportPersonTest, RefnBecomesTheCardNumber) {
  const std::string file = Ged("0 @I1@ INDI\n1 NAME A\n1 REFN 12\n1 REFN a\n0 @I2@ INDI\n1 NAME B\n"
                               "1 REFN 1234567890123456789012345\n");
  Import(file);
  EXPECT_EQ(Person("A")->KarteiNr, "12a");
  EXPECT_EQ(Person("B")->KarteiNr, "12345678901234567890");
}

TEST_F(GedImportPersonTest, RefnIgnoredWhenSwitchedOff) {
  options.ReadRefnTags = false;
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 REFN 12\n"));
  EXPECT_EQ(Person("A")->KarteiNr, "");
}

TEST_F(GedImportPersonTest, ChangeDateSurvivesTheSaving) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 CHAN\n2 DATE 7 SEP 2000\n3 TIME 8:35:36\n0 @I2@ INDI\n1 NAME B\n"
             "0 @I3@ INDI\n1 NAME C\n1 CHAN\n2 DATE 7 SEPT 2000\n"));
  EXPECT_EQ(Person("A")->Geaendert, "2000.09.07");
  EXPECT_EQ(Person("A")->Neu, "2026.12.11");
  EXPECT_EQ(Person("B")->Geaendert, "2026.12.11");
  EXPECT_EQ(Person("C")->Geaendert, "2026.12.11");
  EXPECT_EQ(Person("C")->Kommentar, Lines{"Ungültiges GED-Datum: \"7 SEPT 2000\" (Aenderungsdatum)"});
  EXPECT_FALSE(Said("TIME"));
}

TEST_F(GedImportPersonTest, AssociationsLinkPersonsInOrderOfMention) {
  Import(Ged("0 @I1@ INDI\n1 NAME Kind\n1 ASSO @I2@\n2 TYPE INDI\n2 RELA Pate\n1 ASSO @I1@\n2 RELA selbst\n"
             "0 @I2@ INDI\n1 NAME Pate\n"));
  const auto kind = Person("Kind");
  const auto pate = Person("Pate");
  EXPECT_EQ(kind->Id, 1);
  EXPECT_EQ(pate->Id, 2);
  const auto links = db().getLinks(*kind);
  ASSERT_EQ(links->Count(), 2u);
  EXPECT_EQ((*links)[0].Id2, 2);
  EXPECT_EQ((*links)[0].Text, "Pate");
  EXPECT_EQ((*links)[1].Id2, 1);
  EXPECT_EQ((*links)[1].Text, "selbst");
  EXPECT_EQ(AllPersons().size(), 2u);
}

TEST_F(GedImportPersonTest, MediaLinksOfEveryKind) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 OBJE\n2 FORM jpg\n2 FILE bilder/hof.jpg\n2 TITL Der Hof\n"
             "1 PHOTO @#Abild.png\n2 NOTE Porträt\n1 OBJE @M1@\n1 OBJE @M9@\n"
             "0 @M1@ OBJE\n1 FILE x.png\n2 FORM png\n2 TITL Titel X\n1 FILE y.mp3\n"));
  const auto a = Person("A");
  Lines media;
  const auto stored = db().getMediae(*a);
  for (const auto& m : *stored) media.push_back(m->File + " | " + m->Title);
  EXPECT_EQ(media, (Lines{"bilder/hof.jpg | Der Hof", "bild.png | Porträt", "x.png | Titel X", "y.mp3 | "}));
  EXPECT_TRUE(Said("Multimedia-Objekt @M9@ nicht gefunden: "));
  EXPECT_FALSE(Said("Ignoriere Tag FILE")) << "the object's files were used";
}

TEST_F(GedImportPersonTest, FreeFormEntriesAndPointedNotesAndSources) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 _DIVERSES\n2 TITL Hobby\n2 NOTE Imkerei\n3 CONT und Garten\n"
             "1 NOTE @N1@\n1 NOTE Eigene\n2 CONC Notiz\n1 SOUR @S1@\n1 BIRT\n2 SOUR @S1@\n"
             "0 @N1@ NOTE Eine geteilte\n1 CONC Notiz\n"
             "0 @S1@ SOUR\n1 TITL Kirchenbuch Bern\n1 AUTH Pfarrer\n"));
  const auto a = Person("A");
  EXPECT_EQ(DiversesOf(a->Id), Lines{"Hobby: Imkerei\r\nund Garten"});
  EXPECT_EQ(a->Kommentar, (Lines{"Eine geteilte Notiz", "Eigene Notiz"}));
  EXPECT_EQ(a->Quelle, "Kirchenbuch Bern");
  EXPECT_EQ(a->GeburtQuelle, "Kirchenbuch Bern");
  EXPECT_TRUE(Said("Ignoriere Tag AUTH in: "));
  EXPECT_FALSE(Said("Ignoriere Tag TITL"));
}

TEST_F(GedImportPersonTest, LabelledNoteLinesOfAhnenWin) {
  const std::string file = Ged("0 @I1@ INDI\n1 NAME A\n1 NOTE Buergerort: Bern\n2 CONT ID: 42\n"
                               "2 CONT Qu.Taufe: KB 3\n2 CONT Taufp.: Hans und Eva\n2 CONT Freier Text\n"
                               "1 SOUR Quellen: Archiv\n");
  options.AhnenWinFields = true;
  Import(file);
  const auto a = Person("A");
  EXPECT_EQ(a->Buergerort, "Bern");
  EXPECT_EQ(a->KarteiNr, "42");
  EXPECT_EQ(a->TaufeQuelle, "KB 3");
  EXPECT_EQ(a->Quelle, "Archiv");
  EXPECT_EQ(DiversesOf(a->Id), Lines{"Taufpaten: Hans und Eva"});
  EXPECT_EQ(a->Kommentar, Lines{"Freier Text"});
}

TEST_F(GedImportPersonTest, LabelledNoteLinesStayTextWithoutTheOption) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n1 NOTE Buergerort: Bern\n2 CONT ID: 42\n"));
  const auto a = Person("A");
  EXPECT_EQ(a->Buergerort, "");
  EXPECT_EQ(a->Kommentar, (Lines{"Buergerort: Bern", "ID: 42"}));
}

TEST_F(GedImportPersonTest, NationalityOption) {
  const std::string file = Ged("0 @I1@ INDI\n1 NAME A\n1 NATI Schweiz\n");
  Import(file);
  EXPECT_EQ(Person("A")->Buergerort, "Schweiz");
  options.NationalityToBuergerort = false;
  prompter.answers.push_back(PromptAnswer::Yes);
  Import(Ged("0 @I1@ INDI\n1 NAME B\n1 NATI Schweiz\n"));
  EXPECT_EQ(Person("B")->Buergerort, "");
  EXPECT_EQ(DiversesOf(Person("B")->Id), Lines{"Nationalität: Schweiz"});
}

TEST_F(GedImportPersonTest, NoteAtLevelZeroContinuesThePerson) {
  Import(Ged("0 @I1@ INDI\n1 NAME A\n0 NOTE\n1 CONT Fortsetzung\n0 @N9@ NOTE geteilt\n1 CONT nicht von A\n"));
  EXPECT_EQ(Person("A")->Kommentar, Lines{"Fortsetzung"});
}

TEST_F(GedImportPersonTest, IdentifiersMapExactly) {
  const std::string longA = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ-1@", longB = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ-2@";
  Import(Ged("0 " + longA + " INDI\n1 NAME Lang1\n1 ASSO " + longB + "\n0 " + longB + " INDI\n1 NAME Lang2\n"
             "0 @i1@ INDI\n1 NAME Klein\n0 @I1@ INDI\n1 NAME Gross\n"
             "0 @F1@ FAM\n1 HUSB " + longA + "\n1 WIFE " + longB + "\n1 CHIL @i1@\n1 CHIL @I1@\n"));
  EXPECT_EQ(AllPersons().size(), 4u);
  const auto marriages = AllMarriages();
  ASSERT_EQ(marriages.size(), 1u);
  EXPECT_EQ(marriages[0].Mann, Person("Lang1")->Id);
  EXPECT_EQ(marriages[0].Frau, Person("Lang2")->Id);
  EXPECT_EQ(Person("Klein")->Vater, Person("Lang1")->Id);
  EXPECT_EQ(Person("Gross")->Mutter, Person("Lang2")->Id);
  EXPECT_EQ(db().getLinks(*Person("Lang1"))->Count(), 1u);
}

TEST_F(GedImportPersonTest, CardNumbersPresentBeforeAreLeftAlone) {
  TPersonDetail alt;
  alt.Vorname = "Alt";
  alt.KarteiNr = "@I1@";
  db().insert(alt);
  TPersonDetail other;
  other.Vorname = "Anders";
  other.KarteiNr = "@I2@ 17";
  db().insert(other);
  Import(Ged("0 @I1@ INDI\n1 NAME Neu\n1 REFN 5\n0 @I2@ INDI\n1 NAME Zwei\n"));
  ASSERT_EQ(prompter.asked.size(), 1u);
  EXPECT_EQ(prompter.asked[0].text, kGedMergeQuestion);
  EXPECT_EQ(Person("Alt")->KarteiNr, "@I1@");
  EXPECT_EQ(Person("Anders")->KarteiNr, "@I2@ 17");
  EXPECT_EQ(Person("Neu")->KarteiNr, "5");
  EXPECT_EQ(Person("Neu")->Id, 3) << "a new person, not the one whose card number looks like the identifier";
  EXPECT_EQ(Person("Zwei")->KarteiNr, "");
}

}  // namespace
