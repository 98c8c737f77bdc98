// The main window's databases: caption, database menu, opening from the
// command line, the recent files and the Open command, closing and its
// refusal, status line and log window.
#include <QtTest>

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "core/Configuration.h"
#include "core/RecentFiles.h"
#include "core/UserStore.h"
#include "db/Schema.h"
#include "ui/DeskView.h"
#include "ui/FileChooser.h"

namespace {

// A child window with unsaved changes that will not close.
class StubbornChild : public QWidget {
 protected:
  void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

QAction* FindAction(QWidget* w, const char* name) { return w->findChild<QAction*>(QString::fromLatin1(name)); }

}  // namespace

class DeskViewTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir* tmp_ = nullptr;
  TScriptedPrompter prompter_;

  // A project file beside the tables of a new database.
  QString WriteProject(const QString& name, const QByteArray& text) {
    const QString dir = tmp_->path() + "/";
    if (!QFile::exists(dir + "Person.DB")) CreateDatabaseFiles(dir.toStdString(), "");
    QFile f(dir + name);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return f.fileName();
  }
  bool LogHas(TDeskView& w, const QString& line) {
    return w.LogWindow()->toPlainText().split('\n').contains(line);
  }

 private slots:
  void init() {
    tmp_ = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", tmp_->filePath("config").toUtf8());
    userstore::Reset();
    prompter_ = TScriptedPrompter{};
  }
  void cleanup() {
    SetFileChooser({});
    delete tmp_;
  }

  void startsWithCaptionAndDatabaseMenu() {
    TDeskView w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15"));
    QMenu* menu = w.findChild<QMenu*>("DatenbankMenu");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("&Datenbank"));
    QStringList texts;
    for (QAction* a : menu->actions())
      if (!a->isSeparator() && a->isVisible()) texts << a->text();
    QCOMPARE(texts, (QStringList{"&Oeffnen...", "&Neu...", "&Info", "&Druckereinrichtung...", "Orvelin-&Archiv",
                                 "&GEDCOM", "&FOKO Export...", "&Tiny Tafel Export...", "Te&xtdatei Export...",
                                 "Reparatur...", "&Schliessen", "&Beenden"}));
    QStringList menus;
    for (QAction* a : w.menuBar()->actions()) menus << a->text();
    QCOMPARE(menus, (QStringList{"&Datenbank", "&Bearbeiten", "&Ansicht", "&Person", "&Einstellungen",
                                 "HT&ML, Web, Drucken", "Druc&ken", "&Fenster", "&Hilfe"}));
    QVERIFY(!FindAction(&w, "SchliessenItem")->isEnabled());
    QVERIFY(!Config);
  }

  void commandLineFileIsOpenedAndClosed() {
    const QString path = WriteProject("Familie.ov", "[Allgemein]\r\nTitel=Familie Müller\r\n");
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({path});
    QVERIFY(Config);
    QCOMPARE(QString::fromStdString(Config->ConfigFileName), path);
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15 - Familie Müller"));
    QVERIFY(FindAction(&w, "SchliessenItem")->isEnabled());
    QVERIFY(LogHas(w, "Mitgegebenes INI-File: \"" + path + "\""));
    QCOMPARE(FindAction(&w, "RecentFile1")->text(), "&1 " + path);
    QVERIFY(prompter_.asked.empty());

    FindAction(&w, "SchliessenItem")->trigger();
    QVERIFY(!Config);
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15"));
    QVERIFY(!FindAction(&w, "SchliessenItem")->isEnabled());
  }

  void mostRecentFileIsOpenedWithoutArgument() {
    const QString path = WriteProject("Letzte.ov", "[Allgemein]\r\n");
    {
      TRecentFiles recent;
      recent.Add(path.toStdString());
      QVERIFY(recent.Store());
    }
    userstore::Reset();
    TDeskView w;
    w.Startup({});
    QVERIFY(Config);
    QVERIFY(LogHas(w, "Registry-INI-File: \"" + path + "\""));
    QVERIFY(w.close());
    QVERIFY(!Config);
  }

  void missingFileShowsTheMessageAndOpensNothing() {
    const QString path = tmp_->filePath("fehlt.ov");
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({path});
    QVERIFY(!Config);
    QCOMPARE(prompter_.asked.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(prompter_.asked[0].text),
             "Konfigurationsdatei \"" + path + "\" konnte nicht geöffnet werden!");
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15"));
    QVERIFY(!FindAction(&w, "RecentFile1")->isVisible());
  }

  void openCommandAsksForAProjectFile() {
    const QString first = WriteProject("Eins.ov", "[Allgemein]\r\nTitel=Eins\r\n");
    const QString second = WriteProject("Zwei.ov", "[Allgemein]\r\nTitel=Zwei\r\n");
    TDeskView w;
    SetPrompter(&prompter_);
    FileRequest asked;
    QString answer = first;
    SetFileChooser([&](const FileRequest& r) -> std::optional<QString> {
      asked = r;
      if (answer.isEmpty()) return std::nullopt;
      return answer;
    });
    FindAction(&w, "OeffnenItem")->trigger();
    QCOMPARE(asked.title, QStringLiteral("Orvelin-Datenbank öffnen"));
    QCOMPARE(asked.defaultSuffix, QStringLiteral("ov"));
    QVERIFY(asked.mustExist);
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15 - Eins"));
    QVERIFY(LogHas(w, "Neuer ini-File: " + first));

    answer = second;
    FindAction(&w, "OeffnenItem")->trigger();
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15 - Zwei"));
    QCOMPARE(FindAction(&w, "RecentFile1")->text(), "&1 " + second);
    QCOMPARE(FindAction(&w, "RecentFile2")->text(), "&2 " + first);

    answer.clear();  // cancelled: nothing changes
    FindAction(&w, "OeffnenItem")->trigger();
    QCOMPARE(QString::fromStdString(Config->ConfigFileName), second);

    FindAction(&w, "RecentFile2")->trigger();
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15 - Eins"));
    QCOMPARE(FindAction(&w, "RecentFile1")->text(), "&1 " + first);
    QVERIFY(prompter_.asked.empty());
  }

  void refusingChildKeepsDatabaseAndWindowOpen() {
    const QString path = WriteProject("Familie.ov", "[Allgemein]\r\n");
    TDeskView w;
    w.show();
    w.Startup({path});
    QMdiSubWindow* sub = w.MdiArea()->addSubWindow(new StubbornChild);
    sub->show();
    QVERIFY(!w.close());
    QVERIFY(Config);
    QVERIFY(!w.CloseCommand());
    QVERIFY(Config);
    delete sub;
    QVERIFY(w.close());
    QVERIFY(!Config);
  }

  void statusLineClearsAfterItsTimer() {
    TDeskView w;
    w.ShowStatus("Suche läuft");
    QTimer* timer = w.findChild<QTimer*>("StatusBarTimer");
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 10000);
    w.ShowStatusFixed("bleibt");
    QVERIFY(!timer->isActive());
  }

  void logWindowKeeps200Lines() {
    TDeskView w;
    for (int i = 0; i < 250; ++i) w.Log("Zeile " + std::to_string(i));
    const QStringList lines = w.LogWindow()->toPlainText().split('\n');
    QCOMPARE(lines.size(), 200);
    QCOMPARE(lines.front(), QStringLiteral("Zeile 50"));
    QVERIFY(!w.LogWindow()->isVisible());
  }
};

QTEST_MAIN(DeskViewTest)
#include "DeskViewTest.moc"
