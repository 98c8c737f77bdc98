#include "ui/QtText.h"

QString MenuSafe(const QString& s) {
  QString out = s;
  return out.replace('&', QStringLiteral("&&"));
}
