#include "exchange/GedImportPointers.h"

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

}  // namespace

TGedPointerTexts CollectPointerTexts(const std::string& path, bool dosBytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EInOutError("Die GEDCOM-Datei \"" + path + "\" kann nicht geöffnet werden.");
  TGedPointerTexts texts;
  TGedLineCursor in(file, {}, dosBytes);
  while (!in.Current().AtEnd()) {
    const TGedEntry& e = in.Current();
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
