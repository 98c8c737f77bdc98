#include "exchange/GedcomLine.h"

bool SameTag(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

bool TGedLine::Is(std::string_view t) const { return SameTag(tag, t); }

const TGedLine* TGedLine::Child(std::string_view t) const {
  for (const TGedLine& c : children)
    if (c.Is(t)) return &c;
  return nullptr;
}

std::string TGedLine::ChildValue(std::string_view t) const {
  const TGedLine* c = Child(t);
  return c ? c->value : std::string();
}
