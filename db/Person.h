// The in-memory records of persons, marriages and the entries attached to a
// person (links, media, free-form entries), with their collections and the
// texts every list shows. Records are filled and stored by AhnenDB; a
// TPersonDetail loads its relatives on first use and owns them. Texts are
// UTF-8 and cut to their field sizes when stored.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TPersons;
class TPartners;
class TLinks;
class TMediae;
class TDiverse;
using TChildren = TPersons;

inline constexpr const char* kNoDate = "0000.00.00";

class TPerson {
 public:
  TPerson() = default;
  virtual ~TPerson() = default;
  TPerson(const TPerson&) = default;
  TPerson& operator=(const TPerson&) = default;

  std::string Nachname;
  std::string Vorname;
  int Id = 0;
  int Geschlecht = 2;  // 0 male, 1 female, 2 unknown
  int Vater = 0;
  int Mutter = 0;
  std::string Geburt = kNoDate;
  std::string Tod = kNoDate;
  std::string Ort;
  std::string Famname;
  std::string Taufe = kNoDate;
  std::string Bestattung = kNoDate;
  int GeburtZusatz = 0, TodZusatz = 0, TaufeZusatz = 0, BestattungZusatz = 0;

  // Stored through AhnenDB.
  virtual void insert();
  virtual void update();
  virtual void remove();  // "delete"

  // Dates with the fall-backs to baptism and burial.
  std::string birthDate() const;
  std::string deathDate() const;
  std::string birthOrBaptismDate() const;
  std::string deathOrBurialDate() const;
  std::string birthSortDate() const;
  std::string birthText() const;
  std::string deathText() const;
  std::string birthTextAlt() const;
  std::string deathTextAlt() const;
  std::string lifeSpanText() const;

  // Names and captions.
  std::string surnameText() const;
  std::string listSurname() const;
  std::string fullName() const;
  std::string sortName() const;
  std::string nameDates() const;
  std::string nameDatesId() const;
  std::string nameDatesPlace() const;
  std::string listText() const;
  std::string nameIdText() const;
  std::string firstNameDatesPlace() const;
  std::string firstNameDatesPlaceId() const;
  virtual std::string fullText() const;
  std::string fullTextId() const;
  std::string formatName(bool withFirst, bool withSurname, bool withPlace, bool withDeath, bool withBirth) const;

  virtual bool IsDetail() const { return false; }
};

// -1, 0 or 1 by birthDate().
int compareBirth(const TPerson& a, const TPerson& b);

class TPersonDetail : public TPerson {
 public:
  TPersonDetail();
  ~TPersonDetail() override;
  // Copies the fields, not the loaded relatives.
  TPersonDetail(const TPersonDetail& other);
  TPersonDetail& operator=(const TPersonDetail& other);

  std::string Buergerort;
  std::string GeburtOrt, GeburtQuelle, TodOrt, TodQuelle, TaufeOrt, TaufeQuelle, BestattungOrt, BestattungQuelle;
  std::string KarteiNr;
  std::string Ausbildung, Beruf;
  std::vector<std::string> Kommentar;  // one entry per line
  std::string Strasse;
  std::string PLZ;
  std::string AdressOrt;
  std::string Land, Telefon;
  bool Korrespondenz = false;
  std::string Religion;
  std::string Quelle;
  std::string Todesursache;
  std::string Neu = kNoDate, Geaendert = kNoDate;
  bool viewFlag = false;

  // Relatives, loaded through AhnenDB on first use and kept.
  TPartners& partners();
  TChildren& children();
  TLinks& links();
  TMediae& mediae();
  TDiverse& diverse();
  bool partnersLoaded() const { return partners_ != nullptr; }
  bool linksLoaded() const { return links_ != nullptr; }
  bool mediaeLoaded() const { return mediae_ != nullptr; }
  bool diverseLoaded() const { return diverse_ != nullptr; }
  void reloadChildren();
  void reloadLinks();
  TPerson& father();
  TPerson& mother();
  TPerson& refreshFather();
  TPerson& refreshMother();

  std::string fullText() const override;
  bool IsDetail() const override { return true; }

 private:
  std::unique_ptr<TPartners> partners_;
  std::unique_ptr<TChildren> children_;
  std::unique_ptr<TLinks> links_;
  std::unique_ptr<TMediae> mediae_;
  std::unique_ptr<TDiverse> diverse_;
  std::unique_ptr<TPerson> father_, mother_;
};

struct TEheRec {
  int Id = 0;
  int Mann = 0;
  int Frau = 0;
  std::string Heirat = kNoDate;
  bool Verheiratet = false;
  std::string HeiratOrt;
  int HeiratZusatz = 0;
  std::string HeiratQuelle;
  std::string Scheidung = kNoDate;
  bool Geschieden = false;
  std::string ScheidungOrt;
  int ScheidungZusatz = 0;
  std::string ScheidungQuelle;
  std::vector<std::string> Kommentar;
  std::string Neu = kNoDate, Geaendert = kNoDate;

  // "Name, Ort [id] & Name, Ort [id]" of husband and wife.
  std::string marriageText() const;
};

// A marriage or partnership seen from one of its two persons.
class TPartner : public TEheRec {
 public:
  TPartner() { Verheiratet = true; }
  // A copy of rec with the given partner.
  TPartner(const TEheRec& rec, std::unique_ptr<TPerson> partner);
  ~TPartner();
  TPartner(TPartner&&) = default;

  std::unique_ptr<TPerson> Partner;  // the other person; may be empty
  bool Changed = false;

  std::string partnerText() const;
};

class TLink {
 public:
  virtual ~TLink() = default;
  int Id1 = 0;
  int Id2 = 0;
  std::string Text;
  int AutoInc = 0;
  std::unique_ptr<TPerson> Person;  // the person of Id2; may be empty
  bool Changed = false;

  virtual void insert();
  virtual void update();
  virtual void remove();
  std::string linkText() const;
};

class TMedia {
 public:
  virtual ~TMedia() = default;
  int Id = 0;
  std::string Title;
  std::string File;
  int AutoInc = 0;
  bool Changed = false;

  virtual void insert();
  virtual void update();
  virtual void remove();
  std::string mediaText() const;
  std::string fullPath() const;
};

class TDiverses {
 public:
  virtual ~TDiverses() = default;
  int Id = 0;
  std::string Title;
  std::string Text;
  std::string Datum = kNoDate;
  int DatumZusatz = 0;
  std::string Quelle;
  int AutoInc = 0;
  bool Flag = false;

  virtual void insert();
  virtual void update();
  virtual void remove();
  std::string diversesText() const;
};

// Ordered collections that own their items.
template <class T>
class TOwningList {
 public:
  void Insert(std::unique_ptr<T> item) { items_.push_back(std::move(item)); }
  void AtInsert(std::size_t index, std::unique_ptr<T> item) {
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(std::min(index, items_.size())), std::move(item));
  }
  void atPut(std::size_t index, std::unique_ptr<T> item) { items_.at(index) = std::move(item); }
  std::unique_ptr<T> Take(std::size_t index) {
    std::unique_ptr<T> item = std::move(items_.at(index));
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    return item;
  }
  T& operator[](std::size_t index) const { return *items_.at(index); }
  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 protected:
  std::vector<std::unique_ptr<T>> items_;
};

class TPersons : public TOwningList<TPerson> {
 public:
  // Inserts from the end: after the last person whose birthSortDate is less
  // than or equal to the new one's, so the order is stable.
  void InsertByBirth(std::unique_ptr<TPerson> person);
};
class TPartners : public TOwningList<TPartner> {};
class TLinks : public TOwningList<TLink> {};
class TMediae : public TOwningList<TMedia> {};
class TDiverse : public TOwningList<TDiverses> {};
