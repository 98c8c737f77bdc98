#include "exchange/GedcomLineParser.h"

#include <string>

#include "core/Utf8.h"

namespace {

constexpr int kMaxLevel = 999999;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

void Say(const TGedProblemSink& sink, const TGedProblem& p) {
  if (sink) sink(p);
}

// A line quoted in a message: long garbage is cut, so that a 1 MB line
// does not end up in the message list.
std::string Quoted(std::string_view s) {
  constexpr std::size_t kShown = 80;
  if (utf8::Length(s) <= kShown) return "\"" + std::string(s) + "\"";
  return "\"" + utf8::Truncate(s, kShown) + "...\"";
}

}  // namespace

TGedLineKind ParseGedLine(std::string_view text, long line, TGedLine& out, const TGedProblemSink& sink) {
  std::string cleaned;
  if (text.find('\0') != std::string_view::npos) {
    std::size_t nuls = 0;
    for (char c : text) {
      if (c == '\0')
        ++nuls;
      else
        cleaned += c;
    }
    Say(sink, GedProblem(line, std::to_string(nuls) + (nuls == 1 ? " NUL-Byte" : " NUL-Bytes") +
                                   " übersprungen"));
    text = cleaned;
  }
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x20) ++i;
  // A byte-order mark inside the file (files glued together) is no text.
  while (text.substr(i, 3) == "\xEF\xBB\xBF") i += 3;
  std::size_t end = text.size();
  while (end > i && static_cast<unsigned char>(text[end - 1]) < 0x20 && text[end - 1] != '\t') --end;
  const std::string_view s = text.substr(i, end - i);
  if (s.empty()) return TGedLineKind::Empty;

  std::size_t p = 0;
  long level = 0;
  while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
    level = level * 10 + (s[p] - '0');
    if (level > kMaxLevel) level = kMaxLevel;
    ++p;
  }
  if (p == 0 || (p < s.size() && !IsBlank(s[p]))) {
    // The text of the import's own message for this case, kept as it is.
    Say(sink, TGedProblem{line, "Zeile " + std::to_string(line) + " beginnnt nicht mit einer Zahl: " + Quoted(s)});
    return TGedLineKind::NoNumber;
  }
  while (p < s.size() && IsBlank(s[p])) ++p;
  if (p == s.size()) {
    Say(sink, GedProblem(line, "Zeile ohne Tag übersprungen: " + Quoted(s)));
    return TGedLineKind::NoTag;
  }

  out = TGedLine{};
  out.level = static_cast<int>(level);
  out.line = line;
  if (s[p] == '@') {
    // The identifier runs to the next at sign, as GEDCOM readers take it;
    // without one it is the word, and the missing sign is added.
    const std::size_t q = s.find('@', p + 1);
    if (q != std::string_view::npos) {
      out.xref = std::string(s.substr(p, q + 1 - p));
      p = q + 1;
      if (out.xref.find_first_of(" \t") != std::string::npos)
        Say(sink, GedProblem(line, "Der Querverweis " + out.xref + " enthält ein Leerzeichen"));
      if (p < s.size() && !IsBlank(s[p]))
        Say(sink, GedProblem(line, "Nach dem Querverweis " + out.xref + " fehlt das Leerzeichen"));
    } else {
      std::size_t e = p;
      while (e < s.size() && !IsBlank(s[e])) ++e;
      out.xref = std::string(s.substr(p, e - p)) + "@";
      Say(sink, GedProblem(line, "Dem Querverweis " + std::string(s.substr(p, e - p)) +
                                     " fehlt das schließende @; gelesen als " + out.xref));
      p = e;
    }
    while (p < s.size() && IsBlank(s[p])) ++p;
    if (p == s.size()) {
      Say(sink, GedProblem(line, "Zeile ohne Tag übersprungen: " + Quoted(s)));
      return TGedLineKind::NoTag;
    }
  }
  std::size_t t = p;
  while (t < s.size() && !IsBlank(s[t])) ++t;
  out.tag = std::string(s.substr(p, t - p));
  if (t < s.size()) out.value = std::string(s.substr(t + 1));
  return TGedLineKind::Line;
}
