#include <gtest/gtest.h>

#include "core/CodePage.h"
#include "core/TextCase.h"
#include "core/Utf8.h"

TEST(Utf8, TruncateCutsAtCharacterBoundary) {
  EXPECT_EQ(utf8::Truncate("Müller", 2), "Mü");
  EXPECT_EQ(utf8::Truncate("Müller", 10), "Müller");
  EXPECT_EQ(utf8::Truncate("€€€", 1), "€");
  EXPECT_EQ(utf8::Length("Zürich"), 6u);
}

TEST(Utf8, MalformedBytesReadAsReplacement) {
  std::size_t pos = 0;
  EXPECT_EQ(utf8::Next("\xC3", pos), U'\uFFFD');
  EXPECT_EQ(pos, 1u);
  EXPECT_FALSE(utf8::IsValid("\xC0\xAF"));  // overlong '/'
  EXPECT_FALSE(utf8::IsValid("\xED\xA0\x80"));  // surrogate
  EXPECT_TRUE(utf8::IsValid("Ä€𝄞"));
  EXPECT_FALSE(utf8::HasMultiByte("plain"));
}

TEST(CodePage, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = cp1252::ToUtf8(all);
  EXPECT_TRUE(utf8::IsValid(text));
  EXPECT_EQ(cp1252::FromUtf8(text), all);
}

TEST(CodePage, MapsTheWindowsRange) {
  EXPECT_EQ(cp1252::ToUtf8("\x80"), "€");
  EXPECT_EQ(cp1252::ToUtf8("\x8A\x9A"), "Šš");
  EXPECT_EQ(cp1252::ToUtf8("M\xFCller"), "Müller");
  EXPECT_EQ(cp1252::FromUtf8("„Zürich“"), "\x84Z\xFCrich\x93");
}

TEST(CodePage, UnencodableCharactersAreKeptAsReferences) {
  int missing = 0;
  EXPECT_EQ(cp1252::FromUtf8("Łódź", &missing), "&#321;\xF3" "d&#378;");
  EXPECT_EQ(missing, 2);
  EXPECT_FALSE(cp1252::CanEncode("Łódź"));
  EXPECT_TRUE(cp1252::CanEncode("Grüße €"));
}

TEST(CodePage, DecodesFilesByTheirBytes) {
  EXPECT_EQ(DecodeTextBytes("\xEF\xBB\xBFM\xC3\xBCller"), "Müller");  // BOM
  EXPECT_EQ(DecodeTextBytes("M\xC3\xBCller"), "Müller");              // UTF-8 without BOM
  EXPECT_EQ(DecodeTextBytes("M\xFCller"), "Müller");                  // 1252
  EXPECT_EQ(DecodeTextBytes("plain"), "plain");
}

TEST(TextCase, UpperAndLowerCaseKnowUmlauts) {
  EXPECT_EQ(AnsiUpperCase("müller straße œ ÿ ł"), "MÜLLER STRAßE Œ Ÿ Ł");
  EXPECT_EQ(AnsiLowerCase("ÄÖÜ ŠŽ Ł"), "äöü šž ł");
}

TEST(TextCase, ComparisonIgnoresCaseAndSortsUmlautsWithTheirBaseLetter) {
  EXPECT_EQ(AnsiCompareText("Müller", "MÜLLER"), 0);
  EXPECT_LT(AnsiCompareText("Ärger", "Arzt"), 0);    // Ä as A: "ARG" < "ARZ"
  EXPECT_LT(AnsiCompareText("Arzt", "Bäcker"), 0);
  EXPECT_LT(AnsiCompareText("Muller", "Müller"), 0); // the accent breaks the tie
  EXPECT_LT(AnsiCompareText("Strasse", "Straße"), 0);
  EXPECT_GT(AnsiCompareText("Straße", "Strasse"), 0);
  EXPECT_LT(AnsiCompareText("Straße", "Strasses"), 0);
  EXPECT_LT(AnsiCompareText("Müll", "MÜLLER"), 0);   // a prefix sorts first
  EXPECT_LT(AnsiCompareText("Æbelø", "Aebeloe"), 0); // Æ as AE, ø as o: AEBELO < AEBELOE
  EXPECT_GT(AnsiCompareText("Æbelo", "Aebelo"), 0);  // equal but for Æ: the accent breaks the tie
  EXPECT_LT(AnsiCompareText("Œuvre", "Ofen"), 0);    // OE < OF
  EXPECT_EQ(AnsiCompareText("", ""), 0);
  EXPECT_LT(AnsiCompareText("", "a"), 0);
  EXPECT_TRUE(SameText("zürich", "ZÜRICH"));
  EXPECT_FALSE(SameText("zurich", "zürich"));
}
