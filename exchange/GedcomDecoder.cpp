#include "exchange/GedcomDecoder.h"

#include <algorithm>
#include <cstdio>

#include "core/CodePage.h"
#include "core/Utf8.h"
#include "exchange/Cp437.h"

namespace {

constexpr std::size_t kMaxHeader = 64 * 1024;
// A file in the wrong character set would otherwise bury every other message.
constexpr long kMaxByteReports = 100;

std::string Hex(unsigned char b) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", b);
  return buf;
}

// Length of the UTF-8 sequence a lead byte starts, 0 for no lead byte.
std::size_t SequenceLength(unsigned char c) {
  if (c >= 0xC2 && c <= 0xDF) return 2;
  if (c >= 0xE0 && c <= 0xEF) return 3;
  if (c >= 0xF0 && c <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// True when the bytes from i may still become a valid sequence once more come.
bool MayComplete(std::string_view d, std::size_t i, std::size_t len) {
  for (std::size_t k = i + 1; k < d.size(); ++k)
    if (!IsContinuation(static_cast<unsigned char>(d[k]))) return false;
  return d.size() - i < len;
}

}  // namespace

TGedDecoder::TGedDecoder(TGedProblemSink sink) : sink_(std::move(sink)) {}

void TGedDecoder::Report(const std::string& text) {
  if (sink_) sink_(GedProblem(line_, text));
}

void TGedDecoder::ReportByte(std::uint64_t offset, const std::string& text) {
  ++byteProblems_;
  if (byteProblems_ > kMaxByteReports) {
    ++unreported_;
    return;
  }
  Report(text + " (Dateiposition " + std::to_string(offset) + ")");
}

void TGedDecoder::NoteByte(unsigned char c) {
  // Line ends are counted as the reader splits them: CR, LF or CR LF.
  if (c == '\n') {
    if (!lastCr_) ++line_;
    lastCr_ = false;
  } else if (c == '\r') {
    ++line_;
    lastCr_ = true;
  } else {
    lastCr_ = false;
  }
}

void TGedDecoder::Feed(std::string_view bytes, std::string& out) {
  if (!decided_) {
    held_.append(bytes);
    Decide(false, out);
    return;
  }
  if (held_.empty()) {
    Decode(bytes, false, out);
  } else {
    std::string data = std::move(held_);
    held_.clear();
    data.append(bytes);
    Decode(data, false, out);
  }
}

void TGedDecoder::Finish(std::string& out) {
  if (!decided_) {
    Decide(true, out);
  } else if (!held_.empty()) {
    std::string data = std::move(held_);
    held_.clear();
    Decode(data, true, out);
  }
  if (mode_ == TMode::Ansel && ansel_.Flush(out) == ansel::TAnselDecoder::kLooseMark)
    Report("Akzent ohne Buchstaben am Dateiende");
  if (unreported_ > 0)
    Report("Weitere " + std::to_string(unreported_) +
           " Bytes, die nicht gelesen werden konnten, wurden nicht einzeln gemeldet");
  unreported_ = 0;
}

void TGedDecoder::Decide(bool final, std::string& out) {
  const TByteOrder order = DetectByteOrder(held_);
  const bool wide = order.charset == TGedCharset::Utf16LE || order.charset == TGedCharset::Utf16BE;
  // The header is ASCII in every character set, so for UTF-16 every other
  // byte is enough to read it.
  std::string ascii;
  if (wide) {
    const std::size_t lowByte = order.charset == TGedCharset::Utf16LE ? 0 : 1;
    for (std::size_t i = order.bomLength + lowByte; i < held_.size(); i += 2) ascii += held_[i];
  }
  const std::string_view text = wide ? std::string_view(ascii)
                                     : std::string_view(held_).substr(std::min(order.bomLength, held_.size()));
  const THeaderCharset header = FindDeclaredCharset(text, final || held_.size() >= kMaxHeader);
  if (!header.complete && !final) return;

  decided_ = true;
  bom_ = order.bomLength > 0;
  declaredText_ = header.value;
  declared_ = header.found ? CharsetFromDeclaration(header.value) : TGedCharset::Unbekannt;
  const std::string said = header.found ? "Die Datei gibt den Zeichensatz \"" + header.value + "\" an"
                                        : "Die Datei gibt keinen Zeichensatz an";
  if (header.found && declared_ == TGedCharset::Unbekannt)
    Report("Der Zeichensatz \"" + header.value + "\" ist unbekannt; die Datei wird nach ihren Bytes gelesen");

  if (order.charset == TGedCharset::Utf8) {
    mode_ = TMode::Utf8;
    used_ = TGedCharset::Utf8;
    if (header.found && declared_ != TGedCharset::Utf8 && declared_ != TGedCharset::Unicode &&
        declared_ != TGedCharset::Unbekannt)
      Report(said + ", beginnt aber mit der Kennung von UTF-8; sie wird als UTF-8 gelesen");
  } else if (wide) {
    mode_ = order.charset == TGedCharset::Utf16LE ? TMode::Utf16LE : TMode::Utf16BE;
    used_ = order.charset;
    if (header.found && declared_ != TGedCharset::Unicode && declared_ != order.charset &&
        declared_ != TGedCharset::Unbekannt)
      Report(said + ", ist aber in " + CharsetName(used_) + " geschrieben; sie wird so gelesen");
  } else {
    // 8-bit bytes: the declaration says how to read them unless the first
    // byte above 127 begins a valid UTF-8 character.
    mode_ = TMode::Undecided8Bit;
    switch (declared_) {
      case TGedCharset::Ansel:
      case TGedCharset::IbmPc:
      case TGedCharset::Ansi:
        fallback_ = used_ = declared_;
        break;
      case TGedCharset::Utf8:
      case TGedCharset::Unicode:
      case TGedCharset::Utf16LE:
      case TGedCharset::Utf16BE:
        fallback_ = TGedCharset::Ansi;
        used_ = TGedCharset::Utf8;
        break;
      default:  // ASCII, nothing or unknown: bytes above 127 are not expected
        fallback_ = TGedCharset::Ansi;
        used_ = TGedCharset::Ascii;
        break;
    }
  }
  std::string data = std::move(held_);
  held_.clear();
  offset_ = order.bomLength;
  Decode(std::string_view(data).substr(std::min(order.bomLength, data.size())), final, out);
}

void TGedDecoder::Decode(std::string_view d, bool final, std::string& out) {
  std::size_t i = 0;
  while (i < d.size()) {
    const TMode before = mode_;
    std::size_t stop;
    switch (mode_) {
      case TMode::Undecided8Bit: stop = DecodeUndecided(d, i, final, out); break;
      case TMode::Utf8: stop = DecodeUtf8(d, i, final, out); break;
      case TMode::Utf16LE:
      case TMode::Utf16BE: stop = DecodeUtf16(d, i, final, out); break;
      default: stop = DecodeSingleByte(d, i, out); break;
    }
    offset_ += stop - i;
    i = stop;
    if (mode_ == before) break;  // done, or an incomplete character waits
  }
  if (i < d.size()) held_.assign(d.substr(i));
}

std::size_t TGedDecoder::DecodeUndecided(std::string_view d, std::size_t i, bool final, std::string& out) {
  for (; i < d.size(); ++i) {
    const auto c = static_cast<unsigned char>(d[i]);
    if (c < 0x80) {
      NoteByte(c);
      out += static_cast<char>(c);
      continue;
    }
    const std::size_t len = SequenceLength(c);
    if (len > 0 && i + len > d.size() && !final && MayComplete(d, i, len)) return i;
    const bool isUtf8 = len > 0 && i + len <= d.size() && utf8::IsValid(d.substr(i, len));
    const bool saidNothing = declaredText_.empty();
    const std::string said = saidNothing ? "Die Datei gibt keinen Zeichensatz an"
                                         : "Die Datei gibt den Zeichensatz \"" + declaredText_ + "\" an";
    if (isUtf8) {
      mode_ = TMode::Utf8;
      if (used_ != TGedCharset::Utf8)
        Report(said + (saidNothing ? "; ihre Bytes sind UTF-8" : ", ihre Bytes sind aber UTF-8") +
               "; sie wird als UTF-8 gelesen");
      used_ = TGedCharset::Utf8;
    } else {
      mode_ = fallback_ == TGedCharset::Ansel ? TMode::Ansel
              : fallback_ == TGedCharset::IbmPc ? TMode::IbmPc
                                                : TMode::Ansi;
      if (declared_ != fallback_) {
        std::string why = "";
        if (used_ == TGedCharset::Utf8) why = ", ihre Bytes sind aber kein gültiges UTF-8";
        else if (declared_ == TGedCharset::Ascii) why = ", enthält aber Bytes über 127";
        Report(said + why + "; sie wird als " + CharsetName(fallback_) + " gelesen");
      }
      used_ = fallback_;
    }
    return i;
  }
  return i;
}

std::size_t TGedDecoder::DecodeUtf8(std::string_view d, std::size_t i, bool final, std::string& out) {
  const std::size_t start = i;
  while (i < d.size()) {
    const auto c = static_cast<unsigned char>(d[i]);
    if (c < 0x80) {
      NoteByte(c);
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    lastCr_ = false;
    const std::size_t len = SequenceLength(c);
    if (len > 0 && i + len > d.size() && !final && MayComplete(d, i, len)) return i;
    if (len > 0 && i + len <= d.size() && utf8::IsValid(d.substr(i, len))) {
      out.append(d.substr(i, len));
      i += len;
      continue;
    }
    // Not UTF-8: most likely a byte of an ANSI text inside a UTF-8 file.
    const std::string as = utf8::FromCodePoint(cp1252::CodePointOf(c));
    ReportByte(offset_ + (i - start),
               "Byte " + Hex(c) + " ist kein gültiges UTF-8; gelesen als ANSI-Zeichen \"" + as + "\"");
    out += as;
    ++i;
  }
  return i;
}

std::size_t TGedDecoder::DecodeUtf16(std::string_view d, std::size_t i, bool final, std::string& out) {
  const bool le = mode_ == TMode::Utf16LE;
  const std::size_t start = i;
  auto unitAt = [&](std::size_t k) {
    const auto a = static_cast<unsigned char>(d[k]), b = static_cast<unsigned char>(d[k + 1]);
    return static_cast<char32_t>(le ? (a | (b << 8)) : ((a << 8) | b));
  };
  while (i + 1 < d.size()) {
    const char32_t u = unitAt(i);
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 3 >= d.size() && !final) return i;
      const char32_t low = i + 3 < d.size() ? unitAt(i + 2) : 0;
      if (low >= 0xDC00 && low <= 0xDFFF) {
        utf8::Append(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        lastCr_ = false;
        i += 4;
        continue;
      }
    }
    if (u >= 0xD800 && u <= 0xDFFF) {
      ReportByte(offset_ + (i - start), "Halbes UTF-16-Zeichen; gelesen als \"�\"");
      utf8::Append(out, 0xFFFD);
      lastCr_ = false;
    } else if (u < 0x80) {
      NoteByte(static_cast<unsigned char>(u));
      out += static_cast<char>(u);
    } else {
      utf8::Append(out, u);
      lastCr_ = false;
    }
    i += 2;
  }
  if (i < d.size() && final) {
    ReportByte(offset_ + (i - start), "Unvollständiges UTF-16-Zeichen am Dateiende");
    ++i;
  }
  return i;
}

std::size_t TGedDecoder::DecodeSingleByte(std::string_view d, std::size_t i, std::string& out) {
  const std::size_t start = i;
  for (; i < d.size(); ++i) {
    const auto c = static_cast<unsigned char>(d[i]);
    if (mode_ == TMode::Ansel) {
      const auto r = ansel_.Put(c, out);
      if (r == ansel::TAnselDecoder::kUndefined)
        ReportByte(offset_ + (i - start),
                   "Byte " + Hex(c) + " ist im Zeichensatz ANSEL nicht belegt; gelesen als \"�\"");
      else if (r == ansel::TAnselDecoder::kLooseMark)
        ReportByte(offset_ + (i - start), "Akzent ohne Buchstaben vor dem Zeilenende");
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (mode_ == TMode::IbmPc) {
      utf8::Append(out, cp437::CodePointOf(c));
    } else {
      const char32_t cp = cp1252::CodePointOf(c);
      // The five bytes 1252 leaves free keep their value as C1 controls.
      if (cp == c && c < 0xA0)
        ReportByte(offset_ + (i - start), "Byte " + Hex(c) + " ist im Zeichensatz ANSI nicht belegt");
      utf8::Append(out, cp);
    }
    // Counted after the byte, so that a problem it causes names its own line.
    NoteByte(c);
  }
  return i;
}
