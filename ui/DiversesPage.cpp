// The free-entry page of the person data view: one row per field name of
// the database's settings, then one per stored entry of another name.
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/Configuration.h"
#include "db/AhnenDB.h"
#include "ui/PersonStdViewPrivate.h"
#include "ui/QtText.h"

using namespace pview;

QWidget* TPersonStdView::BuildDiversesPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("DiversesPage"));
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  Diverses = new QScrollArea(page);
  Diverses->setObjectName(QStringLiteral("Diverses"));
  Diverses->setWidgetResizable(true);
  Diverses->setFrameShape(QFrame::NoFrame);
  auto* rows = new QWidget;
  rows->setObjectName(QStringLiteral("DiversesRows"));
  Diverses->setWidget(rows);
  rows->installEventFilter(this);
  layout->addWidget(Diverses);
  return page;
}

void TPersonStdView::ClearDiverseRows() {
  diverseRows_.Clear();
  if (Diverses && Diverses->widget()) Diverses->widget()->setMinimumHeight(0);
}

TDiverseComp* TPersonStdView::AddDiverseRow(const std::string& caption) {
  const int row = static_cast<int>(diverseRows_.Count());
  auto comp = std::make_unique<TDiverseComp>(Diverses, row, caption);
  TDiverseComp* raw = comp.get();
  raw->Edit()->setReadOnly(ReadOnly());
  connect(raw->Edit(), &QLineEdit::textChanged, this, [this, raw] {
    if (IgnoreChanges()) return;
    raw->Changed = true;
    EnableSave();
  });
  diverseRows_.Insert(std::move(comp));
  return raw;
}

void TPersonStdView::LoadDiversesPage() {
  ClearDiverseRows();
  const std::vector<std::string> names = Config ? Config->DiversesListe : std::vector<std::string>{};
  for (const std::string& name : names) AddDiverseRow(name);
  for (const auto& entry : Detail()->diverse()) {
    TDiverseComp* row = nullptr;
    for (std::size_t i = 0; i < names.size() && i < diverseRows_.Count(); ++i) {
      // A second entry of the same name gets a row of its own, so that
      // neither is lost from sight.
      if (names[i] == entry->Title && !diverseRows_[i].Record) {
        row = &diverseRows_[i];
        break;
      }
    }
    if (!row) row = AddDiverseRow(entry->Title);
    row->Edit()->setText(ToQ(entry->Text));
    row->Record = entry.get();
  }
}

void TPersonStdView::SaveDiverses() {
  TPersonDetail& me = *Detail();
  TDiverse& entries = me.diverse();
  for (std::size_t i = diverseRows_.Count(); i-- > 0;) {
    TDiverseComp& row = diverseRows_[i];
    const std::string text = FromQ(row.Edit()->text().trimmed());
    if (!text.empty() && !row.Record) {
      auto entry = std::make_unique<TDiverses>();
      entry->Id = me.Id;
      entry->Title = row.Caption();
      entry->Text = text;
      AhnenDB->insertDiverses(*entry);
      row.Record = entry.get();
      entries.Insert(std::move(entry));
    } else if (!text.empty() && row.Changed) {
      row.Record->Title = row.Caption();
      row.Record->Text = text;
      AhnenDB->updateDiverses(*row.Record);
    } else if (text.empty() && row.Record) {
      AhnenDB->deleteDiverses(*row.Record);
      for (std::size_t k = 0; k < entries.Count(); ++k) {
        if (&entries[k] != row.Record) continue;
        entries.Take(k);
        break;
      }
      diverseRows_.Remove(i);
      continue;
    }
    row.Changed = false;
  }
}
