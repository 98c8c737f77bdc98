// Conversions between the core's UTF-8 strings and QString.
#pragma once

#include <QString>
#include <string>

inline QString ToQ(const std::string& s) { return QString::fromStdString(s); }
inline std::string FromQ(const QString& s) { return s.toStdString(); }
// A text for a menu caption: "&" in data must not become a shortcut.
QString MenuSafe(const QString& s);
