#include "ui/DeskView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Configuration.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Project.h"
#include "ui/FileChooser.h"
#include "ui/QtText.h"

namespace {
constexpr int kStatusMillis = 10000;
constexpr int kLogLines = 200;
}  // namespace

TDeskView::TDeskView(QWidget* parent) : QMainWindow(parent), prompter_(this) {
  setObjectName(QStringLiteral("DeskView"));
  auto* client = new QWidget(this);
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  mdi_ = new QMdiArea(client);
  mdi_->setObjectName(QStringLiteral("MdiArea"));
  logWindow_ = new QPlainTextEdit(client);
  logWindow_->setObjectName(QStringLiteral("LogWindow"));
  logWindow_->setReadOnly(true);
  logWindow_->setMaximumBlockCount(kLogLines);
  logWindow_->hide();
  layout->addWidget(mdi_, 1);
  layout->addWidget(logWindow_);
  setCentralWidget(client);

  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusTimer_ = new QTimer(this);
  statusTimer_->setObjectName(QStringLiteral("StatusBarTimer"));
  statusTimer_->setSingleShot(true);
  statusTimer_->setInterval(kStatusMillis);
  connect(statusTimer_, &QTimer::timeout, this, [this] { statusBar()->clearMessage(); });

  BuildMenus();
  SetHost(this);
  SetPrompter(&prompter_);
  SetCaption(kProgramCaption);
  EnableDatabaseCommands(false, false);
  recent_.Load();
  RebuildRecentMenu();
}

TDeskView::~TDeskView() {
  // The core must not call into a window that is gone.
  Config.reset();
  SetPrompter(nullptr);
  SetHost(nullptr);
}

void TDeskView::BuildMenus() {
  databaseMenu_ = menuBar()->addMenu(QStringLiteral("&Datenbank"));
  databaseMenu_->setObjectName(QStringLiteral("DatenbankMenu"));
  openAction_ = databaseMenu_->addAction(QStringLiteral("&Oeffnen..."), this, &TDeskView::OpenCommand);
  openAction_->setObjectName(QStringLiteral("OeffnenItem"));
  openAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  closeAction_ = databaseMenu_->addAction(QStringLiteral("&Schliessen"), this, [this] { CloseCommand(); });
  closeAction_->setObjectName(QStringLiteral("SchliessenItem"));
  databaseMenu_->addSeparator();
  exitAction_ = databaseMenu_->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);
  exitAction_->setObjectName(QStringLiteral("BeendenItem"));
  recentSeparator_ = databaseMenu_->addSeparator();
}

void TDeskView::RebuildRecentMenu() {
  // The entries are made once and relabelled: one of them may be the
  // action being triggered right now.
  while (recentActions_.size() < TRecentFiles::kMaxEntries) {
    const int index = static_cast<int>(recentActions_.size());
    QAction* a = databaseMenu_->addAction(QString(), this, [this, index] { OpenRecent(index); });
    a->setObjectName(QStringLiteral("RecentFile%1").arg(index + 1));
    recentActions_.push_back(a);
  }
  const auto& files = recent_.Files();
  for (int i = 0; i < recentActions_.size(); ++i) {
    QAction* a = recentActions_[i];
    const bool used = i < static_cast<int>(files.size());
    a->setText(used ? QStringLiteral("&%1 %2").arg(i + 1).arg(MenuSafe(ToQ(files[static_cast<std::size_t>(i)])))
                    : QString());
    a->setVisible(used);
  }
  recentSeparator_->setVisible(!files.empty());
}

void TDeskView::ShowOpenError(const std::exception& e, bool atStartup) {
  if (dynamic_cast<const EConfiguration*>(&e) || !atStartup)
    ShowErrorBox(e.what());
  else
    ShowErrorBox(std::string("Fehler: ") + e.what());
}

void TDeskView::Startup(const QStringList& arguments) {
  const QString given = arguments.isEmpty() ? QString() : arguments.front();
  try {
    if (!given.isEmpty()) {
      Log("Mitgegebenes INI-File: \"" + FromQ(given) + "\"");
      OpenProject(FromQ(given));
      recent_.Add(Config->ConfigFileName);
      recent_.Store();
      RebuildRecentMenu();
    } else if (const std::string last = recent_.MostRecent(); !last.empty() && FileExists(last)) {
      Log("Registry-INI-File: \"" + last + "\"");
      OpenProject(last);
    }
  } catch (const std::exception& e) {
    ShowOpenError(e, true);
  }
}

void TDeskView::OpenFile(const QString& path, const QString& logLine, bool addToRecent) {
  if (ProjectOpen() && !CloseCommand()) return;
  Log(FromQ(logLine));
  try {
    OpenProject(FromQ(path));
  } catch (const std::exception& e) {
    ShowOpenError(e, false);
    return;
  }
  if (addToRecent) {
    recent_.Add(Config->ConfigFileName);
    recent_.Store();
    RebuildRecentMenu();
  }
}

void TDeskView::OpenCommand() {
  const auto path = ChooseOpenFile(this, {QStringLiteral("Orvelin-Datenbank öffnen"),
                                          QStringLiteral("Orvelin-Datenbank (*.ov)"), QStringLiteral("ov"), true});
  if (!path) return;
  OpenFile(*path, QStringLiteral("Neuer ini-File: ") + *path, true);
}

void TDeskView::OpenRecent(int index) {
  const auto& files = recent_.Files();
  if (index < 0 || index >= static_cast<int>(files.size())) return;
  const QString path = ToQ(files[static_cast<std::size_t>(index)]);
  OpenFile(path, QStringLiteral("Neuer ini-File: ") + path, true);
}

bool TDeskView::CloseCommand() {
  if (!Config) return true;
  bool closed = false;
  try {
    closed = Config->CloseDatabase();
  } catch (const std::exception&) {
    // A failure while closing must not keep the user from leaving.
    closed = true;
  }
  if (closed) Config.reset();
  return closed;
}

void TDeskView::closeEvent(QCloseEvent* event) {
  if (CloseCommand())
    event->accept();
  else
    event->ignore();
}

// --- host ------------------------------------------------------------------------

void TDeskView::Log(const std::string& text) { logWindow_->appendPlainText(ToQ(text)); }

void TDeskView::ShowStatus(const std::string& text) {
  statusBar()->showMessage(ToQ(text));
  statusTimer_->start();
}

void TDeskView::ShowStatusFixed(const std::string& text) {
  statusTimer_->stop();
  statusBar()->showMessage(ToQ(text));
}

void TDeskView::ProcessMessages() { QCoreApplication::processEvents(); }

void TDeskView::SetCaption(const std::string& caption) { setWindowTitle(ToQ(caption)); }

void TDeskView::EnableDatabaseCommands(bool enabled, bool showToolbar) { closeAction_->setEnabled(enabled); }

void TDeskView::ApplyDisplaySettings(const DisplayFlags& flags) { statusBar()->setVisible(flags.statuszeile); }

bool TDeskView::CloseChildWindows() {
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    QMdiSubWindow* w = *it;
    mdi_->setActiveSubWindow(w);
    w->close();
    ProcessMessages();
  }
  for (QMdiSubWindow* w : mdi_->subWindowList())
    if (w->isVisible()) return false;
  return true;
}
