// The desktop program: the splash screen, then the main window on the
// project file given as the first argument, or on the one opened last.
#include <QApplication>
#include <QLibraryInfo>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>
#include <QTranslator>

#include "core/Configuration.h"
#include "core/Prompter.h"
#include "ui/DeskView.h"
#include "ui/ToolIcons.h"

namespace {

constexpr int kSplashMillis = 3000;

// Failures that reach the event loop are shown, not fatal.
class TApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());
    }
    return false;
  }
};

// A small family tree on a parchment ground, with the program's name.
QPixmap SplashPicture() {
  const QSize size(460, 280);
  QPixmap pixmap(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(0, 0, 0, size.height());
  ground.setColorAt(0, QColor(0xf7, 0xef, 0xd8));
  ground.setColorAt(1, QColor(0xe2, 0xd0, 0xa8));
  p.fillRect(pixmap.rect(), ground);
  p.setPen(QPen(QColor(0x8b, 0x6b, 0x3d), 3));
  p.drawRect(pixmap.rect().adjusted(2, 2, -3, -3));

  // The tree: one couple above, three children below.
  const QColor line(0x6b, 0x4f, 0x2a);
  const auto box = [&](QPointF centre, const QColor& fill) {
    p.setPen(QPen(line, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(centre.x() - 26, centre.y() - 14, 52, 28), 6, 6);
  };
  p.setPen(QPen(line, 2));
  p.drawLine(QPointF(300, 70), QPointF(380, 70));
  p.drawLine(QPointF(340, 70), QPointF(340, 110));
  p.drawLine(QPointF(270, 110), QPointF(410, 110));
  for (double x : {270.0, 340.0, 410.0}) p.drawLine(QPointF(x, 110), QPointF(x, 130));
  box({300, 70}, QColor(0x9b, 0xcd, 0xff));
  box({380, 70}, QColor(0xff, 0x9f, 0x9f));
  box({270, 144}, QColor(0xff, 0x9f, 0x9f));
  box({340, 144}, QColor(0x9b, 0xcd, 0xff));
  box({410, 144}, QColor(0xfd, 0xfb, 0xb9));

  QFont title = p.font();
  title.setPointSize(30);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0x4a, 0x33, 0x14));
  p.drawText(QRect(24, 40, 220, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orvelin"));
  QFont sub = p.font();
  sub.setPointSize(11);
  sub.setBold(false);
  p.setFont(sub);
  p.drawText(QRect(26, 96, 220, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ahnenforschung"));
  QFont version = p.font();
  version.setPointSize(14);
  p.setFont(version);
  p.drawText(QRect(0, size.height() - 70, size.width(), 40), Qt::AlignCenter, QString::fromUtf8(kProgramCaption));
  p.end();
  return pixmap;
}

}  // namespace

int main(int argc, char* argv[]) {
  TApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtGerman;
  if (qtGerman.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtGerman);

  QApplication::setWindowIcon(ToolIcon(TToolIcon::Graphic));
  // Borderless, on top, centred; it goes after its time whatever else runs.
  QSplashScreen splash(SplashPicture(), Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
  splash.setObjectName(QStringLiteral("Splash"));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    splash.move(screen->availableGeometry().center() - splash.rect().center());
  splash.show();
  QTimer::singleShot(kSplashMillis, &splash, &QWidget::close);
  QApplication::processEvents();
  QApplication::setApplicationName(QStringLiteral("Orvelin"));

  TDeskView desk;
  // Without a window manager a maximised window keeps its first size.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) desk.resize(screen->availableGeometry().size());
  desk.showMaximized();
  splash.raise();
  QApplication::processEvents();
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  desk.Startup(arguments);
  return QApplication::exec();
}
