// The host: how the core reaches the main window without knowing Qt. The log
// pane, the status line and "let pending messages run" are the basic calls;
// the window steps of opening and closing a database are the others and do
// nothing by default, so ovtool and tests need only the basic ones.
// One host is current per process; without a window it is a plain host that
// records what it is told.
#pragma once

#include <string>
#include <vector>

class TIniFile;

struct DisplayFlags {
  bool neueFenster = true;
  bool komplexeSuche = false;
  bool werkzeugleiste = true;
  bool statuszeile = true;
};

struct ToolWindowStates {
  bool suchenSimple = false;
  bool suchenComplex = false;
  bool favoriten = false;
  bool quellen = false;
};

class IHost {
 public:
  virtual ~IHost();

  virtual void Log(const std::string& text) = 0;
  virtual void ShowStatus(const std::string& text) = 0;
  virtual void ShowStatusFixed(const std::string& text) = 0;
  virtual void ProcessMessages() = 0;

  // Main window caption and the commands that need an open database.
  virtual void SetCaption(const std::string& caption) {}
  virtual void EnableDatabaseCommands(bool enabled, bool showToolbar) {}
  virtual void ApplyDisplaySettings(const DisplayFlags& flags) {}

  // Steps of opening a project file.
  virtual void SelectSearchDialog(bool extended) {}
  virtual void ShowToolWindows(const ToolWindowStates& states) {}
  virtual void ReadFavourites(TIniFile& ini) {}
  virtual void OpenSelectionWindow() {}
  virtual void LoadSelection() {}
  virtual void RefreshSelectionWindow() {}
  virtual void ReadSearchSettings(TIniFile& ini) {}
  // Shown when an older database got its keyword table just now.
  virtual void ShowKeywordBuildDialog() {}
  // The opening failed after tool windows were shown: they must not go on
  // working without a database.
  virtual void OpeningFailed() {}

  // Steps of closing a database.
  virtual void WriteSearchSettings(TIniFile& ini) {}
  virtual ToolWindowStates ToolWindowVisibility() { return {}; }
  virtual void WriteFavourites(TIniFile& ini) {}
  virtual bool SelectionWindowOpen() { return false; }
  // Asks every child window to close, last first; false when one refused.
  virtual bool CloseChildWindows() { return true; }
  virtual void SaveSelectionIfChanged() {}
  virtual void ClearToolWindows() {}

  // Person views affected by changes of the database.
  // Closes the open person view of id; false when it refused (unsaved changes).
  virtual bool ClosePersonView(int id) { return true; }
  // The open view of viewPersonId drops the marriage that was deleted.
  virtual void DropMarriage(int viewPersonId, int marriageId) {}
  virtual void RefreshChildren(int personId) {}
  virtual void RefreshLinks(int personId) {}
  // A person was deleted: selections, favourites, history and result lists
  // drop its id (ids are used again).
  virtual void PersonDeleted(int id) {}
};

// Records everything; prints log lines to standard error when asked to.
class TPlainHost : public IHost {
 public:
  explicit TPlainHost(bool echo = false) : echo_(echo) {}
  void Log(const std::string& text) override;
  void ShowStatus(const std::string& text) override { status = text; }
  void ShowStatusFixed(const std::string& text) override { status = text; }
  void ProcessMessages() override {}

  std::vector<std::string> logLines;
  std::string status;

 private:
  bool echo_;
};

IHost& Host();
// Makes host current (not owned); nullptr restores the plain host.
void SetHost(IHost* host);

inline void Log(const std::string& text) { Host().Log(text); }
