#include "tests/exchange/GedImportTestSupport.h"

#include <fstream>

#include "db/Schema.h"
#include "exchange/GedTagNames.h"
#include "tests/exchange/ExchangeTestSupport.h"

void GedImportTest::SetUp() {
  DbTest::SetUp();
  ForgetTagNames();
}

std::string GedImportTest::Ged(const std::string& body) { return "0 HEAD\n1 CHAR UTF-8\n" + body + "0 TRLR\n"; }

TGedImportResult GedImportTest::Import(const std::string& bytes) {
  const std::string name = "import" + std::to_string(++files_) + ".ged";
  dir.Write(name, bytes);
  last_ = std::make_unique<TGedImport>(dir.File(name));
  const bool dos = last_->Options().ConvertDosToAnsi;
  last_->Options() = options;
  if (keepDosDefault) last_->Options().ConvertDosToAnsi = dos;
  return last_->Run(progress, &namer);
}

std::vector<std::unique_ptr<TPersonDetail>> GedImportTest::AllPersons() {
  std::vector<std::unique_ptr<TPersonDetail>> all;
  TStatement st(db().Connection(), "SELECT \"Id\" FROM " + TableDef(TableId::Person).Qualified() + " ORDER BY \"Id\"");
  std::vector<int> ids;
  while (st.Step()) ids.push_back(st.Int(0));
  for (int id : ids) all.push_back(db().getPersonDetail(id));
  return all;
}

TGedImportResult GedImportTest::ImportFile(const std::string& path) {
  last_ = std::make_unique<TGedImport>(CorpusDir() + "/" + path);
  const bool dos = last_->Options().ConvertDosToAnsi;
  last_->Options() = options;
  if (keepDosDefault) last_->Options().ConvertDosToAnsi = dos;
  return last_->Run(progress, &namer);
}

namespace {

std::unique_ptr<TPersonDetail> OnlyOne(std::vector<std::unique_ptr<TPersonDetail>> all, const std::string& vorname,
                                       const std::string* nachname) {
  std::unique_ptr<TPersonDetail> found;
  const std::string name = vorname + (nachname ? " /" + *nachname + "/" : std::string());
  for (auto& p : all) {
    if (p->Vorname != vorname || (nachname && p->Nachname != *nachname)) continue;
    EXPECT_FALSE(found) << "more than one person named " << name;
    found = std::move(p);
  }
  EXPECT_TRUE(found) << "no person named " << name;
  return found ? std::move(found) : std::make_unique<TPersonDetail>();
}

}  // namespace

std::unique_ptr<TPersonDetail> GedImportTest::Person(const std::string& vorname) {
  return OnlyOne(AllPersons(), vorname, nullptr);
}

std::unique_ptr<TPersonDetail> GedImportTest::Person(const std::string& vorname, const std::string& nachname) {
  return OnlyOne(AllPersons(), vorname, &nachname);
}

std::vector<TEheRec> GedImportTest::AllMarriages() {
  std::vector<TEheRec> all;
  TStatement st(db().Connection(), "SELECT \"Id\" FROM " + TableDef(TableId::Ehe).Qualified() + " ORDER BY \"Id\"");
  std::vector<int> ids;
  while (st.Step()) ids.push_back(st.Int(0));
  for (int id : ids) all.push_back(*db().getMarriage(id));
  return all;
}

std::vector<std::string> GedImportTest::DiversesOf(int id) {
  TPerson p;
  p.Id = id;
  std::vector<std::string> out;
  const auto entries = db().getDiverse(p);
  for (const auto& d : *entries) out.push_back(d->Title + ": " + d->Text);
  return out;
}

bool GedImportTest::Said(const std::string& part) const {
  for (const std::string& m : progress.messages)
    if (m.find(part) != std::string::npos) return true;
  return false;
}

std::string GedImportTest::AllMessages() const {
  std::string all;
  for (const std::string& m : progress.messages) all += m + "\n";
  return all;
}
