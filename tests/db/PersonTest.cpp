// Dates and captions of the person records.
#include <gtest/gtest.h>

#include "core/DisplaySettings.h"
#include "db/Person.h"

class PersonTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetDisplaySettings(); }
  void TearDown() override { ResetDisplaySettings(); }

  static TPersonDetail Anna() {
    TPersonDetail p;
    p.Id = 7;
    p.Vorname = "Anna";
    p.Nachname = "Müller";
    p.Geschlecht = 1;
    p.Geburt = "1900.01.05";
    p.Tod = "1970.03.00";
    p.Ort = "Bern";
    return p;
  }
};

TEST_F(PersonTest, NewRecordsAreEmpty) {
  const TPersonDetail p;
  EXPECT_EQ(p.Id, 0);
  EXPECT_EQ(p.Geschlecht, 2);
  EXPECT_EQ(p.Geburt, "0000.00.00");
  EXPECT_EQ(p.Bestattung, "0000.00.00");
  EXPECT_EQ(p.Vater + p.Mutter + p.GeburtZusatz, 0);
  const TPartner partner;
  EXPECT_TRUE(partner.Verheiratet);
  EXPECT_FALSE(TEheRec{}.Verheiratet);
  EXPECT_EQ(partner.Scheidung, "0000.00.00");
}

TEST_F(PersonTest, Captions) {
  const TPersonDetail p = Anna();
  EXPECT_EQ(p.fullName(), "Anna Müller");
  EXPECT_EQ(p.sortName(), "Müller Anna");
  EXPECT_EQ(p.nameDates(), "Anna Müller (05.01.1900-Mär 1970)");
  EXPECT_EQ(p.nameDatesId(), "Anna Müller (05.01.1900-Mär 1970) [7]");
  EXPECT_EQ(p.listText(), "Anna Müller (05.01.1900-Mär 1970), Bern [7]");
  EXPECT_EQ(p.nameIdText(), "Anna Müller, Bern [7]");
  EXPECT_EQ(p.firstNameDatesPlaceId(), "Anna (05.01.1900-Mär 1970), Bern [7]");
  EXPECT_EQ(p.formatName(true, true, true, true, true), "Anna Müller (05.01.1900-Mär 1970), Bern");
  EXPECT_EQ(p.formatName(false, false, true, false, true), "(05.01.1900), Bern");
  EXPECT_EQ(p.formatName(false, false, true, false, false), "Bern");
  EXPECT_EQ(p.lifeSpanText(), "05.01.1900 - Mär 1970");
}

TEST_F(PersonTest, PersonWithoutDatesShowsEmptyParentheses) {
  TPerson p;
  p.Id = 3;
  p.Vorname = "Hans";
  EXPECT_EQ(p.listText(), "Hans  (-) [3]");  // no surname: the blank between stays
  EXPECT_EQ(p.lifeSpanText(), "");
}

TEST_F(PersonTest, FullTextNamesPlaceAndCitizenship) {
  TPersonDetail p = Anna();
  p.Buergerort = "Basel";
  EXPECT_EQ(p.fullText(), "Anna Müller (05.01.1900-Mär 1970), in Bern, von Basel");
  EXPECT_EQ(p.fullTextId(), "Anna Müller (05.01.1900-Mär 1970), in Bern, von Basel [7]");
}

TEST_F(PersonTest, DisplaySettingsChangeTheCaptions) {
  TPersonDetail p = Anna();
  p.Famname = "Meier";
  DisplaySettings().nachnameGross = true;
  EXPECT_EQ(p.fullName(), "Anna MÜLLER");
  EXPECT_EQ(p.formatName(true, true, false, false, false), "Anna Müller");  // keeps the stored spelling
  DisplaySettings().famNameListe = true;
  EXPECT_EQ(p.listSurname(), "MEIER");
  p.Famname.clear();
  EXPECT_EQ(p.listSurname(), "MÜLLER");
  DisplaySettings().datumJahr = true;
  DisplaySettings().nachnameGross = false;
  EXPECT_EQ(p.nameDates(), "Anna Müller (1900-1970)");
  DisplaySettings().monatsname = true;
  DisplaySettings().datumJahr = false;
  EXPECT_EQ(p.nameDates(), "Anna Müller (5 Jan 1900-Mär 1970)");
}

TEST_F(PersonTest, BaptismStandsInForBirthOnlyWhereAllowed) {
  TPersonDetail p;
  p.Vorname = "Karl";
  p.Taufe = "1899.12.24";
  p.TaufeZusatz = 3;
  EXPECT_EQ(p.birthDate(), "0000.00.00");
  EXPECT_EQ(p.birthOrBaptismDate(), "1899.12.24");
  EXPECT_EQ(p.birthText(), "um 24.12.1899");
  EXPECT_EQ(p.birthTextAlt(), "");
  EXPECT_EQ(p.birthSortDate(), "1899.12.24");
  DisplaySettings().alternativDatum = true;
  EXPECT_EQ(p.birthDate(), "1899.12.24");
  EXPECT_EQ(p.birthTextAlt(), "um 24.12.1899");
  EXPECT_EQ(p.lifeSpanText(), "geb. um 24.12.1899");
  p.TaufeZusatz = 5;  // sorting only: never shown
  EXPECT_EQ(p.birthDate(), "0000.00.00");
  EXPECT_EQ(p.birthOrBaptismDate(), "");
  EXPECT_EQ(p.birthText(), "");
}

TEST_F(PersonTest, SortOnlyBirthIsHiddenInListsButNotInFullText) {
  TPersonDetail p = Anna();
  p.GeburtZusatz = 5;
  p.TodZusatz = 1;
  p.Taufe = "1900.01.07";
  EXPECT_EQ(p.nameDates(), "Anna Müller (-vor Mär 1970)");
  EXPECT_EQ(p.birthText(), "07.01.1900");  // falls back to the baptism
  EXPECT_EQ(p.birthSortDate(), "1900.01.05");  // qualifiers are not looked at
  EXPECT_EQ(p.deathText(), "vor Mär 1970");
}

TEST_F(PersonTest, ChildrenAreOrderedByBirthStably) {
  TPersons children;
  auto child = [](int id, const char* geburt, const char* taufe) {
    auto p = std::make_unique<TPerson>();
    p->Id = id;
    p->Geburt = geburt;
    p->Taufe = taufe;
    return p;
  };
  children.InsertByBirth(child(1, "1900.05.01", "0000.00.00"));
  children.InsertByBirth(child(2, "0000.00.00", "1899.12.24"));
  children.InsertByBirth(child(3, "0000.00.00", "0000.00.00"));
  children.InsertByBirth(child(4, "1900.05.01", "0000.00.00"));
  std::vector<int> ids;
  for (const auto& c : children) ids.push_back(c->Id);
  EXPECT_EQ(ids, (std::vector<int>{3, 2, 1, 4}));
}

TEST_F(PersonTest, EntryTexts) {
  TMedia m;
  m.Title = "Hochzeit";
  m.File = "bilder\\h.jpg";
  DisplaySettings().mediaDir = "/daten/media/";
  EXPECT_EQ(m.mediaText(), "Hochzeit (bilder\\h.jpg)");
  EXPECT_EQ(m.fullPath(), "/daten/media/bilder/h.jpg");
  TDiverses d;
  d.Title = "Taufpate";
  d.Text = "Otto";
  EXPECT_EQ(d.diversesText(), "Taufpate: Otto");
  TPartner partner;
  partner.Heirat = "1925.06.00";
  partner.HeiratZusatz = 0;
  auto husband = std::make_unique<TPerson>();
  husband->Id = 9;
  husband->Vorname = "Max";
  husband->Nachname = "Meier";
  partner.Partner = std::move(husband);
  EXPECT_EQ(partner.partnerText(), "Jun 1925 Max Meier (-) [9]");
}
