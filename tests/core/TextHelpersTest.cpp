#include <gtest/gtest.h>

#include "core/DisplaySettings.h"
#include "core/Names.h"
#include "core/Sex.h"
#include "core/TextHelpers.h"
#include "tests/core/TestSupport.h"

namespace {

class TextHelpersTest : public CoreTest {};

TEST_F(TextHelpersTest, JoinsSkipEmptySides) {
  struct Join {
    std::string (*join)(std::string_view, std::string_view);
    const char* separator;
  } joins[] = {{JoinBlank, " "}, {JoinComma, ", "}, {JoinNbsp, "&nbsp;"}, {JoinLines, "\r\n"}};
  for (const Join& j : joins) {
    SCOPED_TRACE(j.separator);
    EXPECT_EQ(j.join("Anna", "Meier"), std::string("Anna") + j.separator + "Meier");
    EXPECT_EQ(j.join("", "Meier"), "Meier");
    EXPECT_EQ(j.join("Anna", ""), "Anna");
    EXPECT_EQ(j.join("", ""), "");
    EXPECT_EQ(j.join(j.join("a", ""), "c"), std::string("a") + j.separator + "c");
  }
}

TEST_F(TextHelpersTest, LabelsAndPrefixesOnlyWithAValue) {
  EXPECT_EQ(LabelValue("Beruf: ", "Bäcker"), "Beruf: Bäcker");
  EXPECT_EQ(LabelValue("Beruf: ", ""), "");
  EXPECT_EQ(LabelValue("", "Bäcker"), "");
  EXPECT_EQ(CommaPrefixed("Bern"), ", Bern");
  EXPECT_EQ(CommaPrefixed(""), "");
  EXPECT_EQ(BlankPrefixed("Bern"), " Bern");
  EXPECT_EQ(BlankPrefixed(""), "");
}

TEST_F(TextHelpersTest, WordsAreSeparatedByRunsOfBlanks) {
  struct Case {
    const char* text;
    int count;
    const char* second;
  } cases[] = {
      {"", 0, ""},
      {"   ", 0, ""},
      {"Anna", 1, ""},
      {"Anna Maria", 2, "Maria"},
      {"  Anna   Maria  Luise ", 3, "Maria"},
      {"Anna\tMaria", 2, "Maria"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WordCount(c.text), c.count);
    EXPECT_EQ(WordAt(c.text, 2), c.second);
  }
  EXPECT_EQ(WordAt(" Anna Maria", 1), "Anna");
  EXPECT_EQ(WordAt("Anna Maria", 3), "");
  EXPECT_EQ(WordAt("Anna Maria", 0), "");
  EXPECT_EQ(WordAt("Anna Maria", -1), "");
}

TEST_F(TextHelpersTest, MatchTextComparesTheUpperCaseForm) {
  struct Case {
    const char* pattern;
    const char* text;
    bool equal, begins, contains;
  } cases[] = {
      {"MÜLLER", "Müller", true, true, true},
      {"MÜL", "Müller", false, true, true},
      {"LLER", "Müller", false, false, true},
      {"MUELLER", "Müller", false, false, false},
      {"", "Müller", false, true, true},
      {"", "", true, true, true},
      {"müller", "Müller", false, false, false},  // the pattern is not converted
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " / " + c.text);
    EXPECT_EQ(MatchText(c.pattern, c.text, mmEqual), c.equal);
    EXPECT_EQ(MatchText(c.pattern, c.text, mmBegins), c.begins);
    EXPECT_EQ(MatchText(c.pattern, c.text, mmContains), c.contains);
    EXPECT_FALSE(MatchText(c.pattern, c.text, 3));
  }
}

TEST_F(TextHelpersTest, JoinPathAddsOneSeparator) {
  EXPECT_EQ(JoinPath("/home/anna", "a.txt"), "/home/anna/a.txt");
  EXPECT_EQ(JoinPath("/home/anna/", "a.txt"), "/home/anna/a.txt");
  EXPECT_EQ(JoinPath("C:\\Daten\\", "a.txt"), "C:\\Daten\\a.txt");
  EXPECT_EQ(JoinPath("/", "a.txt"), "/a.txt");
  // An empty directory must not make the name absolute.
  EXPECT_EQ(JoinPath("", "a.txt"), "a.txt");
}

TEST_F(TextHelpersTest, SexCodesAndLetters) {
  struct Case {
    const char* letter;
    int sex;
  } cases[] = {{"M", 0}, {"m", 0}, {"F", 1}, {"f", 1}, {"W", 1}, {"w", 1},
               {"U", 2}, {"", 2},  {"x", 2}, {"Mann", 2}, {"FW", 2}};
  for (const Case& c : cases) EXPECT_EQ(SexFromLetter(c.letter), c.sex) << c.letter;
  EXPECT_EQ(SexLetter(0), "M");
  EXPECT_EQ(SexLetter(1), "F");
  EXPECT_EQ(SexLetter(2), "U");
  EXPECT_EQ(SexLetter(7), "U");
  for (int sex = 0; sex <= 2; ++sex) EXPECT_EQ(SexFromLetter(SexLetter(sex)), sex);
}

TEST_F(TextHelpersTest, MarriedNameFollowsFamNameBeide) {
  struct Case {
    const char* partner;
    const char* own;
    const char* single;
    const char* both;
  } cases[] = {
      {"Meier", "Müller", "Meier", "Meier-Müller"},
      // The hyphen only stands between two names.
      {"Meier", "", "Meier", "Meier"},
      {"", "Müller", "", "Müller"},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.partner) + " / " + c.own);
    DisplaySettings().famNameBeide = false;
    EXPECT_EQ(ComposeMarriedName(c.partner, c.own), c.single);
    DisplaySettings().famNameBeide = true;
    EXPECT_EQ(ComposeMarriedName(c.partner, c.own), c.both);
  }
}

TEST_F(TextHelpersTest, SurnamesInListsFollowTheSettings) {
  EXPECT_EQ(SurnameText("Müller"), "Müller");
  EXPECT_EQ(ListSurname("Müller", "Meier"), "Müller");
  DisplaySettings().famNameListe = true;
  EXPECT_EQ(ListSurname("Müller", "Meier"), "Meier");
  EXPECT_EQ(ListSurname("Müller", ""), "Müller");
  DisplaySettings().nachnameGross = true;
  EXPECT_EQ(SurnameText("Müller"), "MÜLLER");
  EXPECT_EQ(ListSurname("Müller", "Öhler"), "ÖHLER");
  EXPECT_EQ(ListSurname("Müller", ""), "MÜLLER");
  DisplaySettings().famNameListe = false;
  EXPECT_EQ(ListSurname("Müller", "Öhler"), "MÜLLER");
}

}  // namespace
