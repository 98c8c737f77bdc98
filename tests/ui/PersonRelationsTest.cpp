// Relations made in the person data view: parents, children and partners
// dropped onto its lists, the refusals, the dialogs that assign children,
// the married name, divorce, and the views of the others following along.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "PersonViewTestSupport.h"
#include "core/Sex.h"
#include "ui/KindZuElternView.h"
#include "ui/KinderZuordnenDlg.h"
#include "ui/RControls.h"
#include "ui/RDatum.h"

using namespace pvtest;

namespace {

// Answers "Kinder zuordnen" by moving every child across; records the texts.
struct TAllChildren {
  std::vector<QString> texts;
  std::vector<QStringList> offered;
  int operator()(QDialog& d) {
    auto* dlg = qobject_cast<TKinderZuordnenDlg*>(&d);
    if (!dlg) return QDialog::Rejected;
    texts.push_back(Child<QLabel>(dlg, "InfoLabel")->text());
    offered.push_back(Entries(Child<QListWidget>(dlg, "VerfuegbarList")));
    QTest::mouseClick(Child<QPushButton>(dlg, "AlleRechtsBtn"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(dlg, "OkBtn"), Qt::LeftButton);
    return dlg->result();
  }
};

}  // namespace

class PersonRelationsTest : public QObject {
  Q_OBJECT

 private slots:
  void wrongParentsAndChildrenAreRefused_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("message");
    QTest::newRow("Frau als Vater") << "vater" << "frau" << "Der Vater muss männlichen Geschlechts sein!";
    QTest::newRow("Mann als Mutter") << "mutter" << "mann" << "Die Mutter muss weiblichen Geschlechts sein!";
    QTest::newRow("Kind mit Vater") << "kinder" << "kindMitVater"
                                    << "\"Kurt Meier (-) [4]\" ist bereits ein Vater zugewiesen!";
    QTest::newRow("selbst als Vater") << "vater" << "selbst" << "Eine Person kann nicht ihr eigener Elternteil sein.";
    QTest::newRow("selbst als Kind") << "kinder" << "selbst" << "Eine Person kann nicht ihr eigener Elternteil sein.";
    QTest::newRow("selbst als Partner") << "ehen" << "selbst" << "Eine Person kann nicht ihr eigener (Ehe-)Partner sein.";
    QTest::newRow("Mann als Partner") << "ehen" << "mann"
                                      << "Die beiden (Ehe-)Partner müssen verschiedenen Geschlechts sein!";
    QTest::newRow("Unbekannt als Partner") << "ehen" << "unbekannt"
                                           << "Das Geschlecht von (Ehe-)Partnern muss bekannt sein!";
    QTest::newRow("Enkel als Vater") << "vater" << "enkel"
                                     << "Eine Person kann nicht ihr eigener Vorfahre sein.\n\n\"Hans Muster (-) [1]\" "
                                        "ist bereits ein Vorfahre von \"Max Muster (-) [7]\".";
  }
  void wrongParentsAndChildrenAreRefused() {
    QFETCH(QString, list);
    QFETCH(QString, dropped);
    QFETCH(QString, message);
    TDatabase db;
    const int hans = NewPerson("Hans", "Muster", sexMale);            // 1: the shown person
    const int frau = NewPerson("Erna", "Muster", sexFemale);          // 2
    const int mann = NewPerson("Paul", "Keller", sexMale);            // 3
    const int kind = NewPerson("Kurt", "Meier", sexMale, mann);       // 4
    const int unbekannt = NewPerson("Kim", "Roth", sexUnknown);       // 5
    const int sohn = NewPerson("Fritz", "Muster", sexMale, hans);     // 6
    const int enkel = NewPerson("Max", "Muster", sexMale, sohn);      // 7
    const std::map<QString, int> ids{{"frau", frau},   {"mann", mann},   {"kindMitVater", kind},
                                     {"selbst", hans}, {"enkel", enkel}, {"unbekannt", unbekannt}};
    TPersonStdView* view = OpenView(hans);
    ShowPage(view, list == "ehen" ? ppEhe : ppElternKinder);
    QVERIFY(DropPerson(Child<QListWidget>(view, list.toLatin1().constData()), ids.at(dropped)));
    QCOMPARE(db.prompter.asked.size(), std::size_t{1});
    QCOMPARE(db.prompter.asked[0].kind, PromptKind::Warning);
    QCOMPARE(Last(db.prompter), message);
    Discard(view);
    db.Reopen();
    const auto me = AhnenDB->getPersonDetail(hans);
    QCOMPARE(me->Vater, 0);
    QCOMPARE(me->Mutter, 0);
    QVERIFY(AhnenDB->getPartners(*me)->Empty());
    QCOMPARE(AhnenDB->getPerson(kind)->Vater, mann);
    QCOMPARE(AhnenDB->getPerson(sohn)->Vater, hans);
  }

  void anAncestorCannotBecomeAChild() {
    TDatabase db;
    const int opa = NewPerson("Hans", "Muster", sexMale);
    const int vater = NewPerson("Fritz", "Muster", sexMale, opa);
    const int enkel = NewPerson("Max", "Muster", sexMale, vater);
    TPersonStdView* view = OpenView(enkel);
    ShowPage(view, ppElternKinder);
    QVERIFY(DropPerson(Child<QListWidget>(view, "kinder"), opa));
    QCOMPARE(Last(db.prompter), QStringLiteral("Eine Person kann nicht ihr eigener Vorfahre sein.\n\n"
                                               "\"Hans Muster (-) [1]\" ist bereits ein Vorfahre von "
                                               "\"Max Muster (-) [3]\"."));
    QCOMPARE(AhnenDB->getPerson(opa)->Vater, 0);
    Discard(view);
  }

  void aSetFatherTakesNoFurtherDrop() {
    TDatabase db;
    const int father = NewPerson("Hans", "Muster", sexMale);
    const int other = NewPerson("Paul", "Keller", sexMale);
    const int id = NewPerson("Kurt", "Muster", sexMale, father);
    TPersonStdView* view = OpenView(id);
    ShowPage(view, ppElternKinder);
    QVERIFY(!DropPerson(Child<QListWidget>(view, "vater"), other));
    QVERIFY(db.prompter.asked.empty());
    QCOMPARE(AhnenDB->getPerson(id)->Vater, father);
    Discard(view);
  }

  void marriageWithChildrenAndDivorceIsStored() {
    TDatabase db;
    const int hans = NewPerson("Hans", "Muster", sexMale);
    const int anna = NewPerson("Anna", "Meier", sexFemale);
    const int k1 = NewPerson("Karl", "Meier", sexMale, 0, anna);
    const int k2 = NewPerson("Klara", "Meier", sexFemale, 0, anna);
    TPersonStdView* view = OpenView(hans);
    ShowPage(view, ppEhe);
    TAllChildren runner;
    int dialogs = 0;
    SetDialogRunner([&](QDialog& d) {
      ++dialogs;
      return runner(d);
    });
    db.prompter.answers = {PromptAnswer::Yes};
    QVERIFY(DropPerson(Child<QListWidget>(view, "ehen"), anna));
    QCOMPARE(ToQ(db.prompter.asked[0].text),
             QStringLiteral("Soll \"Anna Meier (-) [%1]\" als (Ehe-)Partner von \"Hans Muster (-) [%2]\" zugeordnet "
                            "werden?")
                 .arg(anna)
                 .arg(hans));
    // Hans has no children to give Anna; hers are offered to him.
    QCOMPARE(dialogs, 1);
    QCOMPARE(runner.texts[0], QStringLiteral("Wählen Sie nun die Kinder des neuen (Ehe-)Partners \"\n\"Anna Meier (-) "
                                             "[%1]\" aus, die auch bei \n\"Hans Muster (-) [%2]\" als Kinder "
                                             "eingetragen werden sollen:")
                                  .arg(anna)
                                  .arg(hans));
    QCOMPARE(runner.offered[0], (QStringList{QStringLiteral("Karl Meier (-) [%1]").arg(k1),
                                             QStringLiteral("Klara Meier (-) [%1]").arg(k2)}));
    QCOMPARE(Entries(Child<QListWidget>(view, "ehen")),
             QStringList{QStringLiteral("1:  Anna Meier (-) [%1]").arg(anna)});
    // Anna had no married name: she gets Hans' surname without a question.
    QCOMPARE(db.prompter.asked.size(), std::size_t{1});

    auto* divorced = Child<TRCheckBox>(view, "Geschieden");
    QTest::mouseClick(divorced, Qt::LeftButton, {}, QPoint(8, divorced->height() / 2));
    QVERIFY(divorced->isChecked());
    TypeInto(Child<TRDatum>(view, "ScheidDat"), "01021950");
    TypeInto(Child<QComboBox>(view, "ScheidOrt"), "bern");
    QVERIFY(view->HasUnsavedChanges());
    QVERIFY(view->SaveBtnClick());
    Discard(view);

    db.Reopen();
    const int marriage = AhnenDB->findMarriage(hans, anna);
    QVERIFY(marriage > 0);
    const auto rec = AhnenDB->getMarriage(marriage);
    QVERIFY(rec->Verheiratet);
    QVERIFY(rec->Geschieden);
    QCOMPARE(rec->Scheidung, std::string("1950.02.01"));
    QCOMPARE(rec->ScheidungOrt, std::string("Bern"));
    QCOMPARE(AhnenDB->getPerson(k1)->Vater, hans);
    QCOMPARE(AhnenDB->getPerson(k2)->Vater, hans);
    QCOMPARE(AhnenDB->getPerson(anna)->Famname, std::string("Muster"));
  }

  void marriedNameOfBothIsProposed() {
    TDatabase db({{"Daten", "FamNameAuto", "1"}, {"Daten", "FamNameBeide", "1"}});
    const int hans = NewPerson("Hans", "Muster", sexMale);
    TPersonDetail anna;
    anna.Vorname = "Anna";
    anna.Nachname = "Meier";
    anna.Famname = "Alt";
    anna.Geschlecht = sexFemale;
    AhnenDB->insert(anna);
    TPersonStdView* view = OpenView(anna.Id);
    ShowPage(view, ppEhe);
    int dialogs = 0;
    SetDialogRunner([&](QDialog&) { return ++dialogs, int(QDialog::Rejected); });
    db.prompter.answers = {PromptAnswer::Yes, PromptAnswer::Yes};
    QVERIFY(DropPerson(Child<QListWidget>(view, "ehen"), hans));
    QCOMPARE(dialogs, 0);
    QCOMPARE(db.prompter.asked.size(), std::size_t{2});
    QCOMPARE(Last(db.prompter), QStringLiteral("Soll für die Person \"Anna Meier (-) [%1]\" neu \"Muster-Meier\" als "
                                               "Familienname verwendet werden?")
                                    .arg(anna.Id));
    // She is the shown person: the name waits in the field for saving.
    QCOMPARE(Child<QComboBox>(view, "Famname")->currentText(), QStringLiteral("Muster-Meier"));
    QCOMPARE(AhnenDB->getPerson(anna.Id)->Famname, std::string("Alt"));
    QVERIFY(view->SaveBtnClick());
    QCOMPARE(AhnenDB->getPerson(anna.Id)->Famname, std::string("Muster-Meier"));
    Discard(view);
  }

  void childThroughPartnerReachesTheChildsOpenView() {
    TDatabase db;
    const int hans = NewPerson("Hans", "Muster", sexMale);
    const int anna = NewPerson("Anna", "Meier", sexFemale);
    TEheRec m;
    m.Mann = hans;
    m.Frau = anna;
    AhnenDB->insertMarriage(m);
    const int kind = NewPerson("Karl", "Muster", sexMale);
    TPersonStdView* childView = OpenView(kind);
    ShowPage(childView, ppElternKinder);
    // An unsaved edit in the child's view, made before its parents change.
    Child<QComboBox>(childView, "Vorname")->setEditText("Karl Emil");

    TPersonStdView* view = OpenView(hans);
    ShowPage(view, ppElternKinder);
    QString asked;
    QStringList partners;
    SetDialogRunner([&](QDialog& d) {
      auto* dlg = qobject_cast<TKindZuElternView*>(&d);
      if (!dlg) return int(QDialog::Rejected);
      asked = Child<QLabel>(dlg, "InfoLabel")->text();
      partners = Entries(Child<QListWidget>(dlg, "PartnerList"));
      QTest::mouseClick(Child<QPushButton>(dlg, "JaBtn"), Qt::LeftButton);
      return dlg->result();
    });
    db.prompter.answers = {PromptAnswer::Yes};
    QVERIFY(DropPerson(Child<QListWidget>(view, "kinder"), kind));
    QCOMPARE(asked, QStringLiteral("Soll \"Karl Muster (-) [%1]\"\nauch als Kind von folgendem Partner zugewiesen "
                                   "werden?")
                        .arg(kind));
    QCOMPARE(partners, QStringList{QStringLiteral("Anna Meier (-) [%1]").arg(anna)});
    QCOMPARE(Entries(Child<QListWidget>(view, "kinder")),
             QStringList{QStringLiteral("1: Karl Muster (-) [%1] M[%2]").arg(kind).arg(anna)});
    QCOMPARE(Entries(Child<QListWidget>(childView, "vater")),
             QStringList{QStringLiteral("Hans Muster (-) [%1]").arg(hans)});
    QCOMPARE(Entries(Child<QListWidget>(childView, "mutter")),
             QStringList{QStringLiteral("Anna Meier (-) [%1]").arg(anna)});
    // Saving the child's edit must not write its old parents back.
    QVERIFY(childView->SaveBtnClick());
    Discard(childView);
    Discard(view);
    db.Reopen();
    const auto stored = AhnenDB->getPerson(kind);
    QCOMPARE(stored->Vorname, std::string("Karl Emil"));
    QCOMPARE(stored->Vater, hans);
    QCOMPARE(stored->Mutter, anna);
  }

  void kinderZuordnenReachesTheChildsOpenView() {
    TDatabase db;
    const int hans = NewPerson("Hans", "Muster", sexMale);
    const int anna = NewPerson("Anna", "Meier", sexFemale);
    const int kind = NewPerson("Karl", "Muster", sexMale, hans);
    TPersonStdView* childView = OpenView(kind);
    Child<QComboBox>(childView, "Ort")->setEditText("Basel");
    TPersonStdView* view = OpenView(hans);
    ShowPage(view, ppEhe);
    TAllChildren runner;
    SetDialogRunner(std::ref(runner));
    db.prompter.answers = {PromptAnswer::Yes};
    QVERIFY(DropPerson(Child<QListWidget>(view, "ehen"), anna));
    QCOMPARE(runner.texts.size(), std::size_t{1});
    QCOMPARE(runner.texts[0], QStringLiteral("Wählen Sie die Kinder für den neuen (Ehe-)Partner\n"
                                             "\"Anna Meier (-) [%1]\" aus:")
                                  .arg(anna));
    QCOMPARE(AhnenDB->getPerson(kind)->Mutter, anna);
    QVERIFY(childView->SaveBtnClick());
    QCOMPARE(AhnenDB->getPerson(kind)->Mutter, anna);
    QCOMPARE(AhnenDB->getPerson(kind)->Ort, std::string("Basel"));
    Discard(childView);
    Discard(view);
  }

  void deletingAPersonClearsItsChildrensParent() {
    TDatabase db;
    const int hans = NewPerson("Hans", "Muster", sexMale);
    const int anna = NewPerson("Anna", "Meier", sexFemale);
    TEheRec m;
    m.Mann = hans;
    m.Frau = anna;
    AhnenDB->insertMarriage(m);
    const int k1 = NewPerson("Karl", "Muster", sexMale, hans, anna);
    const int k2 = NewPerson("Klara", "Muster", sexFemale, hans);
    QPointer<TPersonStdView> view = OpenView(hans);
    TPersonStdView* v1 = OpenView(k1);
    ShowPage(v1, ppElternKinder);
    TPersonStdView* v2 = OpenView(k2);
    ShowPage(v2, ppElternKinder);
    TPersonStdView* annaView = OpenView(anna);
    ShowPage(annaView, ppEhe);
    db.prompter.answers = {PromptAnswer::Yes};
    view->DelBtnClick();
    QCOMPARE(ToQ(db.prompter.asked[0].text),
             QStringLiteral("Die Person \"Hans Muster (-) [%1]\" hat: \n - 1 Partner\n - 2 Kind(er) zugewiesen!\n\n"
                            "Soll die Person und alle ihre Beziehungen wirklich gelöscht werden?")
                 .arg(hans));
    QCOMPARE(db.prompter.asked[0].kind, PromptKind::Warning);
    QCOMPARE(Last(db.prompter), QStringLiteral("Person \"Hans Muster (-) [%1]\" wurde gelöscht.").arg(hans));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(view.isNull());
    QVERIFY(!AhnenDB->personExists(hans));
    QCOMPARE(AhnenDB->getPerson(k1)->Vater, 0);
    QCOMPARE(AhnenDB->getPerson(k1)->Mutter, anna);
    QCOMPARE(AhnenDB->getPerson(k2)->Vater, 0);
    QVERIFY(Entries(Child<QListWidget>(v1, "vater")).isEmpty());
    QVERIFY(Entries(Child<QListWidget>(v2, "vater")).isEmpty());
    QVERIFY(Entries(Child<QListWidget>(annaView, "ehen")).isEmpty());
    QCOMPARE(AhnenDB->findMarriage(hans, anna), 0);
    for (TPersonStdView* v : {v1, v2, annaView}) Discard(v);
  }

  void sexChangeFollowsTheRelations_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("relation");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("status");
    const QString refused = "Aenderungen am Geschlecht sind nicht erlaubt, wenn Partner oder Kinder zugewiesen sind! "
                            "Entfernen Sie zuerst diese Beziehungen.";
    QTest::newRow("Vater wird Frau") << int(sexMale) << "vater" << "Frau" << int(sexMale) << refused;
    QTest::newRow("Ehefrau wird Mann") << int(sexFemale) << "ehefrau" << "Mann" << int(sexFemale) << refused;
    QTest::newRow("ohne Beziehung") << int(sexMale) << "" << "Frau" << int(sexFemale) << "";
    QTest::newRow("unbekannt ohne Beziehung") << int(sexUnknown) << "" << "Frau" << int(sexFemale) << "";
    QTest::newRow("unbekannter Vater wird Mann") << int(sexUnknown) << "vater" << "Mann" << int(sexMale) << "";
    QTest::newRow("unbekannter Vater wird Frau")
        << int(sexUnknown) << "vater" << "Frau" << int(sexUnknown)
        << "Diese Person ist als Vater oder Ehemann eingetragen und kann daher nur männlich sein.";
  }
  void sexChangeFollowsTheRelations() {
    QFETCH(int, stored);
    QFETCH(QString, relation);
    QFETCH(QString, click);
    QFETCH(int, shown);
    QFETCH(QString, status);
    TDatabase db;
    const int id = NewPerson("Kim", "Roth", stored);
    if (relation == "vater") NewPerson("Karl", "Roth", sexMale, id);
    if (relation == "ehefrau") {
      TEheRec m;
      m.Mann = NewPerson("Otto", "Roth", sexMale);
      m.Frau = id;
      AhnenDB->insertMarriage(m);
    }
    TPersonStdView* view = OpenView(id);
    QTest::mouseClick(Child<TRRadioButton>(view, click.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(Child<TRRadioButton>(view, "Mann")->isChecked(), shown == sexMale);
    QCOMPARE(Child<TRRadioButton>(view, "Frau")->isChecked(), shown == sexFemale);
    QCOMPARE(ToQ(db.host.status), status);
    QCOMPARE(view->HasUnsavedChanges(), shown != stored);
    QVERIFY(!view->HasUnsavedChanges() || view->SaveBtnClick());
    QCOMPARE(AhnenDB->getPerson(id)->Geschlecht, shown);
    Discard(view);
  }

  void linkIsMadeAndStored() {
    TDatabase db;
    const int hans = NewPerson("Hans", "Muster", sexMale);
    const int pate = NewPerson("Paul", "Keller", sexMale);
    TPersonStdView* view = OpenView(hans);
    ShowPage(view, ppElternKinder);
    QString person;
    SetDialogRunner([&](QDialog& d) {
      person = Child<QLabel>(&d, "PersonLabel")->text();
      Child<QLineEdit>(&d, "BeziehungText")->setText("Pate");
      QTest::mouseClick(Child<QPushButton>(&d, "SpeichernBtn"), Qt::LeftButton);
      return d.result();
    });
    db.prompter.answers = {PromptAnswer::Yes};
    QVERIFY(DropPerson(Child<QListWidget>(view, "beziehungen"), pate));
    QCOMPARE(Last(db.prompter), QStringLiteral("Soll eine Beziehung von \"Hans Muster (-) [%1]\" zu \"Paul Keller (-) "
                                               "[%2]\" hergestellt werden?")
                                    .arg(hans)
                                    .arg(pate));
    QCOMPARE(person, QStringLiteral("Paul Keller (-) [%1]").arg(pate));
    QCOMPARE(Entries(Child<QListWidget>(view, "beziehungen")),
             QStringList{QStringLiteral("1: Pate: Paul Keller (-) [%1]").arg(pate)});
    // The kind of the relationship is written with the next save.
    QVERIFY(view->HasUnsavedChanges());
    QVERIFY(view->SaveBtnClick());
    Discard(view);
    db.Reopen();
    TPerson me;
    me.Id = hans;
    const auto links = AhnenDB->getLinks(me);
    QCOMPARE(links->Count(), std::size_t{1});
    QCOMPARE((*links)[0].Id2, pate);
    QCOMPARE((*links)[0].Text, std::string("Pate"));
  }
};

QTEST_MAIN(PersonRelationsTest)
#include "PersonRelationsTest.moc"
