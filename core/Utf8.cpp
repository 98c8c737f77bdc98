#include "core/Utf8.h"

namespace utf8 {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of a well-formed sequence starting at pos, or 0.
std::size_t SequenceLength(std::string_view s, std::size_t pos, char32_t* cpOut) {
  const auto c = static_cast<unsigned char>(s[pos]);
  std::size_t len;
  char32_t cp;
  if (c < 0x80) {
    if (cpOut) *cpOut = c;
    return 1;
  } else if (c >= 0xC2 && c <= 0xDF) {
    len = 2;
    cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    len = 3;
    cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    len = 4;
    cp = c & 0x07;
  } else {
    return 0;
  }
  if (pos + len > s.size()) return 0;
  for (std::size_t i = 1; i < len; ++i) {
    const auto cc = static_cast<unsigned char>(s[pos + i]);
    if (!IsContinuation(cc)) return 0;
    cp = (cp << 6) | (cc & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are malformed.
  if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
      (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  if (cpOut) *cpOut = cp;
  return len;
}
}  // namespace

char32_t Next(std::string_view s, std::size_t& pos) {
  char32_t cp = kReplacement;
  const std::size_t len = SequenceLength(s, pos, &cp);
  if (len == 0) {
    ++pos;
    return kReplacement;
  }
  pos += len;
  return cp;
}

void Append(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string FromCodePoint(char32_t cp) {
  std::string s;
  Append(s, cp);
  return s;
}

std::size_t Length(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t pos = 0; pos < s.size(); ++n) Next(s, pos);
  return n;
}

std::string Truncate(std::string_view s, std::size_t maxChars) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < maxChars && pos < s.size(); ++n) Next(s, pos);
  return std::string(s.substr(0, pos));
}

bool IsValid(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();) {
    const std::size_t len = SequenceLength(s, pos, nullptr);
    if (len == 0) return false;
    pos += len;
  }
  return true;
}

bool HasMultiByte(std::string_view s) {
  bool multi = false;
  for (std::size_t pos = 0; pos < s.size();) {
    const std::size_t len = SequenceLength(s, pos, nullptr);
    if (len == 0) return false;
    multi = multi || len > 1;
    pos += len;
  }
  return multi;
}

}  // namespace utf8
