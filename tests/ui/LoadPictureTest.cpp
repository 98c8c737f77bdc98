// The picture loader and the picture control on small files written into a
// temporary directory.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "core/Errors.h"
#include "ui/LoadPicture.h"
#include "ui/RImage.h"

namespace {

QString WritePicture(const QTemporaryDir& dir, const QString& name, int width, int height, const char* format) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  const QString path = dir.filePath(name);
  return image.save(path, format) ? path : QString();
}

QString WriteBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QString();
  return path;
}

// The message of the EInOutError that f raises; empty when none is raised.
template <class F>
QString InOutErrorOf(F f) {
  try {
    f();
  } catch (const EInOutError& e) {
    return QString::fromUtf8(e.what());
  }
  return QString();
}

}  // namespace

class LoadPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(dir_.isValid()); }

  void emptyNameGivesNothing();
  void readable_data();
  void readable();
  void missingFile();
  void unreadable_data();
  void unreadable();

  void imageDefaults();
  void imageZoom_data();
  void imageZoom();
  void imageWithoutZoom();
  void imageBoundsChanged();
  void imageVisibility();
  void imageEmptyNameClears();

 private:
  QTemporaryDir dir_;
};

void LoadPictureTest::emptyNameGivesNothing() { QVERIFY(LoadPicture(QString()).isNull()); }

void LoadPictureTest::readable_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("format");
  QTest::newRow("png") << "a.png" << QByteArray("PNG");
  QTest::newRow("bmp, capital extension") << "B.BMP" << QByteArray("BMP");
  QTest::newRow("png under a jpg name") << "falsch.jpg" << QByteArray("PNG");
}

void LoadPictureTest::readable() {
  QFETCH(QString, name);
  QFETCH(QByteArray, format);
  const QString path = WritePicture(dir_, name, 200, 100, format.constData());
  QVERIFY(!path.isEmpty());
  const QImage image = LoadPicture(path);
  QCOMPARE(image.size(), QSize(200, 100));
}

void LoadPictureTest::missingFile() {
  const QString path = dir_.filePath("fehlt.png");
  QCOMPARE(InOutErrorOf([&] { LoadPicture(path); }), "Bilddatei " + path + " existiert nicht.");
  // A directory is no picture file either.
  QCOMPARE(InOutErrorOf([&] { LoadPicture(dir_.path()); }), "Bilddatei " + dir_.path() + " existiert nicht.");
}

void LoadPictureTest::unreadable_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("bytes");
  QTest::newRow("text under a png name") << "kaputt.png" << QByteArray("kein Bild");
  QTest::newRow("empty file") << "leer.jpg" << QByteArray();
  QTest::newRow("cut off png") << "halb.png" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
}

void LoadPictureTest::unreadable() {
  QFETCH(QString, name);
  QFETCH(QByteArray, bytes);
  const QString path = WriteBytes(dir_, name, bytes);
  QVERIFY(!path.isEmpty());
  QCOMPARE(InOutErrorOf([&] { LoadPicture(path); }), "Can not load picture " + path);
}

void LoadPictureTest::imageDefaults() {
  TRImage image;
  QVERIFY(image.Zoom());
  QCOMPARE(image.MaxWidth(), 100);
  QCOMPARE(image.MaxHeight(), 100);
  QVERIFY(image.Picture().isNull());
}

void LoadPictureTest::imageZoom_data() {
  QTest::addColumn<QSize>("picture");
  QTest::addColumn<QSize>("bounds");
  QTest::addColumn<QSize>("shown");
  QTest::newRow("wide") << QSize(200, 100) << QSize(100, 100) << QSize(100, 50);
  QTest::newRow("tall") << QSize(100, 200) << QSize(100, 100) << QSize(50, 100);
  QTest::newRow("square") << QSize(150, 150) << QSize(100, 100) << QSize(100, 100);
  QTest::newRow("height truncated") << QSize(300, 200) << QSize(100, 100) << QSize(100, 66);
  QTest::newRow("width truncated") << QSize(200, 300) << QSize(100, 100) << QSize(66, 100);
  QTest::newRow("small picture grows") << QSize(50, 20) << QSize(100, 100) << QSize(100, 40);
  QTest::newRow("flat bounds") << QSize(200, 100) << QSize(100, 40) << QSize(80, 40);
  QTest::newRow("ratios equal") << QSize(200, 100) << QSize(120, 60) << QSize(120, 60);
}

void LoadPictureTest::imageZoom() {
  QFETCH(QSize, picture);
  QFETCH(QSize, bounds);
  QFETCH(QSize, shown);
  const QString path = WritePicture(dir_, "bild.png", picture.width(), picture.height(), "PNG");
  QVERIFY(!path.isEmpty());
  TRImage image;
  image.SetMaxWidth(bounds.width());
  image.SetMaxHeight(bounds.height());
  image.SetFileName(path);
  QCOMPARE(image.FileName(), path);
  QCOMPARE(image.Picture().size(), picture);
  QCOMPARE(image.size(), shown);
  QVERIFY(image.hasScaledContents());
}

void LoadPictureTest::imageWithoutZoom() {
  const QString path = WritePicture(dir_, "bild.png", 200, 100, "PNG");
  TRImage image;
  image.SetZoom(false);
  image.resize(30, 20);
  image.SetFileName(path);
  QCOMPARE(image.Picture().size(), QSize(200, 100));
  QCOMPARE(image.size(), QSize(30, 20));
  QVERIFY(!image.hasScaledContents());
}

void LoadPictureTest::imageBoundsChanged() {
  const QString path = WritePicture(dir_, "bild.png", 200, 100, "PNG");
  TRImage image;
  image.SetFileName(path);
  QCOMPARE(image.size(), QSize(100, 50));
  image.SetMaxWidth(60);
  QCOMPARE(image.size(), QSize(60, 30));
}

void LoadPictureTest::imageVisibility() {
  const QString good = WritePicture(dir_, "gut.png", 200, 100, "PNG");
  const QString missing = dir_.filePath("fehlt.png");
  QWidget window;
  auto* image = new TRImage(&window);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  image->SetFileName(good);
  QVERIFY(image->isVisible());
  QCOMPARE(InOutErrorOf([&] { image->SetFileName(missing); }), "Bilddatei " + missing + " existiert nicht.");
  QVERIFY(image->isHidden());
  QVERIFY(image->Picture().isNull());
  QVERIFY(image->pixmap().isNull());
  // Hidden by the failure only: the next picture shows again.
  image->SetFileName(good);
  QVERIFY(image->isVisible());
  QCOMPARE(image->Picture().size(), QSize(200, 100));

  // Hidden by the window: loading keeps it hidden, also after a failure.
  image->hide();
  image->SetFileName(good);
  QVERIFY(image->isHidden());
  QVERIFY(!InOutErrorOf([&] { image->SetFileName(missing); }).isEmpty());
  image->SetFileName(good);
  QVERIFY(image->isHidden());

  // Shown again by the window after a failure, it stays shown.
  image->show();
  QVERIFY(!InOutErrorOf([&] { image->SetFileName(missing); }).isEmpty());
  image->show();
  image->SetFileName(good);
  QVERIFY(image->isVisible());
}

void LoadPictureTest::imageEmptyNameClears() {
  const QString good = WritePicture(dir_, "gut.png", 200, 100, "PNG");
  QWidget window;
  auto* image = new TRImage(&window);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  image->SetFileName(good);
  image->SetFileName(QString());
  QVERIFY(image->Picture().isNull());
  QVERIFY(image->pixmap().isNull());
  QVERIFY(image->isVisible());
}

QTEST_MAIN(LoadPictureTest)
#include "LoadPictureTest.moc"
