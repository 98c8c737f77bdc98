#include "bench/SyntheticGedcom.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

#include "core/Errors.h"
#include "exchange/GedcomWriter.h"

namespace {

const std::vector<const char*> kMen = {"Johann", "Jörg", "Franz", "Karl", "Heinrich", "Friedrich", "Wilhelm",
                                       "Georg", "Jakob", "Jürgen", "Anton", "Michael", "Andreas", "Hans", "Ulrich",
                                       "Ludwig", "Martin", "Matthäus", "Konrad", "Günther"};
const std::vector<const char*> kWomen = {"Maria", "Anna", "Elisabeth", "Katharina", "Margarethe", "Barbara",
                                         "Magdalena", "Theresia", "Johanna", "Franziska", "Sophie", "Ursula",
                                         "Agnes", "Dorothea", "Rosina", "Jülie", "Klara", "Käthe", "Brünhilde",
                                         "Lötte"};
const std::vector<const char*> kSurnames = {
    "Müller", "Schmidt", "Schneider", "Fischer", "Weber",  "Meyer",  "Wagner",  "Becker",  "Schulz",  "Hoffmann",
    "Schäfer", "Koch",   "Bauer",     "Richter", "Klein",  "Wolf",   "Schröder", "Neumann", "Schwarz", "Zimmermann",
    "Braun",  "Krüger",  "Hofmann",   "Hartmann", "Lange", "Köhler", "König",   "Jäger",   "Böhm",    "Weiß",
    "Groß",   "Möller",  "Günther",   "Kühn",    "Krämer", "Fuß",    "Dürr",    "Höfer",   "Näf",     "Blöchlinger"};
const std::vector<const char*> kPlaces = {"München", "Nürnberg", "Würzburg", "Zürich", "Bern", "Köln", "Düsseldorf",
                                          "Lübeck", "Göttingen", "Tübingen", "Fürth", "Passau", "Brügg", "Wädenswil",
                                          "St. Gallen", "Österreich, Graz", "Linz", "Basel", "Füssen", "Straubing"};
const std::vector<const char*> kOccupations = {"Bauer", "Bäcker", "Müller", "Schmied", "Lehrerin", "Pfarrer",
                                               "Tagelöhner", "Gärtner", "Näherin", "Küfer", "Wirt", "Kaufmann"};
const char* const kQualifiers[] = {"", "", "", "", "", "ABT ", "BEF ", "AFT ", "EST "};
const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

struct TPersonPlan {
  int sex = 0;
  const char* surname = "";
  int year = 0;
  int famc = 0;              // 0: no parents in the file
  std::vector<int> fams;     // families as husband or wife
};

struct TFamilyPlan {
  int husband = 0, wife = 0;
  int year = 0;
  std::vector<int> children;
};

class TRandom {
 public:
  explicit TRandom(unsigned seed) : rng_(seed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  template <class T>
  const T& Pick(const std::vector<T>& v) { return v[static_cast<std::size_t>(Below(static_cast<int>(v.size())))]; }

 private:
  std::mt19937 rng_;
};

std::string Date(TRandom& r, int year) {
  char buf[48];
  const char* q = kQualifiers[r.Below(9)];
  switch (r.Below(4)) {
    case 0: std::snprintf(buf, sizeof buf, "%s%d", q, year); break;
    case 1: std::snprintf(buf, sizeof buf, "%s%s %d", q, kMonths[r.Below(12)], year); break;
    default: std::snprintf(buf, sizeof buf, "%s%d %s %d", q, 1 + r.Below(28), kMonths[r.Below(12)], year); break;
  }
  return buf;
}

}  // namespace

TSyntheticGedcomCounts WriteSyntheticGedcom(const std::string& path, const TSyntheticGedcomSize& size) {
  TRandom r(size.seed);
  const int n = size.persons;
  std::vector<TPersonPlan> persons(static_cast<std::size_t>(n) + 1);
  std::vector<TFamilyPlan> families(1);
  // Persons are made in birth order; a family takes the children born some
  // 20 to 40 years after its parents, so the tree spans many generations.
  std::vector<int> openFamilies;  // may still get children
  std::vector<int> singleMen;
  for (int id = 1; id <= n; ++id) {
    TPersonPlan& p = persons[static_cast<std::size_t>(id)];
    p.sex = r.Below(2);
    p.year = 1500 + static_cast<int>(450LL * id / std::max(1, n));
    while (!openFamilies.empty() && families[static_cast<std::size_t>(openFamilies.front())].year < p.year - 45)
      openFamilies.erase(openFamilies.begin());
    if (!openFamilies.empty() && r.Chance(0.85)) {
      const int f = openFamilies[static_cast<std::size_t>(r.Below(static_cast<int>(std::min<std::size_t>(openFamilies.size(), 200))))];
      TFamilyPlan& fam = families[static_cast<std::size_t>(f)];
      if (fam.year <= p.year - 20) {
        p.famc = f;
        fam.children.push_back(id);
      }
    }
    p.surname = p.famc ? persons[static_cast<std::size_t>(families[static_cast<std::size_t>(p.famc)].husband)].surname
                       : r.Pick(kSurnames);
    if (p.sex == 0 && r.Chance(0.8)) {
      singleMen.push_back(id);
    } else if (p.sex == 1 && !singleMen.empty() && r.Chance(0.8)) {
      const std::size_t pick = static_cast<std::size_t>(r.Below(static_cast<int>(std::min<std::size_t>(singleMen.size(), 50))));
      const int husband = singleMen[singleMen.size() - 1 - pick];
      singleMen.erase(singleMen.end() - 1 - static_cast<std::ptrdiff_t>(pick));
      families.push_back({husband, id, p.year + 22, {}});
      const int f = static_cast<int>(families.size()) - 1;
      persons[static_cast<std::size_t>(husband)].fams.push_back(f);
      p.fams.push_back(f);
      openFamilies.push_back(f);
    }
    if (singleMen.size() > 2000) singleMen.erase(singleMen.begin(), singleMen.begin() + 1000);
  }

  std::ofstream out(path, std::ios::binary);
  if (!out) throw EInOutError("\"" + path + "\" kann nicht geschrieben werden.");
  TGedWriter w(out, TGedEncoding::Utf8);
  w.SetMaxValueLength(0);
  w.Line(0, "HEAD");
  w.Line(1, "SOUR", "OrvelinBench");
  w.Line(1, "CHAR", kGedCharUtf8);
  w.Line(1, "GEDC");
  w.Line(2, "VERS", "5.5");
  w.Line(2, "FORM", "LINEAGE-LINKED");
  for (int id = 1; id <= n; ++id) {
    const TPersonPlan& p = persons[static_cast<std::size_t>(id)];
    std::string name = r.Pick(p.sex == 0 ? kMen : kWomen);
    if (r.Chance(0.3)) name += std::string(" ") + r.Pick(p.sex == 0 ? kMen : kWomen);
    w.Line(0, "INDI", {}, "@I" + std::to_string(id) + "@");
    w.Line(1, "NAME", name + " /" + p.surname + "/");
    w.Line(1, "SEX", p.sex == 0 ? "M" : "F");
    const auto event = [&](const char* tag, int year, bool source) {
      w.Line(1, tag);
      w.Line(2, "DATE", Date(r, year));
      w.Line(2, "PLAC", r.Pick(kPlaces));
      if (source) w.Line(2, "SOUR", "Kirchenbuch " + std::string(r.Pick(kPlaces)));
    };
    event("BIRT", p.year, r.Chance(0.5));
    if (r.Chance(0.6)) event("CHR", p.year, r.Chance(0.3));
    if (r.Chance(0.8)) {
      const int death = p.year + 1 + r.Below(85);
      event("DEAT", death, r.Chance(0.3));
      if (r.Chance(0.6)) event("BURI", death, false);
    }
    if (r.Chance(0.5)) w.Line(1, "OCCU", r.Pick(kOccupations));
    if (r.Chance(0.2))
      w.Line(1, "NOTE", "Lebte als " + std::string(r.Pick(kOccupations)) + " in " + r.Pick(kPlaces) +
                            ".\nSpäter zog die Familie nach " + r.Pick(kPlaces) + ".\nQuelle: Gemeindearchiv");
    for (int f : p.fams) w.Line(1, "FAMS", "@F" + std::to_string(f) + "@");
    if (p.famc) w.Line(1, "FAMC", "@F" + std::to_string(p.famc) + "@");
  }
  for (std::size_t f = 1; f < families.size(); ++f) {
    const TFamilyPlan& fam = families[f];
    w.Line(0, "FAM", {}, "@F" + std::to_string(f) + "@");
    w.Line(1, "HUSB", "@I" + std::to_string(fam.husband) + "@");
    w.Line(1, "WIFE", "@I" + std::to_string(fam.wife) + "@");
    for (int c : fam.children) w.Line(1, "CHIL", "@I" + std::to_string(c) + "@");
    w.Line(1, "MARR");
    w.Line(2, "DATE", Date(r, fam.year));
    w.Line(2, "PLAC", r.Pick(kPlaces));
    if (r.Chance(0.05)) {
      w.Line(1, "DIV");
      w.Line(2, "DATE", Date(r, fam.year + 5 + r.Below(20)));
    }
  }
  w.Line(0, "TRLR");
  out.flush();
  if (!out) throw EInOutError("\"" + path + "\" kann nicht geschrieben werden.");
  return {n, static_cast<int>(families.size()) - 1, w.LinesWritten()};
}
