// The main window's commands at work: new person, the delete commands, the
// clipboard commands, the window menu, the date hints, the start person, the
// host calls for person views and the refusals while a long run is active.

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

class DeskCommandsTest : public QObject, private TDeskFixture {
  Q_OBJECT

 private slots:
  void init() { Init(); }
  void cleanup() { Cleanup(); }

  // --- persons ----------------------------------------------------------------------------

  void newPersonInsertsARowAndOpensItsView() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({Project()});
    QCOMPARE(AhnenDB->RecordCount(TableId::Person), 0);
    Action(&w, "NeuPersonItem")->trigger();
    QCOMPARE(AhnenDB->RecordCount(TableId::Person), 1);
    TTestView* view = ActiveTestView(w);
    QVERIFY(view);
    QVERIFY(view->GetPersonId() > 0);
    QVERIFY(AhnenDB->personExists(view->GetPersonId()));
    QCOMPARE(OpenWindows(w), 1);
    QVERIFY(LogHas(w, "ViewActivated: sender.ClassName=uitest::TTestView"));
    // The tool button makes another one.
    w.findChild<QToolButton*>("SpeedButtonNeuP")->click();
    QCOMPARE(AhnenDB->RecordCount(TableId::Person), 2);
    QCOMPARE(OpenWindows(w), 2);
    QVERIFY(ActiveTestView(w)->GetPersonId() != view->GetPersonId());
    QVERIFY(prompter_.asked.empty());
  }

  void newPersonIsRefusedOnAReadOnlyDatabase() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.Startup({Project("[Datenbank]\r\nNurLesen=1\r\n")});
    QVERIFY(!Action(&w, "NeuPersonItem")->isEnabled());
    w.NewPersonCommand();
    QCOMPARE(AhnenDB->RecordCount(TableId::Person), 0);
    QCOMPARE(OpenWindows(w), 0);
  }

  void viewButtonsFollowTheActiveView() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.Startup({Project()});
    const auto visible = [&](const char* name) { return Action(&w, name)->isVisible(); };
    QVERIFY(!visible("SpeedButtonPersonAction"));
    const int id = AddPerson("Anna", "Muster");
    TAhnenView* view = w.Views()->OpenView(vkPersonData, &w, id);
    QVERIFY(view);
    for (const char* name : {"SpeedButtonPersonAction", "SpeedButtonVorfAction", "SpeedButtonNachfAction",
                             "SpeedButtonGraphAction"})
      QVERIFY2(visible(name), name);
    QVERIFY(Action(&w, "SpeedButtonPersonAction")->isChecked());
    QVERIFY(!Action(&w, "SpeedButtonVorfAction")->isChecked());
    // Trees and the graphic have no window yet: present but off.
    QVERIFY(!Action(&w, "SpeedButtonVorfAction")->isEnabled());
    emit w.findChild<QMenu*>("AnsichtMenu")->aboutToShow();
    QVERIFY(Action(&w, "PersonendatenItem")->isEnabled());
    QVERIFY(Action(&w, "PersonendatenItem")->isChecked());
    QVERIFY(!Action(&w, "VorfahrenbaumItem")->isEnabled());
    // Clicking the pressed button again leaves it pressed.
    w.findChild<QToolButton*>("SpeedButtonPerson")->click();
    QVERIFY(Action(&w, "SpeedButtonPersonAction")->isChecked());
    QCOMPARE(OpenWindows(w), 1);

    w.Views()->SubWindowOf(view)->close();
    QVERIFY(!visible("SpeedButtonPersonAction"));
    emit w.findChild<QMenu*>("AnsichtMenu")->aboutToShow();
    QVERIFY(!Action(&w, "PersonendatenItem")->isEnabled());
  }

  void deleteCommandsGoToTheActivePersonView() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.Startup({Project()});
    auto* view = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster")));
    QVERIFY(view);
    QMenu* menu = w.findChild<QMenu*>("PersonMenu");
    emit menu->aboutToShow();
    QVERIFY(Action(&w, "LoeschenPersonItem")->isEnabled());
    QVERIFY(!Action(&w, "EheLoeschenItem")->isEnabled());
    view->marriageChosen = true;
    emit menu->aboutToShow();
    QVERIFY(Action(&w, "EheLoeschenItem")->isEnabled());
    Action(&w, "EheLoeschenItem")->trigger();
    QCOMPARE(view->marriageDeletes, 1);

    view->closeOnDelete = true;
    QPointer<TTestView> watched = view;
    Action(&w, "LoeschenPersonItem")->trigger();
    QCOMPARE(view->deletes, 1);
    Settle();
    QVERIFY(!watched);
    QCOMPARE(OpenWindows(w), 0);
    QVERIFY(!Action(&w, "SpeedButtonPersonAction")->isVisible());
    QVERIFY(!Action(&w, "LoeschenPersonItem")->isEnabled());
  }

  void deleteCommandsDoNothingOnAReadOnlyDatabase() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.Startup({Project("[Datenbank]\r\nNurLesen=1\r\n")});
    auto* view = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster")));
    QVERIFY(view);
    view->marriageChosen = true;
    emit w.findChild<QMenu*>("PersonMenu")->aboutToShow();
    QVERIFY(!Action(&w, "LoeschenPersonItem")->isEnabled());
    QVERIFY(!Action(&w, "EheLoeschenItem")->isEnabled());
    w.DeletePersonCommand();
    w.DeleteMarriageCommand();
    QCOMPARE(view->deletes, 0);
    QCOMPARE(view->marriageDeletes, 0);
  }

  void startPersonOpensAfterTheOpenCommandOnly() {
    TTestFactories views({vkPersonData});
    const QString path = Project("[Allgemein]\r\nUseStartPerson=1\r\nStartPerson=1\r\n");
    TDeskView w;
    SetPrompter(&prompter_);
    SetFileChooser([&](const FileRequest&) -> std::optional<QString> { return path; });
    Action(&w, "OeffnenItem")->trigger();
    QVERIFY(Config);
    // No person 1 yet.
    QCOMPARE(Warning(), std::string("Person konnte in der Datenbank nicht gefunden werden!"));
    QCOMPARE(OpenWindows(w), 0);
    QCOMPARE(AddPerson("Anna", "Muster"), 1);

    Action(&w, "OeffnenItem")->trigger();
    QCOMPARE(OpenWindows(w), 1);
    QCOMPARE(w.Views()->ActiveView()->GetPersonId(), 1);
    QVERIFY(LogHas(w, "Neuer ini-File: " + path));

    Action(&w, "RecentFile1")->trigger();
    Settle();
    QVERIFY(Config);
    QCOMPARE(OpenWindows(w), 0);
  }

  // --- clipboard commands ----------------------------------------------------------------------

  void editMenuFollowsTheFocusedControl_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("enabled");  // cut copy paste delete all: "+" on, "-" off
    QTest::newRow("Auswahl und Text in der Zwischenablage") << false << true << "x" << "+++++";
    QTest::newRow("Auswahl, Zwischenablage leer") << false << true << "" << "++-++";
    QTest::newRow("keine Auswahl") << false << false << "x" << "--+-+";
    QTest::newRow("nur lesen") << true << true << "x" << "-----";
  }
  void editMenuFollowsTheFocusedControl() {
    QFETCH(bool, readOnly);
    QFETCH(bool, select);
    QFETCH(QString, clipboard);
    QFETCH(QString, enabled);
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.show();
    w.Startup({Project()});
    auto* view = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster")));
    view->edit->setText("Hallo Welt");
    view->edit->setReadOnly(readOnly);
    view->edit->setFocus();
    if (select) view->edit->setSelection(0, 5);
    if (clipboard.isEmpty())
      QApplication::clipboard()->clear();
    else
      QApplication::clipboard()->setText(clipboard);
    emit w.findChild<QMenu*>("BearbeitenMenu")->aboutToShow();
    const char* const items[] = {"AusschneidenItem", "KopierenItem", "EinfuegenItem", "LoeschenTextItem",
                                 "AllesAuswaehlenItem"};
    for (int i = 0; i < 5; ++i) QVERIFY2(Action(&w, items[i])->isEnabled() == (enabled[i] == '+'), items[i]);
  }

  void editMenuKeepsItsStatesForOtherControls() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.show();
    w.Startup({Project()});
    QMenu* menu = w.findChild<QMenu*>("BearbeitenMenu");
    // No child window: all off.
    emit menu->aboutToShow();
    for (QAction* a : menu->actions()) QVERIFY(!a->isEnabled());
    auto* view = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster")));
    auto* button = new QPushButton("x", view);
    button->show();
    button->setFocus();
    emit menu->aboutToShow();
    for (QAction* a : menu->actions()) QVERIFY(!a->isEnabled());
    view->edit->setFocus();
    emit menu->aboutToShow();
    QVERIFY(Action(&w, "AllesAuswaehlenItem")->isEnabled());
    button->setFocus();
    emit menu->aboutToShow();
    QVERIFY(Action(&w, "AllesAuswaehlenItem")->isEnabled());
  }

  void clipboardCommandsActOnTheFocusedText() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.show();
    w.Startup({Project()});
    auto* view = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster")));
    QLineEdit* edit = view->edit;
    edit->setText("Hallo Welt");
    edit->setFocus();
    edit->setSelection(0, 5);
    Action(&w, "KopierenItem")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Hallo"));
    Action(&w, "AusschneidenItem")->trigger();
    QCOMPARE(edit->text(), QStringLiteral(" Welt"));
    edit->setCursorPosition(edit->text().size());
    w.findChild<QToolButton*>("SpeedButtonPaste")->click();
    QCOMPARE(edit->text(), QStringLiteral(" WeltHallo"));
    Action(&w, "AllesAuswaehlenItem")->trigger();
    QCOMPARE(edit->selectedText(), QStringLiteral(" WeltHallo"));
    edit->setSelection(0, 1);
    Action(&w, "LoeschenTextItem")->trigger();
    QCOMPARE(edit->text(), QStringLiteral("WeltHallo"));
    edit->setSelection(0, 4);
    w.findChild<QToolButton*>("SpeedButtonCut")->click();
    QCOMPARE(edit->text(), QStringLiteral("Hallo"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Welt"));
    // A read-only field gives its text but keeps it.
    edit->setReadOnly(true);
    edit->selectAll();
    Action(&w, "AusschneidenItem")->trigger();
    QCOMPARE(edit->text(), QStringLiteral("Hallo"));
    w.findChild<QToolButton*>("SpeedButtonCopy")->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Hallo"));
  }

  // --- windows ----------------------------------------------------------------------------------

  void windowMenuListsTheWindowsAndActivatesOne() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.resize(900, 700);
    w.show();
    w.Startup({Project()});
    TAhnenView* first = w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster"));
    TAhnenView* second = w.Views()->OpenView(vkPersonData, &w, AddPerson("Otto", "Muster"));
    QCOMPARE(w.Views()->ActiveView(), second);
    emit w.findChild<QMenu*>("FensterMenu")->aboutToShow();
    QAction* one = Action(&w, "FensterListe1");
    QAction* two = Action(&w, "FensterListe2");
    QVERIFY(one && two);
    QCOMPARE(one->text(), "&1 " + first->windowTitle());
    QVERIFY(one->text().contains("Anna"));
    QVERIFY(!one->isChecked());
    QVERIFY(two->isChecked());
    one->trigger();
    QCOMPARE(w.Views()->ActiveView(), first);
    Action(&w, "NaechstesFensterItem")->trigger();
    QCOMPARE(w.Views()->ActiveView(), second);
    Action(&w, "VorherigesFensterItem")->trigger();
    QCOMPARE(w.Views()->ActiveView(), first);

    QMdiSubWindow* a = w.Views()->SubWindowOf(first);
    QMdiSubWindow* b = w.Views()->SubWindowOf(second);
    const QRect area = w.MdiArea()->viewport()->rect();
    Action(&w, "NebeneinanderItem")->trigger();
    QCOMPARE(a->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    QCOMPARE(b->geometry().left(), area.width() / 2);
    QCOMPARE(b->geometry().right(), area.width() - 1);
    Action(&w, "UntereinanderItem")->trigger();
    QCOMPARE(a->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    QCOMPARE(b->geometry().top(), area.height() / 2);

    Action(&w, "FensterKopierenItem")->trigger();
    const QImage image = QApplication::clipboard()->image();
    QCOMPARE(image.size() / image.devicePixelRatio(), w.MdiArea()->currentSubWindow()->size());
  }

  void closeAllWindowsClosesThePersonViewsOnly() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.show();
    w.Startup({Project()});
    w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster"));
    Action(&w, "DatenaenderungsprotokollItem")->trigger();
    auto* stubborn = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Otto", "Muster")));
    w.Views()->OpenView(vkPersonData, &w, AddPerson("Eva", "Muster"));
    stubborn->refuseClose = true;
    QCOMPARE(OpenWindows(w), 4);
    Action(&w, "AlleFensterSchliessenItem")->trigger();
    Settle();
    QCOMPARE(OpenWindows(w), 2);
    QVERIFY(w.Views()->FindPersonView(stubborn->GetPersonId()) == stubborn);
    QCOMPARE(w.Views()->PersonViews().size(), std::size_t{1});
    // The window now active is reported: a view as activated, any other
    // as the main window deactivated.
    const QString report = w.Views()->ActiveView() ? "ViewActivated: sender.ClassName=uitest::TTestView"
                                                   : "ViewDeactivated: sender.ClassName=TDeskView";
    QCOMPARE(LogLines(w).back(), report);
    QCOMPARE(Action(&w, "SpeedButtonPersonAction")->isVisible(), w.Views()->ActiveView() != nullptr);
    w.MdiArea()->setActiveSubWindow(w.Views()->SubWindowOf(stubborn));

    stubborn->refuseClose = false;
    Action(&w, "AlleFensterSchliessenItem")->trigger();
    Settle();
    QCOMPARE(OpenWindows(w), 1);
    QCOMPARE(LogLines(w).back(), QStringLiteral("ViewDeactivated: sender.ClassName=TDeskView"));
    QVERIFY(!Action(&w, "SpeedButtonPersonAction")->isVisible());
  }

  void logWindowShowsAndHidesWithItsKey() {
    TDeskView w;
    QVERIFY(w.LogWindow()->isHidden());
    Action(&w, "LogFensterItem")->trigger();
    QVERIFY(!w.LogWindow()->isHidden());
    Action(&w, "LogFensterItem")->trigger();
    QVERIFY(w.LogWindow()->isHidden());
  }

  void completeDatesHintTheirWeekday_data() {
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("hint");
    QTest::newRow("4. März 1900") << "1900.03.04" << "Sonntag";
    QTest::newRow("11. Dezember 2026") << "2026.12.11" << "Freitag";
    QTest::newRow("29. Februar 2000") << "2000.02.29" << "Dienstag";
  }
  void completeDatesHintTheirWeekday() {
    QFETCH(QString, datum);
    QFETCH(QString, hint);
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.show();
    w.Startup({Project()});
    auto* view = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster")));
    view->date->SetDatum(FromQ(datum));
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), view->date->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(view->date, &help);
    QCOMPARE(QToolTip::text(), hint);
  }

  void incompleteDatesHintNothing() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.show();
    w.Startup({Project()});
    auto* view = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster")));
    // Other controls show their own hints.
    view->edit->setToolTip("Eigener Hinweis");
    QHelpEvent first(QEvent::ToolTip, QPoint(2, 2), view->edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(view->edit, &first);
    QCOMPARE(QToolTip::text(), QStringLiteral("Eigener Hinweis"));
    QToolTip::hideText();
    for (const char* datum : {"1900.03.00", "0000.00.00"}) {
      view->date->setToolTip("Datumshinweis");
      view->date->SetDatum(datum);
      QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), view->date->mapToGlobal(QPoint(2, 2)));
      QApplication::sendEvent(view->date, &help);
      QVERIFY2(QToolTip::text() != QStringLiteral("Datumshinweis"), datum);
    }
  }

  // --- host calls --------------------------------------------------------------------------------

  void personViewCallsReachTheViewOfTheirPerson() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    w.Startup({Project()});
    const int anna = AddPerson("Anna", "Muster");
    const int otto = AddPerson("Otto", "Muster");
    auto* annaView = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, anna));
    auto* ottoView = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, otto));
    Host().DropMarriage(anna, 7);
    Host().RefreshChildren(otto);
    Host().RefreshLinks(anna);
    Host().RefreshLinks(999);
    QCOMPARE(annaView->droppedMarriages, std::vector<int>{7});
    QVERIFY(ottoView->droppedMarriages.empty());
    QCOMPARE(ottoView->childRefreshes, 1);
    QCOMPARE(annaView->childRefreshes, 0);
    QCOMPARE(annaView->linkRefreshes, 1);
    QCOMPARE(ottoView->linkRefreshes, 0);

    ottoView->refuseClose = true;
    QVERIFY(!Host().ClosePersonView(otto));
    QVERIFY(w.Views()->FindPersonView(otto));
    QVERIFY(Host().ClosePersonView(anna));
    QVERIFY(!w.Views()->FindPersonView(anna));
    QVERIFY(Host().ClosePersonView(999));
    Settle();
    QCOMPARE(OpenWindows(w), 1);
  }

  // --- while a long run is active --------------------------------------------------------------------

  void databaseCommandsWaitForALongRun_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("Schliessen") << "SchliessenItem";
    QTest::newRow("Oeffnen") << "OeffnenItem";
    QTest::newRow("Beenden") << "BeendenItem";
    QTest::newRow("letzte Datei") << "RecentFile1";
    QTest::newRow("neue Datenbank") << "NeuDBItem";
  }
  void databaseCommandsWaitForALongRun() {
    QFETCH(QString, item);
    const QString path = Project();
    TDeskView w;
    w.show();
    SetPrompter(&prompter_);
    w.Startup({path});
    int chosen = 0;
    SetFileChooser([&](const FileRequest&) -> std::optional<QString> {
      ++chosen;
      return path;
    });
    int dialogs = 0;
    SetDialogRunner([&](QDialog&) {
      ++dialogs;
      return 0;
    });
    {
      const TLongRun run;
      w.findChild<QAction*>(item)->trigger();
    }
    QCOMPARE(Warning(), std::string(kLongRunBusyText));
    QCOMPARE(prompter_.asked.size(), std::size_t{1});
    QVERIFY(Config);
    QVERIFY(w.isVisible());
    QCOMPARE(chosen, 0);
    QCOMPARE(dialogs, 0);
    QVERIFY(!LogHas(w, "Neuer ini-File: " + path));
  }

  void mainWindowAndMaintenanceWaitForALongRun() {
    TDeskView w;
    w.show();
    SetPrompter(&prompter_);
    w.Startup({Project()});
    {
      const TLongRun run;
      QVERIFY(!w.close());
      QVERIFY(!w.CloseForMaintenance("Um die Datenbankreparatur zu starten, muss die aktuelle Datenbank zuerst "
                                     "geschlossen werden."));
    }
    QCOMPARE(prompter_.asked.size(), std::size_t{2});
    QCOMPARE(prompter_.asked[0].text, std::string(kLongRunBusyText));
    QCOMPARE(prompter_.asked[1].text, std::string(kLongRunBusyText));
    QVERIFY(Config);
    QVERIFY(w.close());
    QVERIFY(!Config);
  }

  void closeForMaintenanceAsksFirst() {
    const std::string message =
        "Um die Datenbankreparatur zu starten, muss die aktuelle Datenbank zuerst geschlossen werden.";
    TDeskView w;
    SetPrompter(&prompter_);
    QVERIFY(w.CloseForMaintenance(message));
    QVERIFY(prompter_.asked.empty());
    w.Startup({Project()});
    prompter_.answers = {PromptAnswer::No, PromptAnswer::Yes};
    QVERIFY(!w.CloseForMaintenance(message));
    QVERIFY(Config);
    QVERIFY(w.CloseForMaintenance(message));
    QVERIFY(!Config);
    QCOMPARE(prompter_.asked.size(), std::size_t{2});
    QCOMPARE(prompter_.asked[0].text, message + "\n\nWollen Sie fortfahren?");
    QVERIFY(prompter_.asked[0].kind == PromptKind::Confirmation);
    QVERIFY(prompter_.asked[0].buttons == PromptButtons::YesNo);
  }

  void newDatabaseWarnsWhenTheOpenOneStays() {
    TTestFactories views({vkPersonData});
    TDeskView w;
    SetPrompter(&prompter_);
    w.Startup({Project()});
    auto* view = qobject_cast<TTestView*>(w.Views()->OpenView(vkPersonData, &w, AddPerson("Anna", "Muster")));
    view->refuseClose = true;
    int dialogs = 0;
    SetDialogRunner([&](QDialog&) {
      ++dialogs;
      return 0;
    });
    Action(&w, "NeuDBItem")->trigger();
    QCOMPARE(Warning(), std::string("Da geöffnete Datenbank nicht geschlossen wurde, konnte keine neue Datenbank "
                                    "erstellt werden."));
    QCOMPARE(dialogs, 0);
    QVERIFY(Config);
    view->refuseClose = false;
    Action(&w, "NeuDBItem")->trigger();
    QCOMPARE(dialogs, 1);
    QVERIFY(!Config);
  }

 private:
  static QAction* FindAction(TDeskView& w, const char* name) { return Action(&w, name); }
};

QTEST_MAIN(DeskCommandsTest)
#include "DeskCommandsTest.moc"
