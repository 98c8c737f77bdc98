// The first and the last day a date string "yyyy.mm.dd" can stand for when
// its month or day is unknown ("00"), as std::chrono::sys_days (days since
// 1970-01-01, Gregorian rules for every year). A day beyond the end of its
// month is taken as the month's last day. An unknown year, a month above 12
// or a part that is no number raises EConvertError.
#pragma once

#include <chrono>
#include <string_view>

// Unknown month and day taken as 1.
std::chrono::sys_days EarliestDay(std::string_view date);
// Unknown month taken as 12, unknown day as the month's last (29 February
// in leap years).
std::chrono::sys_days LatestDay(std::string_view date);
