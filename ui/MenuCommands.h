// Menu commands of the main window. A command whose window comes with later
// work is "pending": present under its object name and text, disabled, and
// it stays disabled whatever enables the commands around it. The later
// work connects it and calls SetPending(action, false).
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

inline constexpr const char* kPendingProperty = "orvelinPending";

inline QAction* AddCommand(QMenu* menu, const char* text, const char* objectName,
                           const QKeySequence& key = QKeySequence()) {
  QAction* a = menu->addAction(QString::fromUtf8(text));
  a->setObjectName(QString::fromLatin1(objectName));
  if (!key.isEmpty()) a->setShortcut(key);
  return a;
}

inline bool IsPending(const QAction* a) { return a->property(kPendingProperty).toBool(); }

inline void SetPending(QAction* a, bool pending) {
  a->setProperty(kPendingProperty, pending);
  if (pending) a->setEnabled(false);
}

// Enables a command unless it is pending.
inline void EnableCommand(QAction* a, bool on) { a->setEnabled(on && !IsPending(a)); }
