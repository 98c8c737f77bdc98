#include "ui/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/QtText.h"

PromptAnswer TQtPrompter::Ask(PromptKind kind, const std::string& text, PromptButtons buttons) {
  QMessageBox box(parent_);
  box.setWindowTitle(QApplication::applicationDisplayName());
  box.setText(ToQ(text));
  switch (kind) {
    case PromptKind::Information: box.setIcon(QMessageBox::Information); break;
    case PromptKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case PromptKind::Error: box.setIcon(QMessageBox::Critical); break;
    case PromptKind::Confirmation: box.setIcon(QMessageBox::Question); break;
  }
  struct Choice {
    const char* caption;
    PromptAnswer answer;
    QMessageBox::ButtonRole role;
  };
  std::vector<Choice> choices;
  switch (buttons) {
    case PromptButtons::Ok: choices = {{"OK", PromptAnswer::Ok, QMessageBox::AcceptRole}}; break;
    case PromptButtons::Abort: choices = {{"Abbrechen", PromptAnswer::Abort, QMessageBox::RejectRole}}; break;
    case PromptButtons::YesNo:
      choices = {{"Ja", PromptAnswer::Yes, QMessageBox::YesRole}, {"Nein", PromptAnswer::No, QMessageBox::NoRole}};
      break;
    case PromptButtons::YesNoCancel:
      choices = {{"Ja", PromptAnswer::Yes, QMessageBox::YesRole},
                 {"Nein", PromptAnswer::No, QMessageBox::NoRole},
                 {"Abbrechen", PromptAnswer::Cancel, QMessageBox::RejectRole}};
      break;
    case PromptButtons::YesCancel:
      choices = {{"Ja", PromptAnswer::Yes, QMessageBox::YesRole},
                 {"Abbrechen", PromptAnswer::Cancel, QMessageBox::RejectRole}};
      break;
  }
  std::vector<QPushButton*> pushButtons;
  for (const Choice& c : choices) pushButtons.push_back(box.addButton(QString::fromUtf8(c.caption), c.role));
  box.setDefaultButton(pushButtons.front());
  // Closing the box with Escape or the title bar counts as its last button.
  box.setEscapeButton(pushButtons.back());
  box.exec();
  for (std::size_t i = 0; i < pushButtons.size(); ++i)
    if (box.clickedButton() == pushButtons[i]) return choices[i].answer;
  return choices.back().answer;
}
