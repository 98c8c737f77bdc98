// The import's reading of lines: its line count, lines it cannot read, the
// letter case of tags, values, the joining of CONC and CONT, and the DOS
// option that must never convert a text twice.
#include <gtest/gtest.h>

#include <sstream>

#include "exchange/GedImportLines.h"

namespace {

struct TCursorFixture {
  explicit TCursorFixture(const std::string& bytes, bool dos = false)
      : in(bytes), cursor(in, [this](const TGedProblem& p) { problems.push_back(p.text); }, dos) {}
  std::istringstream in;
  std::vector<std::string> problems;
  TGedLineCursor cursor;
};

TEST(GedImportLines, CountsNonEmptyLinesAndSkipsUnreadableOnes) {
  TCursorFixture f("0 HEAD\r\n\r\n   \r\n1 CHAR UTF-8\r\nGarbage line\r\n1\r\n0 @I1@ INDI\r\n1 NAME Hans\r\n");
  TGedLineCursor& c = f.cursor;
  EXPECT_EQ(c.Current().number, 1);
  EXPECT_EQ(c.Current().tag, "HEAD");
  c.Advance();
  EXPECT_EQ(c.Current().number, 2) << "empty lines are not counted";
  EXPECT_EQ(c.Current().tag, "CHAR");
  c.Advance();
  // Lines 3 (no level) and 4 (no tag) are reported and passed over.
  EXPECT_EQ(c.Current().number, 5);
  EXPECT_EQ(c.Current().level, 0);
  EXPECT_EQ(c.Current().xref, "I1");
  EXPECT_EQ(c.Current().tag, "INDI");
  ASSERT_EQ(f.problems.size(), 2u);
  EXPECT_EQ(f.problems[0], "Zeile 3 beginnnt nicht mit einer Zahl: \"Garbage line\"");
  EXPECT_EQ(f.problems[1].rfind("Zeile 4: ", 0), 0u) << f.problems[1];
  c.Advance();
  EXPECT_EQ(c.Current().value, "Hans");
  c.Advance();
  EXPECT_TRUE(c.Current().AtEnd());
  EXPECT_EQ(c.Current().level, -1);
  EXPECT_EQ(c.Current().number, 7);
}

TEST(GedImportLines, TagWithoutValueIsUpperCaseAndValuesAreTrimmed) {
  TCursorFixture f("1 birt\n2 date 1900\n2 PLAC   Bern  \n1 _custom   \n");
  TGedLineCursor& c = f.cursor;
  EXPECT_EQ(c.Current().tag, "BIRT");
  c.Advance();
  EXPECT_EQ(c.Current().tag, "date");
  EXPECT_EQ(c.Current().value, "1900");
  c.Advance();
  EXPECT_EQ(c.Current().value, "Bern");
  EXPECT_EQ(c.Current().raw, "2 PLAC   Bern");
  c.Advance();
  EXPECT_EQ(c.Current().tag, "_CUSTOM");
  EXPECT_EQ(c.Current().value, "");
}

TEST(GedImportLines, ReportsALastLineWithoutLineEnd) {
  TCursorFixture f("0 HEAD\n0 TRLR");
  f.cursor.Advance();
  EXPECT_EQ(f.cursor.Current().tag, "TRLR");
  ASSERT_EQ(f.problems.size(), 1u);
  EXPECT_EQ(f.problems[0], "Zeile 2: Die letzte Zeile hat kein Zeilenende; die Datei ist vielleicht abgeschnitten");
}

struct TTextCase {
  const char* lines;  // starting with the line whose text is read
  const char* text;
  const char* next;   // the tag the cursor stands on afterwards
};

class GedImportTextValue : public ::testing::TestWithParam<TTextCase> {};

TEST_P(GedImportTextValue, JoinsContinuations) {
  TCursorFixture f(GetParam().lines);
  EXPECT_EQ(ReadTextValue(f.cursor), GetParam().text);
  EXPECT_EQ(f.cursor.Current().tag, GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, GedImportTextValue,
    ::testing::Values(TTextCase{"1 NOTE Hans\n2 CONC ruedi\n1 SEX M\n", "Hans ruedi", "SEX"},
                      TTextCase{"1 NOTE erste\n2 CONT\n2 CONT zweite\n1 SEX M\n", "erste\r\nzweite", "SEX"},
                      TTextCase{"1 NOTE\n2 CONT nur\n2 CONC dies\n0 TRLR\n", "nur dies", "TRLR"},
                      // A continuation at the note's own level is no part of it.
                      TTextCase{"1 NOTE eins\n1 CONT zwei\n", "eins", "CONT"},
                      TTextCase{"1 NOTE a\n2 DATE 1900\n2 CONT b\n", "a", "DATE"}));

TEST(GedImportLines, FilterTakesPiecesOutOfTheText) {
  TCursorFixture f("1 NOTE ID: 17\n2 CONT Text\n2 CONT Buergerort: Bern\n2 CONC weiter\n0 TRLR\n");
  std::vector<std::string> taken;
  const std::string text = ReadTextValue(f.cursor, [&](const std::string& piece) {
    if (piece.find(':') == std::string::npos) return false;
    taken.push_back(piece);
    return true;
  });
  EXPECT_EQ(text, "Text weiter");
  EXPECT_EQ(taken, (std::vector<std::string>{"ID: 17", "Buergerort: Bern"}));
}

TEST(GedImportLines, SkipSubordinatesStopsAtTheSameLevel) {
  TCursorFixture f("1 FAMS @F1@\n2 NOTE x\n3 CONT y\n1 SEX F\n");
  SkipSubordinates(f.cursor);
  EXPECT_EQ(f.cursor.Current().tag, "SEX");
}

struct TDosCase {
  const char* name;
  std::string bytes;
  bool dos;
  const char* value;
};

class GedImportDosBytes : public ::testing::TestWithParam<TDosCase> {};

TEST_P(GedImportDosBytes, ConvertsOnlyBytesReadAsAnsi) {
  TCursorFixture f(GetParam().bytes, GetParam().dos);
  while (!f.cursor.Current().AtEnd() && f.cursor.Current().tag != "NAME") f.cursor.Advance();
  EXPECT_EQ(f.cursor.Current().value, GetParam().value);
}

// 0x84 is "ä" in code page 437 and "„" in 1252; 0xE1 is "ß" and "á".
INSTANTIATE_TEST_SUITE_P(
    Charsets, GedImportDosBytes,
    ::testing::Values(TDosCase{"NoCharDos", "0 HEAD\n0 @I1@ INDI\n1 NAME J\x84ger Stra\xE1" "e\n", true, "Jäger Straße"},
                      TDosCase{"NoCharAnsi", "0 HEAD\n0 @I1@ INDI\n1 NAME J\x84ger\n", false, "J„ger"},
                      TDosCase{"IbmPcNotTwice", "0 HEAD\n1 CHAR IBMPC\n0 @I1@ INDI\n1 NAME J\x84ger\n", true,
                               "Jäger"},
                      TDosCase{"Utf8NotTouched", "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME J\xC3\xA4ger\n", true,
                               "Jäger"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
