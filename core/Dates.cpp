#include "core/Dates.h"

#include <cstdio>
#include <ctime>

#include "core/Errors.h"
#include "core/MonthNames.h"
#include "core/Utf8.h"

namespace {

int DatePart(std::string_view d, std::size_t pos, std::size_t len) {
  if (d.size() > 10) d = d.substr(0, 10);
  if (pos >= d.size()) return 0;
  const std::string_view part = d.substr(pos, len);
  int value = 0;
  for (const char c : part) {
    if (c < '0' || c > '9')
      throw EConvertError("'" + std::string(part) + "' ist keine gültige Zahl im Datum '" + std::string(d) + "'");
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string Digits(int value, int width) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", width, value);
  return buf;
}

}  // namespace

std::string NormalizeDate(std::string_view d) {
  if (d.empty()) return NoDate;
  return utf8::Truncate(d, 10);
}

int DateYear(std::string_view d) { return DatePart(d, 0, 4); }
int DateMonth(std::string_view d) { return DatePart(d, 5, 2); }
int DateDay(std::string_view d) { return DatePart(d, 8, 2); }

bool YearKnown(std::string_view d) {
  const std::string_view year = d.substr(0, 4);
  return !year.empty() && year != "0000" && year != "    ";
}

bool DateComplete(std::string_view d) { return DateYear(d) != 0 && DateMonth(d) != 0 && DateDay(d) != 0; }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month, int year) {
  switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
    case 4: case 6: case 9: case 11: return 30;
    case 2: return IsLeapYear(year) ? 29 : 28;
    default: return 0;
  }
}

int DayOfYear(std::string_view d) {
  if (!DateComplete(d)) return 0;
  const int m = DateMonth(d);
  // k is 0 for January and February, 1 from March on: the leap day's shift.
  const int k = (m + 10) / 13;
  int n = (m + 2) * 611 / 20 + DateDay(d) - 2 * k - 91;
  if (IsLeapYear(DateYear(d))) n += k;
  return n;
}

int WeekdayOf(std::string_view d) {
  if (!DateComplete(d)) return -1;
  const int y = DateYear(d);
  const int c = (y - 1) % 100;
  const int h = (y - 1) / 100;
  return (DayOfYear(d) + 28 + c + c / 4 + h / 4 + 5 * h) % 7;
}

std::string WeekdayName(std::string_view d) {
  const int w = WeekdayOf(d);
  return w < 0 ? "?" : WeekdayNameOf(w);
}

std::string DateSortKey(std::string_view d) {
  if (d.empty()) return "";
  const std::string n = NormalizeDate(d);
  auto part = [&n](std::size_t pos, std::size_t len, std::string_view unknown, const char* last) {
    const std::string p = pos < n.size() ? n.substr(pos, len) : std::string(unknown);
    return p == unknown ? std::string(last) : p;
  };
  return part(0, 4, "0000", "9999") + "." + part(5, 2, "00", "99") + "." + part(8, 2, "00", "99");
}

std::string MakeDate(int day, int month, int year) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year))
    throw EConvertError("Ungültiges Datum: Tag " + std::to_string(day) + ", Monat " + std::to_string(month) +
                        ", Jahr " + std::to_string(year));
  return Digits(year, 4) + "." + Digits(month, 2) + "." + Digits(day, 2);
}

std::string DateFromDateTime(std::chrono::system_clock::time_point t) {
  const std::time_t secs = std::chrono::system_clock::to_time_t(t);
  std::tm tm{};
  if (!::localtime_r(&secs, &tm)) throw EConvertError("Ungültiger Zeitpunkt");
  return Digits(tm.tm_year + 1900, 4) + "." + Digits(tm.tm_mon + 1, 2) + "." + Digits(tm.tm_mday, 2);
}

namespace {
int DateNumber(std::string_view d) { return DateYear(d) * 10000 + DateMonth(d) * 100 + DateDay(d); }
}  // namespace

int AgeInYears(std::string_view d1, std::string_view d2) {
  if (!YearKnown(d1) || !YearKnown(d2)) return -1;
  try {
    return (DateNumber(d2) - DateNumber(d1)) / 10000;
  } catch (const EConvertError&) {
    return -1;
  }
}

std::string AgeText(std::string_view d1, std::string_view d2) {
  if (!YearKnown(d1) || !YearKnown(d2)) return "-";
  return std::to_string((DateNumber(d2) - DateNumber(d1)) / 10000);
}
