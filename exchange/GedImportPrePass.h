// What the import learns from a quick first reading: the texts of the source,
// note and object records others point to, each child's parents and who is a
// wife, so that a person is complete when first stored. The families still decide.
#pragma once

#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct TGedMediaRef {
  std::string file;
  std::string title;
};

struct TGedParentRefs {
  std::string husband;  // pointers as written, "@I1@"; empty when none
  std::string wife;
};

struct TGedPrePass {
  // Keyed by the identifier with its at signs, as pointers are written.
  std::map<std::string, std::string> sources;
  std::map<std::string, std::string> notes;
  std::map<std::string, std::vector<TGedMediaRef>> objects;
  // The last husband and the last wife of the families that name a child.
  std::unordered_map<std::string, TGedParentRefs> parents;
  std::unordered_set<std::string> wives;
};

// Reads the file once, its lines as the import reads them (dosBytes as its
// option). Problems are not reported here: the import meets them again.
// Throws EInOutError when the file cannot be read.
TGedPrePass ReadPrePass(const std::string& path, bool dosBytes);
