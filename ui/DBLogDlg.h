// TDBLogView: the change-log viewer ("Protokoll der Datenänderungen"), a
// child window of the main window. It shows "dbLog.txt" as it is on disk:
// the open log is closed for the reading and opened again after it, which
// starts a new session line. "Protokoll löschen" empties the file.
#pragma once

#include <QWidget>

class QPlainTextEdit;

class TDBLogView : public QWidget {
  Q_OBJECT

 public:
  explicit TDBLogView(QWidget* parent = nullptr);

  // Reads the file again.
  void Reload();
  void ClearLog();

 private:
  void ShowFile();

  QPlainTextEdit* text_ = nullptr;
};
