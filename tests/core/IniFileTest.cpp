#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/Errors.h"
#include "core/IniFile.h"
#include "tests/core/TestSupport.h"

class IniFileTest : public CoreTest {};

struct IntCase {
  const char* stored;
  int expected;  // with default 77
};

class IniIntegerTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniIntegerTest, ReadsLikeTheProfileFunctions) {
  EXPECT_EQ(TIniFile::ParseInteger(GetParam().stored, 77), GetParam().expected) << GetParam().stored;
}

INSTANTIATE_TEST_SUITE_P(Values, IniIntegerTest,
                         ::testing::Values(IntCase{"12", 12}, IntCase{" 12 ", 12}, IntCase{"-2", -2},
                                           IntCase{"+3", 3}, IntCase{"0x1A", 26}, IntCase{"0XFF", 255},
                                           IntCase{"$10", 16}, IntCase{"0xC5C589", 0xC5C589},
                                           IntCase{"0x8000000F", static_cast<int>(0x8000000FU)},
                                           IntCase{"12abc", 77}, IntCase{"abc", 77}, IntCase{"", 77},
                                           IntCase{"0x", 77}, IntCase{"1.5", 77},
                                           IntCase{"99999999999", 77}, IntCase{"-", 77}));

TEST_F(IniFileTest, NamesIgnoreCaseAndValuesLoseBlanksAndQuotes) {
  dir.Write("a.ini",
            "; comment\r\n[Allgemein]\r\n  Titel  =  Familie Müller  \r\nQuoted=\"  a b \"\r\n"
            "Single='x'\r\nHalf=\"open\r\nBool=1\r\nBad=ja\r\n");
  const TIniFile ini(dir.File("a.ini"));
  EXPECT_EQ(ini.ReadString("allgemein", "TITEL", "-"), "Familie Müller");
  EXPECT_EQ(ini.ReadString("ALLGEMEIN", "quoted", "-"), "  a b ");
  EXPECT_EQ(ini.ReadString("Allgemein", "Single", "-"), "x");
  EXPECT_EQ(ini.ReadString("Allgemein", "Half", "-"), "\"open");
  EXPECT_EQ(ini.ReadString("Allgemein", "Missing", "-"), "-");
  EXPECT_EQ(ini.ReadString("Nowhere", "Titel", "-"), "-");
  EXPECT_TRUE(ini.ReadBool("Allgemein", "Bool", false));
  EXPECT_TRUE(ini.ReadBool("Allgemein", "Bad", true));
  EXPECT_FALSE(ini.ReadBool("Allgemein", "Bad", false));
}

TEST_F(IniFileTest, RewriteKeepsUnknownSectionsCommentsAndOrder) {
  const std::string original =
      "; from another program\r\n[Fremd]\r\nX=1\r\n\r\n[Allgemein]\r\nTitel=Alt\r\nUnbekannt = bleibt \r\n\r\n[Z]\r\nk=v\r\n";
  dir.Write("a.ini", original);
  TIniFile ini(dir.File("a.ini"));
  ini.WriteString("allgemein", "Titel", "Neu");
  ini.WriteString("Allgemein", "StartPerson", "5");
  ini.WriteString("Neu", "a", "b");
  ini.UpdateFile();
  EXPECT_EQ(dir.Read("a.ini"),
            "; from another program\r\n[Fremd]\r\nX=1\r\n\r\n[Allgemein]\r\nTitel=Neu\r\nUnbekannt = bleibt \r\n"
            "StartPerson=5\r\n\r\n[Z]\r\nk=v\r\n[Neu]\r\na=b\r\n");
}

TEST_F(IniFileTest, UnchangedFileIsNotWritten) {
  dir.Write("a.ini", "[A]\r\nk=v\r\n");
  TIniFile ini(dir.File("a.ini"));
  ini.WriteString("A", "K", "v");
  EXPECT_FALSE(ini.Modified());
}

TEST_F(IniFileTest, BytesOutsideCodePage1252AndLongLinesSurviveARewrite) {
  const std::string longValue(100 * 1024, 'x');
  // 0x81 and 0x9D are undefined in 1252.
  const std::string original = "[A]\r\nOdd=\x81\x9D\xFC\r\nLong=" + longValue + "\r\n";
  dir.Write("a.ini", original);
  TIniFile ini(dir.File("a.ini"));
  EXPECT_EQ(ini.ReadString("A", "Long", "").size(), longValue.size());
  ini.WriteString("B", "k", "v");
  ini.UpdateFile();
  EXPECT_EQ(dir.Read("a.ini"), original + "[B]\r\nk=v\r\n");
}

TEST_F(IniFileTest, ValuesThatWouldNotReadBackAreQuoted) {
  TIniFile ini(dir.File("a.ini"));
  ini.WriteString("A", "Blank", " x ");
  ini.WriteString("A", "Quotes", "\"x\"");
  ini.WriteString("A", "Break", "a\r\nb");
  ini.WriteString("A", "Umlaut", "Zürich");
  ini.UpdateFile();
  const TIniFile again(dir.File("a.ini"));
  EXPECT_EQ(again.ReadString("A", "Blank", ""), " x ");
  EXPECT_EQ(again.ReadString("A", "Quotes", ""), "\"x\"");
  EXPECT_EQ(again.ReadString("A", "Break", ""), "a  b");
  EXPECT_EQ(again.ReadString("A", "Umlaut", ""), "Zürich");
  EXPECT_NE(dir.Read("a.ini").find("Umlaut=Z\xFCrich\r\n"), std::string::npos);
}

TEST_F(IniFileTest, UnencodableTextSwitchesTheFileToUtf8) {
  TIniFile ini(dir.File("a.ini"));
  ini.WriteString("A", "Ort", "Łódź");
  ini.UpdateFile();
  EXPECT_EQ(dir.Read("a.ini"), "\xEF\xBB\xBF[A]\r\nOrt=Łódź\r\n");
  EXPECT_EQ(TIniFile(dir.File("a.ini")).ReadString("a", "ort", ""), "Łódź");
}

TEST_F(IniFileTest, EraseSectionAndSequencesOfKeys) {
  dir.Write("a.ini", "[L]\r\n0=a\r\n1=b\r\n[l]\r\n9=z\r\n[M]\r\nk=v\r\n");
  TIniFile ini(dir.File("a.ini"));
  EXPECT_EQ(ini.ReadSection("L"), (std::vector<std::string>{"0", "1"}));  // the first of two counts
  ini.EraseSection("l");
  EXPECT_FALSE(ini.SectionExists("L"));
  EXPECT_TRUE(ini.SectionExists("m"));
  EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"M"});
}

TEST_F(IniFileTest, ReadOnlyDirectoryRaisesAndLeavesTheFileAlone) {
  ASSERT_EQ(::mkdir(dir.File("ro").c_str(), 0755), 0);
  dir.Write("ro/a.ini", "[A]\r\nk=v\r\n");
  ::chmod(dir.File("ro/a.ini").c_str(), 0444);
  ::chmod(dir.File("ro").c_str(), 0555);
  ::chmod(dir.Path().c_str(), 0755);
  const std::string path = dir.File("ro/a.ini");
  EXPECT_TRUE(RunWithPermissions([&] {
    TIniFile ini(path);
    if (ini.ReadString("A", "k", "") != "v") return false;
    ini.WriteString("A", "k", "w");
    try {
      ini.UpdateFile();
      return false;
    } catch (const EInOutError& e) {
      return std::string(e.what()).find(path) != std::string::npos;
    }
  }));
  EXPECT_EQ(dir.Read("ro/a.ini"), "[A]\r\nk=v\r\n");
}

TEST_F(IniFileTest, UnreadableFileIsNeverOverwritten) {
  dir.Write("a.ini", "[A]\r\nk=v\r\n");
  ::chmod(dir.File("a.ini").c_str(), 0200);  // writable, not readable
  ::chmod(dir.Path().c_str(), 0777);
  const std::string path = dir.File("a.ini");
  EXPECT_TRUE(RunWithPermissions([&] {
    // The test directory belongs to root; let "nobody" own nothing but try.
    TIniFile ini(path);
    if (ini.Readable()) return false;
    ini.WriteString("A", "k", "w");
    try {
      ini.UpdateFile();
      return false;
    } catch (const EInOutError&) {
      return true;
    }
  }));
  ::chmod(dir.File("a.ini").c_str(), 0644);
  EXPECT_EQ(dir.Read("a.ini"), "[A]\r\nk=v\r\n");
}
