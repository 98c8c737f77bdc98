// Links, media and free-form entries: reading them in table order, writing
// them with their change-log lines, the error boxes for missing rows, and
// links that would join a missing person.
#include <gtest/gtest.h>

#include "core/Configuration.h"
#include "core/Sex.h"
#include "tests/db/OpsTestSupport.h"

class EntryOpsTest : public OpsTest {
 protected:
  void SetUp() override {
    OpsTest::SetUp();
    anna = Person("Anna", "Muster", sexFemale);
    ben = Person("Ben", "Beispiel", sexMale);
    cleo = Person("Cleo", "Probe", sexFemale);
  }

  int Link(int id1, int id2, const std::string& text) {
    TLink l;
    l.Id1 = id1;
    l.Id2 = id2;
    l.Text = text;
    db().insertLink(l);
    return l.AutoInc;
  }

  int Media(int id, const std::string& file, const std::string& title) {
    TMedia m;
    m.Id = id;
    m.File = file;
    m.Title = title;
    db().insertMedia(m);
    return m.AutoInc;
  }

  TDiverses Entry(int id, const std::string& title, const std::string& text) {
    TDiverses d;
    d.Id = id;
    d.Title = title;
    d.Text = text;
    d.Datum = "1917.03.00";
    d.DatumZusatz = 2;
    d.Quelle = "Dienstbüchlein";
    db().insertDiverses(d);
    return d;
  }

  TPerson Of(int id) { return *db().getPerson(id); }

  int anna = 0, ben = 0, cleo = 0;
};

// --- links ---------------------------------------------------------------------------------

TEST_F(EntryOpsTest, LinksBothWays) {
  const int pate = Link(anna, ben, "Pate");
  const int freund = Link(cleo, anna, "Freundin");
  const int lehrer = Link(anna, cleo, "Lehrerin");

  const auto own = db().getLinks(Of(anna));
  ASSERT_EQ(own->Count(), 2u);
  EXPECT_EQ((*own)[0].AutoInc, pate);
  EXPECT_EQ((*own)[0].Text, "Pate");
  ASSERT_NE((*own)[0].Person, nullptr);
  EXPECT_EQ((*own)[0].Person->Vorname, "Ben");
  EXPECT_EQ((*own)[1].AutoInc, lehrer);
  EXPECT_EQ((*own)[1].linkText(), "Lehrerin: Cleo Probe (-) [3]");

  const auto to = db().getLinksTo(anna);
  ASSERT_EQ(to->Count(), 1u);
  EXPECT_EQ((*to)[0].AutoInc, freund);
  EXPECT_EQ((*to)[0].Id1, cleo);
  EXPECT_EQ((*to)[0].Person, nullptr) << "links to a person come without persons";
  EXPECT_TRUE(db().getLinksTo(0)->Empty());
}

TEST_F(EntryOpsTest, LinkLines) {
  ForgetChangeLines();
  TLink l;
  l.Id1 = anna;
  l.Id2 = ben;
  l.Text = "Pate";
  db().insertLink(l);
  l.Id2 = cleo;
  l.Text = "Patin";
  db().updateLink(l);
  db().deleteLink(l);
  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{
                                  "Link eingefügt: [1] (Aenderung folgt implizit...)",
                                  "Link geändert: [1] id1=0 id2=0 text=",
                                  "Link geändert: [1] id1=1 id2=2 text=Pate",
                                  "Link gelöscht: [1] id1=1 id2=3 text=Patin",
                              }));
  EXPECT_EQ(Rows(TableId::Link), 0);
}

TEST_F(EntryOpsTest, ALinkToAMissingPersonIsDeleted) {
  ForgetChangeLines();
  TLink l;
  l.Id1 = anna;
  l.Id2 = 42;
  l.Text = "Geist";
  db().insertLink(l);
  EXPECT_EQ(Rows(TableId::Link), 0);
  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{"Link eingefügt: [1] (Aenderung folgt implizit...)",
                                                        "Link gelöscht: [1] id1=0 id2=0 text="}));

  const int kept = Link(anna, ben, "Pate");
  TPerson b = Of(ben);
  db().remove(b);
  const auto links = db().getLinks(Of(anna));
  TLink& stale = (*links)[0];
  stale.Text = "neu";
  db().updateLink(stale);
  EXPECT_EQ(Rows(TableId::Link, "AutoInc = " + std::to_string(kept)), 0);
  EXPECT_TRUE(prompter.asked.empty());
}

// --- media -----------------------------------------------------------------------------------

TEST_F(EntryOpsTest, MediaInTableOrderAndTheFirstPicture) {
  const int brief = Media(anna, "Briefe/brief.pdf", "Brief");
  const int bild = Media(anna, "C:\\Bilder\\hochzeit.JPG", "Hochzeit");
  Media(ben, "ben.png", "Ben");
  const int foto = Media(anna, "foto.png", "Foto");

  const auto m = db().getMediae(Of(anna));
  ASSERT_EQ(m->Count(), 3u);
  EXPECT_EQ((*m)[0].AutoInc, brief);
  EXPECT_EQ((*m)[1].AutoInc, bild);
  EXPECT_EQ((*m)[2].AutoInc, foto);
  EXPECT_EQ((*m)[1].File, "C:\\Bilder\\hochzeit.JPG");
  EXPECT_EQ((*m)[1].Title, "Hochzeit");
  EXPECT_EQ((*m)[1].Id, anna);

  EXPECT_EQ(db().firstImageFile(anna), "C:\\Bilder\\hochzeit.JPG");
  Media(cleo, "nur.pdf", "Text");
  EXPECT_EQ(db().firstImageFile(cleo), "");
  EXPECT_EQ(db().firstImageFile(0), "");
}

TEST_F(EntryOpsTest, MediaLinesAndCutTexts) {
  ForgetChangeLines();
  TMedia m;
  m.Id = anna;
  m.File = "a.jpg";
  m.Title = std::string(39, 't') + "üü";  // the record may hold 255, the table 40
  db().insertMedia(m);
  EXPECT_EQ(Stored(TableId::Media, "Title", "AutoInc = 1"), std::string(39, 't') + "ü");
  EXPECT_EQ(m.Title.size(), 43u) << "the record keeps its text";
  m.Title = "Hochzeit";
  db().updateMedia(m);
  db().deleteMedia(m);
  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{
                                  "Media eingefügt: [1] (Aenderung folgt implizit...)",
                                  "Media geändert: [1] id=0 title= file=",
                                  "Media geändert: [1] id=1 title=" + std::string(39, 't') + "ü file=a.jpg",
                                  "Media gelöscht: [1] id=1 title=Hochzeit file=a.jpg",
                              }));
}

// --- free-form entries -----------------------------------------------------------------------------

TEST_F(EntryOpsTest, EntriesInTableOrderWithEveryField) {
  Entry(anna, "Militär", "Gefreiter");
  Entry(ben, "Militär", "Soldat");
  Entry(anna, "Auswanderung", "1923 nach Übersee");
  const auto list = db().getDiverse(Of(anna));
  ASSERT_EQ(list->Count(), 2u);
  EXPECT_EQ((*list)[0].diversesText(), "Militär: Gefreiter");
  EXPECT_EQ((*list)[1].diversesText(), "Auswanderung: 1923 nach Übersee");
  const TDiverses& e = (*list)[1];
  EXPECT_EQ(e.AutoInc, 3);
  EXPECT_EQ(e.Id, anna);
  EXPECT_EQ(e.Datum, "1917.03.00");
  EXPECT_EQ(e.DatumZusatz, 2);
  EXPECT_EQ(e.Quelle, "Dienstbüchlein");
  EXPECT_TRUE(db().getDiverse(TPerson{})->Empty());
}

TEST_F(EntryOpsTest, EntryLines) {
  ForgetChangeLines();
  TDiverses d = Entry(anna, "Militär", "Gefreiter");
  d.Text = std::string(250, 'x') + "y";
  db().updateDiverses(d);
  db().deleteDiverses(d);
  const std::string cut(250, 'x');
  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{
                                  "Diverses eingefügt: [1] (Aenderung folgt implizit...)",
                                  "Diverses geändert: [1] id=1 title=Militär text=Gefreiter",
                                  "Diverses geändert: [1] id=1 title=Militär text=" + cut,
                                  "Diverses gelöscht: [1] id=1 title=Militär text=" + cut,
                              }));
}

TEST_F(EntryOpsTest, EntryKeywordsFollowTheEntry) {
  Config->SetOptionBool(56, true);
  TDiverses d = Entry(anna, "Beruf", "Schreinerin");
  const std::string word = "\"key\" = 'Schreinerin'";
  EXPECT_EQ(Rows(TableId::Key, word + " AND pid = 1"), 1);
  d.Id = ben;
  db().updateDiverses(d);
  EXPECT_EQ(Rows(TableId::Key, word + " AND pid = 1"), 0) << "the old person loses the entry's keyword";
  EXPECT_EQ(Rows(TableId::Key, word + " AND pid = 2"), 1);
  db().deleteDiverses(d);
  EXPECT_EQ(Rows(TableId::Key, word), 0);
}

// --- missing rows ---------------------------------------------------------------------------------

TEST_F(EntryOpsTest, MissingRowsGiveTheirErrorBoxAndChangeNothing) {
  Link(anna, ben, "Pate");
  Media(anna, "a.jpg", "A");
  Entry(anna, "T", "X");
  ForgetChangeLines();
  TLink l;
  l.Id1 = anna;
  l.Id2 = ben;
  l.AutoInc = 42;
  TMedia m;
  m.AutoInc = 42;
  TDiverses d;
  d.AutoInc = 42;
  db().updateMedia(m);
  db().deleteMedia(m);
  db().updateDiverses(d);
  db().deleteDiverses(d);
  db().updateLink(l);
  db().deleteLink(l);
  EXPECT_EQ(ErrorBoxes(), (std::vector<std::string>{
                              "TAhnenDB.updateMedia: MDB.EOF! autoinc=42",
                              "TAhnenDB.deleteMedia: MDB.EOF! autoinc=42",
                              "TAhnenDB.updateDiverses: DDB.EOF! autoinc=42",
                              "TAhnenDB.deleteDiverses: DDB.EOF! autoinc=42",
                              "TAhnenDB.updateLink: LDB.EOF! autoinc=42",
                              "TAhnenDB.deleteLink: LDB.EOF! id=42",
                          }));
  EXPECT_TRUE(NewChangeLines().empty());
  EXPECT_EQ(Rows(TableId::Link) + Rows(TableId::Media) + Rows(TableId::Divers), 3);
}

TEST_F(EntryOpsTest, FailingFieldWriteLeavesNoEmptyRow) {
  for (TableId table : {TableId::Link, TableId::Media, TableId::Divers}) BreakWrites(table, "UPDATE");
  TLink l;
  l.Id1 = anna;
  l.Id2 = ben;
  EXPECT_THROW(db().insertLink(l), EDatabaseError);
  TMedia m;
  EXPECT_THROW(db().insertMedia(m), EDatabaseError);
  TDiverses d;
  EXPECT_THROW(db().insertDiverses(d), EDatabaseError);
  EXPECT_EQ(Rows(TableId::Link) + Rows(TableId::Media) + Rows(TableId::Divers), 0);
  EXPECT_EQ(l.AutoInc + m.AutoInc + d.AutoInc, 0);
}
