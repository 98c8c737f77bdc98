#include "ui/NeueDatenbankDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/Prompter.h"
#include "db/NewDatabase.h"
#include "ui/DeskView.h"
#include "ui/FileChooser.h"
#include "ui/QtText.h"

namespace {

QPushButton* Button(QWidget* parent, const char* text, const char* name) {
  auto* b = new QPushButton(QString::fromUtf8(text), parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

// A page: its text and field above, its buttons at the bottom right.
QWidget* Page(QWidget* parent, const QString& text, QWidget* field, QWidget* beside,
              std::initializer_list<QPushButton*> buttons) {
  auto* page = new QWidget(parent);
  auto* layout = new QVBoxLayout(page);
  auto* label = new QLabel(text, page);
  label->setWordWrap(true);
  layout->addWidget(label);
  auto* row = new QHBoxLayout;
  field->setParent(page);
  row->addWidget(field, 1);
  if (beside) {
    beside->setParent(page);
    row->addWidget(beside);
  }
  layout->addLayout(row);
  layout->addStretch(1);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  for (QPushButton* b : buttons) {
    b->setParent(page);
    buttonRow->addWidget(b);
  }
  layout->addLayout(buttonRow);
  return page;
}

}  // namespace

TNewDbDlg2::TNewDbDlg2(TDeskView* desk) : QDialog(desk), desk_(desk) {
  setObjectName(QStringLiteral("NewDbDlg2"));
  setWindowTitle(QStringLiteral("Neue Datenbank erstellen"));
  steps_ = new QStackedWidget(this);
  steps_->setObjectName(QStringLiteral("Schritte"));
  steps_->addWidget(NamePage());
  steps_->addWidget(DirectoryPage());
  steps_->addWidget(MediaPage());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(steps_);
  setMinimumWidth(560);
  ShowStep(0);
  name_->selectAll();
}

int TNewDbDlg2::Step() const { return steps_->currentIndex(); }

void TNewDbDlg2::ShowStep(int step) {
  steps_->setCurrentIndex(step);
  for (int i = 0; i < 3; ++i) forward_[i]->setDefault(i == step);
  QLineEdit* fields[] = {name_, directory_, media_};
  fields[step]->setFocus();
}

QWidget* TNewDbDlg2::NamePage() {
  name_ = new QLineEdit(QStringLiteral("Familie ..."));
  name_->setObjectName(QStringLiteral("NameEdit"));
  QPushButton* next = Button(nullptr, "&Weiter >>", "Weiter1Btn");
  QPushButton* cancel = Button(nullptr, "&Abbrechen", "Abbrechen1Btn");
  forward_[0] = next;
  connect(next, &QPushButton::clicked, this, [this] {
    directory_->setText(ToQ(ProposedDatabaseDir(FromQ(name_->text().trimmed()))));
    ShowStep(1);
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return Page(steps_,
              QStringLiteral("Wählen bitte Sie einen Namen für Ihre neue Datenbank\n(z.B. \"Familien Habsburg\"):"),
              name_, nullptr, {next, cancel});
}

QWidget* TNewDbDlg2::DirectoryPage() {
  directory_ = new QLineEdit;
  directory_->setObjectName(QStringLiteral("VerzeichnisEdit"));
  QPushButton* change = Button(nullptr, "A&endern ...", "AendernBtn");
  QPushButton* back = Button(nullptr, "<< &Zurück", "Zurueck2Btn");
  QPushButton* next = Button(nullptr, "&Weiter >>", "Weiter2Btn");
  QPushButton* cancel = Button(nullptr, "&Abbrechen", "Abbrechen2Btn");
  connect(change, &QPushButton::clicked, this, &TNewDbDlg2::ChooseDirectory);
  forward_[1] = next;
  connect(back, &QPushButton::clicked, this, [this] { ShowStep(0); });
  connect(next, &QPushButton::clicked, this, [this] {
    media_->setText(ToQ(ProposedMediaDir(FromQ(directory_->text().trimmed()))));
    ShowStep(2);
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return Page(steps_, QStringLiteral("Die Datenbank wird in folgendem Verzeichnis erstellt."), directory_, change,
              {back, next, cancel});
}

QWidget* TNewDbDlg2::MediaPage() {
  media_ = new QLineEdit;
  media_->setObjectName(QStringLiteral("MediaEdit"));
  QPushButton* back = Button(nullptr, "<< &Zurück", "Zurueck3Btn");
  QPushButton* finish = Button(nullptr, "&Fertig >>", "FertigBtn");
  QPushButton* cancel = Button(nullptr, "&Abbrechen", "Abbrechen3Btn");
  forward_[2] = finish;
  connect(back, &QPushButton::clicked, this, [this] { ShowStep(1); });
  connect(finish, &QPushButton::clicked, this, &TNewDbDlg2::Finish);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  return Page(steps_, QStringLiteral("Die Mediadateien werden in folgendem Verzeichnis gesucht."), media_, nullptr,
              {back, finish, cancel});
}

void TNewDbDlg2::ChooseDirectory() {
  FileRequest request;
  request.title = QStringLiteral("Wählen Sie bitte das Verzeichnis aus!");
  request.directory = directory_->text();
  request.mustExist = false;
  if (const auto chosen = ::ChooseDirectory(this, request)) directory_->setText(*chosen);
}

void TNewDbDlg2::Finish() {
  std::string project;
  try {
    project = CreateNewDatabase(FromQ(directory_->text().trimmed()), FromQ(media_->text().trimmed()),
                                FromQ(name_->text().trimmed()));
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
    return;
  }
  if (project.empty()) return;
  desk_->OpenCreatedDatabase(project);
  accept();
}
