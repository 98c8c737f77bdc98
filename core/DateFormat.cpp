#include "core/DateFormat.h"

#include "core/Dates.h"
#include "core/DisplaySettings.h"
#include "core/MonthNames.h"

namespace {

// The stored text of a part; a part missing from a short text reads as zeros.
std::string PartText(const std::string& d, std::size_t pos, std::size_t len) {
  return pos < d.size() ? d.substr(pos, len) : std::string(len, '0');
}

}  // namespace

const std::vector<std::string>& QualifierEntries() {
  static const std::vector<std::string> entries = {"Exakt", "Vor", "Nach", "Um", "Geschätzt",
                                                   "Sortieren&Ignorieren"};
  return entries;
}

std::string QualifierPrefix(int code) {
  switch (code) {
    case dqBefore: return "vor ";
    case dqAfter: return "nach ";
    case dqAbout: return "um ";
    case dqEstimated: return "geschätzt ";
    default: return "";
  }
}

std::string FormatDate(std::string_view date) {
  if (date.empty()) return "";
  const std::string d = NormalizeDate(date);
  const std::string year = PartText(d, 0, 4), month = PartText(d, 5, 2), day = PartText(d, 8, 2);
  if (day != "00") {
    if (DisplaySettings().monatsname)
      return std::to_string(DateDay(d)) + " " + MonthAbbrev(DateMonth(d)) + " " + year;
    return day + "." + month + "." + year;
  }
  if (month != "00") return MonthAbbrev(DateMonth(d)) + " " + year;
  if (year != "0000") return year;
  return "";
}

std::string FormatYear(std::string_view d) {
  if (d.empty()) return "";
  const std::string year(d.substr(0, 4));
  return year == "0000" ? "" : year;
}

std::string FormatDateShort(std::string_view d) {
  const int day = DateDay(d), month = DateMonth(d), year = DateYear(d);
  if (day >= 1) return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
  if (month >= 1) return std::to_string(month) + "." + std::to_string(year);
  if (year >= 1) return std::to_string(year);
  return "";
}

std::string FormatDateIso(std::string_view d) {
  std::string iso = NormalizeDate(d);
  for (const std::size_t pos : {std::size_t{4}, std::size_t{7}})
    if (pos < iso.size() && iso[pos] == '.') iso[pos] = '-';
  return iso;
}

std::string FormatQualifiedDate(int code, std::string_view d) {
  if (code == dqSortOnly) return "";
  const std::string date = DisplaySettings().datumJahr ? FormatYear(d) : FormatDate(d);
  // Without a date the prefix alone ("vor ") would make an empty event look filled.
  return date.empty() ? "" : QualifierPrefix(code) + date;
}

std::string FormatEvent(std::string_view lead, int code, std::string_view d, std::string_view source,
                        std::string_view place) {
  std::string t = FormatQualifiedDate(code, d);
  if (!place.empty()) t += " in " + std::string(place);
  if (!source.empty()) t += " [Q:" + std::string(source) + "]";
  if (!t.empty()) t = std::string(lead) + t;
  return t;
}
