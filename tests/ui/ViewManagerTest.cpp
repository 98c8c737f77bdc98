// The view manager: one person data view per person, views reused or made
// by kind, views replaced in place, the history, drops of persons onto the
// main window and onto views, and the activation with its log lines and
// view buttons.
#include <QtTest>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTemporaryDir>

#include "core/Configuration.h"
#include "core/Errors.h"
#include "core/UserStore.h"
#include "db/AhnenDB.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/DeskView.h"
#include "ui/ViewManager.h"

using namespace uitest;

namespace {

class TRecordingFavourites : public IFavourites {
 public:
  void AddToHistory(const TPerson& p) override { history.push_back(p.Id); }
  void AddFavourite(const TPerson& p) override { favourites.push_back(p.Id); }
  std::vector<int> history, favourites;
};

// A person list standing in the MDI area as the active window.
TTestList* ShowList(TDeskView& w, std::vector<int> marked) {
  auto* list = new TTestList(std::move(marked));
  list->setAttribute(Qt::WA_DeleteOnClose);
  QMdiSubWindow* sub = w.MdiArea()->addSubWindow(list);
  sub->show();
  w.MdiArea()->setActiveSubWindow(sub);
  return list;
}

bool SendDragEnter(TDeskView& w, const QMimeData* data) {
  QDragEnterEvent e(QPoint(20, 20), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
  return e.isAccepted();
}

void SendDrop(TDeskView& w, const QMimeData* data) {
  QDropEvent e(QPointF(20, 20), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &e);
}

}  // namespace

class ViewManagerTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir* tmp_ = nullptr;
  TScriptedPrompter prompter_;
  TRecordingFavourites favourites_;
  std::unique_ptr<TDeskView> desk_;
  TViewManager* vm_ = nullptr;
  int anna_ = 0, otto_ = 0, eva_ = 0;

  TDeskView& Desk() { return *desk_; }

 private slots:
  void init() {
    tmp_ = new QTemporaryDir;
    qputenv("XDG_CONFIG_HOME", tmp_->filePath("config").toUtf8());
    userstore::Reset();
    prompter_ = TScriptedPrompter{};
    favourites_ = TRecordingFavourites{};
    desk_ = std::make_unique<TDeskView>();
    desk_->resize(900, 700);
    desk_->show();
    SetPrompter(&prompter_);
    desk_->Startup({MakeDatabase(tmp_->filePath("db"), "[Allgemein]\r\n")});
    QVERIFY(Config);
    vm_ = desk_->Views();
    vm_->SetFavourites(&favourites_);
    anna_ = AddPerson("Anna", "Muster");
    otto_ = AddPerson("Otto", "Muster");
    eva_ = AddPerson("Eva", "Beispiel");
  }
  void cleanup() {
    desk_.reset();
    delete tmp_;
  }

  void managerStartsWithTheMainWindowDeactivated() {
    QVERIFY(LogHas(Desk(), "ViewDeactivated: sender.ClassName=TDeskView"));
    QVERIFY(!Action(&Desk(), "SpeedButtonPersonAction")->isVisible());
    QCOMPARE(ViewManager(), vm_);
  }

  void openViewTwiceBringsTheFirstToFront() {
    TTestFactories views({vkPersonData});
    TAhnenView* first = vm_->OpenView(vkPersonData, &Desk(), anna_);
    TAhnenView* second = vm_->OpenView(vkPersonData, &Desk(), otto_);
    QVERIFY(first && second && first != second);
    QCOMPARE(vm_->ActiveView(), second);
    QCOMPARE(vm_->OpenView(vkPersonData, &Desk(), anna_), first);
    QCOMPARE(vm_->ActiveView(), first);
    QCOMPARE(vm_->PersonViews().size(), std::size_t{2});
    QCOMPARE(first->GetPersonId(), anna_);
    QCOMPARE(first->windowTitle(), QStringLiteral("Ahnenview: ") + QString::fromStdString(AhnenDB->getPerson(anna_)->listText()));
    // Only the views made go to the history.
    QCOMPARE(favourites_.history, (std::vector<int>{anna_, otto_}));
  }

  void openViewOfNoPersonShowsNothing_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("warned");
    QTest::newRow("keine Person") << 0 << false;
    QTest::newRow("negativ") << -3 << false;
    QTest::newRow("nicht vorhanden") << 999 << true;
  }
  void openViewOfNoPersonShowsNothing() {
    QFETCH(int, id);
    QFETCH(bool, warned);
    TTestFactories views({vkPersonData});
    QVERIFY(!vm_->OpenView(vkPersonData, &Desk(), id));
    QVERIFY(!vm_->OpenPersonView(id));
    QCOMPARE(OpenWindows(Desk()), 0);
    QCOMPARE(prompter_.asked.size(), std::size_t{warned ? 2u : 0u});
    if (warned) {
      QCOMPARE(prompter_.asked[0].text, std::string("Person konnte in der Datenbank nicht gefunden werden!"));
      QVERIFY(prompter_.asked[0].kind == PromptKind::Warning);
    }
    QVERIFY(favourites_.history.empty());
  }

  void openPersonViewAlwaysMakesANewOne() {
    TTestFactories views({vkPersonData});
    TAhnenView* a = vm_->OpenPersonView(anna_);
    TAhnenView* b = vm_->OpenPersonView(anna_);
    QVERIFY(a && b && a != b);
    QCOMPARE(b->GetPersonId(), anna_);
    QCOMPARE(OpenWindows(Desk()), 2);
    QVERIFY(favourites_.history.empty());
  }

  void kindsWithoutAWindowCannotBeMade() {
    TTestFactories views({vkPersonData});
    for (int kind : {int(vkNachfahren), int(vkVorfahren), int(vkGraph), int(vkVorfahren2)}) {
      QVERIFY(!ViewKindCreatable(kind));
      try {
        vm_->CreateView(kind);
        QFAIL("no failure");
      } catch (const EOrvelin& e) {
        QCOMPARE(std::string(e.what()), std::string("Fenster kann nicht erzeugt werden"));
      }
      QVERIFY_THROWS_EXCEPTION(EOrvelin, vm_->OpenView(kind, &Desk(), anna_));
    }
    QCOMPARE(OpenWindows(Desk()), 0);
    // An unknown kind gives a person data view.
    TAhnenView* view = vm_->CreateView(99);
    QVERIFY(LogHas(Desk(), "Error: unbekannte View verlangt!"));
    QCOMPARE(view->ViewKind(), int(vkPersonData));
  }

  void withoutNewWindowsTheAskingViewShowsThePerson() {
    TTestFactories views({vkPersonData, vkVorfahren});
    Config->NeueFenster = false;
    TAhnenView* tree = vm_->OpenView(vkVorfahren, &Desk(), anna_);
    QCOMPARE(tree->ViewKind(), int(vkVorfahren));
    QCOMPARE(vm_->OpenView(vkVorfahren, tree, otto_), tree);
    QCOMPARE(tree->GetPersonId(), otto_);
    // Kind 4 is the same tree.
    QCOMPARE(vm_->OpenView(vkVorfahren2, tree, eva_), tree);
    // A view of another kind asks for a new window.
    TAhnenView* person = vm_->OpenView(vkPersonData, tree, anna_);
    QVERIFY(person != tree);
    QCOMPARE(OpenWindows(Desk()), 2);

    Config->NeueFenster = true;
    TAhnenView* second = vm_->OpenView(vkVorfahren, tree, anna_);
    QVERIFY(second != tree);
    QCOMPARE(OpenWindows(Desk()), 3);
  }

  void switchingToATreeReplacesTheViewInPlace() {
    TTestFactories views({vkPersonData, vkVorfahren});
    TAhnenView* person = vm_->OpenView(vkPersonData, &Desk(), anna_);
    vm_->SubWindowOf(person)->move(40, 30);
    favourites_.history.clear();
    QPointer<TAhnenView> old = person;
    Action(&Desk(), "VorfahrenbaumItem")->trigger();
    Settle();
    QVERIFY(!old);
    TAhnenView* tree = vm_->ActiveView();
    QVERIFY(tree);
    QCOMPARE(tree->ViewKind(), int(vkVorfahren));
    QCOMPARE(tree->GetPersonId(), anna_);
    QCOMPARE(vm_->SubWindowOf(tree)->pos(), QPoint(40, 30));
    QCOMPARE(Config->NextViewTop, 0);
    QCOMPARE(Config->NextViewLeft, 0);
    QCOMPARE(OpenWindows(Desk()), 1);
    QVERIFY(favourites_.history.empty());
    QVERIFY(Action(&Desk(), "SpeedButtonVorfAction")->isChecked());
    QVERIFY(!Action(&Desk(), "SpeedButtonPersonAction")->isChecked());
  }

  void switchingToPersonDataFindsItsOpenView() {
    TTestFactories views({vkPersonData, vkVorfahren});
    TAhnenView* person = vm_->OpenView(vkPersonData, &Desk(), anna_);
    TAhnenView* tree = vm_->OpenView(vkVorfahren, &Desk(), anna_);
    QCOMPARE(vm_->ActiveView(), tree);
    vm_->SwitchView(vkPersonData);
    QCOMPARE(vm_->ActiveView(), person);
    QCOMPARE(OpenWindows(Desk()), 2);
    QVERIFY(Action(&Desk(), "SpeedButtonPersonAction")->isChecked());
  }

  void switchingKeepsAViewThatRefusesToClose() {
    TTestFactories views({vkPersonData, vkVorfahren});
    auto* person = qobject_cast<TTestView*>(vm_->OpenView(vkPersonData, &Desk(), anna_));
    person->refuseClose = true;
    vm_->SwitchView(vkVorfahren);
    QCOMPARE(OpenWindows(Desk()), 1);
    QCOMPARE(vm_->ActiveView(), person);
  }

  void switchingFromAPersonList() {
    TTestFactories views({vkPersonData});
    ShowList(Desk(), {otto_});
    vm_->SwitchView(vkPersonData);
    TAhnenView* view = vm_->FindPersonView(otto_);
    QVERIFY(view);
    QCOMPARE(vm_->ActiveView(), view);
    QCOMPARE(favourites_.history, std::vector<int>{otto_});
    // Again from the list: the open view comes to the front.
    ShowList(Desk(), {otto_});
    vm_->SwitchView(vkPersonData);
    QCOMPARE(vm_->PersonViews().size(), std::size_t{1});
    QCOMPARE(vm_->ActiveView(), view);
    // Nothing marked: nothing happens.
    ShowList(Desk(), {});
    vm_->SwitchView(vkPersonData);
    QCOMPARE(vm_->PersonViews().size(), std::size_t{1});
  }

  void dropsOntoTheMainWindowOpenViewsExceptOpenOnes() {
    TTestFactories views({vkPersonData});
    TAhnenView* open = vm_->OpenView(vkPersonData, &Desk(), anna_);
    favourites_.history.clear();
    const auto data = TViewManager::PersonMime({anna_, otto_, eva_});
    QVERIFY(SendDragEnter(Desk(), data.get()));
    SendDrop(Desk(), data.get());
    QCOMPARE(OpenWindows(Desk()), 3);
    QCOMPARE(vm_->FindPersonView(anna_), open);
    QVERIFY(vm_->FindPersonView(otto_));
    QVERIFY(vm_->FindPersonView(eva_));
    QCOMPARE(favourites_.history, (std::vector<int>{otto_, eva_}));
    QVERIFY(LogHas(Desk(), "ViewFromDragDrop:"));
    // The same drop again changes nothing.
    SendDrop(Desk(), data.get());
    QCOMPARE(OpenWindows(Desk()), 3);
  }

  void foreignDropsAreRefused() {
    TTestFactories views({vkPersonData});
    QMimeData foreign;
    foreign.setData(kPersonMimeType, QByteArray::number(anna_) + "\n");
    foreign.setData(kPersonOriginMimeType, QByteArray::number(QCoreApplication::applicationPid() + 1));
    QVERIFY(!SendDragEnter(Desk(), &foreign));
    SendDrop(Desk(), &foreign);
    QMimeData text;
    text.setText(QString::number(anna_));
    QVERIFY(!SendDragEnter(Desk(), &text));
    QCOMPARE(OpenWindows(Desk()), 0);
  }

  void dropsFromListsTreesAndPersonViews() {
    TTestFactories views({vkPersonData, vkVorfahren});
    TTestList* list = ShowList(Desk(), {anna_, otto_});
    QVERIFY(vm_->AcceptsDrop(&Desk(), nullptr, list->list));
    vm_->ViewFromDragDrop(&Desk(), nullptr, list->list);
    QVERIFY(vm_->FindPersonView(anna_) && vm_->FindPersonView(otto_));
    QCOMPARE(favourites_.history, (std::vector<int>{anna_, otto_}));
    QVERIFY(LogHas(Desk(), "  Quelle gehört zu: uitest::TTestList"));

    // From a tree: a person data view, no history entry.
    auto* tree = qobject_cast<TTestView*>(vm_->OpenView(vkVorfahren, &Desk(), eva_));
    favourites_.history.clear();
    QVERIFY(vm_->AcceptsDrop(&Desk(), nullptr, tree->edit));
    vm_->ViewFromDragDrop(&Desk(), nullptr, tree->edit);
    QVERIFY(vm_->FindPersonView(eva_));
    QVERIFY(favourites_.history.empty());
    // A person data view is what the drop would open: refused.
    auto* person = qobject_cast<TTestView*>(vm_->FindPersonView(eva_));
    QVERIFY(!vm_->AcceptsDrop(&Desk(), nullptr, person->edit));
  }

  void dropsOntoAView() {
    TTestFactories views({vkPersonData});
    auto* target = qobject_cast<TTestView*>(vm_->OpenView(vkPersonData, &Desk(), anna_));
    TTestList* list = ShowList(Desk(), {otto_});
    favourites_.history.clear();
    QVERIFY(vm_->AcceptsDrop(target, nullptr, list->list));
    vm_->ViewFromDragDrop(target, nullptr, list->list);
    QCOMPARE(target->GetPersonId(), otto_);
    QCOMPARE(favourites_.history, std::vector<int>{otto_});
    // A person with its own data view: that one comes to the front.
    TAhnenView* evas = vm_->OpenView(vkPersonData, &Desk(), eva_);
    list->marked = {eva_};
    vm_->SetFavourites(nullptr);
    vm_->ViewFromDragDrop(target, nullptr, list->list);
    QCOMPARE(target->GetPersonId(), otto_);
    QCOMPARE(vm_->ActiveView(), evas);
    // Ids alone, from anywhere in this program.
    const auto data = TViewManager::PersonMime({anna_});
    vm_->ViewFromDragDrop(target, data.get(), nullptr);
    QCOMPARE(target->GetPersonId(), anna_);
  }

  void activationIsLoggedAndPressesTheButton() {
    TTestFactories views({vkPersonData});
    TAhnenView* first = vm_->OpenView(vkPersonData, &Desk(), anna_);
    TAhnenView* second = vm_->OpenView(vkPersonData, &Desk(), otto_);
    Desk().LogWindow()->clear();
    Desk().MdiArea()->setActiveSubWindow(vm_->SubWindowOf(first));
    QCOMPARE(LogLines(Desk()), (QStringList{"ViewDeactivated: sender.ClassName=uitest::TTestView",
                                            "ViewActivated: sender.ClassName=uitest::TTestView"}));
    QVERIFY(Action(&Desk(), "SpeedButtonPersonAction")->isChecked());
    QVERIFY(Action(&Desk(), "SpeedButtonGraphAction")->isVisible());
    vm_->SubWindowOf(first)->close();
    vm_->SubWindowOf(second)->close();
    Settle();
    QCOMPARE(LogLines(Desk()).back(), QStringLiteral("ViewDeactivated: sender.ClassName=uitest::TTestView"));
    QVERIFY(!Action(&Desk(), "SpeedButtonPersonAction")->isVisible());
    QVERIFY(!Action(&Desk(), "SpeedButtonPersonAction")->isChecked());
  }

  void mayOpenAndBringToFront() {
    TTestFactories views({vkPersonData, vkVorfahren});
    TAhnenView* person = vm_->OpenView(vkPersonData, &Desk(), anna_);
    TAhnenView* tree = vm_->OpenView(vkVorfahren, &Desk(), otto_);
    QVERIFY(vm_->BringPersonViewToFront(otto_));
    QCOMPARE(vm_->ActiveView(), tree);
    QVERIFY(!vm_->BringPersonViewToFront(anna_));
    QCOMPARE(vm_->ActiveView(), person);
    QVERIFY(vm_->MayOpenKind(anna_, vkVorfahren));
    QVERIFY(!vm_->MayOpenKind(anna_, vkPersonData));
    QVERIFY(vm_->MayOpen(anna_, tree));
    QVERIFY(!vm_->MayOpen(anna_, person));
    QVERIFY(vm_->MayOpen(otto_, person));
  }

  void markAsFavouriteReadsThePerson() {
    vm_->MarkAsFavourite(eva_);
    vm_->MarkAsFavourite(999);
    QCOMPARE(favourites_.favourites, std::vector<int>{eva_});
  }

  void aViewClosingItselfTakesItsSubWindow() {
    TTestFactories views({vkPersonData});
    TAhnenView* first = vm_->OpenView(vkPersonData, &Desk(), anna_);
    TAhnenView* second = vm_->OpenView(vkPersonData, &Desk(), otto_);
    QPointer<QMdiSubWindow> sub = vm_->SubWindowOf(second);
    QVERIFY(second->close());
    // Gone at once for the view manager, and its frame follows.
    QVERIFY(!vm_->FindPersonView(otto_));
    QVERIFY(vm_->OpenView(vkPersonData, &Desk(), otto_) != second);
    Settle();
    QVERIFY(!sub);
    QCOMPARE(OpenWindows(Desk()), 2);
    // A minimised view is still open.
    vm_->SubWindowOf(first)->showMinimized();
    QCOMPARE(vm_->FindPersonView(anna_), first);
    Settle();
    QCOMPARE(vm_->FindPersonView(anna_), first);
    QCOMPARE(OpenWindows(Desk()), 2);
  }

  void aViewRefusingToCloseKeepsItsWindowAndTheDatabase() {
    TTestFactories views({vkPersonData});
    auto* view = qobject_cast<TTestView*>(vm_->OpenView(vkPersonData, &Desk(), anna_));
    view->refuseClose = true;
    QVERIFY(!vm_->SubWindowOf(view)->close());
    QVERIFY(!Desk().close());
    Settle();
    QCOMPARE(vm_->FindPersonView(anna_), view);
    QVERIFY(Config);
    view->refuseClose = false;
    QVERIFY(Desk().close());
    QVERIFY(!Config);
  }
};

QTEST_MAIN(ViewManagerTest)
#include "ViewManagerTest.moc"
