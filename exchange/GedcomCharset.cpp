#include "exchange/GedcomCharset.h"

#include <initializer_list>

namespace {

// Upper case, without blanks, hyphens, underscores and dots: "utf-8",
// "UTF8" and "Utf 8" all become "UTF8".
std::string Squeeze(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c == ' ' || c == '-' || c == '_' || c == '.' || c == '\t') continue;
    out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return out;
}

bool OneOf(const std::string& s, std::initializer_list<const char*> names) {
  for (const char* n : names)
    if (s == n) return true;
  return false;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Compares without regard to the case of ASCII letters.
bool IsTag(std::string_view s, std::string_view tag) {
  if (s.size() != tag.size()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = (s[i] >= 'a' && s[i] <= 'z') ? static_cast<char>(s[i] - 'a' + 'A') : s[i];
    if (c != tag[i]) return false;
  }
  return true;
}

}  // namespace

std::string CharsetName(TGedCharset charset) {
  switch (charset) {
    case TGedCharset::Ansel: return "ANSEL";
    case TGedCharset::Utf8: return "UTF-8";
    case TGedCharset::Unicode: return "UNICODE";
    case TGedCharset::Utf16LE: return "UTF-16 LE";
    case TGedCharset::Utf16BE: return "UTF-16 BE";
    case TGedCharset::Ascii: return "ASCII";
    case TGedCharset::Ansi: return "ANSI (Windows-1252)";
    case TGedCharset::IbmPc: return "IBM PC (Codepage 437)";
    case TGedCharset::Unbekannt: break;
  }
  return "unbekannt";
}

TGedCharset CharsetFromDeclaration(std::string_view value) {
  const std::string s = Squeeze(value);
  if (s == "ANSEL") return TGedCharset::Ansel;
  if (OneOf(s, {"UTF8", "UTF8BOM"})) return TGedCharset::Utf8;
  if (OneOf(s, {"UNICODE", "UTF16", "UCS2", "ISO10646"})) return TGedCharset::Unicode;
  if (OneOf(s, {"UTF16LE", "UCS2LE"})) return TGedCharset::Utf16LE;
  if (OneOf(s, {"UTF16BE", "UCS2BE"})) return TGedCharset::Utf16BE;
  if (OneOf(s, {"ASCII", "USASCII", "ANSIX34"})) return TGedCharset::Ascii;
  // Latin-1 differs from 1252 only in the C1 controls, which no text holds.
  if (OneOf(s, {"ANSI", "IBMWINDOWS", "WINDOWS", "WINDOWS1252", "CP1252", "MSANSI", "LATIN1",
                "ISO88591", "ISOLATIN1", "8859", "88591"}))
    return TGedCharset::Ansi;
  if (OneOf(s, {"IBMPC", "IBMDOS", "DOS", "MSDOS", "PC8", "CP437", "IBM437", "OEM"}))
    return TGedCharset::IbmPc;
  return TGedCharset::Unbekannt;
}

TByteOrder DetectByteOrder(std::string_view b) {
  auto at = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) return {TGedCharset::Utf8, 3};
  if (b.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE) return {TGedCharset::Utf16LE, 2};
  if (b.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF) return {TGedCharset::Utf16BE, 2};
  // Without a mark: the text starts with ASCII ("0 HEAD"), so every other
  // byte is zero. Two characters at least, so that a stray NUL in an 8-bit
  // file is not taken for UTF-16.
  const std::size_t n = b.size() < 8 ? b.size() & ~std::size_t{1} : 8;
  if (n < 4) return {};
  bool le = true, be = true;
  for (std::size_t i = 0; i < n; i += 2) {
    le = le && at(i) != 0 && at(i + 1) == 0;
    be = be && at(i) == 0 && at(i + 1) != 0;
  }
  if (le) return {TGedCharset::Utf16LE, 0};
  if (be) return {TGedCharset::Utf16BE, 0};
  return {};
}

THeaderCharset FindDeclaredCharset(std::string_view text, bool final) {
  THeaderCharset result;
  std::size_t pos = 0;
  bool first = true;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      // The last line may still be growing.
      if (!final) return result;
      end = text.size();
    }
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    std::size_t i = 0;
    while (i < line.size() && (IsBlank(line[i]) || line[i] == '\0')) ++i;
    if (i == line.size()) continue;
    if (!first && line[i] == '0' && (i + 1 == line.size() || IsBlank(line[i + 1]))) {
      result.complete = true;  // the next record begins: the header had no CHAR
      return result;
    }
    first = false;
    if (line[i] != '1' || i + 1 >= line.size() || !IsBlank(line[i + 1])) continue;
    i += 1;
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (!IsTag(line.substr(i, 4), "CHAR")) continue;
    i += 4;
    if (i < line.size() && !IsBlank(line[i])) continue;  // a longer tag
    while (i < line.size() && IsBlank(line[i])) ++i;
    std::size_t j = line.size();
    while (j > i && (IsBlank(line[j - 1]) || static_cast<unsigned char>(line[j - 1]) < 0x20)) --j;
    result.complete = result.found = true;
    result.value = std::string(line.substr(i, j - i));
    return result;
  }
  result.complete = final;
  return result;
}
