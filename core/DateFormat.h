// Qualifier codes of event dates and the display forms of dates. The forms
// follow the process-wide settings Monatsname and DatumJahr; a qualifier is
// shown only together with a date, so an event without one stays empty.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The qualifier ("Zusatz") stored next to every event date; any other value
// behaves like dqExact.
enum TDateQualifier : int {
  dqExact = 0,
  dqBefore = 1,
  dqAfter = 2,
  dqAbout = 3,
  dqEstimated = 4,
  dqSortOnly = 5,  // the date serves for sorting only and is never shown
};

// The six entries of the qualifier drop-down; the index is the code.
const std::vector<std::string>& QualifierEntries();

// "vor ", "nach ", "um ", "geschätzt "; empty for any other code.
std::string QualifierPrefix(int code);

// 05.01.1900 (5 Jan 1900 with Monatsname), Jan 1900, 1900, or empty.
std::string FormatDate(std::string_view d);
// The year as stored, empty when unknown.
std::string FormatYear(std::string_view d);
// 5.1.1900, 1.1900, 1900 or empty: numbers without leading zeros.
std::string FormatDateShort(std::string_view d);
// 1900-01-05; no date gives 0000-00-00.
std::string FormatDateIso(std::string_view d);
// Prefix and date (the year only with DatumJahr); empty for dqSortOnly and
// when there is no date to show.
std::string FormatQualifiedDate(int code, std::string_view d);
// lead + date + " in " place + " [Q:" source "]", each part only when
// present; empty, without the lead, when nothing is present.
std::string FormatEvent(std::string_view lead, int code, std::string_view d, std::string_view source,
                        std::string_view place);
