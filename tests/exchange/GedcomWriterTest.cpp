#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/Errors.h"
#include "exchange/GedcomReader.h"
#include "exchange/GedcomWriter.h"
#include "tests/exchange/ExchangeTestSupport.h"

namespace {

std::string Written(TGedEncoding enc, const std::function<void(TGedWriter&)>& write, TProblems* problems = nullptr) {
  std::ostringstream out;
  TGedWriter w(out, enc, problems ? problems->Sink() : TGedProblemSink{});
  write(w);
  return out.str();
}

std::vector<std::string_view> Parts(std::string_view v, std::size_t max) { return SplitForConc(v, max); }

}  // namespace

TEST(WriterTest, WritesTheLineFormat) {
  EXPECT_EQ(Written(TGedEncoding::Ansi,
                    [](TGedWriter& w) {
                      w.Line(0, "HEAD");
                      w.Line(0, "INDI", "", "@I1@");
                      w.Line(1, "NAME", "Hans /Muster/");
                      w.Line(0, "NOTE", "Text", "@N1@");
                    }),
            "0 HEAD \r\n0 @I1@ INDI \r\n1 NAME Hans /Muster/\r\n0 @N1@ NOTE Text\r\n");
  EXPECT_EQ(Written(TGedEncoding::Ansi,
                    [](TGedWriter& w) {
                      w.SetBlankAfterEmptyTag(false);
                      w.Line(0, "HEAD");
                      w.Line(1, "NOTE", "a\n");
                    }),
            "0 HEAD\r\n1 NOTE a\r\n2 CONT\r\n");
  EXPECT_STREQ(GedCharValue(TGedEncoding::Ansi), "ANSI");
  EXPECT_STREQ(GedCharValue(TGedEncoding::Ansel), "ANSEL");
  EXPECT_STREQ(GedCharValue(TGedEncoding::Utf8), "UTF-8");
}

TEST(WriterTest, LineBreaksBecomeContLines) {
  EXPECT_EQ(Written(TGedEncoding::Ansi, [](TGedWriter& w) { w.Line(1, "NOTE", "erste\nzweite\r\n\rvierte"); }),
            "1 NOTE erste\r\n2 CONT zweite\r\n2 CONT \r\n2 CONT vierte\r\n");
}

TEST(WriterTest, LongValuesBecomeConcLinesNotNextToABlank) {
  std::ostringstream out;
  TGedWriter w(out, TGedEncoding::Utf8);
  w.SetMaxValueLength(10);
  w.Line(1, "NOTE", "abcdefghij klmnop\nkurz");
  EXPECT_EQ(out.str(), "1 NOTE abcdefghi\r\n2 CONC j klmnop\r\n2 CONT kurz\r\n");
  EXPECT_EQ(w.LinesWritten(), 3);

  using V = std::vector<std::string_view>;
  EXPECT_EQ(Parts("abcdef", 0), V{"abcdef"});
  EXPECT_EQ(Parts("abcdef", 6), V{"abcdef"});
  EXPECT_EQ(Parts("abcdefg", 3), (V{"abc", "def", "g"}));
  // Characters stay whole; a mark stays with its letter.
  EXPECT_EQ(Parts("äöüß", 3), (V{"äöü", "ß"}));
  EXPECT_EQ(Parts("ab\u0301c", 2), (V{"a", "b\u0301", "c"}));
  // Nothing but blanks: cut at the limit.
  EXPECT_EQ(Parts("          ", 4), (V{"    ", "    ", "  "}));
}

TEST(WriterTest, EncodesEachCharacterSet) {
  auto name = [](TGedWriter& w) { w.Line(1, "NAME", "Jürgen /Müller/ ß"); };
  EXPECT_EQ(Written(TGedEncoding::Ansi, name), "1 NAME J\xFCrgen /M\xFCller/ \xDF\r\n");
  EXPECT_EQ(Written(TGedEncoding::Ansel, name), "1 NAME J\xE8urgen /M\xE8uller/ \xCF\r\n");
  EXPECT_EQ(Written(TGedEncoding::Utf8, name), "1 NAME Jürgen /Müller/ ß\r\n");
  // A mark written after its letter still fits into 1252.
  EXPECT_EQ(Written(TGedEncoding::Ansi, [](TGedWriter& w) { w.Line(1, "NAME", "Mu\u0308ller"); }),
            "1 NAME M\xFCller\r\n");
}

TEST(WriterTest, ReportsWhatAnsiCannotHold) {
  TProblems problems;
  std::ostringstream out;
  TGedWriter w(out, TGedEncoding::Ansi, problems.Sink());
  w.Line(0, "HEAD");
  w.Line(1, "NAME", "Łukasz /Wiśniewski/");
  EXPECT_EQ(out.str(), "0 HEAD \r\n1 NAME &#321;ukasz /Wi&#347;niewski/\r\n");
  EXPECT_EQ(w.Unencodable(), 2);
  ASSERT_EQ(problems.list.size(), 1u);
  EXPECT_EQ(problems.list[0].text,
            "Zeile 2: Im Zeichensatz ANSI nicht darstellbar: \"Ł\" (U+0141), \"ś\" (U+015B) in NAME "
            "\"Łukasz /Wiśniewski/\"; geschrieben als &#N;");
}

TEST(WriterTest, FailedWritesThrow) {
  std::ofstream closed;  // never opened: every write fails
  TGedWriter w(closed, TGedEncoding::Utf8);
  EXPECT_THROW(w.Line(0, "HEAD"), EInOutError);
}

namespace {

struct TRoundTrip {
  TGedEncoding encoding;
  std::vector<std::string> names;
};

class RoundTripTest : public ::testing::TestWithParam<TRoundTrip> {};

const std::vector<std::string> kGerman = {"Jürgen /Groß/", "Änne /Öztürk-Weiß/", "Hans-Peter /Müller/ jun."};
const std::vector<std::string> kPolish = {"Łukasz /Wiśniewski/", "Zofia /Żółkiewska/", "Grzegorz /Brzęczyszczykiewicz/",
                                          "Józef /Piłsudski/"};

std::vector<std::string> Both() {
  std::vector<std::string> v = kGerman;
  v.insert(v.end(), kPolish.begin(), kPolish.end());
  return v;
}

}  // namespace

TEST_P(RoundTripTest, WhatIsWrittenReadsBackTheSame) {
  const TRoundTrip& c = GetParam();
  std::string note = "Erste Zeile\nZweite Zeile mit Überlänge:";
  for (int i = 0; i < 40; ++i) note += " Straße";
  note += "\n\nnach einer Leerzeile";
  std::ostringstream out;
  TProblems written;
  TGedWriter w(out, c.encoding, written.Sink());
  w.Line(0, "HEAD");
  w.Line(1, "CHAR", GedCharValue(c.encoding));
  for (std::size_t i = 0; i < c.names.size(); ++i) {
    w.Line(0, "INDI", "", "@I" + std::to_string(i + 1) + "@");
    w.Line(1, "NAME", c.names[i]);
    w.Line(1, "NOTE", note);
  }
  w.Line(0, "TRLR");
  EXPECT_TRUE(written.list.empty()) << written.All();
  EXPECT_EQ(out.str().find("\xEF\xBB\xBF"), std::string::npos);  // no byte-order mark

  TProblems problems;
  const auto records = ReadAll(out.str(), problems);
  EXPECT_TRUE(problems.list.empty()) << problems.All();
  ASSERT_EQ(records.size(), c.names.size() + 2);
  for (std::size_t i = 0; i < c.names.size(); ++i) {
    EXPECT_EQ(records[i + 1].xref, "@I" + std::to_string(i + 1) + "@");
    EXPECT_EQ(records[i + 1].ChildValue("NAME"), c.names[i]);
    EXPECT_EQ(records[i + 1].ChildValue("NOTE"), note);
  }
}

INSTANTIATE_TEST_SUITE_P(Encodings, RoundTripTest,
                         ::testing::Values(TRoundTrip{TGedEncoding::Ansi, kGerman},
                                           TRoundTrip{TGedEncoding::Ansel, Both()},
                                           TRoundTrip{TGedEncoding::Utf8, Both()}),
                         [](const auto& info) {
                           switch (info.param.encoding) {
                             case TGedEncoding::Ansel: return std::string("Ansel");
                             case TGedEncoding::Utf8: return std::string("Utf8");
                             default: return std::string("Ansi");
                           }
                         });
