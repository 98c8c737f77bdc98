#include "core/IniFile.h"

#include <climits>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/TextCase.h"
#include "core/TextFile.h"

namespace {

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

std::string Fold(const std::string& name) { return AnsiLowerCase(Trim(name)); }

std::string Unquote(const std::string& v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    return v.substr(1, v.size() - 2);
  return v;
}

// A value that would not read back as written goes into quotes; line
// breaks cannot stand in an INI line and become blanks.
std::string StoredValue(std::string v) {
  for (char& c : v)
    if (c == '\r' || c == '\n') c = ' ';
  const bool edgeBlank = !v.empty() && (v.front() == ' ' || v.front() == '\t' ||
                                        v.back() == ' ' || v.back() == '\t');
  const bool looksQuoted =
      v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
  return (edgeBlank || looksQuoted) ? "\"" + v + "\"" : v;
}

}  // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
  if (!FileExists(path_)) return;
  try {
    Parse(ReadTextFile(path_));
  } catch (const EInOutError&) {
    readable_ = false;
  }
}

void TIniFile::Parse(const std::string& text) {
  sections_.clear();
  Section* current = nullptr;
  for (const std::string& line : SplitLines(text)) {
    const std::string t = Trim(line);
    if (!t.empty() && t.front() == '[') {
      const auto close = t.find(']');
      Section s;
      s.name = Trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      sections_.push_back(std::move(s));
      current = &sections_.back();
      continue;
    }
    if (!current) {
      sections_.push_back(Section{});
      sections_.back().preamble = true;
      current = &sections_.back();
    }
    Entry e;
    e.raw = line;
    const auto eq = line.find('=');
    if (eq != std::string::npos && !t.empty() && t.front() != ';') {
      e.key = Trim(line.substr(0, eq));
      e.value = Trim(line.substr(eq + 1));
    }
    current->entries.push_back(std::move(e));
  }
  Reindex();
}

void TIniFile::Reindex() {
  sectionIndex_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    Section& s = sections_[i];
    s.index.clear();
    for (std::size_t j = 0; j < s.entries.size(); ++j)
      if (!s.entries[j].key.empty()) s.index.emplace(Fold(s.entries[j].key), j);
    // The first of two equal sections is the one that counts.
    if (!s.preamble) sectionIndex_.emplace(Fold(s.name), i);
  }
}

const TIniFile::Section* TIniFile::FindSection(const std::string& section) const {
  const auto it = sectionIndex_.find(Fold(section));
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

TIniFile::Section* TIniFile::FindSection(const std::string& section) {
  return const_cast<Section*>(static_cast<const TIniFile*>(this)->FindSection(section));
}

const TIniFile::Entry* TIniFile::Find(const std::string& section, const std::string& key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  const auto it = s->index.find(Fold(key));
  return it == s->index.end() ? nullptr : &s->entries[it->second];
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
  const Entry* e = Find(section, key);
  return e ? Unquote(e->value) : def;
}

int TIniFile::ParseInteger(const std::string& text, int def) {
  const std::string t = Trim(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
  int base = 10;
  if (t.compare(i, 2, "0x") == 0 || t.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  } else if (i < t.size() && t[i] == '$') {
    base = 16;
    ++i;
  }
  if (i >= t.size()) return def;
  long long v = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return def;
    v = v * base + d;
    if (v > 0xFFFFFFFFLL) return def;
  }
  if (negative) v = -v;
  // Hexadecimal values fill all 32 bits (0x8000000F is a colour constant).
  if (base == 16 && v > INT_MAX) return static_cast<int>(static_cast<std::uint32_t>(v));
  if (v > INT_MAX || v < INT_MIN) return def;
  return static_cast<int>(v);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key, int def) const {
  const Entry* e = Find(section, key);
  return e ? ParseInteger(Unquote(e->value), def) : def;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

TIniFile::Section& TIniFile::SectionFor(const std::string& section) {
  if (Section* s = FindSection(section)) return *s;
  Section s;
  s.name = Trim(section);
  sections_.push_back(std::move(s));
  sectionIndex_.emplace(Fold(section), sections_.size() - 1);
  return sections_.back();
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  Section& s = SectionFor(section);
  const std::string stored = StoredValue(value);
  if (const auto it = s.index.find(Fold(key)); it != s.index.end()) {
    Entry& e = s.entries[it->second];
    if (e.value == stored) return;
    e.value = stored;
    e.raw.clear();
  } else {
    // After the last key line, so that blank lines before the next section stay there.
    std::size_t at = s.entries.size();
    while (at > 0 && s.entries[at - 1].key.empty() && Trim(s.entries[at - 1].raw).empty()) --at;
    s.entries.insert(s.entries.begin() + static_cast<std::ptrdiff_t>(at), Entry{Trim(key), stored, {}});
    s.index.clear();
    for (std::size_t j = 0; j < s.entries.size(); ++j)
      if (!s.entries[j].key.empty()) s.index.emplace(Fold(s.entries[j].key), j);
  }
  modified_ = true;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::EraseSection(const std::string& section) {
  const std::string folded = Fold(section);
  const auto before = sections_.size();
  std::erase_if(sections_, [&](const Section& s) { return !s.preamble && Fold(s.name) == folded; });
  if (sections_.size() != before) {
    modified_ = true;
    Reindex();
  }
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  Section* s = FindSection(section);
  if (!s) return;
  const std::string folded = Fold(key);
  const auto before = s->entries.size();
  std::erase_if(s->entries, [&](const Entry& e) { return !e.key.empty() && Fold(e.key) == folded; });
  if (s->entries.size() != before) {
    modified_ = true;
    Reindex();
  }
}

bool TIniFile::SectionExists(const std::string& section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return Find(section, key) != nullptr;
}

std::vector<std::string> TIniFile::ReadSection(const std::string& section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries)
      if (!e.key.empty() && s->index.at(Fold(e.key)) == static_cast<std::size_t>(&e - s->entries.data()))
        keys.push_back(e.key);
  return keys;
}

std::vector<std::string> TIniFile::ReadSections() const {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < sections_.size(); ++i)
    if (!sections_[i].preamble && sectionIndex_.at(Fold(sections_[i].name)) == i)
      names.push_back(sections_[i].name);
  return names;
}

std::string TIniFile::Text() const {
  std::string out;
  for (const Section& s : sections_) {
    if (!s.preamble) {
      out += "[" + s.name + "]\r\n";
    }
    for (const Entry& e : s.entries)
      out += (e.raw.empty() && !e.key.empty() ? e.key + "=" + e.value : e.raw) + "\r\n";
  }
  return out;
}

void TIniFile::UpdateFile() {
  if (!modified_) return;
  if (path_.empty()) throw EInOutError("Die INI-Datei hat keinen Namen.");
  if (!readable_)
    throw EInOutError("Die Datei \"" + path_ + "\" kann nicht gelesen werden und wird nicht überschrieben.");
  WriteFileBytesAtomic(path_, EncodeTextFile(Text()));
  modified_ = false;
}
