// The header and the pages "Person", "Details" and "Zusätze" of the person
// data view, and the control builders the other pages share.
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/DateFormat.h"
#include "core/Dates.h"
#include "core/Host.h"
#include "core/Sex.h"
#include "core/Utf8.h"
#include "db/AhnenDB.h"
#include "db/Relations.h"
#include "ui/PersonStdViewPrivate.h"
#include "ui/QtText.h"
#include "ui/RControls.h"
#include "ui/RDatum.h"
#include "ui/RDatumZusatz.h"
#include "ui/REdit.h"

namespace pview {

std::string Cut(const QString& text, int width) { return utf8::Truncate(FromQ(text), static_cast<std::size_t>(width)); }

TListCombo* Combo(QWidget* parent, const char* name, THelperList list, bool startWithUpper) {
  auto* c = new TListCombo(parent, list);
  c->setObjectName(QString::fromLatin1(name));
  c->SetStartWithUpper(startWithUpper);
  return c;
}

TREdit* Edit(QWidget* parent, const char* name, bool startWithUpper) {
  auto* e = new TREdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->SetStartWithUpper(startWithUpper);
  return e;
}

TRDatum* Datum(QWidget* parent, const char* name) {
  auto* d = new TRDatum(parent);
  d->setObjectName(QString::fromLatin1(name));
  // Room for the entry form dd.mm.yyyy, not more.
  d->setMaximumWidth(d->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00000")) + 16);
  d->setMinimumWidth(d->maximumWidth());
  return d;
}

TRDatumZusatz* Zusatz(QWidget* parent, const char* name, bool marriage) {
  auto* z = new TRDatumZusatz(parent);
  z->setObjectName(QString::fromLatin1(name));
  if (marriage) z->setItemText(dqAbout, QStringLiteral("Ungefähr"));
  return z;
}

TRCheckBox* Check(QWidget* parent, const char* name, const QString& text) {
  auto* c = new TRCheckBox(text, parent);
  c->setObjectName(QString::fromLatin1(name));
  return c;
}

QLabel* LabelFor(QWidget* parent, const QString& text, QWidget* buddy) {
  auto* l = new QLabel(text, parent);
  if (buddy) l->setBuddy(buddy);
  return l;
}

void MarkAlwaysReadOnly(QWidget* w) { w->setProperty("alwaysReadOnly", true); }

bool Confirm(const std::string& text) {
  return Prompter().Ask(PromptKind::Confirmation, text, PromptButtons::YesNo) == PromptAnswer::Yes;
}

bool WarnYesNo(const std::string& text) {
  return Prompter().Ask(PromptKind::Warning, text, PromptButtons::YesNo) == PromptAnswer::Yes;
}

}  // namespace pview

using namespace pview;

namespace {

// Date, qualifier, place and source of one event, in a group box.
QGroupBox* EventGroup(QWidget* parent, const QString& title, TRDatum* date, TRDatumZusatz* zusatz,
                      QWidget* place, QWidget* source) {
  auto* box = new QGroupBox(title, parent);
  auto* form = new QFormLayout(box);
  if (date) form->addRow(LabelFor(box, QStringLiteral("Datum"), date), date);
  form->addRow(LabelFor(box, QStringLiteral("Datumzusatz"), zusatz), zusatz);
  form->addRow(LabelFor(box, QStringLiteral("Ort"), place), place);
  form->addRow(LabelFor(box, QStringLiteral("Quelle"), source), source);
  return box;
}

QString Lines(const std::vector<std::string>& lines) {
  QStringList l;
  for (const std::string& s : lines) l << ToQ(s);
  return l.join('\n');
}

std::vector<std::string> LinesOf(const QPlainTextEdit* edit) {
  std::vector<std::string> lines;
  const QString text = edit->toPlainText();
  if (text.isEmpty()) return lines;
  for (const QString& l : text.split('\n')) lines.push_back(FromQ(l));
  return lines;
}

}  // namespace

QWidget* TPersonStdView::BuildPersonPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("PersonPage"));
  auto* grid = new QGridLayout(page);
  Famname = Combo(page, "Famname", THelperList::Surnames, true);
  Buergerort = Combo(page, "Buergerort", THelperList::Places, false);
  Beruf = Combo(page, "Beruf", THelperList::Occupations, true);
  Ausbildung = Combo(page, "Ausbildung", THelperList::Occupations, false);
  Kommentar = new QPlainTextEdit(page);
  Kommentar->setObjectName(QStringLiteral("Kommentar"));
  GeburtZusatz = Zusatz(page, "GeburtZusatz");
  GeburtOrt = Combo(page, "GeburtOrt", THelperList::Places, true);
  GeburtQuelle = Combo(page, "GeburtQuelle", THelperList::Sources, false);
  TodZusatz = Zusatz(page, "TodZusatz");
  TodOrt = Combo(page, "TodOrt", THelperList::Places, true);
  TodQuelle = Combo(page, "TodQuelle", THelperList::Sources, false);

  auto* form = new QFormLayout;
  form->addRow(LabelFor(page, QStringLiteral("Name durch Heirat:"), Famname), Famname);
  form->addRow(LabelFor(page, QStringLiteral("Bürgerort"), Buergerort), Buergerort);
  form->addRow(LabelFor(page, QStringLiteral("Beruf"), Beruf), Beruf);
  form->addRow(LabelFor(page, QStringLiteral("Ausbildung"), Ausbildung), Ausbildung);
  grid->addLayout(form, 0, 0, 1, 2);
  grid->addWidget(EventGroup(page, QStringLiteral("Geburt"), nullptr, GeburtZusatz, GeburtOrt, GeburtQuelle), 1, 0);
  grid->addWidget(EventGroup(page, QStringLiteral("Tod"), nullptr, TodZusatz, TodOrt, TodQuelle), 1, 1);
  grid->addWidget(LabelFor(page, QStringLiteral("Kommentar"), Kommentar), 2, 0, 1, 2);
  grid->addWidget(Kommentar, 3, 0, 1, 2);
  grid->setRowStretch(3, 1);

  for (TListCombo* c : {Famname, Buergerort, Beruf, Ausbildung, GeburtOrt, GeburtQuelle, TodOrt, TodQuelle})
    connect(c, &QComboBox::editTextChanged, this, &TPersonStdView::PersonFieldChanged);
  for (TRDatumZusatz* z : {GeburtZusatz, TodZusatz})
    connect(z, &QComboBox::activated, this, &TPersonStdView::PersonFieldChanged);
  connect(Kommentar, &QPlainTextEdit::textChanged, this, &TPersonStdView::PersonFieldChanged);
  return page;
}

QWidget* TPersonStdView::BuildDetailsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("DetailsPage"));
  auto* grid = new QGridLayout(page);
  TaufDat = Datum(page, "TaufDat");
  TaufZusatz = Zusatz(page, "TaufZusatz");
  Taufort = Combo(page, "Taufort", THelperList::Places, true);
  TaufQuelle = Combo(page, "TaufQuelle", THelperList::Sources, false);
  BestattDat = Datum(page, "BestattDat");
  Bestattzusatz = Zusatz(page, "Bestattzusatz");
  BestattOrt = Combo(page, "BestattOrt", THelperList::Places, true);
  BestattQuelle = Combo(page, "BestattQuelle", THelperList::Sources, false);
  grid->addWidget(EventGroup(page, QStringLiteral("Taufe"), TaufDat, TaufZusatz, Taufort, TaufQuelle), 0, 0);
  grid->addWidget(EventGroup(page, QStringLiteral("Bestattung"), BestattDat, Bestattzusatz, BestattOrt, BestattQuelle),
                  0, 1);

  auto* address = new QGroupBox(QStringLiteral(" Adresse "), page);
  auto* af = new QGridLayout(address);
  Strasse = Edit(address, "Strasse", true);
  PLZ = Edit(address, "PLZ");
  PLZ->setMaximumWidth(PLZ->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
  AdressOrt = Combo(address, "AdressOrt", THelperList::Places, false);
  Land = Combo(address, "Land", THelperList::Countries, true);
  Telefon = Edit(address, "Telefon");
  Korrespondenz = Check(address, "Korrespondenz", QStringLiteral("Korrespondenz"));
  af->addWidget(LabelFor(address, QStringLiteral("Strasse"), Strasse), 0, 0);
  af->addWidget(Strasse, 0, 1, 1, 3);
  af->addWidget(LabelFor(address, QStringLiteral("PLZ"), PLZ), 1, 0);
  af->addWidget(PLZ, 1, 1);
  af->addWidget(LabelFor(address, QStringLiteral("Ort"), AdressOrt), 1, 2);
  af->addWidget(AdressOrt, 1, 3);
  af->addWidget(LabelFor(address, QStringLiteral("Land"), Land), 2, 0);
  af->addWidget(Land, 2, 1, 1, 3);
  af->addWidget(LabelFor(address, QStringLiteral("Telefon"), Telefon), 3, 0);
  af->addWidget(Telefon, 3, 1, 1, 2);
  af->addWidget(Korrespondenz, 3, 3);
  af->setColumnStretch(3, 1);
  grid->addWidget(address, 1, 0);

  auto* misc = new QWidget(page);
  auto* mf = new QFormLayout(misc);
  mf->setContentsMargins(0, 0, 0, 0);
  Religion = Combo(misc, "Religion", THelperList::Religions, false);
  KarteiNr = Edit(misc, "KarteiNr");
  Todesursache = Edit(misc, "Todesursache");
  Quelle = new QPlainTextEdit(misc);
  Quelle->setObjectName(QStringLiteral("Quelle"));
  Quelle->setMaximumHeight(Quelle->fontMetrics().lineSpacing() * 3 + 12);
  Alter = new QLineEdit(misc);
  Alter->setObjectName(QStringLiteral("Alter"));
  Neu = new QLineEdit(misc);
  Neu->setObjectName(QStringLiteral("Neu"));
  geaendert = new QLineEdit(misc);
  geaendert->setObjectName(QStringLiteral("geaendert"));
  for (QLineEdit* e : {Alter, Neu, geaendert}) {
    e->setReadOnly(true);
    MarkAlwaysReadOnly(e);
  }
  mf->addRow(LabelFor(misc, QStringLiteral("Religion"), Religion), Religion);
  mf->addRow(LabelFor(misc, QStringLiteral("KarteiNr."), KarteiNr), KarteiNr);
  mf->addRow(LabelFor(misc, QStringLiteral("Todesursache"), Todesursache), Todesursache);
  mf->addRow(LabelFor(misc, QStringLiteral("Quellen"), Quelle), Quelle);
  mf->addRow(LabelFor(misc, QStringLiteral("Alter:")), Alter);
  mf->addRow(LabelFor(misc, QStringLiteral("Erstellungsdatum:")), Neu);
  mf->addRow(LabelFor(misc, QStringLiteral("Aenderungsdatum:")), geaendert);
  grid->addWidget(misc, 1, 1);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  for (TListCombo* c : {Taufort, TaufQuelle, BestattOrt, BestattQuelle, AdressOrt, Land, Religion})
    connect(c, &QComboBox::editTextChanged, this, &TPersonStdView::PersonFieldChanged);
  for (TRDatumZusatz* z : {TaufZusatz, Bestattzusatz})
    connect(z, &QComboBox::activated, this, &TPersonStdView::PersonFieldChanged);
  for (TRDatum* d : {TaufDat, BestattDat}) {
    connect(d, &TRDatum::DatumChanged, this, &TPersonStdView::PersonFieldChanged);
    connect(d, &QLineEdit::textEdited, this, &TPersonStdView::PersonFieldChanged);
  }
  for (TREdit* e : {Strasse, PLZ, Telefon, KarteiNr, Todesursache})
    connect(e, &QLineEdit::textChanged, this, &TPersonStdView::PersonFieldChanged);
  connect(Korrespondenz, &QAbstractButton::clicked, this, &TPersonStdView::PersonFieldChanged);
  connect(Quelle, &QPlainTextEdit::textChanged, this, &TPersonStdView::PersonFieldChanged);
  return page;
}

QWidget* TPersonStdView::BuildZusaetzePage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("ZusaetzePage"));
  auto* form = new QFormLayout(page);
  zsRufname = Combo(page, "zsRufname", THelperList::FirstNames, false);
  zsTitel = Edit(page, "zsTitel");
  ListBox1 = new QListWidget(page);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  // Nothing of this page is stored, so nothing may be typed into it.
  zsRufname->SetReadOnly(true);
  zsTitel->setReadOnly(true);
  for (QWidget* w : {static_cast<QWidget*>(zsRufname), static_cast<QWidget*>(zsTitel)}) {
    MarkAlwaysReadOnly(w);
    w->setToolTip(QStringLiteral("Diese Angaben werden nicht gespeichert."));
  }
  form->addRow(LabelFor(page, QStringLiteral("Rufname"), zsRufname), zsRufname);
  form->addRow(LabelFor(page, QStringLiteral("Titel"), zsTitel), zsTitel);
  form->addRow(LabelFor(page, QStringLiteral("Paten"), ListBox1), ListBox1);
  return page;
}

void TPersonStdView::ShowHeader() {
  TLoadingGuard loading(this);
  const TPersonDetail& d = *Detail();
  Nachname->SetText(ToQ(d.Nachname));
  Famname->SetText(ToQ(d.Famname));
  Vorname->SetText(ToQ(d.Vorname));
  GeburtDat->SetDatum(d.Geburt);
  TodDat->SetDatum(d.Tod);
  Ort->SetText(ToQ(d.Ort));
  Id->setText(QStringLiteral("[%1]").arg(d.Id));
  ShowSex(d.Geschlecht);
}

void TPersonStdView::ShowSex(int sex) {
  // Exclusive buttons cannot be cleared one by one; unknown shows neither.
  Mann->setAutoExclusive(false);
  Frau->setAutoExclusive(false);
  Mann->setChecked(sex == sexMale);
  Frau->setChecked(sex == sexFemale);
  Mann->setAutoExclusive(true);
  Frau->setAutoExclusive(true);
}

void TPersonStdView::LoadPersonPage() {
  const TPersonDetail& d = *Detail();
  GeburtOrt->SetText(ToQ(d.GeburtOrt));
  GeburtQuelle->SetText(ToQ(d.GeburtQuelle));
  GeburtZusatz->SetZusatz(d.GeburtZusatz);
  TodOrt->SetText(ToQ(d.TodOrt));
  TodQuelle->SetText(ToQ(d.TodQuelle));
  TodZusatz->SetZusatz(d.TodZusatz);
  Ausbildung->SetText(ToQ(d.Ausbildung));
  Beruf->SetText(ToQ(d.Beruf));
  Buergerort->SetText(ToQ(d.Buergerort));
  Kommentar->setPlainText(Lines(d.Kommentar));
}

void TPersonStdView::LoadDetailsPage() {
  const TPersonDetail& d = *Detail();
  TaufZusatz->SetZusatz(d.TaufeZusatz);
  Taufort->SetText(ToQ(d.TaufeOrt));
  TaufQuelle->SetText(ToQ(d.TaufeQuelle));
  TaufDat->SetDatum(d.Taufe);
  Bestattzusatz->SetZusatz(d.BestattungZusatz);
  BestattOrt->SetText(ToQ(d.BestattungOrt));
  BestattQuelle->SetText(ToQ(d.BestattungQuelle));
  BestattDat->SetDatum(d.Bestattung);
  Korrespondenz->setChecked(d.Korrespondenz);
  Strasse->setText(ToQ(d.Strasse));
  PLZ->setText(ToQ(d.PLZ));
  AdressOrt->SetText(ToQ(d.AdressOrt));
  Land->SetText(ToQ(d.Land));
  Telefon->setText(ToQ(d.Telefon));
  Religion->SetText(ToQ(d.Religion));
  KarteiNr->setText(ToQ(d.KarteiNr));
  Quelle->setPlainText(ToQ(d.Quelle));
  Todesursache->setText(ToQ(d.Todesursache));
  Alter->setText(ToQ(AgeText(d.birthOrBaptismDate(), d.deathOrBurialDate())));
  Neu->setText(ToQ(FormatDate(d.Neu)));
  geaendert->setText(ToQ(FormatDate(d.Geaendert)));
}

void TPersonStdView::CopyHeaderToRecord() {
  TPersonDetail& d = *Detail();
  d.Nachname = Cut(Nachname->Text(), 40);
  d.Famname = Cut(Famname->Text(), 40);
  d.Vorname = Cut(Vorname->Text(), 40);
  d.Geburt = GeburtDat->Datum();
  d.Tod = TodDat->Datum();
  d.Ort = Cut(Ort->Text(), 80);
  if (Mann->isChecked()) d.Geschlecht = sexMale;
  if (Frau->isChecked()) d.Geschlecht = sexFemale;
}

void TPersonStdView::CopyPersonPagesToRecord() {
  TPersonDetail& d = *Detail();
  if (loaded_[ppPerson]) {
    d.Buergerort = Cut(Buergerort->Text(), 80);
    d.GeburtOrt = Cut(GeburtOrt->Text(), 30);
    d.GeburtQuelle = Cut(GeburtQuelle->Text(), 30);
    d.TodOrt = Cut(TodOrt->Text(), 30);
    d.TodQuelle = Cut(TodQuelle->Text(), 30);
    d.GeburtZusatz = GeburtZusatz->Zusatz();
    d.TodZusatz = TodZusatz->Zusatz();
    d.Ausbildung = Cut(Ausbildung->Text(), 70);
    d.Beruf = Cut(Beruf->Text(), 70);
    d.Kommentar = LinesOf(Kommentar);
  }
  if (loaded_[ppDetails]) {
    d.TaufeZusatz = TaufZusatz->Zusatz();
    d.BestattungZusatz = Bestattzusatz->Zusatz();
    d.TaufeOrt = Cut(Taufort->Text(), 30);
    d.BestattungOrt = Cut(BestattOrt->Text(), 30);
    d.TaufeQuelle = Cut(TaufQuelle->Text(), 30);
    d.BestattungQuelle = Cut(BestattQuelle->Text(), 30);
    d.Taufe = TaufDat->Datum();
    d.Bestattung = BestattDat->Datum();
    d.Korrespondenz = Korrespondenz->isChecked();
    d.Strasse = Cut(Strasse->text(), 60);
    d.PLZ = Cut(PLZ->text(), 10);
    d.AdressOrt = Cut(AdressOrt->Text(), 30);
    d.Land = Cut(Land->Text(), 20);
    d.Telefon = Cut(Telefon->text(), 20);
    d.Religion = Cut(Religion->Text(), 20);
    d.KarteiNr = Cut(KarteiNr->text(), 20);
    // A one-line field of the table: the lines of the box join with blanks.
    d.Quelle = Cut(Quelle->toPlainText().replace('\n', ' '), 100);
    d.Todesursache = Cut(Todesursache->text(), 30);
  }
}

void TPersonStdView::SexClicked(int sex) {
  if (!person_) return;
  if (IgnoreChanges()) return ShowSex(Detail()->Geschlecht);
  TPersonDetail& d = *Detail();
  const int shownBefore = d.Geschlecht;
  if (sex == shownBefore) return ShowSex(sex);
  const int demanded = SexDemandedByRelations(d.Id);
  if (demanded != sexUnknown && demanded != sex) {
    ShowSex(shownBefore);
    if (demanded == sexMale && shownBefore != sexMale) {
      Host().ShowStatus("Diese Person ist als Vater oder Ehemann eingetragen und kann daher nur männlich sein.");
    } else if (demanded == sexFemale && shownBefore != sexFemale) {
      Host().ShowStatus("Diese Person ist als Mutter oder Ehefrau eingetragen und kann daher nur weiblich sein.");
    } else {
      Host().ShowStatus(
          "Aenderungen am Geschlecht sind nicht erlaubt, wenn Partner oder Kinder zugewiesen sind! "
          "Entfernen Sie zuerst diese Beziehungen.");
    }
    return;
  }
  // Relations dropped before the next save already follow the new sex.
  d.Geschlecht = sex;
  ShowSex(sex);
  PersonFieldChanged();
}

std::string TPersonStdView::CurrentSurname() const { return Cut(Nachname->Text(), 40); }
