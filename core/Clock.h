// The current point in time for everything that stamps or names by time
// (change log, record stamps, backup names). Tests fix it.
#pragma once

#include <chrono>
#include <functional>

using TClock = std::chrono::system_clock;

TClock::time_point Now();
// A fixed clock for tests; an empty function restores the system clock.
void SetClock(std::function<TClock::time_point()> clock);
