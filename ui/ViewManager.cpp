#include "ui/ViewManager.h"

#include <algorithm>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <map>

#include "core/Configuration.h"
#include "core/Errors.h"
#include "core/FreeRes.h"
#include "core/Host.h"
#include "core/Prompter.h"
#include "db/AhnenDB.h"
#include "ui/AhnenView.h"
#include "ui/DeskView.h"
#include "ui/QtText.h"

// The person data view comes with its own header; until it is there, only
// registered factories make views.
#if __has_include("ui/PersonStdView.h")
#include "ui/PersonStdView.h"
#define ORVELIN_HAVE_PERSON_STD_VIEW 1
#endif

namespace {

constexpr const char* kNotFound = "Person konnte in der Datenbank nicht gefunden werden!";
constexpr const char* kCannotCreate = "Fenster kann nicht erzeugt werden";
constexpr const char* kNoResources =
    "Keine Systemressourcen mehr verfügbar. Schliessen Sie bitte zuerst andere Programme oder Fenster "
    "bevor Sie ein neues Fenster öffnen";

TViewManager* current = nullptr;

std::map<int, TViewFactory>& Factories() {
  static std::map<int, TViewFactory> factories;
  return factories;
}

int ClassKind(int kind) { return kind == vkVorfahren2 ? vkVorfahren : kind; }

TViewFactory FactoryOf(int kind) {
  kind = ClassKind(kind);
  const auto it = Factories().find(kind);
  if (it != Factories().end() && it->second) return it->second;
#ifdef ORVELIN_HAVE_PERSON_STD_VIEW
  if (kind == vkPersonData) return [] { return new TPersonStdView; };
#endif
  return {};
}

// The window a dragged control belongs to: the nearest view or person list
// around it.
QWidget* OwnerOf(QWidget* control) {
  for (QWidget* w = control; w; w = w->parentWidget())
    if (qobject_cast<TAhnenView*>(w) || qobject_cast<TSuchenDlg*>(w)) return w;
  return control ? control->window() : nullptr;
}

QString ClassOf(const QObject* o) {
  return o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("(keins)");
}

bool IsPersonDataView(const QWidget* w) {
  const auto* view = qobject_cast<const TAhnenView*>(w);
  return view && view->ViewKind() == vkPersonData;
}

}  // namespace

void RegisterViewFactory(int kind, TViewFactory factory) {
  if (factory)
    Factories()[ClassKind(kind)] = std::move(factory);
  else
    Factories().erase(ClassKind(kind));
}

bool ViewKindCreatable(int kind) { return static_cast<bool>(FactoryOf(kind)); }

TViewManager* ViewManager() { return current; }
void SetViewManager(TViewManager* manager) { current = manager; }

TViewManager::TViewManager(TDeskView* desk) : QObject(desk), desk_(desk) {
  connect(desk_->MdiArea(), &QMdiArea::subWindowActivated, this, &TViewManager::SubWindowActivated);
  ViewDeactivated(desk_);
}

TViewManager::~TViewManager() {
  if (current == this) current = nullptr;
}

QMdiArea* TViewManager::Mdi() const { return desk_->MdiArea(); }

// --- finding views ----------------------------------------------------------------

QMdiSubWindow* TViewManager::SubWindowOf(const QWidget* window) const {
  for (const QWidget* w = window; w; w = w->parentWidget())
    if (auto* sub = qobject_cast<QMdiSubWindow*>(const_cast<QWidget*>(w))) return sub;
  return nullptr;
}

QWidget* TViewManager::OpenWindowOf(QMdiSubWindow* sub) const {
  // A closed sub-window waits for its deletion; a window hidden inside a
  // sub-window that is not minimised has closed itself.
  if (!sub || sub->isHidden()) return nullptr;
  QWidget* w = sub->widget();
  if (!w || (w->isHidden() && !sub->isMinimized())) return nullptr;
  return w;
}

QWidget* TViewManager::ActiveWindow() const {
  // A person list may stand outside the MDI area as a tool window.
  if (auto* list = qobject_cast<TSuchenDlg*>(QApplication::activeWindow())) return list;
  return OpenWindowOf(Mdi()->currentSubWindow());
}

TAhnenView* TViewManager::ActiveView() const { return qobject_cast<TAhnenView*>(ActiveWindow()); }

std::vector<TAhnenView*> TViewManager::PersonViews() const {
  std::vector<TAhnenView*> views;
  for (QMdiSubWindow* sub : Mdi()->subWindowList(QMdiArea::CreationOrder)) {
    auto* view = qobject_cast<TAhnenView*>(OpenWindowOf(sub));
    if (IsPersonDataView(view)) views.push_back(view);
  }
  return views;
}

TAhnenView* TViewManager::FindPersonView(int personId) const {
  if (personId <= 0) return nullptr;
  for (TAhnenView* view : PersonViews())
    if (view->GetPersonId() == personId) return view;
  return nullptr;
}

bool TViewManager::BringPersonViewToFront(int personId) {
  TAhnenView* view = FindPersonView(personId);
  if (!view) return true;
  QMdiSubWindow* sub = SubWindowOf(view);
  if (sub->isMinimized()) sub->showNormal();
  Mdi()->setActiveSubWindow(sub);
  return false;
}

bool TViewManager::MayOpen(int personId, QWidget* target) {
  return IsPersonDataView(target) ? BringPersonViewToFront(personId) : true;
}

bool TViewManager::MayOpenKind(int personId, int kind) {
  return kind == vkPersonData ? BringPersonViewToFront(personId) : true;
}

// --- creating and opening ------------------------------------------------------------

TAhnenView* TViewManager::CreateView(int kind) {
  if (!EnoughSystemResources()) throw EOrvelin(kNoResources);
  if (kind < vkNachfahren || kind > vkVorfahren2) {
    Log("Error: unbekannte View verlangt!");
    kind = vkPersonData;
  }
  TAhnenView* view = nullptr;
  try {
    if (const TViewFactory factory = FactoryOf(kind)) view = factory();
  } catch (const std::exception&) {
    view = nullptr;
  }
  if (!view) throw EOrvelin(kCannotCreate);
  view->SetViewKind(ClassKind(kind));
  QMdiSubWindow* sub = AddWindow(view);
  // A view that replaces another one takes its place.
  if (Config && (Config->NextViewTop != 0 || Config->NextViewLeft != 0))
    sub->move(Config->NextViewLeft, Config->NextViewTop);
  return view;
}

QMdiSubWindow* TViewManager::AddWindow(QWidget* window) {
  QMdiSubWindow* sub = Mdi()->addSubWindow(window);
  window->installEventFilter(this);
  return sub;
}

bool TViewManager::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide) {
    auto* window = static_cast<QWidget*>(watched);
    QMdiSubWindow* sub = SubWindowOf(window);
    // The sub-window closes its window first when it is closed itself; only
    // a window that closed on its own leaves its sub-window standing empty.
    // That is decided once the close is over, and the sub-window goes
    // without asking the window a second time.
    if (sub && window->isHidden() && !sub->isHidden() && !sub->isMinimized()) {
      QMetaObject::invokeMethod(
          this,
          [window = QPointer<QWidget>(window), sub = QPointer<QMdiSubWindow>(sub)] {
            if (!sub || sub->isHidden() || sub->isMinimized()) return;
            if (window && !window->isHidden()) return;
            sub->hide();
            sub->deleteLater();
          },
          Qt::QueuedConnection);
    }
  }
  return QObject::eventFilter(watched, event);
}

void TViewManager::FitIntoArea(QMdiSubWindow* sub) const {
  const QRect area = Mdi()->viewport()->rect();
  if (!sub || area.isEmpty() || sub->isMaximized() || sub->isMinimized()) return;
  QRect g = sub->geometry();
  g.setWidth(std::min(g.width(), area.width()));
  g.setHeight(std::min(g.height(), area.height()));
  if (g.right() > area.right()) g.moveRight(area.right());
  if (g.bottom() > area.bottom()) g.moveBottom(area.bottom());
  if (g.left() < 0) g.moveLeft(0);
  if (g.top() < 0) g.moveTop(0);
  sub->setGeometry(g);
}

void TViewManager::ShowView(TAhnenView* view) {
  QMdiSubWindow* sub = SubWindowOf(view);
  if (!sub) return;
  sub->show();
  FitIntoArea(sub);
  Mdi()->setActiveSubWindow(sub);
}

TAhnenView* TViewManager::NewViewShowing(int kind, std::unique_ptr<TPerson> person) {
  TAhnenView* view = CreateView(kind);
  try {
    view->setPerson(std::move(person));
  } catch (...) {
    delete SubWindowOf(view);
    throw;
  }
  ShowView(view);
  return view;
}

std::unique_ptr<TPerson> TViewManager::ReadPerson(int personId) {
  std::unique_ptr<TPerson> person = AhnenDB ? AhnenDB->getPerson(personId) : nullptr;
  if (!person || person->Id <= 0) {
    ShowWarning(kNotFound);
    return nullptr;
  }
  return person;
}

void TViewManager::AddToHistory(const TPerson& person) {
  if (favourites_) favourites_->AddToHistory(person);
}

TAhnenView* TViewManager::OpenView(int kind, QWidget* requester, int personId) {
  if (personId <= 0) return nullptr;
  if (kind == vkPersonData) {
    if (TAhnenView* open = FindPersonView(personId)) {
      BringPersonViewToFront(personId);
      return open;
    }
  }
  std::unique_ptr<TPerson> person = ReadPerson(personId);
  if (!person) return nullptr;
  auto* asking = qobject_cast<TAhnenView*>(requester);
  if (Config && !Config->NeueFenster && asking && asking->ViewKind() == ClassKind(kind)) {
    asking->setPerson(std::move(person));
    ShowView(asking);
    return asking;
  }
  AddToHistory(*person);
  return NewViewShowing(kind, std::move(person));
}

TAhnenView* TViewManager::OpenPersonView(int personId) {
  if (personId <= 0) return nullptr;
  std::unique_ptr<TPerson> person = ReadPerson(personId);
  if (!person) return nullptr;
  try {
    return NewViewShowing(vkPersonData, std::move(person));
  } catch (const std::exception&) {
    throw EOrvelin(kCannotCreate);
  }
}

void TViewManager::SwitchView(int kind) {
  QWidget* active = ActiveWindow();
  if (auto* view = qobject_cast<TAhnenView*>(active)) {
    QMdiSubWindow* sub = SubWindowOf(view);
    const QPoint place = sub ? sub->pos() : QPoint();
    std::unique_ptr<TPerson> person = view->GetPerson();
    if (!person) return;
    if (kind == vkPersonData && FindPersonView(person->Id)) {
      BringPersonViewToFront(person->Id);
      if (IsPersonDataView(view)) ViewActivated(view);
      return;
    }
    // The person is read again: the closing view may just have saved it.
    const int id = person->Id;
    if (sub && !sub->close()) return;  // the user kept the view (unsaved changes)
    if (AhnenDB) {
      if (auto fresh = AhnenDB->getPerson(id); fresh && fresh->Id > 0) person = std::move(fresh);
    }
    if (Config) {
      Config->NextViewTop = place.y();
      Config->NextViewLeft = place.x();
    }
    struct Reset {
      ~Reset() {
        if (Config) Config->NextViewTop = Config->NextViewLeft = 0;
      }
    } reset;
    NewViewShowing(kind, std::move(person));
    return;
  }
  if (auto* list = qobject_cast<TSuchenDlg*>(active)) {
    std::unique_ptr<TPerson> person = list->GetSelectedPerson();
    if (!person) return;
    if (kind == vkPersonData && !BringPersonViewToFront(person->Id)) return;
    AddToHistory(*person);
    NewViewShowing(kind, std::move(person));
  }
}

void TViewManager::MarkAsFavourite(int personId) {
  if (!favourites_ || !AhnenDB) return;
  if (auto person = AhnenDB->getPerson(personId); person && person->Id > 0) favourites_->AddFavourite(*person);
}

void TViewManager::ShowSelectedPersons() {
  // The person selection window comes with the selection; until then there
  // is nothing to show.
}

// --- activation --------------------------------------------------------------------------

void TViewManager::SubWindowActivated(QMdiSubWindow* sub) {
  QWidget* now = sub ? sub->widget() : nullptr;
  if (!now) {
    // The area also loses its active window while a dialog or another
    // program has the focus; only the last window closing counts.
    for (QMdiSubWindow* w : Mdi()->subWindowList())
      if (OpenWindowOf(w)) return;
  }
  if (now == lastActive_) return;
  if (QWidget* before = lastActive_.data()) {
    if (auto* view = qobject_cast<TAhnenView*>(before))
      view->FormDeactivate();
    else
      ViewDeactivated(before);
  } else if (!now) {
    ViewDeactivated(desk_);
  }
  lastActive_ = now;
  if (!now) return;
  if (auto* view = qobject_cast<TAhnenView*>(now))
    view->FormActivate();
  else
    ViewActivated(now);
}

void TViewManager::ViewActivated(QWidget* window, bool flag) {
  Log("ViewActivated: sender.ClassName=" + FromQ(ClassOf(window)));
  auto* view = qobject_cast<TAhnenView*>(window);
  if (view && view->ViewKind() >= vkNachfahren && view->ViewKind() <= vkGraph) desk_->SetViewButtons(true, view->ViewKind());
}

void TViewManager::ViewDeactivated(QWidget* window) {
  Log("ViewDeactivated: sender.ClassName=" + FromQ(ClassOf(window)));
  desk_->SetViewButtons(false, -1);
}

// --- drag and drop ---------------------------------------------------------------------------

std::unique_ptr<QMimeData> TViewManager::PersonMime(const std::vector<int>& ids) {
  auto data = std::make_unique<QMimeData>();
  QByteArray text;
  for (int id : ids) text += QByteArray::number(id) + '\n';
  data->setData(QString::fromLatin1(kPersonMimeType), text);
  data->setData(QString::fromLatin1(kPersonOriginMimeType), QByteArray::number(QCoreApplication::applicationPid()));
  return data;
}

std::vector<int> TViewManager::PersonIds(const QMimeData* data) {
  std::vector<int> ids;
  if (!data) return ids;
  for (const QByteArray& line : data->data(QString::fromLatin1(kPersonMimeType)).split('\n')) {
    bool ok = false;
    const int id = line.trimmed().toInt(&ok);
    if (ok && id > 0) ids.push_back(id);
  }
  return ids;
}

bool TViewManager::HasOwnPersons(const QMimeData* data) {
  return data && data->hasFormat(QString::fromLatin1(kPersonMimeType)) &&
         data->data(QString::fromLatin1(kPersonOriginMimeType)) ==
             QByteArray::number(QCoreApplication::applicationPid());
}

bool TViewManager::AcceptsDrop(QWidget* target, const QMimeData* data, QWidget* source) const {
  if (!AhnenDB) return false;
  QWidget* owner = source ? OwnerOf(source) : nullptr;
  const bool fromList = qobject_cast<TSuchenDlg*>(owner) != nullptr;
  auto* fromView = qobject_cast<TAhnenView*>(owner);
  if (qobject_cast<TAhnenView*>(target)) return fromList || fromView || HasOwnPersons(data);
  // The main window takes lists, trees and graphics; a person data view
  // is already the view a drop would open.
  if (fromView) return !IsPersonDataView(fromView);
  return fromList || HasOwnPersons(data);
}

void TViewManager::ViewFromDragDrop(QWidget* target, const QMimeData* data, QWidget* source) {
  QWidget* owner = source ? OwnerOf(source) : nullptr;
  Log("ViewFromDragDrop:");
  Log("  Quelle: " + FromQ(ClassOf(source)));
  Log("  Quelle gehört zu: " + FromQ(ClassOf(owner)));
  Log("  Ziel: " + FromQ(ClassOf(target)));
  Log("  Ziel gehört zu: " + FromQ(ClassOf(target ? target->window() : nullptr)));
  if (!AhnenDB) return;
  auto* list = qobject_cast<TSuchenDlg*>(owner);
  auto* sourceView = qobject_cast<TAhnenView*>(owner);

  if (auto* targetView = qobject_cast<TAhnenView*>(target)) {
    std::unique_ptr<TPerson> person;
    if (sourceView)
      person = sourceView->GetPerson();
    else if (list)
      person = list->GetSelectedPerson();
    else if (const auto ids = PersonIds(data); !ids.empty())
      person = AhnenDB->getPerson(ids.front());
    if (!person || person->Id <= 0) return;
    AddToHistory(*person);
    if (IsPersonDataView(targetView) && !BringPersonViewToFront(person->Id)) return;
    targetView->setPerson(std::move(person));
    return;
  }

  // Onto the main window: a new person data view for each person, unless
  // one is open already.
  std::vector<std::unique_ptr<TPerson>> persons;
  bool history = true;
  if (list) {
    persons = list->GetSelectedPersons();
  } else if (sourceView) {
    if (auto p = sourceView->GetPerson()) persons.push_back(std::move(p));
    history = false;
  } else {
    for (int id : PersonIds(data))
      if (auto p = AhnenDB->getPerson(id); p && p->Id > 0) persons.push_back(std::move(p));
  }
  for (auto& person : persons) {
    if (!person || person->Id <= 0 || !BringPersonViewToFront(person->Id)) continue;
    if (history) AddToHistory(*person);
    NewViewShowing(vkPersonData, std::move(person));
  }
}
