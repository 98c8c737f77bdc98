// The person data view as a whole: entering and saving a person, the
// question about unsaved changes, widths of the fields, lazily loaded
// pages, the start page, the read-only mode and the page "Zusätze".
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include "PersonViewTestSupport.h"
#include "core/Sex.h"
#include "ui/RComboBox.h"
#include "ui/RControls.h"
#include "ui/RDatum.h"

using namespace pvtest;

class PersonStdViewTest : public QObject {
  Q_OBJECT

 private slots:
  void enteredPersonAndDroppedFatherAreStored() {
    auto db = std::make_unique<TDatabase>();
    const int father = NewPerson("Johann", "Muster", sexMale);
    const int id = NewPerson("", "", sexUnknown);
    TPersonStdView* view = OpenView(id);
    QVERIFY(!Child<QPushButton>(view, "SaveBtn")->isEnabled());

    TypeInto(Child<QComboBox>(view, "Vorname"), "hans");
    TypeInto(Child<QComboBox>(view, "Nachname"), "muster");
    TypeInto(Child<TRDatum>(view, "GeburtDat"), "05011900");
    QTest::mouseClick(Child<TRRadioButton>(view, "Mann"), Qt::LeftButton);
    QVERIFY(Child<QPushButton>(view, "SaveBtn")->isEnabled());
    QTest::mouseClick(Child<QPushButton>(view, "SaveBtn"), Qt::LeftButton);
    QVERIFY(!Child<QPushButton>(view, "SaveBtn")->isEnabled());
    QCOMPARE(view->windowTitle(), QStringLiteral("Person: Hans Muster (05.01.1900-) [%1]").arg(id));

    ShowPage(view, ppElternKinder);
    db->prompter.answers = {PromptAnswer::Yes};
    QVERIFY(DropPerson(Child<QListWidget>(view, "vater"), father));
    QCOMPARE(Last(db->prompter), QStringLiteral("Soll \"Johann Muster (-) [%1]\" als Vater von "
                                                "\"Hans Muster (05.01.1900-) [%2]\" zugeordnet werden?")
                                     .arg(father)
                                     .arg(id));
    QCOMPARE(db->prompter.asked.back().kind, PromptKind::Confirmation);
    QCOMPARE(Entries(Child<QListWidget>(view, "vater")),
             QStringList{QStringLiteral("Johann Muster (-) [%1]").arg(father)});
    // Relations are written at once: nothing is left to save.
    QVERIFY(!view->HasUnsavedChanges());
    QVERIFY(view->close());
    QCOMPARE(db->prompter.asked.size(), std::size_t{1});

    db->Reopen();
    const auto stored = AhnenDB->getPersonDetail(id);
    QCOMPARE(stored->Vorname, std::string("Hans"));
    QCOMPARE(stored->Nachname, std::string("Muster"));
    QCOMPARE(stored->Geburt, std::string("1900.01.05"));
    QCOMPARE(stored->Geschlecht, int(sexMale));
    QCOMPARE(stored->Vater, father);
    QCOMPARE(stored->Mutter, 0);
  }

  void fieldsAreCutToTheirWidth_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("width");
    QTest::newRow("Nachname") << "Nachname" << int(ppPerson) << 40;
    QTest::newRow("Ort") << "Ort" << int(ppPerson) << 80;
    QTest::newRow("Beruf") << "Beruf" << int(ppPerson) << 70;
    QTest::newRow("GeburtOrt") << "GeburtOrt" << int(ppPerson) << 30;
    QTest::newRow("PLZ") << "PLZ" << int(ppDetails) << 10;
    QTest::newRow("Land") << "Land" << int(ppDetails) << 20;
  }
  void fieldsAreCutToTheirWidth() {
    QFETCH(QString, field);
    QFETCH(int, page);
    QFETCH(int, width);
    TDatabase db;
    const int id = NewPerson("Anna", "Meier", sexFemale);
    TPersonStdView* view = OpenView(id);
    ShowPage(view, page);
    // Umlauts count as one character each.
    const QString typed = QString(width + 5, QChar(u'ü'));
    QWidget* w = view->findChild<QWidget*>(field);
    QVERIFY(w);
    if (auto* combo = qobject_cast<QComboBox*>(w))
      combo->setEditText(typed);
    else
      qobject_cast<QLineEdit*>(w)->setText(typed);
    QVERIFY(view->SaveBtnClick());
    Discard(view);
    const auto p = AhnenDB->getPersonDetail(id);
    const std::map<QString, std::string> stored{{"Nachname", p->Nachname}, {"Ort", p->Ort},
                                                {"Beruf", p->Beruf},       {"GeburtOrt", p->GeburtOrt},
                                                {"PLZ", p->PLZ},           {"Land", p->Land}};
    QCOMPARE(ToQ(stored.at(field)), QString(width, QChar(u'ü')));
  }

  void fieldsOfPagesNeverShownKeepTheirValues() {
    // The view opens on "Details"; "Person" is never filled.
    TDatabase db({{"Darstellung", "StandardPersonenRegister", "1"}});
    TPersonDetail p;
    p.Vorname = "Anna";
    p.GeburtOrt = "Bern";
    p.Beruf = "Lehrerin";
    p.Kommentar = {"erste Zeile", "zweite Zeile"};
    AhnenDB->insert(p);
    TPersonStdView* view = OpenView(p.Id);
    QCOMPARE(Child<QTabWidget>(view, "PageControl")->currentIndex(), int(ppDetails));
    TypeInto(Child<QComboBox>(view, "Religion"), "reformiert");
    QVERIFY(view->SaveBtnClick());
    Discard(view);
    const auto stored = AhnenDB->getPersonDetail(p.Id);
    QCOMPARE(stored->Religion, std::string("reformiert"));
    QCOMPARE(stored->GeburtOrt, std::string("Bern"));
    QCOMPARE(stored->Beruf, std::string("Lehrerin"));
    QCOMPARE(stored->Kommentar, (std::vector<std::string>{"erste Zeile", "zweite Zeile"}));
  }

  void closingWithUnsavedChangesAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Ja: speichern") << int(PromptAnswer::Yes) << true << "Berta";
    QTest::newRow("Nein: verwerfen") << int(PromptAnswer::No) << true << "Anna";
    QTest::newRow("Abbrechen: offen bleiben") << int(PromptAnswer::Cancel) << false << "Anna";
  }
  void closingWithUnsavedChangesAsks() {
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(QString, stored);
    TDatabase db;
    const int id = NewPerson("Anna", "Meier", sexFemale);
    QPointer<TPersonStdView> view = OpenView(id);
    Child<QComboBox>(view, "Vorname")->setEditText("Berta");
    QVERIFY(view->HasUnsavedChanges());
    db.prompter.answers = {PromptAnswer(answer)};
    QCOMPARE(view->close(), closed);
    QCOMPARE(db.prompter.asked.size(), std::size_t{1});
    QCOMPARE(db.prompter.asked[0].kind, PromptKind::Warning);
    QCOMPARE(db.prompter.asked[0].buttons, PromptButtons::YesNoCancel);
    QCOMPARE(Last(db.prompter), QStringLiteral("Daten von Formular \"Person: Berta Meier (-) [%1]\" wurden geändert "
                                               "und noch nicht gespeichert.\n\nWollen Sie sie vor dem Schliessen "
                                               "speichern?")
                                    .arg(id));
    QCOMPARE(ToQ(AhnenDB->getPerson(id)->Vorname), stored);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(view.isNull(), closed);
    if (view) {
      QVERIFY(view->HasUnsavedChanges());
      db.prompter.answers = {PromptAnswer::No};
      QVERIFY(view->close());
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }

  void changingThePersonAsksFirst() {
    TDatabase db;
    const int anna = NewPerson("Anna", "Meier", sexFemale);
    const int otto = NewPerson("Otto", "Meier", sexMale);
    TPersonStdView* view = OpenView(anna);
    Child<QComboBox>(view, "Vorname")->setEditText("Berta");
    db.prompter.answers = {PromptAnswer::Cancel};
    QVERIFY(!view->ChangePerson(AhnenDB->getPerson(otto)));
    QCOMPARE(view->GetPersonId(), anna);
    QCOMPARE(Last(db.prompter), QStringLiteral("Daten wurden geändert und noch nicht gespeichert.\n\n"
                                               "Wollen Sie sie vor dem Personenwechsel speichern?"));
    db.prompter.answers = {PromptAnswer::Yes};
    QVERIFY(view->ChangePerson(AhnenDB->getPerson(otto)));
    QCOMPARE(view->GetPersonId(), otto);
    QCOMPARE(Child<QComboBox>(view, "Vorname")->currentText(), QStringLiteral("Otto"));
    QVERIFY(!view->HasUnsavedChanges());
    QCOMPARE(AhnenDB->getPerson(anna)->Vorname, std::string("Berta"));
    Discard(view);
  }

  void startPageFollowsTheSetting_data() {
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("page");
    QTest::newRow("Person") << 0 << int(ppPerson);
    QTest::newRow("Eltern-Kinder") << 3 << int(ppElternKinder);
    QTest::newRow("Multimedia") << 4 << int(ppMedia);
    // The setting does not count "Zusätze": its 5 is "Diverses".
    QTest::newRow("Diverses") << 5 << int(ppDiverses);
    QTest::newRow("kein Register") << 9 << int(ppPerson);
  }
  void startPageFollowsTheSetting() {
    QFETCH(int, setting);
    QFETCH(int, page);
    TDatabase db({{"Darstellung", "StandardPersonenRegister", std::to_string(setting)}});
    TPersonStdView* view = OpenView(NewPerson("Anna", "Meier", sexFemale));
    QCOMPARE(Child<QTabWidget>(view, "PageControl")->currentIndex(), page);
    Discard(view);
  }

  void readOnlyDatabaseOffersNoEditing() {
    TDatabase db({{"Datenbank", "NurLesen", "1"}});
    const int father = NewPerson("Johann", "Muster", sexMale);
    const int id = NewPerson("Anna", "Meier", sexFemale);
    TPersonStdView* view = OpenView(id);
    QVERIFY(view->ReadOnly());
    QVERIFY(Child<QLabel>(view, "roImage")->isVisible());
    TypeInto(Child<QComboBox>(view, "Vorname"), "x");
    QCOMPARE(Child<QComboBox>(view, "Vorname")->currentText(), QStringLiteral("Anna"));
    TypeInto(Child<TRDatum>(view, "GeburtDat"), "01");
    QVERIFY(!Child<TRDatum>(view, "GeburtDat")->InEntryMode());
    QTest::mouseClick(Child<TRRadioButton>(view, "Mann"), Qt::LeftButton);
    QVERIFY(Child<TRRadioButton>(view, "Frau")->isChecked());
    QVERIFY(!view->HasUnsavedChanges());
    QVERIFY(!view->SaveBtnClick());

    ShowPage(view, ppElternKinder);
    QVERIFY(!DropPerson(Child<QListWidget>(view, "vater"), father));
    QVERIFY(!DropPerson(Child<QListWidget>(view, "kinder"), father));
    ShowPage(view, ppEhe);
    QVERIFY(!DropPerson(Child<QListWidget>(view, "ehen"), father));
    ShowPage(view, ppMedia);
    QVERIFY(Child<QPushButton>(view, "MediaSuchen")->isHidden());
    QMenu* menu = view->ContextMenu();
    emit menu->aboutToShow();
    QVERIFY(!Child<QAction>(view, "NeuMenu")->isEnabled());
    ShowPage(view, ppPerson);
    emit menu->aboutToShow();
    QVERIFY(!Child<QAction>(view, "LoeschenMenu")->isEnabled());
    view->DelBtnClick();
    QVERIFY(AhnenDB->personExists(id));
    QVERIFY(db.prompter.asked.empty());
    QVERIFY(view->close());
    QCOMPARE(AhnenDB->getPerson(id)->Vater, 0);
  }

  void zusaetzeCannotBeEdited() {
    TDatabase db;
    TPersonStdView* view = OpenView(NewPerson("Anna", "Meier", sexFemale));
    ShowPage(view, ppZusaetze);
    TypeInto(Child<QComboBox>(view, "zsRufname"), "Anni");
    TypeInto(Child<QLineEdit>(view, "zsTitel"), "Dr.");
    QCOMPARE(Child<QComboBox>(view, "zsRufname")->currentText(), QString());
    QCOMPARE(Child<QLineEdit>(view, "zsTitel")->text(), QString());
    QVERIFY(!view->HasUnsavedChanges());
    // Leaving read-only mode does not open the page either.
    view->SetReadOnly(true);
    view->SetReadOnly(false);
    QVERIFY(Child<QLineEdit>(view, "zsTitel")->isReadOnly());
    Discard(view);
  }

  void invalidPersonIsReported() {
    TDatabase db;
    TPersonStdView view;
    auto nobody = std::make_unique<TPerson>();
    QVERIFY(!view.ChangePerson(std::move(nobody)));
    QCOMPARE(Last(db.prompter), QStringLiteral("PersonStdViewM: setPerson(): aPerson.Id<=0"));
    QCOMPARE(db.prompter.asked.back().kind, PromptKind::Error);
    const int id = NewPerson("Anna", "Meier", sexFemale);
    view.setPerson(AhnenDB->getPerson(id));
    view.loadTabData(7);
    QCOMPARE(Last(db.prompter), QStringLiteral("PersonStdViewM: loadTabData: ungültiger PageIndex"));
    QCOMPARE(view.GetPersonId(), id);
  }
};

QTEST_MAIN(PersonStdViewTest)
#include "PersonStdViewTest.moc"
