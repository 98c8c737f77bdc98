#include "exchange/GedTagNames.h"

#include <map>

#include "exchange/GedImportHost.h"

namespace {

std::map<std::string, std::string>& Names() {
  static std::map<std::string, std::string> names;
  return names;
}

}  // namespace

std::string TranslateTag(const std::string& tag, const std::string& sample, bool ask, IGedTagNamer* namer) {
  if (!ask || !namer) return tag;
  auto& names = Names();
  if (const auto it = names.find(tag); it != names.end()) return it->second;
  std::string name = namer->NameTag(tag, sample);
  if (name.empty()) name = tag;
  names.emplace(tag, name);
  return name;
}

void ForgetTagNames() { Names().clear(); }
