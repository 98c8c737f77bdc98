#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/Configuration.h"
#include "core/DisplaySettings.h"
#include "core/Errors.h"
#include "core/HelperLists.h"
#include "core/IniFile.h"
#include "tests/core/TestSupport.h"

namespace fs = std::filesystem;

class ConfigurationTest : public CoreTest {
 protected:
  std::unique_ptr<TConfiguration> Open(const std::string& text) {
    return std::make_unique<TConfiguration>(WriteProject(text));
  }
  bool Logged(const std::string& line) const {
    return std::find(host.logLines.begin(), host.logLines.end(), line) != host.logLines.end();
  }
};

TEST_F(ConfigurationTest, OnlyAllgemeinGivesEveryDefault) {
  auto c = Open("[Allgemein]\nTitel=Familie");
  EXPECT_EQ(c->Titel, "Familie");
  EXPECT_EQ(c->DBPath, dir.Path());
  EXPECT_EQ(c->MediaDir, dir.Path() + "media/");
  EXPECT_TRUE(c->ShowWebDialog);
  EXPECT_TRUE(c->ShowDruckDialog);
  EXPECT_TRUE(c->NeueFenster);
  EXPECT_TRUE(c->Werkzeugleiste);
  EXPECT_TRUE(c->Statuszeile);
  EXPECT_TRUE(c->LogDBAktionen);
  EXPECT_TRUE(c->FamNameAuto);
  EXPECT_FALSE(c->NurLesen);
  EXPECT_EQ(c->MaxBaumGenerationen, 20);
  EXPECT_EQ(c->DiversesTitel, "Diverses");
  EXPECT_TRUE(c->DiversesListe.empty());
  EXPECT_TRUE(c->GetOptionBool(8, true));  // tips are shown
  EXPECT_EQ(c->Grafik, TGraphOptions{});
  EXPECT_EQ(c->DruckOFB.Attribut, (std::vector<std::string>{"28", "26", "27", "5", "0", "101", "21"}));
  EXPECT_EQ(c->DruckPerson.Attribut, (std::vector<std::string>{"28", "26", "27", "24", "25", "21", "23"}));
  EXPECT_EQ(c->DruckRegister.Attribut, (std::vector<std::string>{"5", "0", "101", "21"}));
  EXPECT_FALSE(c->DruckOFB.bool2);
  EXPECT_TRUE(c->DruckRegister.bool2);
  EXPECT_TRUE(fs::exists(dir.File("dbLog.txt")));
}

TEST_F(ConfigurationTest, GarbageValuesFallBackToDefaults) {
  auto c = Open("[Allgemein]\nStartPerson=zwölf\nUseStartPerson=0x1\n[Darstellung]\nMaxBaumGenerationen=\n"
                "Werkzeugleiste=nein\n[Daten]\nMonatsname='1'\n[GrafikOptionen]\nDruckenZoom=abc\nLineAussehen=260\n");
  EXPECT_EQ(c->StartPerson, 0);
  EXPECT_TRUE(c->UseStartPerson);
  EXPECT_EQ(c->MaxBaumGenerationen, 20);
  EXPECT_TRUE(c->Werkzeugleiste);
  EXPECT_TRUE(c->Monatsname);  // quotes are removed before the number is read
  EXPECT_DOUBLE_EQ(c->Grafik.DruckenZoom, 1.0);
  EXPECT_EQ(c->Grafik.LineAussehen, 4);  // 260 fits no byte: kept as the low byte
}

TEST_F(ConfigurationTest, MissingProjectFileRaisesItsMessage) {
  const std::string path = dir.File("fehlt.ov");
  try {
    TConfiguration c(path);
    FAIL();
  } catch (const EConfiguration& e) {
    EXPECT_EQ(std::string(e.what()), "Konfigurationsdatei \"" + path + "\" konnte nicht geöffnet werden!");
  }
  EXPECT_FALSE(fs::exists(path));
  EXPECT_FALSE(fs::exists(dir.File("ort.lst")));
}

TEST_F(ConfigurationTest, RelativePathIsExpandedAgainstTheCurrentDirectory) {
  fs::create_directories(dir.File("db"));
  WriteProject("[Allgemein]", "db/Rel.ov");
  const auto cwd = fs::current_path();
  fs::current_path(dir.Path());
  auto c = std::make_unique<TConfiguration>("db/Rel.ov");
  fs::current_path(cwd);
  EXPECT_EQ(c->ConfigFileName, dir.File("db/Rel.ov"));
  EXPECT_EQ(c->DBPath, dir.File("db/"));
}

TEST_F(ConfigurationTest, OpeningLogsItsStepsInOrder) {
  auto c = Open("[Allgemein]");
  const std::vector<std::string> expected = {"currentPath: " + c->ProgramPath,
                                             "DB-Path: " + dir.Path(),
                                             "Media-Path: " + dir.Path() + "media/",
                                             "Absoluter Mediapath ok.",
                                             "Datenbank-Logdatei ist: " + dir.File("dbLog.txt")};
  ASSERT_EQ(host.logLines.size(), expected.size() + 5);  // then the tables' own lines
  EXPECT_EQ(std::vector<std::string>(host.logLines.begin(), host.logLines.begin() + 5), expected);
  EXPECT_EQ(host.logLines[5].rfind("Time needed: ", 0), 0u);
}

struct MediaCase {
  const char* line;       // the [Verzeichnisse] line, or empty for none
  std::string expected;   // after the database path "@"
  std::vector<std::string> logs;
};

TEST_F(ConfigurationTest, MediaDirectoryRule) {
  const std::vector<MediaCase> cases = {
      {"", "@media/", {"Absoluter Mediapath ok."}},
      {"Media-Dir=", "@", {"Relativer Mediapath ist nun: @"}},
      {"Media-Dir=media", "@media/", {"Relativer Mediapath ist nun: @media", "MediaPath mit \\ erweitert :@media/"}},
      {"Media-Dir=Bilder\\Fotos\\", "@Bilder/Fotos/", {"Relativer Mediapath ist nun: @Bilder/Fotos/"}},
      {"Media-Dir=/srv/bilder", "/srv/bilder/", {"Absoluter Mediapath ok.", "MediaPath mit \\ erweitert :/srv/bilder/"}},
      {"Media-Dir=\\\\server\\bilder", "\\\\server\\bilder\\",
       {"Absoluter Mediapath ok.", "MediaPath mit \\ erweitert :\\\\server\\bilder\\"}},
      {"Media-Dir=C:\\Daten\\", "C:\\Daten\\", {"Absoluter Mediapath ok."}},
  };
  for (const MediaCase& mc : cases) {
    host.logLines.clear();
    auto c = Open(std::string("[Verzeichnisse]\n") + mc.line);
    auto resolve = [&](std::string s) {
      if (const auto at = s.find('@'); at != std::string::npos) s.replace(at, 1, dir.Path());
      return s;
    };
    EXPECT_EQ(c->MediaDir, resolve(mc.expected)) << mc.line;
    EXPECT_EQ(DisplaySettings().mediaDir, c->MediaDir);
    const auto logEnd = std::find_if(host.logLines.begin(), host.logLines.end(),
                                     [](const std::string& l) { return l.rfind("Datenbank-Logdatei", 0) == 0; });
    std::vector<std::string> logs(host.logLines.begin() + 3, logEnd);
    std::vector<std::string> expectedLogs;
    for (const auto& l : mc.logs) expectedLogs.push_back(resolve(l));
    EXPECT_EQ(logs, expectedLogs) << mc.line;
  }
}

TEST_F(ConfigurationTest, NumberedOptions) {
  auto c = Open("[Options]\n7=x\n8=true\n9=True\n10=\n27= : \n60=5");
  EXPECT_FALSE(c->GetOptionBool(8, true));   // lower case is not "True"
  EXPECT_TRUE(c->GetOptionBool(9, false));
  EXPECT_TRUE(c->GetOptionBool(10, true));   // empty: the caller's default
  EXPECT_EQ(c->GetOptionInt(7, 3), 3);       // a letter: the caller's default
  EXPECT_EQ(c->GetOptionInt(60, 0), 5);
  EXPECT_EQ(c->GetOption(10, "1"), "1");
  EXPECT_EQ(c->GetOption(27, ";"), ":");      // blanks around values are not kept by INI files
  EXPECT_EQ(c->GetOption(61, "d"), "d");
  EXPECT_EQ(c->GetOption(-1, "d"), "d");
  EXPECT_EQ(c->GetOptionInt(99, 4), 4);
  c->SetOptionBool(1, false);
  c->SetOptionInt(2, 0xFFCD9B);
  c->SetOption(99, "ignored");
  EXPECT_EQ(c->Options[1], "False");
  EXPECT_EQ(c->Options[2], std::to_string(0xFFCD9B));
}

TEST_F(ConfigurationTest, SequencesStopAtTheFirstGap) {
  auto c = Open("[DiversesRegister]\nTitel=Extras\n0=Taufpate\n1=\n3=Schule\n"
                "[DruckBaumList]\nAttribut1=7\n[DruckRegister]\nAttribut0=3\nAttribut1=4");
  EXPECT_EQ(c->DiversesTitel, "Extras");
  EXPECT_EQ(c->DiversesListe, (std::vector<std::string>{"Taufpate", ""}));
  EXPECT_EQ(c->DruckBaumList.Attribut, (std::vector<std::string>{"5", "0", "101", "21"}));
  EXPECT_EQ(c->DruckRegister.Attribut, (std::vector<std::string>{"3", "4"}));
}

TEST_F(ConfigurationTest, LongTextsAreCutTo255Characters) {
  const std::string longTitle = std::string(300, 'u') + "ü";
  auto c = Open("[Allgemein]\nTitel=" + std::string(254, 'a') + "üü\n[Benutzer]\nName=" + longTitle);
  EXPECT_EQ(c->Titel, std::string(254, 'a') + "ü");
  EXPECT_EQ(c->Name, std::string(255, 'u'));
}

TEST_F(ConfigurationTest, HelperListsAreCreatedAndRead) {
  dir.Write("ort.lst", "Bern\r\nZ\xFCrich\r\n");
  auto c = Open("[Allgemein]");
  for (const char* name : kHelperListFiles) EXPECT_TRUE(fs::exists(dir.File(name))) << name;
  EXPECT_EQ(dir.Read("ort.lst"), "Bern\r\nZ\xFCrich\r\n");
  std::vector<std::string> places{"alt"};
  c->LoadPlaceList(places);
  EXPECT_EQ(places, (std::vector<std::string>{"Bern", "Zürich"}));
  std::vector<std::string> sources{"alt"};
  c->LoadSourceList(sources);
  EXPECT_TRUE(sources.empty());
}

TEST(HelperLists, SelectionFileTakesOnlyValidIds) {
  TTempDir dir;
  dir.Write("selpers.lst", " 42 \r\n0\r\n600000\r\nWort\r\n500000\r\n-3\r\n");
  EXPECT_EQ(ReadSelectionIds(dir.File("selpers.lst")), (std::vector<int>{42, 500000}));
}

TEST_F(ConfigurationTest, GenealogicalSigns) {
  auto c = Open("[Allgemein]");
  EXPECT_EQ(c->BirthSign(), "*");
  EXPECT_EQ(c->DeathSign(), "+");
  EXPECT_EQ(c->MarriageSign(), "oo");
  EXPECT_EQ(c->PartnershipSign(), "o-o");
  EXPECT_EQ(c->DivorceSign(), "o|o");
  c->JuedischeZeichen = true;
  EXPECT_EQ(c->DeathSign(), "^");
  c->SpecialFont = true;
  EXPECT_EQ(c->DeathSign(), "\u00A5");
  c->JuedischeZeichen = false;
  EXPECT_EQ(c->DeathSign(), "\u00A3");
  EXPECT_EQ(c->BirthSign(), "\u00A1");
  EXPECT_EQ(c->MarriageSign(), "\u00A9");
  EXPECT_EQ(c->PartnershipSign(), "\u00AE");
  EXPECT_EQ(c->DivorceSign(), "\u00AA");
}

TEST_F(ConfigurationTest, ProcessWideCopiesFollowTheSettings) {
  {
    auto c = Open("[Daten]\nDatumJahr=1\nMonatsname=1\nFamNameBeide=1\nNachnameGross=1");
    EXPECT_TRUE(DisplaySettings().datumJahr);
    EXPECT_TRUE(DisplaySettings().monatsname);
    EXPECT_TRUE(DisplaySettings().famNameBeide);
    EXPECT_TRUE(DisplaySettings().nachnameGross);
  }
  EXPECT_FALSE(DisplaySettings().datumJahr);
  EXPECT_TRUE(DisplaySettings().mediaDir.empty());
}

// Each save writes exactly its own keys: what it adds to an empty project
// file is compared with the list of keys it owns.
class SaveTest : public ConfigurationTest {
 protected:
  std::vector<std::string> KeysWrittenBy(void (TConfiguration::*save)()) {
    const std::string path = WriteProject("[Allgemein]");
    TConfiguration c(path);
    (c.*save)();
    const TIniFile ini(path);
    std::vector<std::string> keys;
    for (const auto& section : ini.ReadSections())
      for (const auto& key : ini.ReadSection(section)) keys.push_back(section + "." + key);
    return keys;
  }
};

TEST_F(SaveTest, SaveDisplaySettingsWritesItsKeys) {
  std::vector<std::string> expected = {"Darstellung.NeueFenster", "Darstellung.Werkzeugleiste",
                                       "Darstellung.Statuszeile", "Darstellung.KomplexeSuche",
                                       "Benutzer.GenealVerein", "Benutzer.MitgliedNr", "Benutzer.Name",
                                       "Benutzer.Telefon"};
  for (const char* p : {"Adresse", "Mail", "tinyText"})
    for (int i = 1; i <= 4; ++i) expected.push_back(std::string("Benutzer.") + p + std::to_string(i));
  auto keys = KeysWrittenBy(&TConfiguration::SaveDisplaySettings);
  std::sort(keys.begin(), keys.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(keys, expected);
}

TEST_F(SaveTest, SaveOptionsWritesAll61) {
  const auto keys = KeysWrittenBy(&TConfiguration::SaveOptions);
  ASSERT_EQ(keys.size(), 61u);
  EXPECT_EQ(keys.front(), "Options.0");
  EXPECT_EQ(keys.back(), "Options.60");
}

TEST_F(SaveTest, SaveSettingsWritesItsKeys) {
  const auto keys = KeysWrittenBy(&TConfiguration::SaveSettings);
  auto has = [&](const std::string& k) { return std::find(keys.begin(), keys.end(), k) != keys.end(); };
  for (const char* k : {"Allgemein.Titel", "Allgemein.StartPerson", "Verzeichnisse.Media-Dir",
                        "Darstellung.StandardPersonenRegister", "Darstellung.MaxBaumGenerationen",
                        "Datenbank.NurLesen", "Datenbank.LogDBAktionen", "Daten.DatumJahr", "Options.60",
                        "DiversesRegister.Titel", "GrafikOptionen.ShowDialog"})
    EXPECT_TRUE(has(k)) << k;
  for (const char* k : {"Darstellung.NeueFenster", "Darstellung.Werkzeugleiste", "Benutzer.Name",
                        "GrafikOptionen.Schatten", "DruckAllgemein.AnzCopy"})
    EXPECT_FALSE(has(k)) << k;
  EXPECT_EQ(keys.size(), 5u + 1 + 5 + 2 + 7 + 61 + 1 + 1);
}

TEST_F(SaveTest, SavePrintAndGraphicSettingsStayInTheirSections) {
  for (const auto& k : KeysWrittenBy(&TConfiguration::SavePrintSettings))
    EXPECT_TRUE(k.rfind("Druck", 0) == 0) << k;
  const auto graphic = KeysWrittenBy(&TConfiguration::SaveGraphicSettings);
  for (const auto& k : graphic) EXPECT_TRUE(k.rfind("GrafikOptionen.", 0) == 0) << k;
  EXPECT_EQ(graphic.size(), 42u + 2 * 4 + 10);  // 42 plain fields, two fonts of four keys, UseFont2_1..10
}

TEST_F(SaveTest, RelativeMediaDirIsStoredResolvedAndUnknownKeysStay) {
  const std::string path = WriteProject("[Verzeichnisse]\nMedia-Dir=media\nFremd=1\n[Eigenes]\nx=y");
  {
    TConfiguration c(path);
    c.SaveSettings();
  }
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("Verzeichnisse", "Media-Dir", ""), dir.Path() + "media/");
  EXPECT_EQ(ini.ReadString("Verzeichnisse", "Fremd", ""), "1");
  EXPECT_EQ(ini.ReadString("Eigenes", "x", ""), "y");
}

TEST_F(SaveTest, OpeningAndClosingWriteNothingToTheProjectFile) {
  const std::string path = WriteProject("[Allgemein]\nTitel=X\n[Options]\n8=False");
  const std::string before = dir.Read("Test.ov");
  { TConfiguration c(path); }
  EXPECT_EQ(dir.Read("Test.ov"), before);
}

TEST_F(ConfigurationTest, ChangeLogThatCannotOpenFailsTheOpening) {
  fs::create_directories(dir.File("dbLog.txt"));  // a directory where the file should be
  try {
    Open("[Allgemein]");
    FAIL();
  } catch (const EConfiguration& e) {
    EXPECT_EQ(std::string(e.what()),
              "Datenbank-LogDatei \"" + dir.File("dbLog.txt") + "\" konnte nicht geöffnet werden!");
  }
  ASSERT_EQ(prompter.asked.size(), 1u);  // the system's own message first
  EXPECT_EQ(prompter.asked[0].kind, PromptKind::Error);
  EXPECT_FALSE(prompter.asked[0].text.empty());
}

TEST_F(ConfigurationTest, ReadOnlyDirectoryWithoutChangeLogFailsCleanly) {
  const std::string path = WriteProject("[Allgemein]");
  ::chmod(dir.Path().c_str(), 0555);
  const bool ok = RunWithPermissions([&] {
    try {
      TConfiguration c(path);
      return false;
    } catch (const EConfiguration& e) {
      return std::string(e.what()).find("Datenbank-LogDatei") == 0;
    }
  });
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_TRUE(ok);
  EXPECT_FALSE(fs::exists(dir.File("selpers.lst")));
}

TEST_F(ConfigurationTest, ReadOnlyDatabaseWithoutLoggingOpens) {
  const std::string path = WriteProject("[Datenbank]\nLogDBAktionen=0\nNurLesen=1");
  ::chmod(dir.Path().c_str(), 0555);
  const bool ok = RunWithPermissions([&] {
    TConfiguration c(path);
    return c.NurLesen && !c.LogDBAktionen;
  });
  ::chmod(dir.Path().c_str(), 0755);
  EXPECT_TRUE(ok);
}

// Turning the log on while it cannot open leaves logging off.
TEST_F(ConfigurationTest, ChangeLoggingTurnedOnOnlyOnceTheLogIsOpen) {
  auto c = Open("[Datenbank]\nLogDBAktionen=0");
  EXPECT_FALSE(fs::exists(dir.File("dbLog.txt")));
  fs::create_directories(dir.File("dbLog.txt"));
  EXPECT_THROW(c->SetChangeLogging(true), EConfiguration);
  EXPECT_FALSE(c->LogDBAktionen);
  c->LogChange("Person eingefügt: [1]");  // must not reach any file
  fs::remove(dir.File("dbLog.txt"));
  c->SetChangeLogging(true);
  EXPECT_TRUE(c->LogDBAktionen);
  c->LogChange("Person eingefügt: [1]");
  c->SetChangeLogging(false);
  c->LogChange("Person gelöscht: [1]");
  EXPECT_EQ(dir.Read("dbLog.txt"), "11.12.2026 10:00:00 Neue Session\r\n11.12.2026 10:00:00 Person eingef\xFCgt: [1]\r\n");
}

// A host that records the window steps of opening and closing.
class StepHost : public TPlainHost {
 public:
  void SetCaption(const std::string& c) override { steps.push_back("caption " + c); }
  void EnableDatabaseCommands(bool e, bool tb) override {
    steps.push_back(std::string("enable ") + (e ? "1" : "0") + (tb ? "1" : "0"));
  }
  void ShowToolWindows(const ToolWindowStates& s) override {
    steps.push_back(std::string("tools ") + (s.suchenSimple ? "1" : "0") + (s.suchenComplex ? "1" : "0") +
                    (s.favoriten ? "1" : "0") + (s.quellen ? "1" : "0"));
  }
  void SelectSearchDialog(bool extended) override { steps.push_back(extended ? "search extended" : "search quick"); }
  void OpenSelectionWindow() override { steps.push_back("selection"); }
  void OpeningFailed() override { steps.push_back("failed"); }
  void ApplyDisplaySettings(const DisplayFlags& f) override {
    steps.push_back(std::string("display ") + (f.neueFenster ? "1" : "0") + (f.komplexeSuche ? "1" : "0") +
                    (f.werkzeugleiste ? "1" : "0") + (f.statuszeile ? "1" : "0"));
  }
  std::vector<std::string> steps;
};

TEST_F(ConfigurationTest, WindowStepsOfOpeningAndDestroying) {
  StepHost steps;
  SetHost(&steps);
  {
    auto c = Open("[Allgemein]\nTitel=Ahnen\n[Darstellung]\nKomplexeSuche=1\nWerkzeugleiste=0\n"
                  "[Dialoge]\nFavoritenVisible=1\nSelectedPersonVisible=1");
  }
  SetHost(&host);
  EXPECT_EQ(steps.steps, (std::vector<std::string>{"search extended", "tools 0010", "selection",
                                                   "caption Orvelin 6.0.15 - Ahnen", "display 1101",
                                                   "enable 10", "caption Orvelin 6.0.15", "enable 00"}));
}

bool FileHeldOpen(const std::string& path) {
  for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    if (fs::read_symlink(fd.path(), ec).string() == path) return true;
  }
  return false;
}

// Any failure once the change log is open (the tables, later steps) must
// close the log again and take back the windows the opening showed.
class FailingHost : public StepHost {
 public:
  void EnableDatabaseCommands(bool enabled, bool toolbar) override {
    if (enabled) throw EConfiguration("Datenbank konnte nicht geöffnet werden!");
  }
};

TEST_F(ConfigurationTest, FailedOpeningClosesTheLogAndTheWindowsItShowed) {
  FailingHost failing;
  SetHost(&failing);
  EXPECT_THROW(Open("[Dialoge]\nQuellenVisible=1"), EConfiguration);
  SetHost(&host);
  ASSERT_GE(failing.steps.size(), 2u);
  EXPECT_EQ(failing.steps[0], "search quick");
  EXPECT_EQ(failing.steps[1], "tools 0001");
  EXPECT_EQ(failing.steps.back(), "failed");
  EXPECT_EQ(failing.steps[failing.steps.size() - 2], "caption Orvelin 6.0.15");
  EXPECT_TRUE(fs::exists(dir.File("dbLog.txt")));
  EXPECT_FALSE(FileHeldOpen(dir.File("dbLog.txt")));
  EXPECT_TRUE(DisplaySettings().mediaDir.empty());
}
