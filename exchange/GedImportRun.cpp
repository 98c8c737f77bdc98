#include "exchange/GedImportRun.h"

#include "db/AhnenDB.h"
#include "exchange/GedTagNames.h"

TGedImportRun::TGedImportRun(TAhnenDB& db, const TGedImportOptions& options, TGedLineCursor& in,
                             IGedImportProgress& progress, IGedTagNamer* namer, const TGedPrePass& facts)
    : db(db), options(options), in(in), progress_(progress), namer_(namer), facts_(facts) {}

std::string TGedImportRun::Translate(const std::string& tag, const std::string& sample) {
  return TranslateTag(tag, sample, options.AskTagTranslation, namer_);
}

TGedPersonRef* TGedImportRun::Known(const std::string& key) {
  const auto it = persons_.find(key);
  return it == persons_.end() ? nullptr : &it->second;
}

TGedPersonRef& TGedImportRun::Bind(const std::string& key, int id) {
  TGedPersonRef& ref = persons_[key];
  ref.id = id;
  return ref;
}

TGedPersonRef* TGedImportRun::PersonFor(const std::string& value, TGedRole role) {
  if (value.empty()) return nullptr;
  TGedPersonRef* ref = Known(value);
  if (!ref) {
    TPersonDetail person;
    // Known as husband or wife even when its own record never comes.
    if (role != TGedRole::Other) person.Geschlecht = role == TGedRole::Wife ? 1 : 0;
    db.insert(person);
    ++counts.persons;
    ref = &Bind(value, person.Id);
    ref->sex = person.Geschlecht;
  }
  if (role == TGedRole::Wife) ref->wife = true;
  return ref;
}

std::string TGedImportRun::SourceText(const std::string& value) const {
  const auto it = facts_.sources.find(value);
  return it == facts_.sources.end() || it->second.empty() ? value : it->second;
}

std::string TGedImportRun::NoteText(const std::string& value) const {
  const auto it = facts_.notes.find(value);
  return it == facts_.notes.end() ? value : it->second;
}

const std::vector<TGedMediaRef>* TGedImportRun::Object(const std::string& value) const {
  const auto it = facts_.objects.find(value);
  return it == facts_.objects.end() ? nullptr : &it->second;
}
