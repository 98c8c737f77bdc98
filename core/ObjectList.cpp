#include "core/ObjectList.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>

namespace objectlist_detail {

void RaiseListError(const std::string& message) { throw EListError(message); }

std::string ClassNameOf(const std::type_info& type) {
  int status = 0;
  char* demangled = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
  std::string name = status == 0 && demangled ? demangled : type.name();
  std::free(demangled);
  // The message names the class as its author wrote it, without namespaces;
  // a template's arguments keep theirs.
  const std::size_t args = name.find('<');
  const std::size_t scope = name.rfind("::", args == std::string::npos ? std::string::npos : args);
  if (scope != std::string::npos) name.erase(0, scope + 2);
  return name;
}

int GrownCapacity(int capacity) {
  const int delta = capacity < 5 ? 4 : (capacity <= 8 ? 8 : 16);
  return std::min(capacity + delta, kMaxListCapacity);
}

}  // namespace objectlist_detail
