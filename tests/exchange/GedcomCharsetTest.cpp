#include <gtest/gtest.h>

#include <sstream>

#include "exchange/GedcomCharset.h"
#include "exchange/GedcomDecoder.h"
#include "exchange/GedcomReader.h"
#include "tests/exchange/ExchangeTestSupport.h"

namespace {

using C = TGedCharset;

// A small file with one person; charLine empty: no CHAR line at all.
std::string Ged(const std::string& charValue, const std::string& name) {
  std::string s = "0 HEAD\r\n";
  if (!charValue.empty()) s += "1 CHAR " + charValue + "\r\n";
  return s + "0 @I1@ INDI\r\n1 NAME " + name + "\r\n0 TRLR\r\n";
}

const std::string kName = "Jürgen /Groß/";
const std::string kWide = "Jürgen /Groß/ \U0001D504";  // beyond the BMP: a surrogate pair

struct TCase {
  const char* label;
  std::string bytes;
  std::string name;  // the NAME value expected
  C declared;
  C used;
  bool bom;
  const char* problem;  // part of a reported problem, or "" for none at all
};

void PrintTo(const TCase& c, std::ostream* os) { *os << c.label; }

const TCase kCases[] = {
    {"BomUtf8", "\xEF\xBB\xBF" + Ged("UTF-8", kName), kName, C::Utf8, C::Utf8, true, ""},
    {"Utf8WithoutBom", Ged("UTF-8", kName), kName, C::Utf8, C::Utf8, false, ""},
    {"Utf16LeBom", Utf16(Ged("UNICODE", kWide), true, true), kWide, C::Unicode, C::Utf16LE, true, ""},
    {"Utf16BeBom", Utf16(Ged("UNICODE", kWide), false, true), kWide, C::Unicode, C::Utf16BE, true, ""},
    {"Utf16LeWithoutBom", Utf16(Ged("UNICODE", kWide), true, false), kWide, C::Unicode, C::Utf16LE, false, ""},
    {"Utf16BeWithoutBom", Utf16(Ged("UNICODE", kWide), false, false), kWide, C::Unicode, C::Utf16BE, false, ""},
    {"AnsiDeclaredUtf8Bytes", Ged("ANSI", kName), kName, C::Ansi, C::Utf8, false, "ihre Bytes sind aber UTF-8"},
    {"Utf8Declared1252Bytes", Ged("UTF-8", "J\xFCrgen /Gro\xDF/"), kName, C::Utf8, C::Ansi, false,
     "ihre Bytes sind aber kein gültiges UTF-8; sie wird als ANSI (Windows-1252) gelesen"},
    {"Ansel", Ged("ANSEL", "J\xE8urgen /Gro\xCF/"), kName, C::Ansel, C::Ansel, false, ""},
    {"AnselInLowerCase", Ged("ansel", "J\xE8urgen /Gro\xCF/"), kName, C::Ansel, C::Ansel, false, ""},
    {"IbmPc", Ged("IBMPC", "J\x81rgen /Gro\xE1/"), kName, C::IbmPc, C::IbmPc, false, ""},
    {"IbmWindows", Ged("IBM WINDOWS", "J\xFCrgen /Gro\xDF/"), kName, C::Ansi, C::Ansi, false, ""},
    {"AsciiWith1252Bytes", Ged("ASCII", "J\xFCrgen /Gro\xDF/"), kName, C::Ascii, C::Ansi, false,
     "enthält aber Bytes über 127"},
    {"NoCharLineUtf8Bytes", Ged("", kName), kName, C::Unbekannt, C::Utf8, false, "keinen Zeichensatz"},
    {"AnselDeclaredUtf8Bom", "\xEF\xBB\xBF" + Ged("ANSEL", kName), kName, C::Ansel, C::Utf8, true,
     "Kennung von UTF-8"},
    {"UnknownName", Ged("MACINTOSH", "J\xFCrgen /Gro\xDF/"), kName, C::Unbekannt, C::Ansi, false,
     "\"MACINTOSH\" ist unbekannt"},
    {"AsciiOnly", Ged("ASCII", "Hans /Muster/"), "Hans /Muster/", C::Ascii, C::Ascii, false, ""},
};

class CharsetCaseTest : public ::testing::TestWithParam<TCase> {};

}  // namespace

TEST_P(CharsetCaseTest, ReadsTheNameAndTellsWhatWasUsed) {
  const TCase& c = GetParam();
  TProblems problems;
  std::istringstream in(c.bytes);
  TGedReader reader(in, problems.Sink());
  std::vector<TGedRecord> records;
  TGedRecord r;
  while (reader.Next(r)) records.push_back(r);
  ASSERT_EQ(records.size(), 3u) << Dump(records);
  EXPECT_EQ(records[1].ChildValue("NAME"), c.name);
  EXPECT_EQ(records[0].tag, "HEAD");  // no byte-order mark left in the text
  EXPECT_EQ(reader.Decoder().Declared(), c.declared);
  EXPECT_EQ(reader.Decoder().Used(), c.used);
  EXPECT_EQ(reader.Decoder().HasByteOrderMark(), c.bom);
  if (*c.problem)
    EXPECT_TRUE(problems.Has(c.problem)) << problems.All();
  else
    EXPECT_TRUE(problems.list.empty()) << problems.All();
}

TEST_P(CharsetCaseTest, PiecesOfOneByteDecodeLikeTheWhole) {
  const TCase& c = GetParam();
  TGedDecoder whole, bytewise;
  std::string a, b;
  whole.Feed(c.bytes, a);
  whole.Finish(a);
  for (char ch : c.bytes) bytewise.Feed(std::string_view(&ch, 1), b);
  bytewise.Finish(b);
  EXPECT_EQ(a, b);
  EXPECT_EQ(whole.Used(), bytewise.Used());
  EXPECT_NE(a.find(c.name), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, CharsetCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(CharsetTest, KnowsTheDeclaredNames) {
  const std::pair<const char*, C> cases[] = {
      {"ANSEL", C::Ansel},     {"UTF-8", C::Utf8},      {"utf8", C::Utf8},          {"UNICODE", C::Unicode},
      {"ASCII", C::Ascii},     {"ANSI", C::Ansi},       {"IBMPC", C::IbmPc},        {"IBM PC", C::IbmPc},
      {"IBM WINDOWS", C::Ansi}, {"Windows-1252", C::Ansi}, {"LATIN1", C::Ansi},     {"IBM DOS", C::IbmPc},
      {"UTF-16LE", C::Utf16LE}, {"MACINTOSH", C::Unbekannt}, {"", C::Unbekannt}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(CharsetFromDeclaration(text), expected) << text;
}

TEST(CharsetTest, RecognisesByteOrderFromTheFirstBytes) {
  EXPECT_EQ(DetectByteOrder("\xEF\xBB\xBF" "0 HEAD").charset, C::Utf8);
  EXPECT_EQ(DetectByteOrder("\xEF\xBB\xBF" "0 HEAD").bomLength, 3u);
  EXPECT_EQ(DetectByteOrder(std::string("\xFF\xFE" "0\0", 4)).charset, C::Utf16LE);
  EXPECT_EQ(DetectByteOrder(std::string("\xFE\xFF\0" "0", 4)).charset, C::Utf16BE);
  EXPECT_EQ(DetectByteOrder(std::string("0\0 \0H\0", 6)).charset, C::Utf16LE);
  EXPECT_EQ(DetectByteOrder(std::string("0\0 \0H\0", 6)).bomLength, 0u);
  EXPECT_EQ(DetectByteOrder(std::string("\0" "0\0 \0H", 6)).charset, C::Utf16BE);
  EXPECT_EQ(DetectByteOrder("0 HEAD").charset, C::Unbekannt);
  // One stray NUL is no UTF-16.
  EXPECT_EQ(DetectByteOrder(std::string("0\0 HEAD", 7)).charset, C::Unbekannt);
}

TEST(CharsetTest, FindsTheCharLineOnlyInTheHeader) {
  auto found = FindDeclaredCharset("0 HEAD\n1 SOUR X\n  1\tchar   ANSEL  \r\n0 @I1@ INDI\n", false);
  EXPECT_TRUE(found.found);
  EXPECT_EQ(found.value, "ANSEL");
  found = FindDeclaredCharset("0 HEAD\n1 SOUR X\n0 @I1@ INDI\n1 CHAR ANSI\n", false);
  EXPECT_FALSE(found.found);
  EXPECT_TRUE(found.complete);
  // The header may still go on: wait.
  EXPECT_FALSE(FindDeclaredCharset("0 HEAD\n1 SOUR X\n1 CHA", false).complete);
  EXPECT_TRUE(FindDeclaredCharset("0 HEAD\n1 SOUR X\n1 CHA", true).complete);
  EXPECT_FALSE(FindDeclaredCharset("0 HEAD\n2 CHARACTERS x\n", true).found);
}

TEST(CharsetTest, ReportsBadBytesWithLineAndFilePosition) {
  TProblems problems;
  // The byte 0x81 stands at position 8 + 13 + 13 + 8 = 42, in line 4.
  auto records = ReadAll("0 HEAD\r\n1 CHAR ANSI\r\n0 @I1@ INDI\r\n1 NAME A\x81\r\n0 TRLR\r\n", problems);
  ASSERT_EQ(problems.list.size(), 1u) << problems.All();
  EXPECT_EQ(problems.list[0].line, 4);
  EXPECT_EQ(problems.list[0].text, "Zeile 4: Byte 0x81 ist im Zeichensatz ANSI nicht belegt (Dateiposition 42)");
  EXPECT_EQ(records[1].ChildValue("NAME"), "A\u0081");  // kept, not dropped

  // A stray 1252 byte in a UTF-8 file: position 8 + 14 + 13 + 7 + 8 + 1 = 51.
  problems.list.clear();
  records = ReadAll(Ged("UTF-8", "Jürgen J\xFCrgen"), problems);
  EXPECT_EQ(records[1].ChildValue("NAME"), "Jürgen Jürgen");
  ASSERT_EQ(problems.list.size(), 1u) << problems.All();
  EXPECT_EQ(problems.list[0].text,
            "Zeile 4: Byte 0xFC ist kein gültiges UTF-8; gelesen als ANSI-Zeichen \"ü\" (Dateiposition 51)");
}

TEST(CharsetTest, ManyBadBytesAreSummedUpAfterTheFirstHundred) {
  TProblems problems;
  std::string name = "ü";
  for (int i = 0; i < 250; ++i) name += "\xFC";
  ReadAll(Ged("UTF-8", name), problems);
  EXPECT_EQ(problems.list.size(), 101u);
  EXPECT_TRUE(problems.Has("Weitere 150 Bytes")) << problems.list.back().text;
}

TEST(CharsetTest, ReportsHalfCharactersAtTheEnd) {
  TProblems problems;
  TGedDecoder d(problems.Sink());
  std::string out;
  d.Feed(std::string("\xFF\xFE" "0\0 \0H\0", 8) + "\x3D\xD8" "x", out);  // high surrogate, odd byte
  d.Finish(out);
  EXPECT_EQ(out, "0 H\uFFFD");
  EXPECT_TRUE(problems.Has("Halbes UTF-16-Zeichen")) << problems.All();
  EXPECT_TRUE(problems.Has("Unvollständiges UTF-16-Zeichen am Dateiende")) << problems.All();
}
