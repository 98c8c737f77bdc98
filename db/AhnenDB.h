// TAhnenDB: the open database of a directory, the only code that reads and
// writes its tables. The eight table files are attached to one SQLite
// connection (Person.DB as the main file), so a change that touches several
// tables commits atomically. Every get operation returns a new object the
// caller owns; ids of 0 or below read as empty records. Every writing
// operation commits before it returns (or joins the caller's transaction,
// see Transaction()).
#pragma once

#include <map>
#include <memory>
#include <string>

#include "db/Person.h"
#include "db/Schema.h"
#include "db/Sqlite.h"

class TAhnenDB {
 public:
  // Opens the database in dbPath (ending in '/'). Throws EConfiguration
  // "Datenbank konnte nicht geöffnet werden!" after showing the engine's
  // message; nothing stays open then.
  explicit TAhnenDB(const std::string& dbPath);
  ~TAhnenDB();
  TAhnenDB(const TAhnenDB&) = delete;
  TAhnenDB& operator=(const TAhnenDB&) = delete;

  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  const std::string& Path() const { return path_; }
  // True when key.DB was missing and this opening created it.
  bool KeywordTableCreated = false;

  TSqliteConnection& Connection();
  // A prepared statement kept for the life of the connection; it is reset
  // and its bindings cleared before it is handed out.
  TStatement& Cached(const std::string& sql);
  // Bulk work (imports, keyword rebuild) runs inside one: operations then
  // join it instead of committing each.
  std::unique_ptr<TTransaction> Transaction();
  int RecordCount(TableId table);

  // --- reading -------------------------------------------------------------
  std::unique_ptr<TPerson> getPerson(int id);
  std::unique_ptr<TPersonDetail> getPersonDetail(int id);
  bool personExists(int id);
  std::string personText(int id);
  std::unique_ptr<TChildren> getChildren(const TPerson& person);
  bool hasChildren(const TPerson& person);
  std::unique_ptr<TPartners> getPartners(const TPerson& person);
  std::unique_ptr<TLinks> getLinks(const TPerson& person);
  std::unique_ptr<TLinks> getLinksTo(int id);
  std::unique_ptr<TMediae> getMediae(const TPerson& person);
  std::unique_ptr<TDiverse> getDiverse(const TPerson& person);
  std::string firstImageFile(int id);
  int findMarriage(int mann, int frau);
  // The marriage row with this id; an empty record (Id 0) when there is none.
  std::unique_ptr<TEheRec> getMarriage(int id);
  int findByKarteiNr(const std::string& nr);
  int insertKarteiPerson(const std::string& nr);
  int idForKarteiNr(const std::string& nr);
  std::unique_ptr<TPersonDetail> personDetailForKarteiNr(const std::string& nr);

  // --- writing ---------------------------------------------------------------
  void insert(TPerson& person);
  void update(TPerson& person);
  void remove(TPerson& person);  // "delete": the person row and its keywords only
  void updateChangeDate(TPersonDetail& detail);
  void insertMarriage(TEheRec& rec);
  void updateMarriage(TEheRec& rec);
  void deleteMarriage(TEheRec& rec);
  void insertMedia(TMedia& m);
  void updateMedia(TMedia& m);
  void deleteMedia(TMedia& m);
  void insertDiverses(TDiverses& d);
  void updateDiverses(TDiverses& d);
  void deleteDiverses(TDiverses& d);
  void insertLink(TLink& l);
  void updateLink(TLink& l);
  void deleteLink(TLink& l);
  // Deletes the person with its marriages, parent references of its
  // children, links both ways, media, free-form entries and keywords, as one
  // transaction. False when its open person view refused to close.
  bool DeletePersonWithRelations(int id);

  // --- keywords --------------------------------------------------------------
  void updatePersonKeys(const TPersonDetail& detail);
  void updatePersonKeysById(int id);
  void updateMarriageKeys(const TEheRec& rec);
  void updateDiversesKeys(const TDiverses& d);
  void deletePersonKeys(int id);
  void insertKey(int pid, int eid, const std::string& anzText, int keytype, const std::string& key);
  void clearKeys();

 private:
  void Open();
  void StorePerson(TPerson& person, const TPersonDetail& before, bool isNew);
  void Log(const std::string& text);

  std::string path_;
  std::unique_ptr<TSqliteConnection> db_;
  std::map<std::string, std::unique_ptr<TStatement>> statements_;
  int lockFd_ = -1;
};

// The database of the open project, or empty.
extern std::unique_ptr<TAhnenDB> AhnenDB;
