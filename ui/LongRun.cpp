#include "ui/LongRun.h"

#include "core/Prompter.h"

namespace {
int activeRuns = 0;
}

TLongRun::TLongRun() { ++activeRuns; }
TLongRun::~TLongRun() { --activeRuns; }
bool TLongRun::Active() { return activeRuns > 0; }

bool RefuseWhileLongRun() {
  if (!TLongRun::Active()) return false;
  ShowWarning(kLongRunBusyText);
  return true;
}
