#include "ui/RDatumZusatz.h"

TRDatumZusatz::TRDatumZusatz(QWidget* parent) : TRComboBox(parent, /*editable=*/false) {
  // A combo's item text has no shortcuts: the "&" shows as it stands.
  addItems({QStringLiteral("Exakt"), QStringLiteral("Vor"), QStringLiteral("Nach"), QStringLiteral("Um"),
            QStringLiteral("Geschätzt"), QStringLiteral("Sortieren&Ignorieren")});
  setCurrentIndex(0);
}

int TRDatumZusatz::Zusatz() const { return currentIndex() < 0 ? 0 : currentIndex(); }

void TRDatumZusatz::SetZusatz(int code) { setCurrentIndex(code >= 0 && code < count() ? code : 0); }
