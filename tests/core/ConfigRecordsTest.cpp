#include <gtest/gtest.h>

#include "core/ConfigRecords.h"
#include "core/IniFile.h"
#include "tests/core/TestSupport.h"

class ConfigRecordsTest : public CoreTest {};

TEST_F(ConfigRecordsTest, GraphOptionDefaults) {
  const TGraphOptions g = ReadGraphOptions(TIniFile{});
  EXPECT_EQ(g.backgroundColor, 0xC5C589);
  EXPECT_EQ(static_cast<unsigned>(g.DefaultBrushColor), 0x8000000FU);
  EXPECT_EQ(g.DefaultShadowColor, 0x808080);
  EXPECT_EQ(g.MinGenerationen, -2);
  EXPECT_EQ(g.MaxPersonen, 1000);
  EXPECT_EQ(g.LineAussehen, 4);
  EXPECT_EQ(g.FotoHoehe, 80);
  EXPECT_DOUBLE_EQ(g.DruckenZoom, 1.0);
  EXPECT_EQ(g.DefaultFont, (TIniFont{"Arial", 9, 0, 0}));
  EXPECT_TRUE(g.ShowDialog);
  EXPECT_FALSE(g.Ausbildung);
  for (bool b : g.UseFont2) EXPECT_FALSE(b);
}

TEST_F(ConfigRecordsTest, AusbildungDefaultsToBeruf) {
  dir.Write("a.ini", "[GrafikOptionen]\r\nBeruf=1\r\n");
  EXPECT_TRUE(ReadGraphOptions(TIniFile(dir.File("a.ini"))).Ausbildung);
  dir.Write("b.ini", "[GrafikOptionen]\r\nBeruf=1\r\nAusbildung=0\r\n");
  EXPECT_FALSE(ReadGraphOptions(TIniFile(dir.File("b.ini"))).Ausbildung);
}

TEST_F(ConfigRecordsTest, GraphOptionsRoundTrip) {
  TGraphOptions g;
  g.Titel = "Ahnentafel Müller";
  g.DruckenZoom = 1.5;
  g.NamenFont = {"Times New Roman", 12, 0xFF, TIniFont::Bold | TIniFont::Italic};
  g.UseFont2[9] = true;
  g.Schwund = 3;
  g.Tod = false;
  TIniFile ini(dir.File("g.ini"));
  WriteGraphOptions(ini, g);
  ini.UpdateFile();
  const TIniFile again(dir.File("g.ini"));
  EXPECT_EQ(ReadGraphOptions(again), g);
  EXPECT_EQ(again.ReadInteger("GrafikOptionen", "DruckenZoom", 0), 150);
  EXPECT_EQ(again.ReadInteger("GrafikOptionen", "NamenFontStyle", 0), 3);
  EXPECT_TRUE(again.ReadBool("GrafikOptionen", "UseFont2_10", false));
}

TEST_F(ConfigRecordsTest, FontStyleKeepsExactlyTheKnownBits) {
  dir.Write("f.ini", "[S]\r\nFStyle=0x1D\r\nFName=Courier\r\n");
  const TIniFont f = ReadIniFont(TIniFile(dir.File("f.ini")), "S", "F");
  EXPECT_EQ(f.Style, TIniFont::Bold | TIniFont::Underline | TIniFont::StrikeOut);
  EXPECT_EQ(f.Name, "Courier");
  EXPECT_EQ(f.Size, 9);
}

TEST_F(ConfigRecordsTest, PrintListIsRewrittenWholeAttributesFirst) {
  dir.Write("p.ini", "[DruckOFB]\r\nAttribut0=1\r\nAttribut1=2\r\nAttribut2=3\r\nAlt=x\r\n");
  TIniFile ini(dir.File("p.ini"));
  TDruckListOptions o = ReadDruckListOptions(ini, "DruckOFB");
  EXPECT_EQ(o.Attribut, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_FALSE(o.bool2);
  o.Attribut = {"9"};
  o.maxGen = 4;
  WriteDruckListOptions(ini, "DruckOFB", o);
  const auto keys = ini.ReadSection("DruckOFB");
  EXPECT_EQ(keys.front(), "Attribut0");
  EXPECT_EQ(std::count(keys.begin(), keys.end(), "Attribut1"), 0);
  EXPECT_EQ(std::count(keys.begin(), keys.end(), "Alt"), 0);
  EXPECT_EQ(ReadDruckListOptions(ini, "DruckOFB"), o);
}

TEST_F(ConfigRecordsTest, PrintDefaults) {
  const TDruckAllgemeinOptions a = ReadDruckAllgemein(TIniFile{});
  EXPECT_EQ(a.AnzCopy, 1);
  EXPECT_TRUE(a.SortCopy);
  EXPECT_EQ(a.RandLinks, 10);
  EXPECT_EQ(a.RandOben, 20);
  EXPECT_EQ(a.RandRechts, 10);
  EXPECT_EQ(a.RandUnten, 20);
  const TDruckListOptions l = ReadDruckListOptions(TIniFile{}, "DruckPersonList");
  EXPECT_TRUE(l.numerieren && l.drawBox && l.bool1 && l.bool2 && l.bool3 && l.bool4);
  EXPECT_EQ(l.maxGen, 10);
  EXPECT_EQ(l.Einruecken, 4);
  EXPECT_EQ(l.int1 + l.int2 + l.int3 + l.int4, 4);
}
