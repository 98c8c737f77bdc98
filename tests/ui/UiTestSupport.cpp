#include "tests/ui/UiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "db/AhnenDB.h"
#include "db/Schema.h"
#include "ui/DeskView.h"
#include "ui/QtText.h"
#include "ui/RDatum.h"
#include "ui/ViewManager.h"

namespace uitest {

QString MakeDatabase(const QString& dir, const QByteArray& projectText, const QString& name) {
  QDir().mkpath(dir);
  const QString base = dir.endsWith('/') ? dir : dir + "/";
  if (!QFile::exists(base + "Person.DB")) CreateDatabaseFiles(FromQ(base), "");
  QFile f(base + name);
  f.open(QIODevice::WriteOnly);
  f.write(projectText);
  return f.fileName();
}

int AddPerson(const std::string& vorname, const std::string& nachname) {
  TPerson p;
  p.Vorname = vorname;
  p.Nachname = nachname;
  AhnenDB->insert(p);
  return p.Id;
}

QAction* Action(QWidget* w, const char* name) { return w->findChild<QAction*>(QString::fromLatin1(name)); }

QStringList LogLines(TDeskView& desk) { return desk.LogWindow()->toPlainText().split('\n'); }

bool LogHas(TDeskView& desk, const QString& line) { return LogLines(desk).contains(line); }

int OpenWindows(TDeskView& desk) {
  int n = 0;
  for (QMdiSubWindow* sub : desk.MdiArea()->subWindowList())
    if (!sub->isHidden() && sub->widget() && (sub->isMinimized() || !sub->widget()->isHidden())) ++n;
  return n;
}

void Settle() {
  // A window that closed itself takes its sub-window in a second step.
  for (int i = 0; i < 2; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TTestView::TTestView(QWidget* parent) : TAhnenView(parent) {
  auto* layout = new QVBoxLayout(this);
  edit = new QLineEdit(this);
  edit->setObjectName(QStringLiteral("TestEdit"));
  date = new TRDatum(this);
  date->setObjectName(QStringLiteral("TestDatum"));
  layout->addWidget(edit);
  layout->addWidget(date);
  resize(300, 200);
}

std::unique_ptr<TPerson> TTestView::GetPerson() {
  if (!person_) return nullptr;
  return AhnenDB ? AhnenDB->getPerson(person_->Id) : std::make_unique<TPerson>(*person_);
}

void TTestView::setPerson(std::unique_ptr<TPerson> person) {
  person_ = std::move(person);
  ++personsSet;
  UpdateCaption();
}

void TTestView::DeleteCommand() {
  ++deletes;
  if (closeOnDelete) {
    if (QWidget* sub = parentWidget()) sub->close();
  }
}

void TTestView::closeEvent(QCloseEvent* event) {
  if (refuseClose)
    event->ignore();
  else
    event->accept();
}

TTestList::TTestList(std::vector<int> ids, QWidget* parent) : TSuchenDlg(parent), marked(std::move(ids)) {
  auto* layout = new QVBoxLayout(this);
  list = new QListWidget(this);
  list->setObjectName(QStringLiteral("Liste"));
  layout->addWidget(list);
}

std::unique_ptr<TPerson> TTestList::GetSelectedPerson() {
  if (marked.empty()) return nullptr;
  return AhnenDB->getPerson(marked.front());
}

std::vector<std::unique_ptr<TPerson>> TTestList::GetSelectedPersons() {
  std::vector<std::unique_ptr<TPerson>> persons;
  for (int id : marked) persons.push_back(AhnenDB->getPerson(id));
  return persons;
}

TTestFactories::TTestFactories(std::initializer_list<int> kinds) : kinds_(kinds) {
  for (int kind : kinds_) RegisterViewFactory(kind, [] { return new TTestView; });
}

TTestFactories::~TTestFactories() {
  for (int kind : kinds_) RegisterViewFactory(kind, {});
}

}  // namespace uitest
