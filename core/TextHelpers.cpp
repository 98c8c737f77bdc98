#include "core/TextHelpers.h"

#include <vector>

#include "core/TextCase.h"

namespace {

std::string Join(std::string_view a, std::string_view separator, std::string_view b) {
  if (a.empty()) return std::string(b);
  if (b.empty()) return std::string(a);
  std::string out(a);
  out += separator;
  out += b;
  return out;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos < s.size()) {
    while (pos < s.size() && IsBlank(s[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < s.size() && !IsBlank(s[pos])) ++pos;
    if (pos > start) words.push_back(s.substr(start, pos - start));
  }
  return words;
}

}  // namespace

std::string JoinBlank(std::string_view a, std::string_view b) { return Join(a, " ", b); }
std::string JoinComma(std::string_view a, std::string_view b) { return Join(a, ", ", b); }
std::string JoinNbsp(std::string_view a, std::string_view b) { return Join(a, "&nbsp;", b); }
std::string JoinLines(std::string_view a, std::string_view b) { return Join(a, "\r\n", b); }

std::string LabelValue(std::string_view label, std::string_view value) {
  if (label.empty() || value.empty()) return "";
  return std::string(label) + std::string(value);
}

std::string CommaPrefixed(std::string_view s) { return s.empty() ? "" : ", " + std::string(s); }
std::string BlankPrefixed(std::string_view s) { return s.empty() ? "" : " " + std::string(s); }

int WordCount(std::string_view s) { return static_cast<int>(Words(s).size()); }

std::string WordAt(std::string_view s, int n) {
  const auto words = Words(s);
  if (n < 1 || n > static_cast<int>(words.size())) return "";
  return std::string(words[n - 1]);
}

bool MatchText(std::string_view pattern, std::string_view text, int mode) {
  const std::string upper = AnsiUpperCase(text);
  switch (mode) {
    case mmEqual: return upper == pattern;
    case mmBegins: return upper.starts_with(pattern);
    case mmContains: return upper.find(pattern) != std::string::npos;
    default: return false;
  }
}

std::string JoinPath(std::string_view dir, std::string_view name) {
  // An empty dir would otherwise turn a relative name into one under "/".
  if (dir.empty() || dir.back() == '/' || dir.back() == '\\') return std::string(dir) + std::string(name);
  return std::string(dir) + "/" + std::string(name);
}
