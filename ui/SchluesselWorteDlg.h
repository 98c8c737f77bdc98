// TSchluesselWorteDlg: the keyword build dialog. Eight check boxes choose
// the groups of fields that give keywords (options 52 to 59); "&OK" stores
// them in the project file and builds the keyword index anew with a
// progress bar. While the build runs, closing or "&Abbrechen" stops it
// (the old index stays) and the dialog closes after the loop.
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

class TSchluesselWorteDlg : public QDialog {
  Q_OBJECT

 public:
  // migration: show the note that an older database should get its keywords.
  TSchluesselWorteDlg(QWidget* parent, bool migration);

  bool Running() const { return running_; }
  // True after a build that was stopped before its end.
  bool Stopped() const { return stopped_; }

  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();

  std::array<QCheckBox*, 8> boxes_{};  // options 52 to 59
  QLabel* note_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool running_ = false;
  bool stopRequested_ = false;
  bool stopped_ = false;
};
