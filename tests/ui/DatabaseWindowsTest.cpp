// The database windows: the new-database dialog with its three steps and
// questions, the information window's counts, the change-log viewer, and
// the keyword build dialog with its options, its note for older databases,
// its stop and the main window's refusals while it runs.
#include <QtTest>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include "core/Configuration.h"
#include "core/IniFile.h"
#include "core/UserStore.h"
#include "db/AhnenDB.h"
#include "db/Schema.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/DBInfoDlg.h"
#include "ui/DBLogDlg.h"
#include "ui/DeskView.h"
#include "ui/DialogRunner.h"
#include "ui/FileChooser.h"
#include "ui/LongRun.h"
#include "ui/NeueDatenbankDlg.h"
#include "ui/QtText.h"
#include "ui/SchluesselWorteDlg.h"

using namespace uitest;

namespace {

void Click(QWidget* dialog, const char* button) {
  auto* b = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
  QVERIFY2(b, button);
  b->click();
}

QLineEdit* Edit(QWidget* dialog, const char* name) { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); }

QString FileText(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return QString::fromLatin1(f.readAll());
}

int SessionLines(const QString& text) {
  int n = 0;
  for (const QString& line : text.split(QRegularExpression("\r?\n")))
    if (line.endsWith(" Neue Session")) ++n;
  return n;
}

std::vector<std::string> Keywords() {
  std::vector<std::string> keys;
  TStatement st(AhnenDB->Connection(), "SELECT key FROM " + TableDef(TableId::Key).Qualified() + " ORDER BY AutoInc");
  while (st.Step()) keys.push_back(st.Text(0));
  return keys;
}

TDBLogView* LogViewer(TDeskView& w) {
  for (QMdiSubWindow* sub : w.MdiArea()->subWindowList())
    if (auto* v = qobject_cast<TDBLogView*>(sub->widget()); v && !sub->isHidden()) return v;
  return nullptr;
}

}  // namespace

class DatabaseWindowsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir* tmp_ = nullptr;
  TScriptedPrompter prompter_;

  QString Dir(const QString& name) const { return tmp_->filePath(name); }
  // Runs the three steps with dir; the dialog is left after "&Fertig >>".
  void RunSteps(TNewDbDlg2& dlg, const QString& name, const QString& dir) {
    Edit(&dlg, "NameEdit")->setText(name);
    Click(&dlg, "Weiter1Btn");
    Edit(&dlg, "VerzeichnisEdit")->setText(dir);
    Click(&dlg, "Weiter2Btn");
    Click(&dlg, "FertigBtn");
  }

 private slots:
  void init() {
    tmp_ = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", tmp_->filePath("config").toUtf8());
    qputenv("HOME", tmp_->filePath("home").toUtf8());
    userstore::Reset();
    prompter_ = TScriptedPrompter{};
  }
  void cleanup() {
    SetDialogRunner({});
    SetFileChooser({});
    delete tmp_;
  }

  // --- new database ---------------------------------------------------------------------

  void newDatabaseIsCreatedAndOpened() {
    TDeskView w;
    SetPrompter(&prompter_);
    TNewDbDlg2 dlg(&w);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Neue Datenbank erstellen"));
    QCOMPARE(Edit(&dlg, "NameEdit")->text(), QStringLiteral("Familie ..."));
    QCOMPARE(dlg.Step(), 0);
    Edit(&dlg, "NameEdit")->setText("Familie Test");
    Click(&dlg, "Weiter1Btn");
    QCOMPARE(dlg.Step(), 1);
    QCOMPARE(Edit(&dlg, "VerzeichnisEdit")->text(), Dir("home") + "/OrvelinDaten/Familie Test");
    const QString dir = Dir("neu/Familie Test");
    Edit(&dlg, "VerzeichnisEdit")->setText(dir);
    Click(&dlg, "Weiter2Btn");
    QCOMPARE(dlg.Step(), 2);
    QCOMPARE(Edit(&dlg, "MediaEdit")->text(), dir + "/Media");
    Click(&dlg, "FertigBtn");

    QCOMPARE(prompter_.asked.size(), std::size_t{1});
    QCOMPARE(prompter_.asked[0].text,
             "Das Datenbank-Verzeichnis \"" + FromQ(dir) + "/\" existiert noch nicht. Soll es erzeugt werden?");
    QVERIFY(prompter_.asked[0].kind == PromptKind::Confirmation);
    QVERIFY(prompter_.asked[0].buttons == PromptButtons::YesCancel);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));

    const QString project = dir + "/Orvelin.ov";
    QVERIFY(Config);
    QCOMPARE(ToQ(Config->ConfigFileName), project);
    for (TableId t : AllTables()) QVERIFY2(TableFileExists(FromQ(dir) + "/", TableDef(t).file), TableDef(t).file);
    for (const char* list : {"name.lst", "vorname.lst", "ort.lst", "beruf.lst", "religion.lst", "land.lst",
                             "quelle.lst", "selpers.lst"})
      QVERIFY2(QFile::exists(dir + "/" + list), list);
    QVERIFY(QFileInfo(dir + "/Media").isDir());
    const QStringList lines = FileText(project).split("\r\n");
    QVERIFY(lines.contains("Titel='Familie Test'"));
    QVERIFY(lines.contains("Media-Dir='" + dir + "/Media/'"));
    QCOMPARE(ToQ(Config->MediaDir), dir + "/Media/");
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15 - Familie Test"));
    QCOMPARE(Action(&w, "RecentFile1")->text(), "&1 " + project);
    QVERIFY(LogHas(w, "Inifile der neuen DB: " + project));
    QVERIFY(Action(&w, "SchliessenItem")->isEnabled());
    QVERIFY(Action(&w, "NeuPersonItem")->isEnabled());
    QCOMPARE(AhnenDB->RecordCount(TableId::Person), 0);
  }

  void returnKeyWalksTheSteps() {
    TDeskView w;
    SetPrompter(&prompter_);
    prompter_.answers = {PromptAnswer::Cancel};
    TNewDbDlg2 dlg(&w);
    dlg.show();
    QTest::keyClick(Edit(&dlg, "NameEdit"), Qt::Key_Return);
    QCOMPARE(dlg.Step(), 1);
    QTest::keyClick(Edit(&dlg, "VerzeichnisEdit"), Qt::Key_Return);
    QCOMPARE(dlg.Step(), 2);
    QTest::keyClick(Edit(&dlg, "MediaEdit"), Qt::Key_Return);
    // "&Fertig >>" asked to create the directory; the answer was no.
    QCOMPARE(prompter_.asked.size(), std::size_t{1});
    QVERIFY(dlg.isVisible());
  }

  void existingEmptyDirectoryAsksOnce() {
    const QString dir = Dir("leer");
    QDir().mkpath(dir);
    TDeskView w;
    SetPrompter(&prompter_);
    TNewDbDlg2 dlg(&w);
    RunSteps(dlg, "Leer", dir);
    QCOMPARE(prompter_.asked.size(), std::size_t{1});
    QCOMPARE(prompter_.asked[0].text, "Das Datenbank-Verzeichnis \"" + FromQ(dir) +
                                          "/\" existiert bereits. Sollen eventuell vorhandene Daten überschrieben "
                                          "werden?");
    QVERIFY(prompter_.asked[0].kind == PromptKind::Warning);
    QVERIFY(prompter_.asked[0].buttons == PromptButtons::YesCancel);
    QVERIFY(Config);
    QVERIFY(QFile::exists(dir + "/Person.DB"));
  }

  void existingDatabaseIsReplacedKeepingItsLists_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("Ja") << true;
    QTest::newRow("Nein") << false;
  }
  void existingDatabaseIsReplacedKeepingItsLists() {
    QFETCH(bool, replace);
    const QString dir = Dir("alt");
    MakeDatabase(dir, "[Allgemein]\r\nTitel=Alt\r\n", "Orvelin.ov");
    {
      QFile names(dir + "/name.lst");
      names.open(QIODevice::WriteOnly);
      names.write("Muster\r\n");
    }
    TDeskView w;
    SetPrompter(&prompter_);
    prompter_.answers = {PromptAnswer::Yes, replace ? PromptAnswer::Yes : PromptAnswer::No};
    TNewDbDlg2 dlg(&w);
    RunSteps(dlg, "Neu", dir);
    QCOMPARE(prompter_.asked.size(), std::size_t{2});
    QCOMPARE(prompter_.asked[1].text, "Im Datenbank-Verzeichnis \"" + FromQ(dir) +
                                          "/\" existieren bereits Orvelin-Dateien. \nDiese Dateien werden "
                                          "überschrieben! Wollen Sie wirklich fortfahren?");
    QVERIFY(prompter_.asked[1].buttons == PromptButtons::YesNo);
    QCOMPARE(QFile::exists(dir + "/Alt_Person.DB"), replace);
    QCOMPARE(Config != nullptr, replace);
    QCOMPARE(dlg.result() == QDialog::Accepted, replace);
    QCOMPARE(FileText(dir + "/name.lst"), QStringLiteral("Muster\r\n"));
    QVERIFY(FileText(dir + "/Orvelin.ov").contains(replace ? "Titel='Neu'" : "Titel=Alt"));
  }

  void cancelledQuestionCreatesNothing() {
    const QString dir = Dir("nie");
    TDeskView w;
    SetPrompter(&prompter_);
    prompter_.answers = {PromptAnswer::Cancel};
    TNewDbDlg2 dlg(&w);
    dlg.show();
    RunSteps(dlg, "Nie", dir);
    QVERIFY(!QFileInfo::exists(dir));
    QVERIFY(!Config);
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.Step(), 2);
    Click(&dlg, "Zurueck3Btn");
    QCOMPARE(dlg.Step(), 1);
    Click(&dlg, "Zurueck2Btn");
    QCOMPARE(dlg.Step(), 0);
    Click(&dlg, "Abbrechen1Btn");
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
  }

  void relativeDirectoryIsRefused() {
    TDeskView w;
    SetPrompter(&prompter_);
    TNewDbDlg2 dlg(&w);
    RunSteps(dlg, "Relativ", "relativ/db");
    QCOMPARE(prompter_.asked.size(), std::size_t{1});
    QCOMPARE(prompter_.asked[0].text, std::string("Das Datenbank-Verzeichnis \"relativ/db/\" konnte nicht erstellt "
                                                  "werden. Hinweis: Der ganze Pfadname muss angegeben werden!"));
    QVERIFY(!QFileInfo::exists("relativ"));
    QVERIFY(!Config);
  }

  void directoryIsChosenWithTheFolderChooser() {
    TDeskView w;
    TNewDbDlg2 dlg(&w);
    FileRequest asked;
    SetFileChooser([&](const FileRequest& r) -> std::optional<QString> {
      asked = r;
      return Dir("gewählt");
    });
    Click(&dlg, "Weiter1Btn");
    Click(&dlg, "AendernBtn");
    QVERIFY(asked.kind == FileRequestKind::Directory);
    QCOMPARE(asked.title, QStringLiteral("Wählen Sie bitte das Verzeichnis aus!"));
    QCOMPARE(Edit(&dlg, "VerzeichnisEdit")->text(), Dir("gewählt"));
  }

  void newCommandClosesTheOpenDatabaseAndRunsTheDialog() {
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({MakeDatabase(Dir("erst"), "[Allgemein]\r\nTitel=Erst\r\n")});
    QVERIFY(Config);
    const QString dir = Dir("zweit");
    int runs = 0;
    SetDialogRunner([&](QDialog& d) {
      ++runs;
      auto* dlg = qobject_cast<TNewDbDlg2*>(&d);
      if (!dlg) return 0;
      // The old database is closed before the dialog comes up.
      if (Config) return 0;
      RunSteps(*dlg, "Zweit", dir);
      return dlg->result();
    });
    Action(&w, "NeuDBItem")->trigger();
    QCOMPARE(runs, 1);
    QVERIFY(Config);
    QCOMPARE(ToQ(Config->ConfigFileName), dir + "/Orvelin.ov");
    QCOMPARE(w.windowTitle(), QStringLiteral("Orvelin 6.0.15 - Zweit"));
  }

  // --- information ----------------------------------------------------------------------

  void informationCountsEveryTable() {
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({MakeDatabase(Dir("info"), "[Allgemein]\r\n")});
    for (int i = 0; i < 3; ++i) AddPerson("Anna", "Muster");
    TEheRec marriage;
    marriage.Mann = 1;
    marriage.Frau = 2;
    AhnenDB->insertMarriage(marriage);
    for (int i = 0; i < 2; ++i) {
      TLink link;
      link.Id1 = 1;
      link.Id2 = 3;
      link.Text = "Pate";
      AhnenDB->insertLink(link);
    }
    for (int i = 0; i < 4; ++i) {
      TMedia media;
      media.Id = 1;
      media.File = "bild" + std::to_string(i) + ".jpg";
      AhnenDB->insertMedia(media);
    }
    for (int i = 0; i < 5; ++i) {
      TDiverses d;
      d.Id = 2;
      d.Title = "Feld";
      d.Text = "Wert";
      AhnenDB->insertDiverses(d);
    }
    AhnenDB->clearKeys();
    for (int i = 0; i < 6; ++i) AhnenDB->insertKey(1, 0, "Anna Muster", 2, "Wort" + std::to_string(i));
    for (int i = 0; i < 7; ++i)
      AhnenDB->Connection().Exec("INSERT INTO " + TableDef(TableId::Fact).Qualified() + " (pid) VALUES (1)");
    for (int i = 0; i < 8; ++i)
      AhnenDB->Connection().Exec("INSERT INTO " + TableDef(TableId::Source).Qualified() + " (key) VALUES ('q" +
                                 std::to_string(i) + "')");

    QMap<QString, QString> values;
    QStringList labels;
    SetDialogRunner([&](QDialog& d) {
      if (!qobject_cast<TDBInfo*>(&d)) return 0;
      for (QLabel* l : d.findChildren<QLabel*>()) {
        if (l->objectName().endsWith("Wert"))
          values[l->objectName()] = l->text();
        else
          labels << l->text();
      }
      Click(&d, "OKBtn");
      return d.result();
    });
    Action(&w, "InfoItem")->trigger();
    QCOMPARE(values.value("SpeicherortWert"), ToQ(Config->DBPath));
    const QList<std::pair<QString, QString>> expected{
        {"PersonenWert", "3"},   {"EhenWert", "1"},           {"VerbindungenWert", "2"}, {"MultimediaWert", "4"},
        {"DiversesWert", "5"},   {"SchluesselworteWert", "6"}, {"FaktenWert", "7"},      {"QuellenWert", "8"}};
    for (const auto& [name, n] : expected) QCOMPARE(values.value(name), n);
    for (const char* text : {"Speicherort der aktuellen Datenbank:", "Anzahl Personen:", "Anzahl Ehen:",
                             "Anzahl weitere Verbindungen:", "Anzahl Multimediaeinträge:",
                             "Anzahl Einträge Diverses:", "Anzahl Schlüsselworte:", "Anzahl Fakteneinträge:",
                             "Anzahl Quelleneinträge:"})
      QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
  }

  // --- change log --------------------------------------------------------------------------

  void changeLogViewerShowsClearsAndReopensTheLog() {
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({MakeDatabase(Dir("log"), "[Allgemein]\r\n")});
    const QString path = ToQ(Config->ChangeLogPath());
    AddPerson("Anna", "Muster");
    Action(&w, "DatenaenderungsprotokollItem")->trigger();
    TDBLogView* viewer = LogViewer(w);
    QVERIFY(viewer);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Protokoll der Datenänderungen"));
    const QString shown = viewer->findChild<QPlainTextEdit*>("LogText")->toPlainText();
    QCOMPARE(SessionLines(shown), 1);
    QVERIFY(shown.contains("Person eingefügt: ["));
    // Reading closed the log and opened it again: a second session.
    QCOMPARE(SessionLines(FileText(path)), 2);
    QVERIFY(LogHas(w, "ViewActivated: sender.ClassName=TDBLogView"));
    // One viewer at a time.
    Action(&w, "DatenaenderungsprotokollItem")->trigger();
    QCOMPARE(OpenWindows(w), 1);

    Click(viewer, "LoeschenBtn");
    QCOMPARE(viewer->findChild<QPlainTextEdit*>("LogText")->toPlainText(), QString());
    QCOMPARE(SessionLines(FileText(path)), 1);
    QVERIFY(!FileText(path).contains("Person eingefügt"));
    AddPerson("Otto", "Muster");
    QVERIFY(FileText(path).contains("Person eingefügt: ["));

    Click(viewer, "SchliessenBtn");
    Settle();
    QCOMPARE(OpenWindows(w), 0);
  }

  void changeLogViewerWithoutLoggingStartsNoSession() {
    const QString project = MakeDatabase(Dir("ohne"), "[Datenbank]\r\nLogDBAktionen=0\r\n");
    {
      QFile f(Dir("ohne") + "/dbLog.txt");
      f.open(QIODevice::WriteOnly);
      f.write("11.12.2026 10:00:00 alt\r\n");
    }
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({project});
    Action(&w, "DatenaenderungsprotokollItem")->trigger();
    TDBLogView* viewer = LogViewer(w);
    QVERIFY(viewer);
    QCOMPARE(viewer->findChild<QPlainTextEdit*>("LogText")->toPlainText(), QStringLiteral("11.12.2026 10:00:00 alt"));
    QCOMPARE(FileText(Dir("ohne") + "/dbLog.txt"), QStringLiteral("11.12.2026 10:00:00 alt\r\n"));
    Click(viewer, "LoeschenBtn");
    QCOMPARE(FileText(Dir("ohne") + "/dbLog.txt"), QString());
    QVERIFY(prompter_.asked.empty());
  }

  // --- keywords ------------------------------------------------------------------------------

  void keywordBoxesShowTheOptions_data() {
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<QString>("checked");  // options 52 to 59: "+" checked
    QTest::newRow("keine gespeichert") << QByteArray() << "++++----";
    QTest::newRow("gespeichert") << QByteArray("[Options]\r\n53=False\r\n56=True\r\n59=True\r\n") << "+-+++--+";
    QTest::newRow("leer gespeichert") << QByteArray("[Options]\r\n52=\r\n57=\r\n") << "++++----";
  }
  void keywordBoxesShowTheOptions() {
    QFETCH(QByteArray, options);
    QFETCH(QString, checked);
    TDeskView w;
    w.Startup({MakeDatabase(Dir("opt"), "[Allgemein]\r\n" + options)});
    TSchluesselWorteDlg dlg(&w, false);
    const char* const names[] = {"BasisdatenCheck",     "ZusatzdatenCheck", "BasisortsCheck",
                                 "LebensdatenCheck",    "BenutzerfelderCheck", "LebensorteCheck",
                                 "LebensquellenCheck",  "EheCheck"};
    for (int i = 0; i < 8; ++i) {
      auto* box = dlg.findChild<QCheckBox*>(names[i]);
      QVERIFY2(box, names[i]);
      QVERIFY2(box->isChecked() == (checked[i] == '+'), names[i]);
    }
    QVERIFY(dlg.findChild<QLabel*>("HinweisLabel")->isHidden());
    QCOMPARE(dlg.findChild<QCheckBox*>("BasisortsCheck")->text(),
             QStringLiteral("Basisorts- und Quelldaten (Ort, Bürgerort, Land, Quelle)"));
    QCOMPARE(dlg.findChild<QCheckBox*>("LebensquellenCheck")->text(),
             QStringLiteral("Quellen zu Lebensdaten (Quelle Geburt, Quelle Tod,  ...)"));
  }

  void keywordDialogStoresTheOptionsAndBuilds() {
    const QString project = MakeDatabase(Dir("kw"), "[Allgemein]\r\n");
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({project});
    TPerson anna;
    anna.Vorname = "Anna-Maria Luise";
    anna.Nachname = "Muster";
    anna.Ort = "Bern";
    AhnenDB->insert(anna);
    AddPerson("Otto", "X");
    SetDialogRunner([&](QDialog& d) {
      auto* dlg = qobject_cast<TSchluesselWorteDlg*>(&d);
      if (!dlg) return 0;
      for (const char* name : {"ZusatzdatenCheck", "BasisortsCheck", "LebensdatenCheck"})
        dlg->findChild<QCheckBox*>(name)->setChecked(false);
      Click(dlg, "OKBtn");
      auto* bar = dlg->findChild<QProgressBar*>("ProgressBar");
      if (bar->value() != 2 || bar->maximum() != 2) return -1;
      return dlg->result();
    });
    Action(&w, "SchluesselworteItem")->trigger();
    // Only names: the ids and the one-letter surname are too short.
    QCOMPARE(Keywords(), (std::vector<std::string>{"Anna", "Maria", "Luise", "Muster", "Otto"}));
    TIniFile ini(FromQ(project));
    const char* const stored[] = {"True", "False", "False", "False", "False", "False", "False", "False"};
    for (int n = 52; n <= 59; ++n)
      QCOMPARE(ini.ReadString("Options", std::to_string(n), "-"), std::string(stored[n - 52]));
    QVERIFY(prompter_.asked.empty());
    QVERIFY(!TLongRun::Active());
  }

  void keywordDialogCancelChangesNothing() {
    const QString project = MakeDatabase(Dir("kw"), "[Allgemein]\r\n");
    TDeskView w;
    w.Startup({project});
    AddPerson("Anna", "Muster");
    const auto before = Keywords();
    TSchluesselWorteDlg dlg(&w, false);
    dlg.show();
    dlg.findChild<QCheckBox*>("BasisdatenCheck")->setChecked(false);
    Click(&dlg, "AbbrechenBtn");
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(Keywords(), before);
    QCOMPARE(TIniFile(FromQ(project)).ReadString("Options", "52", "-"), std::string("-"));
  }

  void olderDatabaseShowsTheKeywordDialogOnce_data() {
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("shown");
    QTest::newRow("schreibbar") << QByteArray() << 1;
    QTest::newRow("nur lesen") << QByteArray("[Datenbank]\r\nNurLesen=1\r\n") << 0;
  }
  void olderDatabaseShowsTheKeywordDialogOnce() {
    QFETCH(QByteArray, settings);
    QFETCH(int, shown);
    const QString project = MakeDatabase(Dir("alt"), "[Allgemein]\r\n" + settings);
    QVERIFY(QFile::remove(Dir("alt") + "/key.DB"));
    int runs = 0;
    bool noteShown = false;
    SetDialogRunner([&](QDialog& d) {
      auto* dlg = qobject_cast<TSchluesselWorteDlg*>(&d);
      if (!dlg) return 0;
      ++runs;
      noteShown = !dlg->findChild<QLabel*>("HinweisLabel")->isHidden();
      Click(dlg, "OKBtn");
      return dlg->result();
    });
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({project});
    QVERIFY(Config);
    QCOMPARE(runs, shown);
    QCOMPARE(noteShown, shown == 1);
    QCOMPARE(TIniFile(FromQ(project)).ReadInteger("SchnelleSuche", "Suchfeld", 0), 7);
    QVERIFY(Action(&w, "SchliessenItem")->isEnabled());
    Action(&w, "SchliessenItem")->trigger();
    Action(&w, "RecentFile1")->trigger();
    QVERIFY(Config);
    QCOMPARE(runs, shown);
  }

  void closingTheRunningDialogStopsTheBuild_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Fenster schliessen") << false;
    QTest::newRow("Abbrechen") << true;
  }
  void closingTheRunningDialogStopsTheBuild() {
    QFETCH(bool, byButton);
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({MakeDatabase(Dir("stop"), "[Allgemein]\r\n")});
    for (const char* name : {"Anna", "Otto", "Eva", "Paul"}) AddPerson(name, "Muster");
    const auto before = Keywords();
    QVERIFY(!before.empty());
    TSchluesselWorteDlg dlg(&w, false);
    dlg.show();
    dlg.findChild<QCheckBox*>("BenutzerfelderCheck")->setChecked(true);
    dlg.findChild<QCheckBox*>("BasisdatenCheck")->setChecked(false);
    // Asked while the first person is done.
    if (byButton)
      QMetaObject::invokeMethod(dlg.findChild<QPushButton*>("AbbrechenBtn"), "click", Qt::QueuedConnection);
    else
      QMetaObject::invokeMethod(&dlg, "close", Qt::QueuedConnection);
    Click(&dlg, "OKBtn");
    QVERIFY(dlg.Stopped());
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(dlg.findChild<QProgressBar*>("ProgressBar")->value(), 1);
    QCOMPARE(Keywords(), before);
    QVERIFY(!TLongRun::Active());
    QVERIFY(prompter_.asked.empty());
  }

  void mainWindowRefusesWhileTheBuildRuns() {
    const QString project = MakeDatabase(Dir("lauf"), "[Allgemein]\r\n");
    TDeskView w;
    w.show();
    SetPrompter(&prompter_);
    w.Startup({project});
    AddPerson("Anna", "Muster");
    AddPerson("Otto", "Muster");
    int chosen = 0;
    SetFileChooser([&](const FileRequest&) -> std::optional<QString> {
      ++chosen;
      return project;
    });
    TSchluesselWorteDlg dlg(&w, false);
    dlg.show();
    bool closed = true;
    QMetaObject::invokeMethod(
        &w,
        [&] {
          Action(&w, "SchliessenItem")->trigger();
          Action(&w, "OeffnenItem")->trigger();
          Action(&w, "RecentFile1")->trigger();
          closed = w.close();
        },
        Qt::QueuedConnection);
    Click(&dlg, "OKBtn");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(!closed);
    QCOMPARE(prompter_.asked.size(), std::size_t{4});
    for (const PromptRecord& r : prompter_.asked) QCOMPARE(r.text, std::string(kLongRunBusyText));
    QCOMPARE(chosen, 0);
    QVERIFY(Config);
    QCOMPARE(Keywords(), (std::vector<std::string>{"Anna", "Muster", "Otto", "Muster"}));
    // Afterwards the commands work again.
    Action(&w, "SchliessenItem")->trigger();
    QVERIFY(!Config);
  }
};

QTEST_MAIN(DatabaseWindowsTest)
#include "DatabaseWindowsTest.moc"
