#include "ui/LoadPicture.h"

#include <QImageReader>

#include "core/Errors.h"
#include "core/Paths.h"
#include "ui/QtText.h"

QImage LoadPicture(const QString& fileName) {
  if (fileName.isEmpty()) return QImage();
  const std::string name = FromQ(fileName);
  if (!FileExists(name)) throw EInOutError("Bilddatei " + name + " existiert nicht.");
  QImageReader reader(fileName);
  // Stored media names do not always carry the right extension.
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull() || image.width() <= 0) throw EInOutError("Can not load picture " + name);
  return image;
}
