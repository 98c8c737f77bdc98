// TlinkView ("Weitere Beziehung"): edits the kind of a further relationship
// (at most 40 characters). "&Speichern" accepts, "&Abbrechen" changes nothing;
// the caller stores the text into the link.
#pragma once

#include <QDialog>

class QLineEdit;

class TlinkView : public QDialog {
  Q_OBJECT

 public:
  TlinkView(QWidget* parent, const QString& personCaption, const QString& text, bool readOnly);
  QString Text() const;

 private:
  QLineEdit* text_ = nullptr;
};
