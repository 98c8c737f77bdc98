// A person while its INDI record is read: the record's fields, and the links,
// media and free-form entries that can only be stored once the person has its
// id. Also the two ways the import puts a value into a text field: joined
// with a blank to what is there, or replacing it, cut to the field's width.
#pragma once

#include <string>
#include <vector>

#include "db/Person.h"

class TGedImportRun;

// value cut to width characters; a blank the cut leaves at its end goes too,
// since no reader of the value would see it.
std::string CutToField(const std::string& value, std::size_t width);
// value appended to field with one blank between (nothing for an empty
// value), cut to width characters (and of blanks where the cut left some).
void JoinField(std::string& field, const std::string& value, std::size_t width);
// field := value, cut to width characters.
void ReplaceField(std::string& field, const std::string& value, std::size_t width);

// Adds a text to a comment: one line per line of the text, without blanks at
// its end; an empty text adds nothing.
void AddCommentText(std::vector<std::string>& comment, const std::string& text);

struct TGedPendingLink {
  std::string pointer;
  std::string text;
};

struct TGedPersonDraft {
  TPersonDetail person;
  bool isNew = true;
  bool sawSex = false;
  std::vector<TGedPendingLink> links;
  std::vector<TMedia> media;
  std::vector<TDiverses> diverses;

  void Comment(const std::string& text) { AddCommentText(person.Kommentar, text); }
  void AddDiverses(const std::string& title, const std::string& text);
  void AddMedia(const std::string& file, const std::string& title);
};
