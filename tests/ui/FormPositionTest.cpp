#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "core/IniFile.h"
#include "core/UserStore.h"
#include "ui/FormPosition.h"

class TPositionProbe : public QWidget {
  Q_OBJECT
};

class FormPositionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    userstore::Reset();
  }
  void cleanup() { userstore::Reset(); }

  void savesUnderTheQtClassName() {
    TPositionProbe w;
    w.resize(321, 234);
    w.move(40, 50);
    SaveFormPosition(&w);
    const TIniFile& store = userstore::Store();
    QCOMPARE(store.ReadInteger("Software\\Orvelin\\Forms", "TPositionProbe_width", -1), 321);
    QCOMPARE(store.ReadInteger("Software\\Orvelin\\Forms", "TPositionProbe_height", -1), 234);
    QCOMPARE(store.ReadInteger("Software\\Orvelin\\Forms", "TPositionProbe_top", -1), 50);
    QCOMPARE(store.ReadInteger("Software\\Orvelin\\Forms", "TPositionProbe_left", -1), 40);
  }

  void restoresSizeAndPlace() {
    TPositionProbe saved;
    saved.resize(321, 234);
    saved.move(40, 50);
    SaveFormPosition(&saved);

    TPositionProbe form;
    form.resize(100, 90);
    form.move(5, 6);
    RestoreFormPosition(&form);
    QCOMPARE(form.size(), QSize(321, 234));
    QCOMPARE(form.pos(), QPoint(40, 50));

    TPositionProbe view;
    view.resize(100, 90);
    view.move(5, 6);
    RestoreViewSize(&view);
    QCOMPARE(view.size(), QSize(321, 234));
    QCOMPARE(view.pos(), QPoint(5, 6));
  }

  void aClassWithNothingStoredKeepsItsGeometry() {
    QWidget plain;
    plain.resize(123, 45);
    plain.move(7, 8);
    RestoreFormPosition(&plain);
    QCOMPARE(plain.size(), QSize(123, 45));
    QCOMPARE(plain.pos(), QPoint(7, 8));
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(FormPositionTest)
#include "FormPositionTest.moc"
