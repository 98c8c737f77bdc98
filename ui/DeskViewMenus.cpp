// The menus and the tool bar of the main window: texts, shortcuts, object
// names and which commands need an open database or a writable one.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>

#include "ui/AhnenView.h"
#include "ui/DeskView.h"
#include "ui/MenuCommands.h"
#include "ui/QtText.h"
#include "ui/ToolIcons.h"
#include "ui/ViewManager.h"

namespace {

QMenu* AddMenu(QMenu* parent, QMenuBar* bar, const char* title, const char* objectName) {
  QMenu* menu = parent ? parent->addMenu(QString::fromUtf8(title)) : bar->addMenu(QString::fromUtf8(title));
  menu->setObjectName(QString::fromLatin1(objectName));
  return menu;
}

QAction* Pending(QAction* a) {
  SetPending(a, true);
  return a;
}

}  // namespace

void TDeskView::BuildMenus() {
  BuildDatabaseMenu();
  BuildEditMenu();
  BuildViewMenu();
  BuildPersonMenu();
  BuildSettingsMenu();
  BuildHtmlMenu();
  BuildPrintMenu();
  BuildWindowMenu();
  BuildHelpMenu();

  // Not in the menu: the log window for the developer.
  auto* logToggle = new QAction(QStringLiteral("Protokollfenster"), this);
  logToggle->setObjectName(QStringLiteral("LogFensterItem"));
  logToggle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
  connect(logToggle, &QAction::triggered, this, [this] { logWindow_->setVisible(logWindow_->isHidden()); });
  addAction(logToggle);
}

void TDeskView::BuildDatabaseMenu() {
  QMenu* m = databaseMenu_ = AddMenu(nullptr, menuBar(), "&Datenbank", "DatenbankMenu");
  connect(AddCommand(m, "&Oeffnen...", "OeffnenItem"), &QAction::triggered, this, [this] { Guarded([this] { OpenCommand(); }); });
  connect(AddCommand(m, "&Neu...", "NeuDBItem"), &QAction::triggered, this,
          [this] { Guarded([this] { NewDatabaseCommand(); }); });
  QAction* info = AddCommand(m, "&Info", "InfoItem");
  connect(info, &QAction::triggered, this, [this] { Guarded([this] { InfoCommand(); }); });
  databaseCommands_ << info;
  m->addSeparator();
  Pending(AddCommand(m, "&Druckereinrichtung...", "DruckereinrichtungItem"));
  QMenu* archive = AddMenu(m, nullptr, "Orvelin-&Archiv", "ArchivMenu");
  // Both close the database first, through CloseForMaintenance.
  Pending(AddCommand(archive, "&Daten sichern...", "ArchivSichernItem"));
  Pending(AddCommand(archive, "&Daten einlesen...", "ArchivEinlesenItem"));
  QMenu* gedcom = AddMenu(m, nullptr, "&GEDCOM", "GedcomMenu");
  databaseCommands_ << gedcom->menuAction();
  Pending(AddCommand(gedcom, "&Datei schreiben...", "GedcomSchreibenItem"));
  writingCommands_ << Pending(AddCommand(gedcom, "&Datei einlesen...", "GedcomEinlesenItem"));
  databaseCommands_ << Pending(AddCommand(m, "&FOKO Export...", "FokoExportItem"))
                    << Pending(AddCommand(m, "&Tiny Tafel Export...", "TinyTafelExportItem"))
                    << Pending(AddCommand(m, "Te&xtdatei Export...", "TextdateiExportItem"));
  m->addSeparator();
  Pending(AddCommand(m, "Reparatur...", "ReparaturItem"));
  m->addSeparator();
  QAction* close = AddCommand(m, "&Schliessen", "SchliessenItem");
  connect(close, &QAction::triggered, this, [this] { Guarded([this] { CloseCommand(); }); });
  databaseCommands_ << close;
  connect(AddCommand(m, "&Beenden", "BeendenItem"), &QAction::triggered, this,
          [this] { Guarded([this] { ExitCommand(); }); });
  recentSeparator_ = m->addSeparator();
}

void TDeskView::RebuildRecentMenu() {
  // The entries are made once and relabelled: one of them may be the
  // action being triggered right now.
  while (recentActions_.size() < TRecentFiles::kMaxEntries) {
    const int index = static_cast<int>(recentActions_.size());
    QAction* a = databaseMenu_->addAction(QString());
    connect(a, &QAction::triggered, this, [this, index] { Guarded([this, index] { OpenRecent(index); }); });
    a->setObjectName(QStringLiteral("RecentFile%1").arg(index + 1));
    recentActions_.push_back(a);
  }
  const auto& files = recent_.Files();
  for (int i = 0; i < recentActions_.size(); ++i) {
    QAction* a = recentActions_[i];
    const bool used = i < static_cast<int>(files.size());
    a->setText(used ? QStringLiteral("&%1 %2").arg(i + 1).arg(MenuSafe(ToQ(files[static_cast<std::size_t>(i)])))
                    : QString());
    a->setVisible(used);
  }
  recentSeparator_->setVisible(!files.empty());
}

void TDeskView::BuildEditMenu() {
  QMenu* m = editMenu_ = AddMenu(nullptr, menuBar(), "&Bearbeiten", "BearbeitenMenu");
  databaseCommands_ << m->menuAction();
  connect(AddCommand(m, "&Ausschneiden", "AusschneidenItem", QKeySequence(Qt::CTRL | Qt::Key_X)), &QAction::triggered,
          this, &TDeskView::CutCommand);
  connect(AddCommand(m, "&Kopieren", "KopierenItem", QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered, this,
          &TDeskView::CopyCommand);
  connect(AddCommand(m, "&Einfügen", "EinfuegenItem", QKeySequence(Qt::CTRL | Qt::Key_V)), &QAction::triggered, this,
          &TDeskView::PasteCommand);
  connect(AddCommand(m, "Lösc&hen", "LoeschenTextItem", QKeySequence(Qt::CTRL | Qt::Key_Delete)),
          &QAction::triggered, this, &TDeskView::DeleteTextCommand);
  connect(AddCommand(m, "Alles aus&wählen", "AllesAuswaehlenItem"), &QAction::triggered, this,
          &TDeskView::SelectAllCommand);
  connect(m, &QMenu::aboutToShow, this, &TDeskView::UpdateEditMenu);
}

void TDeskView::BuildViewMenu() {
  QMenu* m = viewMenu_ = AddMenu(nullptr, menuBar(), "&Ansicht", "AnsichtMenu");
  databaseCommands_ << m->menuAction();
  struct ViewItem {
    const char* text;
    const char* name;
    QKeyCombination key;
    int kind;
  };
  const ViewItem items[] = {{"&Personendaten", "PersonendatenItem", Qt::CTRL | Qt::Key_D, vkPersonData},
                            {"&Vorfahrenbaum", "VorfahrenbaumItem", Qt::CTRL | Qt::Key_O, vkVorfahren},
                            {"&Nachkommenbaum", "NachkommenbaumItem", Qt::CTRL | Qt::Key_K, vkNachfahren},
                            {"&Ahnengrafik", "AhnengrafikItem", Qt::CTRL | Qt::Key_G, vkGraph}};
  for (const ViewItem& item : items) {
    QAction* a = AddCommand(m, item.text, item.name, QKeySequence(item.key));
    a->setCheckable(true);
    const int kind = item.kind;
    connect(a, &QAction::triggered, this, [this, kind] { Guarded([this, kind] { views_->SwitchView(kind); }); });
    viewItems_[static_cast<std::size_t>(kind)] = a;
  }
  m->addSeparator();
  Pending(AddCommand(m, "Quellen...", "QuellenItem", QKeySequence(Qt::CTRL | Qt::Key_Q)));
  Pending(AddCommand(m, "&Statistik...", "StatistikItem"));
  Pending(AddCommand(m, "Ahnengrafik&datei...", "AhnengrafikDateiItem"));
  Pending(AddCommand(m, "Verwandtschaftsrechner...", "VerwandtschaftsrechnerItem", QKeySequence(Qt::CTRL | Qt::Key_R)));
  Pending(AddCommand(m, "Duplikatesuche...", "DuplikatesucheItem", QKeySequence(Qt::CTRL | Qt::Key_P)));
  Pending(AddCommand(m, "Favoriten und &Verlauf", "FavoritenItem", QKeySequence(Qt::CTRL | Qt::Key_H)));
  Pending(AddCommand(m, "Ausge&wählte Personen", "AusgewaehltePersonenItem", QKeySequence(Qt::CTRL | Qt::Key_W)));
  QMenu* lists = AddMenu(m, nullptr, "&Hilfslisten", "HilfslistenMenu");
  struct ListItem {
    const char* text;
    const char* name;
    const char* title;
    const char* file;
  };
  const ListItem listItems[] = {{"&Namen", "HilfslisteNamenItem", "Namenliste", "name.lst"},
                                {"Vornamen", "HilfslisteVornamenItem", "Vornamenliste", "vorname.lst"},
                                {"&Orte", "HilfslisteOrteItem", "Ortsliste", "Ort.lst"},
                                {"&Berufe", "HilfslisteBerufeItem", "Berufliste", "Beruf.lst"},
                                {"&Religionen", "HilfslisteReligionenItem", "Religionsliste", "Religion.lst"},
                                {"&Länder", "HilfslisteLaenderItem", "Länderliste", "Land.lst"},
                                {"&Quellenangaben", "HilfslisteQuellenItem", "Liste für Quellenangaben", "quelle.lst"}};
  for (const ListItem& item : listItems) {
    QAction* a = Pending(AddCommand(lists, item.text, item.name));
    // What the list editor will be opened on.
    a->setProperty("listTitle", QString::fromUtf8(item.title));
    a->setProperty("listFile", QString::fromUtf8(item.file));
  }
  Pending(AddCommand(m, "Plausibilitätsprüfung...", "PlausibilitaetItem"));
  connect(AddCommand(m, "Datenänderungsprotokoll", "DatenaenderungsprotokollItem"), &QAction::triggered, this,
          [this] { Guarded([this] { ChangeLogCommand(); }); });
  connect(m, &QMenu::aboutToShow, this, &TDeskView::UpdateViewMenu);
}

void TDeskView::BuildPersonMenu() {
  QMenu* m = personMenu_ = AddMenu(nullptr, menuBar(), "&Person", "PersonMenu");
  databaseCommands_ << m->menuAction();
  QAction* search = Pending(AddCommand(m, "&Suchen", "SuchenItem"));
  search->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_F), QKeySequence(Qt::Key_F3)});
  Pending(AddCommand(m, "&Erweiterte Suche", "ErweiterteSucheItem", QKeySequence(Qt::CTRL | Qt::Key_E)));
  QAction* neu = AddCommand(m, "&Neu", "NeuPersonItem");
  neu->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_N), QKeySequence(Qt::Key_F2)});
  connect(neu, &QAction::triggered, this, [this] { Guarded([this] { NewPersonCommand(); }); });
  QAction* del = AddCommand(m, "&Löschen", "LoeschenPersonItem", QKeySequence(Qt::CTRL | Qt::Key_L));
  connect(del, &QAction::triggered, this, [this] { Guarded([this] { DeletePersonCommand(); }); });
  QAction* delMarriage = AddCommand(m, "&Ehe löschen", "EheLoeschenItem");
  connect(delMarriage, &QAction::triggered, this, [this] { Guarded([this] { DeleteMarriageCommand(); }); });
  writingCommands_ << neu << del << delMarriage;
  connect(m, &QMenu::aboutToShow, this, &TDeskView::UpdatePersonMenu);
}

void TDeskView::BuildSettingsMenu() {
  QMenu* m = AddMenu(nullptr, menuBar(), "&Einstellungen", "EinstellungenMenu");
  databaseCommands_ << m->menuAction();
  Pending(AddCommand(m, "&Allgemeine Einstellungen ...", "AllgemeineEinstellungenItem"));
  Pending(AddCommand(m, "&Druck Einstellungen ...", "DruckEinstellungenItem"));
  Pending(AddCommand(m, "Ahnen&grafik-Einstellungen ...", "GrafikEinstellungenItem"));
  QAction* keywords = AddCommand(m, "Schlüsselworte ...", "SchluesselworteItem");
  connect(keywords, &QAction::triggered, this, [this] { Guarded([this] { KeywordCommand(); }); });
  writingCommands_ << keywords;
  m->addSeparator();
  struct Toggle {
    const char* text;
    const char* name;
    void (TDeskView::*set)(bool);
  };
  const Toggle toggles[] = {
      {"&Erweiterter Suchdialog als Standard", "KomplexeSucheItem", &TDeskView::SetExtendedSearchDefault},
      {"&Neue Fenster benützen", "NeueFensterItem", &TDeskView::SetNewWindows},
      {"&Werkzeugleiste ", "WerkzeugleisteItem", &TDeskView::SetToolbarShown},
      {"&Statuszeile", "StatuszeileItem", &TDeskView::SetStatusLineShown}};
  for (const Toggle& t : toggles) {
    QAction* a = AddCommand(m, t.text, t.name);
    a->setCheckable(true);
    const auto set = t.set;
    connect(a, &QAction::triggered, this, [this, set](bool on) { Guarded([this, set, on] { (this->*set)(on); }); });
  }
  findChild<QAction*>(QStringLiteral("NeueFensterItem"))->setChecked(true);
}

void TDeskView::BuildHtmlMenu() {
  QMenu* m = AddMenu(nullptr, menuBar(), "HT&ML, Web, Drucken", "HtmlMenu");
  databaseCommands_ << m->menuAction();
  // Ctrl+H belongs to "Favoriten und &Verlauf": one key, one command.
  Pending(AddCommand(m, "Karteiblätter && Listen erzeugen...", "HtmlKarteiblaetterItem"));
  Pending(AddCommand(m, "Ortsfamilienbuch erzeugen ...", "HtmlOrtsfamilienbuchItem"));
  Pending(AddCommand(m, "Vorfahrenlisten erzeugen ...", "HtmlVorfahrenlistenItem"));
  QAction* show = Pending(AddCommand(m, "HTML-Dateien &anzeigen...", "HtmlAnzeigenItem"));
  // Without a program that opens web pages there is nothing to show them with.
  show->setVisible(!QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty());
}

void TDeskView::BuildPrintMenu() {
  QMenu* m = AddMenu(nullptr, menuBar(), "Druc&ken", "DruckenMenu");
  databaseCommands_ << m->menuAction();
  struct PrintItem {
    const char* text;
    const char* name;
    int page;  // the page of the print settings shown first
  };
  const PrintItem groups[][3] = {
      {{"&Karteiblatt...", "DruckKarteiblattItem", 1}, {"&Leeres Karteiblatt...", "DruckLeeresKarteiblattItem", 1}},
      {{"&Personenliste...", "DruckPersonenlisteItem", 2}, {"Spit&zenahnen...", "DruckSpitzenahnenItem", 2}},
      {{"&Vorfahrenliste...", "DruckVorfahrenlisteItem", 3},
       {"&Stammlinie (Vaterlinie)...", "DruckStammlinieItem", 3},
       {"&Nachkommenliste...", "DruckNachkommenlisteItem", 3}},
      {{"&Adressliste...", "DruckAdresslisteItem", 4},
       {"Na&menliste...", "DruckNamenlisteItem", 4},
       {"&Ortsliste...", "DruckOrtslisteItem", 4}},
      {{"Ortsfamilien&buch...", "DruckOrtsfamilienbuchItem", 7}},
      {{"&Fotoalbum...", "DruckFotoalbumItem", 6}, {"&Kalender...", "DruckKalenderItem", 6}},
      {{"Geburten-/Tauf&register...", "DruckGeburtenregisterItem", 5},
       {"&Eheregister...", "DruckEheregisterItem", 5},
       {"S&terbe-/Bestattungsregister...", "DruckSterberegisterItem", 5}}};
  bool first = true;
  for (const auto& group : groups) {
    if (!first) m->addSeparator();
    first = false;
    for (const PrintItem& item : group) {
      if (!item.text) continue;
      Pending(AddCommand(m, item.text, item.name))->setProperty("printPage", item.page);
    }
  }
}

void TDeskView::BuildWindowMenu() {
  QMenu* m = windowMenu_ = AddMenu(nullptr, menuBar(), "&Fenster", "FensterMenu");
  databaseCommands_ << m->menuAction();
  connect(AddCommand(m, "&Nebeneinander anordnen", "NebeneinanderItem"), &QAction::triggered, this,
          &TDeskView::TileSideBySide);
  connect(AddCommand(m, "&Untereinander anordnen", "UntereinanderItem"), &QAction::triggered, this,
          &TDeskView::TileOneBelowTheOther);
  connect(AddCommand(m, "Ueber&lappend anordnen", "UeberlappendItem"), &QAction::triggered, mdi_,
          &QMdiArea::cascadeSubWindows);
  connect(AddCommand(m, "Nä&chstes Fenster", "NaechstesFensterItem"), &QAction::triggered, mdi_,
          &QMdiArea::activateNextSubWindow);
  connect(AddCommand(m, "&Vorheriges Fenster", "VorherigesFensterItem"), &QAction::triggered, mdi_,
          &QMdiArea::activatePreviousSubWindow);
  connect(AddCommand(m, "&Symbole anordnen", "SymboleAnordnenItem"), &QAction::triggered, this,
          &TDeskView::ArrangeIcons);
  m->addSeparator();
  connect(AddCommand(m, "&Aktuelles Fenster in Zwischenablage kopieren", "FensterKopierenItem"), &QAction::triggered,
          this, &TDeskView::CopyActiveWindowImage);
  // Printing comes with the print window ("Vorschau Ausdruck 'Aktuelles Formular'").
  Pending(AddCommand(m, "Aktuelles &Fenster drucken...", "FensterDruckenItem"));
  connect(AddCommand(m, "&Alle Fenster schliessen", "AlleFensterSchliessenItem"), &QAction::triggered, this,
          [this] { Guarded([this] { CloseAllViews(); }); });
  windowListSeparator_ = m->addSeparator();
  connect(m, &QMenu::aboutToShow, this, &TDeskView::RebuildWindowList);
}

void TDeskView::RebuildWindowList() {
  qDeleteAll(windowListActions_);
  windowListActions_.clear();
  int n = 0;
  for (QMdiSubWindow* sub : mdi_->subWindowList(QMdiArea::CreationOrder)) {
    if (!views_->OpenWindowOf(sub)) continue;
    ++n;
    const QString prefix = n < 10 ? QStringLiteral("&%1 ").arg(n) : QStringLiteral("%1 ").arg(n);
    QAction* a = windowMenu_->addAction(prefix + MenuSafe(sub->windowTitle()));
    a->setObjectName(QStringLiteral("FensterListe%1").arg(n));
    a->setCheckable(true);
    a->setChecked(sub == mdi_->currentSubWindow());
    connect(a, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
      if (sub) mdi_->setActiveSubWindow(sub);
    });
    windowListActions_ << a;
  }
  windowListSeparator_->setVisible(n > 0);
}

void TDeskView::BuildHelpMenu() {
  QMenu* m = AddMenu(nullptr, menuBar(), "&Hilfe", "HilfeMenu");
  Pending(AddCommand(m, "&Uebersicht", "UebersichtItem", QKeySequence(Qt::Key_F1)));
  Pending(AddCommand(m, "Programminf&o ...", "ProgramminfoItem"));
}

void TDeskView::BuildToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Werkzeugleiste"), this);
  toolBar_->setObjectName(QStringLiteral("Panel1"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize(QSize(24, 24));
  // The tool bar follows the menu command, not the tool bar's own menu.
  toolBar_->toggleViewAction()->setEnabled(false);
  toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  addToolBar(Qt::TopToolBarArea, toolBar_);

  const auto button = [this](TToolIcon icon, const char* hint, const char* name) {
    QAction* a = toolBar_->addAction(ToolIcon(icon), QString::fromUtf8(hint));
    a->setToolTip(QString::fromUtf8(hint));
    a->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    toolBar_->widgetForAction(a)->setObjectName(QString::fromLatin1(name));
    return a;
  };
  QAction* neu = button(TToolIcon::NewPerson, "Neuen Personeneintrag erstellen (F2)", "SpeedButtonNeuP");
  connect(neu, &QAction::triggered, this, [this] { Guarded([this] { NewPersonCommand(); }); });
  writingCommands_ << neu;
  Pending(button(TToolIcon::QuickSearch, "Schnelle Personensuche (F3)", "SpeedButtonSuchen"))->setCheckable(true);
  Pending(button(TToolIcon::ExtendedSearch, "Erweiterte Personensuche", "SpeedButtonSuchenKomplex"))
      ->setCheckable(true);
  Pending(button(TToolIcon::Selection, "Personenauswahl", "SpeedButtonAuswahl"));
  Pending(button(TToolIcon::Relationship, "Verwandtschaftsrechner", "SpeedButtonVerwandt"));
  Pending(button(TToolIcon::Sources, "Quellen", "SpeedButtonQuellen"));
  Pending(button(TToolIcon::Favourites, "Favoriten und Verlauf", "SpeedButtonFavoriten"));
  Pending(button(TToolIcon::Duplicates, "Duplikatesuche", "SpeedButtonDuplikate"));
  toolBar_->addSeparator();
  // Tool buttons take no focus, so these act on the text control being edited.
  connect(button(TToolIcon::Cut, "Text ausschneiden", "SpeedButtonCut"), &QAction::triggered, this,
          &TDeskView::CutCommand);
  connect(button(TToolIcon::Copy, "Text kopieren", "SpeedButtonCopy"), &QAction::triggered, this,
          &TDeskView::CopyCommand);
  connect(button(TToolIcon::Paste, "Text einfügen", "SpeedButtonPaste"), &QAction::triggered, this,
          &TDeskView::PasteCommand);
  toolBar_->addSeparator();
  struct ViewButton {
    TToolIcon icon;
    const char* hint;
    const char* name;
    int kind;
  };
  const ViewButton viewButtons[] = {{TToolIcon::PersonData, "Personendaten", "SpeedButtonPerson", vkPersonData},
                                    {TToolIcon::AncestorTree, "Vorfahrenbaum", "SpeedButtonVorf", vkVorfahren},
                                    {TToolIcon::DescendantTree, "Nachkommenbaum", "SpeedButtonNachf", vkNachfahren},
                                    {TToolIcon::Graphic, "Ahnengrafik", "SpeedButtonGraph", vkGraph}};
  for (const ViewButton& b : viewButtons) {
    QAction* a = button(b.icon, b.hint, b.name);
    a->setCheckable(true);
    const int kind = b.kind;
    connect(a, &QAction::triggered, this, [this, kind] {
      Guarded([this, kind] { views_->SwitchView(kind); });
      // A click toggles the button; what is pressed follows the active view.
      SetViewButtons(viewButtonsShown_, pressedView_);
    });
    viewButtons_[static_cast<std::size_t>(kind)] = a;
  }
}

void TDeskView::SetViewButtons(bool visible, int pressedKind) {
  viewButtonsShown_ = visible;
  pressedView_ = visible ? pressedKind : -1;
  for (int kind = 0; kind < static_cast<int>(viewButtons_.size()); ++kind) {
    QAction* a = viewButtons_[static_cast<std::size_t>(kind)];
    if (!a) continue;
    a->setVisible(visible);
    a->setChecked(visible && kind == pressedView_);
    a->setEnabled(ViewKindCreatable(kind));
  }
  UpdateViewMenu();
  UpdatePersonMenu();
}

void TDeskView::UpdateViewMenu() {
  for (std::size_t kind = 0; kind < viewItems_.size(); ++kind) {
    QAction* item = viewItems_[kind];
    const QAction* button = viewButtons_[kind];
    if (!item || !button) continue;
    item->setEnabled(button->isVisible() && button->isEnabled());
    item->setChecked(button->isChecked());
  }
}

void TDeskView::UpdateWritingCommands() {
  const bool writable = DatabaseOpen() && !ReadOnlyDatabase();
  for (QAction* a : writingCommands_) EnableCommand(a, writable);
  // A new person is shown in its data view: without one it cannot be made.
  for (const char* name : {"NeuPersonItem", "SpeedButtonNeuPAction"})
    if (QAction* a = findChild<QAction*>(QString::fromLatin1(name)))
      EnableCommand(a, writable && ViewKindCreatable(vkPersonData));
  UpdatePersonMenu();
}
