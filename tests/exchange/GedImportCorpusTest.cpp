// The public GEDCOM corpus beside the repository (see its README.md) read by
// the import: every file without failure, and, file by file, facts chosen by
// reading the files: names, sex, events, places, occupations, notes, media,
// relationships, families, in each character set. Skipped without the corpus.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/exchange/GedImportTestSupport.h"

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string Joined(const Lines& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\n";
  return s;
}

class GedImportCorpusTest : public GedImportTest {
 protected:
  void SetUp() override {
    GedImportTest::SetUp();
    if (!fs::is_directory(CorpusDir())) GTEST_SKIP() << "the GEDCOM corpus is not at " << CorpusDir();
  }
  int Children(int parent) {
    int n = 0;
    for (const auto& p : AllPersons()) n += p->Vater == parent || p->Mutter == parent;
    return n;
  }
  Lines MediaOf(const TPerson& p) {
    Lines out;
    const auto media = db().getMediae(p);
    for (const auto& m : *media) out.push_back(m->File + " | " + m->Title);
    return out;
  }
  // "Vorname /Nachname/ Geburt Tod" and the comment of every person with an
  // id above since, sorted.
  Lines PersonsSince(int since) {
    Lines out;
    for (const auto& p : AllPersons())
      if (p->Id > since)
        out.push_back(p->Vorname + " /" + p->Nachname + "/ " + p->Geburt + " " + p->Tod + "\n" + Joined(p->Kommentar));
    std::sort(out.begin(), out.end());
    return out;
  }
};

TEST_F(GedImportCorpusTest, EveryFileIsReadToItsEnd) {
  std::vector<std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(CorpusDir())) {
    std::string ext = e.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".ged") files.push_back(fs::relative(e.path(), CorpusDir()).string());
  }
  std::sort(files.begin(), files.end());
  ASSERT_GT(files.size(), 100u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    progress = TRecordedImport{};
    const int before = db().RecordCount(TableId::Person);
    TGedImportResult r;
    ASSERT_NO_THROW(r = ImportFile(file));
    EXPECT_TRUE(r.started);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(db().RecordCount(TableId::Person), before + r.counts.persons);
    if (Last().Info().Personen > 0) {
      EXPECT_GT(r.counts.persons, 0);
    }
    EXPECT_EQ(progress.messages.back(), "im Personen-Kommentar gespeichert.");
  }
}

TEST_F(GedImportCorpusTest, RoyalFamilyInAnsel) {
  for (const char* file : {"real/royal92.ged", "real/royal92_LF.ged"}) {
    SCOPED_TRACE(file);
    const int since = db().RecordCount(TableId::Person);
    ImportFile(file);
    EXPECT_EQ(db().RecordCount(TableId::Person) - since, 3010);
  }
  // Both copies hold the same persons; the checks below look at the second.
  std::unique_ptr<TPersonDetail> victoria;
  for (auto& p : AllPersons())
    if (p->Id > 3010 && p->Vorname == "Victoria" && p->Nachname == "Hanover") victoria = std::move(p);
  ASSERT_TRUE(victoria);
  EXPECT_EQ(victoria->Geschlecht, 1);
  EXPECT_EQ(victoria->Geburt, "1819.05.24");
  EXPECT_EQ(victoria->GeburtOrt, "Kensington,Palace,London,Engla") << "cut to the field's 30 characters";
  EXPECT_EQ(victoria->Tod, "1901.01.22");
  EXPECT_EQ(victoria->TodOrt, "Osborne House,Isle of Wight,En");
  EXPECT_EQ(victoria->BestattungOrt, "Royal Mausoleum,Frogmore,Berks");
  EXPECT_EQ(victoria->KarteiNr, "1");
  EXPECT_EQ(DiversesOf(victoria->Id), Lines{"Titel: Queen of England"});
  EXPECT_EQ(Children(victoria->Id), 9);
  const auto partners = db().getPartners(*victoria);
  ASSERT_EQ(partners->Count(), 1u);
  const TPartner& albert = (*partners)[0];
  EXPECT_EQ(albert.Partner->Vorname, "Albert Augustus Charles");
  EXPECT_EQ(albert.Heirat, "1840.02.10");
  EXPECT_EQ(albert.HeiratOrt, "Chapel Royal,St. James Palace,");
  EXPECT_TRUE(albert.Verheiratet);
  EXPECT_FALSE(albert.Geschieden) << "DIV N";
}

TEST_F(GedImportCorpusTest, KennedyInIbmWindows) {
  ImportFile("real/Kennedy+Family.ged");
  // Father and son bear the same names; the father is the file's first person.
  const auto joseph = db().getPersonDetail(1);
  EXPECT_EQ(joseph->Vorname, "Joseph Patrick");
  EXPECT_EQ(joseph->Nachname, "KENNEDY");
  EXPECT_EQ(joseph->Geschlecht, 0);
  EXPECT_EQ(joseph->Geburt, "1888.09.06");
  EXPECT_EQ(joseph->GeburtOrt, "Boston, MA");
  EXPECT_EQ(joseph->Tod, "1969.11.18");
  EXPECT_EQ(joseph->TodOrt, "Hyannis Port, MA");
  EXPECT_EQ(joseph->Beruf, "Bank President, Ambassador");
  EXPECT_EQ(joseph->Ausbildung, "Harvard Graduate");
  EXPECT_TRUE(Contains(Joined(joseph->Kommentar), "He had an interesting hobby of tinkering with clocks.\n"));
  const Lines diverses = DiversesOf(joseph->Id);
  EXPECT_NE(std::find(diverses.begin(), diverses.end(), "Geschichte: Bronxville, MA"), diverses.end());
}

TEST_F(GedImportCorpusTest, UmlautsOfEveryCharacterSet) {
  ImportFile("encoding/US+Presidents+Trees+I_IBMPC-cp437.ged");
  Lines buchanans;  // the president and his father
  for (const auto& p : AllPersons())
    if (p->Vorname == "James" && p->Nachname == "Buchanan")
      buchanans.push_back(p->Geburt + (Contains(Joined(p->Kommentar), "over John C. Frémont and Millard") ? " Frémont" : ""));
  std::sort(buchanans.begin(), buchanans.end());
  EXPECT_EQ(buchanans, (Lines{"1761.00.00", "1791.04.23 Frémont"}));
  ImportFile("encoding/Irish+Kings_ANSI-cp1252.ged");
  // The text of a note record that the person points to.
  EXPECT_TRUE(Contains(Joined(Person("Brath", "")->Kommentar), "provinces of La Coruña"));
  ImportFile("torture/TGC551LF.ged");
  const std::string special = Joined(Person("Lucy Special", "ANSEL")->Kommentar);
  for (const char* part : {"uppercase (Ł)", "lowercase (ø)", "british pound (£)", "es zet (ß)"})
    EXPECT_TRUE(Contains(special, part)) << part;
}

TEST_F(GedImportCorpusTest, OneTreeInFiveEncodingsGivesTheSamePersons) {
  ImportFile("encoding/gedcom4j/willis-ansel.ged");
  const Lines ansel = PersonsSince(0);
  ASSERT_EQ(ansel.size(), 761u);
  for (const char* file : {"encoding/gedcom4j/willis-ascii.ged", "encoding/gedcom4j/willis-unicode-bigendian.ged",
                           "encoding/gedcom4j/willis-unicode-littleendian.ged"}) {
    SCOPED_TRACE(file);
    const int since = db().RecordCount(TableId::Person);
    ImportFile(file);
    EXPECT_EQ(PersonsSince(since), ansel);
  }
}

TEST_F(GedImportCorpusTest, PointedNotesAndObjectsArrive) {
  ImportFile("real/pres2020.ged");
  const auto bill = Person("William Jefferson", "Clinton");
  EXPECT_EQ(bill->Geburt, "1946.08.19");
  EXPECT_EQ(bill->Beruf, "US President No. 42, Democratic");
  ASSERT_FALSE(bill->Kommentar.empty());
  EXPECT_EQ(bill->Kommentar[0].rfind("Bill Clinton was born William Jefferson Blythe IV.", 0), 0u);
  const Lines media = MediaOf(*bill);
  EXPECT_NE(std::find(media.begin(), media.end(),
                      "C:\\FTM\\US_Presidents_2020 Media\\Photo_Bill_Clinton.jpg | William J Clinton"),
            media.end());
}

TEST_F(GedImportCorpusTest, PersonsMentionedButNeverDefinedAreMade) {
  // 4683 INDI records and 497 persons only pointed to (see the corpus README).
  const TGedImportResult r = ImportFile("real/Queen.ged");
  EXPECT_EQ(r.counts.persons, 4683 + 497);
}

TEST_F(GedImportCorpusTest, SexValues) {
  ImportFile("features/gedcom-go/sex-value-variants.ged");
  struct TSex {
    const char* vorname;
    const char* nachname;
    int sex;
  };
  const TSex expected[] = {{"Standard", "Male", 0},       {"Standard", "Female", 1},    {"Unknown", "Sex", 2},
                           {"Nonbinary", "InLegacyFile", 2}, {"Empty", "SexPayload", 2}, {"Lowercase", "SexPayload", 0},
                           {"No", "SexLine", 0}};
  for (const TSex& e : expected) EXPECT_EQ(Person(e.vorname, e.nachname)->Geschlecht, e.sex) << e.vorname;
}

TEST_F(GedImportCorpusTest, RelationshipsAndUnusualFamilies) {
  ImportFile("features/gedcom7code-5/rela_1.ged");
  const auto links1 = db().getLinks(*db().getPerson(1));
  ASSERT_EQ(links1->Count(), 1u);
  EXPECT_EQ((*links1)[0].Id2, 2);
  EXPECT_EQ((*links1)[0].Text, "neighbor");
  const auto links2 = db().getLinks(*db().getPerson(2));
  ASSERT_EQ(links2->Count(), 2u);
  EXPECT_EQ((*links2)[0].Text, "land-lord");
  EXPECT_EQ((*links2)[1].Id2, 2);
  EXPECT_EQ((*links2)[1].Text, "friend");

  ImportFile("features/gedcom-go/family-structure-variants.ged");
  const int adam = Person("Adam", "Firstgroom")->Id, steve = Person("Steve", "Secondgroom")->Id;
  EXPECT_NE(db().findMarriage(adam, steve), 0) << "two HUSB lines are two partners";
  const int narcissus = Person("Narcissus", "Selfwed")->Id;
  EXPECT_NE(db().findMarriage(narcissus, narcissus), 0);
  EXPECT_TRUE(Said("F2: Weder Mann noch Frau bekannt. -> Eintrag wird nicht importiert"));
}

}  // namespace
