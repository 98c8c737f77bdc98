#include <QtTest>
class DeskViewTest : public QObject { Q_OBJECT };
QTEST_MAIN(DeskViewTest)
#include "DeskViewTest.moc"
