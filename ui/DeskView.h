// TDeskView: the main window, a multiple-document frame. It opens and closes
// databases through the project file, keeps the recent files, and is the
// host of the core (log window of 200 lines, status line, window steps of
// opening and closing).
#pragma once

#include <QMainWindow>
#include <QStringList>

#include "core/Host.h"
#include "core/RecentFiles.h"
#include "ui/QtPrompter.h"

class QAction;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QTimer;

class TDeskView : public QMainWindow, public IHost {
  Q_OBJECT

 public:
  explicit TDeskView(QWidget* parent = nullptr);
  ~TDeskView() override;

  // Opens the project file of the command line, or else the most recent one.
  void Startup(const QStringList& arguments);
  // "&Oeffnen...": asks for a project file and opens it.
  void OpenCommand();
  void OpenRecent(int index);
  // "&Schliessen": closes the open database; false when a window refused.
  bool CloseCommand();

  QMdiArea* MdiArea() const { return mdi_; }
  QPlainTextEdit* LogWindow() const { return logWindow_; }
  const TRecentFiles& RecentFiles() const { return recent_; }

  void Log(const std::string& text) override;
  void ShowStatus(const std::string& text) override;
  void ShowStatusFixed(const std::string& text) override;
  void ProcessMessages() override;
  void SetCaption(const std::string& caption) override;
  void EnableDatabaseCommands(bool enabled, bool showToolbar) override;
  void ApplyDisplaySettings(const DisplayFlags& flags) override;
  bool CloseChildWindows() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void RebuildRecentMenu();
  // Closes what is open, then opens path; logPrefix starts the log line.
  void OpenFile(const QString& path, const QString& logLine, bool addToRecent);
  void ShowOpenError(const std::exception& e, bool atStartup);

  QMdiArea* mdi_ = nullptr;
  QPlainTextEdit* logWindow_ = nullptr;
  QMenu* databaseMenu_ = nullptr;
  QAction* openAction_ = nullptr;
  QAction* closeAction_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  QAction* exitAction_ = nullptr;
  QList<QAction*> recentActions_;
  QTimer* statusTimer_ = nullptr;
  TRecentFiles recent_;
  TQtPrompter prompter_;
};
