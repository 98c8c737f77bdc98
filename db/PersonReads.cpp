// Reading persons: single rows, children, and the index card numbers.
#include "core/Sex.h"
#include "core/TextCase.h"
#include "core/Utf8.h"
#include "db/AhnenDB.h"
#include "db/PersonRows.h"

namespace {

const std::string& Select(bool detail) {
  static const std::string plain =
      "SELECT " + PersonColumns() + " FROM " + TableName(TableId::Person) + " WHERE \"Id\" = ?1";
  static const std::string full =
      "SELECT " + PersonDetailColumns() + " FROM " + TableName(TableId::Person) + " WHERE \"Id\" = ?1";
  return detail ? full : plain;
}

// The parent indexes hold their integer fields under the case-insensitive
// collation; a comparison must name it for the index to serve. A person of
// unknown sex may stand in either column.
std::string ParentCondition(int sex) {
  if (sex == sexFemale) return "\"Mutter\" = ?1";
  if (sex == sexMale) return "\"Vater\" = ?1";
  return "(\"Vater\" = ?1 OR \"Mutter\" = ?1)";
}

}  // namespace

std::unique_ptr<TPerson> TAhnenDB::getPerson(int id) {
  auto person = std::make_unique<TPerson>();
  if (id <= 0) return person;
  TStatement& st = Cached(Select(false));
  TResetOnExit reset(st);
  st.Bind(1, id);
  if (st.Step()) readPerson(st, *person);
  return person;
}

std::unique_ptr<TPersonDetail> TAhnenDB::getPersonDetail(int id) {
  auto detail = std::make_unique<TPersonDetail>();
  if (id <= 0) return detail;
  TStatement& st = Cached(Select(true));
  TResetOnExit reset(st);
  st.Bind(1, id);
  if (st.Step()) readPersonDetail(st, *detail);
  return detail;
}

bool TAhnenDB::personExists(int id) {
  if (id <= 0) return false;
  TStatement& st = Cached("SELECT 1 FROM " + TableName(TableId::Person) + " WHERE \"Id\" = ?1");
  TResetOnExit reset(st);
  st.Bind(1, id);
  return st.Step();
}

std::string TAhnenDB::personText(int id) { return getPerson(id)->listText(); }

std::unique_ptr<TChildren> TAhnenDB::getChildren(const TPerson& person) {
  auto children = std::make_unique<TChildren>();
  if (person.Id <= 0) return children;
  // Index order (date string, then record) keeps equal keys in table order
  // for the stable insertion by birth.
  TStatement& st = Cached("SELECT " + PersonColumns() + " FROM " + TableName(TableId::Person) + " WHERE " +
                          ParentCondition(person.Geschlecht) + " ORDER BY \"Geburt\", \"Id\"");
  TResetOnExit reset(st);
  st.Bind(1, person.Id);
  while (st.Step()) {
    auto child = std::make_unique<TPerson>();
    readPerson(st, *child);
    children->InsertByBirth(std::move(child));
  }
  return children;
}

bool TAhnenDB::hasChildren(const TPerson& person) {
  if (person.Id <= 0) return false;
  TStatement& st = Cached("SELECT 1 FROM " + TableName(TableId::Person) + " WHERE " +
                          ParentCondition(person.Geschlecht) + " LIMIT 1");
  TResetOnExit reset(st);
  st.Bind(1, person.Id);
  return st.Step();
}

int TAhnenDB::findByKarteiNr(const std::string& wanted) {
  // Nobody is meant by an empty number; it would match every card.
  if (wanted.empty()) return 0;
  // Numbers are stored cut to their field, so a longer one is looked up cut
  // too: the person made for it is found again.
  const std::string nr = Fit(TableId::Person, "KarteiNr", wanted);
  // Every number that begins with nr (case aside) sorts from nr up to nr
  // followed by the highest code point; the collation's accent ties can put
  // other numbers in between, so each candidate is checked.
  static const std::string highest = utf8::FromCodePoint(0x10FFFF);
  TStatement& st = Cached("SELECT \"Id\", \"KarteiNr\" FROM " + TableName(TableId::Person) +
                          " WHERE \"KarteiNr\" >= ?1 AND \"KarteiNr\" < ?2 ORDER BY \"KarteiNr\", \"Id\"");
  TResetOnExit reset(st);
  st.Bind(1, nr).Bind(2, nr + highest);
  const std::size_t length = utf8::Length(nr);
  while (st.Step())
    if (SameText(utf8::Truncate(st.Text(1), length), nr)) return st.Int(0);
  return 0;
}

int TAhnenDB::insertKarteiPerson(const std::string& nr) {
  TPersonDetail detail;
  detail.KarteiNr = nr;
  insert(detail);  // cuts the number to its field and builds the keywords
  return detail.Id;
}

int TAhnenDB::idForKarteiNr(const std::string& nr) {
  const int id = findByKarteiNr(nr);
  return id ? id : insertKarteiPerson(nr);
}

std::unique_ptr<TPersonDetail> TAhnenDB::personDetailForKarteiNr(const std::string& nr) {
  return getPersonDetail(idForKarteiNr(nr));
}
