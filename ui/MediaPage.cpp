// The page "Multimedia" of the person data view: the media files of the
// person with their titles, order, picture and player.
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStackedLayout>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Configuration.h"
#include "core/Media.h"
#include "core/Utf8.h"
#include "db/AhnenDB.h"
#include "ui/BildView.h"
#include "ui/FileChooser.h"
#include "ui/LoadPicture.h"
#include "ui/MediaPlayerPanel.h"
#include "ui/PersonStdViewPrivate.h"
#include "ui/QtText.h"
#include "ui/RControls.h"
#include "ui/REdit.h"
#include "ui/RImage.h"

using namespace pview;

namespace {

constexpr int kPictureWidth = 260;
constexpr int kPictureHeight = 200;
constexpr std::size_t kMaxMediaName = 60;  // stored names stay below this

// The file dialog's choices; both spellings, since names here are case-sensitive.
QString Patterns(const QStringList& extensions) {
  QStringList p;
  for (const QString& e : extensions) p << "*." + e << "*." + e.toLower();
  return p.join(' ');
}

QString MediaFilter() {
  const QStringList pictures{"BMP", "JPG", "JIF", "DIB", "RLE", "TGA", "PCX", "GIF"};
  const QStringList sound{"WAV"};
  const QStringList video{"AVI", "QTM", "MPG"};
  return QStringLiteral("Multimedia (%1);;Bild (%2);;Ton (%3);;Video (%4);;Alle (*)")
      .arg(Patterns(pictures + sound + video), Patterns(pictures), Patterns(sound), Patterns(video));
}

QToolButton* OrderButton(QWidget* parent, const char* name, Qt::ArrowType arrow) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setArrowType(arrow);
  return b;
}

}  // namespace

QWidget* TPersonStdView::BuildMediaPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("MediaPage"));
  auto* layout = new QVBoxLayout(page);
  MediaGrid = new QTableWidget(0, 3, page);
  MediaGrid->setObjectName(QStringLiteral("MediaGrid"));
  MediaGrid->setHorizontalHeaderLabels({QStringLiteral("Titel"), QStringLiteral("Typ"), QStringLiteral("Dateiname")});
  MediaGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
  MediaGrid->setSelectionMode(QAbstractItemView::SingleSelection);
  MediaGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  MediaGrid->verticalHeader()->hide();
  MediaGrid->horizontalHeader()->setStretchLastSection(true);
  MediaGrid->setColumnWidth(0, 180);
  MediaGrid->setColumnWidth(1, 60);
  layout->addWidget(MediaGrid, 1);

  auto* lower = new QHBoxLayout;
  auto* form = new QFormLayout;
  MediaTitle = Edit(page, "MediaTitle");
  MediaFilename = Edit(page, "MediaFilename");
  MediaSuchen = new TRButton(QStringLiteral("Suchen..."), page);
  MediaSuchen->setObjectName(QStringLiteral("MediaSuchen"));
  auto* file = new QHBoxLayout;
  file->addWidget(MediaFilename, 1);
  file->addWidget(MediaSuchen);
  mediaAufBtn = OrderButton(page, "mediaAufBtn", Qt::UpArrow);
  mediaAbBtn = OrderButton(page, "mediaAbBtn", Qt::DownArrow);
  auto* order = new QHBoxLayout;
  order->addWidget(mediaAufBtn);
  order->addWidget(mediaAbBtn);
  order->addStretch();
  form->addRow(LabelFor(page, QStringLiteral("Titel:"), MediaTitle), MediaTitle);
  form->addRow(LabelFor(page, QStringLiteral("Dateiname:"), MediaFilename), file);
  form->addRow(LabelFor(page, QStringLiteral("Reihenfolge:")), order);
  lower->addLayout(form, 1);

  pictureArea_ = new QWidget(page);
  pictureArea_->setObjectName(QStringLiteral("PictureArea"));
  pictureArea_->setFixedSize(kPictureWidth, kPictureHeight);
  auto* stack = new QStackedLayout(pictureArea_);
  stack->setStackingMode(QStackedLayout::StackAll);
  Foto = new TRImage(pictureArea_);
  Foto->setObjectName(QStringLiteral("Foto"));
  Foto->setToolTip(QStringLiteral("Doppelklick um das Bild in Originalgrösse zu sehen."));
  Foto->SetMaxWidth(kPictureWidth);
  Foto->SetMaxHeight(kPictureHeight);
  Foto->installEventFilter(this);
  MediaPlayer = new TMediaPlayerPanel(pictureArea_);
  MediaPlayer->setObjectName(QStringLiteral("MediaPlayer"));
  stack->addWidget(Foto);
  stack->addWidget(MediaPlayer);
  Foto->hide();
  MediaPlayer->hide();
  lower->addWidget(pictureArea_, 0, Qt::AlignTop);
  layout->addLayout(lower);

  mediaAufBtn->hide();
  mediaAbBtn->hide();
  connect(MediaGrid, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (!Loading()) ShowMedia(row);
  });
  connect(MediaTitle, &QLineEdit::textEdited, this, &TPersonStdView::MediaTextEdited);
  connect(MediaFilename, &QLineEdit::textEdited, this, &TPersonStdView::MediaTextEdited);
  connect(MediaSuchen, &QPushButton::clicked, this, &TPersonStdView::MediaSuchenClick);
  connect(mediaAufBtn, &QToolButton::clicked, this, [this] { MoveMedia(-1); });
  connect(mediaAbBtn, &QToolButton::clicked, this, [this] { MoveMedia(1); });
  return page;
}

void TPersonStdView::LoadMediaPage() {
  TMediae& mediae = Detail()->mediae();
  MediaGrid->clearSelection();
  MediaGrid->setRowCount(static_cast<int>(mediae.Count()));
  for (int row = 0; row < MediaGrid->rowCount(); ++row) UpdateMediaRow(row);
  if (mediae.Empty()) {
    SetMediaControlsEnabled(false);
    MediaTitle->clear();
    MediaFilename->clear();
    MediaPlayer->Stop();
    MediaPlayer->hide();
    Foto->SetFileName(QString());
    Foto->hide();
    mediaAufBtn->hide();
    mediaAbBtn->hide();
    return;
  }
  SetMediaControlsEnabled(true);
  MediaGrid->setCurrentCell(0, 0);
  ShowMedia(0);
}

void TPersonStdView::UpdateMediaRow(int row) {
  const TMedia& m = Detail()->mediae()[static_cast<std::size_t>(row)];
  const QString texts[3] = {ToQ(m.Title), ToQ(MediaKind(m.File)), ToQ(m.File)};
  for (int col = 0; col < 3; ++col) {
    QTableWidgetItem* it = MediaGrid->item(row, col);
    if (!it) MediaGrid->setItem(row, col, it = new QTableWidgetItem);
    it->setText(texts[col]);
  }
}

void TPersonStdView::SetMediaControlsEnabled(bool enabled) {
  for (QWidget* w : {static_cast<QWidget*>(MediaTitle), static_cast<QWidget*>(MediaFilename),
                     static_cast<QWidget*>(MediaSuchen)})
    w->setEnabled(enabled);
}

void TPersonStdView::ShowMedia(int row) {
  TMediae& mediae = Detail()->mediae();
  if (row < 0 || row >= static_cast<int>(mediae.Count())) return;
  const int last = static_cast<int>(mediae.Count()) - 1;
  mediaAufBtn->setVisible(!ReadOnly() && row > 0);
  mediaAbBtn->setVisible(!ReadOnly() && row < last);
  MediaPlayer->Stop();
  MediaPlayer->hide();
  const TMedia& m = mediae[static_cast<std::size_t>(row)];
  {
    TLoadingGuard loading(this);
    MediaTitle->setText(ToQ(m.Title));
    MediaFilename->setText(ToQ(m.File));
  }
  const std::string kind = MediaKind(m.File);
  const QString path = ToQ(m.fullPath());
  if (kind == "Bild") {
    Foto->show();
    Guarded([&] { Foto->SetFileName(path); });
  } else {
    Foto->SetFileName(QString());
    Foto->hide();
  }
  if (kind == "Ton" || kind == "Video") {
    MediaPlayer->Load(path, kind == "Video");
    MediaPlayer->show();
  }
}

bool TPersonStdView::MediaNameFits(const std::string& name) {
  if (utf8::Length(name) < kMaxMediaName) return true;
  const std::string dir = Config ? Config->MediaDir : std::string();
  ShowWarning("Der Dateiname \"" + name + "\" ist zu lang und kann nicht gespeichert werden.\n\n"
              "Legen Sie die Mediadatei im Multimediaverzeichnis \"" + dir +
              "\" ab, dann wird der Dateiname korrekt gespeichert.");
  return false;
}

void TPersonStdView::MediaSuchenClick() {
  const int row = MediaGrid->currentRow();
  if (!person_ || ReadOnly() || row < 0 || row >= static_cast<int>(Detail()->mediae().Count())) return;
  FileRequest request;
  request.title = ToQ("Bild für \"" + Caption() + "\"auswählen");
  request.filter = MediaFilter();
  request.directory = Config ? ToQ(Config->MediaDir) : QString();
  request.mustExist = true;
  const std::optional<QString> chosen = ChooseOpenFile(this, request);
  if (!chosen) return;
  const std::string name = MediaRelativePath(FromQ(*chosen));
  // Too long: the field keeps what it had.
  if (!MediaNameFits(name)) return;
  TMedia& m = Detail()->mediae()[static_cast<std::size_t>(row)];
  m.File = name;
  m.Changed = true;
  EnableSave();
  UpdateMediaRow(row);
  ShowMedia(row);
}

void TPersonStdView::MediaTextEdited() {
  const int row = MediaGrid->currentRow();
  if (IgnoreChanges() || !person_ || row < 0 || row >= static_cast<int>(Detail()->mediae().Count())) return;
  TMedia& m = Detail()->mediae()[static_cast<std::size_t>(row)];
  const std::string file = FromQ(MediaFilename->text());
  if (!MediaNameFits(file)) {
    // What was accepted before comes back, rather than an empty field.
    TLoadingGuard loading(this);
    MediaFilename->setText(ToQ(m.File));
    return;
  }
  m.Title = Cut(MediaTitle->text(), 255);
  m.File = file;
  m.Changed = true;
  EnableSave();
  UpdateMediaRow(row);
}

void TPersonStdView::MoveMedia(int delta) {
  TMediae& mediae = Detail()->mediae();
  const int row = MediaGrid->currentRow();
  const int other = row + delta;
  if (ReadOnly() || row < 0 || other < 0 || other >= static_cast<int>(mediae.Count())) return;
  TMedia& a = mediae[static_cast<std::size_t>(row)];
  TMedia& b = mediae[static_cast<std::size_t>(other)];
  // The rows keep their numbers; only what they hold changes places.
  std::swap(a.Title, b.Title);
  std::swap(a.File, b.File);
  a.Changed = b.Changed = true;
  EnableSave();
  UpdateMediaRow(row);
  UpdateMediaRow(other);
  MediaGrid->setCurrentCell(other, 0);
}

void TPersonStdView::DeleteMediaAt(int row) {
  TMediae& mediae = Detail()->mediae();
  if (row < 0 || row >= static_cast<int>(mediae.Count())) return;
  TMedia& m = mediae[static_cast<std::size_t>(row)];
  if (!WarnYesNo("Soll die Verbindung zur Datei \"" + m.File + " (" + m.Title + ")\" wirklich gelöscht werden?"))
    return;
  AhnenDB->deleteMedia(m);
  mediae.Take(static_cast<std::size_t>(row));
  ReloadPage(ppMedia);
}

void TPersonStdView::NewMedia() {
  if (!person_ || ReadOnly() || !AhnenDB) return;
  TPersonDetail& me = *Detail();
  auto media = std::make_unique<TMedia>();
  media->Id = me.Id;
  AhnenDB->insertMedia(*media);
  if (me.mediaeLoaded())
    me.mediae().Insert(std::move(media));
  else
    me.mediae();
  ReloadPage(ppMedia);
  const int last = static_cast<int>(me.mediae().Count()) - 1;
  MediaGrid->setCurrentCell(last, 0);
  MediaTitle->setFocus();
}

void TPersonStdView::NeuMenuClick() {
  if (CurrentPage() == ppMedia) Guarded([&] { NewMedia(); });
}

void TPersonStdView::FotoDoubleClicked() {
  const int row = MediaGrid->currentRow();
  if (!person_ || row < 0 || row >= static_cast<int>(Detail()->mediae().Count())) return;
  const TMedia& m = Detail()->mediae()[static_cast<std::size_t>(row)];
  if (!IsImageFile(m.File)) return;
  Guarded([&] {
    const QImage picture = LoadPicture(ToQ(m.fullPath()));
    if (picture.isNull()) return;
    auto* view = new TBildView(picture, ToQ("Foto: " + m.Title + " {" + Caption() + "}"));
    QMdiSubWindow* own = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (own && own->mdiArea()) {
      QMdiSubWindow* sub = own->mdiArea()->addSubWindow(view);
      sub->adjustSize();
      sub->show();
    } else {
      view->show();
    }
  });
}
