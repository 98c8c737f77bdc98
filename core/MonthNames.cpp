#include "core/MonthNames.h"

namespace {
const char* const kMonths[12] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                 "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
const char* const kAbbrev[12] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                 "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const char* const kWeekdays[7] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                  "Donnerstag", "Freitag", "Samstag"};
}  // namespace

std::string MonthName(int month) { return month >= 1 && month <= 12 ? kMonths[month - 1] : ""; }
std::string MonthAbbrev(int month) { return month >= 1 && month <= 12 ? kAbbrev[month - 1] : "   "; }
std::string WeekdayNameOf(int weekday) { return weekday >= 0 && weekday <= 6 ? kWeekdays[weekday] : ""; }
