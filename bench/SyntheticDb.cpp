#include "bench/SyntheticDb.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/TextFile.h"
#include "db/AhnenDB.h"
#include "db/KeywordBatch.h"
#include "db/Schema.h"

namespace {

const std::vector<const char*> kMen = {
    "Johann", "Josef", "Franz", "Karl", "Heinrich", "Friedrich", "Wilhelm", "Georg", "Jakob", "Peter",
    "Anton", "Michael", "Andreas", "Hans", "Paul", "Ludwig", "Martin", "Matthias", "Christian", "Konrad",
    "Ernst", "Otto", "Hermann", "Walter", "Kaspar", "Balthasar", "Melchior", "Sebastian", "Ulrich", "Rudolf",
    "Albert", "Alois", "Leopold", "Ignaz", "Xaver", "Bernhard", "Gottfried", "Emil", "Fritz", "Theodor"};
const std::vector<const char*> kWomen = {
    "Maria", "Anna", "Elisabeth", "Katharina", "Margaretha", "Barbara", "Magdalena", "Theresia", "Johanna",
    "Franziska", "Josepha", "Sophia", "Regina", "Ursula", "Agnes", "Christina", "Dorothea", "Helena", "Rosina",
    "Juliana", "Walburga", "Kreszentia", "Afra", "Veronika", "Klara", "Luise", "Berta", "Emma", "Frieda",
    "Gertrud", "Hedwig", "Ida", "Martha", "Paula", "Rosa", "Wilhelmine", "Karoline", "Amalie", "Ottilie", "Lina"};
const std::vector<const char*> kSurnames = {
    "Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker", "Schulz", "Hoffmann",
    "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf", "Schröder", "Neumann", "Schwarz", "Zimmermann",
    "Braun", "Krüger", "Hofmann", "Hartmann", "Lange", "Schmitt", "Werner", "Schmitz", "Krause", "Meier",
    "Lehmann", "Schmid", "Schulze", "Maier", "Köhler", "Herrmann", "König", "Walter", "Mayer", "Huber",
    "Kaiser", "Fuchs", "Peters", "Lang", "Scholz", "Möller", "Weiß", "Jung", "Hahn", "Schubert",
    "Vogel", "Friedrich", "Keller", "Günther", "Frank", "Berger", "Winkler", "Roth", "Beck", "Lorenz",
    "Baumann", "Franke", "Albrecht", "Schuster", "Simon", "Ludwig", "Böhm", "Winter", "Kraus", "Martin",
    "Schumacher", "Krämer", "Vogt", "Stein", "Jäger", "Otto", "Sommer", "Groß", "Seidel", "Heinrich",
    "Brandt", "Haas", "Schreiber", "Graf", "Schulte", "Dietrich", "Ziegler", "Kuhn", "Kühn", "Pohl",
    "Engel", "Horn", "Busch", "Bergmann", "Thomas", "Voigt", "Sauer", "Arnold", "Wolff", "Pfeiffer",
    "Brunner", "Gruber", "Moser", "Steiner", "Hofer", "Egger", "Leitner", "Berger-Huber", "Ober", "Zeller"};
const std::vector<const char*> kPlaces = {
    "München", "Augsburg", "Nürnberg", "Regensburg", "Passau", "Landshut", "Ingolstadt", "Würzburg",
    "Bamberg", "Bayreuth", "Erding", "Freising", "Dachau", "Rosenheim", "Traunstein", "Altötting",
    "Mühldorf am Inn", "Wasserburg am Inn", "Kempten", "Memmingen", "Lindau", "Füssen", "Garmisch",
    "Bad Tölz", "Weilheim", "Starnberg", "Fürstenfeldbruck", "Pfaffenhofen", "Neuburg an der Donau",
    "Eichstätt", "Kelheim", "Straubing", "Deggendorf", "Cham", "Amberg", "Weiden", "Schwandorf", "Ansbach",
    "Dinkelsbühl", "Rothenburg ob der Tauber", "Stuttgart", "Ulm", "Heilbronn", "Tübingen", "Reutlingen",
    "Esslingen", "Ludwigsburg", "Freiburg im Breisgau", "Konstanz", "Ravensburg", "Salzburg", "Innsbruck",
    "Linz", "Wien", "Graz", "Bregenz", "Basel", "Bern", "Zürich", "St. Gallen"};
const std::vector<const char*> kOccupations = {
    "Bauer", "Taglöhner", "Knecht", "Magd", "Schmied", "Müller", "Bäcker", "Metzger", "Schneider",
    "Schuhmacher", "Weber", "Zimmermann", "Maurer", "Wirt", "Lehrer", "Pfarrer", "Händler", "Fuhrmann",
    "Gerber", "Brauer", "Kaufmann", "Beamter", "Soldat", "Hebamme", "Näherin", "Köchin", "Dienstmagd",
    "Schreiner", "Glaser", "Sattler"};
const std::vector<const char*> kReligions = {"rk", "ev", "rk", "rk", "ev-luth"};

struct TPlan {
  int sex = 0;
  std::string vorname, nachname, famname, ort, geburtOrt, beruf, religion;
  std::string geburt, tod, taufe;
  int vater = 0, mutter = 0;
};

struct TCouple {
  int mann, frau;
  std::string heirat, ort;
};

class TGenerator {
 public:
  explicit TGenerator(unsigned seed) : rng_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  template <class T>
  const T& Pick(const std::vector<T>& v) { return v[static_cast<std::size_t>(Below(static_cast<int>(v.size())))]; }

  // "yyyy.mm.dd"; sometimes only the year or year and month are known.
  std::string Date(int year) {
    char buf[32];
    const int kind = Below(10);
    const int month = kind == 0 ? 0 : 1 + Below(12);
    const int day = kind <= 1 ? 0 : 1 + Below(28);
    std::snprintf(buf, sizeof buf, "%04d.%02d.%02d", year, month, day);
    return buf;
  }

 private:
  std::mt19937 rng_;
};

int YearOf(const std::string& date) { return std::atoi(date.substr(0, 4).c_str()); }

}  // namespace

std::string CreateSyntheticProject(const std::string& dirArg, const std::string& title) {
  const std::string dir = IncludeTrailingSeparator(dirArg);
  std::error_code ec;
  std::filesystem::create_directories(dir + "media", ec);
  if (!DirectoryExists(dir))
    throw EInOutError("Das Datenbank-Verzeichnis \"" + dir + "\" konnte nicht erstellt werden!");
  CreateDatabaseFiles(dir, ProgramPath());
  const std::string project = dir + "Orvelin.ov";
  WriteFileBytesAtomic(project, EncodeTextFile(NewProjectFileText(title, dir + "media/")));
  return project;
}

double FillSyntheticDb(TAhnenDB& db, const TSyntheticSize& size) {
  TGenerator g(size.seed);
  const int n = size.persons;
  std::vector<TPlan> plans(static_cast<std::size_t>(n));
  std::vector<TCouple> couples;
  std::vector<int> recentMen;  // ids of the last men, husbands for the next women
  // Ids are given in order from 1; about 25 years lie between parents and children.
  const int generationLag = std::max(1, n / 13);
  std::size_t eligible = 0;  // couples whose wife is old enough to have children now
  const double marriageChance = n > 0 ? std::min(1.0, 2.2 * size.marriages / n) : 0;

  for (int i = 0; i < n; ++i) {
    const int id = i + 1;
    TPlan& p = plans[static_cast<std::size_t>(i)];
    p.sex = g.Below(2);
    p.vorname = g.Pick(p.sex == 0 ? kMen : kWomen);
    if (g.Chance(0.3)) p.vorname += std::string(" ") + g.Pick(p.sex == 0 ? kMen : kWomen);
    const int year = 1600 + static_cast<int>(330LL * i / std::max(1, n)) + g.Below(11) - 5;
    p.geburt = g.Date(year);
    if (g.Chance(0.3)) p.taufe = g.Date(year);
    if (g.Chance(0.7)) p.tod = g.Date(year + g.Below(90));
    p.ort = g.Pick(kPlaces);
    if (g.Chance(0.5)) p.geburtOrt = g.Pick(kPlaces);
    if (g.Chance(0.4)) p.beruf = g.Pick(kOccupations);
    p.religion = g.Pick(kReligions);

    while (eligible < couples.size() && couples[eligible].frau <= id - generationLag) ++eligible;
    if (eligible > 0 && g.Chance(0.8)) {
      const int window = static_cast<int>(std::min<std::size_t>(eligible, 2000));
      const TCouple& c = couples[eligible - 1 - static_cast<std::size_t>(g.Below(window))];
      p.vater = c.mann;
      p.mutter = c.frau;
      p.nachname = plans[static_cast<std::size_t>(c.mann - 1)].nachname;
    } else {
      p.nachname = g.Pick(kSurnames);
    }

    if (p.sex == 0) {
      recentMen.push_back(id);
      if (recentMen.size() > 500) recentMen.erase(recentMen.begin(), recentMen.begin() + 250);
    } else if (!recentMen.empty() && static_cast<int>(couples.size()) < size.marriages && g.Chance(marriageChance)) {
      const int mann = g.Pick(recentMen);
      p.famname = plans[static_cast<std::size_t>(mann - 1)].nachname;
      couples.push_back({mann, id, g.Date(YearOf(p.geburt) + 18 + g.Below(12)), g.Pick(kPlaces)});
    }
  }

  auto tx = db.Transaction();
  // Keywords once at the end, as an import builds them.
  TKeywordBatch keywords(db);
  for (const TPlan& plan : plans) {
    TPersonDetail p;
    p.Geschlecht = plan.sex;
    p.Vorname = plan.vorname;
    p.Nachname = plan.nachname;
    p.Famname = plan.famname;
    p.Geburt = plan.geburt;
    if (!plan.taufe.empty()) p.Taufe = plan.taufe;
    if (!plan.tod.empty()) p.Tod = plan.tod;
    p.Ort = plan.ort;
    p.GeburtOrt = plan.geburtOrt;
    p.Beruf = plan.beruf;
    p.Religion = plan.religion;
    p.Vater = plan.vater;
    p.Mutter = plan.mutter;
    db.insert(p);
  }
  for (const TCouple& c : couples) {
    TEheRec m;
    m.Mann = c.mann;
    m.Frau = c.frau;
    m.Verheiratet = true;
    m.Heirat = c.heirat;
    m.HeiratOrt = c.ort;
    db.insertMarriage(m);
  }
  const auto sweep = std::chrono::steady_clock::now();
  keywords.Finish();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - sweep).count();
  tx->Commit();
  return seconds;
}
