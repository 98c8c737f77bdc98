// The page "Eltern-Kinder" of the person data view: father, mother,
// children and further relationships, assigned by dropping persons and
// written at once.
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Sex.h"
#include "db/AhnenDB.h"
#include "db/Relations.h"
#include "ui/DialogRunner.h"
#include "ui/KindZuElternView.h"
#include "ui/LinkView.h"
#include "ui/PersonStdViewPrivate.h"
#include "ui/QtText.h"
#include "ui/ViewManager.h"

using namespace pview;

namespace {

int& ParentField(TPerson& child, int parentSex) { return parentSex == sexFemale ? child.Mutter : child.Vater; }

QWidget* Titled(QWidget* parent, const QString& title, QWidget* list) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(LabelFor(box, title, list));
  layout->addWidget(list);
  return box;
}

}  // namespace

QWidget* TPersonStdView::BuildElternKinderPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("ElternKinderPage"));
  auto* grid = new QGridLayout(page);
  vater = new TPersonDropList(page);
  vater->setObjectName(QStringLiteral("vater"));
  mutter = new TPersonDropList(page);
  mutter->setObjectName(QStringLiteral("mutter"));
  kinder = new TPersonDropList(page);
  kinder->setObjectName(QStringLiteral("kinder"));
  beziehungen = new TPersonDropList(page);
  beziehungen->setObjectName(QStringLiteral("beziehungen"));
  const int oneLine = vater->fontMetrics().lineSpacing() + 10;
  for (TPersonDropList* l : {vater, mutter}) l->setFixedHeight(oneLine);
  grid->addWidget(Titled(page, QStringLiteral("Vater"), vater), 0, 0);
  grid->addWidget(Titled(page, QStringLiteral("Mutter"), mutter), 0, 1);
  grid->addWidget(Titled(page, QStringLiteral("Kinder"), kinder), 1, 0, 1, 2);
  grid->addWidget(Titled(page, QStringLiteral("Weitere Beziehungen"), beziehungen), 2, 0, 1, 2);
  grid->setRowStretch(1, 3);
  grid->setRowStretch(2, 2);

  vater->accepts = [this] { return person_ && !ReadOnly() && Detail()->Vater == 0; };
  mutter->accepts = [this] { return person_ && !ReadOnly() && Detail()->Mutter == 0; };
  kinder->accepts = [this] { return person_ && !ReadOnly(); };
  beziehungen->accepts = [this] { return person_ && !ReadOnly(); };
  vater->dropped = [this](int id) { vaterDragDrop(id); };
  mutter->dropped = [this](int id) { mutterDragDrop(id); };
  kinder->dropped = [this](int id) { kinderDragDrop(id); };
  beziehungen->dropped = [this](int id) { beziehungenDragDrop(id); };
  for (TPersonDropList* l : {vater, mutter, kinder, beziehungen}) {
    connect(l, &TPersonDropList::clickedInto, this, [this, l] { ListClicked(l); });
    connect(l, &QListWidget::itemDoubleClicked, this, [this, l] { OpenPersonOf(SelectedPersonOf(l)); });
  }
  return page;
}

void TPersonStdView::LoadElternKinderPage() {
  TPersonDetail& d = *Detail();
  for (TPersonDropList* l : {vater, mutter, kinder, beziehungen}) l->clear();
  activeList_ = nullptr;
  const auto showParent = [&](int& id, TPerson& parent, TPersonDropList* list) {
    if (id <= 0) return;
    if (parent.Id <= 0) {
      // A parent that no longer exists is let go; saving writes that down.
      if (ReadOnly()) return;
      id = 0;
      d.viewFlag = true;
      EnableSave();
      return;
    }
    list->AddEntry(ToQ(parent.listText()), parent.Id);
  };
  showParent(d.Vater, d.father(), vater);
  showParent(d.Mutter, d.mother(), mutter);
  int n = 0;
  for (const auto& child : d.children()) {
    std::string text = std::to_string(++n) + ": " + child->listText();
    if (d.Geschlecht == sexFemale) {
      if (child->Vater > 0) text += " V[" + std::to_string(child->Vater) + "]";
    } else if (child->Mutter > 0) {
      text += " M[" + std::to_string(child->Mutter) + "]";
    }
    kinder->AddEntry(ToQ(text), child->Id);
  }
  for (std::size_t i = 0; i < d.links().Count(); ++i)
    beziehungen->AddEntry(QStringLiteral("%1: ").arg(i + 1) + ToQ(d.links()[i].linkText()), static_cast<int>(i));
}

void TPersonStdView::ReloadPage(int page) {
  loaded_[page] = false;
  if (CurrentPage() == page) loadTabData(page);
}

void TPersonStdView::SyncParentsFromTable() {
  TPersonDetail& d = *Detail();
  if (d.refreshFather().Id <= 0) d.Vater = 0;
  if (d.refreshMother().Id <= 0) d.Mutter = 0;
}

void TPersonStdView::RefreshFather() {
  if (!person_) return;
  Detail()->refreshFather();
  ReloadPage(ppElternKinder);
}

void TPersonStdView::RefreshMother() {
  if (!person_) return;
  Detail()->refreshMother();
  ReloadPage(ppElternKinder);
}

void TPersonStdView::RefreshParents() {
  if (!person_) return;
  Detail()->refreshFather();
  Detail()->refreshMother();
  ReloadPage(ppElternKinder);
}

void TPersonStdView::RefreshChildren() {
  if (!person_) return;
  Detail()->reloadChildren();
  ReloadPage(ppElternKinder);
}

void TPersonStdView::RefreshLinks() {
  if (!person_) return;
  Detail()->reloadLinks();
  ReloadPage(ppElternKinder);
}

void TPersonStdView::vaterDragDrop(int personId) { AssignParent(personId, true); }

void TPersonStdView::mutterDragDrop(int personId) { AssignParent(personId, false); }

void TPersonStdView::AssignParent(int personId, bool father) {
  if (!person_ || ReadOnly() || !AhnenDB) return;
  Guarded([&] {
    TPersonDetail& me = *Detail();
    // Another window may have set the parent meanwhile.
    SyncParentsFromTable();
    if ((father ? me.Vater : me.Mutter) != 0) return ReloadPage(ppElternKinder);
    std::unique_ptr<TPerson> parent = AhnenDB->getPerson(personId);
    if (parent->Id <= 0) return;
    const std::string refusal = ParentAssignmentRefusal(parent->Id, me.Id);
    if (parent->Id == me.Id) return ShowWarning(refusal);
    if (father && parent->Geschlecht != sexMale) return ShowWarning("Der Vater muss männlichen Geschlechts sein!");
    if (!father && parent->Geschlecht != sexFemale) return ShowWarning("Die Mutter muss weiblichen Geschlechts sein!");
    if (!refusal.empty()) return ShowWarning(refusal);
    if (!Confirm("Soll \"" + parent->listText() + "\" als " + (father ? "Vater" : "Mutter") + " von \"" + Caption() +
                 "\" zugeordnet werden?"))
      return;
    (father ? me.Vater : me.Mutter) = parent->Id;
    AhnenDB->update(me);
    if (father)
      me.refreshFather();
    else
      me.refreshMother();
    ReloadPage(ppElternKinder);
    for (TPersonStdView* v : OpenViews(parent->Id)) v->RefreshChildren();
  });
}

void TPersonStdView::kinderDragDrop(int personId) {
  if (!person_ || ReadOnly() || !AhnenDB) return;
  Guarded([&] {
    TPersonDetail& me = *Detail();
    std::unique_ptr<TPerson> child = AhnenDB->getPerson(personId);
    if (child->Id <= 0) return;
    const std::string refusal = ParentAssignmentRefusal(me.Id, child->Id);
    if (child->Id == me.Id) return ShowWarning(refusal);
    if (me.Geschlecht == sexMale && child->Vater != 0)
      return ShowWarning("\"" + child->listText() + "\" ist bereits ein Vater zugewiesen!");
    if (me.Geschlecht == sexFemale && child->Mutter != 0)
      return ShowWarning("\"" + child->listText() + "\" ist bereits eine Mutter zugewiesen!");
    if (me.Geschlecht != sexMale && me.Geschlecht != sexFemale)
      return ShowWarning("Das Geschlecht des Elternteils \"" + Caption() + "\" muss bekannt sein !");
    if (!refusal.empty()) return ShowWarning(refusal);
    if (!Confirm("Soll \"" + child->listText() + "\" als Kind von \"" + Caption() + "\" zugeordnet werden?")) return;
    ParentField(*child, me.Geschlecht) = me.Id;

    const int otherSex = me.Geschlecht == sexMale ? sexFemale : sexMale;
    int chosen = 0;
    if (ParentField(*child, otherSex) == 0 && !me.partners().Empty()) {
      std::vector<int> ids;
      std::vector<QString> captions;
      for (const auto& p : me.partners()) {
        if (!p->Partner || p->Partner->Id <= 0 || p->Partner->Geschlecht != otherSex) continue;
        if (!ParentAssignmentRefusal(p->Partner->Id, child->Id).empty()) continue;
        ids.push_back(p->Partner->Id);
        captions.push_back(ToQ(p->Partner->listText()));
      }
      if (!ids.empty()) {
        TKindZuElternView dlg(this,
                              ToQ("Soll \"" + child->listText() + "\"\nauch als Kind von folgendem Partner "
                                  "zugewiesen werden?"),
                              captions);
        const int row = ExecDialog(dlg) == QDialog::Accepted ? dlg.SelectedPartner() : -1;
        if (row >= 0 && row < static_cast<int>(ids.size())) chosen = ids[static_cast<std::size_t>(row)];
      }
    }
    if (chosen) ParentField(*child, otherSex) = chosen;
    AhnenDB->update(*child);
    me.reloadChildren();
    ReloadPage(ppElternKinder);
    for (int row = 0; row < kinder->count(); ++row)
      if (kinder->ItemValue(row) == child->Id) kinder->setCurrentRow(row);
    for (TPersonStdView* v : OpenViews(chosen)) v->RefreshChildren();
    for (TPersonStdView* v : OpenViews(child->Id)) v->RefreshParents();
  });
}

void TPersonStdView::beziehungenDragDrop(int personId) {
  if (!person_ || ReadOnly() || !AhnenDB) return;
  Guarded([&] {
    TPersonDetail& me = *Detail();
    std::unique_ptr<TPerson> other = AhnenDB->getPerson(personId);
    if (other->Id <= 0) return;
    if (!Confirm("Soll eine Beziehung von \"" + Caption() + "\" zu \"" + other->listText() + "\" hergestellt werden?"))
      return;
    auto link = std::make_unique<TLink>();
    link->Id1 = me.Id;
    link->Id2 = other->Id;
    AhnenDB->insertLink(*link);
    const int autoInc = link->AutoInc;
    if (me.linksLoaded()) {
      link->Person = std::make_unique<TPerson>(*other);
      me.links().Insert(std::move(link));
    }
    int index = -1;
    for (std::size_t i = 0; i < me.links().Count(); ++i)
      if (me.links()[i].AutoInc == autoInc) index = static_cast<int>(i);
    if (index < 0) return;
    ReloadPage(ppElternKinder);
    beziehungen->setCurrentRow(index);
    EditLink(index);
  });
}

void TPersonStdView::EditLink(int index) {
  TLinks& links = Detail()->links();
  if (index < 0 || index >= static_cast<int>(links.Count())) return;
  TLink& link = links[static_cast<std::size_t>(index)];
  TlinkView dlg(this, ToQ(link.Person ? link.Person->listText() : std::string()), ToQ(link.Text), ReadOnly());
  if (ExecDialog(dlg) != QDialog::Accepted || ReadOnly()) return;
  link.Text = Cut(dlg.Text(), 40);
  link.Changed = true;
  EnableSave();
  ReloadPage(ppElternKinder);
  beziehungen->setCurrentRow(index);
}

void TPersonStdView::AendernMenuClick() {
  if (!person_ || CurrentPage() != ppElternKinder || activeList_ != beziehungen) return;
  EditLink(beziehungen->SelectedValue());
}

void TPersonStdView::DeleteParent(bool father) {
  TPersonDetail& me = *Detail();
  TPerson& parent = father ? me.father() : me.mother();
  if ((father ? me.Vater : me.Mutter) <= 0) return;
  const int former = father ? me.Vater : me.Mutter;
  if (!WarnYesNo(std::string("Soll die Beziehung zum ") + (father ? "Vater" : "Mutter") + " \"" + parent.listText() +
                 "\" wirklich gelöscht werden?"))
    return;
  SyncParentsFromTable();
  (father ? me.Vater : me.Mutter) = 0;
  AhnenDB->update(me);
  if (father)
    me.refreshFather();
  else
    me.refreshMother();
  ReloadPage(ppElternKinder);
  for (TPersonStdView* v : OpenViews(former)) v->RefreshChildren();
}

void TPersonStdView::DeleteChildAt(int row) {
  TPersonDetail& me = *Detail();
  const int id = kinder->ItemValue(row);
  std::unique_ptr<TPerson> child = AhnenDB->getPerson(id);
  if (child->Id <= 0) return;
  if (!WarnYesNo("Soll die Beziehung zum Kind \"" + child->listText() + "\" wirklich gelöscht werden?")) return;
  // Of unknown sex the person may stand on either side.
  if (me.Geschlecht != sexFemale && child->Vater == me.Id) child->Vater = 0;
  if (me.Geschlecht != sexMale && child->Mutter == me.Id) child->Mutter = 0;
  AhnenDB->update(*child);
  me.reloadChildren();
  ReloadPage(ppElternKinder);
  for (TPersonStdView* v : OpenViews(id)) v->RefreshParents();
}

void TPersonStdView::DeleteLinkAt(int index) {
  TLinks& links = Detail()->links();
  if (index < 0 || index >= static_cast<int>(links.Count())) return;
  TLink& link = links[static_cast<std::size_t>(index)];
  const std::string text = Cut(ToQ(link.Text), 60);
  if (!WarnYesNo("Soll die Beziehung \"" + text + ": " + (link.Person ? link.Person->listText() : std::string()) +
                 "\" wirklich gelöscht werden?"))
    return;
  AhnenDB->deleteLink(link);
  links.Take(static_cast<std::size_t>(index));
  ReloadPage(ppElternKinder);
}

void TPersonStdView::ListClicked(QListWidget* list) {
  activeList_ = list;
  for (TPersonDropList* l : {vater, mutter, kinder, beziehungen})
    if (l != list) l->clearSelection();
}

void TPersonStdView::OpenPersonOf(int personId) {
  if (personId > 0 && ViewManager()) ViewManager()->OpenView(vkPersonData, this, personId);
}

int TPersonStdView::SelectedPersonOf(QListWidget* list) const {
  if (!person_) return 0;
  auto* l = static_cast<TPersonDropList*>(list);
  const int value = l->SelectedValue();
  if (value < 0) return 0;
  if (list != beziehungen) return value;
  const TLinks& links = Detail()->links();
  if (value >= static_cast<int>(links.Count())) return 0;
  return links[static_cast<std::size_t>(value)].Id2;
}
