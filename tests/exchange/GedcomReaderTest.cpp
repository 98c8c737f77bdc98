#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "core/Errors.h"
#include "exchange/GedcomReader.h"
#include "tests/exchange/ExchangeTestSupport.h"

namespace {

template <std::size_t N>
std::string Bytes(const char (&s)[N]) {
  return std::string(s, N - 1);
}

std::string Joined(const std::vector<std::string>& lines, const std::string& end) {
  std::string s;
  for (const std::string& l : lines) s += l + end;
  return s;
}

const std::vector<std::string> kLines = {"0 HEAD", "1 CHAR UTF-8", "0 @I1@ INDI", "1 NAME Hans /Muster/",
                                         "1 BIRT", "2 DATE 1 JAN 1900", "0 TRLR"};
const std::string kTree =
    "0 HEAD\n  1 CHAR UTF-8\n0 @I1@ INDI\n  1 NAME Hans /Muster/\n  1 BIRT\n    2 DATE 1 JAN 1900\n0 TRLR\n";

struct TCase {
  const char* label;
  std::string bytes;
  std::string tree;                  // Dump of the records
  std::vector<std::string> problems;  // each reported once, nothing else
};

void PrintTo(const TCase& c, std::ostream* os) { *os << c.label; }

const TCase kCases[] = {
    {"Lf", Joined(kLines, "\n"), kTree, {}},
    {"Cr", Joined(kLines, "\r"), kTree, {}},
    {"CrLf", Joined(kLines, "\r\n"), kTree, {}},
    {"MixedLineEnds", "0 HEAD\r1 CHAR UTF-8\n0 @I1@ INDI\r\n1 NAME Hans /Muster/\r1 BIRT\n2 DATE 1 JAN 1900\r\n0 TRLR\r",
     kTree, {}},
    // LF CR, as some UTF-16 writers end their lines: an empty line between.
    {"LfCr", Joined(kLines, "\n\r"), kTree, {}},
    {"BlankLines", "0 HEAD\n\n   \n\t\n1 CHAR UTF-8\n0 TRLR\n", "0 HEAD\n  1 CHAR UTF-8\n0 TRLR\n", {}},
    {"TabsAndBlanks",
     "  0 HEAD\n1\tCHAR\tUTF-8\n\t0   @I1@   INDI\n 1  NAME Hans /Muster/\n1 BIRT\n\t\t2 DATE 1 JAN 1900\n0 TRLR\n",
     kTree, {}},
    {"SecondBlankBelongsToTheValue", "0 @I1@ INDI\n1 NAME  Hans\n0 TRLR\n", "0 @I1@ INDI\n  1 NAME  Hans\n0 TRLR\n", {}},
    {"CtrlZAtTheEnd", "0 HEAD\r\n0 TRLR\r\n\x1A", "0 HEAD\n0 TRLR\n", {}},
    {"LevelJump", "0 @I1@ INDI\n1 BIRT\n3 DATE 1900\n4 TIME 12:00\n1 SEX M\n0 TRLR\n",
     "0 @I1@ INDI\n  1 BIRT\n    2 DATE 1900\n      3 TIME 12:00\n  1 SEX M\n0 TRLR\n",
     {"Zeile 3: Stufe 3 folgt auf Stufe 1; die Zeile wird BIRT (Zeile 2) untergeordnet"}},
    {"LevelJumpBelowRecord", "0 @I1@ INDI\n2 NAME X\n0 TRLR\n", "0 @I1@ INDI\n  1 NAME X\n0 TRLR\n",
     {"Zeile 2: Stufe 2 folgt auf Stufe 0; die Zeile wird INDI (Zeile 1) untergeordnet"}},
    {"NulBytes", Bytes("0 HEAD\n1 SO\0UR x\0\n0 TRLR\n"), "0 HEAD\n  1 SOUR x\n0 TRLR\n",
     {"Zeile 2: 2 NUL-Bytes übersprungen"}},
    {"MissingTrailer", "0 HEAD\n0 @I1@ INDI\n1 NAME A\n", "0 HEAD\n0 @I1@ INDI\n  1 NAME A\n",
     {"Zeile 3: Die Datei endet ohne Schlusszeile TRLR; sie ist vielleicht unvollständig"}},
    {"TruncatedLastLine", "0 HEAD\n0 @I1@ INDI\n1 NAME Hans /Mus", "0 HEAD\n0 @I1@ INDI\n  1 NAME Hans /Mus\n",
     {"Zeile 3: Die letzte Zeile hat kein Zeilenende; die Datei ist vielleicht abgeschnitten",
      "Zeile 3: Die Datei endet ohne Schlusszeile TRLR; sie ist vielleicht unvollständig"}},
    {"LineWithoutTag", "0 HEAD\n\n\n1\n1 CHAR ANSI\n0 TRLR\n", "0 HEAD\n  1 CHAR ANSI\n0 TRLR\n",
     {"Zeile 4: Zeile ohne Tag übersprungen: \"1\""}},
    {"XrefWithoutTag", "0 @I1@\n0 TRLR\n", "0 TRLR\n", {"Zeile 1: Zeile ohne Tag übersprungen: \"0 @I1@\""}},
    // Reading goes on after a line that is no GEDCOM line at all.
    {"NotANumber", "0 HEAD\nHEAD FOO\n1 CHAR ANSI\n0 TRLR\n", "0 HEAD\n  1 CHAR ANSI\n0 TRLR\n",
     {"Zeile 2 beginnnt nicht mit einer Zahl: \"HEAD FOO\""}},
    {"ConcAndCont", "0 @N1@ NOTE Hans \n1 CONC ruedi\n1 CONT zweite\n1 CONT\n1 CONC  x\n1 CONT \n0 TRLR\n",
     "0 @N1@ NOTE Hans ruedi\\nzweite\\n x\\n\n0 TRLR\n", {}},
    {"ContBelowSubordinates", "0 @I1@ INDI\n1 NOTE a\n2 CONT b\n2 SOUR s\n3 CONC t\n1 SEX F\n0 TRLR\n",
     "0 @I1@ INDI\n  1 NOTE a\\nb\n    2 SOUR st\n  1 SEX F\n0 TRLR\n", {}},
    {"LowerCaseTags", "0 @N1@ note a\n1 conc b\n0 trlr\n", "0 @N1@ note ab\n0 trlr\n", {}},
    {"LinesBeforeTheFirstRecord", "1 SOUR X\n0 HEAD\n0 TRLR\n", "0 HEAD\n0 TRLR\n",
     {"Zeile 1: Zeile der Stufe 1 (SOUR) außerhalb eines Datensatzes übersprungen"}},
    {"RecordsAfterTheTrailer", "0 HEAD\n0 TRLR\n0 @I1@ INDI\n", "0 HEAD\n0 TRLR\n0 @I1@ INDI\n",
     {"Zeile 3: Nach der Schlusszeile TRLR folgen weitere Datensätze; sie werden auch gelesen"}},
    {"UnterminatedXref", "0 @I1 INDI\n1 NAME John /Doe/\n0 TRLR\n", "0 @I1@ INDI\n  1 NAME John /Doe/\n0 TRLR\n",
     {"Zeile 1: Dem Querverweis @I1 fehlt das schließende @; gelesen als @I1@"}},
    {"XrefWithABlank", "0 @NoTe ref@ NOTE mixed\n0 TRLR\n", "0 @NoTe ref@ NOTE mixed\n0 TRLR\n",
     {"Zeile 1: Der Querverweis @NoTe ref@ enthält ein Leerzeichen"}},
    {"XrefGluedToTheTag", "0 @I1@INDI\n0 TRLR\n", "0 @I1@ INDI\n0 TRLR\n",
     {"Zeile 1: Nach dem Querverweis @I1@ fehlt das Leerzeichen"}},
    {"EmptyFile", "", "", {"Die Datei enthält keine GEDCOM-Zeilen"}},
};

class ReaderCaseTest : public ::testing::TestWithParam<TCase> {};

}  // namespace

TEST_P(ReaderCaseTest, ReadsTheTreeAndReportsEachProblem) {
  const TCase& c = GetParam();
  TProblems problems;
  EXPECT_EQ(Dump(ReadAll(c.bytes, problems)), c.tree);
  std::vector<std::string> texts;
  for (const TGedProblem& p : problems.list) texts.push_back(p.text);
  EXPECT_EQ(texts, c.problems);
}

INSTANTIATE_TEST_SUITE_P(Table, ReaderCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(ReaderTest, ProblemsCarryTheirPhysicalLine) {
  TProblems problems;
  ReadAll("0 HEAD\r\n\r\n1 CHAR ANSI\r\n1\r\n0 TRLR\r\n", problems);
  ASSERT_EQ(problems.list.size(), 1u);
  EXPECT_EQ(problems.list[0].line, 4);
}

TEST(ReaderTest, LinesOfAMegabyteAndMore) {
  const std::string big(1'000'000, 'x');
  TProblems problems;
  const auto records =
      ReadAll("0 @N1@ NOTE " + big + "\r\n1 CONC " + big + "\r\n1 CONT y\r\nfoo\r\n0 TRLR\r\n", problems);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].value.size(), 2'000'002u);
  EXPECT_EQ(records[0].value.substr(1'999'990), "xxxxxxxxxx\ny");
  ASSERT_EQ(problems.list.size(), 1u) << problems.All();
  EXPECT_EQ(problems.list[0].line, 4);
}

TEST(ReaderTest, DeepNestingIsCutAtAFixedDepth) {
  std::string bytes = "0 @I1@ INDI\n";
  for (int level = 1; level <= 150; ++level) bytes += std::to_string(level) + " _X v\n";
  bytes += "0 TRLR\n";
  TProblems problems;
  const auto records = ReadAll(bytes, problems);
  ASSERT_EQ(records.size(), 2u);
  int depth = 0;
  const TGedLine* l = &records[0];
  while (!l->children.empty()) {
    l = &l->children.back();
    ++depth;
  }
  EXPECT_EQ(depth, 120);
  EXPECT_EQ(l->level, 120);
  EXPECT_EQ(problems.list.size(), 30u);
  EXPECT_TRUE(problems.Has("Zeile 122: Stufe 121 ist zu tief; die Zeile wird auf Stufe 120 gelesen"));
}

namespace {

// An endless stream of INDI records that counts what was taken from it.
class TEndlessBuf : public std::streambuf {
 public:
  std::size_t pulled = 0;

 protected:
  int_type underflow() override {
    chunk_.clear();
    for (int i = 0; i < 100; ++i) chunk_ += "0 @I" + std::to_string(n_++) + "@ INDI\r\n1 NAME Hans /Muster/\r\n";
    pulled += chunk_.size();
    setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
    return traits_type::to_int_type(chunk_[0]);
  }

 private:
  std::string chunk_;
  long n_ = 0;
};

}  // namespace

TEST(ReaderTest, ReadsInChunksAndHandsOutOneRecordAtATime) {
  TEndlessBuf buf;
  std::istream in(&buf);
  TGedReader reader(in);
  TGedRecord r;
  ASSERT_TRUE(reader.Next(r));
  EXPECT_EQ(r.xref, "@I0@");
  EXPECT_EQ(r.ChildValue("NAME"), "Hans /Muster/");
  // The header wait takes at most 64 KiB, the first chunk as much again.
  EXPECT_LE(buf.pulled, 200'000u);
  for (int i = 1; i < 50'000; ++i) ASSERT_TRUE(reader.Next(r));
  EXPECT_EQ(r.xref, "@I49999@");
  std::size_t needed = 0;  // up to the line that ended the last record
  for (int i = 0; i <= 50'000; ++i) needed += ("0 @I" + std::to_string(i) + "@ INDI\r\n1 NAME Hans /Muster/\r\n").size();
  EXPECT_LT(buf.pulled, needed + 200'000u);
  EXPECT_EQ(reader.Problems(), 0);
}

TEST(ReaderTest, MissingFileThrows) {
  EXPECT_THROW(TGedReader("/nonexistent/x.ged"), EInOutError);
}

TEST(ReaderTest, ReadsFromAFile) {
  TScratchDir dir;
  dir.Write("a.ged", "0 HEAD\r\n1 CHAR ANSI\r\n0 @I1@ INDI\r\n1 NAME J\xFCrgen /M\xFCller/\r\n0 TRLR\r\n");
  TGedReader reader(dir.File("a.ged"));
  TGedRecord r;
  ASSERT_TRUE(reader.Next(r));
  ASSERT_TRUE(reader.Next(r));
  EXPECT_EQ(r.ChildValue("NAME"), "Jürgen /Müller/");
  ASSERT_TRUE(reader.Next(r));
  EXPECT_FALSE(reader.Next(r));
  EXPECT_FALSE(reader.Next(r));
  EXPECT_EQ(reader.Lines(), 5);
}

TEST(ReaderTest, Utf16WithoutMarkFromSmallFixtures) {
  for (const char* name : {"char_utf16le-1.ged", "char_utf16be-1.ged"}) {
    TProblems problems;
    TGedReader reader(std::string(ORVELIN_TEST_DATA) + "/gedcom/" + name, problems.Sink());
    TGedRecord head;
    ASSERT_TRUE(reader.Next(head));
    EXPECT_FALSE(reader.Decoder().HasByteOrderMark());
    EXPECT_EQ(reader.Decoder().Declared(), TGedCharset::Unicode);
    // The note names the byte order and shows a pilcrow, a smiley and a
    // cuneiform sign beyond the BMP (U+12345).
    const std::string order = std::string(name).find("le") != std::string::npos ? "LE" : "BE";
    EXPECT_EQ(head.ChildValue("NOTE"), "UTF-16" + order + " without BOM: \u00B6 \u263A \U00012345");
    TGedRecord r;
    while (reader.Next(r)) {
    }
    EXPECT_EQ(reader.Decoder().Used(), order == "LE" ? TGedCharset::Utf16LE : TGedCharset::Utf16BE);
    EXPECT_TRUE(problems.list.empty()) << problems.All();
  }
}
