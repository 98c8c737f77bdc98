#include "core/SourceParts.h"

#include "core/Configuration.h"
#include "core/TextCase.h"
#include "core/Utf8.h"

#include <utility>

namespace {

constexpr int kSourceSeparatorOption = 28;
constexpr int kLevelSeparatorOption = 27;
// What is taken of the text behind a separator.
constexpr std::size_t kMaxRest = 9999;

void FillSeparator(std::string& separator, int option, const char* def) {
  if (!separator.empty()) return;
  separator = Config ? Config->GetOption(option, def) : def;
  if (separator.empty()) separator = def;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

int CountParts(std::string_view text, const std::string& separator) {
  int count = 0;
  while (!text.empty()) {
    ++count;
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) break;
    text.remove_prefix(at + separator.size());
  }
  return count;
}

std::string PartAt(std::string_view text, int n, const std::string& separator) {
  std::string rest;
  while (n > 0 && !text.empty()) {
    const std::size_t at = text.find(separator);
    if (n == 1) return std::string(Trimmed(text.substr(0, at)));
    if (at == std::string_view::npos) break;
    std::string next = utf8::Truncate(text.substr(at + separator.size()), kMaxRest);
    rest = std::move(next);  // text may still point into the old rest until here
    text = rest;
    --n;
  }
  return {};
}

}  // namespace

int SourceCount(std::string_view text, std::string& separator) {
  FillSeparator(separator, kSourceSeparatorOption, ";");
  return CountParts(text, separator);
}

std::string SourceAt(std::string_view text, int n, std::string& separator) {
  FillSeparator(separator, kSourceSeparatorOption, ";");
  return PartAt(text, n, separator);
}

int LevelCount(std::string_view text, std::string& separator) {
  FillSeparator(separator, kLevelSeparatorOption, ":");
  return CountParts(text, separator);
}

std::string LevelAt(std::string_view text, int n, std::string& separator) {
  FillSeparator(separator, kLevelSeparatorOption, ":");
  return PartAt(text, n, separator);
}

int CommonLevels(std::string_view text1, std::string_view text2, std::string& separator) {
  const int c1 = LevelCount(text1, separator);
  const int c2 = LevelCount(text2, separator);
  int equal = 0;
  while (equal < c1 && equal < c2 &&
         SameText(LevelAt(text1, equal + 1, separator), LevelAt(text2, equal + 1, separator)))
    ++equal;
  return equal;
}
