// TConfiguration: the settings of the open database, read from its project
// file (an INI file ".ov" in the database directory) when it is opened, and
// the database's change log. At most one exists (the global Config); it is
// created by opening a project file and destroyed after CloseDatabase.
// Reading never fails on a bad value (each falls back to its default); a
// missing project file or change log raises EConfiguration. Settings reach
// the file only through the Save operations, each writing its own keys.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/ChangeLog.h"
#include "core/ConfigRecords.h"

class TIniFile;

inline constexpr const char* kProgramCaption = "Orvelin 6.0.15";
inline constexpr int kOptionCount = 61;

class TConfiguration {
 public:
  // Reads the project file, prepares the helper files, opens the change log
  // and the tables. Throws EConfiguration.
  explicit TConfiguration(const std::string& projectFile);
  // Closes the change log, resets the caption and disables the database
  // commands. Writes nothing to the project file.
  ~TConfiguration();
  TConfiguration(const TConfiguration&) = delete;
  TConfiguration& operator=(const TConfiguration&) = delete;

  // The steps that need the finished configuration and the open tables.
  void AfterOpen();
  // Saves the dialog states, closes every child window and the tables; false
  // when a child window refused to close (the database then stays open).
  bool CloseDatabase();
  // Resolves MediaDir and brings the main window in line with the settings.
  void ApplySettings();
  void UpdateCaption();
  void EnableDatabaseCommands(bool enabled);

  void SaveSettings();
  void SaveOptions();
  void SavePrintSettings();
  void SaveDisplaySettings();
  void SaveGraphicSettings();
  void SaveDialogStates();

  std::string GetOption(int n, const std::string& def) const;
  int GetOptionInt(int n, int def) const;
  bool GetOptionBool(int n, bool def) const;
  void SetOption(int n, const std::string& value);
  void SetOptionInt(int n, int value);
  void SetOptionBool(int n, bool value);

  void OpenChangeLog();
  void CloseChangeLog();
  void ClearChangeLog();
  void LogChange(const std::string& text);
  // Turns the change log on or off at run time. On: LogDBAktionen is set
  // only once the log is open; when it cannot open, logging stays off and
  // EConfiguration is raised.
  void SetChangeLogging(bool on);
  std::string ChangeLogPath() const { return DBPath + "dbLog.txt"; }

  void LoadPlaceList(std::vector<std::string>& list) const;
  void LoadSourceList(std::vector<std::string>& list) const;
  void LoadNameList(std::vector<std::string>& list) const;
  void LoadFirstNameList(std::vector<std::string>& list) const;
  void LoadReligionList(std::vector<std::string>& list) const;
  void LoadOccupationList(std::vector<std::string>& list) const;
  void LoadCountryList(std::vector<std::string>& list) const;

  // Signs put before dates; with SpecialFont single characters of the
  // program's symbol font.
  std::string BirthSign() const;
  std::string DeathSign() const;
  std::string MarriageSign() const;
  std::string PartnershipSign() const;
  std::string DivorceSign() const;

  // Paths; directories end in the separator.
  std::string ConfigFileName;
  std::string ProgramPath;
  std::string DBPath;
  std::string MediaDir;

  // [Allgemein]
  std::string Titel;
  bool UseStartPerson = false;
  int StartPerson = 0;
  bool ShowWebDialog = true;
  bool ShowDruckDialog = true;
  // [Darstellung]
  int StandardPersonenRegister = 0;
  bool NeueFenster = true;
  bool PersonenAnsichtGross = false;
  bool Werkzeugleiste = true;
  bool Statuszeile = true;
  bool KomplexeSuche = false;
  bool JuedischeZeichen = false;
  bool SpecialFont = false;
  int MaxBaumGenerationen = 20;
  // [Benutzer]
  std::string GenealVerein, MitgliedNr, Name, Telefon;
  std::array<std::string, 4> Adresse, Mail, tinyText;  // keys Adresse1 .. Adresse4 and so on
  // [Datenbank]
  bool NurLesen = false;
  bool LogDBAktionen = true;
  // [Daten]
  bool AlternativDatum = false;
  bool Monatsname = false;
  bool FamNameAuto = true;
  bool FamNameBeide = false;
  bool FamNameListe = false;
  bool NachnameGross = false;
  bool DatumJahr = false;

  std::string DiversesTitel = "Diverses";
  std::vector<std::string> DiversesListe;
  std::array<std::string, kOptionCount> Options;

  TGraphOptions Grafik;
  TDruckAllgemeinOptions DruckAllgemein;
  TDruckListOptions DruckPersonList, DruckBaumList, DruckRegister, DruckFotoalbum,
      DruckAllgemeineList, DruckOFB, DruckPerson;

  // Window position for the next person view; never stored.
  int NextViewTop = 0;
  int NextViewLeft = 0;

 private:
  void ReadSettings(const TIniFile& ini);
  void PublishDisplaySettings() const;
  std::array<TDruckListOptions*, 7> DruckLists();
  void LoadList(const char* file, std::vector<std::string>& list) const;
  template <class Writer>
  void WriteProjectFile(Writer&& write);

  TChangeLog changeLog_;
};

// The configuration of the open database, or empty.
extern std::unique_ptr<TConfiguration> Config;
