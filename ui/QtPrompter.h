// The prompter on message boxes with German buttons ("Ja", "Nein",
// "Abbrechen", "OK"). The parent is the window the boxes centre on.
#pragma once

#include "core/Prompter.h"

class QWidget;

class TQtPrompter : public IPrompter {
 public:
  explicit TQtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
  PromptAnswer Ask(PromptKind kind, const std::string& text, PromptButtons buttons) override;

 private:
  QWidget* parent_;
};
