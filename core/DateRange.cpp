#include "core/DateRange.h"

#include <string>

#include "core/Errors.h"

namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day_last;

struct DateParts {
  int year = 0;
  unsigned month = 0;
  unsigned day = 0;
};

bool DigitsAt(std::string_view s, std::size_t from, std::size_t count) {
  if (s.size() < from + count) return false;
  for (std::size_t i = from; i < from + count; ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

int NumberAt(std::string_view s, std::size_t from, std::size_t count) {
  int n = 0;
  for (std::size_t i = from; i < from + count; ++i) n = n * 10 + (s[i] - '0');
  return n;
}

DateParts Parse(std::string_view date) {
  if (date.empty()) date = "0000.00.00";
  date = date.substr(0, 10);
  const std::string shown(date);
  const std::string_view year = date.substr(0, 4);
  if (year == "0000" || year == "    ")
    throw EConvertError("Ungültiges Datum \"" + shown + "\": das Jahr ist unbekannt");
  if (!DigitsAt(date, 0, 4) || !DigitsAt(date, 5, 2) || !DigitsAt(date, 8, 2))
    throw EConvertError("\"" + shown + "\" ist kein gültiges Datum");
  DateParts parts{NumberAt(date, 0, 4), static_cast<unsigned>(NumberAt(date, 5, 2)),
                  static_cast<unsigned>(NumberAt(date, 8, 2))};
  if (parts.month > 12)
    throw EConvertError("Ungültiges Datum \"" + shown + "\": der Monat muss zwischen 1 und 12 liegen");
  return parts;
}

sys_days DayIn(int y, unsigned m, unsigned d) {
  const year_month_day_last monthEnd{year{y} / month{m} / std::chrono::last};
  if (d > static_cast<unsigned>(monthEnd.day())) return sys_days{monthEnd};
  return sys_days{year{y} / month{m} / day{d}};
}

}  // namespace

std::chrono::sys_days EarliestDay(std::string_view date) {
  const DateParts p = Parse(date);
  return DayIn(p.year, p.month == 0 ? 1 : p.month, p.day == 0 ? 1 : p.day);
}

std::chrono::sys_days LatestDay(std::string_view date) {
  const DateParts p = Parse(date);
  // An unknown day is the month's last: 31 cut back to the month's length.
  return DayIn(p.year, p.month == 0 ? 12 : p.month, p.day == 0 ? 31 : p.day);
}
