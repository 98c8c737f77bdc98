#include "exchange/GedPersonDraft.h"

#include "core/Utf8.h"

std::string CutToField(const std::string& value, std::size_t width) {
  std::string cut = utf8::Truncate(value, width);
  if (cut.size() < value.size())
    while (!cut.empty() && cut.back() == ' ') cut.pop_back();
  return cut;
}

void JoinField(std::string& field, const std::string& value, std::size_t width) {
  if (value.empty()) return;
  field = CutToField(field.empty() ? value : field + " " + value, width);
}

void ReplaceField(std::string& field, const std::string& value, std::size_t width) { field = CutToField(value, width); }

void AddCommentText(std::vector<std::string>& comment, const std::string& text) {
  std::size_t start = 0;
  if (text.empty()) return;
  for (;;) {
    const std::size_t end = text.find_first_of("\r\n", start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    // A blank at the end of a line ("Adresse: ") would not survive a GEDCOM file.
    while (!line.empty() && line.back() == ' ') line.pop_back();
    comment.push_back(std::move(line));
    if (end == std::string::npos) break;
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
}

void TGedPersonDraft::AddDiverses(const std::string& title, const std::string& text) {
  TDiverses d;
  // The widths of the table: what it would cut is cut here, blanks and all.
  d.Title = CutToField(title, 40);
  d.Text = CutToField(text, 250);
  diverses.push_back(d);
}

void TGedPersonDraft::AddMedia(const std::string& file, const std::string& title) {
  TMedia m;
  m.File = CutToField(file, 60);
  m.Title = CutToField(title, 40);
  media.push_back(m);
}
