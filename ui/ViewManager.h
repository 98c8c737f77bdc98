// TViewManager: decides which child window of the main window shows a
// person. It reuses or creates views by kind, keeps at most one person data
// view per person, carries persons between windows by drag and drop (MIME
// type kPersonMimeType: the ids as decimal text, one a line), adds opened
// persons to the history and switches the main window's view buttons.
// Views live in sub-windows of the main window's MDI area and free
// themselves when closed.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QMimeData;
class QWidget;
class TAhnenView;
class TDeskView;
class TPerson;
class TSuchenDlg;

inline constexpr const char* kPersonMimeType = "application/x-orvelin-person-ids";
// The process a person drag comes from: ids mean nothing in another one.
inline constexpr const char* kPersonOriginMimeType = "application/x-orvelin-origin";

enum TViewKind : int {
  vkNachfahren = 0,   // descendant tree
  vkVorfahren = 1,    // ancestor tree
  vkPersonData = 2,   // person data view
  vkGraph = 3,        // ancestor graphic
  vkVorfahren2 = 4,   // ancestor tree (as 1)
};

// How views of a kind are made (the view is not yet shown and has no
// parent). Kinds without a factory cannot be created.
using TViewFactory = std::function<TAhnenView*()>;
// Replaces the factory of kind; an empty function removes it. Kind 4 uses
// the factory of kind 1.
void RegisterViewFactory(int kind, TViewFactory factory);
bool ViewKindCreatable(int kind);

// The history and favourites of the favourites window, which registers
// itself when it is created.
class IFavourites {
 public:
  virtual ~IFavourites() = default;
  virtual void AddToHistory(const TPerson& person) = 0;
  virtual void AddFavourite(const TPerson& person) = 0;
};

class TViewManager : public QObject {
  Q_OBJECT

 public:
  // Reports the main window as deactivated, which hides the view buttons.
  explicit TViewManager(TDeskView* desk);
  ~TViewManager() override;

  // The view showing the person id, reused or new; nullptr for an id <= 0 or
  // a person that does not exist (after the warning box).
  TAhnenView* OpenView(int kind, QWidget* requester, int personId);
  // The main window's four view commands on the active window.
  void SwitchView(int kind);
  // Always a new person data view; nullptr for an id <= 0 or a missing person.
  TAhnenView* OpenPersonView(int personId);
  // A new view of the kind in the MDI area, not yet shown; throws EOrvelin
  // "Fenster kann nicht erzeugt werden" on failure.
  TAhnenView* CreateView(int kind);
  // Shows a view made by CreateView and makes it the active one.
  void ShowView(TAhnenView* view);
  // Puts a child window of the main window into a sub-window of the MDI
  // area (not yet shown). A window that closes itself takes its sub-window
  // with it.
  QMdiSubWindow* AddWindow(QWidget* window);
  // Moves (and if need be shrinks) a sub-window so that it lies inside the
  // visible part of the MDI area.
  void FitIntoArea(QMdiSubWindow* sub) const;
  // The open person data view of the id, or nullptr.
  TAhnenView* FindPersonView(int personId) const;
  // False when a person data view of the id was open and brought to front.
  bool BringPersonViewToFront(int personId);
  bool MayOpen(int personId, QWidget* target);
  bool MayOpenKind(int personId, int kind);
  void MarkAsFavourite(int personId);
  void ShowSelectedPersons();

  // The window of the active sub-window, or nullptr.
  QWidget* ActiveWindow() const;
  // The view in the active sub-window, or nullptr.
  TAhnenView* ActiveView() const;
  // The open person data views, oldest first.
  std::vector<TAhnenView*> PersonViews() const;
  // The sub-window holding a view or window of the MDI area, or nullptr.
  QMdiSubWindow* SubWindowOf(const QWidget* window) const;

  // Whether a drop of data from source onto target is taken.
  bool AcceptsDrop(QWidget* target, const QMimeData* data, QWidget* source) const;
  // A drop of persons onto target (the main window or a view).
  void ViewFromDragDrop(QWidget* target, const QMimeData* data, QWidget* source);
  void ViewActivated(QWidget* window, bool flag = true);
  void ViewDeactivated(QWidget* window);

  void SetFavourites(IFavourites* favourites) { favourites_ = favourites; }

  // Mime data carrying person ids, for drags out of lists and views.
  static std::unique_ptr<QMimeData> PersonMime(const std::vector<int>& ids);
  static std::vector<int> PersonIds(const QMimeData* data);
  // True when data carries persons of this process.
  static bool HasOwnPersons(const QMimeData* data);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 public:
  // The window of sub, or nullptr when the sub-window or its window is closed.
  QWidget* OpenWindowOf(QMdiSubWindow* sub) const;

 private:
  void SubWindowActivated(QMdiSubWindow* sub);
  void AddToHistory(const TPerson& person);
  // A new view of kind showing person, shown and active.
  TAhnenView* NewViewShowing(int kind, std::unique_ptr<TPerson> person);
  std::unique_ptr<TPerson> ReadPerson(int personId);
  QMdiArea* Mdi() const;

  TDeskView* desk_;
  IFavourites* favourites_ = nullptr;
  QPointer<QWidget> lastActive_;
};

// The one view manager of the program, or nullptr before the main window.
TViewManager* ViewManager();
void SetViewManager(TViewManager* manager);
