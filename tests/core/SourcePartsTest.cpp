#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/Configuration.h"
#include "core/SourceParts.h"
#include "tests/core/TestSupport.h"

class SourcePartsTest : public CoreTest {
 protected:
  void OpenDatabaseWithOptions(const std::string& options) {
    Config = std::make_unique<TConfiguration>(
        WriteProject("[Datenbank]\nLogDBAktionen=0\n[Options]\n" + options));
  }
};

struct CountCase {
  const char* text;
  int parts;
};

class SourceCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(SourceCountTest, CountsPartsWithoutAnEmptyLastOne) {
  std::string sources = ";";
  std::string levels = ":";
  EXPECT_EQ(SourceCount(GetParam().text, sources), GetParam().parts) << GetParam().text;
  // The same rule for levels, with their own separator.
  std::string asLevels = GetParam().text;
  for (char& c : asLevels)
    if (c == ';') c = ':';
  EXPECT_EQ(LevelCount(asLevels, levels), GetParam().parts) << asLevels;
}

INSTANTIATE_TEST_SUITE_P(Texts, SourceCountTest,
                         ::testing::Values(CountCase{"", 0}, CountCase{"a", 1}, CountCase{"a;b", 2},
                                           CountCase{"a;b;c", 3}, CountCase{"a;", 1}, CountCase{";", 1},
                                           CountCase{";a", 2}, CountCase{"a;;b", 3}, CountCase{"a;b;", 2},
                                           CountCase{" ", 1}, CountCase{"a; ", 2}));

struct PartCase {
  const char* text;
  int n;
  const char* part;
};

class SourceAtTest : public ::testing::TestWithParam<PartCase> {};

TEST_P(SourceAtTest, TakesTheNthPartTrimmed) {
  std::string sources = ";";
  EXPECT_EQ(SourceAt(GetParam().text, GetParam().n, sources), GetParam().part)
      << GetParam().text << " #" << GetParam().n;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SourceAtTest,
    ::testing::Values(PartCase{"a ; b", 2, "b"}, PartCase{"a ; b", 1, "a"}, PartCase{"a;b", 0, ""},
                      PartCase{"a;b", -1, ""}, PartCase{"a;b", 3, ""}, PartCase{"", 1, ""},
                      PartCase{"a", 1, "a"}, PartCase{"a", 2, ""}, PartCase{"a;;c", 2, ""},
                      PartCase{"a;;c", 3, "c"}, PartCase{"\t Kirchenbuch Ulm \r\n;x", 1, "Kirchenbuch Ulm"},
                      PartCase{"x;\x01 Taufe\x1f", 2, "Taufe"}, PartCase{"Grabstein; ", 2, ""}));

TEST_F(SourcePartsTest, LevelsUseTheirOwnSeparator) {
  std::string levels = ":";
  EXPECT_EQ(LevelAt("Archiv : Band 1 : S. 5", 2, levels), "Band 1");
  EXPECT_EQ(LevelAt("Archiv : Band 1 : S. 5", 3, levels), "S. 5");
  EXPECT_EQ(LevelAt("Archiv;Band 1", 1, levels), "Archiv;Band 1");
}

TEST_F(SourcePartsTest, SeparatorsMayBeLongerThanOneCharacter) {
  std::string separator = "//";
  EXPECT_EQ(SourceCount("a//b/c//", separator), 2);
  EXPECT_EQ(SourceAt("a//b/c//", 2, separator), "b/c");
  EXPECT_EQ(separator, "//");
}

TEST_F(SourcePartsTest, EmptySeparatorGetsTheDefaultWithoutADatabase) {
  std::string sources, levels, common, taken;
  EXPECT_EQ(SourceCount("a;b:c", sources), 2);
  EXPECT_EQ(sources, ";");
  EXPECT_EQ(LevelCount("a;b:c", levels), 2);
  EXPECT_EQ(levels, ":");
  EXPECT_EQ(CommonLevels("a:b", "a:c", common), 1);
  EXPECT_EQ(common, ":");
  EXPECT_EQ(SourceAt("", 1, taken), "");
  EXPECT_EQ(taken, ";");
}

TEST_F(SourcePartsTest, EmptySeparatorGetsTheOptionOfTheOpenDatabase) {
  OpenDatabaseWithOptions("28=|\n27=/\n");
  std::string sources, levels;
  EXPECT_EQ(SourceCount("a|b;c", sources), 2);
  EXPECT_EQ(sources, "|");
  EXPECT_EQ(LevelAt("x/y:z", 2, levels), "y:z");
  EXPECT_EQ(levels, "/");
  // A separator already set stays.
  std::string mine = "#";
  EXPECT_EQ(SourceCount("a|b#c", mine), 2);
  EXPECT_EQ(mine, "#");
}

TEST_F(SourcePartsTest, AnEmptyOptionMeansTheDefault) {
  OpenDatabaseWithOptions("28=\n");
  std::string sources;
  EXPECT_EQ(SourceCount("a;b", sources), 2);
  EXPECT_EQ(sources, ";");
}

TEST_F(SourcePartsTest, TheRestBehindASeparatorIsCutTo9999Characters) {
  std::string separator = ";";
  // 9997 two-byte characters, ";" and "b": a rest of exactly 9999 characters.
  std::string umlauts;
  for (int i = 0; i < 9997; ++i) umlauts += "ä";
  EXPECT_EQ(SourceAt("a;" + umlauts + ";b", 3, separator), "b");
  // One character more and the "b" falls off; counting does not cut.
  const std::string longer = "a;" + umlauts + "ä;b";
  EXPECT_EQ(SourceAt(longer, 3, separator), "");
  EXPECT_EQ(SourceAt(longer, 2, separator), umlauts + "ä");
  EXPECT_EQ(SourceCount(longer, separator), 3);
}

struct CommonCase {
  const char* text1;
  const char* text2;
  int equal;
};

class CommonLevelsTest : public ::testing::TestWithParam<CommonCase> {};

TEST_P(CommonLevelsTest, CountsLeadingEqualLevelsIgnoringCase) {
  std::string levels = ":";
  EXPECT_EQ(CommonLevels(GetParam().text1, GetParam().text2, levels), GetParam().equal)
      << GetParam().text1 << " / " << GetParam().text2;
  EXPECT_EQ(CommonLevels(GetParam().text2, GetParam().text1, levels), GetParam().equal);
}

INSTANTIATE_TEST_SUITE_P(Texts, CommonLevelsTest,
                         ::testing::Values(CommonCase{"Archiv:Band 1:S. 5", "archiv:Band 2", 1},
                                           CommonCase{"a:b:c", "A:B:C", 3}, CommonCase{"a:b", "a:b:c", 2},
                                           CommonCase{"", "a", 0}, CommonCase{"", "", 0},
                                           CommonCase{"x:a", "y:a", 0}, CommonCase{" a : b ", "a:b", 2},
                                           CommonCase{"Ärger:1", "ärger:2", 1}, CommonCase{"a", "ä", 0}));
