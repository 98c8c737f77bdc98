#include "exchange/GedPersonDraft.h"

#include "core/Utf8.h"

void JoinField(std::string& field, const std::string& value, std::size_t width) {
  if (value.empty()) return;
  field = utf8::Truncate(field.empty() ? value : field + " " + value, width);
}

void ReplaceField(std::string& field, const std::string& value, std::size_t width) {
  field = utf8::Truncate(value, width);
}

void AddCommentText(std::vector<std::string>& comment, const std::string& text) {
  std::size_t start = 0;
  if (text.empty()) return;
  for (;;) {
    const std::size_t end = text.find_first_of("\r\n", start);
    comment.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

void TGedPersonDraft::AddDiverses(const std::string& title, const std::string& text) {
  TDiverses d;
  d.Title = title;
  d.Text = text;
  diverses.push_back(d);
}

void TGedPersonDraft::AddMedia(const std::string& file, const std::string& title) {
  TMedia m;
  m.File = file;
  m.Title = title;
  media.push_back(m);
}
