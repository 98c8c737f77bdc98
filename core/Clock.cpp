#include "core/Clock.h"

namespace {
std::function<TClock::time_point()>& Current() {
  static std::function<TClock::time_point()> clock;
  return clock;
}
}  // namespace

TClock::time_point Now() { return Current() ? Current()() : TClock::now(); }

void SetClock(std::function<TClock::time_point()> clock) { Current() = std::move(clock); }
