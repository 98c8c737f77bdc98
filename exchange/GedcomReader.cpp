#include "exchange/GedcomReader.h"

#include "core/Errors.h"
#include "exchange/GedcomLineParser.h"

namespace {

// GEDCOM allows 99 levels; deeper lines are kept at this depth, so that no
// file can make the tree (and its destruction) arbitrarily deep.
constexpr int kMaxDepth = 120;

std::unique_ptr<std::ifstream> OpenFile(const std::string& path) {
  auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
  if (!*file) throw EInOutError("Die GEDCOM-Datei \"" + path + "\" kann nicht geöffnet werden.");
  return file;
}

}  // namespace

TGedReader::TGedReader(const std::string& path, TGedProblemSink sink)
    : TGedReader(OpenFile(path), nullptr, std::move(sink)) {}

TGedReader::TGedReader(std::istream& in, TGedProblemSink sink) : TGedReader(nullptr, &in, std::move(sink)) {}

TGedReader::TGedReader(std::unique_ptr<std::ifstream> file, std::istream* in, TGedProblemSink sink)
    : file_(std::move(file)),
      sink_(std::move(sink)),
      counted_([this](const TGedProblem& p) { Report(p); }),
      source_(file_ ? *file_ : *in, counted_) {}

void TGedReader::Report(const TGedProblem& p) {
  ++problems_;
  if (sink_) sink_(p);
}

bool TGedReader::ReadLine(TGedLine& line) {
  while (source_.Next(text_)) {
    if (ParseGedLine(text_, source_.LineNumber(), line, counted_) != TGedLineKind::Line) continue;
    if (!source_.Terminated())
      Report(GedProblem(line.line, "Die letzte Zeile hat kein Zeilenende; die Datei ist vielleicht abgeschnitten"));
    return true;
  }
  return false;
}

void TGedReader::Attach(std::vector<TOpen>& open, TGedLine&& line) {
  const int stated = line.level;
  while (open.size() > 1 && open.back().stated >= stated) open.pop_back();
  if (static_cast<int>(open.size()) > kMaxDepth) {
    open.resize(kMaxDepth);
    Report(GedProblem(line.line, "Stufe " + std::to_string(stated) + " ist zu tief; die Zeile wird auf Stufe " +
                                     std::to_string(kMaxDepth) + " gelesen"));
  } else if (stated > open.back().stated + 1) {
    const TGedLine& up = *open.back().node;
    Report(GedProblem(line.line, "Stufe " + std::to_string(stated) + " folgt auf Stufe " +
                                     std::to_string(open.back().stated) + "; die Zeile wird " + up.tag + " (Zeile " +
                                     std::to_string(up.line) + ") untergeordnet"));
  }
  TGedLine* parent = open.back().node;
  line.level = parent->level + 1;
  if (line.Is("CONT")) {
    parent->value += '\n';
    parent->value += line.value;
    return;
  }
  if (line.Is("CONC")) {
    parent->value += line.value;
    return;
  }
  parent->children.push_back(std::move(line));
  open.push_back({stated, &parent->children.back()});
}

bool TGedReader::Next(TGedRecord& record) {
  if (ended_) return false;
  TGedLine first;
  if (havePending_) {
    first = std::move(pending_);
    havePending_ = false;
  } else {
    for (;;) {
      if (!ReadLine(first)) {
        AtEnd();
        return false;
      }
      if (first.level == 0) break;
      Report(GedProblem(first.line, "Zeile der Stufe " + std::to_string(first.level) + " (" + first.tag +
                                        ") außerhalb eines Datensatzes übersprungen"));
    }
  }
  static_cast<TGedLine&>(record) = std::move(first);
  std::vector<TOpen> open{{0, &record}};
  bool atEnd = false;
  for (;;) {
    TGedLine line;
    if (!ReadLine(line)) {
      atEnd = true;
      break;
    }
    if (line.level == 0) {
      pending_ = std::move(line);
      havePending_ = true;
      break;
    }
    Attach(open, std::move(line));
  }
  sawRecord_ = true;
  if (sawTrailer_ && !saidAfterTrailer_) {
    saidAfterTrailer_ = true;
    Report(GedProblem(record.line, "Nach der Schlusszeile TRLR folgen weitere Datensätze; sie werden auch gelesen"));
  }
  if (record.Is("TRLR")) sawTrailer_ = true;
  if (atEnd) AtEnd();
  return true;
}

void TGedReader::AtEnd() {
  if (ended_) return;
  ended_ = true;
  if (!sawRecord_)
    Report(GedProblem(source_.LineNumber(), "Die Datei enthält keine GEDCOM-Zeilen"));
  else if (!sawTrailer_)
    Report(GedProblem(source_.LineNumber(), "Die Datei endet ohne Schlusszeile TRLR; sie ist vielleicht unvollständig"));
}
