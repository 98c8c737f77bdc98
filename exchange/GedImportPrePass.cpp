#include "exchange/GedImportPrePass.h"

#include <fstream>

#include "core/Errors.h"
#include "exchange/GedImportLines.h"

namespace {

void ReadSource(TGedLineCursor& in, std::string& title) {
  std::string abbreviation;
  // A source without TITL is sometimes written with its title as the value.
  title = ReadTextValue(in);
  while (!in.Current().AtEnd() && in.Current().level > 0) {
    if (in.Current().level == 1 && in.Current().Is("TITL")) {
      title = ReadTextValue(in);
    } else if (in.Current().level == 1 && in.Current().Is("ABBR")) {
      abbreviation = ReadTextValue(in);
    } else {
      in.Advance();
    }
  }
  if (title.empty()) title = abbreviation;
}

// GEDCOM 5.5 puts TITL beside FILE, 5.5.1 below it; a title beside applies
// to every file of the object that has none of its own.
void ReadObject(TGedLineCursor& in, std::vector<TGedMediaRef>& files) {
  std::string shared;
  in.Advance();
  while (!in.Current().AtEnd() && in.Current().level > 0) {
    const TGedEntry& e = in.Current();
    if (e.Is("FILE")) {
      files.push_back({ReadTextValue(in), {}});
    } else if (e.Is("TITL")) {
      const bool own = e.level > 1 && !files.empty();
      const std::string title = ReadTextValue(in);
      (own ? files.back().title : shared) = title;
    } else {
      in.Advance();
    }
  }
  for (TGedMediaRef& f : files)
    if (f.title.empty()) f.title = shared;
}

// The HUSB, WIFE and CHIL lines of a family, taken as the family's reader
// takes them: every line at level 1, a second husband (or wife) as the other
// partner, a NOTE at level 0 without identifier as part of the record.
void ReadFamily(TGedLineCursor& in, TGedPrePass& facts) {
  std::string husband, wife;
  std::vector<std::string> children;
  in.Advance();
  for (;;) {
    const TGedEntry& e = in.Current();
    if (e.AtEnd()) break;
    if (e.level == 0) {
      if (!e.Is("NOTE") || !e.xref.empty()) break;
      in.Advance();
      continue;
    }
    const bool isWife = e.Is("WIFE");
    if (e.level == 1 && (isWife || e.Is("HUSB"))) {
      const std::string value = ReadTextValue(in);
      std::string& same = isWife ? wife : husband;
      std::string& other = isWife ? husband : wife;
      if (!same.empty() && other.empty() && !value.empty() && value != same) other = value;
      else same = value;
      if (isWife && !value.empty()) facts.wives.insert(value);
    } else if (e.level == 1 && e.Is("CHIL")) {
      const std::string value = ReadTextValue(in);
      if (!value.empty()) children.push_back(value);
    } else {
      in.Advance();
    }
  }
  for (const std::string& child : children) {
    TGedParentRefs& p = facts.parents[child];
    if (!husband.empty()) p.husband = husband;
    if (!wife.empty()) p.wife = wife;
  }
}

}  // namespace

TGedPrePass ReadPrePass(const std::string& path, bool dosBytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EInOutError("Die GEDCOM-Datei \"" + path + "\" kann nicht geöffnet werden.");
  TGedPrePass texts;
  TGedLineCursor in(file, {}, dosBytes);
  while (!in.Current().AtEnd()) {
    const TGedEntry& e = in.Current();
    if (e.level == 0 && e.Is("FAM")) {
      ReadFamily(in, texts);
      continue;
    }
    if (e.level != 0 || e.xref.empty()) {
      in.Advance();
      continue;
    }
    const std::string key = "@" + e.xref + "@";
    if (e.Is("NOTE")) {
      std::string& text = texts.notes[key];
      text = ReadTextValue(in);
    } else if (e.Is("SOUR")) {
      ReadSource(in, texts.sources[key]);
    } else if (e.Is("OBJE")) {
      ReadObject(in, texts.objects[key]);
    } else {
      in.Advance();
    }
  }
  return texts;
}
