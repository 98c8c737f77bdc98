// Import, export, import again: the second database holds the same persons,
// marriages and partnerships, parent links, further relationships, media and
// free-form entries as the first, field by field. Ids differ (each import
// numbers in the order of mention), so persons are described by their fields
// and those of the persons they point to; change dates are not exported.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/Configuration.h"
#include "exchange/GedExport.h"
#include "tests/exchange/ExchangeTestSupport.h"
#include "tests/exchange/GedImportTestSupport.h"

namespace {

using Lines = std::vector<std::string>;

struct TQuietExport : IGedExportProgress {
  void SetEntryText(const std::string&) override {}
  void AddMessage(const std::string&) override {}
  void ProgressStep(int) override {}
};

// Every field a GEDCOM file carries, parents and partners by their names.
std::string Own(const TPersonDetail& p) {
  if (p.Id == 0) return "-";
  std::string s = p.Vorname + "/" + p.Nachname + "/" + p.Famname + " sex " + std::to_string(p.Geschlecht);
  const auto event = [&](const char* name, const std::string& date, int q, const std::string& place,
                         const std::string& source) {
    s += std::string(" ") + name + " " + date + "~" + std::to_string(q) + " " + place + " [" + source + "]";
  };
  event("geb", p.Geburt, p.GeburtZusatz, p.GeburtOrt, p.GeburtQuelle);
  event("get", p.Taufe, p.TaufeZusatz, p.TaufeOrt, p.TaufeQuelle);
  event("gest", p.Tod, p.TodZusatz, p.TodOrt, p.TodQuelle);
  event("beerd", p.Bestattung, p.BestattungZusatz, p.BestattungOrt, p.BestattungQuelle);
  for (const std::string* f : {&p.Todesursache, &p.Ort, &p.Buergerort, &p.KarteiNr, &p.Ausbildung, &p.Beruf,
                               &p.Religion, &p.Strasse, &p.PLZ, &p.AdressOrt, &p.Land, &p.Telefon, &p.Quelle})
    s += " |" + *f;
  s += p.Korrespondenz ? " K" : " -";
  for (const std::string& line : p.Kommentar) s += "\n  " + line;
  return s;
}

class GedImportRoundTripTest : public GedImportTest {
 protected:
  // The persons with their parents, links, media and entries, and the
  // marriages with both partners, each as one text, sorted.
  Lines Describe() {
    Lines out;
    const auto all = AllPersons();
    for (const auto& p : all) {
      std::string s = Own(*p) + "\n  Vater: " + Own(*db().getPersonDetail(p->Vater)) +
                      "\n  Mutter: " + Own(*db().getPersonDetail(p->Mutter));
      const auto links = db().getLinks(*p);
      for (const auto& l : *links) s += "\n  Link " + l->Text + ": " + Own(*db().getPersonDetail(l->Id2));
      const auto media = db().getMediae(*p);
      for (const auto& m : *media) s += "\n  Media " + m->File + " | " + m->Title;
      const auto entries = db().getDiverse(*p);
      for (const auto& d : *entries) s += "\n  Diverses " + d->Title + ": " + d->Text;
      out.push_back(s);
    }
    for (const TEheRec& m : AllMarriages()) {
      std::string s = "Ehe " + std::string(m.Verheiratet ? "verheiratet " : "Partner ") + m.Heirat + "~" +
                      std::to_string(m.HeiratZusatz) + " " + m.HeiratOrt + " [" + m.HeiratQuelle + "]" +
                      (m.Geschieden ? " geschieden " : " - ") + m.Scheidung + "~" + std::to_string(m.ScheidungZusatz) +
                      " " + m.ScheidungOrt + " [" + m.ScheidungQuelle + "]";
      for (const std::string& line : m.Kommentar) s += "\n  " + line;
      s += "\n  Mann: " + Own(*db().getPersonDetail(m.Mann)) + "\n  Frau: " + Own(*db().getPersonDetail(m.Frau));
      out.push_back(s);
    }
    std::sort(out.begin(), out.end());
    return out;
  }

  // Exports the open database, opens a new, empty one and imports the file there.
  void ExportAndImportIntoANewDatabase(TGedEncoding charset) {
    TGedExportOptions o;
    o.Charset = charset;
    TQuietExport quiet;
    RunGedExport(db(), dir.File("export.ged"), o, quiet);
    Config->CloseDatabase();
    Config.reset();
    std::filesystem::create_directories(dir.File("zweite"));
    Config = std::make_unique<TConfiguration>(WriteProject("[Allgemein]\nTitel=Zweite\n", "zweite/Test.ov"));
    ASSERT_EQ(db().RecordCount(TableId::Person), 0);
    last_ = std::make_unique<TGedImport>(dir.File("export.ged"));
    last_->Run(progress, &namer);
  }

  std::unique_ptr<TGedImport> last_;
};

struct TRoundTrip {
  const char* name;
  const char* file;  // in the repository, or with corpus: in the public corpus
  bool corpus;
  TGedEncoding charset;
  int persons;
};

class GedImportRoundTrip : public GedImportRoundTripTest, public ::testing::WithParamInterface<TRoundTrip> {};

TEST_P(GedImportRoundTrip, GivesTheSameData) {
  const TRoundTrip& t = GetParam();
  const std::string path = t.corpus ? CorpusDir() + "/" + t.file : std::string(ORVELIN_SOURCE_DIR) + "/" + t.file;
  if (t.corpus && !std::filesystem::exists(path)) GTEST_SKIP() << "the GEDCOM corpus is not at " << CorpusDir();
  last_ = std::make_unique<TGedImport>(path);
  const TGedImportCounts counts = last_->Run(progress, &namer).counts;
  ASSERT_EQ(counts.persons, t.persons);
  const Lines before = Describe();
  // The description holds every row the import made.
  std::size_t marriages = 0, links = 0, media = 0, entries = 0;
  for (const std::string& d : before) {
    marriages += d.rfind("Ehe ", 0) == 0;
    for (std::size_t at = d.find("\n  "); at != std::string::npos; at = d.find("\n  ", at + 1)) {
      links += d.compare(at + 3, 5, "Link ") == 0;
      media += d.compare(at + 3, 6, "Media ") == 0;
      entries += d.compare(at + 3, 9, "Diverses ") == 0;
    }
  }
  EXPECT_EQ(marriages, static_cast<std::size_t>(counts.marriages));
  EXPECT_EQ(links, static_cast<std::size_t>(counts.links));
  EXPECT_EQ(media, static_cast<std::size_t>(counts.media));
  EXPECT_EQ(entries, static_cast<std::size_t>(counts.diverses));
  ExportAndImportIntoANewDatabase(t.charset);
  const Lines after = Describe();
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Files, GedImportRoundTrip,
    ::testing::Values(TRoundTrip{"Sample", "sample/Beispiel.ged", false, TGedEncoding::Ansi, 61},
                      TRoundTrip{"SampleUtf8", "sample/Beispiel.ged", false, TGedEncoding::Utf8, 61},
                      TRoundTrip{"Kennedy", "real/Kennedy+Family.ged", true, TGedEncoding::Ansi, 69},
                      TRoundTrip{"Torture", "torture/TGC551LF.ged", true, TGedEncoding::Utf8, 15},
                      TRoundTrip{"Royal", "real/royal92_LF.ged", true, TGedEncoding::Ansel, 3010}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GedImportRoundTripTest, SampleHoldsWhatItPromises) {
  last_ = std::make_unique<TGedImport>(ORVELIN_SOURCE_DIR "/sample/Beispiel.ged");
  const TGedImportResult r = last_->Run(progress, &namer);
  EXPECT_EQ(progress.messages, (Lines{"GEDCOM-Datei ist eingelesen!", "Falls ungültige oder unbekannte Informationen gefunden ",
                                      "wurden, wurden diese ausgegeben und automatisch ",
                                      "im Personen-Kommentar gespeichert."}))
      << "the sample uses nothing the import does not know";
  EXPECT_EQ(r.counts.persons, 61);
  EXPECT_EQ(r.counts.marriages, 27);
  EXPECT_EQ(r.counts.links, 3);
  EXPECT_EQ(r.counts.media, 1);
  EXPECT_EQ(r.counts.diverses, 4);
  int divorced = 0, partnerships = 0;
  for (const TEheRec& m : AllMarriages()) divorced += m.Geschieden, partnerships += !m.Verheiratet;
  EXPECT_EQ(divorced, 2);
  EXPECT_EQ(partnerships, 1);
  const auto founder = Person("Johann Georg", "Müller");
  EXPECT_EQ(founder->Kommentar.size(), 3u);
  EXPECT_EQ(founder->Buergerort, "Zürich");
  const auto media = db().getMediae(*founder);
  ASSERT_EQ(media->Count(), 1u);
  EXPECT_EQ((*media)[0].File, "baeckerei.png");
  EXPECT_TRUE(std::filesystem::exists(ORVELIN_SOURCE_DIR "/sample/baeckerei.png"));
  int qualified[6] = {};
  for (const auto& p : AllPersons())
    for (int q : {p->GeburtZusatz, p->TaufeZusatz, p->TodZusatz, p->BestattungZusatz}) ++qualified[q];
  for (int q = 1; q <= 4; ++q) EXPECT_GT(qualified[q], 0) << "qualifier " << q;
}

}  // namespace
