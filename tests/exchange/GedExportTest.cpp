// The export of the whole database: header and submitter, every line of an
// individual and of a family, the families of parent pairs, user-defined
// fields, line breaks, the character sets, progress and the file itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "core/Errors.h"
#include "core/Host.h"
#include "tests/exchange/GedExportTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kHeadToSubmitter = {"0 HEAD ",          "1 SOUR Orvelin", "2 VERS 2000",
                                "1 DATE 11 DEC 2026", "1 SUBM @S1@",    "1 CHAR ANSI",
                                "1 FILE EXPORT.GED", "1 GEDC ",        "2 VERS 5.5",
                                "2 FORM LINEAGE-LINKED"};

Lines Concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(GedExportTest, AnEmptyDatabaseGivesHeaderSubmitterAndTrailerOnly) {
  const std::string bytes = Export({}, "leer.ged");
  Lines expected = kHeadToSubmitter;
  expected[6] = "1 FILE LEER.GED";
  expected = Concat(expected, {"0 @S1@ SUBM ", "1 NAME ", "1 PHON ", "0 TRLR "});
  EXPECT_EQ(FileLines(bytes), expected);
  EXPECT_EQ(result.Individuals + result.Families + result.ParentPairFamilies, 0);
  EXPECT_EQ(result.Lines, 14);
  EXPECT_EQ(progress.messages, (Lines{"GEDCOM-Datei geschrieben.", "Personen: 0, Familien: 0, Elternpaare ohne Ehe: 0"}));
}

TEST_F(GedExportTest, TheSubmitterTakesItsLinesAsContinuations) {
  TGedExportOptions options;
  options.Submitter.Name = "Hans Muster";
  options.Submitter.Adresse = {"Hauptstrasse 1", "8000 Zürich"};
  options.Submitter.Telefon = "044 123 45 67";
  options.Submitter.Kommentar = {"Erste Zeile", "", "Dritte Zeile"};
  const Lines lines = FileLines(FromAnsi(Export(options)));
  EXPECT_EQ(RecordLines(lines, "@S1@"),
            (Lines{"0 @S1@ SUBM ", "1 NAME Hans Muster", "1 ADDR Hauptstrasse 1", "2 CONT 8000 Zürich",
                   "1 PHON 044 123 45 67", "1 NOTE Erste Zeile", "2 CONT ", "2 CONT Dritte Zeile"}));
}

// Hans with every field, his wife Anna (linked to him) and their son Fritz.
class GedExportFullPersonTest : public GedExportTest {
 protected:
  void SetUp() override {
    GedExportTest::SetUp();
    TPersonDetail anna;
    anna.Vorname = "Anna";
    anna.Nachname = "Meier";
    anna.Famname = "Müller";
    anna.Geschlecht = 1;
    TPersonDetail hans;
    hans.Vorname = "Hans";
    hans.Nachname = "Müller";
    hans.Geschlecht = 0;
    hans.Geburt = "1900.03.05";
    hans.GeburtZusatz = 3;
    hans.GeburtOrt = "Bern";
    hans.GeburtQuelle = "KB Bern";
    hans.Taufe = "1900.03.07";
    hans.TaufeOrt = "Bern";
    hans.Tod = "1970.00.00";
    hans.TodZusatz = 1;
    hans.TodOrt = "Basel";
    hans.TodQuelle = "Sterberegister";
    hans.Todesursache = "Herzschlag";
    hans.Bestattung = "1970.12.00";
    hans.BestattungQuelle = "Friedhof";
    hans.Religion = "ev";
    hans.Ausbildung = "Lehre";
    hans.Beruf = "Schreiner";
    hans.KarteiNr = "K12";
    hans.Strasse = "Hauptstrasse 1";
    hans.AdressOrt = "Zürich";
    hans.PLZ = "8000";
    hans.Land = "CH";
    hans.Korrespondenz = true;
    hans.Telefon = "044 123";
    hans.Quelle = "Familienbuch\nSeite 4";
    hans.Ort = "Zürich";
    hans.Buergerort = "Glarus";
    hans.Kommentar = {"Erste", "", "Dritte"};
    hansId = AddPerson(hans);
    annaId = AddPerson(anna);
    TLink link;
    link.Id1 = hansId;
    link.Id2 = annaId;
    link.Text = "Pate";
    db().insertLink(link);
    TMedia media;
    media.Id = hansId;
    media.Title = "Portrait";
    media.File = "C:\\Bilder\\Hans.JPEG";
    db().insertMedia(media);
    TDiverses entry;
    entry.Id = hansId;
    entry.Title = "Militär";
    entry.Text = "Füsilier";
    entry.Datum = "1920.00.00";
    entry.Quelle = "Dienstbuch";
    db().insertDiverses(entry);
    TEheRec marriage;
    marriage.Mann = hansId;
    marriage.Frau = annaId;
    marriage.Verheiratet = true;
    marriage.Heirat = "1925.05.02";
    marriage.HeiratOrt = "Bern";
    marriage.Kommentar = {"Trauung", "", "im Münster"};
    marriageId = AddMarriage(marriage);
    fritzId = AddPerson("Fritz", "Müller", 0, hansId, annaId);
  }

  int hansId = 0, annaId = 0, fritzId = 0, marriageId = 0;
};

TEST_F(GedExportFullPersonTest, EveryFieldHasItsLineInOrder) {
  const Lines lines = FileLines(FromAnsi(Export()));
  ASSERT_EQ(hansId, 1);
  EXPECT_EQ(RecordLines(lines, "@I1@"),
            (Lines{"0 @I1@ INDI ",
                   "1 NAME Hans /Müller/",
                   "1 SEX M",
                   "1 BIRT ",
                   "2 DATE ABT 5 MAR 1900",
                   "2 PLAC Bern",
                   "2 SOUR KB Bern",
                   "1 CHR ",
                   "2 DATE 7 MAR 1900",
                   "2 PLAC Bern",
                   "1 DEAT ",
                   "2 DATE BEF 1970",
                   "2 PLAC Basel",
                   "2 CAUS Herzschlag",
                   "2 SOUR Sterberegister",
                   "1 BURI ",
                   "2 DATE DEC 1970",
                   "2 SOUR Friedhof",
                   "1 RELI ev",
                   "1 EDUC Lehre",
                   "1 OCCU Schreiner",
                   "1 REFN K12",
                   "1 ADDR ",
                   "2 CONT Korrespondenz: Ja",
                   "2 ADR1 Hauptstrasse 1",
                   "2 CITY Zürich",
                   "2 POST 8000",
                   "2 CTRY CH",
                   "1 PHON 044 123",
                   "1 ASSO @I2@",
                   "2 RELA Pate",
                   "1 OBJE ",
                   "2 FORM jpe",
                   "2 TITL Portrait",
                   "2 FILE C:\\Bilder\\Hans.JPEG",
                   "1 SOUR Familienbuch",
                   "2 CONT Seite 4",
                   "1 _LEBENSORT Zürich",
                   "1 _BUERGERORT Glarus",
                   "1 _DIVERSES ",
                   "2 TITL Militär",
                   "2 NOTE Füsilier",
                   "1 NOTE Erste",
                   "2 CONT ",
                   "2 CONT Dritte",
                   "1 FAMS @F1@"}));
  EXPECT_EQ(RecordLines(lines, "@I2@"),
            (Lines{"0 @I2@ INDI ", "1 NAME Anna /Meier/", "1 SEX F", "1 _HEIRATNAME Müller", "1 FAMS @F1@"}));
  EXPECT_EQ(RecordLines(lines, "@I3@"), (Lines{"0 @I3@ INDI ", "1 NAME Fritz /Müller/", "1 SEX M", "1 FAMC @F1@"}));
  EXPECT_EQ(RecordLines(lines, "@F1@"),
            (Lines{"0 @F1@ FAM ", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I3@", "1 NOTE Trauung", "2 CONT ",
                   "2 CONT im Münster", "1 MARR ", "2 DATE 2 MAY 1925", "2 PLAC Bern"}));
  // Records in their order: header, submitter, persons by id, families, trailer.
  Lines heads;
  for (const std::string& l : lines)
    if (l.rfind("0 ", 0) == 0) heads.push_back(l);
  EXPECT_EQ(heads, (Lines{"0 HEAD ", "0 @S1@ SUBM ", "0 @I1@ INDI ", "0 @I2@ INDI ", "0 @I3@ INDI ", "0 @F1@ FAM ",
                          "0 TRLR "}));
  EXPECT_EQ(result.Individuals, 3);
  EXPECT_EQ(result.Families, 1);
  EXPECT_EQ(result.ParentPairFamilies, 0);
}

TEST_F(GedExportFullPersonTest, UserDefinedFieldsAsNotes) {
  TGedExportOptions options;
  options.UserDefinedTags = false;
  const Lines lines = FileLines(FromAnsi(Export(options)));
  const Lines hans = RecordLines(lines, "@I1@");
  const auto from = std::find(hans.begin(), hans.end(), "2 CONT Seite 4");
  ASSERT_NE(from, hans.end());
  EXPECT_EQ(Lines(from + 1, hans.end()),
            (Lines{"1 NOTE Lebensort: Zürich", "1 NOTE Bürgerort: Glarus", "1 NOTE Militär: Füsilier", "1 NOTE Erste",
                   "2 CONT ", "2 CONT Dritte", "1 FAMS @F1@"}));
  EXPECT_EQ(RecordLines(lines, "@I2@"), (Lines{"0 @I2@ INDI ", "1 NAME Anna /Meier/", "1 SEX F",
                                               "1 NOTE Name durch Heirat (Familienname): Müller", "1 FAMS @F1@"}));
  for (const std::string& l : lines) EXPECT_EQ(l.find(" _"), std::string::npos) << l;
}

TEST_F(GedExportFullPersonTest, TheFileReadsBackWithItsValues) {
  TGedExportOptions options;
  options.Charset = TGedEncoding::Utf8;
  const std::vector<TGedRecord> records = ReadRecords(Export(options));
  ASSERT_EQ(records.size(), 7u);
  EXPECT_EQ(records[0].ChildValue("CHAR"), "UTF-8");
  const TGedRecord& hans = records[2];
  EXPECT_EQ(hans.xref, "@I1@");
  EXPECT_EQ(hans.ChildValue("NAME"), "Hans /Müller/");
  ASSERT_NE(hans.Child("BIRT"), nullptr);
  EXPECT_EQ(hans.Child("BIRT")->ChildValue("DATE"), "ABT 5 MAR 1900");
  EXPECT_EQ(hans.Child("DEAT")->ChildValue("CAUS"), "Herzschlag");
  EXPECT_EQ(hans.ChildValue("SOUR"), "Familienbuch\nSeite 4");
  EXPECT_EQ(hans.ChildValue("NOTE"), "Erste\n\nDritte");
  // ADDR's first CONT carries the correspondence flag into the address text.
  EXPECT_EQ(hans.Child("ADDR")->value, "\nKorrespondenz: Ja");
  EXPECT_EQ(hans.Child("ADDR")->ChildValue("CITY"), "Zürich");
  EXPECT_EQ(hans.Child("OBJE")->ChildValue("FILE"), "C:\\Bilder\\Hans.JPEG");
  EXPECT_EQ(records[5].xref, "@F1@");
  EXPECT_EQ(records[5].ChildValue("NOTE"), "Trauung\n\nim Münster");
  EXPECT_EQ(records[6].tag, "TRLR");
  EXPECT_TRUE(PointerFaults(records).empty());
}

TEST_F(GedExportTest, AChildWithUnknownMotherGetsTheFamilyOfItsFatherAlone) {
  const int father = AddPerson("Karl", "Huber", 0);
  const int child = AddPerson("Sepp", "Huber", 0, father, 0);
  const Lines lines = FileLines(Export());
  EXPECT_EQ(RecordLines(lines, "@I2@"), (Lines{"0 @I2@ INDI ", "1 NAME Sepp /Huber/", "1 SEX M", "1 FAMC @F1_0@"}));
  EXPECT_EQ(RecordLines(lines, "@I1@"), (Lines{"0 @I1@ INDI ", "1 NAME Karl /Huber/", "1 SEX M", "1 FAMS @F1_0@"}));
  EXPECT_EQ(RecordLines(lines, "@F1_0@"), (Lines{"0 @F1_0@ FAM ", "1 HUSB @I1@", "1 CHIL @I2@"}));
  EXPECT_EQ(child, 2);
  EXPECT_EQ(result.ParentPairFamilies, 1);
  EXPECT_EQ(progress.entries, (Lines{"Person: Karl /Huber/", "Person: Sepp /Huber/", "Familie: @F1_0@", ""}));
}

TEST_F(GedExportTest, ThreeChildrenOfOnePairWithoutMarriageMakeOneFamily) {
  const int father = AddPerson("Karl", "Huber", 0);
  const int mother = AddPerson("Vreni", "Keller", 1);
  // Born in an order other than their ids: the family lists them by id.
  TPersonDetail a, b, c;
  for (TPersonDetail* p : {&a, &b, &c}) {
    p->Nachname = "Huber";
    p->Vater = father;
    p->Mutter = mother;
  }
  a.Vorname = "Anna", a.Geburt = "1905.00.00";
  b.Vorname = "Berta", b.Geburt = "1901.00.00";
  c.Vorname = "Clara", c.Geburt = "1903.00.00";
  AddPerson(a), AddPerson(b), AddPerson(c);
  const Lines lines = FileLines(Export());
  EXPECT_EQ(RecordLines(lines, "@I1@"), (Lines{"0 @I1@ INDI ", "1 NAME Karl /Huber/", "1 SEX M", "1 FAMS @F1_2@"}));
  EXPECT_EQ(RecordLines(lines, "@I2@"), (Lines{"0 @I2@ INDI ", "1 NAME Vreni /Keller/", "1 SEX F", "1 FAMS @F1_2@"}));
  for (const char* child : {"@I3@", "@I4@", "@I5@"}) EXPECT_EQ(RecordLines(lines, child).back(), "1 FAMC @F1_2@");
  EXPECT_EQ(RecordLines(lines, "@F1_2@"),
            (Lines{"0 @F1_2@ FAM ", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I3@", "1 CHIL @I4@", "1 CHIL @I5@"}));
}

TEST_F(GedExportTest, PairsAreListedAsTheyFirstOccurAmongTheChildren) {
  // Karl has children by two women and none of them is married to him; the
  // FAMS lines follow the children by birth, the families the children by id.
  const int karl = AddPerson("Karl", "Huber", 0);
  const int vreni = AddPerson("Vreni", "Keller", 1);
  const int rosa = AddPerson("Rosa", "Frei", 1);
  TPersonDetail older, younger;
  older.Vorname = "Max", older.Vater = karl, older.Mutter = rosa, older.Geburt = "1900.00.00";
  younger.Vorname = "Moritz", younger.Vater = karl, younger.Mutter = vreni, younger.Geburt = "1910.00.00";
  AddPerson(younger), AddPerson(older);
  const Lines lines = FileLines(Export());
  const Lines karlLines = RecordLines(lines, "@I1@");
  EXPECT_EQ(Lines(karlLines.end() - 2, karlLines.end()), (Lines{"1 FAMS @F1_3@", "1 FAMS @F1_2@"}));
  Lines heads;
  for (const std::string& l : lines)
    if (l.rfind("0 @F", 0) == 0) heads.push_back(l);
  EXPECT_EQ(heads, (Lines{"0 @F1_2@ FAM ", "0 @F1_3@ FAM "}));
  EXPECT_EQ(karl + vreni, 3);
}

struct TMarriageCase {
  const char* name;
  bool verheiratet;
  const char* heirat;
  const char* ort;
  bool geschieden;
  const char* scheidung;
  Lines expected;  // after HUSB and WIFE
};

class GedExportMarriageTest : public GedExportTest, public ::testing::WithParamInterface<TMarriageCase> {};

TEST_P(GedExportMarriageTest, WritesMarriageAndDivorceAsTheRowSays) {
  const TMarriageCase& c = GetParam();
  const int mann = AddPerson("Karl", "Huber", 0);
  const int frau = AddPerson("Vreni", "Keller", 1);
  TEheRec rec;
  rec.Mann = mann;
  rec.Frau = frau;
  rec.Verheiratet = c.verheiratet;
  rec.Heirat = c.heirat;
  rec.HeiratOrt = c.ort;
  rec.HeiratZusatz = 2;
  rec.Geschieden = c.geschieden;
  rec.Scheidung = c.scheidung;
  AddMarriage(rec);
  const Lines family = RecordLines(FileLines(Export()), "@F1@");
  ASSERT_GE(family.size(), 3u);
  EXPECT_EQ(Lines(family.begin() + 3, family.end()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Marriages, GedExportMarriageTest,
    ::testing::Values(
        TMarriageCase{"PartnershipWithoutDate", false, "0000.00.00", "", false, "0000.00.00", {}},
        TMarriageCase{"PartnershipWithPlace", false, "0000.00.00", "Bern", false, "0000.00.00",
                      {"1 MARR ", "2 PLAC Bern", "1 _STAT PARTNER"}},
        TMarriageCase{"MarriedWithoutDate", true, "0000.00.00", "", false, "0000.00.00", {"1 MARR "}},
        TMarriageCase{"MarriedAndDivorced", true, "1920.06.00", "", true, "1930.00.00",
                      {"1 MARR ", "2 DATE AFT JUN 1920", "1 DIV ", "2 DATE 1930"}},
        TMarriageCase{"DivorceDateWithoutFlag", true, "0000.00.00", "", false, "1930.02.03",
                      {"1 MARR ", "1 DIV ", "2 DATE 3 FEB 1930"}}),
    [](const ::testing::TestParamInfo<TMarriageCase>& info) { return std::string(info.param.name); });

TEST_F(GedExportTest, EventsWriteOnlyWhatIsKnown) {
  TPersonDetail p;
  p.Vorname = "";
  p.Nachname = "Huber";
  p.Geschlecht = 2;
  p.GeburtOrt = "Chur";               // place only: no DATE line
  p.Taufe = "1900.00.05";             // day and year
  p.Tod = "0000.00.05";               // day alone: a DATE line with empty value
  p.TodZusatz = 0;
  p.BestattungQuelle = "Grabbuch";
  p.Korrespondenz = true;             // without an address: no ADDR
  AddPerson(p);
  EXPECT_EQ(RecordLines(FileLines(Export()), "@I1@"),
            (Lines{"0 @I1@ INDI ", "1 NAME  /Huber/", "1 SEX U", "1 BIRT ", "2 PLAC Chur", "1 CHR ", "2 DATE 5 1900",
                   "1 DEAT ", "2 DATE ", "1 BURI ", "2 SOUR Grabbuch"}));
}

TEST_F(GedExportTest, LineBreaksInAnyValueBecomeContinuationLines) {
  TPersonDetail p;
  p.Vorname = "Hans";
  p.Nachname = "Huber";
  p.Geschlecht = 0;
  p.Beruf = "Schreiner\nZimmermann";
  p.GeburtOrt = "Chur\r\nGR";
  p.Todesursache = "Unfall\rim Wald";
  p.Strasse = "Postfach\n12";
  const int id = AddPerson(p);
  TDiverses entry;
  entry.Id = id;
  entry.Title = "Notiz";
  entry.Text = "eins\nzwei";
  db().insertDiverses(entry);
  TMedia media;
  media.Id = id;
  media.Title = "Bild\nvorne";
  media.File = "a.png";
  db().insertMedia(media);
  for (bool tags : {true, false}) {
    TGedExportOptions options;
    options.UserDefinedTags = tags;
    options.Submitter.Name = "Hans\nMuster";
    const std::string bytes = Export(options);
    const std::regex form("^[0-9]+ (@[^@ ]+@ )?[A-Z_0-9]+( .*)?$");
    for (const std::string& line : FileLines(bytes)) EXPECT_TRUE(std::regex_match(line, form)) << line;
    const std::vector<TGedRecord> records = ReadRecords(bytes);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].ChildValue("NAME"), "Hans\nMuster");
    const TGedRecord& hans = records[2];
    EXPECT_EQ(hans.ChildValue("OCCU"), "Schreiner\nZimmermann");
    EXPECT_EQ(hans.Child("BIRT")->ChildValue("PLAC"), "Chur\nGR");
    EXPECT_EQ(hans.Child("DEAT")->ChildValue("CAUS"), "Unfall\nim Wald");
    EXPECT_EQ(hans.Child("ADDR")->ChildValue("ADR1"), "Postfach\n12");
    EXPECT_EQ(hans.Child("OBJE")->ChildValue("TITL"), "Bild\nvorne");
    if (tags) {
      EXPECT_EQ(hans.Child("_DIVERSES")->ChildValue("NOTE"), "eins\nzwei");
    } else {
      EXPECT_EQ(hans.ChildValue("NOTE"), "Notiz: eins\nzwei");
    }
  }
}

TEST_F(GedExportTest, MediaFormIsTheShortLowerCaseExtension) {
  const int id = AddPerson("Hans", "Huber", 0);
  for (const char* file : {"Bilder/a.jpg", "b.JPEG", "\\\\server\\c.Tiff", "ohne", "d.x"}) {
    TMedia m;
    m.Id = id;
    m.File = file;
    db().insertMedia(m);
  }
  Lines forms;
  for (const std::string& l : RecordLines(FileLines(Export()), "@I1@"))
    if (l.rfind("2 FORM", 0) == 0) forms.push_back(l);
  EXPECT_EQ(forms, (Lines{"2 FORM jpg", "2 FORM jpe", "2 FORM tif", "2 FORM ", "2 FORM x"}));
}

struct TCharsetCase {
  const char* name;
  TGedEncoding charset;
  const char* charLine;
  std::string mueller, lodz;  // the bytes of the NAME values
  long unencodable;
};

class GedExportCharsetTest : public GedExportTest, public ::testing::WithParamInterface<TCharsetCase> {};

TEST_P(GedExportCharsetTest, WritesTheBytesOfTheChosenSet) {
  const TCharsetCase& c = GetParam();
  AddPerson("Hans", "Müller", 0);
  AddPerson("Jan", "Łódź", 0);
  TGedExportOptions options;
  options.Charset = c.charset;
  const std::string bytes = Export(options);
  const Lines lines = FileLines(bytes);
  EXPECT_EQ(lines[5], std::string("1 CHAR ") + c.charLine);
  EXPECT_EQ(RecordLines(lines, "@I1@")[1], "1 NAME Hans /" + c.mueller + "/");
  EXPECT_EQ(RecordLines(lines, "@I2@")[1], "1 NAME Jan /" + c.lodz + "/");
  EXPECT_EQ(result.Unencodable, c.unencodable);

  // What can be held reads back as it was.
  const std::vector<TGedRecord> records = ReadRecords(bytes);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[2].ChildValue("NAME"), "Hans /Müller/");
  if (c.unencodable == 0) {
    EXPECT_EQ(records[3].ChildValue("NAME"), "Jan /Łódź/");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Charsets, GedExportCharsetTest,
    ::testing::Values(TCharsetCase{"Ansi", TGedEncoding::Ansi, "ANSI", "M\xFCller", "&#321;\xF3" "d&#378;", 2},
                      // ANSEL: the mark before its letter (0xE8 diaeresis, 0xE2 acute), 0xA1 L with stroke
                      TCharsetCase{"Ansel", TGedEncoding::Ansel, "ANSEL", "M\xE8uller", "\xA1\xE2od\xE2z", 0},
                      TCharsetCase{"Utf8", TGedEncoding::Utf8, "UTF-8", "M\xC3\xBCller", "\xC5\x81\xC3\xB3" "d\xC5\xBA", 0}),
    [](const ::testing::TestParamInfo<TCharsetCase>& info) { return std::string(info.param.name); });

TEST_F(GedExportTest, CharactersAnsiCannotHoldAreReportedWithTheirPerson) {
  AddPerson("Hans", "Müller", 0);
  AddPerson("Jan", "Łódź", 0);
  Export();
  ASSERT_EQ(progress.messages.size(), 4u);
  const std::string& m = progress.messages[0];
  EXPECT_EQ(m.rfind("Person: Jan /Łódź/ (@I2@), Zeile ", 0), 0u) << m;
  EXPECT_NE(m.find("nicht darstellbar"), std::string::npos) << m;
  EXPECT_NE(m.find("U+0141"), std::string::npos) << m;
  EXPECT_NE(m.find("U+017A"), std::string::npos) << m;
  EXPECT_EQ(progress.messages[1], "GEDCOM-Datei geschrieben.");
  EXPECT_EQ(progress.messages[3], "Im Zeichensatz ANSI nicht darstellbare Zeichen: 2; sie stehen als &#N; in der Datei.");
}

TEST_F(GedExportTest, ProgressStepsPerRecordAndStartsAgainAfterHundred) {
  {
    auto tx = db().Transaction();
    for (int i = 0; i < 101; ++i) AddPerson("P", std::to_string(i), 0);
    tx->Commit();
  }
  AddMarriage(1, 2);  // a husband with a husband: the row is written as it is
  Export();
  std::vector<int> expected;
  for (int i = 1; i <= 100; ++i) expected.push_back(i);
  expected.push_back(0);  // the 101st person
  expected.push_back(1);  // the family
  expected.push_back(0);  // at rest
  EXPECT_EQ(progress.positions, expected);
  EXPECT_EQ(progress.entries.end()[-2], "Familie: F1");
  EXPECT_EQ(progress.entries.back(), "");
  EXPECT_EQ(result.Individuals, 101);
  EXPECT_EQ(result.Families, 1);
}

// Counts how often pending messages ran.
class TCountingHost : public TPlainHost {
 public:
  void ProcessMessages() override { ++processed; }
  int processed = 0;
};

TEST_F(GedExportTest, PendingMessagesRunAndCancellingLeavesTheOldFile) {
  {
    auto tx = db().Transaction();
    for (int i = 0; i < 100; ++i) AddPerson("P", std::to_string(i), 0);
    tx->Commit();
  }
  dir.Write("export.ged", "alt");
  TCountingHost counting;
  SetHost(&counting);
  progress.cancelAfterAsking = 2;  // the third question stops it
  Export();
  SetHost(&host);
  EXPECT_TRUE(result.Cancelled);
  EXPECT_EQ(counting.processed, 3);
  EXPECT_EQ(progress.asked, 3);
  // Asked at the 1st, 33rd and 65th record.
  EXPECT_EQ(result.Individuals, 65);
  EXPECT_EQ(dir.Read("export.ged"), "alt");
  EXPECT_EQ(progress.messages, (Lines{"Export abgebrochen, die Datei wurde nicht geschrieben."}));
  EXPECT_EQ(progress.entries.back(), "");
  EXPECT_EQ(progress.positions.back(), 0);
  for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST_F(GedExportTest, AFileThatCannotBeWrittenIsAnInputOutputError) {
  AddPerson("Hans", "Huber", 0);
  try {
    RunGedExport(db(), dir.File("fehlt/export.ged"), {}, progress);
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Die Datei \"" + dir.File("fehlt/export.ged") + "\" kann nicht geschrieben werden: ", 0), 0u)
        << e.what();
  }
  EXPECT_TRUE(progress.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("fehlt")));
}

TEST_F(GedExportTest, ASuccessfulExportReplacesTheOldFileWholly) {
  dir.Write("export.ged", std::string(100000, 'x'));
  AddPerson("Hans", "Huber", 0);
  const std::string bytes = Export();
  EXPECT_EQ(bytes.rfind("0 HEAD \r\n", 0), 0u);
  EXPECT_EQ(bytes.substr(bytes.size() - 9), "0 TRLR \r\n");
  EXPECT_EQ(bytes.find('x'), std::string::npos);
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
    files += e.path().extension() == ".ged" || e.path().string().find(".tmp") != std::string::npos;
  EXPECT_EQ(files, 1);
}

}  // namespace
