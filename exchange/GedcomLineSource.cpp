#include "exchange/GedcomLineSource.h"

#include "core/Errors.h"

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

TGedLineSource::TGedLineSource(std::istream& in, TGedProblemSink sink)
    : in_(in), decoder_(std::move(sink)) {}

void TGedLineSource::Fill() {
  if (pos_ > 0) {
    text_.erase(0, pos_);
    scanned_ -= std::min(scanned_, pos_);
    pos_ = 0;
  }
  chunk_.resize(kChunk);
  in_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
  const std::streamsize got = in_.gcount();
  if (in_.bad()) throw EInOutError("Fehler beim Lesen der GEDCOM-Datei.");
  if (got > 0) decoder_.Feed(std::string_view(chunk_.data(), static_cast<std::size_t>(got)), text_);
  if (in_.eof() || got == 0) {
    decoder_.Finish(text_);
    eof_ = true;
  }
}

bool TGedLineSource::Next(std::string& line) {
  for (;;) {
    if (skipLf_) {
      if (pos_ < text_.size()) {
        if (text_[pos_] == '\n') ++pos_;
        skipLf_ = false;
        scanned_ = std::max(scanned_, pos_);
      } else if (!eof_) {
        Fill();
        continue;
      } else {
        skipLf_ = false;
      }
    }
    const std::size_t end = text_.find_first_of("\r\n", std::max(pos_, scanned_));
    if (end != std::string::npos) {
      line.assign(text_, pos_, end - pos_);
      skipLf_ = text_[end] == '\r';
      pos_ = scanned_ = end + 1;
      terminated_ = true;
      ++line_;
      return true;
    }
    if (eof_) {
      if (pos_ >= text_.size()) return false;
      line.assign(text_, pos_, std::string::npos);
      pos_ = scanned_ = text_.size();
      terminated_ = false;
      ++line_;
      return true;
    }
    scanned_ = text_.size();
    Fill();
  }
}
