// The entries attached to a person: links to other persons, media files and
// free-form entries. Rows are numbered by the table (AutoInc) and addressed
// by that number; in memory the texts may be longer than the table keeps, so
// only the stored values are cut.
#include "core/Media.h"
#include "core/Prompter.h"
#include "db/AhnenDB.h"
#include "db/ChangeLines.h"
#include "db/PersonRows.h"

namespace {

std::string Num(int n) { return std::to_string(n); }

std::string SelectByAutoInc(TableId table, const std::string& columns) {
  return "SELECT " + columns + " FROM " + TableName(table) + " WHERE \"AutoInc\" = ?1";
}

// Rows whose person field equals ?1, in index order: equal keys by record number.
std::string SelectFor(TableId table, const std::string& columns, const char* field) {
  return "SELECT " + columns + " FROM " + TableName(table) + " WHERE \"" + field + "\" = ?1 ORDER BY \"AutoInc\"";
}

std::string DeleteSql(TableId table) { return "DELETE FROM " + TableName(table) + " WHERE \"AutoInc\" = ?1"; }

// Appends an empty row and returns its number.
int AppendEmptyRow(TAhnenDB& db, TableId table) {
  db.Cached("INSERT INTO " + TableName(table) + " DEFAULT VALUES").Run();
  return static_cast<int>(db.Connection().LastInsertRowId());
}

template <class T, class Reader>
bool ReadRow(TAhnenDB& db, TableId table, const std::string& columns, int autoInc, T& out, Reader read) {
  if (autoInc <= 0) return false;
  TStatement& st = db.Cached(SelectByAutoInc(table, columns));
  TResetOnExit reset(st);
  st.Bind(1, autoInc);
  if (!st.Step()) return false;
  read(st, out);
  return true;
}

template <class List, class Item, class Reader>
std::unique_ptr<List> ReadAll(TAhnenDB& db, TableId table, const std::string& columns, const char* field, int id,
                              Reader read) {
  auto list = std::make_unique<List>();
  if (id <= 0) return list;
  TStatement& st = db.Cached(SelectFor(table, columns, field));
  TResetOnExit reset(st);
  st.Bind(1, id);
  while (st.Step()) {
    auto item = std::make_unique<Item>();
    read(st, *item);
    list->Insert(std::move(item));
  }
  return list;
}

}  // namespace

// --- links ---------------------------------------------------------------------------

std::unique_ptr<TLinks> TAhnenDB::getLinks(const TPerson& person) {
  auto links = ReadAll<TLinks, TLink>(*this, TableId::Link, LinkColumns(), "Id1", person.Id, readLink);
  for (const auto& link : *links) link->Person = getPerson(link->Id2);
  return links;
}

std::unique_ptr<TLinks> TAhnenDB::getLinksTo(int id) {
  return ReadAll<TLinks, TLink>(*this, TableId::Link, LinkColumns(), "Id2", id, readLink);
}

void TAhnenDB::insertLink(TLink& l) {
  const int old = l.AutoInc;
  try {
    TTransaction tx(Connection());
    l.AutoInc = AppendEmptyRow(*this, TableId::Link);
    LogDbChange("Link eingefügt: [" + Num(l.AutoInc) + "] (Aenderung folgt implizit...)");
    // Deletes the row again when a person is missing.
    updateLink(l);
    tx.Commit();
  } catch (...) {
    l.AutoInc = old;
    throw;
  }
}

void TAhnenDB::updateLink(TLink& l) {
  if (!personExists(l.Id1) || !personExists(l.Id2)) {
    deleteLink(l);
    return;
  }
  TLink row;
  if (!ReadRow(*this, TableId::Link, LinkColumns(), l.AutoInc, row, readLink)) {
    ShowError("TAhnenDB.updateLink: LDB.EOF! autoinc=" + Num(l.AutoInc));
    return;
  }
  LogDbChange("Link geändert: [" + Num(l.AutoInc) + "] id1=" + Num(row.Id1) + " id2=" + Num(row.Id2) +
              " text=" + row.Text);
  Cached(UpdateSql(TableId::Link, {"Id1", "Id2", "Text"}))
      .Bind(1, l.Id1)
      .Bind(2, l.Id2)
      .Bind(3, Fit(TableId::Link, "Text", l.Text))
      .Bind(4, l.AutoInc)
      .Run();
}

void TAhnenDB::deleteLink(TLink& l) {
  TLink row;
  if (!ReadRow(*this, TableId::Link, LinkColumns(), l.AutoInc, row, readLink)) {
    ShowError("TAhnenDB.deleteLink: LDB.EOF! id=" + Num(l.AutoInc));
    return;
  }
  LogDbChange("Link gelöscht: [" + Num(row.AutoInc) + "] id1=" + Num(row.Id1) + " id2=" + Num(row.Id2) +
              " text=" + row.Text);
  Cached(DeleteSql(TableId::Link)).Bind(1, row.AutoInc).Run();
}

// --- media ---------------------------------------------------------------------------

std::unique_ptr<TMediae> TAhnenDB::getMediae(const TPerson& person) {
  return ReadAll<TMediae, TMedia>(*this, TableId::Media, MediaColumns(), "Id", person.Id, readMedia);
}

std::string TAhnenDB::firstImageFile(int id) {
  if (id <= 0) return "";
  TStatement& st = Cached(SelectFor(TableId::Media, "\"File\"", "Id"));
  TResetOnExit reset(st);
  st.Bind(1, id);
  while (st.Step()) {
    std::string file = st.Text(0);
    if (IsImageFile(file)) return file;
  }
  return "";
}

void TAhnenDB::insertMedia(TMedia& m) {
  const int old = m.AutoInc;
  try {
    TTransaction tx(Connection());
    m.AutoInc = AppendEmptyRow(*this, TableId::Media);
    LogDbChange("Media eingefügt: [" + Num(m.AutoInc) + "] (Aenderung folgt implizit...)");
    updateMedia(m);
    tx.Commit();
  } catch (...) {
    m.AutoInc = old;
    throw;
  }
}

void TAhnenDB::updateMedia(TMedia& m) {
  TMedia row;
  if (!ReadRow(*this, TableId::Media, MediaColumns(), m.AutoInc, row, readMedia)) {
    ShowError("TAhnenDB.updateMedia: MDB.EOF! autoinc=" + Num(m.AutoInc));
    return;
  }
  LogDbChange("Media geändert: [" + Num(m.AutoInc) + "] id=" + Num(row.Id) + " title=" + row.Title +
              " file=" + row.File);
  Cached(UpdateSql(TableId::Media, {"Id", "File", "Title"}))
      .Bind(1, m.Id)
      .Bind(2, Fit(TableId::Media, "File", m.File))
      .Bind(3, Fit(TableId::Media, "Title", m.Title))
      .Bind(4, m.AutoInc)
      .Run();
}

void TAhnenDB::deleteMedia(TMedia& m) {
  TMedia row;
  if (!ReadRow(*this, TableId::Media, MediaColumns(), m.AutoInc, row, readMedia)) {
    ShowError("TAhnenDB.deleteMedia: MDB.EOF! autoinc=" + Num(m.AutoInc));
    return;
  }
  LogDbChange("Media gelöscht: [" + Num(row.AutoInc) + "] id=" + Num(row.Id) + " title=" + row.Title +
              " file=" + row.File);
  Cached(DeleteSql(TableId::Media)).Bind(1, row.AutoInc).Run();
}

// --- free-form entries -------------------------------------------------------------------

std::unique_ptr<TDiverse> TAhnenDB::getDiverse(const TPerson& person) {
  return ReadAll<TDiverse, TDiverses>(*this, TableId::Divers, DiversesColumns(), "Id", person.Id, readDiverses);
}

void TAhnenDB::insertDiverses(TDiverses& d) {
  const int old = d.AutoInc;
  try {
    TTransaction tx(Connection());
    d.AutoInc = AppendEmptyRow(*this, TableId::Divers);
    LogDbChange("Diverses eingefügt: [" + Num(d.AutoInc) + "] (Aenderung folgt implizit...)");
    // Writes the entry and rebuilds its person's keywords.
    updateDiverses(d);
    tx.Commit();
  } catch (...) {
    d.AutoInc = old;
    throw;
  }
}

void TAhnenDB::updateDiverses(TDiverses& d) {
  TDiverses row;
  if (!ReadRow(*this, TableId::Divers, DiversesColumns(), d.AutoInc, row, readDiverses)) {
    ShowError("TAhnenDB.updateDiverses: DDB.EOF! autoinc=" + Num(d.AutoInc));
    return;
  }
  const std::string title = Fit(TableId::Divers, "Title", d.Title);
  const std::string text = Fit(TableId::Divers, "Text", d.Text);
  TTransaction tx(Connection());
  LogDbChange("Diverses geändert: [" + Num(d.AutoInc) + "] id=" + Num(d.Id) + " title=" + title + " text=" + text);
  Cached(UpdateSql(TableId::Divers, {"Id", "Title", "Text", "Quelle", "Datum", "DatumZusatz"}))
      .Bind(1, d.Id)
      .Bind(2, title)
      .Bind(3, text)
      .Bind(4, Fit(TableId::Divers, "Quelle", d.Quelle))
      .Bind(5, Fit(TableId::Divers, "Datum", d.Datum))
      .Bind(6, d.DatumZusatz)
      .Bind(7, d.AutoInc)
      .Run();
  updateDiversesKeys(d);
  // An entry moved to another person takes its keywords along.
  if (row.Id != d.Id && personExists(row.Id)) updateDiversesKeys(row);
  tx.Commit();
}

void TAhnenDB::deleteDiverses(TDiverses& d) {
  TDiverses row;
  if (!ReadRow(*this, TableId::Divers, DiversesColumns(), d.AutoInc, row, readDiverses)) {
    ShowError("TAhnenDB.deleteDiverses: DDB.EOF! autoinc=" + Num(d.AutoInc));
    return;
  }
  TTransaction tx(Connection());
  LogDbChange("Diverses gelöscht: [" + Num(row.AutoInc) + "] id=" + Num(row.Id) + " title=" + row.Title +
              " text=" + row.Text);
  Cached(DeleteSql(TableId::Divers)).Bind(1, row.AutoInc).Run();
  // The person of the stored row loses the entry's keywords.
  if (personExists(row.Id)) updateDiversesKeys(row);
  tx.Commit();
}
