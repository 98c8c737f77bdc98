#include "ui/DBInfoDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Configuration.h"
#include "db/AhnenDB.h"
#include "ui/QtText.h"

namespace {

struct TCountRow {
  const char* label;
  const char* name;
  TableId table;
};

const TCountRow kRows[] = {
    {"Anzahl Personen:", "PersonenWert", TableId::Person},
    {"Anzahl Ehen:", "EhenWert", TableId::Ehe},
    {"Anzahl weitere Verbindungen:", "VerbindungenWert", TableId::Link},
    {"Anzahl Multimediaeinträge:", "MultimediaWert", TableId::Media},
    {"Anzahl Einträge Diverses:", "DiversesWert", TableId::Divers},
    {"Anzahl Schlüsselworte:", "SchluesselworteWert", TableId::Key},
    {"Anzahl Fakteneinträge:", "FaktenWert", TableId::Fact},
    {"Anzahl Quelleneinträge:", "QuellenWert", TableId::Source},
};

QLabel* Value(QWidget* parent, const QString& text, const char* name) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TDBInfo::TDBInfo(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DBInfo"));
  setWindowTitle(QStringLiteral("Datenbank-Info"));
  auto* layout = new QVBoxLayout(this);
  auto* where = new QLabel(QStringLiteral("Speicherort der aktuellen Datenbank:"), this);
  layout->addWidget(where);
  QLabel* path = Value(this, Config ? ToQ(Config->DBPath) : QString(), "SpeicherortWert");
  path->setWordWrap(true);
  layout->addWidget(path);
  layout->addSpacing(8);

  auto* counts = new QFormLayout;
  counts->setLabelAlignment(Qt::AlignLeft);
  counts->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (const TCountRow& row : kRows) {
    const QString n = AhnenDB ? QString::number(AhnenDB->RecordCount(row.table)) : QString();
    QLabel* value = Value(this, n, row.name);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(80);
    counts->addRow(QString::fromUtf8(row.label), value);
  }
  layout->addLayout(counts);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKBtn"));
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  setMinimumWidth(380);
}
