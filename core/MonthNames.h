// German month and weekday names.
#pragma once

#include <string>

// "Januar" .. "Dezember"; empty for any other number.
std::string MonthName(int month);
// "Jan" .. "Dez"; three blanks for any other number.
std::string MonthAbbrev(int month);
// 0 "Sonntag" .. 6 "Samstag"; empty for any other number.
std::string WeekdayNameOf(int weekday);
