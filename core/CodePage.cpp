#include "core/CodePage.h"

#include "core/Utf8.h"

namespace cp1252 {

namespace {
// 0x80..0x9F; the undefined bytes keep their own value as C1 code points.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
  return byte;
}

int ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) return 0x80 + i;
  return -1;
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      out += c;
    else
      utf8::Append(out, CodePointOf(b));
  }
  return out;
}

bool CanEncode(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();)
    if (ByteOf(utf8::Next(s, pos)) < 0) return false;
  return true;
}

std::string FromUtf8(std::string_view s, int* unencodable) {
  std::string out;
  out.reserve(s.size());
  int missing = 0;
  for (std::size_t pos = 0; pos < s.size();) {
    const char32_t cp = utf8::Next(s, pos);
    const int b = ByteOf(cp);
    if (b >= 0) {
      out += static_cast<char>(b);
    } else {
      ++missing;
      out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
    }
  }
  if (unencodable) *unencodable = missing;
  return out;
}

}  // namespace cp1252

std::string DecodeTextBytes(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return std::string(bytes.substr(3));
  if (utf8::HasMultiByte(bytes)) return std::string(bytes);
  return cp1252::ToUtf8(bytes);
}
