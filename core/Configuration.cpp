#include "core/Configuration.h"

#include "core/DisplaySettings.h"
#include "core/Errors.h"
#include "core/HelperLists.h"
#include "core/Host.h"
#include "core/IniFile.h"
#include "core/Paths.h"
#include "core/Prompter.h"
#include "core/Utf8.h"
#include "db/AhnenDB.h"
#include "db/PersonSelection.h"

std::unique_ptr<TConfiguration> Config;

namespace {

constexpr std::size_t kMaxText = 255;

std::string Text255(const TIniFile& ini, const char* section, const std::string& key) {
  return utf8::Truncate(ini.ReadString(section, key, ""), kMaxText);
}

std::string Numbered(const char* prefix, std::size_t i) { return prefix + std::to_string(i + 1); }

bool IsAbsoluteMediaDir(const std::string& dir) {
  return (!dir.empty() && (dir.front() == '/' || dir.front() == '\\')) ||
         dir.find(':') != std::string::npos;
}

}  // namespace

TConfiguration::TConfiguration(const std::string& projectFile) {
  ConfigFileName = ExpandFileName(projectFile);
  if (!FileExists(ConfigFileName))
    throw EConfiguration("Konfigurationsdatei \"" + ConfigFileName + "\" konnte nicht geöffnet werden!");
  NextViewTop = 0;
  NextViewLeft = 0;
  ProgramPath = ::ProgramPath();
  Log("currentPath: " + ProgramPath);

  TIniFile ini(ConfigFileName);
  if (!ini.Readable())
    throw EConfiguration("Konfigurationsdatei \"" + ConfigFileName + "\" konnte nicht geöffnet werden!");

  Titel = Text255(ini, "Allgemein", "Titel");
  UseStartPerson = ini.ReadBool("Allgemein", "UseStartPerson", false);
  StartPerson = ini.ReadInteger("Allgemein", "StartPerson", 0);
  ShowWebDialog = ini.ReadBool("Allgemein", "ShowWebDialog", true);
  ShowDruckDialog = ini.ReadBool("Allgemein", "ShowDruckDialog", true);

  DBPath = ExtractFilePath(ConfigFileName);
  MediaDir = ini.ReadString("Verzeichnisse", "Media-Dir", DBPath + "media/");
  Log("DB-Path: " + DBPath);
  Log("Media-Path: " + MediaDir);

  EnsureListFiles(DBPath);
  ReadSettings(ini);
  Host().SelectSearchDialog(KomplexeSuche);

  try {
    Host().ShowToolWindows({ini.ReadBool("Dialoge", "SuchenSimpleVisible", false),
                            ini.ReadBool("Dialoge", "SuchenComplexVisible", false),
                            ini.ReadBool("Dialoge", "FavoritenVisible", false),
                            ini.ReadBool("Dialoge", "QuellenVisible", false)});
    Host().ReadFavourites(ini);
    if (ini.ReadBool("Dialoge", "SelectedPersonVisible", false)) Host().OpenSelectionWindow();

    for (int i = 0; i < kOptionCount; ++i) Options[i] = ini.ReadString("Options", std::to_string(i), "");
    DiversesTitel = utf8::Truncate(ini.ReadString("DiversesRegister", "Titel", "Diverses"), kMaxText);
    DiversesListe = ReadStringSequence(ini, "DiversesRegister", "");
    Grafik = ReadGraphOptions(ini);
    DruckAllgemein = ReadDruckAllgemein(ini);
    const auto lists = DruckLists();
    for (std::size_t i = 0; i < lists.size(); ++i) *lists[i] = ReadDruckListOptions(ini, kDruckListSections[i]);

    ApplySettings();
    if (LogDBAktionen) OpenChangeLog();
    AhnenDB = std::make_unique<TAhnenDB>(DBPath);
    EnableDatabaseCommands(true);
  } catch (...) {
    AhnenDB.reset();
    CloseChangeLog();
    ResetDisplaySettings();
    Host().SetCaption(kProgramCaption);
    Host().OpeningFailed();
    throw;
  }
}

TConfiguration::~TConfiguration() {
  // Without its configuration the database has no change log: it closes too.
  AhnenDB.reset();
  DiversesListe.clear();
  Titel.clear();
  UpdateCaption();
  EnableDatabaseCommands(false);
  if (LogDBAktionen) CloseChangeLog();
  ResetDisplaySettings();
}

void TConfiguration::ReadSettings(const TIniFile& ini) {
  StandardPersonenRegister = ini.ReadInteger("Darstellung", "StandardPersonenRegister", 0);
  NeueFenster = ini.ReadBool("Darstellung", "NeueFenster", true);
  PersonenAnsichtGross = ini.ReadBool("Darstellung", "PersonenAnsichtGross", false);
  Werkzeugleiste = ini.ReadBool("Darstellung", "Werkzeugleiste", true);
  Statuszeile = ini.ReadBool("Darstellung", "Statuszeile", true);
  KomplexeSuche = ini.ReadBool("Darstellung", "KomplexeSuche", false);
  GenealVerein = Text255(ini, "Benutzer", "GenealVerein");
  MitgliedNr = Text255(ini, "Benutzer", "MitgliedNr");
  Name = Text255(ini, "Benutzer", "Name");
  Telefon = Text255(ini, "Benutzer", "Telefon");
  for (std::size_t i = 0; i < 4; ++i) Adresse[i] = Text255(ini, "Benutzer", Numbered("Adresse", i));
  JuedischeZeichen = ini.ReadBool("Darstellung", "JuedischeZeichen", false);
  SpecialFont = ini.ReadBool("Darstellung", "SpecialFont", false);
  for (std::size_t i = 0; i < 4; ++i) Mail[i] = Text255(ini, "Benutzer", Numbered("Mail", i));
  for (std::size_t i = 0; i < 4; ++i) tinyText[i] = Text255(ini, "Benutzer", Numbered("tinyText", i));

  MaxBaumGenerationen = ini.ReadInteger("Darstellung", "MaxBaumGenerationen", 20);
  NurLesen = ini.ReadBool("Datenbank", "NurLesen", false);
  LogDBAktionen = ini.ReadBool("Datenbank", "LogDBAktionen", true);
  AlternativDatum = ini.ReadBool("Daten", "AlternativDatum", false);
  Monatsname = ini.ReadBool("Daten", "Monatsname", false);
  FamNameAuto = ini.ReadBool("Daten", "FamNameAuto", true);
  FamNameBeide = ini.ReadBool("Daten", "FamNameBeide", false);
  FamNameListe = ini.ReadBool("Daten", "FamNameListe", false);
  NachnameGross = ini.ReadBool("Daten", "NachnameGross", false);
  DatumJahr = ini.ReadBool("Daten", "DatumJahr", false);
  PublishDisplaySettings();
}

void TConfiguration::PublishDisplaySettings() const {
  TDisplaySettings& d = DisplaySettings();
  d.monatsname = Monatsname;
  d.datumJahr = DatumJahr;
  d.alternativDatum = AlternativDatum;
  d.famNameAuto = FamNameAuto;
  d.famNameBeide = FamNameBeide;
  d.famNameListe = FamNameListe;
  d.nachnameGross = NachnameGross;
  d.mediaDir = MediaDir;
}

std::array<TDruckListOptions*, 7> TConfiguration::DruckLists() {
  return {&DruckPersonList, &DruckBaumList, &DruckRegister, &DruckFotoalbum,
          &DruckAllgemeineList, &DruckOFB, &DruckPerson};
}

void TConfiguration::ApplySettings() {
  if (IsAbsoluteMediaDir(MediaDir)) {
    Log("Absoluter Mediapath ok.");
  } else {
    // Relative to the database; a name written on Windows may use backslashes.
    std::string relative = MediaDir;
    for (char& c : relative)
      if (c == '\\') c = '/';
    MediaDir = DBPath + relative;
    Log("Relativer Mediapath ist nun: " + MediaDir);
  }
  if (MediaDir.empty() || (MediaDir.back() != '/' && MediaDir.back() != '\\')) {
    // A Windows path keeps its own separator.
    const bool windowsForm = MediaDir.find('/') == std::string::npos && MediaDir.find('\\') != std::string::npos;
    MediaDir += windowsForm ? '\\' : '/';
    Log("MediaPath mit \\ erweitert :" + MediaDir);
  }
  PublishDisplaySettings();
  UpdateCaption();
  Host().ApplyDisplaySettings({NeueFenster, KomplexeSuche, Werkzeugleiste, Statuszeile});
}

void TConfiguration::UpdateCaption() {
  Host().SetCaption(Titel.empty() ? std::string(kProgramCaption) : std::string(kProgramCaption) + " - " + Titel);
}

void TConfiguration::EnableDatabaseCommands(bool enabled) {
  Host().EnableDatabaseCommands(enabled, enabled && Werkzeugleiste);
}

void TConfiguration::AfterOpen() {
  LoadDatabaseSelection(DBPath);
  Host().LoadSelection();
  if (Host().SelectionWindowOpen()) Host().RefreshSelectionWindow();
  const bool keywordsNew = AhnenDB && AhnenDB->KeywordTableCreated;
  TIniFile ini(ConfigFileName);
  // An older database got its keyword table just now: the quick search
  // starts on the keyword field, and the keywords should be built.
  if (keywordsNew) ini.WriteInteger("SchnelleSuche", "Suchfeld", 7);
  Host().ReadSearchSettings(ini);
  ini.UpdateFile();
  if (keywordsNew) {
    Host().ShowKeywordBuildDialog();
    AhnenDB->KeywordTableCreated = false;
  }
}

bool TConfiguration::CloseDatabase() {
  SaveDialogStates();
  Host().ProcessMessages();
  if (!Host().CloseChildWindows()) return false;
  Host().SaveSelectionIfChanged();
  if (AhnenDB) {
    AhnenDB->Close();
    AhnenDB.reset();
  }
  // The ids of one database mean nothing in the next.
  ClearSelection();
  Host().ClearToolWindows();
  return true;
}

// --- saving ------------------------------------------------------------------

template <class Writer>
void TConfiguration::WriteProjectFile(Writer&& write) {
  TIniFile ini(ConfigFileName);
  write(ini);
  ini.UpdateFile();
}

void TConfiguration::SaveSettings() {
  WriteProjectFile([&](TIniFile& ini) {
    ini.WriteString("Allgemein", "Titel", Titel);
    ini.WriteBool("Allgemein", "UseStartPerson", UseStartPerson);
    ini.WriteInteger("Allgemein", "StartPerson", StartPerson);
    ini.WriteBool("Allgemein", "ShowWebDialog", ShowWebDialog);
    ini.WriteBool("Allgemein", "ShowDruckDialog", ShowDruckDialog);
    ini.WriteString("Verzeichnisse", "Media-Dir", MediaDir);
    ini.WriteInteger("Darstellung", "StandardPersonenRegister", StandardPersonenRegister);
    ini.WriteBool("Darstellung", "PersonenAnsichtGross", PersonenAnsichtGross);
    ini.WriteBool("Darstellung", "JuedischeZeichen", JuedischeZeichen);
    ini.WriteBool("Darstellung", "SpecialFont", SpecialFont);
    ini.WriteInteger("Darstellung", "MaxBaumGenerationen", MaxBaumGenerationen);
    ini.WriteBool("Datenbank", "NurLesen", NurLesen);
    ini.WriteBool("Datenbank", "LogDBAktionen", LogDBAktionen);
    ini.WriteBool("Daten", "AlternativDatum", AlternativDatum);
    ini.WriteBool("Daten", "Monatsname", Monatsname);
    ini.WriteBool("Daten", "FamNameAuto", FamNameAuto);
    ini.WriteBool("Daten", "FamNameBeide", FamNameBeide);
    ini.WriteBool("Daten", "FamNameListe", FamNameListe);
    ini.WriteBool("Daten", "NachnameGross", NachnameGross);
    ini.WriteBool("Daten", "DatumJahr", DatumJahr);
    for (int i = 0; i < kOptionCount; ++i) ini.WriteString("Options", std::to_string(i), Options[i]);
    ini.EraseSection("DiversesRegister");
    ini.WriteString("DiversesRegister", "Titel", DiversesTitel);
    for (std::size_t i = 0; i < DiversesListe.size(); ++i)
      ini.WriteString("DiversesRegister", std::to_string(i), DiversesListe[i]);
    ini.WriteBool("GrafikOptionen", "ShowDialog", Grafik.ShowDialog);
  });
}

void TConfiguration::SaveOptions() {
  WriteProjectFile([&](TIniFile& ini) {
    for (int i = 0; i < kOptionCount; ++i) ini.WriteString("Options", std::to_string(i), Options[i]);
  });
}

void TConfiguration::SavePrintSettings() {
  WriteProjectFile([&](TIniFile& ini) {
    WriteDruckAllgemein(ini, DruckAllgemein);
    const auto lists = DruckLists();
    for (std::size_t i = 0; i < lists.size(); ++i) WriteDruckListOptions(ini, kDruckListSections[i], *lists[i]);
  });
}

void TConfiguration::SaveDisplaySettings() {
  WriteProjectFile([&](TIniFile& ini) {
    ini.WriteBool("Darstellung", "NeueFenster", NeueFenster);
    ini.WriteBool("Darstellung", "Werkzeugleiste", Werkzeugleiste);
    ini.WriteBool("Darstellung", "Statuszeile", Statuszeile);
    ini.WriteBool("Darstellung", "KomplexeSuche", KomplexeSuche);
    ini.WriteString("Benutzer", "GenealVerein", GenealVerein);
    ini.WriteString("Benutzer", "MitgliedNr", MitgliedNr);
    ini.WriteString("Benutzer", "Name", Name);
    ini.WriteString("Benutzer", "Telefon", Telefon);
    for (std::size_t i = 0; i < 4; ++i) ini.WriteString("Benutzer", Numbered("Adresse", i), Adresse[i]);
    for (std::size_t i = 0; i < 4; ++i) ini.WriteString("Benutzer", Numbered("Mail", i), Mail[i]);
    for (std::size_t i = 0; i < 4; ++i) ini.WriteString("Benutzer", Numbered("tinyText", i), tinyText[i]);
  });
}

void TConfiguration::SaveGraphicSettings() {
  WriteProjectFile([&](TIniFile& ini) { WriteGraphOptions(ini, Grafik); });
}

void TConfiguration::SaveDialogStates() {
  WriteProjectFile([&](TIniFile& ini) {
    Host().WriteSearchSettings(ini);
    const ToolWindowStates states = Host().ToolWindowVisibility();
    ini.WriteBool("Dialoge", "SuchenSimpleVisible", states.suchenSimple);
    ini.WriteBool("Dialoge", "SuchenComplexVisible", states.suchenComplex);
    ini.WriteBool("Dialoge", "FavoritenVisible", states.favoriten);
    ini.WriteBool("Dialoge", "QuellenVisible", states.quellen);
    Host().WriteFavourites(ini);
    ini.WriteBool("Dialoge", "SelectedPersonVisible", Host().SelectionWindowOpen());
  });
}

// --- numbered options ----------------------------------------------------------

std::string TConfiguration::GetOption(int n, const std::string& def) const {
  if (n < 0 || n >= kOptionCount || Options[n].empty()) return def;
  return Options[n];
}

int TConfiguration::GetOptionInt(int n, int def) const {
  if (n < 0 || n >= kOptionCount || Options[n].empty()) return def;
  return TIniFile::ParseInteger(Options[n], def);
}

bool TConfiguration::GetOptionBool(int n, bool def) const {
  if (n < 0 || n >= kOptionCount || Options[n].empty()) return def;
  return Options[n] == "True";
}

void TConfiguration::SetOption(int n, const std::string& value) {
  if (n >= 0 && n < kOptionCount) Options[n] = value;
}

void TConfiguration::SetOptionInt(int n, int value) { SetOption(n, std::to_string(value)); }
void TConfiguration::SetOptionBool(int n, bool value) { SetOption(n, value ? "True" : "False"); }

// --- change log ------------------------------------------------------------------

void TConfiguration::OpenChangeLog() {
  const std::string path = ChangeLogPath();
  Log("Datenbank-Logdatei ist: " + path);
  try {
    changeLog_.Open(path);
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
    throw EConfiguration("Datenbank-LogDatei \"" + path + "\" konnte nicht geöffnet werden!");
  }
}

void TConfiguration::CloseChangeLog() { changeLog_.Close(); }

void TConfiguration::ClearChangeLog() { changeLog_.Clear(); }

void TConfiguration::LogChange(const std::string& text) {
  if (LogDBAktionen) changeLog_.Write(text);
}

void TConfiguration::SetChangeLogging(bool on) {
  if (on == LogDBAktionen && on == changeLog_.IsOpen()) return;
  if (on) {
    OpenChangeLog();
    LogDBAktionen = true;
  } else {
    LogDBAktionen = false;
    CloseChangeLog();
  }
}

// --- helper lists -------------------------------------------------------------------

void TConfiguration::LoadList(const char* file, std::vector<std::string>& list) const {
  list = LoadListFile(FindFileNoCase(DBPath, file));
}

void TConfiguration::LoadPlaceList(std::vector<std::string>& l) const { LoadList("ort.lst", l); }
void TConfiguration::LoadSourceList(std::vector<std::string>& l) const { LoadList("quelle.lst", l); }
void TConfiguration::LoadNameList(std::vector<std::string>& l) const { LoadList("name.lst", l); }
void TConfiguration::LoadFirstNameList(std::vector<std::string>& l) const { LoadList("vorname.lst", l); }
void TConfiguration::LoadReligionList(std::vector<std::string>& l) const { LoadList("religion.lst", l); }
void TConfiguration::LoadOccupationList(std::vector<std::string>& l) const { LoadList("beruf.lst", l); }
void TConfiguration::LoadCountryList(std::vector<std::string>& l) const { LoadList("land.lst", l); }

// --- genealogical signs ------------------------------------------------------------------

std::string TConfiguration::BirthSign() const { return SpecialFont ? utf8::FromCodePoint(0xA1) : "*"; }

std::string TConfiguration::DeathSign() const {
  if (SpecialFont) return utf8::FromCodePoint(JuedischeZeichen ? 0xA5 : 0xA3);
  return JuedischeZeichen ? "^" : "+";
}

std::string TConfiguration::MarriageSign() const { return SpecialFont ? utf8::FromCodePoint(0xA9) : "oo"; }
std::string TConfiguration::PartnershipSign() const { return SpecialFont ? utf8::FromCodePoint(0xAE) : "o-o"; }
std::string TConfiguration::DivorceSign() const { return SpecialFont ? utf8::FromCodePoint(0xAA) : "o|o"; }
