// INI files read and written with the rules of the classic profile functions:
// section and key names without regard to case, blanks around names and
// values ignored, a value in matching quotes read without them, integers in
// decimal or "0x" hexadecimal, a value that is no number gives the default.
// The whole file is held in memory; UpdateFile writes it back keeping the
// order of sections and keys, comments and unknown entries, through a
// temporary file (see TextFile.h). A file that exists but cannot be read is
// never overwritten.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class TIniFile {
 public:
  TIniFile() = default;
  // Loads path when it exists; a missing file gives an empty one.
  explicit TIniFile(std::string path);

  const std::string& FileName() const { return path_; }
  // False when the file existed but could not be read.
  bool Readable() const { return readable_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& key);
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  // Key names of a section, in file order.
  std::vector<std::string> ReadSection(const std::string& section) const;
  std::vector<std::string> ReadSections() const;

  bool Modified() const { return modified_; }
  // The file's text as it would be written (UTF-8, CR LF).
  std::string Text() const;
  // Writes the file when it was changed; throws EInOutError.
  void UpdateFile();

  // Reads a text as the profile functions read an integer; def when it is none.
  static int ParseInteger(const std::string& text, int def);

 private:
  struct Entry {
    std::string key;   // empty for a line that is no key line
    std::string value;
    std::string raw;   // the line as read; empty once rewritten
  };
  struct Section {
    std::string name;  // as written; the preamble has none
    bool preamble = false;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> index;  // folded key -> entry
  };

  void Parse(const std::string& text);
  const Entry* Find(const std::string& section, const std::string& key) const;
  Section* FindSection(const std::string& section);
  const Section* FindSection(const std::string& section) const;
  Section& SectionFor(const std::string& section);
  void Reindex();

  std::string path_;
  bool readable_ = true;
  bool modified_ = false;
  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> sectionIndex_;
};
