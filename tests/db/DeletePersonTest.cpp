// Deleting a person with its relationships: what goes, what stays, what the
// open person views are told, and that a refusal or a failure changes nothing.
#include <gtest/gtest.h>

#include "core/Sex.h"
#include "tests/db/OpsTestSupport.h"

namespace {

std::string Where(const char* field, int id) { return "\"" + std::string(field) + "\" = " + std::to_string(id); }

}  // namespace

class DeletePersonTest : public OpsTest {
 protected:
  void SetUp() override {
    OpsTest::SetUp();
    SetHost(&view);
  }

  TViewHost view;
};

// A woman with two marriages and three children, links both ways, a media
// file and a free-form entry; her husbands have entries of their own.
class DeleteWomanTest : public DeletePersonTest {
 protected:
  void SetUp() override {
    DeletePersonTest::SetUp();
    opa = Person("Opa", "X", sexMale);
    wilma = Person("Wilma", "X", sexFemale, opa);
    hans = Person("Hans", "X", sexMale);
    heinz = Person("Heinz", "X", sexMale);
    first = Marriage(hans, wilma, "1920.01.01");
    second = Marriage(heinz, wilma, "1930.01.01");
    kids = {Person("Kind1", "X", sexMale, hans, wilma, "1921.01.01"),
            Person("Kind2", "X", sexFemale, hans, wilma, "1923.01.01"),
            Person("Kind3", "X", sexMale, heinz, wilma, "1931.01.01")};
    otto = Person("Otto", "X", sexMale);
    AddLink(wilma, otto, "Patin");
    AddLink(otto, wilma, "Freund");
    AddLink(hans, heinz, "Bruder");
    AddMedia(wilma, "a.jpg");
    AddMedia(hans, "h.jpg");
    AddEntry(wilma);
    AddEntry(hans);
    view.calls.clear();
    ForgetChangeLines();
  }

  void AddLink(int id1, int id2, const std::string& text) {
    TLink l;
    l.Id1 = id1;
    l.Id2 = id2;
    l.Text = text;
    db().insertLink(l);
  }
  void AddMedia(int id, const std::string& file) {
    TMedia m;
    m.Id = id;
    m.File = file;
    m.Title = "Bild";
    db().insertMedia(m);
  }
  void AddEntry(int id) {
    TDiverses d;
    d.Id = id;
    d.Title = "Notiz";
    d.Text = "Text";
    db().insertDiverses(d);
  }

  // Everything that refers to Wilma, as it stands.
  void ExpectUntouched() {
    EXPECT_TRUE(db().personExists(wilma));
    EXPECT_EQ(Rows(TableId::Ehe), 2);
    EXPECT_EQ(Rows(TableId::Person, Where("Mutter", wilma)), 3);
    EXPECT_EQ(Rows(TableId::Link), 3);
    EXPECT_EQ(Rows(TableId::Media), 2);
    EXPECT_EQ(Rows(TableId::Divers), 2);
    EXPECT_GT(Rows(TableId::Key, Where("pid", wilma)), 0);
  }

  int opa = 0, wilma = 0, hans = 0, heinz = 0, otto = 0, first = 0, second = 0;
  std::vector<int> kids;
};

TEST_F(DeleteWomanTest, EverythingOfHersGoesAndHerHusbandsStay) {
  ASSERT_GT(Rows(TableId::Key, Where("pid", wilma)), 0);
  EXPECT_TRUE(db().DeletePersonWithRelations(wilma));

  EXPECT_FALSE(db().personExists(wilma));
  EXPECT_EQ(Rows(TableId::Ehe), 0);
  const std::vector<int> fathers = {hans, hans, heinz};
  for (std::size_t i = 0; i < kids.size(); ++i) {
    const auto kid = db().getPerson(kids[i]);
    EXPECT_EQ(kid->Mutter, 0) << kids[i];
    EXPECT_EQ(kid->Vater, fathers[i]) << kids[i];
  }
  EXPECT_EQ(Rows(TableId::Link), 1);
  EXPECT_EQ(Rows(TableId::Link, Where("Id1", hans)), 1);
  EXPECT_EQ(Rows(TableId::Media), 1);
  EXPECT_EQ(Rows(TableId::Media, Where("Id", hans)), 1);
  EXPECT_EQ(Rows(TableId::Divers), 1);
  EXPECT_EQ(Rows(TableId::Divers, Where("Id", hans)), 1);
  EXPECT_EQ(Rows(TableId::Key, Where("pid", wilma)), 0);
  EXPECT_GT(Rows(TableId::Key, Where("pid", hans)), 0);
  EXPECT_TRUE(db().personExists(hans));
  EXPECT_TRUE(db().personExists(heinz));
  EXPECT_TRUE(prompter.asked.empty());

  EXPECT_EQ(NewChangeLines(), (std::vector<std::string>{
                                  "Ehe gelöscht: [1] mann=3 frau=2",
                                  "Ehe gelöscht: [2] mann=4 frau=2",
                                  "Person geändert: Kind1 X [5]: Mutter=0",
                                  "Person geändert: Kind2 X [6]: Mutter=0",
                                  "Person geändert: Kind3 X [7]: Mutter=0",
                                  "Link gelöscht: [1] id1=2 id2=8 text=Patin",
                                  "Link gelöscht: [2] id1=8 id2=2 text=Freund",
                                  "Media gelöscht: [1] id=2 title=Bild file=a.jpg",
                                  "Diverses gelöscht: [1] id=2 title=Notiz text=Text",
                                  "Person gelöscht: Wilma X [2]",
                              }));
  EXPECT_EQ(view.calls, (std::vector<std::string>{"close 2", "drop 3 1", "drop 4 2", "children 1", "links 8",
                                                  "deleted 2"}));
}

TEST_F(DeleteWomanTest, ARefusingViewKeepsEverything) {
  view.closes = false;
  EXPECT_FALSE(db().DeletePersonWithRelations(wilma));
  ExpectUntouched();
  EXPECT_TRUE(NewChangeLines().empty());
  EXPECT_EQ(view.calls, (std::vector<std::string>{"close 2"}));
}

TEST_F(DeleteWomanTest, AFailureOnTheWayKeepsEverything) {
  BreakWrites(TableId::Person, "DELETE");
  EXPECT_THROW(db().DeletePersonWithRelations(wilma), EDatabaseError);
  ExpectUntouched();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"close 2"})) << "views hear only of stored changes";
}

TEST_F(DeletePersonTest, NobodyToDelete) {
  EXPECT_FALSE(db().DeletePersonWithRelations(5));
  EXPECT_FALSE(db().DeletePersonWithRelations(0));
  EXPECT_TRUE(view.calls.empty());
}

// Whatever the recorded sex, every marriage and every child reference of the
// person goes, on whichever side it stands.
class DeleteAnySexTest : public DeletePersonTest, public ::testing::WithParamInterface<int> {};

TEST_P(DeleteAnySexTest, BothSidesAreCleared) {
  const int max = Person("Max", "X", sexMale);
  const int fia = Person("Fia", "X", sexFemale);
  const int kim = Person("Kim", "X", GetParam());
  const int asWife = Marriage(max, kim);
  const int asHusband = Marriage(kim, fia);
  const int kidOfMax = Person("A", "X", sexMale, max, kim);
  const int kidOfFia = Person("B", "X", sexMale, kim, fia);
  view.calls.clear();

  EXPECT_TRUE(db().DeletePersonWithRelations(kim));
  EXPECT_EQ(Rows(TableId::Ehe), 0);
  const auto a = db().getPerson(kidOfMax);
  EXPECT_EQ(a->Vater, max);
  EXPECT_EQ(a->Mutter, 0);
  const auto b = db().getPerson(kidOfFia);
  EXPECT_EQ(b->Vater, 0);
  EXPECT_EQ(b->Mutter, fia);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"close 3", "drop " + std::to_string(max) + " " + std::to_string(asWife),
                                                  "drop " + std::to_string(fia) + " " + std::to_string(asHusband),
                                                  "deleted 3"}));
}

INSTANTIATE_TEST_SUITE_P(Sexes, DeleteAnySexTest, ::testing::Values(sexMale, sexFemale, sexUnknown));

TEST_F(DeletePersonTest, ALinkToOneselfGoesOnce) {
  const int kim = Person("Kim", "X", sexUnknown);
  TLink l;
  l.Id1 = kim;
  l.Id2 = kim;
  l.Text = "selbst";
  db().insertLink(l);
  view.calls.clear();
  EXPECT_TRUE(db().DeletePersonWithRelations(kim));
  EXPECT_EQ(Rows(TableId::Link), 0);
  EXPECT_TRUE(prompter.asked.empty());
  EXPECT_EQ(view.calls, (std::vector<std::string>{"close 1", "deleted 1"}));
}
