#include <gtest/gtest.h>

#include "exchange/Ansel.h"

namespace {

struct TCase {
  const char* ansel;
  const char* utf8;
};

void PrintTo(const TCase& c, std::ostream* os) { *os << c.utf8; }

// The special letters and signs, as the GEDCOM character table names them
// (A1 slash l upper case, B9 british pound, CF es zet, ...).
const TCase kSpecial[] = {
    {"\xA1", "Ł"}, {"\xB1", "ł"}, {"\xA2", "Ø"}, {"\xB2", "ø"}, {"\xA3", "Đ"}, {"\xB3", "đ"},
    {"\xA4", "Þ"}, {"\xB4", "þ"}, {"\xA5", "Æ"}, {"\xB5", "æ"}, {"\xA6", "Œ"}, {"\xB6", "œ"},
    {"\xB8", "ı"}, {"\xB9", "£"}, {"\xBA", "ð"}, {"\xAC", "Ơ"}, {"\xBC", "ơ"}, {"\xAD", "Ư"},
    {"\xBD", "ư"}, {"\xAA", "®"}, {"\xAB", "±"}, {"\xA8", "·"}, {"\xC0", "°"}, {"\xC1", "ℓ"},
    {"\xC2", "℗"}, {"\xC3", "©"}, {"\xC5", "¿"}, {"\xC6", "¡"}, {"\xCF", "ß"}, {"\xA9", "♭"},
    {"\xC4", "♯"}, {"\xBE", "□"}, {"\xBF", "■"}};

// A mark stands before its letter in ANSEL and is composed with it.
const TCase kAccented[] = {
    {"M\xE8uller", "Müller"},       {"\xE8" "A\xE8O\xE8U", "ÄÖÜ"},   {"Ren\xE2" "e", "René"},
    {"Espa\xE4na", "España"},       {"\xE9" "Capek", "Čapek"},       {"Erd\xEEos", "Erdős"},
    {"Fran\xF0" "cois", "François"}, {"W\xF1" "a", "Wą"},             {"\xE7" "Zuk", "Żuk"},
    {"\xEA" "Angstr\xE8om", "Ångström"}, {"Cr\xE1" "eve", "Crève"},  {"h\xE3otel", "hôtel"},
    {"\xE5" "a", "ā"},              {"\xE6g", "ğ"},                  {"\xF2" "d", "ḍ"},
    {"\xF7s", "ș"},                 {"\xE0" "a", "ả"},               {"\xE2\xBC", "ớ"},
    // Two marks: diaeresis then macron is ǖ; the other order has no letter.
    {"\xE8\xE5u", "ǖ"},
    // Marks below and above compose in canonical order, whichever comes first.
    {"\xE3\xF2" "a", "ậ"},          {"\xF2\xE3" "a", "ậ"},
    // No precomposed letter: the base comes first, then the combining mark.
    {"\xE8q", "q\u0308"},           {"\xE2x", "x\u0301"},            {"\xE8 ", " \u0308"},
    {"\xEBt\xECs", "t\uFE20s\uFE21"}};

class AnselSpecialTest : public ::testing::TestWithParam<TCase> {};
class AnselAccentTest : public ::testing::TestWithParam<TCase> {};

}  // namespace

TEST_P(AnselSpecialTest, DecodesAndEncodesBack) {
  EXPECT_EQ(ansel::ToUtf8(GetParam().ansel), GetParam().utf8);
  EXPECT_EQ(ansel::FromUtf8(GetParam().utf8), GetParam().ansel);
}
INSTANTIATE_TEST_SUITE_P(Table, AnselSpecialTest, ::testing::ValuesIn(kSpecial));

TEST_P(AnselAccentTest, PutsTheMarkBehindItsLetter) {
  EXPECT_EQ(ansel::ToUtf8(GetParam().ansel), GetParam().utf8);
}
INSTANTIATE_TEST_SUITE_P(Table, AnselAccentTest, ::testing::ValuesIn(kAccented));

TEST(AnselTest, EncodesMarksBeforeTheirLetter) {
  const TCase cases[] = {
      {"M\xE8uller", "Müller"},         {"\xA1\xE2od\xE2z", "Łódź"},   {"\xE9Zofia", "Žofia"},
      {"Stra\xCF" "e", "Straße"},       {"\xE8\xE5u", "ǖ"},            {"\xF2\xE3" "a", "ậ"},
      {"Nguy\xE3\xE4" "en", "Nguyễn"},  {"\xE2\xBC", "ớ"},             {"\xE8q", "q\u0308"},
      // Marks written after their letter in UTF-8 are still written first.
      {"Ren\xE2" "e", "Rene\u0301"},    {"\xEBt\xECs", "t\uFE20s\uFE21"}};
  for (const TCase& c : cases) EXPECT_EQ(ansel::FromUtf8(c.utf8), c.ansel) << c.utf8;
}

TEST(AnselTest, NamesRoundTrip) {
  for (const char* name : {"Müller", "Wałęsa", "Żółkiewski", "Brzęczyszczykiewicz", "Brontë", "Ærøskøbing",
                           "Þórr Guðmundsdóttir", "Dvořák", "Şahin", "Nguyễn Thị Minh Khai", "Œuvre £5 ©"}) {
    EXPECT_TRUE(ansel::CanEncode(name)) << name;
    EXPECT_EQ(ansel::ToUtf8(ansel::FromUtf8(name)), name);
  }
}

TEST(AnselTest, ReportsWhatItCannotEncode) {
  std::vector<char32_t> missing;
  EXPECT_EQ(ansel::FromUtf8("α und €uro", &missing), "&#945; und \xC8uro");
  EXPECT_EQ(missing, std::vector<char32_t>{0x03B1});
  missing.clear();
  // A lone mark has no letter to stand before.
  EXPECT_EQ(ansel::FromUtf8("\u0301a", &missing), "&#769;a");
  EXPECT_EQ(missing, std::vector<char32_t>{0x0301});
  EXPECT_FALSE(ansel::CanEncode("Ελλάδα"));
}

TEST(AnselTest, ReportsUndefinedBytesAndKeepsTheirPlace) {
  std::vector<std::size_t> at;
  EXPECT_EQ(ansel::ToUtf8("a\xAF" "b\xD5", &at), "a\uFFFDb\uFFFD");
  EXPECT_EQ(at, (std::vector<std::size_t>{1, 3}));
  at.clear();
  // 0xFC is free among the marks: it does not swallow the next letter.
  EXPECT_EQ(ansel::ToUtf8("\xFCx", &at), "\uFFFDx");
  EXPECT_EQ(at, std::vector<std::size_t>{0});
}

TEST(AnselTest, DecoderKeepsMarksAcrossPiecesAndFlushesLooseOnes) {
  ansel::TAnselDecoder d;
  std::string out;
  EXPECT_EQ(d.Put(0xE8, out), ansel::TAnselDecoder::kOk);
  EXPECT_EQ(out, "");
  EXPECT_EQ(d.Put('o', out), ansel::TAnselDecoder::kOk);
  EXPECT_EQ(out, "ö");
  // A mark before a line end cannot go onto it.
  EXPECT_EQ(d.Put(0xE2, out), ansel::TAnselDecoder::kOk);
  EXPECT_EQ(d.Put('\n', out), ansel::TAnselDecoder::kLooseMark);
  EXPECT_EQ(out, "ö\u0301\n");
  EXPECT_EQ(d.Put(0xE3, out), ansel::TAnselDecoder::kOk);
  EXPECT_EQ(d.Flush(out), ansel::TAnselDecoder::kLooseMark);
  EXPECT_EQ(out, "ö\u0301\n\u0302");
}
