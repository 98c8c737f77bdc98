// TDeskView: the main window, a multiple-document frame. It opens and closes
// databases through the project file, keeps the recent files, carries the
// menus, the tool bar "Panel1", the status line and the hidden log window
// of 200 lines, and is the host of the core (window steps of opening and
// closing, person views affected by changes). Commands whose windows do not
// exist yet are in the menus, disabled, under their object names.
// Closing the window is refused while a database stays open.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>

#include "core/Host.h"
#include "core/RecentFiles.h"
#include "ui/QtPrompter.h"

class QAction;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolBar;
class TViewManager;

class TDeskView : public QMainWindow, public IHost {
  Q_OBJECT

 public:
  explicit TDeskView(QWidget* parent = nullptr);
  ~TDeskView() override;

  // Opens the project file of the command line, or else the most recent one.
  void Startup(const QStringList& arguments);

  // "&Datenbank"
  // "&Oeffnen...": asks for a project file and opens it.
  void OpenCommand();
  void OpenRecent(int index);
  // "&Schliessen": closes the open database; false when a window refused
  // or a long run is active.
  bool CloseCommand();
  // "&Beenden": closes the database, then the window.
  void ExitCommand();
  // "&Neu...": closes the open database, then the new-database dialog.
  void NewDatabaseCommand();
  void InfoCommand();
  // Before archives and the repair: asks with message + "Wollen Sie
  // fortfahren?" and closes the database; true when none is open after.
  bool CloseForMaintenance(const std::string& message);
  // The new-database dialog created projectFile: its configuration is made
  // (without the steps after opening) and it heads the recent files.
  void OpenCreatedDatabase(const std::string& projectFile);

  // "&Bearbeiten" on the focused text control.
  void CutCommand();
  void CopyCommand();
  void PasteCommand();
  void DeleteTextCommand();
  void SelectAllCommand();
  // The enabling rules applied when "&Bearbeiten" opens.
  void UpdateEditMenu();
  void UpdateViewMenu();
  void UpdatePersonMenu();

  // "&Person"
  void NewPersonCommand();
  void DeletePersonCommand();
  void DeleteMarriageCommand();

  // "&Ansicht" and "&Einstellungen"
  void ChangeLogCommand();
  void KeywordCommand();
  void SetExtendedSearchDefault(bool on);
  void SetNewWindows(bool on);
  void SetToolbarShown(bool on);
  void SetStatusLineShown(bool on);
  // The search window the search commands show: extended or quick.
  bool ExtendedSearchCurrent() const { return extendedSearch_; }

  // "&Fenster"
  void TileSideBySide();
  void TileOneBelowTheOther();
  void ArrangeIcons();
  void CopyActiveWindowImage();
  // Closes every person data view; other child windows stay.
  void CloseAllViews();

  // The four view buttons: visible or not, and which kind is pressed (-1 none).
  void SetViewButtons(bool visible, int pressedKind);

  QMdiArea* MdiArea() const { return mdi_; }
  QPlainTextEdit* LogWindow() const { return logWindow_; }
  QToolBar* ToolBar() const { return toolBar_; }
  TViewManager* Views() const { return views_; }
  const TRecentFiles& RecentFiles() const { return recent_; }

  // --- host --------------------------------------------------------------
  void Log(const std::string& text) override;
  void ShowStatus(const std::string& text) override;
  void ShowStatusFixed(const std::string& text) override;
  void ProcessMessages() override;
  void SetCaption(const std::string& caption) override;
  void EnableDatabaseCommands(bool enabled, bool showToolbar) override;
  void ApplyDisplaySettings(const DisplayFlags& flags) override;
  void SelectSearchDialog(bool extended) override;
  void ShowKeywordBuildDialog() override;
  void OpeningFailed() override;
  bool CloseChildWindows() override;
  bool ClosePersonView(int id) override;
  void DropMarriage(int viewPersonId, int marriageId) override;
  void RefreshChildren(int personId) override;
  void RefreshLinks(int personId) override;
  void PersonDeleted(int id) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // DeskViewMenus.cpp
  void BuildMenus();
  void BuildDatabaseMenu();
  void BuildEditMenu();
  void BuildViewMenu();
  void BuildPersonMenu();
  void BuildSettingsMenu();
  void BuildHtmlMenu();
  void BuildPrintMenu();
  void BuildWindowMenu();
  void BuildHelpMenu();
  void BuildToolBar();
  void RebuildRecentMenu();
  void RebuildWindowList();
  // Enables the commands that change data unless the database is read-only.
  void UpdateWritingCommands();

  // DeskView.cpp
  // Closes what is open, then opens path.
  void OpenFile(const QString& path, const QString& logLine, bool startPerson);
  bool CloseDatabaseSteps();
  void ShowOpenError(const std::exception& e, bool atStartup);
  bool DatabaseOpen() const;
  bool ReadOnlyDatabase() const;
  // Runs a command, showing a failure once in an error box.
  void Guarded(const std::function<void()>& command);

  QMdiArea* mdi_ = nullptr;
  QPlainTextEdit* logWindow_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QTimer* statusTimer_ = nullptr;
  TViewManager* views_ = nullptr;

  QMenu* databaseMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QList<QAction*> recentActions_;
  // The menus and commands that need an open database.
  QList<QAction*> databaseCommands_;
  // The commands that change data: off while the database is read-only.
  QList<QAction*> writingCommands_;
  QMenu* editMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QMenu* personMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QAction* windowListSeparator_ = nullptr;
  QList<QAction*> windowListActions_;
  // The view commands of "&Ansicht" and their tool buttons, by view kind.
  std::array<QAction*, 4> viewItems_{};
  std::array<QAction*, 4> viewButtons_{};
  bool viewButtonsShown_ = false;
  int pressedView_ = -1;

  bool extendedSearch_ = false;
  TRecentFiles recent_;
  TQtPrompter prompter_;
};
