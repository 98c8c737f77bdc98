// LoadPicture: the one picture loader of the program (picture control,
// media records, picture window, photos of the ancestor graphic). The caller
// owns the image; failures raise EInOutError with the user's message.
#pragma once

#include <QImage>
#include <QString>

// A null image for an empty name, else the picture. Throws EInOutError
// "Bilddatei <name> existiert nicht." for a missing file and "Can not load
// picture <name>" for a file that cannot be read or gives no width.
QImage LoadPicture(const QString& fileName);
