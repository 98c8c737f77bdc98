#include "core/TextCase.h"

#include "core/Utf8.h"

namespace {

// Base letters of U+0100..U+017F, in case pairs.
constexpr char kExtA[] =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNn"
    "OoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(sizeof(kExtA) == 129);

// Base letters of U+00C0..U+00FF; '.' marks × and ÷, which have none.
constexpr char kLatin1[] = "AAAAAAACEEEEIIIIDNOOOOO.OUUUUYTsaaaaaaaceeeeiiiidnooooo.ouuuuyty";
static_assert(sizeof(kLatin1) == 65);

char BaseLetter(char32_t cp) {
  if (cp >= 0xC0 && cp <= 0xFF) return kLatin1[cp - 0xC0];
  if (cp >= 0x100 && cp <= 0x17F) return kExtA[cp - 0x100];
  return 0;
}

bool IsLowerAscii(char c) { return c >= 'a' && c <= 'z'; }
char ToUpperAscii(char c) { return IsLowerAscii(c) ? static_cast<char>(c - 32) : c; }

// Walks the primary or the secondary sort form of a text one element at a
// time, so that comparing needs no allocation: indexes compare all the time.
class TSortCursor {
 public:
  TSortCursor(std::string_view s, bool primary) : s_(s), primary_(primary) {}

  // The next element; false at the end.
  bool Next(char32_t& out) {
    if (pending_) {
      out = pending_;
      pending_ = 0;
      return true;
    }
    if (pos_ >= s_.size()) return false;
    const char32_t cp = utf8::Next(s_, pos_);
    out = primary_ ? PrimaryOf(cp) : UpperChar(cp);
    return true;
  }

 private:
  char32_t PrimaryOf(char32_t cp) {
    switch (cp) {
      case 0xC6: case 0xE6: pending_ = 'E'; return 'A';
      case 0xDF: pending_ = 'S'; return 'S';
      case 0x152: case 0x153: pending_ = 'E'; return 'O';
      case 0xDE: case 0xFE: pending_ = 'H'; return 'T';
      case 0x132: case 0x133: pending_ = 'J'; return 'I';
      default: break;
    }
    if (const char base = BaseLetter(cp); base != 0 && base != '.') return static_cast<char32_t>(ToUpperAscii(base));
    return UpperChar(cp);
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  char32_t pending_ = 0;
  bool primary_;
};

int CompareForm(std::string_view a, std::string_view b, bool primary) {
  TSortCursor x(a, primary), y(b, primary);
  for (;;) {
    char32_t cx = 0, cy = 0;
    const bool hx = x.Next(cx), hy = y.Next(cy);
    if (!hx || !hy) return hx == hy ? 0 : (hx ? 1 : -1);
    if (cx != cy) return cx < cy ? -1 : 1;
  }
}

}  // namespace

char32_t UpperChar(char32_t cp) {
  if (cp < 0x80) return IsLowerAscii(static_cast<char>(cp)) ? cp - 32 : cp;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
  if (cp == 0xFF) return 0x178;
  if (cp == 0x131) return 'I';
  if (cp > 0x100 && cp <= 0x17F) {
    const char base = kExtA[cp - 0x100];
    if (IsLowerAscii(base) && kExtA[cp - 0x101] == ToUpperAscii(base)) return cp - 1;
  }
  return cp;
}

char32_t LowerChar(char32_t cp) {
  if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + 32 : cp;
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
  if (cp == 0x178) return 0xFF;
  if (cp == 0x130) return 'i';
  if (cp >= 0x100 && cp < 0x17F) {
    const char base = kExtA[cp - 0x100];
    if (!IsLowerAscii(base) && kExtA[cp - 0x100 + 1] == static_cast<char>(base + 32)) return cp + 1;
  }
  return cp;
}

std::string AnsiUpperCase(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size();) utf8::Append(out, UpperChar(utf8::Next(s, pos)));
  return out;
}

std::string AnsiLowerCase(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t pos = 0; pos < s.size();) utf8::Append(out, LowerChar(utf8::Next(s, pos)));
  return out;
}

int AnsiCompareText(std::string_view a, std::string_view b) {
  // Both sort forms map an ASCII character to one element, its upper case,
  // so a common ASCII prefix equal but for case decides nothing and two
  // ASCII characters decide alone. Index seeks compare names all the time;
  // this keeps most comparisons free of allocations.
  std::size_t i = 0;
  for (; i < a.size() && i < b.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 0x80 || y >= 0x80) break;
    const char ux = ToUpperAscii(static_cast<char>(x)), uy = ToUpperAscii(static_cast<char>(y));
    if (ux != uy) return static_cast<unsigned char>(ux) < static_cast<unsigned char>(uy) ? -1 : 1;
  }
  if (i == a.size() || i == b.size()) return a.size() == b.size() ? 0 : (i == a.size() ? -1 : 1);
  a.remove_prefix(i);
  b.remove_prefix(i);
  if (const int c = CompareForm(a, b, true); c != 0) return c;
  return CompareForm(a, b, false);
}

bool SameText(std::string_view a, std::string_view b) { return CompareForm(a, b, false) == 0; }
