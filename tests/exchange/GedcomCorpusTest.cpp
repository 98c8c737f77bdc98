// Reads the public GEDCOM corpus beside the repository (see its README.md
// for where each file comes from); skipped when the corpus is not there.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "exchange/GedcomReader.h"
#include "tests/exchange/ExchangeTestSupport.h"

namespace fs = std::filesystem;

namespace {

struct TFileResult {
  long indi = 0, fam = 0, records = 0, problems = 0;
  TGedCharset declared = TGedCharset::Unbekannt, used = TGedCharset::Unbekannt;
  bool ended = false;
};

bool IsGed(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext == ".ged";
}

TFileResult ReadFile(const std::string& path) {
  TFileResult r;
  TGedReader reader(path);
  TGedRecord rec;
  while (reader.Next(rec)) {
    ++r.records;
    if (rec.Is("INDI")) ++r.indi;
    if (rec.Is("FAM")) ++r.fam;
  }
  r.ended = !reader.Next(rec);
  r.problems = reader.Problems();
  r.declared = reader.Decoder().Declared();
  r.used = reader.Decoder().Used();
  return r;
}

bool FindIn(const TGedLine& l, const std::string& part, std::string& found) {
  if (l.value.find(part) != std::string::npos) {
    found = l.value;
    return true;
  }
  for (const TGedLine& c : l.children)
    if (FindIn(c, part, found)) return true;
  return false;
}

// The first value of the file that contains part, or empty.
std::string ValueWith(const std::string& file, const std::string& part) {
  TGedReader reader(CorpusDir() + "/" + file);
  TGedRecord rec;
  std::string found;
  while (reader.Next(rec))
    if (FindIn(rec, part, found)) return found;
  return {};
}

// The NAME values of the file's INDI records, in file order.
std::vector<std::string> Names(const std::string& file) {
  TGedReader reader(CorpusDir() + "/" + file);
  TGedRecord rec;
  std::vector<std::string> names;
  while (reader.Next(rec))
    if (rec.Is("INDI")) names.push_back(rec.ChildValue("NAME"));
  return names;
}

class CorpusTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!fs::is_directory(CorpusDir())) return;
    for (const auto& e : fs::recursive_directory_iterator(CorpusDir()))
      if (e.is_regular_file() && IsGed(e.path()))
        results_[fs::relative(e.path(), CorpusDir()).string()] = ReadFile(e.path().string());
  }
  void SetUp() override {
    if (!fs::is_directory(CorpusDir())) GTEST_SKIP() << "GEDCOM-Korpus fehlt: " << CorpusDir();
  }
  static const TFileResult& Result(const std::string& file) {
    static const TFileResult none;
    const auto it = results_.find(file);
    EXPECT_NE(it, results_.end()) << file;
    return it == results_.end() ? none : it->second;
  }
  static std::map<std::string, TFileResult> results_;
};

std::map<std::string, TFileResult> CorpusTest::results_;

}  // namespace

TEST_F(CorpusTest, EveryFileIsReadToItsEnd) {
  EXPECT_EQ(results_.size(), 136u);
  for (const auto& [file, r] : results_) {
    EXPECT_TRUE(r.ended) << file;
    EXPECT_GT(r.records, 0) << file;
    EXPECT_NE(r.used, TGedCharset::Unbekannt) << file;
  }
}

TEST_F(CorpusTest, RecordCountsAgreeWithTheCorpusTable) {
  const struct {
    const char* file;
    long indi, fam;
  } cases[] = {
      {"torture/TGC551.ged", 15, 7},
      {"torture/TGC55CLF.ged", 15, 7},
      {"encoding/ANSEL.GED", 35, 1},
      {"encoding/Irish+Kings_ANSI-cp1252.ged", 178, 113},
      {"encoding/US+Presidents+Trees+I_IBMPC-cp437.ged", 2145, 1042},
      {"encoding/gedcom4j/willis-unicode-bigendian.ged", 761, 293},
      {"encoding/gedcom4j/willis-unicode-littleendian.ged", 761, 293},
      {"encoding/gedcom4j/unicode-littleendian-cronly.ged", 35, 1},
      {"encoding/gedcom555/555SAMPLE16BE.GED", 3, 2},
      {"real/royal92.ged", 3010, 1422},
      {"real/Queen.ged", 4683, 2863},
      {"real/gedcom4j-5.5.1-sample-3.ged", 4578, 1305},
      {"real/Wikipedia+Gods+not+Yet+Connected.ged", 2374, 0},
  };
  for (const auto& c : cases) {
    const TFileResult& r = Result(c.file);
    EXPECT_EQ(r.indi, c.indi) << c.file;
    EXPECT_EQ(r.fam, c.fam) << c.file;
  }
}

TEST_F(CorpusTest, CharacterSetsAsDeclaredAndAsFound) {
  using C = TGedCharset;
  const struct {
    const char* file;
    C declared, used;
  } cases[] = {
      {"torture/TGC551.ged", C::Ansel, C::Ansel},
      {"encoding/US+Presidents+Trees+I_IBMPC-cp437.ged", C::IbmPc, C::IbmPc},
      {"encoding/Irish+Kings_ANSI-cp1252.ged", C::Ansi, C::Ansi},
      {"real/Kennedy+Family.ged", C::Ansi, C::Ansi},  // "IBM WINDOWS"
      {"real/Queen.ged", C::Utf8, C::Utf8},
      {"real/Wikipedia+Gods+not+Yet+Connected.ged", C::Unbekannt, C::Utf8},
      {"encoding/gedcom4j/utf16be.ged", C::Ansel, C::Utf16BE},  // the mark wins over CHAR
      {"encoding/gedcom4j/utf8.ged", C::Ansel, C::Utf8},
      {"encoding/gedcom4j/willis-unicode-littleendian.ged", C::Unicode, C::Utf16LE},
      {"encoding/gedcom555/555SAMPLE16BE.GED", C::Unicode, C::Utf16BE},
      {"features/gedcom7code-5/char_utf8-2.ged", C::Unicode, C::Utf8},
  };
  for (const auto& c : cases) {
    const TFileResult& r = Result(c.file);
    EXPECT_EQ(r.declared, c.declared) << c.file;
    EXPECT_EQ(r.used, c.used) << c.file;
  }
}

TEST_F(CorpusTest, DecodesNamesAndPlaces) {
  EXPECT_EQ(Names("encoding/utf8-unicode.ged").at(0), "François /Müller/");
  // ANSEL: each capital letter with the diaeresis (E8) before it.
  const std::string umlautCapitals =
      "ÄB\u0308C\u0308D\u0308ËF\u0308G\u0308ḦÏJ\u0308K\u0308L\u0308M\u0308N\u0308ÖP\u0308Q\u0308R\u0308S\u0308"
      "T\u0308ÜV\u0308ẄẌŸZ\u0308";
  EXPECT_EQ(ValueWith("encoding/ANSEL.GED", "ÄB"), umlautCapitals);
  EXPECT_EQ(ValueWith("encoding/ANSEL.GED", "slash l - uppercase"),
            "slash l - uppercase (Ł), slash o - uppercase (Ø), slash d - uppercase (Đ), thorn - uppercase (Þ)");
  const std::string special = ValueWith("torture/TGC551.ged", "The following are the special characters");
  for (const char* part : {"A1 slash l - uppercase (Ł)", "B1 slash l - lowercase (ł)", "A5 ligature ae - uppercase (Æ)",
                           "B9 british pound (£)", "C3 copyright symbol (©)", "CF es zet (ß)"})
    EXPECT_NE(special.find(part), std::string::npos) << part;
  const std::string accents = ValueWith("torture/TGC551.ged", "These notes have all possible accented");
  EXPECT_NE(accents.find("\n     ÄB\u0308C\u0308D\u0308ËF\u0308G\u0308ḦÏJ\u0308K\u0308L\u0308M\u0308\n"),
            std::string::npos);
  EXPECT_NE(ValueWith("encoding/US+Presidents+Trees+I_IBMPC-cp437.ged", "Fr\xC3\xA9mont"), "");
  EXPECT_NE(ValueWith("encoding/Irish+Kings_ANSI-cp1252.ged", "La Coruña, Lug"), "");
  EXPECT_NE(ValueWith("encoding/Irish+Kings_ANSI-cp1252.ged", "Castile and León."), "");
}

TEST_F(CorpusTest, TheSameTreeInFourEncodingsReadsTheSame) {
  // The UTF-8 copy lists the persons in another order.
  auto sorted = [](std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
  };
  const std::vector<std::string> utf8 = sorted(Names("encoding/gedcom4j/willis.ged"));
  ASSERT_EQ(utf8.size(), 761u);
  for (const char* file : {"encoding/gedcom4j/willis-ansel.ged", "encoding/gedcom4j/willis-unicode-bigendian.ged",
                           "encoding/gedcom4j/willis-unicode-littleendian.ged"}) {
    EXPECT_EQ(sorted(Names(file)), utf8) << file;
    EXPECT_NE(ValueWith(file, "Brøderbund Family Archive"), "") << file;
  }
}
