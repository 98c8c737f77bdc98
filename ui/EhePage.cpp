// The page "Ehe" of the person data view: marriages and partnerships, their
// fields, and the assignment of a partner with its children and the
// married name.
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/Configuration.h"
#include "core/DateFormat.h"
#include "core/Names.h"
#include "core/Sex.h"
#include "core/Utf8.h"
#include "db/AhnenDB.h"
#include "db/Relations.h"
#include "ui/DialogRunner.h"
#include "ui/KinderZuordnenDlg.h"
#include "ui/PersonStdViewPrivate.h"
#include "ui/QtText.h"
#include "ui/RControls.h"
#include "ui/RDatum.h"
#include "ui/RDatumZusatz.h"

using namespace pview;

namespace {

QGroupBox* MarriageGroup(QWidget* parent, const QString& title, TRCheckBox* flag, TRDatum* date, TRDatumZusatz* zusatz,
                         QWidget* place, QWidget* source) {
  auto* box = new QGroupBox(title, parent);
  auto* form = new QFormLayout(box);
  form->addRow(flag);
  form->addRow(LabelFor(box, QStringLiteral("Datum"), date), date);
  form->addRow(LabelFor(box, QStringLiteral("Datumzusatz"), zusatz), zusatz);
  form->addRow(LabelFor(box, QStringLiteral("Ort"), place), place);
  form->addRow(LabelFor(box, QStringLiteral("Quelle"), source), source);
  return box;
}

std::unique_ptr<TPerson> CopyOf(const TPerson& p) { return std::make_unique<TPerson>(p); }

// The parent field of a child that a person of this sex fills.
int& ParentField(TPerson& child, int parentSex) { return parentSex == sexFemale ? child.Mutter : child.Vater; }

bool KnownSex(int sex) { return sex == sexMale || sex == sexFemale; }

}  // namespace

QWidget* TPersonStdView::BuildEhePage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("EhePage"));
  auto* layout = new QVBoxLayout(page);
  ehen = new TPersonDropList(page);
  ehen->setObjectName(QStringLiteral("ehen"));
  ehen->setToolTip(QStringLiteral("Verknüpfungen erstellen über Ziehen&Ablegen von Personen"));
  ehen->setMaximumHeight(ehen->fontMetrics().lineSpacing() * 5 + 8);
  ehen->accepts = [this] { return person_ && !ReadOnly(); };
  ehen->dropped = [this](int id) { EheDragDrop(id); };
  // The list shows the "&" itself: no buddy, so no mnemonic.
  layout->addWidget(LabelFor(page, QStringLiteral("Ehen & Partnerschaften")));
  layout->addWidget(ehen);

  marriageFields_ = new QWidget(page);
  auto* grid = new QGridLayout(marriageFields_);
  grid->setContentsMargins(0, 0, 0, 0);
  Verheiratet = Check(marriageFields_, "Verheiratet", QStringLiteral("Verheiratet"));
  HeiratDat = Datum(marriageFields_, "HeiratDat");
  HeiratZusatz = Zusatz(marriageFields_, "HeiratZusatz", true);
  HeiratOrt = Combo(marriageFields_, "HeiratOrt", THelperList::Places, true);
  HeiratQuelle = Combo(marriageFields_, "HeiratQuelle", THelperList::Sources, false);
  Geschieden = Check(marriageFields_, "Geschieden", QStringLiteral("Geschieden"));
  ScheidDat = Datum(marriageFields_, "ScheidDat");
  ScheidZusatz = Zusatz(marriageFields_, "ScheidZusatz", true);
  ScheidOrt = Combo(marriageFields_, "ScheidOrt", THelperList::Places, true);
  Scheidquelle = Combo(marriageFields_, "Scheidquelle", THelperList::Sources, false);
  eheKommentar = new QPlainTextEdit(marriageFields_);
  eheKommentar->setObjectName(QStringLiteral("eheKommentar"));
  grid->addWidget(MarriageGroup(marriageFields_, QStringLiteral("Heirat"), Verheiratet, HeiratDat, HeiratZusatz,
                                HeiratOrt, HeiratQuelle),
                  0, 0);
  grid->addWidget(MarriageGroup(marriageFields_, QStringLiteral("Scheidung"), Geschieden, ScheidDat, ScheidZusatz,
                                ScheidOrt, Scheidquelle),
                  0, 1);
  grid->addWidget(LabelFor(marriageFields_, QStringLiteral("Kommentar zu Ehe oder Partnerschaft"), eheKommentar), 1, 0,
                  1, 2);
  grid->addWidget(eheKommentar, 2, 0, 1, 2);
  grid->setRowStretch(2, 1);
  layout->addWidget(marriageFields_, 1);

  connect(ehen, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!Loading()) ShowMarriage(row);
  });
  connect(ehen, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* it) {
    const int i = it->data(Qt::UserRole).toInt();
    if (person_ && i >= 0 && i < static_cast<int>(Detail()->partners().Count())) {
      const TPartner& p = Detail()->partners()[static_cast<std::size_t>(i)];
      if (p.Partner) OpenPersonOf(p.Partner->Id);
    }
  });
  for (TRCheckBox* c : {Verheiratet, Geschieden})
    connect(c, &QAbstractButton::clicked, this, &TPersonStdView::MarriageFieldChanged);
  for (TRDatum* d : {HeiratDat, ScheidDat}) {
    connect(d, &TRDatum::DatumChanged, this, &TPersonStdView::MarriageFieldChanged);
    connect(d, &QLineEdit::textEdited, this, &TPersonStdView::MarriageFieldChanged);
  }
  for (TRDatumZusatz* z : {HeiratZusatz, ScheidZusatz})
    connect(z, &QComboBox::activated, this, &TPersonStdView::MarriageFieldChanged);
  for (TListCombo* c : {HeiratOrt, HeiratQuelle, ScheidOrt, Scheidquelle})
    connect(c, &QComboBox::editTextChanged, this, &TPersonStdView::MarriageFieldChanged);
  connect(eheKommentar, &QPlainTextEdit::textChanged, this, &TPersonStdView::MarriageFieldChanged);
  return page;
}

void TPersonStdView::LoadEhePage() {
  shownMarriage_ = -1;
  FillEheList(0);
}

void TPersonStdView::FillEheList(int select) {
  TLoadingGuard loading(this);
  TPartners& partners = Detail()->partners();
  ehen->clear();
  for (std::size_t i = 0; i < partners.Count(); ++i)
    ehen->AddEntry(QStringLiteral("%1: ").arg(i + 1) + ToQ(partners[i].partnerText()), static_cast<int>(i));
  if (partners.Empty()) {
    shownMarriage_ = -1;
    ClearMarriageFields();
    return;
  }
  const int row = qBound(0, select, ehen->count() - 1);
  ehen->setCurrentRow(row);
  ShowMarriage(row);
}

void TPersonStdView::ClearMarriageFields() {
  TLoadingGuard loading(this);
  Verheiratet->setChecked(false);
  Geschieden->setChecked(false);
  HeiratDat->SetDatum(kNoDate);
  ScheidDat->SetDatum(kNoDate);
  HeiratZusatz->SetZusatz(dqExact);
  ScheidZusatz->SetZusatz(dqExact);
  for (TListCombo* c : {HeiratOrt, HeiratQuelle, ScheidOrt, Scheidquelle}) c->SetText(QString());
  eheKommentar->clear();
  marriageFields_->setEnabled(false);
}

void TPersonStdView::ShowMarriage(int index) {
  CopyMarriageBack();
  TPartners& partners = Detail()->partners();
  if (index < 0 || index >= static_cast<int>(partners.Count())) {
    shownMarriage_ = -1;
    ClearMarriageFields();
    return;
  }
  shownMarriage_ = index;
  TLoadingGuard loading(this);
  const TPartner& p = partners[static_cast<std::size_t>(index)];
  Verheiratet->setChecked(p.Verheiratet);
  HeiratOrt->SetText(ToQ(p.HeiratOrt));
  HeiratQuelle->SetText(ToQ(p.HeiratQuelle));
  HeiratDat->SetDatum(p.Heirat);
  HeiratZusatz->SetZusatz(p.HeiratZusatz);
  Geschieden->setChecked(p.Geschieden);
  ScheidOrt->SetText(ToQ(p.ScheidungOrt));
  Scheidquelle->SetText(ToQ(p.ScheidungQuelle));
  ScheidDat->SetDatum(p.Scheidung);
  ScheidZusatz->SetZusatz(p.ScheidungZusatz);
  QStringList lines;
  for (const std::string& l : p.Kommentar) lines << ToQ(l);
  eheKommentar->setPlainText(lines.join('\n'));
  marriageFields_->setEnabled(true);
}

void TPersonStdView::CopyMarriageBack() {
  if (!person_ || !Detail()->partnersLoaded()) return;
  TPartners& partners = Detail()->partners();
  if (shownMarriage_ < 0 || shownMarriage_ >= static_cast<int>(partners.Count())) return;
  TPartner& p = partners[static_cast<std::size_t>(shownMarriage_)];
  if (!p.Changed) return;
  // A date still being typed counts as entered.
  for (TRDatum* d : {HeiratDat, ScheidDat})
    if (d->InEntryMode()) d->ApplyEntry();
  p.Verheiratet = Verheiratet->isChecked();
  p.HeiratOrt = Cut(HeiratOrt->Text(), 30);
  p.HeiratQuelle = Cut(HeiratQuelle->Text(), 30);
  p.Heirat = HeiratDat->Datum();
  p.HeiratZusatz = HeiratZusatz->Zusatz();
  p.Geschieden = Geschieden->isChecked();
  p.ScheidungOrt = Cut(ScheidOrt->Text(), 30);
  p.ScheidungQuelle = Cut(Scheidquelle->Text(), 30);
  p.Scheidung = ScheidDat->Datum();
  p.ScheidungZusatz = ScheidZusatz->Zusatz();
  p.Kommentar.clear();
  const QString text = eheKommentar->toPlainText();
  if (!text.isEmpty())
    for (const QString& l : text.split('\n')) p.Kommentar.push_back(FromQ(l));
}

void TPersonStdView::MarriageFieldChanged() {
  if (IgnoreChanges() || !person_ || shownMarriage_ < 0) return;
  Detail()->partners()[static_cast<std::size_t>(shownMarriage_)].Changed = true;
  EnableSave();
}

void TPersonStdView::DeleteMarriageAt(int index) {
  TPartners& partners = Detail()->partners();
  if (index < 0 || index >= static_cast<int>(partners.Count())) return;
  TPartner& p = partners[static_cast<std::size_t>(index)];
  const std::string caption = p.Partner ? p.Partner->listText() : std::string();
  if (!WarnYesNo("Soll die Ehe/Partnerschaft mit \"" + caption + "\" wirklich gelöscht werden?")) return;
  AhnenDB->deleteMarriage(p);
  const int marriageId = p.Id;
  const int partnerId = p.Partner ? p.Partner->Id : 0;
  CopyMarriageBack();
  shownMarriage_ = -1;
  partners.Take(static_cast<std::size_t>(index));
  loaded_[ppEhe] = false;
  loadTabData(ppEhe);
  for (TPersonStdView* v : OpenViews(partnerId)) v->DropMarriage(marriageId);
}

void TPersonStdView::DropMarriage(int marriageId) {
  if (!person_ || !Detail()->partnersLoaded()) return;
  TPartners& partners = Detail()->partners();
  int found = -1;
  for (std::size_t i = 0; i < partners.Count(); ++i)
    if (partners[i].Id == marriageId) found = static_cast<int>(i);
  if (found < 0) return;
  CopyMarriageBack();
  int keep = shownMarriage_;
  if (keep > found || (keep == found && keep == static_cast<int>(partners.Count()) - 1)) --keep;
  shownMarriage_ = -1;
  partners.Take(static_cast<std::size_t>(found));
  if (loaded_[ppEhe]) FillEheList(keep);
}

void TPersonStdView::AddMarriage(const TEheRec& rec, std::unique_ptr<TPerson> partner) {
  // Not loaded yet: the marriage comes with the first reading.
  if (!person_ || !Detail()->partnersLoaded()) return;
  CopyMarriageBack();
  const int keep = shownMarriage_;
  Detail()->partners().Insert(std::make_unique<TPartner>(rec, std::move(partner)));
  shownMarriage_ = -1;
  if (loaded_[ppEhe]) FillEheList(keep < 0 ? 0 : keep);
}

void TPersonStdView::SetMarriedName(const std::string& text) {
  if (!person_ || ReadOnly()) return;
  {
    TLoadingGuard loading(this);
    Famname->SetText(ToQ(text));
  }
  Detail()->viewFlag = true;
  EnableSave();
  UpdateCaption();
}

std::string TPersonStdView::MarriedName() const { return Cut(Famname->Text(), 40); }

void TPersonStdView::EheDragDrop(int personId) {
  if (!person_ || ReadOnly() || !AhnenDB) return;
  Guarded([&] {
    TPersonDetail& me = *Detail();
    std::unique_ptr<TPerson> other = AhnenDB->getPerson(personId);
    if (other->Id <= 0) return;
    if (other->Id == me.Id) return ShowWarning("Eine Person kann nicht ihr eigener (Ehe-)Partner sein.");
    if (!KnownSex(me.Geschlecht) || !KnownSex(other->Geschlecht))
      return ShowWarning("Das Geschlecht von (Ehe-)Partnern muss bekannt sein!");
    if (me.Geschlecht == other->Geschlecht)
      return ShowWarning("Die beiden (Ehe-)Partner müssen verschiedenen Geschlechts sein!");
    if (!Confirm("Soll \"" + other->listText() + "\" als (Ehe-)Partner von \"" + Caption() + "\" zugeordnet werden?"))
      return;
    TPartner rec;
    rec.Mann = me.Geschlecht == sexMale ? me.Id : other->Id;
    rec.Frau = me.Geschlecht == sexMale ? other->Id : me.Id;
    AhnenDB->insertMarriage(rec);
    CopyMarriageBack();
    // A list not read yet brings the new marriage with it.
    if (me.partnersLoaded())
      me.partners().Insert(std::make_unique<TPartner>(rec, CopyOf(*other)));
    else
      me.partners();
    shownMarriage_ = -1;
    if (loaded_[ppEhe]) FillEheList(static_cast<int>(me.partners().Count()) - 1);
    for (TPersonStdView* v : OpenViews(other->Id)) v->AddMarriage(rec, CopyOf(me));

    AssignChildrenToPartner(*other);
    AssignPartnerChildrenToMe(*other);
    if (Config && Config->FamNameAuto) {
      if (me.Geschlecht == sexMale)
        ProposeMarriedName(me, *other);
      else
        ProposeMarriedName(*other, me);
    }
  });
}

void TPersonStdView::AssignChildrenToPartner(const TPerson& partner) {
  TPersonDetail& me = *Detail();
  std::vector<std::pair<int, QString>> available;
  const std::unique_ptr<TChildren> children = AhnenDB->getChildren(me);
  for (const auto& child : *children) {
    if (ParentField(*child, partner.Geschlecht) != 0) continue;
    if (!ParentAssignmentRefusal(partner.Id, child->Id).empty()) continue;
    available.emplace_back(child->Id, ToQ(child->listText()));
  }
  if (available.empty()) return;
  TKinderZuordnenDlg dlg(this,
                         ToQ("Wählen Sie die Kinder für den neuen (Ehe-)Partner\n\"" + partner.listText() + "\" aus:"),
                         available);
  if (ExecDialog(dlg) != QDialog::Accepted) return;
  for (int id : dlg.AssignedIds()) {
    std::unique_ptr<TPerson> child = AhnenDB->getPerson(id);
    if (child->Id <= 0) continue;
    ParentField(*child, partner.Geschlecht) = partner.Id;
    AhnenDB->update(*child);
    for (TPersonStdView* v : OpenViews(id)) v->RefreshParents();
  }
  for (TPersonStdView* v : OpenViews(partner.Id)) v->RefreshChildren();
  // The other parent shows beside each child here.
  RefreshChildren();
}

void TPersonStdView::AssignPartnerChildrenToMe(const TPerson& partner) {
  TPersonDetail& me = *Detail();
  std::vector<std::pair<int, QString>> available;
  const std::unique_ptr<TChildren> children = AhnenDB->getChildren(partner);
  for (const auto& child : *children) {
    if (ParentField(*child, me.Geschlecht) != 0) continue;
    if (!ParentAssignmentRefusal(me.Id, child->Id).empty()) continue;
    available.emplace_back(child->Id, ToQ(child->listText()));
  }
  if (available.empty()) return;
  TKinderZuordnenDlg dlg(this,
                         ToQ("Wählen Sie nun die Kinder des neuen (Ehe-)Partners \"\n\"" + partner.listText() +
                             "\" aus, die auch bei \n\"" + Caption() + "\" als Kinder eingetragen werden sollen:"),
                         available);
  if (ExecDialog(dlg) != QDialog::Accepted) return;
  for (int id : dlg.AssignedIds()) {
    std::unique_ptr<TPerson> child = AhnenDB->getPerson(id);
    if (child->Id <= 0) continue;
    ParentField(*child, me.Geschlecht) = me.Id;
    AhnenDB->update(*child);
    for (TPersonStdView* v : OpenViews(id)) v->RefreshParents();
  }
  RefreshChildren();
  for (TPersonStdView* v : OpenViews(partner.Id)) v->RefreshChildren();
}

void TPersonStdView::ProposeMarriedName(const TPerson& husband, const TPerson& wife) {
  const TPersonDetail& me = *Detail();
  // This person's surname as typed, the other's as stored.
  const std::string husbandName = husband.Id == me.Id ? CurrentSurname() : husband.Nachname;
  const std::string wifeName = wife.Id == me.Id ? CurrentSurname() : wife.Nachname;
  const std::string name = utf8::Truncate(ComposeMarriedName(husbandName, wifeName), 40);
  if (name.empty()) return;
  const std::vector<TPersonStdView*> wifeViews = wife.Id == me.Id ? std::vector<TPersonStdView*>{this}
                                                                  : OpenViews(wife.Id);
  std::unique_ptr<TPersonDetail> stored;
  std::string current;
  if (!wifeViews.empty()) {
    current = wifeViews.front()->MarriedName();
  } else {
    stored = AhnenDB->getPersonDetail(wife.Id);
    if (stored->Id <= 0) return;
    current = stored->Famname;
  }
  if (current == name) return;
  if (!current.empty() &&
      !Confirm("Soll für die Person \"" + wife.listText() + "\" neu \"" + name + "\" als Familienname verwendet werden?"))
    return;
  if (!wifeViews.empty()) {
    for (TPersonStdView* v : wifeViews) v->SetMarriedName(name);
    return;
  }
  stored->Famname = name;
  AhnenDB->update(*stored);
}
