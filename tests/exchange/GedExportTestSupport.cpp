#include "tests/exchange/GedExportTestSupport.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

#include "core/CodePage.h"
#include "db/PersonRows.h"
#include "exchange/GedcomReader.h"

int GedExportTest::AddPerson(const std::string& vorname, const std::string& nachname, int sex, int vater,
                             int mutter) {
  TPersonDetail p;
  p.Vorname = vorname;
  p.Nachname = nachname;
  p.Geschlecht = sex;
  p.Vater = vater;
  p.Mutter = mutter;
  return AddPerson(p);
}

int GedExportTest::AddPerson(TPersonDetail& p) {
  db().insert(p);
  return p.Id;
}

int GedExportTest::AddMarriage(int mann, int frau, bool verheiratet) {
  TEheRec rec;
  rec.Mann = mann;
  rec.Frau = frau;
  rec.Verheiratet = verheiratet;
  return AddMarriage(rec);
}

int GedExportTest::AddMarriage(TEheRec& rec) {
  db().insertMarriage(rec);
  return rec.Id;
}

void GedExportTest::AddRawMarriage(int id, int mann, int frau) {
  db().Connection().Exec("INSERT INTO " + TableName(TableId::Ehe) + " (\"Id\", \"Mann\", \"Frau\", \"Verheiratet\") VALUES (" +
                         std::to_string(id) + ", " + std::to_string(mann) + ", " + std::to_string(frau) + ", 1)");
}

std::string GedExportTest::Export(const TGedExportOptions& options, const std::string& name) {
  result = RunGedExport(db(), dir.File(name), options, progress);
  return dir.Read(name);
}

std::vector<std::string> FileLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "the file does not end in CR LF";
      lines.push_back(bytes.substr(start));
      break;
    }
    const std::string line = bytes.substr(start, end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a line break inside a line: " << line;
    lines.push_back(line);
    start = end + 2;
  }
  return lines;
}

std::vector<std::string> RecordLines(const std::vector<std::string>& lines, const std::string& xref) {
  std::vector<std::string> record;
  const std::string head = "0 " + xref + " ";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind(head, 0) != 0) continue;
    record.push_back(lines[i]);
    for (std::size_t j = i + 1; j < lines.size() && lines[j].rfind("0 ", 0) != 0; ++j) record.push_back(lines[j]);
    break;
  }
  return record;
}

std::string FromAnsi(const std::string& bytes) { return cp1252::ToUtf8(bytes); }

std::vector<TGedRecord> ReadRecords(const std::string& bytes) {
  std::istringstream in(bytes);
  TGedReader reader(in);
  std::vector<TGedRecord> records;
  TGedRecord r;
  while (reader.Next(r)) records.push_back(std::move(r));
  EXPECT_EQ(reader.Problems(), 0) << "the reader found problems in the written file";
  return records;
}

bool HasRecord(const std::vector<TGedRecord>& records, const std::string& xref) {
  return std::any_of(records.begin(), records.end(), [&](const TGedRecord& r) { return r.xref == xref; });
}

std::vector<std::string> PointerFaults(const std::vector<TGedRecord>& records) {
  std::vector<std::string> faults;
  std::set<std::string> defined;
  for (const TGedRecord& r : records)
    if (!r.xref.empty()) defined.insert(r.xref);

  // (family, person) pairs seen from both sides
  std::set<std::pair<std::string, std::string>> famc, chil, fams, spouse;
  for (const TGedRecord& r : records) {
    for (const TGedLine& l : r.children) {
      const bool pointer = l.Is("FAMC") || l.Is("FAMS") || l.Is("HUSB") || l.Is("WIFE") || l.Is("CHIL") ||
                           l.Is("ASSO") || l.Is("SUBM");
      if (!pointer) continue;
      if (!defined.count(l.value)) faults.push_back(r.xref + " " + l.tag + " " + l.value + ": no such record");
      if (l.Is("FAMC")) famc.insert({l.value, r.xref});
      if (l.Is("FAMS")) fams.insert({l.value, r.xref});
      if (l.Is("CHIL")) chil.insert({r.xref, l.value});
      if (l.Is("HUSB") || l.Is("WIFE")) spouse.insert({r.xref, l.value});
    }
  }
  for (const auto& [fam, person] : famc)
    if (!chil.count({fam, person})) faults.push_back(person + " FAMC " + fam + ": not a CHIL there");
  for (const auto& [fam, person] : chil)
    if (!famc.count({fam, person})) faults.push_back(fam + " CHIL " + person + ": its FAMC differs");
  for (const auto& [fam, person] : fams)
    if (!spouse.count({fam, person})) faults.push_back(person + " FAMS " + fam + ": not HUSB or WIFE there");
  for (const auto& [fam, person] : spouse)
    if (!fams.count({fam, person})) faults.push_back(fam + " partner " + person + ": no FAMS back");
  return faults;
}
