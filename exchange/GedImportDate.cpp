#include "exchange/GedImportDate.h"

#include <vector>

#include "core/Errors.h"
#include "core/TextCase.h"

namespace {

constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

struct TBadDate {};

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    std::size_t e = i;
    while (e < text.size() && text[e] != ' ') ++e;
    if (e > i) words.push_back(text.substr(i, e - i));
    i = e;
  }
  return words;
}

bool AllDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string Year(const std::string& w) {
  std::string y = w.size() == 4 ? w : w.size() == 3 ? "0" + w : std::string();
  if (!AllDigits(y)) throw TBadDate{};
  return y;
}

std::string Month(const std::string& w) {
  static const char* const kFull[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                      "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
  const std::string upper = AnsiUpperCase(w);
  for (int m = 0; m < 12; ++m) {
    // Some programs write the month's full name.
    if (upper != kMonths[m] && upper != kFull[m]) continue;
    return std::string{static_cast<char>('0' + (m + 1) / 10), static_cast<char>('0' + (m + 1) % 10)};
  }
  throw TBadDate{};
}

// Two digits, at most 31 (0 for an unknown day).
std::string Day(const std::string& w) {
  const std::string d = w.size() == 1 ? "0" + w : w.size() == 2 ? w : std::string();
  if (!AllDigits(d) || std::stoi(d) > 31) throw TBadDate{};
  return d;
}

std::string NumericMonth(const std::string& m) {
  if (!AllDigits(m) || std::stoi(m) > 12) throw TBadDate{};
  return m;
}

// dd.mm.yyyy, where "??" stands for an unknown day or month and "????" for
// an unknown year.
std::string DottedDate(const std::string& w) {
  if (w == "??.??.????") return "0000.00.00";
  const std::string yearPart = w.substr(6);
  if (w.compare(0, 6, "??.??.") == 0) return Year(yearPart) + ".00.00";
  if (w.compare(0, 3, "??.") == 0) return Year(yearPart) + "." + NumericMonth(w.substr(3, 2)) + ".00";
  return Year(yearPart) + "." + NumericMonth(w.substr(3, 2)) + "." + Day(w.substr(0, 2));
}

std::string Parse(const std::string& text) {
  const std::vector<std::string> w = Words(text);
  if (w.empty()) return "0000.00.00";
  if (w.size() >= 3) return Year(w[2]) + "." + Month(w[1]) + "." + Day(w[0]);
  if (w.size() == 2) {
    const char c = w[1][0];
    if (c < '0' || c > '9') return "0000." + Month(w[1]) + "." + Day(w[0]);
    return Year(w[1]) + "." + Month(w[0]) + ".00";
  }
  if (w[0].size() >= 6 && w[0][2] == '.' && w[0][5] == '.') return DottedDate(w[0]);
  return Year(w[0]) + ".00.00";
}

}  // namespace

void GedcomToDate(const std::string& text, std::string& date, int& qualifier) {
  static const std::pair<const char*, int> kQualifiers[] = {
      {"BEF", 1}, {"AFT", 2}, {"ABT", 3}, {"EST", 4}, {"SORT", 5}};
  qualifier = 0;
  std::string rest = text;
  const std::size_t start = text.find_first_not_of(' ');
  if (start != std::string::npos) {
    const std::size_t blank = text.find(' ', start);
    const std::string first = text.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
    // Many programs write "Abt" or "Bef"; the case of the word says nothing.
    for (const auto& [word, code] : kQualifiers) {
      if (!SameText(first, word)) continue;
      qualifier = code;
      rest = blank == std::string::npos ? std::string() : text.substr(blank + 1);
      break;
    }
  }
  try {
    date = Parse(rest);
  } catch (const TBadDate&) {
    date = "0000.00.00";
    // The message names the date text, without the qualifier word before it.
    const std::size_t b = rest.find_first_not_of(' '), e = rest.find_last_not_of(' ');
    const std::string shown = b == std::string::npos ? std::string() : rest.substr(b, e - b + 1);
    throw EConvertError("Ungültiges GED-Datum: \"" + shown + "\"");
  }
}
