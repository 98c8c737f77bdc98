// The entries of the person data view besides the person itself: media
// files with their names, order and pictures, free-form entries, and the
// dialog that moves children between its two lists; also dragging over the
// tabs.
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>

#include "PersonViewTestSupport.h"
#include "core/Sex.h"
#include "ui/KinderZuordnenDlg.h"
#include "ui/RImage.h"

using namespace pvtest;

namespace {

std::unique_ptr<TMediae> StoredMedia(int id) {
  TPerson p;
  p.Id = id;
  return AhnenDB->getMediae(p);
}

int AddMedia(int id, const std::string& title, const std::string& file) {
  TMedia m;
  m.Id = id;
  m.Title = title;
  m.File = file;
  AhnenDB->insertMedia(m);
  return m.AutoInc;
}

void TriggerMenu(TPersonStdView* view, const char* action) {
  emit view->ContextMenu()->aboutToShow();
  QAction* a = Child<QAction>(view, action);
  QVERIFY(a && a->isVisible() && a->isEnabled());
  a->trigger();
}

}  // namespace

class PersonEntriesTest : public QObject {
  Q_OBJECT

 private slots:
  void newMediaEntryIsStoredRelativeToTheMediaDirectory() {
    TDatabase db;
    const int id = NewPerson("Anna", "Meier", sexFemale);
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString file = db.dir.filePath("media/anna.jpg");
    QVERIFY(picture.save(file, "JPG"));
    TPersonStdView* view = OpenView(id);
    ShowPage(view, ppMedia);
    TriggerMenu(view, "NeuMenu");
    auto* grid = Child<QTableWidget>(view, "MediaGrid");
    QCOMPARE(grid->rowCount(), 1);
    QVERIFY(Child<QLineEdit>(view, "MediaTitle")->hasFocus());
    QTest::keyClicks(Child<QLineEdit>(view, "MediaTitle"), "Portrait");
    FileRequest asked;
    SetFileChooser([&](const FileRequest& r) -> std::optional<QString> {
      asked = r;
      return file;
    });
    QTest::mouseClick(Child<QPushButton>(view, "MediaSuchen"), Qt::LeftButton);
    QCOMPARE(asked.title, QStringLiteral("Bild für \"Anna Meier (-) [%1]\"auswählen").arg(id));
    QCOMPARE(asked.directory, ToQ(Config->MediaDir));
    QVERIFY(asked.filter.startsWith("Multimedia ("));
    QCOMPARE(Child<QLineEdit>(view, "MediaFilename")->text(), QStringLiteral("anna.jpg"));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Bild"));
    QCOMPARE(Child<TRImage>(view, "Foto")->Picture().size(), QSize(40, 20));
    QVERIFY(Child<TRImage>(view, "Foto")->isVisible());
    QVERIFY(view->SaveBtnClick());
    Discard(view);
    db.Reopen();
    const auto media = StoredMedia(id);
    QCOMPARE(media->Count(), std::size_t{1});
    QCOMPARE((*media)[0].Title, std::string("Portrait"));
    QCOMPARE((*media)[0].File, std::string("anna.jpg"));
  }

  void tooLongMediaNameKeepsThePreviousName() {
    TDatabase db;
    const int id = NewPerson("Anna", "Meier", sexFemale);
    AddMedia(id, "Brief", "brief.wav");
    TPersonStdView* view = OpenView(id);
    ShowPage(view, ppMedia);
    const std::string longName = std::string(56, 'x') + ".jpg";  // 60 characters
    SetFileChooser([&](const FileRequest&) -> std::optional<QString> { return db.dir.filePath(ToQ("media/" + longName)); });
    QTest::mouseClick(Child<QPushButton>(view, "MediaSuchen"), Qt::LeftButton);
    const QString message = ToQ("Der Dateiname \"" + longName +
                                "\" ist zu lang und kann nicht gespeichert werden.\n\nLegen Sie die Mediadatei im "
                                "Multimediaverzeichnis \"" + Config->MediaDir +
                                "\" ab, dann wird der Dateiname korrekt gespeichert.");
    QCOMPARE(Last(db.prompter), message);
    QCOMPARE(Child<QLineEdit>(view, "MediaFilename")->text(), QStringLiteral("brief.wav"));
    QVERIFY(!view->HasUnsavedChanges());

    // Typing the sixtieth character is refused the same way.
    auto* name = Child<QLineEdit>(view, "MediaFilename");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QString(59, 'y'));
    QCOMPARE(name->text(), QString(59, 'y'));
    QTest::keyClick(name, 'z');
    QCOMPARE(name->text(), QString(59, 'y'));
    QVERIFY(view->SaveBtnClick());
    Discard(view);
    QCOMPARE(ToQ((*StoredMedia(id))[0].File), QString(59, 'y'));
  }

  void mediaOrderCanBeChanged() {
    TDatabase db;
    const int id = NewPerson("Anna", "Meier", sexFemale);
    const int first = AddMedia(id, "Eins", "eins.wav");
    AddMedia(id, "Zwei", "zwei.avi");
    TPersonStdView* view = OpenView(id);
    ShowPage(view, ppMedia);
    auto* grid = Child<QTableWidget>(view, "MediaGrid");
    auto* up = Child<QToolButton>(view, "mediaAufBtn");
    auto* down = Child<QToolButton>(view, "mediaAbBtn");
    QCOMPARE(grid->currentRow(), 0);
    QVERIFY(!up->isVisible());
    QVERIFY(down->isVisible());
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Ton"));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(grid->currentRow(), 1);
    QVERIFY(up->isVisible());
    QVERIFY(!down->isVisible());
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Zwei"));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Video"));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("eins.wav"));
    QVERIFY(view->SaveBtnClick());
    Discard(view);
    const auto media = StoredMedia(id);
    QCOMPARE((*media)[0].AutoInc, first);
    QCOMPARE((*media)[0].Title, std::string("Zwei"));
    QCOMPARE((*media)[1].File, std::string("eins.wav"));
  }

  void mediaLinkIsDeletedAfterAsking() {
    TDatabase db;
    const int id = NewPerson("Anna", "Meier", sexFemale);
    AddMedia(id, "Brief", "brief.wav");
    TPersonStdView* view = OpenView(id);
    ShowPage(view, ppMedia);
    db.prompter.answers = {PromptAnswer::Yes};
    TriggerMenu(view, "LoeschenMenu");
    QCOMPARE(Last(db.prompter), QStringLiteral("Soll die Verbindung zur Datei \"brief.wav (Brief)\" wirklich gelöscht "
                                               "werden?"));
    QCOMPARE(Child<QTableWidget>(view, "MediaGrid")->rowCount(), 0);
    QVERIFY(!Child<QLineEdit>(view, "MediaTitle")->isEnabled());
    QVERIFY(StoredMedia(id)->Empty());
    Discard(view);
  }

  void freeFormEntriesAreStored() {
    TDatabase db({{"DiversesRegister", "Titel", "Allerlei"}, {"DiversesRegister", "0", "Spitzname"}, {"DiversesRegister", "1", "Konfession"}});
    const int id = NewPerson("Anna", "Meier", sexFemale);
    TDiverses other;
    other.Id = id;
    other.Title = "Hobby";
    other.Text = "Geige";
    AhnenDB->insertDiverses(other);
    TPersonStdView* view = OpenView(id);
    QCOMPARE(Child<QTabWidget>(view, "PageControl")->tabText(ppDiverses), QStringLiteral("Allerlei"));
    ShowPage(view, ppDiverses);
    QCOMPARE(Child<QLabel>(view, "DiversesLabel0")->text(), QStringLiteral("Spitzname"));
    QCOMPARE(Child<QLabel>(view, "DiversesLabel1")->text(), QStringLiteral("Konfession"));
    QCOMPARE(Child<QLabel>(view, "DiversesLabel2")->text(), QStringLiteral("Hobby"));
    QCOMPARE(Child<QLineEdit>(view, "DiversesEdit2")->text(), QStringLiteral("Geige"));
    QCOMPARE(Child<QLineEdit>(view, "DiversesEdit1")->y() - Child<QLineEdit>(view, "DiversesEdit0")->y(), 45);
    QTest::keyClicks(Child<QLineEdit>(view, "DiversesEdit0"), "  Anni ");
    QVERIFY(view->HasUnsavedChanges());
    QVERIFY(view->SaveBtnClick());
    Discard(view);
    db.Reopen();
    TPerson p;
    p.Id = id;
    auto entries = AhnenDB->getDiverse(p);
    QCOMPARE(entries->Count(), std::size_t{2});
    std::map<std::string, std::string> byTitle;
    for (const auto& e : *entries) byTitle[e->Title] = e->Text;
    QCOMPARE(byTitle["Spitzname"], std::string("Anni"));
    QCOMPARE(byTitle["Hobby"], std::string("Geige"));

    // Emptying a row deletes its entry.
    view = OpenView(id);
    ShowPage(view, ppDiverses);
    auto* hobby = Child<QLineEdit>(view, "DiversesEdit2");
    QCOMPARE(hobby->text(), QStringLiteral("Geige"));
    hobby->clear();
    QVERIFY(view->SaveBtnClick());
    Discard(view);
    entries = AhnenDB->getDiverse(p);
    QCOMPARE(entries->Count(), std::size_t{1});
    QCOMPARE((*entries)[0].Title, std::string("Spitzname"));
  }

  void childDialogMovesEntries_data() {
    QTest::addColumn<QList<int>>("marked");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("right");
    QTest::addColumn<int>("keptRow");
    QTest::newRow("markierte, umgekehrt") << QList<int>{0, 2} << "RechtsBtn" << QStringList{"B", "D"}
                                          << QStringList{"C", "A"} << 0;
    QTest::newRow("letzte markiert") << QList<int>{3} << "RechtsBtn" << QStringList{"A", "B", "C"} << QStringList{"D"}
                                     << 2;
    QTest::newRow("alle") << QList<int>{} << "AlleRechtsBtn" << QStringList{} << QStringList{"A", "B", "C", "D"} << -1;
  }
  void childDialogMovesEntries() {
    QFETCH(QList<int>, marked);
    QFETCH(QString, button);
    QFETCH(QStringList, left);
    QFETCH(QStringList, right);
    QFETCH(int, keptRow);
    TKinderZuordnenDlg dlg(nullptr, "Text", {{1, "A"}, {2, "B"}, {3, "C"}, {4, "D"}});
    auto* from = Child<QListWidget>(&dlg, "VerfuegbarList");
    auto* to = Child<QListWidget>(&dlg, "ZugeordnetList");
    QVERIFY(!Child<QPushButton>(&dlg, "LinksBtn")->isEnabled());
    for (int row : marked) from->item(row)->setSelected(true);
    QTest::mouseClick(Child<QPushButton>(&dlg, button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(Entries(from), left);
    QCOMPARE(Entries(to), right);
    QCOMPARE(from->currentRow(), keptRow);
    QCOMPARE(Child<QPushButton>(&dlg, "RechtsBtn")->isEnabled(), !left.isEmpty());
    QVERIFY(Child<QPushButton>(&dlg, "AlleLinksBtn")->isEnabled());
    std::vector<int> expected;
    for (const QString& name : right) expected.push_back(name[0].unicode() - 'A' + 1);
    QCOMPARE(dlg.AssignedIds(), expected);
  }

  void draggingOverTheTabsOpensTheRelationPages() {
    TDatabase db;
    TPersonStdView* view = OpenView(NewPerson("Anna", "Meier", sexFemale));
    QTabBar* tabs = Child<QTabWidget>(view, "PageControl")->tabBar();
    const std::unique_ptr<QMimeData> data = TViewManager::PersonMime({1});
    const auto moveOver = [&](int tab) {
      const QPoint at = tabs->mapTo(view, tabs->tabRect(tab).center());
      QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(view, &enter);
      QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(view, &move);
    };
    moveOver(ppEhe);
    QCOMPARE(Child<QTabWidget>(view, "PageControl")->currentIndex(), int(ppEhe));
    moveOver(ppElternKinder);
    QCOMPARE(Child<QTabWidget>(view, "PageControl")->currentIndex(), int(ppElternKinder));
    moveOver(ppMedia);
    QCOMPARE(Child<QTabWidget>(view, "PageControl")->currentIndex(), int(ppElternKinder));
    Discard(view);
  }
};

QTEST_MAIN(PersonEntriesTest)
#include "PersonEntriesTest.moc"
