#include "ui/PersonStdView.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Configuration.h"
#include "db/AhnenDB.h"
#include "ui/FormPosition.h"
#include "ui/MediaPlayerPanel.h"
#include "ui/PersonStdViewPrivate.h"
#include "ui/QtText.h"
#include "ui/RComboBox.h"
#include "ui/RControls.h"
#include "ui/RDatum.h"
#include "ui/RDatumZusatz.h"
#include "ui/REdit.h"
#include "ui/RImage.h"
#include "ui/ViewManager.h"

namespace {

std::vector<TPersonStdView*>& Registry() {
  static std::vector<TPersonStdView*> views;
  return views;
}

// The setting counts the pages without "Zusätze", which it cannot choose.
int StartPage() {
  const int setting = Config ? Config->StandardPersonenRegister : 0;
  if (setting >= ppPerson && setting <= ppMedia) return setting;
  if (setting == ppMedia + 1) return ppDiverses;
  return ppPerson;
}

// A small padlock: the marker of a view that offers no editing.
QPixmap ReadOnlyMarker() {
  QPixmap pm(20, 20);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(120, 30, 30), 2));
  p.drawArc(QRectF(5, 2, 10, 11), 0, 180 * 16);
  p.drawLine(QPointF(5, 7.5), QPointF(5, 10));
  p.drawLine(QPointF(15, 7.5), QPointF(15, 10));
  p.setBrush(QColor(170, 40, 40));
  p.drawRoundedRect(QRectF(3, 9, 14, 10), 2, 2);
  return pm;
}

}  // namespace

void RegisterPersonStdView() {
  RegisterViewFactory(vkPersonData, [] { return new TPersonStdView; });
}

TPersonStdView::TPersonStdView(QWidget* parent) : TAhnenView(parent) {
  setObjectName(QStringLiteral("PersonStdView"));
  setWindowTitle(QStringLiteral("Person"));
  setAcceptDrops(true);
  Registry().push_back(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* header = new QWidget(this);
  header->setObjectName(QStringLiteral("Header"));
  BuildHeader(header);
  layout->addWidget(header);

  PageControl = new QTabWidget(this);
  PageControl->setObjectName(QStringLiteral("PageControl"));
  PageControl->addTab(BuildPersonPage(), QStringLiteral("Person"));
  PageControl->addTab(BuildDetailsPage(), QStringLiteral("Details"));
  PageControl->addTab(BuildEhePage(), QStringLiteral("Ehe"));
  PageControl->setTabToolTip(ppEhe, QStringLiteral("Ehedaten"));
  PageControl->addTab(BuildElternKinderPage(), QStringLiteral("Eltern-Kinder"));
  PageControl->addTab(BuildMediaPage(), QStringLiteral("Multimedia"));
  PageControl->setTabToolTip(ppMedia, QStringLiteral("Mit rechter Maustaste Mediadateien einfügen."));
  PageControl->addTab(BuildZusaetzePage(), QStringLiteral("Zusätze"));
  PageControl->addTab(BuildDiversesPage(), ToQ(Config ? Config->DiversesTitel : std::string("Diverses")));
  PageControl->tabBar()->installEventFilter(this);
  layout->addWidget(PageControl, 1);
  BuildContextMenu();

  auto* save = new QAction(QStringLiteral("Speichern"), this);
  save->setObjectName(QStringLiteral("SaveMenu"));
  save->setShortcut(QKeySequence::Save);
  save->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(save, &QAction::triggered, this, [this] {
    if (SaveBtn->isEnabled()) SaveBtnClick();
  });
  addAction(save);
  auto* close = new QAction(QStringLiteral("Schliessen"), this);
  close->setObjectName(QStringLiteral("CloseMenu"));
  close->setShortcut(QKeySequence(Qt::Key_F4));
  close->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(close, &QAction::triggered, this, &TPersonStdView::CloseBtnClick);
  addAction(close);

  resize(720, 560);
  RestoreViewSize(this);
  if (Config && Config->NurLesen) SetReadOnly(true);
  {
    TLoadingGuard loading(this);
    PageControl->setCurrentIndex(StartPage());
  }
  connect(PageControl, &QTabWidget::currentChanged, this, [this](int page) { loadTabData(page); });
}

TPersonStdView::~TPersonStdView() {
  auto& views = Registry();
  views.erase(std::remove(views.begin(), views.end(), this), views.end());
  // The rows' widgets belong to the scroll area, which goes first otherwise.
  diverseRows_.Clear();
}

std::vector<TPersonStdView*> TPersonStdView::OpenViews(int personId) {
  std::vector<TPersonStdView*> found;
  if (personId <= 0) return found;
  for (TPersonStdView* v : Registry())
    if (!v->deleting_ && v->GetPersonId() == personId) found.push_back(v);
  return found;
}

void TPersonStdView::BuildHeader(QWidget* host) {
  using namespace pview;
  auto* grid = new QGridLayout(host);
  grid->setContentsMargins(0, 0, 0, 0);
  Vorname = Combo(host, "Vorname", THelperList::FirstNames, true);
  Nachname = Combo(host, "Nachname", THelperList::Surnames, true);
  GeburtDat = Datum(host, "GeburtDat");
  TodDat = Datum(host, "TodDat");
  Ort = Combo(host, "Ort", THelperList::Places, true);
  Mann = new TRRadioButton(QStringLiteral("M"), host);
  Mann->setObjectName(QStringLiteral("Mann"));
  Frau = new TRRadioButton(QStringLiteral("W"), host);
  Frau->setObjectName(QStringLiteral("Frau"));
  Id = new QLabel(host);
  Id->setObjectName(QStringLiteral("Id"));
  Id->setTextInteractionFlags(Qt::TextSelectableByMouse);

  grid->addWidget(LabelFor(host, QStringLiteral("Vorname:"), Vorname), 0, 0);
  grid->addWidget(Vorname, 0, 1, 1, 3);
  grid->addWidget(LabelFor(host, QStringLiteral("Nachname (bei Geburt):"), Nachname), 0, 4);
  grid->addWidget(Nachname, 0, 5);
  grid->addWidget(LabelFor(host, QStringLiteral("Geburtsdatum:"), GeburtDat), 1, 0);
  grid->addWidget(GeburtDat, 1, 1);
  grid->addWidget(LabelFor(host, QStringLiteral("Todesdatum:"), TodDat), 1, 2);
  grid->addWidget(TodDat, 1, 3);
  auto* sex = new QHBoxLayout;
  sex->addWidget(Mann);
  sex->addWidget(Frau);
  sex->addStretch();
  sex->addWidget(Id);
  grid->addLayout(sex, 1, 4, 1, 2);
  grid->addWidget(LabelFor(host, QStringLiteral("Lebensort:"), Ort), 2, 0);
  grid->addWidget(Ort, 2, 1, 1, 5);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  grid->setColumnStretch(5, 3);

  auto* buttons = new QVBoxLayout;
  auto* drag = new TPersonDragButton(host);
  drag->personId = [this] { return GetPersonId(); };
  PersonBtn = drag;
  PersonBtn->setObjectName(QStringLiteral("PersonBtn"));
  PersonBtn->setToolTip(QStringLiteral("Person ziehen und ablegen..."));
  PersonBtn->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  PersonBtn->setIconSize(QSize(24, 24));
  PersonBtn->setEnabled(false);
  SaveBtn = new QPushButton(QStringLiteral("&Speichern"), host);
  SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
  SaveBtn->setEnabled(false);
  CloseBtn = new QPushButton(QStringLiteral("Sc&hliessen"), host);
  CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
  CloseBtn->setToolTip(QStringLiteral("Schliessen über Taste F4"));
  roImage = new QLabel(host);
  roImage->setObjectName(QStringLiteral("roImage"));
  roImage->setPixmap(ReadOnlyMarker());
  roImage->setToolTip(QStringLiteral("Nur lesen"));
  roImage->hide();
  auto* top = new QHBoxLayout;
  top->addWidget(roImage);
  top->addStretch();
  top->addWidget(PersonBtn);
  buttons->addLayout(top);
  buttons->addWidget(SaveBtn);
  buttons->addWidget(CloseBtn);
  buttons->addStretch();
  grid->addLayout(buttons, 0, 6, 3, 1);

  for (TListCombo* c : {Vorname, Nachname, Ort})
    connect(c, &QComboBox::editTextChanged, this, &TPersonStdView::PersonFieldChanged);
  for (TRDatum* d : {GeburtDat, TodDat}) {
    connect(d, &TRDatum::DatumChanged, this, &TPersonStdView::PersonFieldChanged);
    connect(d, &QLineEdit::textEdited, this, &TPersonStdView::PersonFieldChanged);
  }
  connect(Mann, &QAbstractButton::clicked, this, [this] { SexClicked(0); });
  connect(Frau, &QAbstractButton::clicked, this, [this] { SexClicked(1); });
  connect(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });
  connect(CloseBtn, &QPushButton::clicked, this, &TPersonStdView::CloseBtnClick);
}

// --- person ------------------------------------------------------------------

TPersonDetail* TPersonStdView::Detail() const { return static_cast<TPersonDetail*>(person_.get()); }

std::unique_ptr<TPerson> TPersonStdView::GetPerson() {
  if (!person_ || !AhnenDB) return std::make_unique<TPerson>();
  return AhnenDB->getPersonDetail(person_->Id);
}

void TPersonStdView::setPerson(std::unique_ptr<TPerson> person) { ChangePerson(std::move(person)); }

bool TPersonStdView::ChangePerson(std::unique_ptr<TPerson> person) {
  if (!person || !AhnenDB) return false;
  if (person->Id < 1) {
    ShowErrorBox("PersonStdViewM: setPerson(): aPerson.Id<=0");
    return false;
  }
  if (SaveBtn->isEnabled()) {
    const PromptAnswer a = Prompter().Ask(PromptKind::Warning,
                                          "Daten wurden geändert und noch nicht gespeichert.\n\n"
                                          "Wollen Sie sie vor dem Personenwechsel speichern?",
                                          PromptButtons::YesNoCancel);
    if (a == PromptAnswer::Cancel) return false;
    if (a == PromptAnswer::Yes && !SaveBtnClick()) return false;
  }
  std::unique_ptr<TPersonDetail> detail;
  if (!Guarded([&] { detail = AhnenDB->getPersonDetail(person->Id); })) return false;
  if (detail->Id < 1) {
    ShowErrorBox("PersonStdViewM: setPerson(): aPerson.Id<=0");
    return false;
  }
  MediaPlayer->Stop();
  person_ = std::move(detail);
  PersonBtn->setEnabled(true);
  SaveBtn->setEnabled(false);
  CloseBtn->setEnabled(true);
  loaded_.fill(false);
  ClearDiverseRows();
  shownMarriage_ = -1;
  activeList_ = nullptr;
  ShowHeader();
  UpdateCaption();
  loadTabData(CurrentPage());
  return true;
}

void TPersonStdView::loadTabData(int page) {
  if (!person_) return;
  if (page < 0 || page >= ppCount) {
    ShowErrorBox("PersonStdViewM: loadTabData: ungültiger PageIndex");
    return;
  }
  if (loaded_[page]) return;
  Guarded([&] {
    TLoadingGuard loading(this);
    switch (page) {
      case ppPerson: LoadPersonPage(); break;
      case ppDetails: LoadDetailsPage(); break;
      case ppEhe: LoadEhePage(); break;
      case ppElternKinder: LoadElternKinderPage(); break;
      case ppMedia: LoadMediaPage(); break;
      case ppZusaetze: break;  // nothing of it is stored
      case ppDiverses: LoadDiversesPage(); break;
    }
    loaded_[page] = true;
  });
}

void TPersonStdView::UpdateCaption() {
  if (!person_) return;
  // The caption follows the header as typed, before it is saved.
  TPerson shown = *person_;
  shown.Vorname = pview::Cut(Vorname->Text(), 40);
  shown.Nachname = pview::Cut(Nachname->Text(), 40);
  shown.Famname = pview::Cut(Famname->Text(), 40);
  shown.Geburt = GeburtDat->Datum();
  shown.Tod = TodDat->Datum();
  shown.Ort = pview::Cut(Ort->Text(), 80);
  setWindowTitle(CaptionPrefix() + ToQ(shown.listText()));
}

std::string TPersonStdView::Caption() const { return person_ ? person_->listText() : std::string(); }

int TPersonStdView::CurrentPage() const { return PageControl->currentIndex(); }

// --- changes and saving -------------------------------------------------------

bool TPersonStdView::HasUnsavedChanges() const { return SaveBtn->isEnabled(); }

void TPersonStdView::EnableSave() { SaveBtn->setEnabled(true); }

void TPersonStdView::PersonFieldChanged() {
  if (IgnoreChanges() || !person_) return;
  Detail()->viewFlag = true;
  EnableSave();
  UpdateCaption();
}

bool TPersonStdView::CommitFocusedDate() {
  for (TRDatum* d : findChildren<TRDatum*>())
    if (d->InEntryMode() && !d->ApplyEntry()) return false;
  return true;
}

bool TPersonStdView::SaveBtnClick() {
  if (!person_ || ReadOnly() || !AhnenDB) return false;
  if (!CommitFocusedDate()) return false;
  TPersonDetail& d = *Detail();
  return Guarded([&] {
    if (d.viewFlag) {
      CopyHeaderToRecord();
      CopyPersonPagesToRecord();
      SyncParentsFromTable();
      AhnenDB->update(d);
      d.viewFlag = false;
    }
    if (d.partnersLoaded()) {
      CopyMarriageBack();
      for (const auto& p : d.partners()) {
        if (!p->Changed) continue;
        AhnenDB->updateMarriage(*p);
        p->Changed = false;
      }
    }
    if (d.linksLoaded()) {
      for (const auto& l : d.links()) {
        if (!l->Changed) continue;
        AhnenDB->updateLink(*l);
        l->Changed = false;
      }
    }
    if (d.mediaeLoaded()) {
      for (const auto& m : d.mediae()) {
        if (!m->Changed) continue;
        AhnenDB->updateMedia(*m);
        m->Changed = false;
      }
    }
    if (diverseRows_.Count() > 0 && diverseRows_.AnyChanged()) SaveDiverses();
    SaveBtn->setEnabled(false);
    loaded_.fill(false);
    ShowHeader();
    UpdateCaption();
    loadTabData(CurrentPage());
  });
}

void TPersonStdView::CloseBtnClick() { close(); }

void TPersonStdView::closeEvent(QCloseEvent* event) {
  if (!deleting_ && SaveBtn->isEnabled()) {
    const PromptAnswer a = Prompter().Ask(PromptKind::Warning,
                                          "Daten von Formular \"" + FromQ(windowTitle()) +
                                              "\" wurden geändert und noch nicht gespeichert.\n\n"
                                              "Wollen Sie sie vor dem Schliessen speichern?",
                                          PromptButtons::YesNoCancel);
    if (a == PromptAnswer::Cancel || (a == PromptAnswer::Yes && !SaveBtnClick())) {
      event->ignore();
      return;
    }
  }
  MediaPlayer->Stop();
  event->accept();
}

void TPersonStdView::resizeEvent(QResizeEvent* event) {
  TAhnenView::resizeEvent(event);
  if (isVisible()) SaveFormPosition(this);
}

// --- read-only ------------------------------------------------------------------

void TPersonStdView::SetReadOnly(bool readOnly) {
  if (readOnly == ReadOnly()) return;
  TAhnenView::SetReadOnly(readOnly);
  ApplyReadOnly();
}

void TPersonStdView::ApplyReadOnly() {
  const bool ro = ReadOnly();
  const auto fixed = [](QWidget* w) { return w->property("alwaysReadOnly").toBool(); };
  for (TRDatum* d : findChildren<TRDatum*>())
    if (!fixed(d)) d->SetReadOnly(ro);
  for (QLineEdit* e : findChildren<QLineEdit*>()) {
    // Combo boxes and date fields rule their own edit fields.
    if (qobject_cast<QComboBox*>(e->parentWidget()) || qobject_cast<TRDatum*>(e) || fixed(e)) continue;
    e->setReadOnly(ro);
  }
  for (TRComboBox* c : findChildren<TRComboBox*>())
    if (!fixed(c)) c->SetReadOnly(ro);
  for (QPlainTextEdit* t : findChildren<QPlainTextEdit*>())
    if (!fixed(t)) t->setReadOnly(ro);
  for (TRCheckBox* c : findChildren<TRCheckBox*>()) c->SetReadOnly(ro);
  for (TRRadioButton* r : findChildren<TRRadioButton*>()) r->SetReadOnly(ro);
  for (TRButton* b : findChildren<TRButton*>()) b->SetReadOnly(ro);
  roImage->setVisible(ro);
  if (ro) {
    SaveBtn->setEnabled(false);
    mediaAufBtn->hide();
    mediaAbBtn->hide();
  } else if (loaded_[ppMedia]) {
    ShowMedia(MediaGrid->currentRow());
  }
}
