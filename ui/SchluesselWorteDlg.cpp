#include "ui/SchluesselWorteDlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Configuration.h"
#include "core/Prompter.h"
#include "db/AhnenDB.h"
#include "db/Keywords.h"
#include "ui/LongRun.h"

namespace {

// Above this many persons the dates are left out unless chosen.
constexpr int kManyPersons = 50000;
constexpr int kFirstOption = 52;

struct TGroupBox {
  int option;
  const char* text;
  const char* name;
};

// In the order the keywords of a person are written.
const TGroupBox kGroups[] = {
    {52, "Basisdaten (DB-Id, Kartei-Nr, Namen)", "BasisdatenCheck"},
    {53, "Zusatzdaten (Beruf, Ausbildung, Todesursache)", "ZusatzdatenCheck"},
    {54, "Basisorts- und Quelldaten (Ort, Bürgerort, Land, Quelle)", "BasisortsCheck"},
    {55, "Lebensdaten (Geburtsdatum, Todesdatum, Taufdatum, ...)", "LebensdatenCheck"},
    {57, "Orte zu Lebensdaten (Geburtsort, Todesort, Taufort, ...)", "LebensorteCheck"},
    {58, "Quellen zu Lebensdaten (Quelle Geburt, Quelle Tod,  ...)", "LebensquellenCheck"},
    {59, "Daten zur Ehe, Partnerschaft", "EheCheck"},
    {56, "Benutzerdefinierte Felder", "BenutzerfelderCheck"},
};

}  // namespace

TSchluesselWorteDlg::TSchluesselWorteDlg(QWidget* parent, bool migration) : QDialog(parent) {
  setObjectName(QStringLiteral("SchluesselWorteDlg"));
  setWindowTitle(QStringLiteral("Schlüsselworte"));
  auto* layout = new QVBoxLayout(this);

  note_ = new QLabel(QStringLiteral("Da die vorhandene Datenbank das erste Mal mit dieser neuen Programmversion\n"
                                    "geöffnet wird, wird jetzt die Schlüsselwort-Erstellung empfohlen. Drücken Sie OK."),
                     this);
  note_->setObjectName(QStringLiteral("HinweisLabel"));
  note_->setStyleSheet(QStringLiteral("font-weight: bold"));
  note_->setVisible(migration);
  layout->addWidget(note_);
  layout->addSpacing(4);

  auto* explanation = new QLabel(
      QStringLiteral("Die Schlüsselworte werden von der schnellen Personensuche verwendet (Suchattribut "
                     "\"Alle Schlüsselworte\"). Wählen Sie die Felder, aus denen Schlüsselworte erstellt werden. "
                     "Bei sehr grossen Datenbanken (über 10'000 Personen) sollten Sie nur die wichtigeren Felder "
                     "auswählen."),
      this);
  explanation->setObjectName(QStringLiteral("ErklaerungLabel"));
  explanation->setWordWrap(true);
  layout->addWidget(explanation);
  layout->addSpacing(6);

  const int persons = AhnenDB ? AhnenDB->RecordCount(TableId::Person) : 0;
  for (const TGroupBox& g : kGroups) {
    auto* box = new QCheckBox(QString::fromUtf8(g.text), this);
    box->setObjectName(QString::fromLatin1(g.name));
    const bool byDefault = g.option <= 54 || (g.option == 55 && persons < kManyPersons);
    box->setChecked(Config ? Config->GetOptionBool(g.option, byDefault) : byDefault);
    boxes_[static_cast<std::size_t>(g.option - kFirstOption)] = box;
    layout->addWidget(box);
  }

  layout->addSpacing(6);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("ProgressBar"));
  progress_->setRange(0, 1);
  progress_->setValue(0);
  progress_->setTextVisible(true);
  layout->addWidget(progress_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  ok_ = new QPushButton(QStringLiteral("&OK"), this);
  ok_->setObjectName(QStringLiteral("OKBtn"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("&Abbrechen"), this);
  cancel_->setObjectName(QStringLiteral("AbbrechenBtn"));
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &TSchluesselWorteDlg::Build);
  connect(cancel_, &QPushButton::clicked, this, &TSchluesselWorteDlg::reject);
  setMinimumWidth(520);
}

void TSchluesselWorteDlg::Build() {
  if (running_ || !Config || !AhnenDB) return;
  for (const TGroupBox& g : kGroups)
    Config->SetOptionBool(g.option, boxes_[static_cast<std::size_t>(g.option - kFirstOption)]->isChecked());
  try {
    Config->SaveOptions();
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
    return;
  }
  note_->hide();

  bool completed = false;
  {
    const TLongRun run;
    running_ = true;
    stopRequested_ = false;
    ok_->setEnabled(false);
    for (QCheckBox* box : boxes_) box->setEnabled(false);
    const auto step = [this](int done, int total) {
      progress_->setMaximum(total > 0 ? total : 1);
      progress_->setValue(done);
      QCoreApplication::processEvents();
    };
    try {
      completed = RebuildAllKeys(*AhnenDB, step, [this] { return !stopRequested_; });
    } catch (const std::exception& e) {
      running_ = false;
      ok_->setEnabled(true);
      for (QCheckBox* box : boxes_) box->setEnabled(true);
      ShowErrorBox(e.what());
      return;
    }
    running_ = false;
  }
  stopped_ = !completed;
  if (completed)
    accept();
  else
    QDialog::reject();
}

void TSchluesselWorteDlg::reject() {
  // Asked to close while building: the loop stops and closes the dialog.
  if (running_) {
    stopRequested_ = true;
    return;
  }
  QDialog::reject();
}

void TSchluesselWorteDlg::closeEvent(QCloseEvent* event) {
  if (running_) {
    stopRequested_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}
