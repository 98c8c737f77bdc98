#include "tests/exchange/ExchangeTestSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

#include "core/Utf8.h"
#include "exchange/GedcomReader.h"

std::string CorpusDir() { return ORVELIN_SOURCE_DIR "/../shared/gedcom"; }

bool TProblems::Has(const std::string& part) const {
  for (const TGedProblem& p : list)
    if (p.text.find(part) != std::string::npos) return true;
  return false;
}

std::string TProblems::All() const {
  std::string s;
  for (const TGedProblem& p : list) s += p.text + "\n";
  return s;
}

std::vector<TGedRecord> ReadAll(const std::string& bytes, TProblems& problems) {
  std::istringstream in(bytes);
  TGedReader reader(in, problems.Sink());
  std::vector<TGedRecord> records;
  TGedRecord r;
  while (reader.Next(r)) records.push_back(std::move(r));
  return records;
}

namespace {
void DumpLine(const TGedLine& l, std::string& out) {
  out += std::string(static_cast<std::size_t>(l.level) * 2, ' ') + std::to_string(l.level);
  if (!l.xref.empty()) out += " " + l.xref;
  out += " " + l.tag;
  if (!l.value.empty()) {
    out += " ";
    for (char c : l.value) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  out += "\n";
  for (const TGedLine& c : l.children) DumpLine(c, out);
}
}  // namespace

std::string Dump(const std::vector<TGedRecord>& records) {
  std::string out;
  for (const TGedRecord& r : records) DumpLine(r, out);
  return out;
}

std::string Utf16(const std::string& s, bool le, bool bom) {
  std::string out;
  auto unit = [&](char32_t u) {
    const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out += le ? lo : hi;
    out += le ? hi : lo;
  };
  if (bom) unit(0xFEFF);
  for (std::size_t pos = 0; pos < s.size();) {
    const char32_t cp = utf8::Next(s, pos);
    if (cp >= 0x10000) {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      unit(cp);
    }
  }
  return out;
}

TScratchDir::TScratchDir() {
  std::string templ = (std::filesystem::temp_directory_path() / "orvelin-ged-XXXXXX").string();
  if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
  path_ = templ + "/";
}

TScratchDir::~TScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TScratchDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(File(name), std::ios::binary);
  out << bytes;
}
