// Date strings "yyyy.mm.dd" with zeros for unknown parts, and the program's
// date arithmetic (Gregorian for every year). Parts that are no number raise
// EConvertError; a part missing from a text that is too short counts as 0.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

// The stored form of "no date".
inline constexpr char NoDate[] = "0000.00.00";

// An empty text becomes NoDate, a longer one is cut to its first 10 characters.
std::string NormalizeDate(std::string_view d);

// Characters 1-4, 6-7 and 9-10 as numbers; an empty text gives 0.
int DateYear(std::string_view d);
int DateMonth(std::string_view d);
int DateDay(std::string_view d);

// The first four characters are neither "0000", nor empty, nor four blanks.
bool YearKnown(std::string_view d);
// Year, month and day are all non-zero.
bool DateComplete(std::string_view d);

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int month, int year);
// 1 for 1 January; 0 when the date is not complete.
int DayOfYear(std::string_view d);
// 0 Sunday .. 6 Saturday; -1 when the date is not complete or its year < 1.
int WeekdayOf(std::string_view d);
// "Sonntag" .. "Samstag", or "?" when the date is not complete.
std::string WeekdayName(std::string_view d);

// The date with unknown parts turned into 9s, so that comparing keys puts
// them after every known value; an empty text stays empty.
std::string DateSortKey(std::string_view d);

// Only valid calendar dates of the years 1 to 9999; otherwise EConvertError.
std::string MakeDate(int day, int month, int year);
// The local calendar date of t.
std::string DateFromDateTime(std::chrono::system_clock::time_point t);

// Completed years from d1 to d2 (unknown parts count as 0, truncated toward
// zero); -1 when a year is unknown or a part is no number.
int AgeInYears(std::string_view d1, std::string_view d2);
// "-" when a year is unknown, else the number of AgeInYears.
std::string AgeText(std::string_view d1, std::string_view d2);
