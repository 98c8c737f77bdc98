// TDBInfo: the database information window ("Datenbank-Info"): where the
// open database lives and how many rows each of its eight tables holds.
// The counts are read once, when the window is made.
#pragma once

#include <QDialog>

class TDBInfo : public QDialog {
  Q_OBJECT

 public:
  explicit TDBInfo(QWidget* parent = nullptr);
};
