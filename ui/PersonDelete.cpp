// Deleting from the person data view: the person with all its relations,
// or the item of the current page; and the view's context menu, whose
// entries follow the page and the list in use.
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableWidget>

#include "core/Configuration.h"
#include "core/Host.h"
#include "core/Sex.h"
#include "db/AhnenDB.h"
#include "ui/PersonStdViewPrivate.h"
#include "ui/QtText.h"
#include "ui/ViewManager.h"

using namespace pview;

namespace {

int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> items = list->selectedItems();
  return items.isEmpty() ? -1 : list->row(items.front());
}

bool DatabaseReadOnly() { return Config && Config->NurLesen; }

}  // namespace

void TPersonStdView::BuildContextMenu() {
  contextMenu_ = new QMenu(this);
  contextMenu_->setObjectName(QStringLiteral("ContextMenu"));
  const auto add = [this](const char* name, const QString& text) {
    QAction* a = contextMenu_->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  personenDatenItem_ = add("PersonendatenItem", QStringLiteral("&Personendaten"));
  vorfahrenItem_ = add("VorfahrenbaumItem", QStringLiteral("&Vorfahrenbaum"));
  nachkommenItem_ = add("NachkommenbaumItem", QStringLiteral("&Nachkommenbaum"));
  grafikItem_ = add("AhnengrafikItem", QStringLiteral("Ahnen&grafik"));
  contextMenu_->addSeparator();
  favoritItem_ = add("FavoritItem", QStringLiteral("Als Favorit markieren"));
  contextMenu_->addSeparator();
  neuItem_ = add("NeuMenu", QStringLiteral("&Neue Verbindung zu Media"));
  aendernItem_ = add("AendernMenu", QStringLiteral("&Aendern"));
  loeschenItem_ = add("LoeschenMenu", QStringLiteral("&Löschen"));

  const auto open = [this](int kind) {
    if (menuTarget_ > 0 && ViewManager()) ViewManager()->OpenView(kind, this, menuTarget_);
  };
  connect(personenDatenItem_, &QAction::triggered, this, [open] { open(vkPersonData); });
  connect(vorfahrenItem_, &QAction::triggered, this, [open] { open(vkVorfahren); });
  connect(nachkommenItem_, &QAction::triggered, this, [open] { open(vkNachfahren); });
  connect(grafikItem_, &QAction::triggered, this, [open] { open(vkGraph); });
  connect(favoritItem_, &QAction::triggered, this, [this] {
    if (menuTarget_ > 0 && ViewManager()) ViewManager()->MarkAsFavourite(menuTarget_);
  });
  connect(neuItem_, &QAction::triggered, this, &TPersonStdView::NeuMenuClick);
  connect(aendernItem_, &QAction::triggered, this, &TPersonStdView::AendernMenuClick);
  connect(loeschenItem_, &QAction::triggered, this, &TPersonStdView::LoeschenMenuClick);
  connect(contextMenu_, &QMenu::aboutToShow, this, &TPersonStdView::PrepareContextMenu);
}

void TPersonStdView::contextMenuEvent(QContextMenuEvent* event) {
  if (!person_) return;
  contextMenu_->exec(event->globalPos());
}

void TPersonStdView::PrepareContextMenu() {
  for (QAction* a : contextMenu_->actions()) a->setVisible(true);
  QAction* const views[] = {personenDatenItem_, vorfahrenItem_, nachkommenItem_, grafikItem_};
  for (QAction* a : views) a->setEnabled(false);
  loeschenItem_->setEnabled(false);
  loeschenItem_->setText(QStringLiteral("&Löschen"));
  neuItem_->setVisible(false);
  aendernItem_->setVisible(false);
  if (!person_) return;
  const bool editable = !ReadOnly() && !DatabaseReadOnly();
  const auto targetPerson = [&](int id) {
    menuTarget_ = id;
    for (QAction* a : views) a->setEnabled(id > 0);
  };
  // Pages without entries of their own act on the shown person.
  menuTarget_ = GetPersonId();
  switch (CurrentPage()) {
    case ppPerson:
    case ppDetails:
      loeschenItem_->setText(QStringLiteral("Person &löschen"));
      loeschenItem_->setEnabled(editable);
      vorfahrenItem_->setEnabled(true);
      nachkommenItem_->setEnabled(true);
      grafikItem_->setEnabled(true);
      break;
    case ppEhe: {
      loeschenItem_->setText(QStringLiteral("Heirat &löschen"));
      const TPartners& partners = Detail()->partners();
      if (shownMarriage_ >= 0 && shownMarriage_ < static_cast<int>(partners.Count())) {
        const TPartner& p = partners[static_cast<std::size_t>(shownMarriage_)];
        targetPerson(p.Partner ? p.Partner->Id : 0);
        loeschenItem_->setEnabled(editable);
      }
      break;
    }
    case ppElternKinder: {
      if (activeList_ == vater) loeschenItem_->setText(QStringLiteral("Vaterbeziehung &löschen"));
      if (activeList_ == mutter) loeschenItem_->setText(QStringLiteral("Mutterbeziehung &löschen"));
      if (activeList_ == kinder) loeschenItem_->setText(QStringLiteral("Kinderbeziehung &löschen"));
      if (activeList_ == beziehungen) {
        loeschenItem_->setText(QStringLiteral("Beziehung &löschen"));
        aendernItem_->setVisible(!DatabaseReadOnly());
        aendernItem_->setEnabled(SelectedRow(beziehungen) >= 0);
      }
      if (activeList_ && SelectedRow(activeList_) >= 0) {
        targetPerson(SelectedPersonOf(activeList_));
        loeschenItem_->setEnabled(editable);
      }
      break;
    }
    case ppMedia:
      neuItem_->setVisible(true);
      neuItem_->setEnabled(editable);
      loeschenItem_->setText(QStringLiteral("Verbindung zu Media &löschen"));
      loeschenItem_->setEnabled(editable && MediaGrid->currentRow() >= 0);
      for (QAction* a : views) a->setVisible(false);
      favoritItem_->setVisible(false);
      break;
    default:
      break;
  }
}

void TPersonStdView::LoeschenMenuClick() {
  if (!person_ || ReadOnly() || !AhnenDB) return;
  switch (CurrentPage()) {
    case ppPerson:
    case ppDetails: DelBtnClick(); return;
    case ppEhe: Guarded([&] { DeleteMarriageAt(shownMarriage_); }); return;
    case ppElternKinder:
      Guarded([&] {
        if (!activeList_ || SelectedRow(activeList_) < 0) return;
        if (activeList_ == vater) DeleteParent(true);
        if (activeList_ == mutter) DeleteParent(false);
        if (activeList_ == kinder) DeleteChildAt(SelectedRow(kinder));
        if (activeList_ == beziehungen) DeleteLinkAt(beziehungen->SelectedValue());
      });
      return;
    case ppMedia: Guarded([&] { DeleteMediaAt(MediaGrid->currentRow()); }); return;
    default: return;
  }
}

bool TPersonStdView::CanDeleteMarriage() const {
  return person_ && !ReadOnly() && !DatabaseReadOnly() && CurrentPage() == ppEhe && shownMarriage_ >= 0;
}

void TPersonStdView::EheLoeschenClick() {
  if (CanDeleteMarriage()) Guarded([&] { DeleteMarriageAt(shownMarriage_); });
}

std::string TPersonStdView::DeleteQuestion() {
  TPersonDetail& d = *Detail();
  // Either side counts, whatever sex is recorded.
  TPerson anySide = d;
  anySide.Geschlecht = sexUnknown;
  std::vector<std::string> items;
  if (d.Vater > 0) items.push_back(" - einen Vater");
  if (d.Mutter > 0) items.push_back(" - eine Mutter");
  const auto count = [&](std::size_t n, const char* what) {
    if (n > 0) items.push_back(" - " + std::to_string(n) + what);
  };
  count(AhnenDB->getPartners(anySide)->Count(), " Partner");
  count(AhnenDB->getChildren(anySide)->Count(), " Kind(er)");
  count(AhnenDB->getLinks(d)->Count(), " weitere Beziehungen");
  count(AhnenDB->getMediae(d)->Count(), " Mediae");
  std::string q;
  if (!items.empty()) {
    q = "Die Person \"" + Caption() + "\" hat: ";
    for (const std::string& item : items) q += "\n" + item;
    q += " zugewiesen!\n\n";
  }
  return q + "Soll die Person und alle ihre Beziehungen wirklich gelöscht werden?";
}

void TPersonStdView::DelBtnClick() {
  if (!person_ || ReadOnly() || !AhnenDB) return;
  Guarded([&] {
    TPersonDetail& d = *Detail();
    SyncParentsFromTable();
    if (!WarnYesNo(DeleteQuestion())) return;
    const std::string caption = Caption();
    const int id = d.Id;
    TPerson anySide = d;
    anySide.Geschlecht = sexUnknown;
    std::vector<std::pair<int, int>> dropped;  // partner, marriage
    std::vector<int> children, linkOwners;
    {
      auto tx = AhnenDB->Transaction();
      const auto partners = AhnenDB->getPartners(anySide);
      const auto kids = AhnenDB->getChildren(anySide);
      const auto links = AhnenDB->getLinks(d);
      const auto linksTo = AhnenDB->getLinksTo(id);
      const auto mediae = AhnenDB->getMediae(d);
      const auto entries = AhnenDB->getDiverse(d);
      for (const auto& p : *partners) {
        AhnenDB->deleteMarriage(*p);
        if (p->Partner) dropped.emplace_back(p->Partner->Id, p->Id);
      }
      for (const auto& c : *kids) {
        if (c->Vater == id) c->Vater = 0;
        if (c->Mutter == id) c->Mutter = 0;
        AhnenDB->update(*c);
        children.push_back(c->Id);
      }
      for (const auto& l : *links) AhnenDB->deleteLink(*l);
      for (const auto& l : *linksTo) {
        if (l->Id1 == id) continue;  // went with its own links
        AhnenDB->deleteLink(*l);
        linkOwners.push_back(l->Id1);
      }
      for (const auto& m : *mediae) AhnenDB->deleteMedia(*m);
      for (const auto& e : *entries) AhnenDB->deleteDiverses(*e);
      AhnenDB->remove(d);
      tx->Commit();
    }
    for (const auto& [partner, marriage] : dropped)
      for (TPersonStdView* v : OpenViews(partner)) v->DropMarriage(marriage);
    for (int parent : {d.Vater, d.Mutter})
      for (TPersonStdView* v : OpenViews(parent)) v->RefreshChildren();
    for (int child : children)
      for (TPersonStdView* v : OpenViews(child)) v->RefreshParents();
    for (int owner : linkOwners)
      for (TPersonStdView* v : OpenViews(owner)) v->RefreshLinks();
    Host().PersonDeleted(id);
    ShowInformation("Person \"" + caption + "\" wurde gelöscht.");
    deleting_ = true;
    close();
  });
}
