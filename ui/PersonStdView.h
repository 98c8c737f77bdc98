// TPersonStdView: the person data view. It shows and edits one person on
// seven pages and is where parents, children, marriages and further
// relationships are made. Person fields are kept in the window until
// "&Speichern"; relations are written the moment they are confirmed.
#pragma once

#include <QPointer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ui/AhnenView.h"
#include "ui/DiverseComp.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTableWidget;
class QToolButton;
class TListCombo;
class TMediaPlayerPanel;
class TPersonDropList;
class TRButton;
class TRCheckBox;
class TRDatum;
class TRDatumZusatz;
class TREdit;
class TRImage;
class TRRadioButton;

// The pages, in tab order.
enum TPersonPage : int {
  ppPerson = 0,
  ppDetails = 1,
  ppEhe = 2,
  ppElternKinder = 3,
  ppMedia = 4,
  ppZusaetze = 5,
  ppDiverses = 6,
  ppCount = 7,
};

class TPersonStdView : public TAhnenView {
  Q_OBJECT

 public:
  explicit TPersonStdView(QWidget* parent = nullptr);
  ~TPersonStdView() override;

  // --- the view base ---------------------------------------------------------
  std::unique_ptr<TPerson> GetPerson() override;
  void setPerson(std::unique_ptr<TPerson> person) override;
  void SetReadOnly(bool readOnly) override;
  void UpdateCaption() override;

  // setPerson with its answer: false when the user cancelled the question
  // about unsaved changes (the old person stays) or the person is invalid.
  bool ChangePerson(std::unique_ptr<TPerson> person);
  // Fills the controls of one page unless they are filled already.
  void loadTabData(int page);

  // --- refreshes, called when relations change elsewhere --------------------
  void DropMarriage(int marriageId) override;
  void RefreshFather();
  void RefreshMother();
  // Both parents, as the table holds them now.
  void RefreshParents();
  void RefreshChildren() override;
  void RefreshLinks() override;
  void AddMarriage(const TEheRec& rec, std::unique_ptr<TPerson> partner);
  void SetMarriedName(const std::string& text);
  // The married name as this view would save it.
  std::string MarriedName() const;

  // --- commands --------------------------------------------------------------
  // Writes what changed; false when an error stopped it.
  bool SaveBtnClick();
  void CloseBtnClick();
  // Deletes the person with all its relations, after asking.
  void DelBtnClick();
  // Deletes the item of the current page (context menu "&Löschen").
  void LoeschenMenuClick();
  // The main menu's "&Ehe löschen": the selected marriage.
  void EheLoeschenClick();
  // Whether "&Ehe löschen" applies now.
  bool CanDeleteMarriage() const override;
  // The main window's "&Löschen" and "&Ehe löschen".
  void DeleteCommand() override { DelBtnClick(); }
  void DeleteMarriageCommand() override { EheLoeschenClick(); }
  void NeuMenuClick();
  void AendernMenuClick();

  // Drops of a person (by id) onto the relation lists; each asks first.
  void EheDragDrop(int personId);
  void vaterDragDrop(int personId);
  void mutterDragDrop(int personId);
  void kinderDragDrop(int personId);
  void beziehungenDragDrop(int personId);

  bool HasUnsavedChanges() const;
  TPersonDetail* Detail() const;
  QMenu* ContextMenu() const { return contextMenu_; }
  // The index of the marriage shown on the marriages page, -1 for none.
  int ShownMarriage() const { return shownMarriage_; }

  // Every open person data view of the person.
  static std::vector<TPersonStdView*> OpenViews(int personId);

 protected:
  QString CaptionPrefix() const override { return QStringLiteral("Person: "); }
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class TLoadingGuard;

  // Building (PersonStdView.cpp and the page files).
  void BuildHeader(QWidget* host);
  QWidget* BuildPersonPage();
  QWidget* BuildDetailsPage();
  QWidget* BuildEhePage();
  QWidget* BuildElternKinderPage();
  QWidget* BuildMediaPage();
  QWidget* BuildZusaetzePage();
  QWidget* BuildDiversesPage();
  void BuildContextMenu();
  void ConnectChangeSignals();
  void ApplyReadOnly();

  // Header and person pages (PersonPage.cpp).
  void ShowHeader();
  void LoadPersonPage();
  void LoadDetailsPage();
  void CopyHeaderToRecord();
  void CopyPersonPagesToRecord();
  void SexClicked(int sex);
  void ShowSex(int sex);
  std::string CurrentSurname() const;

  // Marriages (EhePage.cpp).
  void LoadEhePage();
  void FillEheList(int select);
  void ShowMarriage(int index);
  void CopyMarriageBack();
  void ClearMarriageFields();
  void MarriageFieldChanged();
  void DeleteMarriageAt(int index);
  void AssignChildrenToPartner(const TPerson& partner);
  void AssignPartnerChildrenToMe(const TPerson& partner);
  void ProposeMarriedName(const TPerson& husband, const TPerson& wife);

  // Parents, children, links (ElternKinderPage.cpp).
  void LoadElternKinderPage();
  // Marks the page unloaded and fills it again when it is shown.
  void ReloadPage(int page);
  void EditLink(int index);
  void SyncParentsFromTable();
  void AssignParent(int personId, bool father);
  void DeleteParent(bool father);
  void DeleteChildAt(int row);
  void DeleteLinkAt(int index);
  void ListClicked(QListWidget* list);
  void OpenPersonOf(int personId);
  int SelectedPersonOf(QListWidget* list) const;

  // Media (MediaPage.cpp).
  void LoadMediaPage();
  void ShowMedia(int row);
  void MediaSuchenClick();
  void MediaTextEdited();
  void MoveMedia(int delta);
  void DeleteMediaAt(int row);
  void NewMedia();
  void FotoDoubleClicked();
  void SetMediaControlsEnabled(bool enabled);
  void UpdateMediaRow(int row);
  bool MediaNameFits(const std::string& name);

  // Free-form entries (DiversesPage.cpp).
  void LoadDiversesPage();
  void ClearDiverseRows();
  TDiverseComp* AddDiverseRow(const std::string& caption);
  void SaveDiverses();

  // Deleting (PersonDelete.cpp).
  void PrepareContextMenu();
  std::string DeleteQuestion();

  // Change tracking.
  void PersonFieldChanged();
  void EnableSave();
  bool Loading() const { return loading_ > 0; }
  bool IgnoreChanges() const { return Loading() || ReadOnly(); }
  // Runs a command; an error is shown once, here.
  template <class F>
  bool Guarded(F&& f);
  bool CommitFocusedDate();
  int CurrentPage() const;
  std::string Caption() const;

  // --- state -----------------------------------------------------------------
  std::array<bool, ppCount> loaded_{};
  int loading_ = 0;
  int shownMarriage_ = -1;
  int menuTarget_ = 0;
  bool deleting_ = false;
  QListWidget* activeList_ = nullptr;  // the page-3 list last clicked into
  TDiverseCompList diverseRows_;
  std::vector<std::string> mediaFileBefore_;

  // --- header ----------------------------------------------------------------
  TListCombo* Vorname = nullptr;
  TListCombo* Nachname = nullptr;
  TRDatum* GeburtDat = nullptr;
  TRDatum* TodDat = nullptr;
  TListCombo* Ort = nullptr;
  TRRadioButton* Mann = nullptr;
  TRRadioButton* Frau = nullptr;
  QLabel* Id = nullptr;
  QToolButton* PersonBtn = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CloseBtn = nullptr;
  QLabel* roImage = nullptr;
  QTabWidget* PageControl = nullptr;

  // --- page 0 ----------------------------------------------------------------
  TListCombo* Famname = nullptr;
  TListCombo* Buergerort = nullptr;
  TListCombo* Beruf = nullptr;
  TListCombo* Ausbildung = nullptr;
  QPlainTextEdit* Kommentar = nullptr;
  TRDatumZusatz* GeburtZusatz = nullptr;
  TListCombo* GeburtOrt = nullptr;
  TListCombo* GeburtQuelle = nullptr;
  TRDatumZusatz* TodZusatz = nullptr;
  TListCombo* TodOrt = nullptr;
  TListCombo* TodQuelle = nullptr;

  // --- page 1 ----------------------------------------------------------------
  TRDatum* TaufDat = nullptr;
  TRDatumZusatz* TaufZusatz = nullptr;
  TListCombo* Taufort = nullptr;
  TListCombo* TaufQuelle = nullptr;
  TRDatum* BestattDat = nullptr;
  TRDatumZusatz* Bestattzusatz = nullptr;
  TListCombo* BestattOrt = nullptr;
  TListCombo* BestattQuelle = nullptr;
  TREdit* Strasse = nullptr;
  TREdit* PLZ = nullptr;
  TListCombo* AdressOrt = nullptr;
  TListCombo* Land = nullptr;
  TREdit* Telefon = nullptr;
  TRCheckBox* Korrespondenz = nullptr;
  TListCombo* Religion = nullptr;
  TREdit* KarteiNr = nullptr;
  QPlainTextEdit* Quelle = nullptr;
  TREdit* Todesursache = nullptr;
  QLineEdit* Alter = nullptr;
  QLineEdit* Neu = nullptr;
  QLineEdit* geaendert = nullptr;

  // --- page 2 ----------------------------------------------------------------
  TPersonDropList* ehen = nullptr;
  TRCheckBox* Verheiratet = nullptr;
  TRDatum* HeiratDat = nullptr;
  TRDatumZusatz* HeiratZusatz = nullptr;
  TListCombo* HeiratOrt = nullptr;
  TListCombo* HeiratQuelle = nullptr;
  TRCheckBox* Geschieden = nullptr;
  TRDatum* ScheidDat = nullptr;
  TRDatumZusatz* ScheidZusatz = nullptr;
  TListCombo* ScheidOrt = nullptr;
  TListCombo* Scheidquelle = nullptr;
  QPlainTextEdit* eheKommentar = nullptr;
  QWidget* marriageFields_ = nullptr;

  // --- page 3 ----------------------------------------------------------------
  TPersonDropList* vater = nullptr;
  TPersonDropList* mutter = nullptr;
  TPersonDropList* kinder = nullptr;
  TPersonDropList* beziehungen = nullptr;

  // --- page 4 ----------------------------------------------------------------
  QTableWidget* MediaGrid = nullptr;
  TREdit* MediaTitle = nullptr;
  TREdit* MediaFilename = nullptr;
  TRButton* MediaSuchen = nullptr;
  QToolButton* mediaAufBtn = nullptr;
  QToolButton* mediaAbBtn = nullptr;
  QWidget* pictureArea_ = nullptr;
  TRImage* Foto = nullptr;
  TMediaPlayerPanel* MediaPlayer = nullptr;

  // --- page 5 ----------------------------------------------------------------
  TListCombo* zsRufname = nullptr;
  TREdit* zsTitel = nullptr;
  QListWidget* ListBox1 = nullptr;

  // --- page 6 ----------------------------------------------------------------
  QScrollArea* Diverses = nullptr;

  // --- context menu ------------------------------------------------------------
  QMenu* contextMenu_ = nullptr;
  QAction* personenDatenItem_ = nullptr;
  QAction* vorfahrenItem_ = nullptr;
  QAction* nachkommenItem_ = nullptr;
  QAction* grafikItem_ = nullptr;
  QAction* favoritItem_ = nullptr;
  QAction* loeschenItem_ = nullptr;
  QAction* neuItem_ = nullptr;
  QAction* aendernItem_ = nullptr;
};

// Makes the view manager create TPersonStdView for the person data kind.
void RegisterPersonStdView();
