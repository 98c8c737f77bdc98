#include "exchange/Ansel.h"

#include "core/Utf8.h"
#include "exchange/LatinCompose.h"

namespace ansel {

namespace {

// 0xA1..0xCF; 0 marks a byte the character set leaves undefined. 0xBE, 0xBF
// and 0xCD..0xCF are the GEDCOM additions; 0xC7 and 0xC8 come from later
// ANSEL tables and are read, but a sharp s is written as 0xCF.
constexpr char32_t kSpacing[0xCF - 0xA1 + 1] = {
    0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9,  // A1..A7
    0x00B7, 0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC,  // A8..AE
    0,                                                       // AF
    0x02BB, 0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153,  // B0..B6
    0x02BA, 0x0131, 0x00A3, 0x00F0, 0,      0x01A1, 0x01B0,  // B7..BD
    0x25A1, 0x25A0,                                          // BE..BF
    0x00B0, 0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1,  // C0..C6
    0x00DF, 0x20AC, 0,      0,      0,      0,      0x0065,  // C7..CD
    0x006F, 0x00DF};                                         // CE..CF

// 0xE0..0xFE; 0xFC and 0xFD are undefined.
constexpr char32_t kMarks[0xFE - 0xE0 + 1] = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307,  // E0..E7
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310,  // E8..EF
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326,  // F0..F7
    0x031C, 0x032E, 0xFE22, 0xFE23, 0,      0,      0x0313};         // F8..FE

constexpr char32_t kReplacement = 0xFFFD;

void AppendReference(std::string& out, char32_t cp) {
  out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
}

}  // namespace

char32_t CodePointOf(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte == 0x8D) return 0x200D;  // zero width joiner
  if (byte == 0x8E) return 0x200C;  // zero width non-joiner
  if (byte >= 0xA1 && byte <= 0xCF) return kSpacing[byte - 0xA1];
  return 0;
}

char32_t MarkOf(unsigned char byte) {
  if (byte >= 0xE0 && byte <= 0xFE) return kMarks[byte - 0xE0];
  return 0;
}

int ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (cp == 0x00DF) return 0xCF;
  if (cp == 0x200D) return 0x8D;
  if (cp == 0x200C) return 0x8E;
  for (int b = 0xA1; b <= 0xCF; ++b)
    if (kSpacing[b - 0xA1] == cp) return b;
  for (int b = 0xE0; b <= 0xFE; ++b)
    if (kMarks[b - 0xE0] == cp) return b;
  return -1;
}

void TAnselDecoder::Emit(char32_t base, std::string& out) {
  latin::AppendComposed(out, base, marks_);
  marks_.clear();
}

TAnselDecoder::TResult TAnselDecoder::Put(unsigned char byte, std::string& out) {
  if (const char32_t mark = MarkOf(byte)) {
    marks_.push_back(mark);
    return kOk;
  }
  const char32_t cp = CodePointOf(byte);
  if (cp == 0) {
    Emit(kReplacement, out);
    return kUndefined;
  }
  // A mark cannot sit on a line end or another control character: write the
  // marks on their own so that they are not lost, and say so.
  TResult result = kOk;
  if (cp < 0x20 && !marks_.empty()) result = Flush(out);
  Emit(cp, out);
  return result;
}

TAnselDecoder::TResult TAnselDecoder::Flush(std::string& out) {
  if (marks_.empty()) return kOk;
  for (char32_t m : marks_) utf8::Append(out, m);
  marks_.clear();
  return kLooseMark;
}

std::string ToUtf8(std::string_view bytes, std::vector<std::size_t>* undefinedAt) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  TAnselDecoder decoder;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (decoder.Put(static_cast<unsigned char>(bytes[i]), out) == TAnselDecoder::kUndefined &&
        undefinedAt)
      undefinedAt->push_back(i);
  }
  decoder.Flush(out);
  return out;
}

namespace {

// Writes one letter with the marks that follow it in the UTF-8 text.
void EncodeCluster(std::string& out, char32_t base, const std::vector<char32_t>& marks,
                   std::vector<char32_t>* unencodable) {
  std::vector<char32_t> cluster = latin::ComposeCluster(base, marks);
  char32_t letter = cluster[0];
  // Peel marks off until the letter itself is an ANSEL character; the marks
  // peeled first are the outermost, so they go behind the inner ones.
  std::vector<char32_t> peeled;
  char32_t inner = 0, mark = 0;
  while (ByteOf(letter) < 0 && latin::Decompose(letter, inner, mark)) {
    peeled.push_back(mark);
    letter = inner;
  }
  std::vector<char32_t> all(peeled.rbegin(), peeled.rend());
  all.insert(all.end(), cluster.begin() + 1, cluster.end());

  const int letterByte = latin::IsCombining(letter) ? -1 : ByteOf(letter);
  if (letterByte < 0) {
    AppendReference(out, cluster[0]);
    if (unencodable) unencodable->push_back(cluster[0]);
    for (std::size_t i = 1; i < cluster.size(); ++i) {
      AppendReference(out, cluster[i]);
      if (unencodable) unencodable->push_back(cluster[i]);
    }
    return;
  }
  std::vector<char32_t> missing;
  for (char32_t m : all) {
    const int b = ByteOf(m);
    if (b >= 0xE0)
      out += static_cast<char>(b);
    else
      missing.push_back(m);
  }
  out += static_cast<char>(letterByte);
  for (char32_t m : missing) {
    AppendReference(out, m);
    if (unencodable) unencodable->push_back(m);
  }
}

}  // namespace

std::string FromUtf8(std::string_view s, std::vector<char32_t>* unencodable) {
  std::string out;
  out.reserve(s.size());
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::vector<char32_t> marks;
    const char32_t base = latin::NextCluster(s, pos, marks);
    if (base < 0x80 && marks.empty())
      out += static_cast<char>(base);
    else
      EncodeCluster(out, base, marks, unencodable);
  }
  return out;
}

bool CanEncode(std::string_view s) {
  std::vector<char32_t> missing;
  FromUtf8(s, &missing);
  return missing.empty();
}

}  // namespace ansel
