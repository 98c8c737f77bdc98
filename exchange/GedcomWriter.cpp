#include "exchange/GedcomWriter.h"

#include <algorithm>
#include <cstdio>

#include "core/CodePage.h"
#include "core/Errors.h"
#include "core/Utf8.h"
#include "exchange/Ansel.h"
#include "exchange/LatinCompose.h"

namespace {

void AppendReference(std::string& out, char32_t cp) {
  out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
}

// Loose marks after a letter are merged into it where a precomposed letter
// exists, so that "e" + U+0301 still fits into 1252 as "é".
std::string Composed(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::vector<char32_t> marks;
    const char32_t base = latin::NextCluster(s, pos, marks);
    latin::AppendComposed(out, base, marks);
  }
  return out;
}

std::string Hex(char32_t cp) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
  return buf;
}

// ASCII is the same bytes in all three sets.
bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// The parts of a value between its line breaks (CR LF, LF or CR).
std::vector<std::string_view> SplitLines(std::string_view v) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] != '\r' && v[i] != '\n') continue;
    parts.push_back(v.substr(start, i - start));
    if (v[i] == '\r' && i + 1 < v.size() && v[i + 1] == '\n') ++i;
    start = i + 1;
  }
  parts.push_back(v.substr(start));
  return parts;
}

}  // namespace

const char* GedCharValue(TGedEncoding encoding) {
  switch (encoding) {
    case TGedEncoding::Ansel: return kGedCharAnsel;
    case TGedEncoding::Utf8: return kGedCharUtf8;
    case TGedEncoding::Ansi: break;
  }
  return kGedCharAnsi;
}

std::vector<std::string_view> SplitForConc(std::string_view value, std::size_t maxChars) {
  // No character is shorter than a byte.
  if (maxChars == 0 || value.size() <= maxChars) return {value};
  std::vector<std::size_t> at;  // byte offset of each character, and the end
  std::vector<char32_t> cps;
  for (std::size_t pos = 0; pos < value.size();) {
    at.push_back(pos);
    cps.push_back(utf8::Next(value, pos));
  }
  at.push_back(value.size());
  const std::size_t n = cps.size();
  if (maxChars == 0 || n <= maxChars) return {value};

  std::vector<std::string_view> parts;
  std::size_t a = 0;
  while (n - a > maxChars) {
    auto good = [&](std::size_t k) {
      return cps[k - 1] != ' ' && cps[k] != ' ' && !latin::IsCombining(cps[k]);
    };
    std::size_t k = a + maxChars;
    const std::size_t lowest = a + std::max<std::size_t>(1, maxChars / 2);
    while (k > lowest && !good(k)) --k;
    if (!good(k)) {
      // Blanks all the way: cut at the limit, but still not before a mark.
      k = a + maxChars;
      while (k > a + 1 && latin::IsCombining(cps[k])) --k;
    }
    parts.push_back(value.substr(at[a], at[k] - at[a]));
    a = k;
  }
  parts.push_back(value.substr(at[a]));
  return parts;
}

TGedWriter::TGedWriter(std::ostream& out, TGedEncoding encoding, TGedProblemSink sink)
    : out_(out), encoding_(encoding), sink_(std::move(sink)) {}

std::string TGedWriter::Encode(std::string_view s, std::vector<char32_t>& missing) const {
  switch (encoding_) {
    case TGedEncoding::Utf8:
      return std::string(s);
    case TGedEncoding::Ansel:
      return ansel::FromUtf8(s, &missing);
    case TGedEncoding::Ansi:
      break;
  }
  const std::string text = Composed(s);
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t cp = utf8::Next(text, pos);
    const int b = cp1252::ByteOf(cp);
    if (b >= 0) {
      out += static_cast<char>(b);
    } else {
      AppendReference(out, cp);
      missing.push_back(cp);
    }
  }
  return out;
}

void TGedWriter::Physical(int level, std::string_view xref, std::string_view tag, std::string_view value,
                          std::vector<char32_t>& missing) {
  std::string line = std::to_string(level) + " ";
  if (!xref.empty()) {
    line.append(xref);
    line += ' ';
  }
  line.append(tag);
  if (!value.empty() || blankAfterEmpty_) line += ' ';
  line.append(value);
  if (IsAscii(line)) {
    line += "\r\n";
    out_.write(line.data(), static_cast<std::streamsize>(line.size()));
  } else {
    const std::string bytes = Encode(line, missing) + "\r\n";
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  if (!out_) throw EInOutError("Die GEDCOM-Datei kann nicht geschrieben werden.");
  ++lines_;
}

void TGedWriter::Line(int level, std::string_view tag, std::string_view value, std::string_view xref) {
  const long first = lines_ + 1;
  std::vector<char32_t> missing;
  // Most values are one physical line: nothing to split.
  if (value.find_first_of("\r\n") == std::string_view::npos && (maxValue_ == 0 || value.size() <= maxValue_)) {
    Physical(level, xref, tag, value, missing);
  } else {
    const std::vector<std::string_view> pieces = SplitLines(value);
    for (std::size_t p = 0; p < pieces.size(); ++p) {
      const std::vector<std::string_view> parts = SplitForConc(pieces[p], maxValue_);
      for (std::size_t c = 0; c < parts.size(); ++c) {
        if (p == 0 && c == 0)
          Physical(level, xref, tag, parts[c], missing);
        else
          Physical(level + 1, {}, c == 0 ? "CONT" : "CONC", parts[c], missing);
      }
    }
  }
  if (missing.empty()) return;
  unencodable_ += static_cast<long>(missing.size());
  std::vector<char32_t> distinct;
  for (char32_t cp : missing)
    if (std::find(distinct.begin(), distinct.end(), cp) == distinct.end()) distinct.push_back(cp);
  std::string list;
  for (char32_t cp : distinct) {
    if (!list.empty()) list += ", ";
    list += "\"" + utf8::FromCodePoint(cp) + "\" (" + Hex(cp) + ")";
  }
  constexpr std::size_t kShown = 80;
  std::string shown = utf8::Truncate(value, kShown);
  if (shown.size() < value.size()) shown += "...";
  if (sink_)
    sink_(GedProblem(first, std::string("Im Zeichensatz ") + GedCharValue(encoding_) + " nicht darstellbar: " +
                                list + " in " + std::string(tag) + " \"" + shown + "\"; geschrieben als &#N;"));
}
