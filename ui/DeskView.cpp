// The main window: construction, start-up, and the opening and closing of
// databases.
#include "ui/DeskView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/Configuration.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Project.h"
#include "db/AhnenDB.h"
#include "ui/DBInfoDlg.h"
#include "ui/DialogRunner.h"
#include "ui/FileChooser.h"
#include "ui/LongRun.h"
#include "ui/NeueDatenbankDlg.h"
#include "ui/QtText.h"
#include "ui/ViewManager.h"

namespace {

constexpr int kStatusMillis = 10000;
constexpr int kLogLines = 200;
constexpr int kHintDelayMillis = 100;

// Hints come quickly: the weekday of a date is read in passing.
class THintStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintDelayMillis;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

}  // namespace

void TDeskView::Guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
  }
}

TDeskView::TDeskView(QWidget* parent) : QMainWindow(parent), prompter_(this) {
  setObjectName(QStringLiteral("DeskView"));
  auto* client = new QWidget(this);
  auto* layout = new QVBoxLayout(client);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  mdi_ = new QMdiArea(client);
  mdi_->setObjectName(QStringLiteral("MdiArea"));
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  logWindow_ = new QPlainTextEdit(client);
  logWindow_->setObjectName(QStringLiteral("LogWindow"));
  logWindow_->setReadOnly(true);
  logWindow_->setMaximumBlockCount(kLogLines);
  logWindow_->setMaximumHeight(180);
  logWindow_->hide();
  layout->addWidget(mdi_, 1);
  layout->addWidget(logWindow_);
  setCentralWidget(client);

  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusTimer_ = new QTimer(this);
  statusTimer_->setObjectName(QStringLiteral("StatusBarTimer"));
  statusTimer_->setSingleShot(true);
  statusTimer_->setInterval(kStatusMillis);
  connect(statusTimer_, &QTimer::timeout, this, [this] {
    statusTimer_->stop();
    statusBar()->clearMessage();
  });

  BuildMenus();
  BuildToolBar();
  setAcceptDrops(true);
  if (!dynamic_cast<THintStyle*>(QApplication::style()))
    QApplication::setStyle(new THintStyle(QApplication::style()->name()));
  qApp->installEventFilter(this);

  SetHost(this);
  views_ = new TViewManager(this);
  SetViewManager(views_);
  SetPrompter(&prompter_);
  SetCaption(kProgramCaption);
  EnableDatabaseCommands(false, false);
  recent_.Load();
  RebuildRecentMenu();
}

TDeskView::~TDeskView() {
  qApp->removeEventFilter(this);
  // The core must not call into a window that is gone.
  Config.reset();
  SetPrompter(nullptr);
  SetHost(nullptr);
  if (ViewManager() == views_) SetViewManager(nullptr);
}

bool TDeskView::DatabaseOpen() const { return Config && AhnenDB; }

bool TDeskView::ReadOnlyDatabase() const { return Config && Config->NurLesen; }

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
  UpdateWritingCommands();
}

void TDeskView::OpenFile(const QString& path, const QString& logLine, bool startPerson) {
  if (ProjectOpen() && !CloseDatabaseSteps()) return;
  Log(FromQ(logLine));
  try {
    OpenProject(FromQ(path));
  } catch (const std::exception& e) {
    UpdateWritingCommands();
    ShowOpenError(e, false);
    return;
  }
  recent_.Add(Config->ConfigFileName);
  recent_.Store();
  RebuildRecentMenu();
  UpdateWritingCommands();
  if (startPerson && Config->UseStartPerson && Config->StartPerson > 0 && ViewKindCreatable(vkPersonData))
    views_->OpenPersonView(Config->StartPerson);
}

void TDeskView::OpenCommand() {
  if (RefuseWhileLongRun()) return;
  FileRequest request;
  request.title = QStringLiteral("Orvelin-Datenbank öffnen");
  request.filter = QStringLiteral("Orvelin-Datenbank (*.ov)");
  request.defaultSuffix = QStringLiteral("ov");
  const auto path = ChooseOpenFile(this, request);
  if (!path) return;
  OpenFile(*path, QStringLiteral("Neuer ini-File: ") + *path, true);
}

void TDeskView::OpenRecent(int index) {
  if (RefuseWhileLongRun()) return;
  const auto& files = recent_.Files();
  if (index < 0 || index >= static_cast<int>(files.size())) return;
  const QString path = ToQ(files[static_cast<std::size_t>(index)]);
  OpenFile(path, QStringLiteral("Neuer ini-File: ") + path, false);
}

bool TDeskView::CloseDatabaseSteps() {
  if (!Config) return true;
  bool closed = false;
  try {
    closed = Config->CloseDatabase();
  } catch (const std::exception&) {
    // A failure while closing must not keep the user from leaving.
    closed = true;
  }
  if (closed) Config.reset();
  UpdateWritingCommands();
  return closed;
}

bool TDeskView::CloseCommand() {
  if (RefuseWhileLongRun()) return false;
  return CloseDatabaseSteps();
}

void TDeskView::ExitCommand() {
  if (RefuseWhileLongRun()) return;
  if (CloseDatabaseSteps()) close();
}

void TDeskView::closeEvent(QCloseEvent* event) {
  if (TLongRun::Active()) {
    ShowWarning(kLongRunBusyText);
    event->ignore();
    return;
  }
  if (CloseDatabaseSteps())
    event->accept();
  else
    event->ignore();
}

bool TDeskView::CloseForMaintenance(const std::string& message) {
  if (RefuseWhileLongRun()) return false;
  if (!Config) return true;
  if (!ConfirmYesNo(message + "\n\nWollen Sie fortfahren?")) return false;
  return CloseDatabaseSteps();
}

void TDeskView::NewDatabaseCommand() {
  if (RefuseWhileLongRun()) return;
  if (Config && !CloseDatabaseSteps()) {
    ShowWarning("Da geöffnete Datenbank nicht geschlossen wurde, konnte keine neue Datenbank erstellt werden.");
    return;
  }
  TNewDbDlg2 dialog(this);
  ExecDialog(dialog);
}

void TDeskView::OpenCreatedDatabase(const std::string& projectFile) {
  if (Config && !CloseDatabaseSteps()) return;
  try {
    Config = std::make_unique<TConfiguration>(projectFile);
  } catch (const EConfiguration& e) {
    Config.reset();
    ShowErrorBox(e.what());
  }
  recent_.Add(projectFile);
  recent_.Store();
  RebuildRecentMenu();
  UpdateWritingCommands();
}

void TDeskView::InfoCommand() {
  if (!DatabaseOpen()) return;
  TDBInfo dialog(this);
  ExecDialog(dialog);
}
