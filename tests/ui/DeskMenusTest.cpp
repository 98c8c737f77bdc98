// The main window's menus and tool bar: texts, shortcuts and object names,
// what is enabled with and without a database and with a read-only one,
// and the display switches that save their settings.

#include <QtTest>

#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <set>

#include "core/Configuration.h"
#include "core/IniFile.h"
#include "core/UserStore.h"
#include "db/AhnenDB.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/DeskView.h"
#include "ui/DialogRunner.h"
#include "ui/FileChooser.h"
#include "ui/LongRun.h"
#include "ui/QtText.h"
#include "ui/RDatum.h"
#include "ui/ViewManager.h"
#include "tests/ui/DeskTestFixture.h"

using namespace uitest;

class DeskMenusTest : public QObject, private TDeskFixture {
  Q_OBJECT

 private slots:
  void init() { Init(); }
  void cleanup() { Cleanup(); }

  void commandTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    const char* const rows[][3] = {
        {"OeffnenItem", "&Oeffnen...", ""},
        {"NeuDBItem", "&Neu...", ""},
        {"InfoItem", "&Info", ""},
        {"DruckereinrichtungItem", "&Druckereinrichtung...", ""},
        {"ArchivSichernItem", "&Daten sichern...", ""},
        {"ArchivEinlesenItem", "&Daten einlesen...", ""},
        {"GedcomSchreibenItem", "&Datei schreiben...", ""},
        {"GedcomEinlesenItem", "&Datei einlesen...", ""},
        {"FokoExportItem", "&FOKO Export...", ""},
        {"TinyTafelExportItem", "&Tiny Tafel Export...", ""},
        {"TextdateiExportItem", "Te&xtdatei Export...", ""},
        {"ReparaturItem", "Reparatur...", ""},
        {"SchliessenItem", "&Schliessen", ""},
        {"BeendenItem", "&Beenden", ""},
        {"AusschneidenItem", "&Ausschneiden", "Ctrl+X"},
        {"KopierenItem", "&Kopieren", "Ctrl+C"},
        {"EinfuegenItem", "&Einfügen", "Ctrl+V"},
        {"LoeschenTextItem", "Lösc&hen", "Ctrl+Del"},
        {"AllesAuswaehlenItem", "Alles aus&wählen", ""},
        {"PersonendatenItem", "&Personendaten", "Ctrl+D"},
        {"VorfahrenbaumItem", "&Vorfahrenbaum", "Ctrl+O"},
        {"NachkommenbaumItem", "&Nachkommenbaum", "Ctrl+K"},
        {"AhnengrafikItem", "&Ahnengrafik", "Ctrl+G"},
        {"QuellenItem", "Quellen...", "Ctrl+Q"},
        {"StatistikItem", "&Statistik...", ""},
        {"AhnengrafikDateiItem", "Ahnengrafik&datei...", ""},
        {"VerwandtschaftsrechnerItem", "Verwandtschaftsrechner...", "Ctrl+R"},
        {"DuplikatesucheItem", "Duplikatesuche...", "Ctrl+P"},
        {"FavoritenItem", "Favoriten und &Verlauf", "Ctrl+H"},
        {"AusgewaehltePersonenItem", "Ausge&wählte Personen", "Ctrl+W"},
        {"HilfslisteNamenItem", "&Namen", ""},
        {"HilfslisteVornamenItem", "Vornamen", ""},
        {"HilfslisteOrteItem", "&Orte", ""},
        {"HilfslisteBerufeItem", "&Berufe", ""},
        {"HilfslisteReligionenItem", "&Religionen", ""},
        {"HilfslisteLaenderItem", "&Länder", ""},
        {"HilfslisteQuellenItem", "&Quellenangaben", ""},
        {"PlausibilitaetItem", "Plausibilitätsprüfung...", ""},
        {"DatenaenderungsprotokollItem", "Datenänderungsprotokoll", ""},
        {"SuchenItem", "&Suchen", "Ctrl+F"},
        {"ErweiterteSucheItem", "&Erweiterte Suche", "Ctrl+E"},
        {"NeuPersonItem", "&Neu", "Ctrl+N"},
        {"LoeschenPersonItem", "&Löschen", "Ctrl+L"},
        {"EheLoeschenItem", "&Ehe löschen", ""},
        {"AllgemeineEinstellungenItem", "&Allgemeine Einstellungen ...", ""},
        {"DruckEinstellungenItem", "&Druck Einstellungen ...", ""},
        {"GrafikEinstellungenItem", "Ahnen&grafik-Einstellungen ...", ""},
        {"SchluesselworteItem", "Schlüsselworte ...", ""},
        {"KomplexeSucheItem", "&Erweiterter Suchdialog als Standard", ""},
        {"NeueFensterItem", "&Neue Fenster benützen", ""},
        {"WerkzeugleisteItem", "&Werkzeugleiste ", ""},
        {"StatuszeileItem", "&Statuszeile", ""},
        {"HtmlKarteiblaetterItem", "Karteiblätter && Listen erzeugen...", ""},
        {"HtmlOrtsfamilienbuchItem", "Ortsfamilienbuch erzeugen ...", ""},
        {"HtmlVorfahrenlistenItem", "Vorfahrenlisten erzeugen ...", ""},
        {"HtmlAnzeigenItem", "HTML-Dateien &anzeigen...", ""},
        {"DruckKarteiblattItem", "&Karteiblatt...", ""},
        {"DruckLeeresKarteiblattItem", "&Leeres Karteiblatt...", ""},
        {"DruckPersonenlisteItem", "&Personenliste...", ""},
        {"DruckSpitzenahnenItem", "Spit&zenahnen...", ""},
        {"DruckVorfahrenlisteItem", "&Vorfahrenliste...", ""},
        {"DruckStammlinieItem", "&Stammlinie (Vaterlinie)...", ""},
        {"DruckNachkommenlisteItem", "&Nachkommenliste...", ""},
        {"DruckAdresslisteItem", "&Adressliste...", ""},
        {"DruckNamenlisteItem", "Na&menliste...", ""},
        {"DruckOrtslisteItem", "&Ortsliste...", ""},
        {"DruckOrtsfamilienbuchItem", "Ortsfamilien&buch...", ""},
        {"DruckFotoalbumItem", "&Fotoalbum...", ""},
        {"DruckKalenderItem", "&Kalender...", ""},
        {"DruckGeburtenregisterItem", "Geburten-/Tauf&register...", ""},
        {"DruckEheregisterItem", "&Eheregister...", ""},
        {"DruckSterberegisterItem", "S&terbe-/Bestattungsregister...", ""},
        {"NebeneinanderItem", "&Nebeneinander anordnen", ""},
        {"UntereinanderItem", "&Untereinander anordnen", ""},
        {"UeberlappendItem", "Ueber&lappend anordnen", ""},
        {"NaechstesFensterItem", "Nä&chstes Fenster", ""},
        {"VorherigesFensterItem", "&Vorheriges Fenster", ""},
        {"SymboleAnordnenItem", "&Symbole anordnen", ""},
        {"FensterKopierenItem", "&Aktuelles Fenster in Zwischenablage kopieren", ""},
        {"FensterDruckenItem", "Aktuelles &Fenster drucken...", ""},
        {"AlleFensterSchliessenItem", "&Alle Fenster schliessen", ""},
        {"UebersichtItem", "&Uebersicht", "F1"},
        {"ProgramminfoItem", "Programminf&o ...", ""},
        {"LogFensterItem", "Protokollfenster", "Ctrl+Shift+D"},
    };
    for (const auto& row : rows)
      QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]) << QString::fromLatin1(row[2]);
  }
  void commandTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    TDeskView w;
    QAction* a = w.findChild<QAction*>(name);
    QVERIFY2(a, qPrintable(name));
    QCOMPARE(a->text(), text);
    QCOMPARE(a->shortcut().toString(QKeySequence::PortableText), shortcut);
  }

  void menusHoldTheirCommandsInOrder() {
    TDeskView w;
    const auto texts = [&](const char* menu) {
      QStringList t;
      for (QAction* a : w.findChild<QMenu*>(menu)->actions())
        if (!a->isSeparator()) t << a->text();
      return t;
    };
    QCOMPARE(texts("ArchivMenu"), (QStringList{"&Daten sichern...", "&Daten einlesen..."}));
    QCOMPARE(texts("GedcomMenu"), (QStringList{"&Datei schreiben...", "&Datei einlesen..."}));
    QCOMPARE(texts("PersonMenu"), (QStringList{"&Suchen", "&Erweiterte Suche", "&Neu", "&Löschen", "&Ehe löschen"}));
    QCOMPARE(texts("HilfslistenMenu"),
             (QStringList{"&Namen", "Vornamen", "&Orte", "&Berufe", "&Religionen", "&Länder", "&Quellenangaben"}));
    QCOMPARE(texts("HilfeMenu"), (QStringList{"&Uebersicht", "Programminf&o ..."}));
    // The print commands open the print settings on their page first.
    QCOMPARE(Action(&w, "DruckOrtsfamilienbuchItem")->property("printPage").toInt(), 7);
    QCOMPARE(Action(&w, "DruckEheregisterItem")->property("printPage").toInt(), 5);
    QCOMPARE(Action(&w, "HilfslisteQuellenItem")->property("listFile").toString(), QStringLiteral("quelle.lst"));
    QCOMPARE(Action(&w, "HilfslisteLaenderItem")->property("listTitle").toString(), QStringLiteral("Länderliste"));
  }

  void noKeyServesTwoCommands() {
    TDeskView w;
    std::set<QString> seen;
    for (QAction* a : w.findChildren<QAction*>()) {
      for (const QKeySequence& key : a->shortcuts()) {
        const QString k = key.toString(QKeySequence::PortableText);
        QVERIFY2(seen.insert(k).second, qPrintable(k + " twice, at " + a->objectName()));
      }
    }
    QCOMPARE(Action(&w, "NeuPersonItem")->shortcuts().value(1), QKeySequence(Qt::Key_F2));
    QCOMPARE(Action(&w, "SuchenItem")->shortcuts().value(1), QKeySequence(Qt::Key_F3));
    // Ctrl+O belongs to the ancestor tree, not to the Open command.
    QVERIFY(Action(&w, "OeffnenItem")->shortcut().isEmpty());
  }

  void toolBarButtonsAndHints() {
    TDeskView w;
    QToolBar* bar = w.findChild<QToolBar*>("Panel1");
    QVERIFY(bar);
    const QStringList names{"SpeedButtonNeuP",      "SpeedButtonSuchen",   "SpeedButtonSuchenKomplex",
                            "SpeedButtonAuswahl",   "SpeedButtonVerwandt", "SpeedButtonQuellen",
                            "SpeedButtonFavoriten", "SpeedButtonDuplikate", "SpeedButtonCut",
                            "SpeedButtonCopy",      "SpeedButtonPaste",    "SpeedButtonPerson",
                            "SpeedButtonVorf",      "SpeedButtonNachf",    "SpeedButtonGraph"};
    const QStringList hints{"Neuen Personeneintrag erstellen (F2)",
                            "Schnelle Personensuche (F3)",
                            "Erweiterte Personensuche",
                            "Personenauswahl",
                            "Verwandtschaftsrechner",
                            "Quellen",
                            "Favoriten und Verlauf",
                            "Duplikatesuche",
                            "Text ausschneiden",
                            "Text kopieren",
                            "Text einfügen",
                            "Personendaten",
                            "Vorfahrenbaum",
                            "Nachkommenbaum",
                            "Ahnengrafik"};
    QStringList order;
    for (QAction* a : bar->actions())
      if (!a->isSeparator()) order << bar->widgetForAction(a)->objectName();
    QCOMPARE(order, names);
    for (int i = 0; i < names.size(); ++i) {
      auto* b = w.findChild<QToolButton*>(names[i]);
      QVERIFY2(b, qPrintable(names[i]));
      QCOMPARE(b->toolTip(), hints[i]);
      QVERIFY(!b->icon().isNull());
    }
  }

  // --- enabling -------------------------------------------------------------------

  void commandsFollowTheDatabase_data() {
    QTest::addColumn<QByteArray>("project");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("writable");
    QTest::newRow("ohne Datenbank") << QByteArray() << false << false;
    QTest::newRow("mit Datenbank") << QByteArray("[Allgemein]\r\n") << true << true;
    QTest::newRow("nur lesen") << QByteArray("[Datenbank]\r\nNurLesen=1\r\n") << true << false;
  }
  void commandsFollowTheDatabase() {
    QFETCH(QByteArray, project);
    QFETCH(bool, open);
    QFETCH(bool, writable);
    TDeskView w;
    SetPrompter(&prompter_);
    if (!project.isEmpty()) w.Startup({Project(project)});
    QCOMPARE(Config != nullptr, open);

    for (const char* name : {"OeffnenItem", "NeuDBItem", "BeendenItem", "HilfeMenu", "DatenbankMenu"})
      QVERIFY2(Enabled(w, name), name);
    for (const char* name : {"InfoItem", "SchliessenItem", "GedcomMenu", "BearbeitenMenu", "AnsichtMenu",
                             "PersonMenu", "EinstellungenMenu", "HtmlMenu", "DruckenMenu", "FensterMenu"})
      QVERIFY2(Enabled(w, name) == open, name);
    // What changes data: off without a database and when it is read-only.
    for (const char* name : {"NeuPersonItem", "SpeedButtonNeuP", "SchluesselworteItem"})
      QVERIFY2(Enabled(w, name) == writable, name);
    // Without an active person data view there is nothing to delete.
    QVERIFY(!Enabled(w, "LoeschenPersonItem"));
    QVERIFY(!Enabled(w, "EheLoeschenItem"));
    // Commands whose windows come later stay off in every state.
    for (const char* name : {"FokoExportItem", "TinyTafelExportItem", "TextdateiExportItem", "GedcomEinlesenItem",
                             "GedcomSchreibenItem", "ReparaturItem", "ArchivSichernItem", "ArchivEinlesenItem",
                             "DruckereinrichtungItem", "QuellenItem", "StatistikItem", "SuchenItem",
                             "SpeedButtonSuchen", "SpeedButtonFavoriten", "AllgemeineEinstellungenItem",
                             "DruckKarteiblattItem", "UebersichtItem", "FensterDruckenItem"})
      QVERIFY2(!Enabled(w, name), name);
    QCOMPARE(w.findChild<QToolBar*>("Panel1")->isHidden(), !open);
    QCOMPARE(Action(&w, "WerkzeugleisteItem")->isChecked(), open);

    if (open) {
      Action(&w, "SchliessenItem")->trigger();
      QVERIFY(!Config);
      QVERIFY(!Enabled(w, "PersonMenu"));
      QVERIFY(!Enabled(w, "NeuPersonItem"));
      QVERIFY(w.findChild<QToolBar*>("Panel1")->isHidden());
      QVERIFY(!Action(&w, "WerkzeugleisteItem")->isChecked());
    }
  }

  void toolBarSettingHidesItWithTheDatabaseOpen() {
    TDeskView w;
    w.Startup({Project("[Darstellung]\r\nWerkzeugleiste=0\r\nStatuszeile=0\r\n")});
    QVERIFY(Config);
    QVERIFY(w.findChild<QToolBar*>("Panel1")->isHidden());
    QVERIFY(!Action(&w, "WerkzeugleisteItem")->isChecked());
    QVERIFY(w.statusBar()->isHidden());
    QVERIFY(!Action(&w, "StatuszeileItem")->isChecked());
  }

  // --- display switches --------------------------------------------------------------

  void displaySwitchesSaveTheirSetting_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("before");
    QTest::newRow("Neue Fenster") << "NeueFensterItem" << "NeueFenster" << true;
    QTest::newRow("Werkzeugleiste") << "WerkzeugleisteItem" << "Werkzeugleiste" << true;
    QTest::newRow("Statuszeile") << "StatuszeileItem" << "Statuszeile" << true;
    QTest::newRow("Erweiterte Suche") << "KomplexeSucheItem" << "KomplexeSuche" << false;
  }
  void displaySwitchesSaveTheirSetting() {
    QFETCH(QString, item);
    QFETCH(QString, key);
    QFETCH(bool, before);
    const QString path = Project();
    TDeskView w;
    w.Startup({path});
    QAction* a = w.findChild<QAction*>(item);
    QCOMPARE(a->isChecked(), before);
    a->trigger();
    QCOMPARE(a->isChecked(), !before);
    TIniFile ini(FromQ(path));
    QCOMPARE(ini.ReadString("Darstellung", FromQ(key), "-"), std::string(before ? "0" : "1"));
    if (key == "Werkzeugleiste") QCOMPARE(w.findChild<QToolBar*>("Panel1")->isHidden(), before);
    if (key == "Statuszeile") QCOMPARE(w.statusBar()->isHidden(), before);
    if (key == "KomplexeSuche") QVERIFY(w.ExtendedSearchCurrent());
    if (key == "NeueFenster") QVERIFY(!Config->NeueFenster);
    // Only the display settings were written: the title stays as it was.
    QCOMPARE(ini.ReadString("Allgemein", "Titel", "-"), std::string("Test"));
  }

};

QTEST_MAIN(DeskMenusTest)
#include "DeskMenusTest.moc"
