// Which records an export writes and how they point at each other: only the
// selected persons, rows with an unknown partner, a couple with two rows, a
// parent who does not exist. Every pointer must name a record of the file,
// and children, parents and partners must agree both ways.
#include <gtest/gtest.h>

#include "db/PersonSelection.h"
#include "tests/exchange/GedExportTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

class GedExportSelectedTest : public GedExportTest {
 protected:
  void SetUp() override {
    GedExportTest::SetUp();
    ClearSelection();
  }
  void TearDown() override {
    ClearSelection();
    GedExportTest::TearDown();
  }
  std::string ExportSelected() {
    TGedExportOptions options;
    options.SelectedOnly = true;
    return Export(options);
  }
};

TEST_F(GedExportSelectedTest, LeftOutPersonsTakeTheirFamiliesAlongAndChildrenFollowTheirParents) {
  // Hans and Anna are married, with the children Fritz and Grete; Otto and
  // Berta have a son Paul without marriage; Karl and Rosa have a daughter Lina
  // without marriage. Anna, Berta, Grete and Lina are not selected.
  const int hans = AddPerson("Hans", "Müller", 0);
  const int anna = AddPerson("Anna", "Meier", 1);
  const int marriage = AddMarriage(hans, anna);
  const int fritz = AddPerson("Fritz", "Müller", 0, hans, anna);
  const int grete = AddPerson("Grete", "Müller", 1, hans, anna);
  const int otto = AddPerson("Otto", "Frei", 0);
  const int berta = AddPerson("Berta", "Frei", 1);
  const int paul = AddPerson("Paul", "Frei", 0, otto, berta);
  const int karl = AddPerson("Karl", "Huber", 0);
  const int rosa = AddPerson("Rosa", "Huber", 1);
  const int lina = AddPerson("Lina", "Huber", 1, karl, rosa);
  TLink link;
  link.Id1 = hans, link.Id2 = anna, link.Text = "Ehefrau";
  db().insertLink(link);
  link.Id1 = hans, link.Id2 = otto, link.Text = "Freund";
  link.AutoInc = 0;
  db().insertLink(link);
  for (int id : {hans, fritz, otto, paul, karl, rosa}) SelectPerson(id);

  const std::string bytes = ExportSelected();
  const Lines lines = FileLines(FromAnsi(bytes));
  EXPECT_EQ(RecordLines(lines, "@I1@"), (Lines{"0 @I1@ INDI ", "1 NAME Hans /Müller/", "1 SEX M", "1 ASSO @I5@",
                                               "2 RELA Freund", "1 FAMS @F1_0@"}));
  EXPECT_EQ(RecordLines(lines, "@I3@"), (Lines{"0 @I3@ INDI ", "1 NAME Fritz /Müller/", "1 SEX M", "1 FAMC @F1_0@"}));
  EXPECT_EQ(RecordLines(lines, "@F1_0@"), (Lines{"0 @F1_0@ FAM ", "1 HUSB @I1@", "1 CHIL @I3@"}));
  EXPECT_EQ(RecordLines(lines, "@I5@"), (Lines{"0 @I5@ INDI ", "1 NAME Otto /Frei/", "1 SEX M", "1 FAMS @F5_0@"}));
  EXPECT_EQ(RecordLines(lines, "@I7@").back(), "1 FAMC @F5_0@");
  EXPECT_EQ(RecordLines(lines, "@F5_0@"), (Lines{"0 @F5_0@ FAM ", "1 HUSB @I5@", "1 CHIL @I7@"}));
  // Karl and Rosa are selected, but their only child is not: no family.
  EXPECT_EQ(RecordLines(lines, "@I8@"), (Lines{"0 @I8@ INDI ", "1 NAME Karl /Huber/", "1 SEX M"}));
  EXPECT_EQ(RecordLines(lines, "@I9@"), (Lines{"0 @I9@ INDI ", "1 NAME Rosa /Huber/", "1 SEX F"}));

  const std::vector<TGedRecord> records = ReadRecords(bytes);
  for (int id : {anna, grete, berta, lina}) EXPECT_FALSE(HasRecord(records, "@I" + std::to_string(id) + "@")) << id;
  EXPECT_FALSE(HasRecord(records, "@F" + std::to_string(marriage) + "@"));
  EXPECT_FALSE(HasRecord(records, "@F8_9@"));
  EXPECT_FALSE(HasRecord(records, "@F5_6@"));
  EXPECT_EQ(PointerFaults(records), Lines{});
  EXPECT_EQ(result.Individuals, 6);
  EXPECT_EQ(result.Families, 0);
  EXPECT_EQ(result.ParentPairFamilies, 2);
}

TEST_F(GedExportSelectedTest, AMarriageOfTwoSelectedPersonsStaysWithTheSelectedChildrenOnly) {
  const int hans = AddPerson("Hans", "Müller", 0);
  const int anna = AddPerson("Anna", "Meier", 1);
  AddMarriage(hans, anna);
  const int fritz = AddPerson("Fritz", "Müller", 0, hans, anna);
  AddPerson("Grete", "Müller", 1, hans, anna);
  for (int id : {hans, anna, fritz}) SelectPerson(id);
  const std::string bytes = ExportSelected();
  const Lines lines = FileLines(bytes);
  EXPECT_EQ(RecordLines(lines, "@F1@"), (Lines{"0 @F1@ FAM ", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I3@", "1 MARR "}));
  EXPECT_EQ(RecordLines(lines, "@I1@").back(), "1 FAMS @F1@");
  EXPECT_EQ(RecordLines(lines, "@I2@").back(), "1 FAMS @F1@");
  EXPECT_EQ(PointerFaults(ReadRecords(bytes)), Lines{});
}

TEST_F(GedExportSelectedTest, TheSelectionComesFromTheFileOfTheDatabase) {
  AddPerson("Hans", "Müller", 0);
  AddPerson("Anna", "Meier", 1);
  AddPerson("Fritz", "Müller", 0);
  dir.Write("selpers.lst", " 3 \r\n0\r\nkein\r\n600000\r\n1\r\n");
  LoadDatabaseSelection();
  EXPECT_EQ(SelectionCount(), 2);
  EXPECT_TRUE(IsSelected(1));
  EXPECT_FALSE(IsSelected(2));
  EXPECT_TRUE(IsSelected(3));
  EXPECT_FALSE(IsSelected(600000));
  const std::vector<TGedRecord> records = ReadRecords(ExportSelected());
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[2].xref, "@I1@");
  EXPECT_EQ(records[3].xref, "@I3@");
}

// A row with an unknown partner is left by an import, not by the program's
// own editing; with all persons it is a family, with the selection it is not.
TEST_F(GedExportSelectedTest, ARowWithAnUnknownPartner) {
  const int hans = AddPerson("Hans", "Müller", 0);
  AddRawMarriage(7, hans, 0);
  const int fritz = AddPerson("Fritz", "Müller", 0, hans, 0);

  std::string bytes = Export();
  Lines lines = FileLines(FromAnsi(bytes));
  EXPECT_EQ(RecordLines(lines, "@I1@"), (Lines{"0 @I1@ INDI ", "1 NAME Hans /Müller/", "1 SEX M", "1 FAMS @F7@"}));
  EXPECT_EQ(RecordLines(lines, "@I2@").back(), "1 FAMC @F7@");
  EXPECT_EQ(RecordLines(lines, "@F7@"), (Lines{"0 @F7@ FAM ", "1 HUSB @I1@", "1 CHIL @I2@", "1 MARR "}));
  EXPECT_EQ(PointerFaults(ReadRecords(bytes)), Lines{});
  EXPECT_EQ(result.ParentPairFamilies, 0);

  SelectPerson(hans);
  SelectPerson(fritz);
  bytes = ExportSelected();
  lines = FileLines(bytes);
  EXPECT_EQ(RecordLines(lines, "@I1@").back(), "1 FAMS @F1_0@");
  EXPECT_EQ(RecordLines(lines, "@I2@").back(), "1 FAMC @F1_0@");
  EXPECT_EQ(RecordLines(lines, "@F1_0@"), (Lines{"0 @F1_0@ FAM ", "1 HUSB @I1@", "1 CHIL @I2@"}));
  EXPECT_TRUE(RecordLines(lines, "@F7@").empty());
  EXPECT_EQ(PointerFaults(ReadRecords(bytes)), Lines{});
}

TEST_F(GedExportSelectedTest, ACoupleWithTwoRowsHasItsChildrenInTheFirst) {
  const int hans = AddPerson("Hans", "Müller", 0);
  const int anna = AddPerson("Anna", "Meier", 1);
  AddRawMarriage(4, hans, anna);
  AddRawMarriage(2, hans, anna);
  AddPerson("Fritz", "Müller", 0, hans, anna);
  const std::string bytes = Export();
  const Lines lines = FileLines(bytes);
  EXPECT_EQ(RecordLines(lines, "@I3@").back(), "1 FAMC @F2@");
  EXPECT_EQ(RecordLines(lines, "@F2@"), (Lines{"0 @F2@ FAM ", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I3@", "1 MARR "}));
  EXPECT_EQ(RecordLines(lines, "@F4@"), (Lines{"0 @F4@ FAM ", "1 HUSB @I1@", "1 WIFE @I2@", "1 MARR "}));
  const Lines husband = RecordLines(lines, "@I1@");
  EXPECT_EQ(Lines(husband.end() - 2, husband.end()), (Lines{"1 FAMS @F2@", "1 FAMS @F4@"}));
  EXPECT_EQ(PointerFaults(ReadRecords(bytes)), Lines{});
}

TEST_F(GedExportSelectedTest, AParentWhoDoesNotExistIsUnknown) {
  const int anna = AddPerson("Anna", "Meier", 1);
  AddPerson("Fritz", "Meier", 0, 99, anna);
  AddPerson("Grete", "Meier", 1, 98, 0);
  const std::string bytes = Export();
  const Lines lines = FileLines(bytes);
  EXPECT_EQ(RecordLines(lines, "@I2@").back(), "1 FAMC @F0_1@");
  EXPECT_EQ(RecordLines(lines, "@F0_1@"), (Lines{"0 @F0_1@ FAM ", "1 WIFE @I1@", "1 CHIL @I2@"}));
  EXPECT_EQ(RecordLines(lines, "@I3@"), (Lines{"0 @I3@ INDI ", "1 NAME Grete /Meier/", "1 SEX F"}));
  EXPECT_EQ(PointerFaults(ReadRecords(bytes)), Lines{});
  EXPECT_EQ(result.ParentPairFamilies, 1);
}

// A larger family tree, selected in part: whatever is selected, the file's
// pointers agree.
TEST_F(GedExportSelectedTest, PointersAgreeForEverySelectionOfAFamilyTree) {
  std::vector<int> men, women;
  {
    auto tx = db().Transaction();
    for (int generation = 0; generation < 4; ++generation) {
      std::vector<int> nextMen, nextWomen;
      for (int i = 0; i < 4; ++i) {
        const int father = generation ? men[static_cast<std::size_t>(i % men.size())] : 0;
        const int mother = generation && i != 3 ? women[static_cast<std::size_t>((i + generation) % women.size())] : 0;
        nextMen.push_back(AddPerson("M" + std::to_string(i), "G" + std::to_string(generation), 0, father, mother));
        nextWomen.push_back(AddPerson("F" + std::to_string(i), "G" + std::to_string(generation), 1, father, mother));
      }
      for (std::size_t i = 0; i < nextMen.size(); i += 2) AddMarriage(nextMen[i], nextWomen[i]);
      men = nextMen, women = nextWomen;
    }
    tx->Commit();
  }
  const int persons = db().RecordCount(TableId::Person);
  for (int pattern : {1, 2, 3, 5, 7}) {
    ClearSelection();
    for (int id = 1; id <= persons; ++id)
      if (id % pattern != 0) SelectPerson(id);
    const std::vector<TGedRecord> records = ReadRecords(ExportSelected());
    EXPECT_EQ(PointerFaults(records), Lines{}) << "every " << pattern << ". left out";
    for (int id = 1; id <= persons; ++id)
      EXPECT_EQ(HasRecord(records, "@I" + std::to_string(id) + "@"), id % pattern != 0) << id;
  }
  EXPECT_EQ(PointerFaults(ReadRecords(Export())), Lines{});
}

}  // namespace
