// The desktop program: the main window on the project file given as the
// first argument, or on the one opened last.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/Prompter.h"
#include "ui/DeskView.h"

namespace {

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

}  // namespace

int main(int argc, char* argv[]) {
  TApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvelin"));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtGerman;
  if (qtGerman.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtGerman);

  TDeskView desk;
  desk.showMaximized();
  QApplication::processEvents();
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  desk.Startup(arguments);
  return QApplication::exec();
}
