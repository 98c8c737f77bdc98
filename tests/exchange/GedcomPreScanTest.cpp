#include <gtest/gtest.h>

#include <sstream>

#include "core/Errors.h"
#include "exchange/GedcomPreScan.h"
#include "tests/exchange/ExchangeTestSupport.h"

TEST(PreScanTest, CountsRecordsAndReadsTheHeader) {
  std::istringstream in(
      "0 HEAD \r\n1 SOUR Orvelin\r\n2 VERS 2000\r\n2 NAME Orvelin Ahnen\r\n1 DATE 5 JAN 1900\r\n"
      "1 SUBM @S1@\r\n1 CHAR ANSEL\r\n1 FILE TEST.GED\r\n1 GEDC\r\n2 VERS 5.5\r\n2 FORM LINEAGE-LINKED\r\n"
      "0 @S1@ SUBM\r\n1 NAME Hans Muster\r\n"
      "0 @I1@ INDI\r\n1 NAME Hans /M\xE8uller/\r\n0 @I2@ INDI\r\n0 @F1@ FAM\r\n0 @M1@ OBJE\r\n"
      "0 @N1@ NOTE x\r\n0 @N2@ NOTE y\r\n0 @Q1@ SOUR\r\n0 @S2@ SUBM\r\n1 NAME Zweiter\r\n0 TRLR\r\n");
  TProblems problems;
  const TGedDateiInfo info = ScanGedcom(in, problems.Sink());
  EXPECT_EQ(info.Quelle, "Orvelin");
  EXPECT_EQ(info.QuelleVersion, "2000");
  EXPECT_EQ(info.QuelleName, "Orvelin Ahnen");
  EXPECT_EQ(info.GedcomVersion, "5.5");
  EXPECT_EQ(info.GedcomForm, "LINEAGE-LINKED");
  EXPECT_EQ(info.Zeichensatz, "ANSEL");
  EXPECT_EQ(info.ZeichensatzAngegeben, TGedCharset::Ansel);
  EXPECT_EQ(info.ZeichensatzGelesen, TGedCharset::Ansel);
  EXPECT_EQ(info.Dateiname, "TEST.GED");
  EXPECT_EQ(info.Datum, "5 JAN 1900");
  EXPECT_EQ(info.Personen, 2);
  EXPECT_EQ(info.Familien, 1);
  EXPECT_EQ(info.Medien, 1);
  EXPECT_EQ(info.Notizen, 2);
  EXPECT_EQ(info.Quellen, 1);
  EXPECT_EQ(info.Datensaetze, 11);
  EXPECT_EQ(info.Zeilen, 24);
  EXPECT_EQ(info.Probleme, 0);
  EXPECT_TRUE(problems.list.empty()) << problems.All();
  ASSERT_TRUE(info.HatKopf);
  EXPECT_EQ(info.Kopf.ChildValue("SUBM"), "@S1@");
  ASSERT_TRUE(info.HatErsteller);
  EXPECT_EQ(info.Ersteller.ChildValue("NAME"), "Hans Muster");  // the first SUBM
}

TEST(PreScanTest, AFileWithoutHeaderStillGetsCounted) {
  std::istringstream in("0 @I1@ INDI\n1 NAME John /Doe/\n0 TRLR\n");
  const TGedDateiInfo info = ScanGedcom(in);
  EXPECT_FALSE(info.HatKopf);
  EXPECT_EQ(info.Personen, 1);
  EXPECT_EQ(info.Zeichensatz, "");
  EXPECT_EQ(info.ZeichensatzAngegeben, TGedCharset::Unbekannt);
  EXPECT_EQ(info.ZeichensatzGelesen, TGedCharset::Ascii);
  EXPECT_THROW(ScanGedcomFile("/nonexistent/x.ged"), EInOutError);
}
